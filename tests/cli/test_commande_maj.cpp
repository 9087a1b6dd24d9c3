#include "cli/commandes.h"
#include "platform/connexion.h"
#include "refdata/serveur_bd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using namespace ylkaz;
using testing::HasSubstr;

namespace {

struct Sortie {
    int statut;
    std::string out;
    std::string err;
};

Sortie maj(const test::BancServeur& banc, std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"--prog", banc.prog.tmp.chemin().string(), "maj"});
    std::ostringstream out, err;
    const int statut = executer_commande(args, out, err);
    return {statut, out.str(), err.str()};
}

// The command tests the connection as the station form does.
bool reseau() {
    return ConnexionSysteme().connecte();
}

class CommandeMaj : public testing::Test {
  protected:
    test::BancServeur banc;

    void SetUp() override {
        if (!reseau()) GTEST_SKIP() << "no network interface up: the update would not start";
        banc.demarrer();
        // The certificate named relative to the program folder.
        std::filesystem::copy_file(banc.certificat(), banc.prog.tmp / "ca.pem");
        banc.ecrire_serveurs(banc.adresse(), "", "ca.pem");
    }
};

TEST_F(CommandeMaj, BothFilesFetchedPrintsTheLabels) {
    banc.publier("/Dizidevi/KAZ_mini_2021.csv", "F4ABC,1,Pierre,OM\r\n");
    banc.publier("/Dizidevi/YL_KAZ/BD_YL.csv", "F4YL;Marie\r\n");
    const auto s = maj(banc);
    EXPECT_EQ(s.statut, 0) << s.err;
    // The language is not applied yet, as at the station form's creation.
    EXPECT_THAT(s.out, testing::MatchesRegex("Date MAJ fichier : [0-9]{2}/[0-9]{2}/[0-9]{4}\n"
                                             "\\?\\?\n"));
    EXPECT_EQ(s.err, "Bases mises à jour : KAZ_mini_2021.csv et BD_YL.csv téléchargés\n");
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/KAZ_mini_2021.csv"), "F4ABC,1,Pierre,OM\r\n");
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), "F4YL;Marie\r\n");
}

TEST_F(CommandeMaj, OneFileMissingOnTheServerFails) {
    banc.publier("/Dizidevi/YL_KAZ/BD_YL.csv", "F4YL;Marie\r\n");
    const auto s = maj(banc);
    EXPECT_EQ(s.statut, 1);
    EXPECT_THAT(s.err, HasSubstr("échec du téléchargement de KAZ_mini_2021.csv ("));
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), "F4YL;Marie\r\n");
}

TEST_F(CommandeMaj, NothingFetchedKeepsTheFilesAndSaysSo) {
    banc.prog.ecrire_bd("KAZ_mini_2021.csv", "ANCIEN\r\n");
    const auto s = maj(banc);
    EXPECT_EQ(s.statut, 1);
    EXPECT_THAT(s.out, testing::StartsWith("Date BD\nÉchec du téléchargement de "
                                           "KAZ_mini_2021.csv ("));
    EXPECT_THAT(s.out, HasSubstr("les fichiers sur le disque sont inchangés\n"));
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/KAZ_mini_2021.csv"), "ANCIEN\r\n");
}

TEST_F(CommandeMaj, WithoutOrganiserAddressAndUsage) {
    std::filesystem::remove(banc.prog.tmp / "Serveurs.ini");
    auto s = maj(banc);
    EXPECT_EQ(s.statut, 1);
    EXPECT_THAT(s.out, HasSubstr("Aucun serveur de l'organisateur indiqué"));
    EXPECT_EQ(banc.journal(), "");
    s = maj(banc, {"en trop"});
    EXPECT_EQ(s.statut, 2);
    EXPECT_THAT(s.err, HasSubstr("usage"));
}

} // namespace

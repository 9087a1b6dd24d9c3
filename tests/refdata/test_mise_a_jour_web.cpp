#include "refdata/mise_a_jour_web.h"

#include "platform/cp1252.h"
#include "refdata/serveur_bd.h"
#include "refdata/serveurs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

using namespace ylkaz;
using test::ConnexionFixe;
using test::empreinte;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string MEMBRES = "/Dizidevi/KAZ_mini_2021.csv";
const std::string YL = "/Dizidevi/YL_KAZ/BD_YL.csv";

std::string aujourdhui() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char s[16];
    std::strftime(s, sizeof s, "%d/%m/%Y", &tm);
    return s;
}

std::string ligne_journal(const std::string& chemin) {
    return chemin + " Cache-Control=no-cache\n";
}

class MiseAJour : public testing::Test {
  protected:
    test::BancServeur banc;
    Catalogue catalogue;
    ConnexionFixe connecte{true};
    const std::string membres_neufs = test::contenu_varie("", 3000);
    const std::string yl_neufs = test::contenu_varie("F4YL;Marie\r\n", 200);

    void SetUp() override {
        catalogue.msg_info_internet = "PAS DE RESEAU";
        catalogue.Message_MAJ_reussie = "MAJ REUSSIE";
    }

    // Old local files that a failed fetch must leave exactly as they are.
    void anciens() const {
        banc.prog.ecrire_bd("KAZ_mini_2021.csv", "F4ABC,123,Pierre,OM\r\n");
        banc.prog.ecrire_bd("BD_YL.csv", "F4YL;Ancienne\r\n");
    }
    test::Empreinte membres_locaux() const { return empreinte(banc.bd("KAZ_mini_2021.csv")); }
    test::Empreinte yl_locaux() const { return empreinte(banc.bd("BD_YL.csv")); }

    BilanMiseAJour executer(const Connexion& c) const {
        return MiseAJourWeb(c, banc.delais).Executer(banc.prog.dossiers, catalogue);
    }
    BilanMiseAJour executer() const { return executer(connecte); }

    void verifier_rien_remplace(const test::Empreinte& m, const test::Empreinte& y,
                                const BilanMiseAJour& b) const {
        EXPECT_FALSE(b.membres);
        EXPECT_FALSE(b.yl);
        EXPECT_EQ(membres_locaux(), m);
        EXPECT_EQ(yl_locaux(), y);
        EXPECT_EQ(b.Label_Date_BD, std::nullopt);
        // Not the success text: which fetches failed, and that the files stay as they were.
        EXPECT_THAT(b.Label_info_Internet, Not(HasSubstr("REUSSIE")));
        EXPECT_THAT(b.Label_info_Internet,
                    HasSubstr(cp1252("Échec du téléchargement de KAZ_mini_2021.csv (")));
        EXPECT_THAT(b.Label_info_Internet, HasSubstr(") et de BD_YL.csv ("));
        EXPECT_THAT(b.Label_info_Internet,
                    HasSubstr(cp1252("les fichiers sur le disque sont inchangés")));
        EXPECT_EQ(b.compte_rendu, b.Label_info_Internet);
        EXPECT_EQ(banc.noms(banc.prog.tmp / "Fichiers_BD"),
                  (std::vector<std::string>{"BD_YL.csv", "KAZ_mini_2021.csv"}));
    }
};

TEST_F(MiseAJour, BothListsFetchedByteForByteMemberListFirst) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    anciens();
    const auto b = executer();
    EXPECT_TRUE(b.membres);
    EXPECT_TRUE(b.yl);
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/KAZ_mini_2021.csv"), membres_neufs);
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), yl_neufs);
    EXPECT_EQ(b.Label_Date_BD, "Date MAJ fichier : " + aujourdhui());
    EXPECT_EQ(b.Label_info_Internet, "MAJ REUSSIE");
    EXPECT_EQ(b.compte_rendu, cp1252("Bases mises à jour : KAZ_mini_2021.csv et BD_YL.csv "
                                     "téléchargés"));
    EXPECT_EQ(banc.journal(), ligne_journal(MEMBRES) + ligne_journal(YL));
    EXPECT_EQ(banc.noms(banc.prog.tmp / "Fichiers_BD"),
              (std::vector<std::string>{"BD_YL.csv", "KAZ_mini_2021.csv"}));
}

TEST_F(MiseAJour, DateLabelFollowsTheLastFileFetched) {
    banc.demarrer({"--statut", YL + "=404"});
    banc.ecrire_serveurs();
    banc.publier(MEMBRES, membres_neufs);
    anciens();
    const auto yl = yl_locaux();
    const auto b = executer();
    EXPECT_TRUE(b.membres);
    EXPECT_FALSE(b.yl);
    EXPECT_EQ(b.Label_Date_BD, "Date MAJ fichier : " + aujourdhui());
    EXPECT_EQ(yl_locaux(), yl);
    EXPECT_EQ(b.Label_info_Internet, "MAJ REUSSIE");
    EXPECT_THAT(b.compte_rendu, HasSubstr(cp1252("KAZ_mini_2021.csv téléchargé ; échec du "
                                                 "téléchargement de BD_YL.csv (")));
    EXPECT_THAT(b.compte_rendu, HasSubstr("404"));
}

TEST_F(MiseAJour, YlListFetchedAlthoughTheMemberListAnswers404) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(YL, yl_neufs);
    anciens();
    const auto membres = membres_locaux();
    const auto b = executer();
    EXPECT_FALSE(b.membres);
    EXPECT_TRUE(b.yl);
    EXPECT_EQ(membres_locaux(), membres);
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), yl_neufs);
    EXPECT_EQ(b.Label_Date_BD, "Date MAJ fichier : " + aujourdhui());
    // At least one file came: the success text, and the failure in the outcome.
    EXPECT_EQ(b.Label_info_Internet, "MAJ REUSSIE");
    EXPECT_THAT(b.compte_rendu, HasSubstr(cp1252("BD_YL.csv téléchargé ; échec du "
                                                 "téléchargement de KAZ_mini_2021.csv (")));
    EXPECT_THAT(b.compte_rendu, HasSubstr("404"));
    EXPECT_THAT(b.compte_rendu, HasSubstr(cp1252("ce fichier sur le disque est inchangé")));
    EXPECT_EQ(banc.journal(), ligne_journal(MEMBRES) + ligne_journal(YL));
}

TEST_F(MiseAJour, ErrorStatusesLeaveTheLocalFilesIdentical) {
    for (const std::string statut : {"404", "500"}) {
        SCOPED_TRACE(statut);
        banc.demarrer({"--statut", MEMBRES + "=" + statut, "--statut", YL + "=" + statut});
        banc.ecrire_serveurs();
        // The server holds new files, but answers the error for them.
        banc.publier(MEMBRES, membres_neufs);
        banc.publier(YL, yl_neufs);
        anciens();
        const auto m = membres_locaux(), y = yl_locaux();
        const auto b = executer();
        verifier_rien_remplace(m, y, b);
        EXPECT_THAT(b.Label_info_Internet, HasSubstr(statut));
        banc.serveur.reset();
        std::filesystem::remove(banc.serveur_dossier / "journal.txt");
    }
}

TEST_F(MiseAJour, TransferCutShortLeavesTheLocalFilesIdentical) {
    banc.demarrer({"--coupe", MEMBRES, "--coupe", YL});
    banc.ecrire_serveurs();
    anciens();
    const auto m = membres_locaux(), y = yl_locaux();
    verifier_rien_remplace(m, y, executer());
}

TEST_F(MiseAJour, CertificateForAnotherNameRefusedNothingReplaced) {
    banc.demarrer({}, "autre.example", "DNS:autre.example");
    banc.ecrire_serveurs();
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    anciens();
    const auto m = membres_locaux(), y = yl_locaux();
    const auto b = executer();
    verifier_rien_remplace(m, y, b);
    EXPECT_THAT(b.Label_info_Internet, HasSubstr("127.0.0.1"));
}

TEST_F(MiseAJour, UnknownAuthorityRefusedWithoutTheCaKey) {
    banc.demarrer();
    banc.ecrire_serveurs(banc.adresse(), banc.adresse(), "");
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    anciens();
    const auto m = membres_locaux(), y = yl_locaux();
    verifier_rien_remplace(m, y, executer());
}

TEST_F(MiseAJour, NoConnectionFetchesNothingAndTouchesNothing) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    anciens();
    const auto m = membres_locaux(), y = yl_locaux();
    const auto b = executer(ConnexionFixe(false));
    EXPECT_FALSE(b.membres || b.yl);
    EXPECT_EQ(b.Label_info_Internet, "PAS DE RESEAU");
    EXPECT_EQ(b.Label_Date_BD, std::nullopt);
    EXPECT_THAT(b.compte_rendu, HasSubstr("Pas de connexion Internet"));
    EXPECT_EQ(membres_locaux(), m);
    EXPECT_EQ(yl_locaux(), y);
    EXPECT_EQ(banc.journal(), "") << "the server was asked";
}

TEST_F(MiseAJour, WithoutOrganiserAddressNothingIsFetched) {
    banc.demarrer();
    banc.publier(MEMBRES, membres_neufs);
    anciens();
    const auto m = membres_locaux();
    const std::string pas_de_serveur =
        cp1252("Aucun serveur de l'organisateur indiqué (clé ORGANISATEUR de Serveurs.ini) : "
               "bases non mises à jour");
    // No file, the shipped file (the key present and empty), a file without the key.
    const std::vector<std::string> contenus{
        "", *lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "Serveurs.ini"),
        "[Serveurs]\r\nPAYS=" + banc.adresse() + "\r\n"};
    for (const auto& contenu : contenus) {
        SCOPED_TRACE(contenu);
        std::filesystem::remove(banc.prog.tmp / "Serveurs.ini");
        if (!contenu.empty()) banc.prog.tmp.ecrire("Serveurs.ini", contenu);
        const auto b = executer();
        EXPECT_FALSE(b.membres || b.yl);
        EXPECT_EQ(b.Label_info_Internet, pas_de_serveur);
        EXPECT_EQ(b.compte_rendu, pas_de_serveur);
        EXPECT_EQ(membres_locaux(), m);
    }
    EXPECT_EQ(banc.journal(), "");
}

TEST_F(MiseAJour, ClearTextAddressRefused) {
    banc.demarrer();
    banc.ecrire_serveurs("http://127.0.0.1:" + std::to_string(banc.serveur->port()), "",
                         banc.certificat().string());
    anciens();
    const auto m = membres_locaux(), y = yl_locaux();
    const auto b = executer();
    verifier_rien_remplace(m, y, b);
    EXPECT_THAT(b.Label_info_Internet, HasSubstr("https://"));
    EXPECT_EQ(banc.journal(), "");
}

TEST_F(MiseAJour, BaseAddressWithTrailingSlash) {
    banc.demarrer();
    banc.ecrire_serveurs(banc.adresse() + "/", "", banc.certificat().string());
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    EXPECT_TRUE(executer().membres);
    EXPECT_EQ(banc.journal(), ligne_journal(MEMBRES) + ligne_journal(YL));
}

// A member list kept under another spelling is the one replaced, not doubled.
TEST_F(MiseAJour, LocalFileFoundWithoutRegardToCase) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(MEMBRES, membres_neufs);
    banc.publier(YL, yl_neufs);
    banc.prog.ecrire_bd("kaz_MINI_2021.CSV", "ANCIEN\r\n");
    EXPECT_TRUE(executer().membres);
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/kaz_MINI_2021.CSV"), membres_neufs);
    EXPECT_EQ(banc.noms(banc.prog.tmp / "Fichiers_BD"),
              (std::vector<std::string>{"BD_YL.csv", "kaz_MINI_2021.CSV"}));
}

TEST(Serveurs, ReadFromTheProgramFolder) {
    test::DossierProgramme d;
    EXPECT_EQ(Serveurs::lire(d.dossiers).ORGANISATEUR, "");
    d.tmp.ecrire("SERVEURS.INI", "[serveurs]\r\n organisateur = https://kaz.example:8443/ \r\n"
                                 "Pays=https://cty.example\r\nca=certs/ca.pem\r\n");
    auto s = Serveurs::lire(d.dossiers);
    EXPECT_EQ(s.ORGANISATEUR, "https://kaz.example:8443");
    EXPECT_EQ(s.PAYS, "https://cty.example");
    EXPECT_EQ(s.CA, d.tmp / "certs/ca.pem");
    std::filesystem::remove(d.tmp / "SERVEURS.INI");
    d.tmp.ecrire("Serveurs.ini", "[Serveurs]\r\nCA=/etc/ssl/ca.pem\r\n");
    s = Serveurs::lire(d.dossiers);
    EXPECT_EQ(s.CA, std::filesystem::path("/etc/ssl/ca.pem"));
    EXPECT_EQ(s.PAYS, "");
}

TEST(Serveurs, ShippedFileNamesTheCountryServerOnly) {
    test::DossierProgramme d;
    d.tmp.ecrire("Serveurs.ini",
                 *lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "Serveurs.ini"));
    const auto s = Serveurs::lire(d.dossiers);
    EXPECT_EQ(s.ORGANISATEUR, "");
    EXPECT_EQ(s.PAYS, "https://www.country-files.com");
    EXPECT_EQ(s.CA, std::nullopt);
}

} // namespace

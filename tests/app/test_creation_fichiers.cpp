#include "app/creation_fichiers.h"
#include "export/adif.h"
#include "export/journal_exemple.h"
#include "log/faux_stockage.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

using namespace ylkaz;

namespace {

class CommandeFichiers : public ::testing::Test {
  protected:
    CommandeFichiers()
        : dossiers(Dossiers::depuis(prog.chemin())), reference(dossiers), dialogues(minuterie) {
        dossiers.creer_sous_dossiers();
        test::ecrire_prefixes(prog);
        std::filesystem::create_directory(prog / "logs");
        emplacement = {nom_stocke(prog / "logs"), "KAZ2021.YL"};
        test::journal_exemple(grille);
        minuterie.demarrer();
    }

    bool lancer() {
        return Creation_fichiers(
            {grille, station, test::champs_exemple(), dossiers, emplacement, reference}, etat,
            catalogue, dialogues, minuterie);
    }

    test::DossierTemp prog;
    Dossiers dossiers;
    Reference reference;
    EmplacementLog emplacement;
    Grille_log grille;
    StationRecord station = test::station_exemple();
    EtatCabrillo etat;
    Catalogue catalogue;
    test::FausseMinuterie minuterie;
    test::FauxDialogues dialogues;
};

} // namespace

TEST_F(CommandeFichiers, WritesBothFilesThenConfirmsOnce) {
    ASSERT_TRUE(lancer());
    EXPECT_EQ(prog.lire("Files/KAZ2021.CBR"),
              texte_cabrillo(grille, station, test::champs_exemple()));
    EXPECT_EQ(etat.fichier_cabrillo, "KAZ2021.CBR");
    const std::string adif = prog.lire("logs/KAZ2021.ADI");
    EXPECT_EQ(adif.rfind("<ADIF_VER:5>3.1.3\r\n", 0), 0u);
    EXPECT_NE(adif.find("<CALL:5>F5ZZZ "), std::string::npos);
    EXPECT_EQ(dialogues.messages,
              std::vector<std::string>{"CABRILLO (*.CBR) + ADIF (*.ADI) cr\xE9\xE9"});
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());

    // The language's text, whatever it holds.
    catalogue.Msg_fichier_sauve = "created";
    minuterie.arreter();
    ASSERT_TRUE(lancer());
    EXPECT_EQ(dialogues.messages.back(), "CABRILLO (*.CBR) + ADIF (*.ADI) created");
    EXPECT_FALSE(minuterie.actif());
}

TEST_F(CommandeFichiers, AFailedCabrilloFileStopsBeforeTheAdifFile) {
    prog.ecrire("fichier", "x");
    dossiers.CHEMIN_FILES = nom_stocke(prog / "fichier");
    EXPECT_FALSE(lancer());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(texte_erreur_systeme(ENOTDIR)), std::string::npos)
        << dialogues.messages[0];
    EXPECT_EQ(dialogues.messages[0].find("CABRILLO (*.CBR)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(prog / "logs" / "KAZ2021.ADI"));
    EXPECT_TRUE(etat.fichier_cabrillo.empty());
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
}

TEST_F(CommandeFichiers, AFailedAdifFileGivesItsTextAndNoConfirmation) {
    grille.set_cellule(colonne::heure, 2, "13h10");
    EXPECT_FALSE(lancer());
    EXPECT_EQ(dialogues.messages,
              std::vector<std::string>{"Ligne 2 : '13h10' n'est pas une heure correcte"});
    EXPECT_TRUE(std::filesystem::exists(prog / "Files" / "KAZ2021.CBR"));

    dialogues.messages.clear();
    grille.set_cellule(colonne::heure, 2, "13:10");
    emplacement.CHEMIN_FICHIER = nom_stocke(prog / "absent");
    EXPECT_FALSE(lancer());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(texte_erreur_systeme(ENOENT)), std::string::npos)
        << dialogues.messages[0];
}

// The full rewrite with its ".BAK", the new empty log, opening another log and the
// quit-time "_Mem" copy.
#include "log/banc_stockage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

class Copies : public BancStockage {
  protected:
    // A log of three QSOs on disk and in the table, with an empty entry row.
    void trois_qso() {
        ecrire_log(entete().octets());
        ASSERT_TRUE(stockage.Charger_log());
        qso(1, "DL1AA");
        qso(2, "F5ZZ", "80", "PAUL");
        qso(3, "G4XX", "20", "JANE");
        grille.set_RowCount(5);
        for (int r = 1; r <= 3; ++r)
            ASSERT_TRUE(stockage.Sauver_ligne(r));
        avant = lire_log();
        ASSERT_EQ(avant.size(), 4u * 112);
    }
    // What the popup's "Effacer cette ligne" leaves in the table.
    void effacer_ligne(int r) {
        for (int k = r; k < grille.RowCount() - 1; ++k)
            grille.copier_ligne(k + 1, k);
        grille.set_RowCount(grille.RowCount() - 1);
        grille.renumeroter();
    }
    std::vector<std::string> fichiers_de(const std::string& dossier) const {
        std::vector<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(prog / dossier))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    std::string avant;
};

using Reecriture = Copies;

TEST_F(Reecriture, TheOldLogBecomesTheBakAndTheNewOneIsOneRecordShorter) {
    trois_qso();
    prog.ecrire("Files/X.BAK", "an old backup");
    horloge.regler(2021, 3, 12, 20, 0, 0);
    effacer_ligne(2);

    ASSERT_TRUE(stockage.Reecrire_log());
    EXPECT_EQ(prog.lire("Files/X.BAK"), avant);
    EXPECT_EQ(lire_log(), entete().octets() + attendu("DL1AA").octets() +
                              attendu("G4XX", "20", "JANE").octets());
    EXPECT_EQ(fichiers_de("Files"), (std::vector<std::string>{"X.BAK", "X.YL"}));
    EXPECT_TRUE(dialogues.messages.empty());

    // Records written afterwards go into the new log, never into the backup.
    qso(3, "EA3ZZ");
    ASSERT_TRUE(stockage.Sauver_ligne(3));
    EXPECT_EQ(prog.lire("Files/X.BAK"), avant);
    EXPECT_EQ(lire_log().substr(3 * 112), attendu("EA3ZZ").octets());
}

TEST_F(Reecriture, BlankRowsBecomeZeroRecordsAndTheBakTakesTheNameWithoutItsExtension) {
    emplacement.NOM_FICHIER = "MY.LOG.YL";
    ecrire_log("old");
    ASSERT_TRUE(stockage.Charger_log());
    dialogues.messages.clear();
    qso(1, "DL1AA");
    grille.set_RowCount(4);
    qso(3, "F5ZZ");
    ASSERT_TRUE(stockage.Reecrire_log());
    EXPECT_EQ(prog.lire("Files/MY.LOG.BAK"), "old");
    EXPECT_EQ(lire_log(),
              entete().octets() + attendu("DL1AA").octets() + zeros() + attendu("F5ZZ").octets());
}

TEST_F(Reecriture, ARowThatCannotBeConvertedStopsBeforeAnythingIsTouched) {
    trois_qso();
    grille.set_cellule(colonne::heure, 2, "25:00");
    EXPECT_FALSE(stockage.Reecrire_log());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], "'25:00' n'est pas une heure correcte");
    EXPECT_EQ(lire_log(), avant);
    EXPECT_EQ(fichiers_de("Files"), (std::vector<std::string>{"X.YL"}));
    EXPECT_EQ(grille.cellule(colonne::indicatif, 3), "G4XX");
}

TEST_F(Reecriture, AWriteFailureLeavesTheOldLogTheTableAndTheTick) {
    // A name the folder holds but whose temporary name beside it is too long.
    emplacement.NOM_FICHIER = std::string(247, 'L') + ".YL";
    trois_qso();
    minuterie.demarrer();
    effacer_ligne(1);

    EXPECT_FALSE(stockage.Reecrire_log());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENAMETOOLONG)), std::string::npos);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(lire_log(), avant);
    EXPECT_EQ(fichiers_de("Files"), (std::vector<std::string>{emplacement.NOM_FICHIER}));
    EXPECT_EQ(grille.RowCount(), 4);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "F5ZZ");

    // The old log is still the open one.
    qso(1, "EA3ZZ");
    ASSERT_TRUE(stockage.Sauver_ligne(1));
    EXPECT_EQ(lire_log().substr(112, 112), attendu("EA3ZZ").octets());
}

TEST_F(Reecriture, ABakThatCannotBeReplacedDoesNotStopTheRewrite) {
    trois_qso();
    prog.ecrire("Files/X.BAK/inside", "x"); // a folder that cannot be removed
    effacer_ligne(3);
    ASSERT_TRUE(stockage.Reecrire_log());
    EXPECT_EQ(lire_log(), entete().octets() + attendu("DL1AA").octets() +
                              attendu("F5ZZ", "80", "PAUL").octets());
    EXPECT_TRUE(std::filesystem::is_directory(prog / "Files/X.BAK"));
}

using Nouveau = Copies;

TEST_F(Nouveau, YesEmptiesTheTableAndTheFileWithoutABak) {
    trois_qso();
    dialogues.reponses = {true};
    ASSERT_TRUE(stockage.Nouveau_log());
    EXPECT_EQ(dialogues.questions, (std::vector<std::string>{"Effacer les QSO actuels ?"}));
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(lire_log(), entete().octets() + entete().octets());
    EXPECT_EQ(fichiers_de("Files"), (std::vector<std::string>{"X.YL"}));
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "");
    EXPECT_EQ(dialogues.montrees, (std::vector<Fenetre>{Fenetre::info}));
    // Started again in every case.
    EXPECT_TRUE(minuterie.actif());
    EXPECT_FALSE(etat.fichier.ouvert());
}

TEST_F(Nouveau, NoLeavesTheFileAndTheTableAndStillShowsTheStationForm) {
    trois_qso();
    dialogues.reponses = {false};
    ASSERT_TRUE(stockage.Nouveau_log());
    EXPECT_EQ(lire_log(), avant);
    EXPECT_EQ(grille.RowCount(), 5);
    EXPECT_EQ(dialogues.montrees, (std::vector<Fenetre>{Fenetre::info}));
    EXPECT_TRUE(minuterie.actif());
}

TEST_F(Nouveau, AnEmptyTableAsksNothing) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Nouveau_log());
    EXPECT_TRUE(dialogues.questions.empty());
    EXPECT_EQ(lire_log(), entete().octets());
    EXPECT_EQ(dialogues.montrees, (std::vector<Fenetre>{Fenetre::info}));
}

TEST_F(Nouveau, AFileThatCannotBeCreatedKeepsTheTable) {
    prog.ecrire("plain", "a regular file, not a folder");
    emplacement.CHEMIN_FICHIER = (prog / "plain").string();
    qso(1, "DL1AA");
    qso(2, "F5ZZ");
    dialogues.reponses = {true};
    EXPECT_FALSE(stockage.Nouveau_log());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOTDIR)), std::string::npos);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(grille.RowCount(), 3);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 2), "F5ZZ");
    EXPECT_TRUE(dialogues.montrees.empty());
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(prog.lire("plain"), "a regular file, not a folder");
}

using Ouverture = Copies;

TEST_F(Ouverture, AChosenFileIsNamedSavedLoadedAndShown) {
    prog.ecrire("ailleurs/YL_KAZ_2021@F4ABC.YL",
                entete().octets() + attendu("DL1AA").octets() + attendu("F5ZZ", "80").octets());
    dialogues.fichier_choisi = nom_stocke(prog / "ailleurs/YL_KAZ_2021@F4ABC.YL");
    qso(1, "OLD");

    ASSERT_TRUE(stockage.Ouvrir_log());
    EXPECT_EQ(dialogues.ouvertures,
              (std::vector<std::string>{dossiers.CHEMIN_FILES + "|Fichier YL|*.YL"}));
    EXPECT_EQ(emplacement.CHEMIN_FICHIER, nom_stocke(prog / "ailleurs"));
    EXPECT_EQ(emplacement.NOM_FICHIER, "YL_KAZ_2021@F4ABC.YL");
    EXPECT_EQ(emplacements_montres,
              (std::vector<std::string>{nom_stocke(prog / "ailleurs") + "|YL_KAZ_2021@F4ABC.YL"}));
    EXPECT_EQ(sauvegardes_ini, 1);
    EXPECT_EQ(remises_a_zero, 1);
    EXPECT_EQ(grille.RowCount(), 4);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 2), "F5ZZ");
    EXPECT_EQ(label_nomfichier, "YL_KAZ_2021@F4ABC");
    EXPECT_EQ(dialogues.montrees, (std::vector<Fenetre>{Fenetre::main}));
    EXPECT_EQ(grille.Row(), 3);
    EXPECT_EQ(grille.Col(), colonne::indicatif);
    EXPECT_EQ(calculs_score, 2);
    EXPECT_EQ(bandes.bande_courante(), "80");

    // The records typed next go into the chosen file.
    qso(3, "G4XX");
    ASSERT_TRUE(stockage.Sauver_ligne(3));
    EXPECT_EQ(prog.lire("ailleurs/YL_KAZ_2021@F4ABC.YL").substr(3 * 112), attendu("G4XX").octets());
}

TEST_F(Ouverture, CancelChangesNothing) {
    qso(1, "DL1AA");
    EXPECT_FALSE(stockage.Ouvrir_log());
    EXPECT_EQ(emplacement.NOM_FICHIER, "X.YL");
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
    EXPECT_EQ(sauvegardes_ini, 0);
    EXPECT_TRUE(dialogues.montrees.empty());
}

TEST_F(Ouverture, ASettingsFileThatCannotBeWrittenKeepsTheCurrentLog) {
    trois_qso();
    prog.ecrire("Files/Autre.YL", entete().octets());
    dialogues.fichier_choisi = dossiers.CHEMIN_FILES + "/Autre.YL";
    sauve_ini_echoue = true;
    minuterie.demarrer();
    EXPECT_FALSE(stockage.Ouvrir_log());
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(dialogues.messages, (std::vector<std::string>{"Impossible d'\xE9"
                                                            "crire dans YL_KAZ.ini"}));
    EXPECT_EQ(emplacement.NOM_FICHIER, "X.YL");
    EXPECT_EQ(emplacement.CHEMIN_FICHIER, dossiers.CHEMIN_FILES);
    EXPECT_EQ(emplacements_montres.back(), dossiers.CHEMIN_FILES + "|X.YL");
    EXPECT_EQ(grille.cellule(colonne::indicatif, 3), "G4XX");
    qso(4, "EA3ZZ");
    ASSERT_TRUE(stockage.Sauver_ligne(4));
    EXPECT_EQ(lire_log().substr(4 * 112), attendu("EA3ZZ").octets());
}

using QuitTime = Copies;

TEST_F(QuitTime, MemHoldsTheQsosWithEmptyNamesAndTheHeaderWithTheDxcc) {
    trois_qso();
    grille.set_cellule(colonne::indicatif, 2, ""); // a blank row in the middle
    qso(4, "EA3ZZ");
    grille.set_cellule(colonne::date, 4, ""); // typed in deferred time, no RETURN
    stockage.Fermer_log();
    ASSERT_TRUE(stockage.Copie_Mem());
    EXPECT_EQ(prog.lire("Files/X.YL_Mem"), entete(true).octets() +
                                               attendu("DL1AA", "40", "").octets() + zeros() +
                                               attendu("G4XX", "20", "").octets());
    EXPECT_EQ(lire_log(), avant);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(QuitTime, AnEmptyLogGivesTheHeaderAlone) {
    ASSERT_TRUE(stockage.Copie_Mem());
    EXPECT_EQ(prog.lire("Files/X.YL_Mem"), entete(true).octets());
}

TEST_F(QuitTime, AFolderThatIsAFileIsReported) {
    prog.ecrire("plain", "x");
    emplacement.CHEMIN_FICHIER = (prog / "plain").string();
    EXPECT_FALSE(stockage.Copie_Mem());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOTDIR)), std::string::npos);
}

TEST(NomBak, TheLastExtensionIsReplaced) {
    EXPECT_EQ(nom_bak("X.YL"), "X.BAK");
    EXPECT_EQ(nom_bak("A.B.YL"), "A.B.BAK");
    EXPECT_EQ(nom_bak("SANS"), "SANS.BAK");
    EXPECT_EQ(nom_bak("dir.d/SANS"), "dir.d/SANS.BAK");
}

} // namespace

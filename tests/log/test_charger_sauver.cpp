// Loading the log file into the table and writing rows to their records.
#include "log/banc_stockage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

using Chargement = BancStockage;

TEST_F(Chargement, HeaderAndBlankRecordGiveAnEmptyLogWith599) {
    Attendu vide;
    vide.rst_envoye = vide.rst_recu = "599";
    ecrire_log(entete().octets() + vide.octets());
    grille.set_RowCount(9);
    grille.set_cellule(colonne::indicatif, 5, "OLD");

    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "");
    EXPECT_EQ(grille.cellule(colonne::rst_envoye, 1), "599");
    EXPECT_EQ(grille.cellule(colonne::rst_recu, 1), "599");
    EXPECT_EQ(grille.cellule(colonne::numero, 1), "1");
    EXPECT_EQ(grille.Row(), 1);
    EXPECT_EQ(calculs_score, 1);
    EXPECT_EQ(continents_vides, 1);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_TRUE(etat.fichier.ouvert());
}

TEST_F(Chargement, HeaderOnlyOrEmptyFileLeavesTheRstCellsEmpty) {
    for (const std::string& contenu : {entete().octets(), std::string()}) {
        ecrire_log(contenu);
        const int editeurs = editeurs_ouverts;
        ASSERT_TRUE(stockage.Charger_log());
        EXPECT_EQ(grille.RowCount(), 2);
        EXPECT_EQ(grille.cellule(colonne::numero, 1), "1");
        EXPECT_EQ(grille.cellule(colonne::rst_envoye, 1), "");
        EXPECT_EQ(grille.cellule(colonne::rst_recu, 1), "");
        EXPECT_EQ(grille.Row(), 1);
        EXPECT_EQ(grille.Col(), colonne::indicatif);
        EXPECT_EQ(editeurs_ouverts, editeurs + 1);
    }
}

TEST_F(Chargement, LastQsoOn80GetsANewEntryRowAndMovesTheBand) {
    ecrire_log(entete().octets() + attendu("DL1AA").octets() + attendu("F5ZZ", "80").octets());
    ASSERT_EQ(bandes.colonne_bande(), 1);

    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 4);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
    EXPECT_EQ(grille.cellule(colonne::indicatif, 2), "F5ZZ");
    EXPECT_EQ(grille.cellule(colonne::date, 2), "12/03/2021");
    EXPECT_EQ(grille.cellule(colonne::heure, 2), "13:07");
    EXPECT_EQ(grille.cellule(colonne::rst_recu, 2), "579");
    EXPECT_EQ(grille.cellule(colonne::extra, 2), "X1");
    EXPECT_EQ(grille.cellule(colonne::nom, 2), "MARIE");
    EXPECT_EQ(grille.cellule(colonne::numero_membre, 2), "42");
    EXPECT_EQ(grille.cellule(colonne::pays, 2), "DL");
    EXPECT_EQ(grille.cellule(colonne::indicatif, 3), "");
    EXPECT_EQ(grille.cellule(colonne::numero, 3), "3");
    EXPECT_EQ(grille.cellule(colonne::rst_envoye, 3), "");
    EXPECT_EQ(grille.Row(), 3);
    EXPECT_EQ(editeurs_ouverts, 1);
    EXPECT_EQ(bandes.colonne_bande(), 0);
    EXPECT_EQ(bandes.bande_courante(), "80");
    EXPECT_EQ(grille.cellule(colonne::bande, 3), "80");
}

TEST_F(Chargement, OnlyEightyAndFortyRestoreTheBand) {
    bandes.selectionner(3); // 15 m
    ecrire_log(entete().octets() + attendu("DL1AA", "20").octets());
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(bandes.bande_courante(), "15");

    ecrire_log(entete().octets() + attendu("DL1AA", "40").octets());
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(bandes.bande_courante(), "40");
    EXPECT_EQ(grille.cellule(colonne::bande, 2), "40");
}

TEST_F(Chargement, BlankAndZeroFilledRecordsStayEmptyRowsAtTheirPlace) {
    Attendu blanc = attendu(""); // a callsign length of 0 is a blank row, whatever else
    ecrire_log(entete().octets() + attendu("DL1AA").octets() + blanc.octets() + zeros() +
               attendu("F5ZZ").octets());
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 6);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
    for (int r : {2, 3}) {
        EXPECT_EQ(grille.cellule(colonne::indicatif, r), "") << r;
        EXPECT_EQ(grille.cellule(colonne::nom, r), "") << r;
        EXPECT_EQ(grille.cellule(colonne::date, r), "") << r;
        EXPECT_EQ(grille.cellule(colonne::numero, r), std::to_string(r));
    }
    EXPECT_EQ(grille.cellule(colonne::indicatif, 4), "F5ZZ");
    EXPECT_EQ(grille.cellule(colonne::numero, 4), "4");
    EXPECT_EQ(grille.cellule(colonne::numero, 5), "5");
}

TEST_F(Chargement, ABlankLastRecordAfterQsosIsTheEntryRow) {
    ecrire_log(entete().octets() + attendu("DL1AA").octets() + zeros() + zeros());
    grille.set_RowCount(3);
    grille.selectionner(colonne::nom, 1);
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 4);
    EXPECT_EQ(grille.cellule(colonne::rst_envoye, 3), "599");
    EXPECT_EQ(grille.cellule(colonne::rst_recu, 3), "599");
    EXPECT_EQ(grille.cellule(colonne::numero, 3), "3");
    EXPECT_EQ(grille.cellule(colonne::rst_envoye, 2), "");
    // Not the first QSO's row: typing must go on where the next QSO goes.
    EXPECT_EQ(grille.Row(), 3);
}

TEST_F(Chargement, AnIncompleteLastRecordIsReportedOnceAndTheFileIsLeftAlone) {
    const std::string contenu = entete().octets() + attendu("DL1AA").octets() +
                                attendu("F5ZZ", "80").octets() +
                                attendu("G4XX").octets().substr(0, 40);
    ecrire_log(contenu);
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 4);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 2), "F5ZZ");
    EXPECT_EQ(bandes.bande_courante(), "80");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find("X.YL"), std::string::npos);
    EXPECT_NE(dialogues.messages[0].find("incomplet de 40 octets"), std::string::npos);
    EXPECT_EQ(lire_log(), contenu);

    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(lire_log(), contenu);

    // The next QSO takes the place of the broken record and the file is whole again.
    qso(3, "G4XX");
    ASSERT_TRUE(stockage.Sauver_ligne(3));
    EXPECT_EQ(lire_log(), contenu.substr(0, 3 * 112) + attendu("G4XX").octets());
}

TEST_F(Chargement, AMissingLogFileLeavesTheTableEmptyAndIsReported) {
    qso(1, "DL1AA");
    ASSERT_FALSE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOENT)), std::string::npos);
    EXPECT_FALSE(etat.fichier.ouvert());

    // Nothing is written anywhere while no log is open.
    qso(1, "DL1AA");
    EXPECT_FALSE(stockage.Sauver_ligne(1));
    EXPECT_EQ(dialogues.messages.size(), 2u);
    EXPECT_NE(dialogues.messages[1].find("n'est pas ouvert"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(prog / fichier_log()));
}

TEST_F(Chargement, AFileNamedInAnotherCaseIsFound) {
    prog.ecrire("Files/x.yl", entete().octets() + attendu("DL1AA").octets());
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
}

TEST_F(Chargement, AFolderInPlaceOfTheLogIsAnError) {
    std::filesystem::create_directories(prog / fichier_log());
    EXPECT_FALSE(stockage.Charger_log());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(EISDIR)), std::string::npos);
}

TEST_F(Chargement, AFileFarLargerThanAnyLogIsRefusedUntouched) {
    ecrire_log(entete().octets() + attendu("DL1AA").octets());
    const auto taille = (MAX_ENREGISTREMENTS + 1) * 112;
    std::filesystem::resize_file(prog / fichier_log(), taille); // sparse, zeros
    EXPECT_FALSE(stockage.Charger_log());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find("trop grand"), std::string::npos);
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_EQ(std::filesystem::file_size(prog / fichier_log()), taille);
    qso(1, "F5ZZ");
    EXPECT_FALSE(stockage.Sauver_ligne(1));
    EXPECT_EQ(lire_log().substr(112, 112), attendu("DL1AA").octets());
}

using Sauvegarde = BancStockage;

TEST_F(Sauvegarde, RowRGoesToOffset112RWithZerosBefore) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Charger_log());
    qso(3, "DL1AA/P", "20", "ANNE", 23, 59);
    ASSERT_TRUE(stockage.Sauver_ligne(3));
    const std::string sur_disque = lire_log();
    ASSERT_EQ(sur_disque.size(), 4u * 112);
    EXPECT_EQ(sur_disque.substr(0, 112), entete().octets());
    EXPECT_EQ(sur_disque.substr(112, 224), zeros(224));
    EXPECT_EQ(sur_disque.substr(336), attendu("DL1AA/P", "20", "ANNE", 23, 59).octets());

    // Overwriting an earlier record leaves the others as they are.
    qso(1, "F5ZZ");
    ASSERT_TRUE(stockage.Sauver_ligne(1));
    EXPECT_EQ(lire_log(), entete().octets() + attendu("F5ZZ").octets() + zeros() +
                              attendu("DL1AA/P", "20", "ANNE", 23, 59).octets());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Sauvegarde, EveryRecordCarriesTheStationOfTheMomentAndLongTextsAreCut) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Charger_log());
    qso(1, "ABCDEFGHIJKLMNOP"); // 16 characters
    station.OPERATOR = "F4ABCDEFGHIJ";
    ASSERT_TRUE(stockage.Sauver_ligne(1));
    Attendu a = attendu("ABCDEFGHIJKLMNO");
    a.operateur = "F4ABCDEFGH";
    EXPECT_EQ(lire_log().substr(112), a.octets());

    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "ABCDEFGHIJKLMNO");
}

TEST_F(Sauvegarde, RowsWithoutDateTimeOrCallsignAreSkippedSilently) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Charger_log());
    for (int col : {colonne::date, colonne::heure, colonne::indicatif}) {
        qso(1, "DL1AA");
        grille.set_cellule(col, 1, "");
        EXPECT_TRUE(stockage.Sauver_ligne(1));
    }
    EXPECT_EQ(lire_log(), entete().octets());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Sauvegarde, AnUnreadableDateIsReportedAndNothingIsWritten) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Charger_log());
    qso(1, "DL1AA");
    grille.set_cellule(colonne::date, 1, "32/01/2021");
    EXPECT_FALSE(stockage.Sauver_ligne(1));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], "'32/01/2021' n'est pas une date correcte");
    EXPECT_EQ(lire_log(), entete().octets());
}

TEST_F(Sauvegarde, DiskFullIsReportedWithTheSystemTextAndTheTickRunsAgain) {
    // Every write to /dev/full fails as on a full disk.
    emplacement.CHEMIN_FICHIER = "/dev";
    emplacement.NOM_FICHIER = "full";
    ASSERT_TRUE(stockage.Charger_log());
    qso(1, "DL1AA");
    minuterie.demarrer();
    EXPECT_FALSE(stockage.Sauver_ligne(1));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOSPC)), std::string::npos);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
    EXPECT_EQ(grille.RowCount(), 2);
}

TEST_F(Sauvegarde, AMessageDoesNotStartATickThatWasStopped) {
    ASSERT_FALSE(stockage.Charger_log());
    EXPECT_FALSE(minuterie.actif());
    EXPECT_EQ(minuterie.demarrages, 0);
}

TEST_F(Sauvegarde, ALogRemovedBehindTheProgramsBackIsNoticedAtTheNextWrite) {
    ecrire_log(entete().octets());
    ASSERT_TRUE(stockage.Charger_log());
    std::filesystem::remove(prog / fichier_log());
    qso(1, "DL1AA");
    EXPECT_FALSE(stockage.Sauver_ligne(1));
    EXPECT_EQ(dialogues.messages.size(), 1u);
}

TEST_F(Sauvegarde, TheHeaderHoldsTheStationAndTheLocalTime) {
    // 13:07:30 UTC is 14:07:30 one hour east.
    const char* ancien = std::getenv("TZ");
    const std::string sauve = ancien ? ancien : "";
    ::setenv("TZ", "XXX-1", 1);
    ::tzset();
    const bool ok = stockage.Ecrire_entete();
    if (ancien)
        ::setenv("TZ", sauve.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
    ASSERT_TRUE(ok);

    Attendu a;
    a.operateur = "F4ABC";
    a.station = "F4ABC/P";
    a.date = JOUR;
    a.heure = (14 * 3600 + 7 * 60 + 30) / 86400.0;
    a.numero_membre = "123";
    a.categorie = "YL";
    EXPECT_EQ(lire_log(), a.octets());
    EXPECT_TRUE(etat.fichier.ouvert());
}

TEST_F(Sauvegarde, EcrireEnteteReplacesTheFileAndRecordsFollowIt) {
    ecrire_log(entete().octets() + attendu("DL1AA").octets());
    ASSERT_TRUE(stockage.Ecrire_entete());
    EXPECT_EQ(lire_log(), entete().octets());
    Attendu vide;
    vide.rst_envoye = vide.rst_recu = "599";
    vide.categorie = "YL";
    TEnreg_QSO e;
    e.rst_envoye = e.rst_recu = "599";
    e.categorie = "YL";
    ASSERT_TRUE(stockage.Ecrire_enreg(1, e));
    EXPECT_EQ(lire_log(), entete().octets() + vide.octets());
}

} // namespace

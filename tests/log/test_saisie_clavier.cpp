// QSO entry from the keyboard: capitals, SPACE walking and completing a row, the category
// keys, and RETURN stamping, evaluating and saving it.
#include "log/banc_saisie.h"
#include "support/limite_taille.h"

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

namespace k = colonne;
using Clavier = BancSaisie;

const std::string MSG_CATEGORIE = ">>>>>>>>  CATEGORY : YL/OM  ??  <<<<<<<<<";

TEST(Majuscule, LettersOfTheCodePageBecomeCapitals) {
    EXPECT_EQ(majuscule('a'), 'A');
    EXPECT_EQ(majuscule('z'), 'Z');
    EXPECT_EQ(majuscule('A'), 'A');
    EXPECT_EQ(majuscule('4'), '4');
    EXPECT_EQ(majuscule('/'), '/');
    EXPECT_EQ(majuscule(' '), ' ');
    EXPECT_EQ(majuscule('\r'), '\r');
    EXPECT_EQ(majuscule('\xE9'), '\xC9'); // é
    EXPECT_EQ(majuscule('\xE0'), '\xC0'); // à
    EXPECT_EQ(majuscule('\xFE'), '\xDE'); // þ
    EXPECT_EQ(majuscule('\xF7'), '\xF7'); // ÷ is no letter
    EXPECT_EQ(majuscule('\xDF'), '\xDF'); // ß has no capital of its own
    EXPECT_EQ(majuscule('\x9C'), '\x8C'); // œ
    EXPECT_EQ(majuscule('\x9A'), '\x8A'); // š
    EXPECT_EQ(majuscule('\xFF'), '\x9F'); // ÿ
}

TEST_F(Clavier, TypedCharactersReachTheCellInCapitals) {
    log_de(0);
    taper("f4abc/p");
    EXPECT_EQ(grille.cellule(k::indicatif, 1), "F4ABC/P");
    grille.selectionner(k::nom, 1);
    taper("h\xE9l\xE8ne");
    EXPECT_EQ(grille.cellule(k::nom, 1), "H\xC9L\xC8NE");
}

TEST_F(Clavier, SpaceWalksTheFieldsAndIsNeverTyped) {
    log_de(0);
    const std::vector<std::pair<int, int>> pas = {
        {k::indicatif, k::rst_recu}, {k::rst_recu, k::extra}, {k::extra, k::categorie},
        {k::categorie, k::nom},      {k::nom, k::indicatif},  {k::rst_envoye, k::indicatif},
        {k::bande, k::indicatif},    {k::date, k::indicatif}, {k::numero_membre, k::indicatif},
        {k::doublon, k::indicatif}};
    for (const auto& [de, vers] : pas) {
        grille.selectionner(de, 1);
        const int editeurs = editeurs_saisie;
        char c = ' ';
        saisie.Grille_logKeyPress(c);
        EXPECT_EQ(c, 0) << "from column " << de;
        EXPECT_EQ(grille.Col(), vers) << "from column " << de;
        EXPECT_EQ(grille.Row(), 1);
        EXPECT_EQ(editeurs_saisie, editeurs + 1) << "from column " << de;
    }
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        EXPECT_EQ(grille.cellule(c, 1).find(' '), std::string::npos) << c;
}

TEST_F(Clavier, SpaceAfterAnEmptyCallsignMovesOnAndFillsNothing) {
    log_de(0);
    grille.set_cellule(k::indicatif, 1, "   ");
    espace();
    EXPECT_EQ(grille.Col(), k::rst_recu);
    EXPECT_EQ(grille.cellule(k::rst_envoye, 1), "");
    EXPECT_EQ(grille.cellule(k::rst_recu, 1), "");
    EXPECT_EQ(grille.cellule(k::numero_membre, 1), "");
    EXPECT_EQ(grille.cellule(k::nom, 1), "");
    EXPECT_TRUE(recherches.empty());
    EXPECT_TRUE(lignes_evaluees.empty());
}

TEST_F(Clavier, SpaceCompletesTheRowFromTheMemberLookup) {
    log_de(0);
    bandes.Grille_bandSelectCell(2); // 20 m
    grille.set_cellule(k::bande, 1, "");
    taper("f6kaz");
    espace();
    EXPECT_EQ(recherches, std::vector<std::string>{"F6KAZ"});
    EXPECT_EQ(grille.cellule(k::numero_membre, 1), "321");
    EXPECT_EQ(grille.cellule(k::nom, 1), "ANNE");
    EXPECT_EQ(grille.cellule(k::categorie, 1), "YL");
    EXPECT_EQ(grille.cellule(k::rst_envoye, 1), "599");
    EXPECT_EQ(grille.cellule(k::rst_recu, 1), "599");
    EXPECT_EQ(grille.cellule(k::numero, 1), "1");
    EXPECT_EQ(grille.cellule(k::bande, 1), "20");
    EXPECT_EQ(lignes_evaluees, std::vector<int>{1});
    EXPECT_EQ(grille.cellule(k::pays, 1), "DL");
    EXPECT_EQ(grille.Col(), k::rst_recu);
    // Nothing is written by SPACE.
    EXPECT_EQ(lire_log(), entete().octets());
}

TEST_F(Clavier, SpaceKeepsWhatTheRowAlreadyHolds) {
    log_de(0);
    grille.set_cellule(k::bande, 1, "15");
    grille.set_cellule(k::rst_envoye, 1, "339");
    grille.set_cellule(k::rst_recu, 1, "579");
    grille.set_cellule(k::numero, 1, "9");
    grille.set_cellule(k::categorie, 1, "OM");
    grille.set_cellule(k::nom, 1, "TYPED");
    taper("zz9zz");
    espace();
    EXPECT_EQ(grille.cellule(k::bande, 1), "15");
    EXPECT_EQ(grille.cellule(k::rst_envoye, 1), "339");
    EXPECT_EQ(grille.cellule(k::rst_recu, 1), "579");
    EXPECT_EQ(grille.cellule(k::numero, 1), "9");
    // Not found: not a member, no name, and the category stays as the operator set it.
    EXPECT_EQ(grille.cellule(k::numero_membre, 1), "NM");
    EXPECT_EQ(grille.cellule(k::nom, 1), "");
    EXPECT_EQ(grille.cellule(k::categorie, 1), "OM");
}

TEST_F(Clavier, SpaceCopiesFromTheFirstEarlierRowWithTheSameCallsign) {
    log_de(6);
    grille.set_cellule(k::categorie, 2, "OM");
    grille.set_cellule(k::nom, 2, "BERTA");
    grille.set_cellule(k::numero_membre, 2, "77");
    grille.set_cellule(k::indicatif, 5, "DL2AA");
    grille.set_cellule(k::nom, 5, "LATER");
    ASSERT_EQ(grille.Row(), 7);
    taper("dl2aa");
    espace();
    EXPECT_TRUE(recherches.empty());
    EXPECT_EQ(grille.cellule(k::categorie, 7), "OM");
    EXPECT_EQ(grille.cellule(k::nom, 7), "BERTA");
    EXPECT_EQ(grille.cellule(k::numero_membre, 7), "77");
    EXPECT_EQ(lignes_evaluees, std::vector<int>{7});
}

TEST_F(Clavier, ACallsignWithALeadingBlankIsLookedUpInstead) {
    log_de(6);
    grille.set_cellule(k::indicatif, 7, " DL2AA");
    grille.selectionner(k::indicatif, 7);
    espace();
    EXPECT_EQ(recherches, std::vector<std::string>{" DL2AA"});
    EXPECT_EQ(grille.cellule(k::numero_membre, 7), "NM");
    EXPECT_EQ(grille.cellule(k::nom, 7), "");
    EXPECT_EQ(grille.cellule(k::categorie, 7), "");
}

TEST_F(Clavier, AFailedLookupIsShownAndTypingGoesOn) {
    log_de(0);
    recherche_echoue = true;
    taper("f6kaz");
    espace();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], "Lecture impossible de KAZ_mini_2021.csv");
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(grille.Col(), k::rst_recu);
    EXPECT_EQ(editeurs_saisie, 1);
}

TEST_F(Clavier, YAndOSetTheCategoryOnlyInItsColumn) {
    log_de(0);
    taper("yo1o");
    EXPECT_EQ(grille.cellule(k::indicatif, 1), "YO1O");
    EXPECT_TRUE(lignes_evaluees.empty());

    grille.selectionner(k::categorie, 1);
    char c = 'y';
    saisie.Grille_logKeyPress(c);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(grille.cellule(k::categorie, 1), "YL");
    EXPECT_EQ(grille.Col(), k::categorie);
    EXPECT_EQ(lignes_evaluees, std::vector<int>{1});
    taper("O");
    EXPECT_EQ(grille.cellule(k::categorie, 1), "OM");
    EXPECT_EQ(lignes_evaluees, (std::vector<int>{1, 1}));
    // Any other letter is typed as usual.
    grille.set_cellule(k::categorie, 1, "");
    taper("x");
    EXPECT_EQ(grille.cellule(k::categorie, 1), "X");
}

// The whole road of one QSO in deferred-time mode, to the bytes on disk.
TEST_F(Clavier, ReturnStampsEvaluatesSavesAndOpensTheNextRow) {
    log_de(0);
    saisie.set_DateTimePicker_date({2021, 6, 5});
    saisie.set_DateTimePicker_time(22, 15, 41);
    taper("f6kaz");
    espace();
    taper("579");
    espace();
    taper("x1");
    espace();
    grille.set_cellule(k::bande, 1, "80"); // RETURN gives the entry row the current band
    retour();

    Attendu a;
    a.operateur = "F4ABC";
    a.station = "F4ABC/P";
    a.date = static_cast<double>(jours_depuis_1899(2021, 6, 5));
    a.heure = heure(22, 15);
    a.bande = "40";
    a.indicatif = "F6KAZ";
    a.rst_envoye = "599";
    a.rst_recu = "579";
    a.numero_membre = "321";
    a.categorie = "YL";
    a.nom = "ANNE";
    a.pays = "DL";
    a.extra = "X1";
    EXPECT_EQ(lire_log(), entete().octets() + a.octets());

    EXPECT_EQ(grille.cellule(k::date, 1), "05/06/2021");
    EXPECT_EQ(grille.cellule(k::heure, 1), "22:15");
    EXPECT_EQ(recherches, (std::vector<std::string>{"F6KAZ", "F6KAZ"}));
    EXPECT_EQ(lignes_evaluees, (std::vector<int>{1, 1}));
    EXPECT_EQ(grille.RowCount(), 3);
    EXPECT_EQ(grille.Row(), 2);
    EXPECT_EQ(grille.Col(), k::indicatif);
    EXPECT_EQ(grille.cellule(k::bande, 2), "40");
    EXPECT_EQ(grille.cellule(k::numero, 2), "2");
    EXPECT_EQ(grille.cellule(k::indicatif, 2), "");
    EXPECT_EQ(scores, 1);
    EXPECT_TRUE(dialogues.messages.empty());

    // The next QSO goes to record 2; RETURN alone completes it with the lookup.
    taper("dl1om");
    retour();
    EXPECT_EQ(grille.cellule(k::categorie, 2), "OM");
    EXPECT_EQ(grille.cellule(k::rst_recu, 2), "599");
    a.indicatif = "DL1OM";
    a.rst_recu = "599";
    a.numero_membre = "17";
    a.categorie = "OM";
    a.nom = "HANS";
    a.extra = "";
    const std::string log = lire_log();
    ASSERT_EQ(log.size(), 3u * 112);
    EXPECT_EQ(log.substr(224), a.octets());
    EXPECT_EQ(grille.RowCount(), 4);
}

TEST_F(Clavier, ReturnKeepsATypedNameButNotATypedMemberNumber) {
    log_de(0);
    taper("f6kaz");
    grille.set_cellule(k::nom, 1, "ANNIE");
    grille.set_cellule(k::numero_membre, 1, "999");
    retour();
    EXPECT_EQ(grille.cellule(k::nom, 1), "ANNIE");
    EXPECT_EQ(grille.cellule(k::numero_membre, 1), "321");

    taper("dl1om");
    grille.set_cellule(k::nom, 2, "  ");
    retour();
    EXPECT_EQ(grille.cellule(k::nom, 2), "HANS");
}

TEST_F(Clavier, ReturnWithoutCategoryAsksForItAndSavesNothing) {
    log_de(0);
    taper("zz9zz");
    retour();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], MSG_CATEGORIE);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(grille.Col(), k::categorie);
    EXPECT_EQ(grille.Row(), 1);
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_TRUE(lignes_evaluees.empty());
    EXPECT_EQ(scores, 0);
    EXPECT_EQ(lire_log(), entete().octets());

    // The category key, then RETURN again, saves it.
    taper("o");
    retour();
    EXPECT_EQ(lire_log().size(), 2u * 112);
    EXPECT_EQ(grille.RowCount(), 3);
}

TEST_F(Clavier, ReturnOnAnEmptyCallsignOnlyRecomputes) {
    log_de(2);
    const std::string avant = lire_log();
    grille.selectionner(k::nom, 3);
    grille.set_cellule(k::indicatif, 3, " ");
    retour();
    EXPECT_EQ(grille.Col(), k::indicatif);
    EXPECT_EQ(grille.Row(), 3);
    EXPECT_EQ(editeurs_saisie, 1);
    EXPECT_EQ(scores, 1);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(grille.cellule(k::date, 3), "");
    EXPECT_EQ(lire_log(), avant);
}

TEST_F(Clavier, ReturnOnAnEarlierRowRestampsAndSavesItInPlace) {
    log_de(9);
    saisie.SpeedButton_temps_reelClick();
    horloge.regler(2021, 3, 13, 21, 45, 10);
    grille.selectionner(k::nom, 3);
    retour();
    EXPECT_EQ(grille.cellule(k::date, 3), "13/03/2021");
    EXPECT_EQ(grille.cellule(k::heure, 3), "21:45");
    EXPECT_TRUE(recherches.empty());
    EXPECT_EQ(grille.RowCount(), 11);
    EXPECT_EQ(grille.Row(), 4);
    EXPECT_EQ(grille.Col(), k::indicatif);
    EXPECT_EQ(lignes_evaluees, std::vector<int>{3});

    Attendu a = attendu("DL3AA");
    a.date = JOUR + 1;
    a.heure = heure(21, 45);
    const std::string log = lire_log();
    ASSERT_EQ(log.size(), 10u * 112);
    EXPECT_EQ(log.substr(3 * 112, 112), a.octets());
    EXPECT_EQ(log.substr(2 * 112, 112), attendu("DL2AA").octets());
    EXPECT_EQ(log.substr(4 * 112, 112), attendu("DL4AA").octets());
}

TEST_F(Clavier, AFailedSaveKeepsTheRowAndAddsNone) {
    log_de(0);
    taper("f6kaz");
    {
        // No file of this process may grow past its header: the record cannot be written.
        LimiteTaille limite(112);
        retour();
    }
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(grille.RowCount(), 2);
    EXPECT_EQ(grille.Row(), 1);
    EXPECT_EQ(scores, 0);
    EXPECT_EQ(editeurs_saisie, 0);
    EXPECT_EQ(lire_log(), entete().octets());

    // Once the disk takes it again, the same RETURN goes through.
    retour();
    EXPECT_EQ(lire_log().size(), 2u * 112);
    EXPECT_EQ(grille.RowCount(), 3);
}

TEST_F(Clavier, AFailedLookupOnReturnStillSavesTheQso) {
    log_de(0);
    taper("f6kaz");
    grille.set_cellule(k::categorie, 1, "YL");
    recherche_echoue = true;
    retour();
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(lire_log().size(), 2u * 112);
    EXPECT_EQ(grille.RowCount(), 3);
}

} // namespace

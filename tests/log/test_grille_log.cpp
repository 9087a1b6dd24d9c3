#include "log/grille_log.h"

#include <gtest/gtest.h>

using namespace ylkaz;

TEST(GrilleLog, FreshLogHasTitlesAndOneEntryRow) {
    Grille_log g;
    g.renumeroter();
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.cellule(colonne::numero, 1), "1");
    EXPECT_EQ(g.ligne_saisie(), 1);
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        EXPECT_EQ(g.largeur_colonne(c), 80);
}

TEST(GrilleLog, RowCountNeverBelowTwoAndViderGrilleClears) {
    Grille_log g;
    g.set_RowCount(5);
    g.set_cellule(colonne::indicatif, 4, "F4ABC");
    g.set_cellule(colonne::indicatif, 1, "DL1AA");
    g.set_cellule(3, 0, "Indicatif");
    g.Vider_grille();
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.cellule(colonne::indicatif, 1), "");
    EXPECT_EQ(g.cellule(3, 0), "Indicatif") << "the title row stays";
    g.set_RowCount(0);
    EXPECT_EQ(g.RowCount(), 2);
    g.set_RowCount(4);
    EXPECT_EQ(g.cellule(colonne::indicatif, 3), "") << "rows come back empty";
}

TEST(GrilleLog, RenumberingAndRowCopies) {
    Grille_log g;
    g.set_RowCount(4);
    g.set_cellule(colonne::numero, 2, "7");
    g.set_cellule(colonne::indicatif, 1, "F4ABC");
    g.renumeroter();
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(g.cellule(colonne::numero, r), std::to_string(r));
    g.copier_ligne(1, 3);
    EXPECT_EQ(g.cellule(colonne::indicatif, 3), "F4ABC");
    EXPECT_EQ(g.cellule(colonne::numero, 3), "1");
    g.vider_ligne(1);
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        EXPECT_EQ(g.cellule(c, 1), "");
}

TEST(GrilleLog, BlankRowsAreCallsignsOfBlanksOnly) {
    Grille_log g;
    EXPECT_TRUE(g.ligne_vide(1));
    g.set_cellule(colonne::indicatif, 1, " \t ");
    EXPECT_TRUE(g.ligne_vide(1));
    g.set_cellule(colonne::indicatif, 1, " F ");
    EXPECT_FALSE(g.ligne_vide(1));
}

TEST(GrilleLog, SelectionStaysOnQsoRows) {
    Grille_log g;
    g.set_RowCount(5);
    g.selectionner(3, 4);
    EXPECT_EQ(g.Row(), 4);
    g.selectionner(3, 0);
    EXPECT_EQ(g.Row(), 4) << "the title row is never current";
    g.set_RowCount(3);
    EXPECT_EQ(g.Row(), 2) << "shrinking keeps the current row inside the table";
}

TEST(GrilleBand, StartsOnFortyAndWritesTheEntryRowOnly) {
    Grille_log g;
    g.set_RowCount(4);
    Grille_band b(g);
    b.initialiser();
    EXPECT_EQ(b.bande_courante(), "40");
    EXPECT_EQ(b.colonne_bande(), 1);
    EXPECT_EQ(g.cellule(colonne::bande, 3), "40");

    g.set_cellule(colonne::bande, 1, "80");
    g.selectionner(3, 1); // the cursor on an old row
    b.Grille_bandSelectCell(3);
    EXPECT_EQ(b.bande_courante(), "15");
    EXPECT_EQ(g.cellule(colonne::bande, 3), "15");
    EXPECT_EQ(g.cellule(colonne::bande, 1), "80");
    EXPECT_EQ(g.cellule(colonne::bande, 2), "");
}

TEST(GrilleBand, SelectingTheSelectedColumnFromTheProgramDoesNothing) {
    Grille_log g;
    Grille_band b(g);
    b.initialiser();
    g.set_cellule(colonne::bande, 1, "");
    b.selectionner(1);
    EXPECT_EQ(g.cellule(colonne::bande, 1), "") << "no write when nothing changes";
    b.Grille_bandSelectCell(1);
    EXPECT_EQ(g.cellule(colonne::bande, 1), "40") << "a click always writes";
    b.Grille_bandSelectCell(7);
    EXPECT_EQ(b.colonne_bande(), 1) << "no such band cell";
}

namespace {
struct Espion : ObservateurGrille {
    int cellules = 0, avant = 0, apres = 0;
    void cellule_changee(int, int) override { ++cellules; }
    void lignes_vont_changer(int, int) override { ++avant; }
    void lignes_changees(int, int) override { ++apres; }
};
} // namespace

TEST(GrilleLog, ObserverHearsEveryRealChange) {
    Grille_log g;
    Espion e;
    g.set_observateur(&e);
    g.set_cellule(3, 1, "F4ABC");
    g.set_cellule(3, 1, "F4ABC");
    EXPECT_EQ(e.cellules, 1) << "an unchanged text is no change";
    g.set_RowCount(3);
    g.set_RowCount(3);
    EXPECT_EQ(e.avant, 1);
    EXPECT_EQ(e.apres, 1);
}

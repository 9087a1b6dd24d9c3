#include "log/score.h"
#include "log/score_outils.h"

#include <gtest/gtest.h>

using namespace ylkaz;
using namespace ylkaz::test;
namespace k = ylkaz::colonne;

namespace {

constexpr const char* J1 = "01/03/2025";
constexpr const char* J2 = "02/03/2025";
constexpr const char* J3 = "03/03/2025";

class Score : public ::testing::Test {
  protected:
    Recherches prog;
    Grille_log g;
    StationRecord station = station_de_sexe("YL");
    EtatScore etat;

    void calculer() { Calcul_score(g, station, prog.reference, etat); }
    void evaluer(int row) { Calcul_ligne(g, station, prog.reference, etat, row); }
    const std::string& c(int col, int row) const { return g.cellule(col, row); }
    // Removes a row as the delete command does: the rows below move up one.
    void effacer(int row) {
        for (int r = row; r < g.RowCount() - 1; ++r)
            g.copier_ligne(r + 1, r);
        g.set_RowCount(g.RowCount() - 1);
        g.renumeroter();
    }
};

TEST_F(Score, PortableAndPrefixedCallsAreDuplicatesOfTheBaseCall) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:05", "F4ABC/P", "YL"},
                {"40", J2, "09:00", "DL/F4ABC", "YL"},
                {"40", J2, "09:10", "DL/F4ABC/P", "YL"}});
    calculer();
    EXPECT_EQ(c(k::doublon, 1), "");
    // The note always names the first earlier row, not the nearest one.
    for (int r : {2, 3, 4})
        EXPECT_EQ(c(k::doublon, r), "DUPE = F4ABC->08:00->01/03/2025") << r;
    EXPECT_EQ(c(k::pays, 2), "F");
    EXPECT_EQ(c(k::pays, 3), "DL");
    EXPECT_EQ(etat.Label_score, "Score = 2 x 1 = 2");
}

TEST_F(Score, CallsAreComparedExactlyAfterReductionToTheBaseCall) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "f4abc", "YL"},
                {"40", J1, "08:02", " F4ABC", "YL"},
                {"40", J1, "08:03", "F4ABC ", "YL"},
                {"40", J1, "08:04", "F4ABC/QRP", "YL"}});
    calculer();
    for (int r : {2, 3, 4})
        EXPECT_EQ(c(k::doublon, r), "") << r;
    EXPECT_EQ(c(k::doublon, 5), "DUPE = F4ABC->08:00->01/03/2025");
    // The lookup upper-cases, the duplicate check does not.
    EXPECT_EQ(c(k::pays, 2), "F");
}

TEST_F(Score, BandAndCallAreComparedApart) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"4", J1, "08:01", "0F4ABC", "YL"}});
    calculer();
    EXPECT_EQ(c(k::doublon, 2), "");
    EXPECT_EQ(c(k::points, 2), "2");
}

TEST_F(Score, SameCallOnAnotherBandIsNotADupeAndIsANewMultiplier) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"20", J1, "08:30", "F4ABC/P", "YL"}});
    calculer();
    EXPECT_EQ(c(k::doublon, 2), "");
    EXPECT_EQ(c(k::points, 2), "2");
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 2), " - - M - -");
    EXPECT_EQ(etat.Label_score, "Score = 4 x 2 = 8");
}

TEST_F(Score, PointsDependOnBothOperatorsSex) {
    struct Cas {
        const char* mon_sexe;
        const char* son_sexe;
        const char* points;
    };
    for (const Cas& cas : {Cas{"YL", "YL", "2"}, Cas{"YL", "OM", "1"}, Cas{"YL", "", "1"},
                           Cas{"OM", "YL", "1"}, Cas{"OM", "OM", "0"}, Cas{"OM", "X", "0"},
                           Cas{"", "YL", ""}, Cas{"yl", "YL", ""}, Cas{"OM ", "YL", ""}}) {
        station.MY_SEXE = cas.mon_sexe;
        remplir(g, {{"40", J1, "08:00", "F4ABC", cas.son_sexe}});
        calculer();
        SCOPED_TRACE(std::string(cas.mon_sexe) + "/" + cas.son_sexe);
        EXPECT_EQ(c(k::points, 1), cas.points);
        // Whatever the points, the first QSO of the band is a multiplier.
        EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
        EXPECT_EQ(etat.total_multi, 1);
        EXPECT_EQ(etat.total_points, cas.points[0] ? cas.points[0] - '0' : 0);
    }
}

TEST_F(Score, OmWorkingOmScoresNothingButStillCountsAsMultiplier) {
    station.MY_SEXE = "OM";
    remplir(g, {{"40", J1, "08:00", "F4ABC", "OM"}, {"40", J1, "08:01", "DL1ABC", "YL"}});
    calculer();
    EXPECT_EQ(etat.total_points, 1);
    EXPECT_EQ(etat.total_multi, 2);
    EXPECT_EQ(etat.score, 2);
    EXPECT_EQ(etat.Label_score, "Score = 1 x 2 = 2");
}

TEST_F(Score, DupeRowGetsNoPointsNoMarkItsCountryAndTheEarlierRowsNote) {
    remplir(g, {{"15", J1, "08:00", "DL1ABC", "YL"},
                {"15", J2, "10:30", "DL1ABC/P", "YL"},
                {"15", J2, "10:31", "VK9XX", "YL"}});
    g.set_cellule(k::multiplicateur, 2, "stale M");
    calculer();
    EXPECT_EQ(c(k::points, 2), "0");
    EXPECT_EQ(c(k::multiplicateur, 2), "");
    EXPECT_EQ(c(k::pays, 2), "DL");
    EXPECT_EQ(c(k::doublon, 2), "DUPE = DL1ABC->08:00->01/03/2025");
    EXPECT_EQ(etat.Label_his_continent, "OC");

    // Evaluated alone (as entry does), the duplicate empties the continent label.
    evaluer(2);
    EXPECT_EQ(etat.Label_his_continent, "");
    evaluer(1);
    EXPECT_EQ(etat.Label_his_continent, "EU");
}

TEST_F(Score, SameCountrySameBandOnlyFirstMarked) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "F5XYZ", "YL"},
                {"80", J1, "08:02", "F6AAA", "YL"},
                {"40", J1, "08:03", "DL1ABC", "YL"},
                {"40", J1, "08:04", "F8BBB", "YL"},
                {"10", J1, "08:05", "9A1AA", "YL"}});
    calculer();
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 2), "");
    EXPECT_EQ(c(k::multiplicateur, 3), " M - - - -");
    EXPECT_EQ(c(k::multiplicateur, 4), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 5), "");
    EXPECT_EQ(c(k::multiplicateur, 6), " - - - - M");
    EXPECT_EQ(etat.Label_score, "Score = 12 x 4 = 48");
}

TEST_F(Score, EveryBandHasItsMarkAndOtherBandTextsNone) {
    const std::pair<const char*, const char*> cas[] = {{"80", " M - - - -"},
                                                       {"40", " - M - - -"},
                                                       {"20", " - - M - -"},
                                                       {"15", " - - - M -"},
                                                       {"10", " - - - - M"},
                                                       {"160", ""},
                                                       {"", ""},
                                                       {"40 ", ""},
                                                       {"4", ""}};
    for (const auto& [bande, marque] : cas) {
        remplir(g, {{bande, J1, "08:00", "F4ABC", "YL"}});
        calculer();
        EXPECT_EQ(c(k::multiplicateur, 1), marque) << bande;
        EXPECT_EQ(etat.total_multi, marque[0] ? 1 : 0) << bande;
        EXPECT_EQ(marque_multiplicateur(bande), marque) << bande;
    }
}

TEST_F(Score, ThirdDateGetsNoMark) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J2, "08:00", "DL1ABC", "YL"},
                {"40", J3, "08:00", "9A1AA", "YL"},
                {"20", J3, "08:01", "K1ZZ", "YL"},
                {"20", J1, "08:02", "K1ZZ/P", "YL"},
                {"20", J2, "08:03", "K2AA", "YL"}});
    calculer();
    EXPECT_EQ(c(k::multiplicateur, 2), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 3), "");
    EXPECT_EQ(c(k::multiplicateur, 4), "");
    EXPECT_EQ(c(k::pays, 3), "9A");
    // An earlier row counts whatever its date: K on 20 was already worked on the third day.
    EXPECT_EQ(c(k::doublon, 5), "DUPE = K1ZZ->08:01->03/03/2025");
    EXPECT_EQ(c(k::multiplicateur, 6), "");
    EXPECT_EQ(etat.total_multi, 2);
}

TEST_F(Score, SecondDateIsFoundBelowAndInBlankRows) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J3, "08:01", "", ""},
                {"40", J2, "08:02", "DL1ABC", "YL"},
                {"40", J3, "08:03", "9A1AA", "YL"}});
    calculer();
    // The blank row 2 makes the third of March the second day of the contest.
    EXPECT_EQ(c(k::multiplicateur, 3), "");
    EXPECT_EQ(c(k::multiplicateur, 4), " - M - - -");

    // An undated row matches an empty second date, so a date on a row below it decides.
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"40", "", "", "DL1ABC", "YL"}});
    evaluer(2);
    EXPECT_EQ(c(k::multiplicateur, 2), " - M - - -");
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", "", "", "DL1ABC", "YL"},
                {"20", J2, "08:02", "9A1AA", "YL"}});
    evaluer(2);
    EXPECT_EQ(c(k::multiplicateur, 2), "");
}

TEST_F(Score, EmptyFirstDateMakesUndatedRowsContestRows) {
    remplir(g, {{"40", "", "", "F4ABC", "YL"},
                {"40", J1, "08:01", "DL1ABC", "YL"},
                {"40", J2, "08:02", "9A1AA", "YL"}});
    calculer();
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 2), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 3), "");
}

TEST_F(Score, DeletingTheFirstQsoMovesTheMark) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "F5XYZ", "OM"},
                {"40", J1, "08:02", "F6AAA", "YL"}});
    calculer();
    ASSERT_EQ(c(k::multiplicateur, 1), " - M - - -");
    ASSERT_EQ(c(k::multiplicateur, 2), "");
    effacer(1);
    calculer();
    EXPECT_EQ(c(k::indicatif, 1), "F5XYZ");
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 2), "");
    EXPECT_EQ(etat.Label_score, "Score = 3 x 1 = 3");
}

TEST_F(Score, DeletingTheFirstQsoTurnsTheDupeIntoTheQso) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"40", J1, "08:09", "F4ABC/P", "YL"}});
    calculer();
    ASSERT_EQ(c(k::points, 2), "0");
    effacer(1);
    calculer();
    EXPECT_EQ(c(k::doublon, 1), "");
    EXPECT_EQ(c(k::points, 1), "2");
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
}

TEST_F(Score, BlankRowInTheMiddleIsSkippedAndLosesItsLookedUpColumns) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "   ", "YL"},
                {"40", J1, "08:02", "DL1ABC", "YL"}});
    for (int col : {k::nom, k::numero_membre, k::points, k::multiplicateur, k::doublon})
        g.set_cellule(col, 2, "junk M");
    g.set_cellule(k::pays, 2, "9A");
    g.set_cellule(k::rst_envoye, 2, "599");
    calculer();
    for (int col : {k::nom, k::numero_membre, k::points, k::multiplicateur, k::doublon})
        EXPECT_EQ(c(col, 2), "") << col;
    EXPECT_EQ(c(k::bande, 2), "40");
    EXPECT_EQ(c(k::date, 2), J1);
    EXPECT_EQ(c(k::heure, 2), "08:01");
    EXPECT_EQ(c(k::indicatif, 2), "   ");
    EXPECT_EQ(c(k::categorie, 2), "YL");
    EXPECT_EQ(c(k::pays, 2), "9A");
    EXPECT_EQ(c(k::rst_envoye, 2), "599");
    EXPECT_EQ(c(k::multiplicateur, 3), " - M - - -");
    EXPECT_EQ(etat.Label_score, "Score = 4 x 2 = 8");
}

TEST_F(Score, ABlankRowsOldCountryStillCountsAsAnEarlierRow) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "", ""},
                {"40", J1, "08:02", "DL1ABC", "YL"},
                {"20", J1, "08:03", "DL2XY", "YL"}});
    g.set_cellule(k::pays, 2, "DL");
    calculer();
    EXPECT_EQ(c(k::multiplicateur, 3), "");
    EXPECT_EQ(c(k::multiplicateur, 4), " - - M - -");
}

TEST_F(Score, ADuplicatesCountryCountsForTheRowsBelow) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "DL/F4ABC", "YL"},
                {"40", J1, "08:02", "DL1ABC", "YL"}});
    calculer();
    EXPECT_EQ(c(k::pays, 2), "DL");
    EXPECT_EQ(c(k::multiplicateur, 3), "");
}

TEST_F(Score, EarlierCountriesAreTheFreshlyComputedOnes) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"40", J1, "08:01", "DL1ABC", "YL"}});
    g.set_cellule(k::pays, 1, "DL");
    calculer();
    EXPECT_EQ(c(k::pays, 1), "F");
    EXPECT_EQ(c(k::multiplicateur, 2), " - M - - -");
}

TEST_F(Score, UnknownCountryIsEmptyAndItsFirstQsoOnABandIsAMultiplier) {
    remplir(g, {{"40", J1, "08:00", "ZZ1AB", "YL"},
                {"40", J1, "08:01", "QQ2CD", "YL"},
                {"20", J1, "08:02", "ZZ1AB", "YL"}});
    g.set_cellule(k::pays, 1, "F");
    calculer();
    EXPECT_EQ(c(k::pays, 1), "");
    EXPECT_EQ(etat.Label_his_continent, "");
    EXPECT_EQ(c(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(c(k::multiplicateur, 2), "");
    EXPECT_EQ(c(k::multiplicateur, 3), " - - M - -");
}

TEST_F(Score, EmptyLogScoresZero) {
    etat.total_points = 7;
    etat.total_multi = 3;
    calculer();
    EXPECT_EQ(etat.Label_score, "Score = 0 x 0 = 0");
    EXPECT_EQ(etat.total_points, 0);
    EXPECT_EQ(etat.total_multi, 0);
    EXPECT_EQ(etat.score, 0);
}

TEST_F(Score, TheEntryRowIsEvaluatedOnceItHoldsACall) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}});
    g.set_cellule(k::bande, 2, "40");
    g.set_cellule(k::indicatif, 2, "DL1ABC");
    calculer();
    EXPECT_EQ(c(k::pays, 2), "DL");
    EXPECT_EQ(c(k::points, 2), "1");
    EXPECT_EQ(etat.Label_score, "Score = 3 x 2 = 6");
}

TEST_F(Score, CalculLigneAloneLeavesTotalsAndScoreLabelAlone) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"}, {"40", J1, "08:01", "DL1ABC", "OM"}});
    calculer();
    const EtatScore avant = etat;
    g.set_cellule(k::categorie, 2, "YL");
    evaluer(2);
    EXPECT_EQ(c(k::points, 2), "2");
    EXPECT_EQ(c(k::multiplicateur, 2), " - M - - -");
    EXPECT_EQ(etat.total_points, avant.total_points);
    EXPECT_EQ(etat.total_multi, avant.total_multi);
    EXPECT_EQ(etat.Label_score, avant.Label_score);
    EXPECT_EQ(etat.Label_his_continent, "EU");
}

TEST_F(Score, CalculLigneOnAnEmptyCallKeepsThePreviousCountry) {
    remplir(g, {{"40", J1, "08:00", "VK9XX", "YL"}, {"20", J1, "08:01", "", ""}});
    evaluer(1);
    evaluer(2);
    // The lookup kept its last answer for an empty callsign.
    EXPECT_EQ(c(k::pays, 2), "VK9X");
    EXPECT_EQ(etat.Label_his_continent, "OC");
    EXPECT_EQ(c(k::multiplicateur, 2), " - - M - -");
}

TEST_F(Score, ContinentLabelShowsTheLastEvaluatedRow) {
    remplir(g, {{"40", J1, "08:00", "JA1ABC", "YL"}, {"40", J1, "08:01", "LU1AA", "YL"}});
    calculer();
    EXPECT_EQ(etat.Label_his_continent, "SA");
    remplir(g, {{"40", J1, "08:00", "JA1ABC", "YL"}, {"40", J1, "08:01", "JA1ABC/P", "YL"}});
    calculer();
    EXPECT_EQ(etat.Label_his_continent, "");
    // With nothing evaluated the label is left as it was.
    etat.Label_his_continent = "AS";
    g.Vider_grille();
    calculer();
    EXPECT_EQ(etat.Label_his_continent, "AS");
    etat.remettre_a_zero();
    EXPECT_EQ(etat.Label_his_continent, "");
}

TEST_F(Score, RecomputationIsIdempotentAndCountsEveryRow) {
    remplir(g, {{"40", J1, "08:00", "F4ABC", "YL"},
                {"40", J1, "08:01", "DL1ABC", "OM"},
                {"20", J2, "08:02", "9A1AA", "YL"},
                {"20", J2, "08:03", "9A1AA", "YL"}});
    calculer();
    const std::string premier = etat.Label_score;
    calculer();
    EXPECT_EQ(etat.Label_score, premier);
    EXPECT_EQ(premier, "Score = 5 x 3 = 15");
}

} // namespace

TEST_F(Score, ACallWithAnEmptyBaseCallIsNeverADuplicate) {
    // "F4ABC/" and "DL1AA/" both reduce to nothing: they are not the same station, and
    // neither is the blank row above them.
    remplir(g, {{"40", J1, "08:00", "", ""},
                {"40", J1, "08:01", "F4ABC/", "YL"},
                {"40", J1, "08:02", "DL1AA/", "YL"}});
    calculer();
    EXPECT_EQ(c(k::doublon, 2), "");
    EXPECT_EQ(c(k::doublon, 3), "");
    EXPECT_EQ(c(k::points, 3), "2");
    evaluer(3);
    EXPECT_EQ(c(k::doublon, 3), "") << "the single-row evaluation agrees";
}

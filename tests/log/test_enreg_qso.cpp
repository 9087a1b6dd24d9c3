#include "log/dates.h"
#include "log/enreg_qso.h"
#include "log/grille_log.h"
#include "platform/erreur.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace ylkaz;

namespace {

// Expected bytes built field by field from the record's layout, independently of the
// writer: a length byte, the text, zeros up to the capacity.
struct Attendu {
    TEnreg_QSO::Octets o{};
    void texte(std::size_t pos, std::size_t capacite, const std::string& t) {
        ASSERT_LE(t.size(), capacite);
        o[pos] = static_cast<std::uint8_t>(t.size());
        for (std::size_t i = 0; i < t.size(); ++i)
            o[pos + 1 + i] = static_cast<std::uint8_t>(t[i]);
    }
    void reel(std::size_t pos, double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, 8);
        for (int i = 0; i < 8; ++i)
            o[pos + i] = static_cast<std::uint8_t>(b >> (8 * i));
    }
};

Grille_log grille_avec_un_qso() {
    Grille_log g;
    const char* cellules[15] = {"40",  "12/03/2021", "13:07", "F4ABC",      "599",
                                "1",   "579",        "X1",    "YL",         "MARIE",
                                "123", "F",          "2",     " - M - - -", ""};
    for (int c = 0; c < 15; ++c)
        g.set_cellule(c, 1, cellules[c]);
    return g;
}

} // namespace

TEST(EnregQso, FullRecordByteForByte) {
    const auto e = grille_avec_un_qso().ligne_vers_enreg(1, "F4XYZ", "TM4XYZ");
    Attendu a;
    a.texte(0, 10, "F4XYZ");
    a.texte(11, 15, "TM4XYZ");
    a.reel(32, 44267.0);
    a.reel(40, (13 * 60 + 7) / 1440.0);
    a.texte(48, 4, "40");
    a.texte(53, 15, "F4ABC");
    a.texte(69, 3, "599");
    a.texte(73, 3, "579");
    a.texte(77, 4, "123");
    a.texte(82, 3, "YL");
    a.texte(86, 15, "MARIE");
    a.texte(102, 4, "F");
    a.texte(107, 4, "X1");
    EXPECT_EQ(e.vers_octets(), a.o);
}

TEST(EnregQso, HeaderLikeRecordHoldsOnlyTheCallsigns) {
    TEnreg_QSO e;
    e.operateur = "F4XYZ";
    e.station = "F4XYZ/P";
    Attendu a;
    a.texte(0, 10, "F4XYZ");
    a.texte(11, 15, "F4XYZ/P");
    EXPECT_EQ(e.vers_octets(), a.o);
    EXPECT_EQ(TEnreg_QSO::depuis_octets(a.o), e);
}

TEST(EnregQso, TextsAreCutToTheirCapacity) {
    Grille_log g = grille_avec_un_qso();
    g.set_cellule(colonne::indicatif, 1, "ABCDEFGHIJKLMNOP"); // 16 characters
    g.set_cellule(colonne::rst_envoye, 1, "5999");
    const auto octets = g.ligne_vers_enreg(1, "OPERATEUR_LONG", "S").vers_octets();
    EXPECT_EQ(octets[53], 15);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&octets[54]), 15), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(octets[69], 3);
    EXPECT_EQ(octets[0], 10);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&octets[1]), 10), "OPERATEUR_");

    g.enreg_vers_ligne(TEnreg_QSO::depuis_octets(octets), 1);
    EXPECT_EQ(g.cellule(colonne::indicatif, 1), "ABCDEFGHIJKLMNO");
}

TEST(EnregQso, RoundTripThroughTheTable) {
    Grille_log g = grille_avec_un_qso();
    const auto e = g.ligne_vers_enreg(1, "F4XYZ", "F4XYZ");
    Grille_log h;
    h.set_RowCount(3);
    h.set_cellule(colonne::points, 2, "1");
    h.enreg_vers_ligne(e, 2);
    for (int c : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11})
        EXPECT_EQ(h.cellule(c, 2), g.cellule(c, 1)) << "column " << c;
    EXPECT_EQ(h.cellule(colonne::numero, 2), "2");
    EXPECT_EQ(h.cellule(colonne::points, 2), "1") << "computed columns are left alone";
}

TEST(EnregQso, HostileRecordNeverCrashesAndGivesEmptyCells) {
    TEnreg_QSO::Octets o;
    o.fill(0xFF); // every length byte 255, both doubles NaN
    const auto e = TEnreg_QSO::depuis_octets(o);
    EXPECT_EQ(e.indicatif.size(), 15u);
    EXPECT_EQ(e.operateur.size(), 10u);
    EXPECT_EQ(e.champ_extra.size(), 4u);
    Grille_log g;
    g.enreg_vers_ligne(e, 1);
    EXPECT_EQ(g.cellule(colonne::date, 1), "");
    EXPECT_EQ(g.cellule(colonne::heure, 1), "");

    for (double d : {std::numeric_limits<double>::infinity(), -1e300, 1e300, 3e6})
        EXPECT_EQ(ecrire_date(d), "") << d;
    for (double t : {-0.1, 1.0, 5.0, std::nan("")})
        EXPECT_EQ(ecrire_heure(t), "") << t;
}

TEST(EnregQso, ZeroLengthCallsignIsABlankRow) {
    TEnreg_QSO::Octets o;
    o.fill('A');
    o[53] = 0;
    Grille_log g;
    g.enreg_vers_ligne(TEnreg_QSO::depuis_octets(o), 1);
    EXPECT_TRUE(g.ligne_vide(1));
}

TEST(EnregQso, BadDateOrTimeCellIsRefusedWithTheFrenchText) {
    Grille_log g = grille_avec_un_qso();
    g.set_cellule(colonne::date, 1, "31/02/2021");
    try {
        (void)g.ligne_vers_enreg(1, "A", "B");
        FAIL() << "no error";
    } catch (const Erreur& e) {
        EXPECT_STREQ(e.what(), "'31/02/2021' n'est pas une date correcte");
    }
    g.set_cellule(colonne::date, 1, "12/03/2021");
    g.set_cellule(colonne::heure, 1, "24:00");
    try {
        (void)g.ligne_vers_enreg(1, "A", "B");
        FAIL() << "no error";
    } catch (const Erreur& e) {
        EXPECT_STREQ(e.what(), "'24:00' n'est pas une heure correcte");
    }
}

TEST(Dates, DayCountsAndFormats) {
    EXPECT_EQ(jours_depuis_1899(2021, 3, 12), 44267);
    EXPECT_EQ(jours_depuis_1899(1899, 12, 30), 0);
    EXPECT_EQ(jours_depuis_1899(1900, 3, 1), 61);
    EXPECT_EQ(ecrire_date(44267.0), "12/03/2021");
    EXPECT_EQ(ecrire_date(0.0), "30/12/1899");
    EXPECT_EQ(ecrire_date(-693593.0), "01/01/0001");
    EXPECT_EQ(*lire_date("29/02/2024"), jours_depuis_1899(2024, 2, 29));
    EXPECT_FALSE(lire_date("29/02/2023"));
    EXPECT_FALSE(lire_date(""));
    EXPECT_FALSE(lire_date("12-03-2021"));
    EXPECT_FALSE(lire_date("12/03/2021x"));
    EXPECT_EQ(*lire_date(" 1/3/2021 "), 44256.0);
    EXPECT_EQ(ecrire_heure(*lire_heure("13:07")), "13:07");
    EXPECT_EQ(ecrire_heure(*lire_heure("23:59")), "23:59");
    EXPECT_EQ(ecrire_heure(0.0), "00:00");
    EXPECT_FALSE(lire_heure("12:60"));
    EXPECT_FALSE(lire_heure("1307"));
    // Every minute of the day survives the trip through its stored fraction.
    for (int m = 0; m < 1440; ++m) {
        char t[8];
        std::snprintf(t, sizeof t, "%02d:%02d", m / 60, m % 60);
        ASSERT_EQ(ecrire_heure(*lire_heure(t)), t);
    }
}

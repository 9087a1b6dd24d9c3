#include "app/ini.h"

#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "support/dossier_temp.h"
#include "support/limite_taille.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

using namespace std::string_literals;

TEST(Ini, NamesMatchWithoutRegardToCase) {
    const Ini ini("[vglobales]\r\nmy_station=F4ABC\r\n[LANGUE]\r\nlng=3\r\n");
    EXPECT_EQ(ini.lire_texte("VGlobales", "MY_STATION", "?"), "F4ABC");
    EXPECT_EQ(ini.lire_texte("VGLOBALES", "My_Station", "?"), "F4ABC");
    EXPECT_EQ(ini.lire_entier("Langue", "LNG", 1), 3);
    // Windows-1252 letters fold too: "é" (E9) matches "É" (C9).
    const Ini accents(cp1252("[Catégorie]\r\nClé=1\r\n"));
    EXPECT_EQ(accents.lire_entier(cp1252("CATÉGORIE"), cp1252("CLÉ"), 0), 1);
}

TEST(Ini, MissingSectionOrKeyGivesTheDefaultAndEmptyValueGivesEmptyText) {
    const Ini ini("[OP]\r\nNAME=\r\nAD1 =   \r\nAD2\t=\t rue  des Lilas \t\r\n");
    EXPECT_EQ(ini.lire_texte("OP", "NAME", "def"), "");
    EXPECT_EQ(ini.valeur("OP", "NAME"), std::optional<std::string>(""));
    EXPECT_EQ(ini.lire_texte("OP", "AD1", "def"), "");
    EXPECT_EQ(ini.lire_texte("OP", "AD2", "def"), "rue  des Lilas");
    EXPECT_EQ(ini.lire_texte("OP", "AD3", "def"), "def");
    EXPECT_EQ(ini.lire_texte("Autre", "NAME", "def"), "def");
    EXPECT_EQ(ini.valeur("OP", "AD3"), std::nullopt);
    EXPECT_EQ(ini.lire_entier("OP", "NAME", 7), 7); // empty is not a number
    EXPECT_EQ(Ini().lire_texte("OP", "NAME", "def"), "def");
}

TEST(Ini, IntegersAreDecimalOrZeroXHexadecimal) {
    struct Cas {
        const char* texte;
        std::optional<int> attendu;
    };
    const Cas cas[] = {
        {"950", 950},
        {"-12", -12},
        {"+7", 7},
        {"0", 0},
        {"007", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
        {"2147483648", std::nullopt},
        {"0x80000000", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"0x", std::nullopt},
        {"x1F", std::nullopt},
        {"-0x10", std::nullopt},
        {"0x1G", std::nullopt},
        {"$1F", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1e3", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cas)
        EXPECT_EQ(entier_ini(c.texte), c.attendu) << '"' << c.texte << '"';

    const Ini ini("[Grille_log]\r\nColWidth0= 0x40 \r\nColWidth3=abc\r\nColWidth4=  120\t\r\n");
    EXPECT_EQ(ini.lire_entier("Grille_log", "ColWidth0", 80), 64);
    EXPECT_EQ(ini.lire_entier("Grille_log", "ColWidth3", 80), 80);
    EXPECT_EQ(ini.lire_entier("Grille_log", "ColWidth4", 80), 120);
}

TEST(Ini, OddLinesAreReadWithoutHarm) {
    const std::string longue(1 << 20, 'Z');
    const std::string octets = "AVANT=1\n"           // a key before any section
                               "[S]\n"               // LF alone
                               "ligne sans egal\r\n" // ignored
                               "A=x\0y\n"s           // a NUL byte is kept
                               "[ S2 ] reste\r\n"    // text after "]" ignored
                               "B=" +
                               longue +
                               "\r\n"
                               "[S3\r\n" // no "]": the rest is the name
                               "C = = 2\r\n"
                               "=vide\r\n"
                               "D=fin sans fin de ligne";
    const Ini ini(octets);
    EXPECT_EQ(ini.valeur("", "AVANT"), std::nullopt);
    EXPECT_EQ(ini.lire_texte("S", "A", ""), "x\0y"s);
    EXPECT_EQ(ini.lire_texte("S", "ligne sans egal", "def"), "def");
    EXPECT_EQ(ini.lire_texte("S2", "B", ""), longue);
    EXPECT_EQ(ini.lire_texte("S3", "C", ""), "= 2");
    EXPECT_EQ(ini.lire_texte("S3", "", "def"), "vide");
    EXPECT_EQ(ini.lire_texte("S3", "D", ""), "fin sans fin de ligne");
}

TEST(Ini, FirstOfTwoEqualKeysWins) {
    Ini ini("[S]\r\nK=1\r\n[s]\r\nK=2\r\nL=3\r\n");
    EXPECT_EQ(ini.lire_entier("S", "K", 0), 1);
    EXPECT_EQ(ini.lire_entier("S", "L", 0), 3);
    ini.modifier("S", "K", "9");
    EXPECT_EQ(ini.octets(), "[S]\r\nK=9\r\n[s]\r\nK=2\r\nL=3\r\n");
}

TEST(Ini, AnExistingKeyKeepsItsLineAndEveryOtherLineStays) {
    Ini ini("; commentaire\r\n[Windows]\r\n  f1w = 100 \r\nF1T=5\r\n\r\n[Langue]\r\nLNG=2\r\n");
    ini.modifier("Windows", "F1W", "950");
    EXPECT_EQ(ini.octets(),
              "; commentaire\r\n[Windows]\r\n  f1w =950\r\nF1T=5\r\n\r\n[Langue]\r\nLNG=2\r\n");
}

TEST(Ini, MissingKeyGoesToTheEndOfItsSectionAndMissingSectionToTheEnd) {
    Ini ini("[Windows]\r\nF1W=950\r\n\r\n\r\n[Langue]\r\nLNG=2\r\n");
    ini.modifier("windows", "F1T", "240");
    ini.modifier("Langue", "Autre", "x");
    ini.modifier("OP", "NAME", "Anne");
    EXPECT_EQ(ini.octets(), "[Windows]\r\nF1W=950\r\nF1T=240\r\n\r\n\r\n[Langue]\r\nLNG=2\r\n"
                            "Autre=x\r\n[OP]\r\nNAME=Anne\r\n");

    Ini vide;
    vide.modifier("Header", "Org", "a");
    vide.modifier("Windows", "F1W", "1");
    vide.modifier("Header", "Autre", "b");
    EXPECT_EQ(vide.octets(), "[Header]\r\nOrg=a\r\nAutre=b\r\n[Windows]\r\nF1W=1\r\n");
}

TEST(Ini, WritingKeepsBytesAndEndsEveryLineWithCrLf) {
    Ini ini("[OP]\nAD1=" + cp1252("Hôtel de Ville") + "\nAD3=\x81\x8D\xFF\n");
    ini.modifier("OP", "NAME", cp1252("Zoé"));
    EXPECT_EQ(ini.octets(), "[OP]\r\nAD1=H\xF4tel de Ville\r\nAD3=\x81\x8D\xFF\r\nNAME=Zo\xE9\r\n");
}

TEST(Ini, AValueNeverAddsALine) {
    Ini ini;
    ini.modifier("OP", "NAME", "Anne\r\n[Langue]\r\nLNG=9");
    EXPECT_EQ(ini.valeur("Langue", "LNG"), std::nullopt);
    EXPECT_EQ(Ini(ini.octets()).lire_texte("OP", "NAME", ""), "Anne  [Langue]  LNG=9");
}

TEST(FichierIni, MissingFileReadsAsEmptyAndEachWriteIsOnDiskAtOnce) {
    const test::DossierTemp d;
    FichierIni ini(d / "YL_KAZ.ini");
    EXPECT_EQ(ini.lire_entier("Langue", "LNG", 1), 1);
    ini.ecrire_texte("Header", "Org", "x");
    EXPECT_EQ(d.lire("YL_KAZ.ini"), "[Header]\r\nOrg=x\r\n");
    ini.ecrire_entier("Langue", "LNG", 4);
    EXPECT_EQ(d.lire("YL_KAZ.ini"), "[Header]\r\nOrg=x\r\n[Langue]\r\nLNG=4\r\n");
    EXPECT_EQ(FichierIni(d / "YL_KAZ.ini").lire_entier("LANGUE", "lng", 1), 4);
    // Nothing but the file itself is left in the folder.
    int entrees = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(d.chemin()))
        ++entrees;
    EXPECT_EQ(entrees, 1);
}

std::string message_attendu(const std::filesystem::path& p) {
    return cp1252("Impossible d'écrire dans ") + p.generic_string();
}

TEST(FichierIni, WriteUnderAFileFailsWithTheFrenchMessage) {
    const test::DossierTemp d;
    d.ecrire("pas_un_dossier", "x");
    FichierIni ini(d / "pas_un_dossier" / "YL_KAZ.ini");
    try {
        ini.ecrire_texte("Header", "Org", "x");
        FAIL() << "no error";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.what(), message_attendu(d / "pas_un_dossier" / "YL_KAZ.ini"));
    }
    EXPECT_EQ(ini.contenu().valeur("Header", "Org"), std::nullopt);
    EXPECT_EQ(d.lire("pas_un_dossier"), "x");
}

TEST(FichierIni, FailedWriteLeavesTheOldFileAndTheObjectAsTheyWere) {
    const test::DossierTemp d;
    const std::string ancien = "[Langue]\r\nLNG=2\r\n";
    d.ecrire("YL_KAZ.ini", ancien);
    FichierIni ini(d / "YL_KAZ.ini");
    {
        const test::LimiteTaille limite(4);
        try {
            ini.ecrire_entier("Langue", "LNG", 5);
            FAIL() << "no error";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.what(), message_attendu(d / "YL_KAZ.ini"));
        }
    }
    EXPECT_EQ(d.lire("YL_KAZ.ini"), ancien);
    EXPECT_EQ(ini.lire_entier("Langue", "LNG", 1), 2);
    int entrees = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(d.chemin()))
        ++entrees;
    EXPECT_EQ(entrees, 1);
    // Once the cause is gone the same object writes again.
    ini.ecrire_entier("Langue", "LNG", 5);
    EXPECT_EQ(d.lire("YL_KAZ.ini"), "[Langue]\r\nLNG=5\r\n");
}

} // namespace
} // namespace ylkaz

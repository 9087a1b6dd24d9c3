#include "export/adif.h"
#include "export/journal_exemple.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "refdata/reference.h"
#include "support/dossier_temp.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace ylkaz;
using test::Cellules;

namespace {

const std::string ENTETE = "<ADIF_VER:5>3.1.3\r\n"
                           "<PROGRAMID:6>YL_KAZ\r\n"
                           "<PROGRAMVERSION:7>6.0.0.0\r\n"
                           "<APP_KAZ_CATEGORY:9>B. <=100W\r\n"
                           "<APP_YL_KAZ_MY_SEXE:2>YL\r\n"
                           "<CONTEST_ID:15>DIZIDEVI YL-KAZ\r\n"
                           "<EOH>\r\n"
                           "\r\n";

const std::string STATION = "<OPERATOR:5>F4ABC <MY_NAME:6>H\xE9l\xE8ne "
                            "<MY_STREET:23>1 rue des Lilas, B\xE2t. B <MY_CITY:11>75001 Paris "
                            "<MY_STATION:5>F4ABC ";

const std::string ADRESSE = "<MY_STREET:23>1 rue des Lilas, B\xE2t. B <MY_CITY:11>75001 Paris ";

const std::vector<std::string> QSO_EXEMPLE = {
    "<CALL:6>DL1ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>DL <DXCC:3>230 <CONT:2>EU "
    "<QSO_DATE:8>20210312 <TIME_ON:4>1307 <MODE:2>CW <BAND:3>40M <FREQ:1>7 <RST_SENT:3>599 "
    "<RST_RCVD:3>579 <NAME:5>Marie <APP_LOGGER32_USER_1:3>45* <SRX:3>45* <SRX_STRING:3>KAZ "
    "<EOR>",
    "<CALL:5>G4XYZ <APP_YL_KAZ_HIS_SEXE:2>OM <COUNTRY:1>G <DXCC:3>223 <CONT:2>EU "
    "<QSO_DATE:8>20210312 <TIME_ON:4>1310 <MODE:2>CW <BAND:3>20M <FREQ:2>14 <RST_SENT:3>599 "
    "<RST_RCVD:3>599 <NAME:4>John <APP_LOGGER32_USER_1:2>NM <SRX:2>NM <EOR>",
    "<CALL:6>DL1ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>DL <DXCC:3>230 <CONT:2>EU "
    "<QSO_DATE:8>20210312 <TIME_ON:4>1315 <MODE:2>CW <BAND:3>40M <FREQ:1>7 <RST_SENT:3>599 "
    "<RST_RCVD:3>599 <NAME:5>Marie <APP_LOGGER32_USER_1:3>45* <SRX:3>45* <SRX_STRING:3>KAZ "
    "<EOR>",
    "<CALL:14>VK9XABCDEFGHIJ <APP_YL_KAZ_HIS_SEXE:2>OM <COUNTRY:4>VK9X <DXCC:2>35 <CONT:2>OC "
    "<QSO_DATE:8>20210312 <TIME_ON:4>1402 <MODE:2>CW <BAND:4>160M  <RST_SENT:3>599 "
    "<RST_RCVD:3>559 <NAME:3>Bob <APP_LOGGER32_USER_1:2>NM <SRX:2>NM <EOR>",
    "<CALL:5>F5ZZZ <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>F <DXCC:3>227 <CONT:2>EU "
    "<QSO_DATE:8>20210312 <TIME_ON:4>2359 <MODE:2>CW <BAND:3>15M <FREQ:2>21 <RST_SENT:3>599 "
    "<RST_RCVD:3>599 <NAME:12>Jeanne-Marie <APP_LOGGER32_USER_1:1>7 <SRX:1>7 <SRX_STRING:3>KAZ "
    "<EOR>",
    // Blanks only: the F of the row before is not this row's country.
    "<CALL:0> <APP_YL_KAZ_HIS_SEXE:0> <COUNTRY:0> <DXCC:0> <CONT:0> <QSO_DATE:8>20210313 "
    "<TIME_ON:4>0001 <MODE:2>CW <BAND:3>80M <FREQ:3>3.5 <RST_SENT:3>599 <RST_RCVD:3>599 "
    "<SRX:0> <SRX_STRING:3>KAZ <EOR>",
};

std::string remplacer_tout(std::string t, const std::string& de, const std::string& par) {
    for (std::size_t p = 0; (p = t.find(de, p)) != std::string::npos; p += par.size())
        t.replace(p, de.size(), par);
    return t;
}

class Adif : public ::testing::Test {
  protected:
    Adif() : dossiers(Dossiers::depuis(prog.chemin())), reference(dossiers) {
        dossiers.creer_sous_dossiers();
        test::ecrire_prefixes(prog);
        std::filesystem::create_directory(prog / "logs");
        emplacement = {nom_stocke(prog / "logs"), "KAZ2021.YL"};
    }

    std::filesystem::path creer() { return Creation_adif(grille, station, emplacement, reference); }
    std::string lire() const { return prog.lire("logs/KAZ2021.ADI"); }

    // The records of a log of the given rows above an empty entry row, without the part
    // every record shares.
    std::vector<std::string> enregistrements(const std::vector<Cellules>& lignes) {
        grille.Vider_grille();
        for (std::size_t i = 0; i < lignes.size(); ++i)
            test::remplir(grille, static_cast<int>(i) + 1, lignes[i]);
        grille.set_RowCount(static_cast<int>(lignes.size()) + 2);
        creer();
        const std::string t = lire();
        EXPECT_EQ(t.substr(0, ENTETE.size()), ENTETE);
        std::vector<std::string> r;
        for (std::size_t debut = ENTETE.size(), fin;
             (fin = t.find("\r\n", debut)) != std::string::npos; debut = fin + 2) {
            std::string l = t.substr(debut, fin - debut);
            if (l.rfind(STATION, 0) == 0)
                l.erase(0, STATION.size());
            else
                l = "[station part differs] " + l;
            r.push_back(l);
        }
        return r;
    }
    std::string un_enregistrement(const Cellules& c) {
        const auto r = enregistrements({c});
        return r.size() == 1 ? r[0] : "<" + std::to_string(r.size()) + " records>";
    }

    test::DossierTemp prog;
    Dossiers dossiers;
    Reference reference;
    EmplacementLog emplacement;
    Grille_log grille;
    StationRecord station = test::station_exemple();
};

Cellules qso(const char* bande = "40", const char* indicatif = "F5ZZZ", const char* numero = "7",
             const char* nom = "Anne") {
    return {bande, "12/03/2021", "13:07", indicatif, "599", "1", "579", "",
            "YL",  nom,          numero,  "F",       "2",   "",  ""};
}

} // namespace

TEST_F(Adif, TheSampleLogByteForByte) {
    test::journal_exemple(grille);
    std::string attendu = ENTETE;
    for (const auto& q : QSO_EXEMPLE)
        attendu += STATION + q + "\r\n";
    const auto p = creer();
    EXPECT_EQ(p, prog / "logs" / "KAZ2021.ADI");
    EXPECT_EQ(lire(), attendu);

    // Without street and city both fields go; the rest stays byte for byte.
    station.MY_STREET.clear();
    station.MY_CITY.clear();
    creer();
    EXPECT_EQ(lire(), remplacer_tout(attendu, ADRESSE, ""));
}

TEST_F(Adif, StreetAndCityEachOnlyWhenPresent) {
    station.MY_CITY.clear();
    test::journal_exemple(grille);
    creer();
    const std::string t = lire();
    EXPECT_EQ(t.find("<MY_CITY:"), std::string::npos);
    EXPECT_NE(t.find("<MY_STREET:23>1 rue des Lilas, B\xE2t. B <MY_STATION:5>F4ABC "),
              std::string::npos);

    station = test::station_exemple();
    station.MY_STREET.clear();
    creer();
    EXPECT_NE(lire().find("<MY_NAME:6>H\xE9l\xE8ne <MY_CITY:11>75001 Paris <MY_STATION:"),
              std::string::npos);

    // What the station form stores for an empty address is ", ": it is written.
    station.MY_STREET = ", ";
    creer();
    EXPECT_NE(lire().find("<MY_STREET:2>,  <MY_CITY:"), std::string::npos);
}

TEST_F(Adif, EmptyStationValuesKeepTheirAlwaysFields) {
    station = {};
    grille.Vider_grille();
    test::remplir(grille, 1, qso());
    grille.set_RowCount(3);
    creer();
    EXPECT_EQ(lire(), "<ADIF_VER:5>3.1.3\r\n<PROGRAMID:6>YL_KAZ\r\n<PROGRAMVERSION:7>6.0.0.0\r\n"
                      "<APP_KAZ_CATEGORY:0>\r\n<APP_YL_KAZ_MY_SEXE:0>\r\n"
                      "<CONTEST_ID:15>DIZIDEVI YL-KAZ\r\n<EOH>\r\n\r\n"
                      "<OPERATOR:0> <MY_NAME:0> <MY_STATION:0> <CALL:5>F5ZZZ "
                      "<APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>F <DXCC:3>227 <CONT:2>EU "
                      "<QSO_DATE:8>20210312 <TIME_ON:4>1307 <MODE:2>CW <BAND:3>40M <FREQ:1>7 "
                      "<RST_SENT:3>599 <RST_RCVD:3>579 <NAME:4>Anne <APP_LOGGER32_USER_1:1>7 "
                      "<SRX:1>7 <SRX_STRING:3>KAZ <EOR>\r\n");
}

TEST_F(Adif, OnlyTheEntryRowGivesTheHeader) {
    grille.Vider_grille();
    creer();
    EXPECT_EQ(lire(), ENTETE);

    // A callsign being typed in the entry row is not yet a contact.
    grille.set_cellule(colonne::indicatif, 1, "F5ZZZ");
    grille.set_cellule(colonne::date, 1, "12/03/2021");
    grille.set_cellule(colonne::heure, 1, "13:07");
    creer();
    EXPECT_EQ(lire(), ENTETE);
}

TEST_F(Adif, BandAndFrequency) {
    struct Cas {
        const char* bande;
        const char* champs;
    };
    for (const Cas& c :
         {Cas{"80", "<BAND:3>80M <FREQ:3>3.5 <RST_SENT:"},
          Cas{"40", "<BAND:3>40M <FREQ:1>7 <RST_SENT:"},
          Cas{"20", "<BAND:3>20M <FREQ:2>14 <RST_SENT:"},
          Cas{"15", "<BAND:3>15M <FREQ:2>21 <RST_SENT:"},
          Cas{"10", "<BAND:3>10M <FREQ:2>28 <RST_SENT:"}, Cas{"160", "<BAND:4>160M  <RST_SENT:"},
          Cas{"", "<BAND:1>M  <RST_SENT:"}, Cas{"40 ", "<BAND:4>40 M  <RST_SENT:"}}) {
        const std::string r = un_enregistrement(qso(c.bande));
        EXPECT_NE(r.find(std::string("<MODE:2>CW ") + c.champs), std::string::npos)
            << "band '" << c.bande << "': " << r;
    }
}

TEST_F(Adif, MemberNumberFields) {
    struct Cas {
        const char* numero;
        const char* fin;
    };
    for (const Cas& c : {
             Cas{"NM", "<NAME:4>Anne <APP_LOGGER32_USER_1:2>NM <SRX:2>NM <EOR>"},
             Cas{"123",
                 "<NAME:4>Anne <APP_LOGGER32_USER_1:3>123 <SRX:3>123 <SRX_STRING:3>KAZ <EOR>"},
             Cas{"12*",
                 "<NAME:4>Anne <APP_LOGGER32_USER_1:3>12* <SRX:3>12* <SRX_STRING:3>KAZ <EOR>"},
             Cas{"", "<NAME:4>Anne <SRX:0> <SRX_STRING:3>KAZ <EOR>"},
             Cas{"nm", "<NAME:4>Anne <APP_LOGGER32_USER_1:2>nm <SRX:2>nm <SRX_STRING:3>KAZ <EOR>"},
         }) {
        const std::string r = un_enregistrement(qso("40", "F5ZZZ", c.numero));
        EXPECT_EQ(r.substr(r.size() - std::string(c.fin).size()), c.fin) << c.numero;
    }
}

TEST_F(Adif, NameOnlyWhenPresentValuesUnchanged) {
    std::string r = un_enregistrement(qso("40", "F5ZZZ", "7", ""));
    EXPECT_EQ(r.find("<NAME:"), std::string::npos) << r;
    EXPECT_NE(r.find("<RST_RCVD:3>579 <APP_LOGGER32_USER_1:1>7 "), std::string::npos) << r;

    // No escaping, no trimming: the length tells where the value ends.
    r = un_enregistrement(qso("40", "F5ZZZ", "7", " <A:1>é "));
    EXPECT_NE(r.find("<NAME:8> <A:1>\xE9  <APP_LOGGER32_USER_1:"), std::string::npos) << r;

    Cellules c = qso();
    c[colonne::rst_envoye] = "";
    c[colonne::rst_recu] = "5nn ";
    c[colonne::categorie] = "YL ";
    r = un_enregistrement(c);
    EXPECT_NE(r.find("<RST_SENT:0> <RST_RCVD:4>5nn  <NAME:"), std::string::npos) << r;
    EXPECT_NE(r.find("<APP_YL_KAZ_HIS_SEXE:3>YL  <COUNTRY:"), std::string::npos) << r;
}

TEST_F(Adif, CountryFromOneLookupOfTheTrimmedCall) {
    const auto r = enregistrements({
        qso("40", " DL1ABC "),
        qso("40", "XX1AA"), // no prefix of the list
        qso("40", "F5ZZZ"),
        qso("40", " "),
        qso("40", "dl/f5zzz"),
    });
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].substr(0, r[0].find(" <QSO_DATE")),
              "<CALL:6>DL1ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>DL <DXCC:3>230 <CONT:2>EU");
    EXPECT_EQ(r[1].substr(0, r[1].find(" <QSO_DATE")),
              "<CALL:5>XX1AA <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:0> <DXCC:0> <CONT:0>");
    EXPECT_EQ(r[2].substr(0, r[2].find(" <QSO_DATE")),
              "<CALL:5>F5ZZZ <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>F <DXCC:3>227 <CONT:2>EU");
    EXPECT_EQ(r[3].substr(0, r[3].find(" <QSO_DATE")),
              "<CALL:0> <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:0> <DXCC:0> <CONT:0>");
    // The call is written as typed; the lookup upper-cases it itself.
    EXPECT_EQ(r[4].substr(0, r[4].find(" <QSO_DATE")),
              "<CALL:8>dl/f5zzz <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>DL <DXCC:3>230 <CONT:2>EU");
}

TEST_F(Adif, AnEmptyCallsignCellIsNoRecord) {
    Cellules vide = qso();
    vide[colonne::indicatif] = "";
    vide[colonne::date] = "pas une date";
    const auto r = enregistrements({qso("20"), vide, qso("15")});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NE(r[0].find("<BAND:3>20M"), std::string::npos);
    EXPECT_NE(r[1].find("<BAND:3>15M"), std::string::npos);
}

TEST_F(Adif, DateAndTimeAsTheTableWritesThem) {
    struct Cas {
        const char* date;
        const char* heure;
        const char* champs;
    };
    for (const Cas& c : {Cas{"12/03/2021", "13:07", "<QSO_DATE:8>20210312 <TIME_ON:4>1307 "},
                         Cas{"12/03/21", "00:00", "<QSO_DATE:8>20210312 <TIME_ON:4>0000 "},
                         Cas{"1/3/2021", "9:5", "<QSO_DATE:8>20210301 <TIME_ON:4>0905 "},
                         Cas{" 29/02/2024 ", "23:59:59", "<QSO_DATE:8>20240229 <TIME_ON:4>2359 "},
                         Cas{"29/02/00", "12:00", "<QSO_DATE:8>20000229 <TIME_ON:4>1200 "},
                         Cas{"31/12/1999", "07:30", "<QSO_DATE:8>19991231 <TIME_ON:4>0730 "}}) {
        Cellules q = qso();
        q[colonne::date] = c.date;
        q[colonne::heure] = c.heure;
        const std::string r = un_enregistrement(q);
        EXPECT_NE(r.find(std::string("<CONT:2>EU ") + c.champs + "<MODE:2>CW "), std::string::npos)
            << c.date << " " << c.heure << ": " << r;
    }
}

TEST_F(Adif, ARowThatDoesNotReadStopsTheExportAfterTheRecordsBeforeIt) {
    struct Cas {
        const char* date;
        const char* heure;
        const char* texte;
    };
    for (const Cas& c :
         {Cas{"31/02/2021", "13:07", "Ligne 2 : '31/02/2021' n'est pas une date correcte"},
          Cas{"", "13:07", "Ligne 2 : '' n'est pas une date correcte"},
          Cas{"12-03-2021", "13:07", "Ligne 2 : '12-03-2021' n'est pas une date correcte"},
          Cas{"12/03/2021", "24:00", "Ligne 2 : '24:00' n'est pas une heure correcte"},
          Cas{"12/03/2021", "13h07", "Ligne 2 : '13h07' n'est pas une heure correcte"},
          Cas{"99/99/9999", "xx", "Ligne 2 : '99/99/9999' n'est pas une date correcte"}}) {
        grille.Vider_grille();
        test::remplir(grille, 1, qso("20"));
        Cellules mauvaise = qso("40");
        mauvaise[colonne::date] = c.date;
        mauvaise[colonne::heure] = c.heure;
        test::remplir(grille, 2, mauvaise);
        test::remplir(grille, 3, qso("15"));
        grille.set_RowCount(5);
        try {
            creer();
            ADD_FAILURE() << c.date << " " << c.heure << ": no error";
        } catch (const Erreur& e) {
            EXPECT_EQ(std::string(e.what()), c.texte);
        }
        const std::string t = lire();
        ASSERT_EQ(t.substr(0, ENTETE.size()), ENTETE);
        const std::string records = t.substr(ENTETE.size());
        EXPECT_EQ(records.rfind(STATION + "<CALL:5>F5ZZZ ", 0), 0u) << records;
        EXPECT_NE(records.find("<BAND:3>20M"), std::string::npos);
        EXPECT_EQ(records.find("<BAND:3>40M"), std::string::npos);
        EXPECT_EQ(records.find("<BAND:3>15M"), std::string::npos);
        EXPECT_EQ(records.find("\r\n"), records.size() - 2);
    }
}

TEST_F(Adif, FileBesideTheLog) {
    test::journal_exemple(grille);
    struct Cas {
        const char* nom;
        const char* fichier;
    };
    for (const Cas& c : {Cas{"KAZ", "KAZ.ADI"}, Cas{"", ".ADI"}, Cas{"a.b.yl", "a.b.ADI"}}) {
        emplacement.NOM_FICHIER = c.nom;
        EXPECT_EQ(creer(), prog / "logs" / c.fichier) << c.nom;
        EXPECT_EQ(prog.lire(std::string("logs/") + c.fichier).substr(0, ENTETE.size()), ENTETE);
    }
    EXPECT_FALSE(std::filesystem::exists(prog / "Files" / "KAZ.ADI"));

    // An older file of another case is replaced in place.
    prog.ecrire("logs/old.adi", "old");
    emplacement.NOM_FICHIER = "OLD.YL";
    EXPECT_EQ(creer(), prog / "logs" / "old.adi");
    EXPECT_EQ(prog.lire("logs/old.adi").substr(0, ENTETE.size()), ENTETE);
    EXPECT_FALSE(std::filesystem::exists(prog / "logs" / "OLD.ADI"));
}

TEST_F(Adif, FailedWriteLeavesNoFileAndGivesTheSystemsText) {
    test::journal_exemple(grille);
    prog.ecrire("pas_un_dossier", "x");
    emplacement.CHEMIN_FICHIER = nom_stocke(prog / "pas_un_dossier");
    try {
        creer();
        ADD_FAILURE() << "no error";
    } catch (const Erreur& e) {
        const std::string texte = e.what();
        EXPECT_NE(texte.find(texte_erreur_systeme(ENOTDIR)), std::string::npos) << texte;
        EXPECT_NE(texte.find("KAZ2021.ADI"), std::string::npos) << texte;
    }
    EXPECT_EQ(prog.lire("pas_un_dossier"), "x");
}

// The real country file, converted as at start-up.
TEST(AdifPaysReels, CountriesOfTheShippedCountryFile) {
    test::DossierTemp prog;
    const auto cty = lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT");
    ASSERT_TRUE(cty);
    prog.ecrire("CTY_WT.DAT", *cty);
    const Dossiers dossiers = Dossiers::depuis(prog.chemin());
    Reference reference(dossiers);
    ASSERT_FALSE(reference.Conversion_cty().empty());

    Grille_log g;
    const char* appels[] = {"F4ABC", "DL1ABC", "K1ABC", "VK9XX", "9A1AA"};
    for (int r = 1; r <= 5; ++r)
        test::remplir(g, r, qso("40", appels[r - 1]));
    g.set_RowCount(7);
    const EmplacementLog emplacement{nom_stocke(prog.chemin()), "X.YL"};
    Creation_adif(g, test::station_exemple(), emplacement, reference);
    const std::string t = prog.lire("X.ADI");
    for (const char* pays : {"<CALL:5>F4ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>F <DXCC:3>227 "
                             "<CONT:2>EU ",
                             "<CALL:6>DL1ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>DL <DXCC:3>230 "
                             "<CONT:2>EU ",
                             "<CALL:5>K1ABC <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>K <DXCC:3>291 "
                             "<CONT:2>NA ",
                             "<CALL:5>VK9XX <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:4>VK9X <DXCC:2>35 "
                             "<CONT:2>OC ",
                             "<CALL:5>9A1AA <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:2>9A <DXCC:3>497 "
                             "<CONT:2>EU "})
        EXPECT_NE(t.find(pays), std::string::npos) << pays;
}

TEST(ChampAdif, LengthCountsCharacters) {
    EXPECT_EQ(champ_adif("CALL", "F4ABC"), "<CALL:5>F4ABC");
    EXPECT_EQ(champ_adif("NAME", ""), "<NAME:0>");
    EXPECT_EQ(champ_adif("NAME", "H\xE9l\xE8ne"), "<NAME:6>H\xE9l\xE8ne");
    EXPECT_EQ(champ_adif("X", std::string(1234, 'a')), "<X:1234>" + std::string(1234, 'a'));
}

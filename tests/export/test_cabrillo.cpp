#include "export/cabrillo.h"
#include "export/journal_exemple.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace ylkaz;
using test::Cellules;

namespace {

const std::string ENTETE_EXEMPLE = "START-OF-LOG: 3.0\r\n"
                                   "CREATED-BY: YL_KAZ_V 6.0.0.0\r\n"
                                   "CONTEST: YL_KAZ\r\n"
                                   "CALLSIGN: F4ABC\r\n"
                                   "CATEGORY-MODE: CW\r\n"
                                   "CATEGORY-OPERATOR: SINGLE-OP\r\n"
                                   "CATEGORY-POWER: LOW\r\n"
                                   "CATEGORY-TRANSMITTER: ONE\r\n"
                                   "CATEGORY-OVERLAY: YL\r\n"
                                   "CLUB: KAZ\r\n"
                                   "NAME: H\xE9l\xE8ne\r\n"
                                   "ADDRESS: 1 rue des Lilas\r\n"
                                   "ADDRESS: B\xE2t. B\r\n"
                                   "ADDRESS: 75001 Paris\r\n"
                                   "EMAIL: helene@example.org\r\n"
                                   "OPERATORS: F4ABC\r\n"
                                   "SOAPBOX: CLub nr : \r\n"
                                   "\r\n";

// The header lines of a text, up to the empty line.
std::vector<std::string> lignes(const std::string& t) {
    std::vector<std::string> l;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = t.find("\r\n", debut)) != std::string::npos; debut = fin + 2)
        l.push_back(t.substr(debut, fin - debut));
    return l;
}

// The QSO lines of a text.
std::vector<std::string> lignes_qso(const std::string& t) {
    std::vector<std::string> q;
    for (auto& l : lignes(t))
        if (l.rfind("QSO:", 0) == 0) q.push_back(l);
    return q;
}

class Cabrillo : public ::testing::Test {
  protected:
    Cabrillo() : station(test::station_exemple()), champs(test::champs_exemple()) {}

    // A log of one row above the entry row.
    std::string une_ligne(const Cellules& c) {
        grille.Vider_grille();
        test::remplir(grille, 1, c);
        grille.set_RowCount(3);
        const auto q = lignes_qso(texte_cabrillo(grille, station, champs));
        return q.size() == 1 ? q[0] : "<" + std::to_string(q.size()) + " lines>";
    }
    std::vector<std::string> entete() {
        grille.Vider_grille();
        return lignes(texte_cabrillo(grille, station, champs));
    }

    Grille_log grille;
    StationRecord station;
    ChampsCabrillo champs;
};

} // namespace

TEST_F(Cabrillo, TheSampleLogByteForByte) {
    test::journal_exemple(grille);
    const std::string attendu =
        ENTETE_EXEMPLE +
        "QSO:  7000 CW 2021-03-12 1307 F4ABC         599 123  YL DL1ABC        599 45   YL   "
        "Marie      \r\n"
        "QSO: 14000 CW 2021-03-12 1310 F4ABC         599 123  YL G4XYZ         599 NM   OM   "
        "John       \r\n"
        "QSO:  7000 CW 2021-03-12 1315 F4ABC         599 123  YL DL1ABC        599 45   YL   "
        "Marie      \r\n"
        "QSO: CW 2021-03-12 1402 F4ABC         599 123  YL VK9XABCDEFGHI 599 NM   OM   Bob     "
        "   \r\n"
        "QSO: 21000 CW 2021-03-12 2359 F4ABC         599 123  YL F5ZZZ         599 7    YL   "
        "Jeanne-Mar \r\n"
        "END-OF-LOG:\r\n";
    EXPECT_EQ(texte_cabrillo(grille, station, champs), attendu);

    test::DossierTemp prog;
    const Dossiers dossiers = Dossiers::depuis(prog.chemin());
    dossiers.creer_sous_dossiers();
    const EmplacementLog emplacement{nom_stocke(prog / "ailleurs"), "KAZ2021.YL"};
    EtatCabrillo etat;
    const auto p = Creation_cabrillo(grille, station, champs, dossiers, emplacement, etat);
    EXPECT_EQ(p, prog / "Files" / "KAZ2021.CBR");
    EXPECT_EQ(prog.lire("Files/KAZ2021.CBR"), attendu);
    EXPECT_EQ(etat.fichier_cabrillo, "KAZ2021.CBR");
}

// Every field read back from its columns, for a line whose fields all fill their width
// and for one whose texts are all too long.
TEST_F(Cabrillo, QsoFieldsSitAtTheirColumns) {
    struct Champ {
        int debut, largeur;
        std::string attendu;
    };
    auto verifier = [](const std::string& l, const std::vector<Champ>& champs) {
        ASSERT_EQ(l.size(), 95u) << l;
        std::string separateurs(95, '?');
        for (const auto& c : champs) {
            EXPECT_EQ(l.substr(static_cast<std::size_t>(c.debut - 1),
                               static_cast<std::size_t>(c.largeur)),
                      c.attendu)
                << "column " << c.debut;
            separateurs.replace(static_cast<std::size_t>(c.debut - 1),
                                static_cast<std::size_t>(c.largeur), std::string(c.largeur, '.'));
        }
        for (int pos : {5, 11, 14, 25, 30, 44, 48, 53, 56, 70, 74, 79, 84, 95}) {
            EXPECT_EQ(l[static_cast<std::size_t>(pos - 1)], ' ') << "position " << pos;
            EXPECT_EQ(separateurs[static_cast<std::size_t>(pos - 1)], '?') << "position " << pos;
            separateurs[static_cast<std::size_t>(pos - 1)] = ' ';
        }
        EXPECT_EQ(separateurs.find('?'), std::string::npos) << separateurs;
    };

    station.MY_STATION = "F4ABC/QRP/MMX";
    station.MY_NRKAZ = "1234";
    verifier(une_ligne({"10", "31/12/2021", "23:59", "DL/F4ABCD/QRP", "569", "1", "559", "ABCD",
                        "YLOM", "Marie-Anne", "4321", "DL", "2", "", ""}),
             {{1, 4, "QSO:"},
              {6, 5, "28000"},
              {12, 2, "CW"},
              {15, 10, "2021-12-31"},
              {26, 4, "2359"},
              {31, 13, "F4ABC/QRP/MMX"},
              {45, 3, "599"},
              {49, 4, "1234"},
              {54, 2, "YL"},
              {57, 13, "DL/F4ABCD/QRP"},
              {71, 3, "599"},
              {75, 4, "4321"},
              {80, 4, "YLOM"},
              {85, 10, "Marie-Anne"}});

    station.MY_STATION = "F4ABC/QRP/MMXX";
    station.MY_NRKAZ = "12345";
    station.MY_SEXE = "OM";
    verifier(une_ligne({"80", "01/02/2021XX", "07:05:09", "DL/F4ABCDE/QRP", "5", "1", "5", "",
                        "YL OM", "Marie-Annick", "43210", "DL", "", "", ""}),
             {{1, 4, "QSO:"},
              {6, 5, " 3500"},
              {12, 2, "CW"},
              {15, 10, "2021-02-01"},
              {26, 4, "0705"},
              {31, 13, "F4ABC/QRP/MMX"},
              {45, 3, "599"},
              {49, 4, "1234"},
              {54, 2, "OM"},
              {57, 13, "DL/F4ABCDE/QR"},
              {71, 3, "599"},
              {75, 4, "4321"},
              {80, 4, "YL O"},
              {85, 10, "Marie-Anni"}});
}

TEST_F(Cabrillo, EcritChampPadsOrCutsThenAddsOneBlank) {
    struct Cas {
        const char* texte;
        std::size_t largeur;
        const char* attendu;
    };
    for (const Cas& c : {Cas{"CW", 2, "CW "}, Cas{"F", 4, "F    "}, Cas{"", 3, "    "},
                         Cas{"DL1ABCDEFGHIJK", 13, "DL1ABCDEFGHIJ "}, Cas{"ab", 0, " "},
                         Cas{" 7000", 5, " 7000 "}}) {
        std::string l = "QSO: ";
        Ecrit_champ(l, c.texte, c.largeur);
        EXPECT_EQ(l, std::string("QSO: ") + c.attendu) << c.texte << "/" << c.largeur;
    }
}

TEST_F(Cabrillo, FrequencyFromTheBand) {
    struct Cas {
        const char* bande;
        const char* debut;
    };
    for (const Cas& c :
         {Cas{"80", "QSO:  3500 CW "}, Cas{"40", "QSO:  7000 CW "}, Cas{"20", "QSO: 14000 CW "},
          Cas{"15", "QSO: 21000 CW "}, Cas{"10", "QSO: 28000 CW "}, Cas{"", "QSO: CW "},
          Cas{"160", "QSO: CW "}, Cas{"40 ", "QSO: CW "}, Cas{"7000", "QSO: CW "}}) {
        const std::string l = une_ligne({c.bande, "12/03/2021", "13:07", "F5ZZZ", "599", "1", "599",
                                         "", "YL", "Anne", "7", "F", "2", "", ""});
        EXPECT_EQ(l.substr(0, std::strlen(c.debut)), c.debut) << "band '" << c.bande << "'";
        // Without the field, everything after it comes 6 characters earlier.
        const std::size_t longueur = std::strlen(c.debut) == 8 ? 89 : 95;
        EXPECT_EQ(l.size(), longueur) << "band '" << c.bande << "'";
        EXPECT_EQ(l.substr(longueur - 11), "Anne       ");
    }
}

TEST_F(Cabrillo, DateAndTimeFields) {
    struct Cas {
        const char* date;
        const char* heure;
        const char* attendu; // columns 15 to 29
    };
    for (const Cas& c : {
             Cas{"12/03/2021", "13:07", "2021-03-12 1307"},
             Cas{"12/03/21", "13:07", "2021-03-12 1307"},
             Cas{"01/01/1999", "00:00", "1999-01-01 0000"},
             // A text that is not a date is taken apart by position all the same.
             Cas{"12/03/2021 extra", "9:5", "2021-03-12 9:"},
             Cas{"", "", "-- "},
             Cas{"1/3/21", "13", "-/2-1/ 13"},
         }) {
        const std::string l = une_ligne({"40", c.date, c.heure, "F5ZZZ", "599", "1", "599", "",
                                         "YL", "Anne", "7", "F", "2", "", ""});
        std::string attendu = c.attendu;
        const std::size_t blanc = attendu.find(' ');
        std::string date = attendu.substr(0, blanc), heure = attendu.substr(blanc + 1);
        date.resize(10, ' ');
        heure.resize(4, ' ');
        EXPECT_EQ(l.substr(14, 15), date + " " + heure) << c.date << " " << c.heure;
    }
}

TEST_F(Cabrillo, MemberNumberLosesItsFirstStar) {
    struct Cas {
        const char* numero;
        const char* champ;
    };
    for (const Cas& c : {Cas{"123*", "123 "}, Cas{"NM", "NM  "}, Cas{"*12*", "12* "},
                         Cas{"1234*", "1234"}, Cas{"*", "    "}, Cas{"", "    "}}) {
        const std::string l = une_ligne({"40", "12/03/2021", "13:07", "F5ZZZ", "599", "1", "599",
                                         "", "YL", "Anne", c.numero, "F", "2", "", ""});
        EXPECT_EQ(l.substr(74, 4), c.champ) << c.numero;
    }
    // The station's own number is written as it is.
    station.MY_NRKAZ = "12*";
    const std::string l = une_ligne({"40", "12/03/2021", "13:07", "F5ZZZ", "599", "1", "599", "",
                                     "YL", "Anne", "7", "F", "2", "", ""});
    EXPECT_EQ(l.substr(48, 4), "12* ");
}

TEST_F(Cabrillo, SentAndReceivedReportsAreAlways599) {
    const std::string l = une_ligne({"40", "12/03/2021", "13:07", "F5ZZZ", "339", "1", "449", "",
                                     "YL", "Anne", "7", "F", "2", "", ""});
    EXPECT_EQ(l.substr(44, 3), "599");
    EXPECT_EQ(l.substr(70, 3), "599");
}

TEST_F(Cabrillo, OnlyTheEntryRowGivesHeaderAndEnd) {
    grille.Vider_grille();
    grille.set_cellule(colonne::indicatif, 1, "F5ZZZ"); // typed, not yet logged
    grille.set_cellule(colonne::bande, 1, "40");
    EXPECT_EQ(texte_cabrillo(grille, station, champs), ENTETE_EXEMPLE + "END-OF-LOG:\r\n");
}

TEST_F(Cabrillo, BlankCallsignsAreLeftOutEverythingElseStays) {
    grille.Vider_grille();
    const Cellules qso = {"40", "12/03/2021", "13:07", "F5ZZZ", "599", "1", "599",         "",
                          "YL", "Anne",       "7",     "F",     "0",   "",  "DUPE = F5ZZZ"};
    Cellules vide = qso;
    test::remplir(grille, 1, qso);
    vide[colonne::indicatif] = "";
    test::remplir(grille, 2, vide);
    vide[colonne::indicatif] = " \t ";
    test::remplir(grille, 3, vide);
    test::remplir(grille, 4, qso);
    grille.set_RowCount(6);
    const auto q = lignes_qso(texte_cabrillo(grille, station, champs));
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0], q[1]);
    EXPECT_EQ(q[0].substr(56, 13), "F5ZZZ        ");
}

TEST_F(Cabrillo, CallsignIsWrittenAsTyped) {
    const std::string l = une_ligne({"40", "12/03/2021", "13:07", " F5ZZZ", "599", "1", "599", "",
                                     "YL", "Anne", "7", "F", "2", "", ""});
    EXPECT_EQ(l.substr(56, 13), " F5ZZZ       ");
}

TEST_F(Cabrillo, PowerLineFromTheCategory) {
    struct Cas {
        const char* categorie;
        const char* ligne; // nullptr: no power line
    };
    for (const Cas& c :
         {Cas{"A. >=100W", "CATEGORY-POWER: HIGH"}, Cas{"B. <=100W", "CATEGORY-POWER: LOW"},
          Cas{"B. >=100W", "CATEGORY-POWER: LOW"}, Cas{"C. SWL", "CATEGORY-POWER: SWL"},
          Cas{"mon cat. C. B.", "CATEGORY-POWER: LOW"}, Cas{"B. et A.", "CATEGORY-POWER: HIGH"},
          Cas{"a. >=100W", nullptr}, Cas{"A >=100W", nullptr}, Cas{"", nullptr}}) {
        station.MY_CATEGORY = c.categorie;
        const auto l = entete();
        ASSERT_GE(l.size(), 9u);
        EXPECT_EQ(l[5], "CATEGORY-OPERATOR: SINGLE-OP");
        if (c.ligne) {
            EXPECT_EQ(l[6], c.ligne) << c.categorie;
            EXPECT_EQ(l.size(), 19u);
        } else {
            EXPECT_EQ(l[6], "CATEGORY-TRANSMITTER: ONE") << c.categorie;
            EXPECT_EQ(l.size(), 18u);
        }
    }
}

TEST_F(Cabrillo, OverlayAndTheOwnSexField) {
    for (const char* sexe : {"YL", "OM", "", "yl", "YL "}) {
        station.MY_SEXE = sexe;
        const std::string yl = std::string(sexe) == "YL" ? "YL" : "OM";
        EXPECT_EQ(entete()[8], "CATEGORY-OVERLAY: " + yl) << sexe;
        const std::string l = une_ligne({"40", "12/03/2021", "13:07", "F5ZZZ", "599", "1", "599",
                                         "", "YL", "Anne", "7", "F", "2", "", ""});
        EXPECT_EQ(l.substr(53, 2), yl) << sexe;
    }
}

TEST_F(Cabrillo, ClubLineFromTheFormsMemberField) {
    station.MY_NRKAZ = "123"; // the stored value plays no part
    for (const auto& [numero, club] :
         std::vector<std::pair<std::string, std::string>>{{"NM", "CLUB: NM"},
                                                          {"123", "CLUB: KAZ"},
                                                          {"", "CLUB: KAZ"},
                                                          {"nm", "CLUB: KAZ"},
                                                          {"NM ", "CLUB: KAZ"}}) {
        champs.Edit_NKAZ = numero;
        EXPECT_EQ(entete()[9], club) << "'" << numero << "'";
    }
}

TEST_F(Cabrillo, EmptyStationFieldsKeepTheirLines) {
    station = {};
    champs = {};
    EXPECT_EQ(entete(), (std::vector<std::string>{
                            "START-OF-LOG: 3.0", "CREATED-BY: YL_KAZ_V 6.0.0.0", "CONTEST: YL_KAZ",
                            "CALLSIGN: ", "CATEGORY-MODE: CW", "CATEGORY-OPERATOR: SINGLE-OP",
                            "CATEGORY-TRANSMITTER: ONE", "CATEGORY-OVERLAY: OM", "CLUB: KAZ",
                            "NAME: ", "ADDRESS: ", "ADDRESS: ", "ADDRESS: ", "EMAIL: ",
                            "OPERATORS: ", "SOAPBOX: CLub nr : ", "", "END-OF-LOG:"}));
}

TEST(NomCabrillo, ExtensionReplacedFolderDropped) {
    struct Cas {
        const char* nom;
        const char* attendu;
    };
    for (const Cas& c :
         {Cas{"KAZ2021.YL", "KAZ2021.CBR"}, Cas{"KAZ2021", "KAZ2021.CBR"}, Cas{"", ".CBR"},
          Cas{"a.b.YL", "a.b.CBR"}, Cas{"X.", "X.CBR"}, Cas{"dos.sier/X", "X.CBR"},
          Cas{"..\\..\\X.YL", "X.CBR"}, Cas{"../X.yl", "X.CBR"}}) {
        EXPECT_EQ(nom_cabrillo(c.nom), c.attendu) << c.nom;
    }
}

class FichierCabrillo : public ::testing::Test {
  protected:
    FichierCabrillo() : dossiers(Dossiers::depuis(prog.chemin())) {
        dossiers.creer_sous_dossiers();
        test::journal_exemple(grille);
        emplacement = {dossiers.CHEMIN_FILES, "X.YL"};
    }
    std::filesystem::path creer() {
        return Creation_cabrillo(grille, station, champs, dossiers, emplacement, etat);
    }

    test::DossierTemp prog;
    Dossiers dossiers;
    Grille_log grille;
    StationRecord station = test::station_exemple();
    ChampsCabrillo champs = test::champs_exemple();
    EmplacementLog emplacement;
    EtatCabrillo etat;
};

TEST_F(FichierCabrillo, ReplacesTheOldFileAndLeavesTheWorkingFolder) {
    prog.ecrire("Files/X.CBR", std::string(5000, 'x'));
    const auto avant = std::filesystem::current_path();
    creer();
    EXPECT_EQ(std::filesystem::current_path(), avant);
    EXPECT_EQ(prog.lire("Files/X.CBR"), texte_cabrillo(grille, station, champs));
    // Nothing but the file: the temporary file was renamed, not copied.
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(prog / "Files"))
        ++n;
    EXPECT_EQ(n, 1);
}

TEST_F(FichierCabrillo, AnOldFileOfAnotherCaseIsTheOneReplaced) {
    prog.ecrire("Files/x.cbr", "old");
    const auto p = creer();
    EXPECT_EQ(p, prog / "Files" / "x.cbr");
    EXPECT_EQ(etat.fichier_cabrillo, "x.cbr");
    EXPECT_EQ(prog.lire("Files/x.cbr"), texte_cabrillo(grille, station, champs));
    EXPECT_FALSE(std::filesystem::exists(prog / "Files" / "X.CBR"));
}

TEST_F(FichierCabrillo, EmptyLogNameGivesDotCbr) {
    emplacement.NOM_FICHIER.clear();
    creer();
    EXPECT_EQ(etat.fichier_cabrillo, ".CBR");
    EXPECT_EQ(prog.lire("Files/.CBR"), texte_cabrillo(grille, station, champs));
}

TEST_F(FichierCabrillo, FailedWriteLeavesNoFileAndGivesTheSystemsText) {
    etat.fichier_cabrillo = "AVANT.CBR";
    struct Cas {
        const char* nom;
        int numero;
    };
    for (const Cas& c : {Cas{"fichier", ENOTDIR}, Cas{"absent", ENOENT}}) {
        dossiers.CHEMIN_FILES = nom_stocke(prog / c.nom);
        if (c.numero == ENOTDIR) prog.ecrire(c.nom, "a regular file");
        try {
            creer();
            ADD_FAILURE() << c.nom << ": no error";
        } catch (const Erreur& e) {
            const std::string texte = e.what();
            EXPECT_NE(texte.find(texte_erreur_systeme(c.numero)), std::string::npos) << texte;
            EXPECT_NE(texte.find("X.CBR"), std::string::npos) << texte;
        }
        EXPECT_EQ(etat.fichier_cabrillo, "AVANT.CBR");
    }
    EXPECT_EQ(prog.lire("fichier"), "a regular file");
    EXPECT_FALSE(std::filesystem::exists(prog / "absent"));
}

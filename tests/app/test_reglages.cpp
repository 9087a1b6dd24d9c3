#include "app/reglages.h"

#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "support/banc_programme.h"
#include "support/dossier_temp.h"
#include "support/limite_taille.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

const std::string ORG = "YL_KAZ, Version: 6.0.0.0--- XX0XX / KAZ 17";

// The state of one run of the program, over a program folder, with the country list
// converted when the folder holds a country file.
struct Etat {
    explicit Etat(const std::filesystem::path& prog) : banc(prog) {
        banc.p.dossiers = Dossiers::depuis(prog);
        banc.p.Form_info.Conversion_cty();
        banc.p.Charge_langue = [this] { ++langues_appliquees; };
    }

    test::BancProgramme banc;
    Dossiers& dossiers = banc.p.dossiers;
    StationRecord& station = banc.p.station;
    EmplacementLog& emplacement = banc.p.emplacement;
    int& LNG = banc.p.catalogue.LNG;
    Grille_log& grille = banc.p.grille;
    Form_main& main = banc.p.Form_main;
    Form_info& info = banc.p.Form_info;
    Form_choix_fichier& choix = banc.p.Form_choix_fichier;
    Form_infoCR& cr = banc.p.Form_infoCR;
    int langues_appliquees = 0;
    Reglages r = banc.p.reglages();
};

class Reglages_ : public ::testing::Test {
  protected:
    test::DossierTemp prog;
    std::string ini_lu() const { return prog.lire("YL_KAZ.ini"); }
    void ini(const std::string& octets) const { prog.ecrire("YL_KAZ.ini", octets); }
};

// Every key with a value of its own; the station callsign equals the operator's, as the
// station form's change handling makes it for a callsign of four characters or more.
void remplir(Etat& e, const std::string& dossier_log) {
    e.main.set_geometrie({11, 12, 13, 14});
    e.info.set_geometrie({21, 22, 23, 24});
    e.choix.set_geometrie({31, 32, 33, 34});
    e.cr.set_geometrie({51, 52, 53, 54});
    e.emplacement = {dossier_log, "YL_KAZ_2024@F4ABC.YL"};
    e.station.MY_LOCATOR = "JN18EU";
    e.station.OPERATOR = "F4ABC";
    e.station.MY_DXCC = "F";
    e.station.MY_STATION = "F4ABC";
    e.station.MY_NRKAZ = "123";
    e.station.MY_SEXE = "YL";
    e.info.set_ComboBox_Category("C. SWL");
    e.info.set_Edit_nom(cp1252("Zoé"));
    e.info.set_Edit_AD1("1 rue Haute");
    e.info.set_Edit_ad2(cp1252("Bât. B"));
    e.info.set_Edit_ad3("75001 Paris");
    e.info.set_Edit_email("zoe@example.org");
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        e.grille.set_largeur_colonne(c, 40 + c);
    e.LNG = 5;
}

TEST_F(Reglages_, FileWrittenFromNothingHoldsEveryKeyInOrder) {
    Etat e(prog.chemin());
    remplir(e, "/logs");
    Sauve_ini(e.r);
    std::string attendu = "[Header]\r\nOrg=" + ORG +
                          "\r\n"
                          "[Windows]\r\n"
                          "F1W=13\r\nF1T=12\r\nF1L=11\r\nF1H=14\r\n"
                          "F2W=23\r\nF2T=22\r\nF2L=21\r\nF2H=24\r\n"
                          "F3W=33\r\nF3T=32\r\nF3L=31\r\nF3H=34\r\n"
                          "F5W=53\r\nF5T=52\r\nF5L=51\r\nF5H=54\r\n"
                          "[VGlobales]\r\n"
                          "CHEMIN_FICHIER=/logs\r\n"
                          "NOM_FICHIER=YL_KAZ_2024@F4ABC.YL\r\n"
                          "MY_LOCATOR=JN18EU\r\n"
                          "OPERATOR=F4ABC\r\n"
                          "MY_DXCC=F\r\n"
                          "MY_STATION=F4ABC\r\n"
                          "MY_NRKAZ=123\r\n"
                          "MY_CATEGORY=C. SWL\r\n"
                          "MY_SEXE=YL\r\n"
                          "[OP]\r\n"
                          "NAME=Zo\xE9\r\n"
                          "AD1=1 rue Haute\r\n"
                          "AD2=B\xE2t. B\r\n"
                          "AD3=75001 Paris\r\n"
                          "email=zoe@example.org\r\n"
                          "[Grille_log]\r\n";
    for (int c = 0; c < 15; ++c)
        attendu += "ColWidth" + std::to_string(c) + "=" + std::to_string(40 + c) + "\r\n";
    attendu += "[Langue]\r\nLNG=5\r\n";
    EXPECT_EQ(ini_lu(), attendu);
}

TEST_F(Reglages_, EveryValueComesBackThroughTheFile) {
    test::references(prog);
    const auto logs = prog / "Logs";
    std::filesystem::create_directory(logs);
    Etat avant(prog.chemin());
    remplir(avant, logs.string());
    Sauve_ini(avant.r);
    const std::string ecrit = ini_lu();

    Etat e(prog.chemin());
    e.grille.set_RowCount(7);
    Charge_ini(e.r);
    EXPECT_EQ(e.main.geometrie(), (Geometrie{11, 12, 13, 14}));
    EXPECT_EQ(e.info.geometrie(), (Geometrie{21, 22, 23, 24}));
    EXPECT_EQ(e.choix.geometrie(), (Geometrie{31, 32, 33, 34}));
    EXPECT_EQ(e.cr.geometrie(), (Geometrie{51, 52, 53, 54}));
    EXPECT_EQ(e.emplacement.CHEMIN_FICHIER, logs.string());
    EXPECT_EQ(e.emplacement.NOM_FICHIER, "YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(e.choix.Edit_chemin(), logs.string());
    EXPECT_EQ(e.choix.Edit_nom_fichier(), "YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(e.station.MY_LOCATOR, "JN18EU");
    EXPECT_EQ(e.station.OPERATOR, "F4ABC");
    EXPECT_EQ(e.station.MY_DXCC, "F");
    EXPECT_EQ(e.station.MY_STATION, "F4ABC");
    EXPECT_EQ(e.station.MY_NRKAZ, "123");
    EXPECT_EQ(e.station.MY_SEXE, "YL");
    EXPECT_EQ(e.station.MY_CATEGORY, "C. SWL");
    EXPECT_EQ(e.station.MY_EMAIL, "zoe@example.org");
    EXPECT_TRUE(e.info.RadioButton1());
    EXPECT_FALSE(e.info.RadioButton2());
    EXPECT_EQ(e.info.Edit_op(), "F4ABC");
    EXPECT_EQ(e.info.Edit_station(), "F4ABC");
    EXPECT_EQ(e.info.ComboBox_Category(), "C. SWL");
    EXPECT_EQ(e.info.Edit_nom(), cp1252("Zoé"));
    EXPECT_EQ(e.info.Edit_AD1(), "1 rue Haute");
    EXPECT_EQ(e.info.Edit_ad2(), cp1252("Bât. B"));
    EXPECT_EQ(e.info.Edit_ad3(), "75001 Paris");
    EXPECT_EQ(e.info.Edit_email(), "zoe@example.org");
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        EXPECT_EQ(e.grille.largeur_colonne(c), 40 + c) << c;
    EXPECT_EQ(e.grille.RowCount(), 2);
    EXPECT_EQ(e.LNG, 5);
    EXPECT_EQ(e.langues_appliquees, 1);

    // Saved again, the loaded state writes the same bytes over the file.
    Sauve_ini(e.r);
    EXPECT_EQ(ini_lu(), ecrit);
}

TEST_F(Reglages_, FirstRunGivesTheDefaults) {
    Etat e(prog.chemin());
    for (FenetreLogique* f :
         std::initializer_list<FenetreLogique*>{&e.main, &e.info, &e.choix, &e.cr})
        f->set_geometrie({1, 2, 3, 4});
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        e.grille.set_largeur_colonne(c, 5);
    e.grille.set_RowCount(9);
    e.emplacement.NOM_FICHIER = "ancien.YL";
    int lng_vu = -1;
    e.r.Charge_langue = [&] { lng_vu = e.LNG; };
    Charge_ini(e.r);

    EXPECT_EQ(e.main.geometrie(), (Geometrie{510, 240, 950, 600}));
    EXPECT_EQ(e.info.geometrie(), (Geometrie{375, 240, 750, 535}));
    EXPECT_EQ(e.choix.geometrie(), (Geometrie{375, 240, 750, 535}));
    EXPECT_EQ(e.cr.geometrie(), (Geometrie{375, 240, 750, 535}));
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        EXPECT_EQ(e.grille.largeur_colonne(c), 80);
    EXPECT_EQ(e.grille.RowCount(), 2);
    EXPECT_EQ(e.LNG, 1);
    EXPECT_EQ(lng_vu, 1);
    EXPECT_EQ(e.info.ComboBox_Category(), "B. >=100W");
    EXPECT_EQ(e.station.MY_CATEGORY, "B. >=100W");
    EXPECT_FALSE(e.info.RadioButton1());
    EXPECT_FALSE(e.info.RadioButton2());
    EXPECT_EQ(e.station.MY_SEXE, "");
    EXPECT_EQ(e.emplacement.CHEMIN_FICHIER, e.dossiers.CHEMIN_PROG + "Files");
    EXPECT_EQ(e.choix.Edit_chemin(), e.dossiers.CHEMIN_PROG + "Files");
    EXPECT_EQ(e.emplacement.NOM_FICHIER, "");
    EXPECT_EQ(e.choix.Edit_nom_fichier(), "");
    EXPECT_EQ(e.station.OPERATOR, "");
    EXPECT_EQ(e.station.MY_STATION, "");
    EXPECT_EQ(e.info.Edit_op(), "");
    EXPECT_EQ(e.info.Edit_email(), "");
    EXPECT_FALSE(std::filesystem::exists(prog / "YL_KAZ.ini")); // loading writes nothing
}

TEST_F(Reglages_, KeysAndSectionsInAnyCase) {
    ini("[WINDOWS]\r\nf1w=1000\r\n[vglobales]\r\nOperator=F4ABC\r\nmy_sexe=OM\r\n"
        "My_Category=A. >=100W\r\n[op]\r\nEMAIL=a@b.c\r\nad2=x\r\n[GRILLE_LOG]\r\n"
        "colwidth14=33\r\n[langue]\r\nlng=2\r\n");
    Etat e(prog.chemin());
    Charge_ini(e.r);
    EXPECT_EQ(e.main.geometrie().width, 1000);
    EXPECT_EQ(e.station.OPERATOR, "F4ABC");
    EXPECT_TRUE(e.info.RadioButton2());
    EXPECT_EQ(e.info.ComboBox_Category(), "A. >=100W");
    EXPECT_EQ(e.info.Edit_email(), "a@b.c");
    EXPECT_EQ(e.info.Edit_ad2(), "x");
    EXPECT_EQ(e.grille.largeur_colonne(14), 33);
    EXPECT_EQ(e.LNG, 2);
}

TEST_F(Reglages_, SettingsFileNamedInAnotherCaseIsReadAndWritten) {
    prog.ecrire("yl_kaz.INI", "[Langue]\r\nLNG=4\r\n");
    Etat e(prog.chemin());
    Charge_ini(e.r);
    EXPECT_EQ(e.LNG, 4);
    e.LNG = 3;
    Sauve_ini(e.r);
    EXPECT_FALSE(std::filesystem::exists(prog / "YL_KAZ.ini"));
    EXPECT_EQ(prog.lire("yl_kaz.INI").substr(0, 19), "[Langue]\r\nLNG=3\r\n[H");
}

TEST_F(Reglages_, HexadecimalAndBadIntegers) {
    ini("[Windows]\r\nF1W=0x400\r\nF1T=abc\r\nF2H=0X10\r\nF3L=12px\r\nF5T=-20\r\n"
        "[Grille_log]\r\nColWidth3=abc\r\nColWidth4= 0x2a \r\nColWidth5=\r\n"
        "[Langue]\r\nLNG=zz\r\n");
    Etat e(prog.chemin());
    Charge_ini(e.r);
    EXPECT_EQ(e.main.geometrie(), (Geometrie{510, 240, 1024, 600}));
    EXPECT_EQ(e.info.geometrie().height, 16);
    EXPECT_EQ(e.choix.geometrie().left, 375);
    EXPECT_EQ(e.cr.geometrie().top, -20);
    EXPECT_EQ(e.grille.largeur_colonne(3), 80);
    EXPECT_EQ(e.grille.largeur_colonne(4), 42);
    EXPECT_EQ(e.grille.largeur_colonne(5), 80);
    EXPECT_EQ(e.LNG, 1);
}

TEST_F(Reglages_, ExistingKeysKeepTheirLinesAndOtherLinesStay) {
    ini(cp1252("; réglages\r\n[Langue]\r\nLNG=3\r\n\r\n[VGlobales]\r\noperator = OLD\r\n"
               "Inconnu=garde\r\n[Header]\r\nOrg=vieux\r\n"));
    Etat e(prog.chemin());
    e.station.OPERATOR = "F4ABC";
    e.LNG = 2;
    Sauve_ini(e.r);
    std::string attendu = cp1252("; réglages\r\n[Langue]\r\nLNG=2\r\n\r\n[VGlobales]\r\n"
                                 "operator =F4ABC\r\nInconnu=garde\r\n"
                                 "CHEMIN_FICHIER=\r\nNOM_FICHIER=\r\nMY_LOCATOR=\r\nMY_DXCC=\r\n"
                                 "MY_STATION=\r\nMY_NRKAZ=\r\nMY_CATEGORY=A. >=100W\r\n"
                                 "MY_SEXE=\r\n[Header]\r\nOrg=") +
                          ORG +
                          "\r\n[Windows]\r\n"
                          "F1W=950\r\nF1T=240\r\nF1L=510\r\nF1H=600\r\n"
                          "F2W=750\r\nF2T=240\r\nF2L=375\r\nF2H=535\r\n"
                          "F3W=750\r\nF3T=240\r\nF3L=375\r\nF3H=535\r\n"
                          "F5W=750\r\nF5T=240\r\nF5L=375\r\nF5H=535\r\n"
                          "[OP]\r\nNAME=\r\nAD1=\r\nAD2=\r\nAD3=\r\nemail=\r\n[Grille_log]\r\n";
    for (int c = 0; c < 15; ++c)
        attendu += "ColWidth" + std::to_string(c) + "=80\r\n";
    EXPECT_EQ(ini_lu(), attendu);
}

TEST_F(Reglages_, OnlyAnExactYlOrOmSelectsAChoice) {
    struct Cas {
        const char* valeur;
        bool yl, om;
        const char* sexe;
    };
    for (const Cas& c : {Cas{"YL", true, false, "YL"}, Cas{"OM", false, true, "OM"},
                         Cas{"yl", false, false, "yl"}, Cas{"Om", false, false, "Om"},
                         Cas{"  YL\t", true, false, "YL"}, Cas{"YLOM", false, false, "YLOM"}}) {
        ini(std::string("[VGlobales]\r\nMY_SEXE=") + c.valeur + "\r\n");
        Etat e(prog.chemin());
        Charge_ini(e.r);
        EXPECT_EQ(e.info.RadioButton1(), c.yl) << c.valeur;
        EXPECT_EQ(e.info.RadioButton2(), c.om) << c.valeur;
        EXPECT_EQ(e.station.MY_SEXE, c.sexe) << c.valeur;
    }
}

TEST_F(Reglages_, StoredFileNameIsInTheNamingFormWholeWithItsExtension) {
    ini("[VGlobales]\r\nNOM_FICHIER=YL_KAZ_2021@F4ABC.old.YL\r\n");
    Etat e(prog.chemin());
    int notices = 0;
    e.choix.sur_changement = [&] { ++notices; };
    Charge_ini(e.r);
    EXPECT_EQ(e.emplacement.NOM_FICHIER, "YL_KAZ_2021@F4ABC.old.YL");
    EXPECT_EQ(e.choix.Edit_nom_fichier(), "YL_KAZ_2021@F4ABC.old.YL");
    EXPECT_GT(notices, 0);
}

TEST_F(Reglages_, LogFolderThatIsNotAFolderBecomesTheFilesFolder) {
    prog.ecrire("un_fichier", "x");
    std::filesystem::create_directory(prog / "Ailleurs");
    const std::string files = Dossiers::depuis(prog.chemin()).CHEMIN_PROG + "Files";
    const std::string ailleurs = (prog / "Ailleurs").string();
    struct Cas {
        std::string stocke, attendu;
    };
    for (const Cas& c : {Cas{"", files}, Cas{(prog / "absent").string(), files},
                         Cas{(prog / "un_fichier").string(), files}, Cas{ailleurs, ailleurs}}) {
        ini("[VGlobales]\r\nCHEMIN_FICHIER=" + c.stocke + "\r\n");
        Etat e(prog.chemin());
        Charge_ini(e.r);
        EXPECT_EQ(e.emplacement.CHEMIN_FICHIER, c.attendu) << c.stocke;
        EXPECT_EQ(e.choix.Edit_chemin(), c.attendu) << c.stocke;
    }
}

TEST_F(Reglages_, StationCallsignFollowsALongOperatorCallsignOnly) {
    ini("[VGlobales]\r\nOPERATOR=F4ABC\r\nMY_STATION=TM4ABC\r\n");
    Etat longue(prog.chemin());
    Charge_ini(longue.r);
    EXPECT_EQ(longue.station.MY_STATION, "F4ABC");
    EXPECT_EQ(longue.info.Edit_station(), "F4ABC");

    ini("[VGlobales]\r\nOPERATOR=K1A\r\nMY_STATION=K1A/MM\r\nMY_NRKAZ=77\r\n");
    Etat courte(prog.chemin());
    Charge_ini(courte.r);
    EXPECT_EQ(courte.station.MY_STATION, "K1A/MM");
    EXPECT_EQ(courte.info.Edit_op(), "K1A");
    EXPECT_EQ(courte.info.Edit_station(), "K1A/MM");
    EXPECT_EQ(courte.station.MY_NRKAZ, "77");
    EXPECT_EQ(courte.info.Edit_NKAZ(), ""); // the member number is not put into the form
}

TEST_F(Reglages_, SaveUnderAFileFailsWithTheFrenchMessage) {
    prog.ecrire("fichier", "x");
    Etat e(prog / "fichier");
    try {
        Sauve_ini(e.r);
        FAIL() << "no error";
    } catch (const Erreur& err) {
        EXPECT_EQ(err.what(),
                  cp1252("Impossible d'écrire dans ") + (prog / "fichier" / "YL_KAZ.ini").string());
    }
    EXPECT_EQ(prog.lire("fichier"), "x");
}

TEST_F(Reglages_, FailedSaveLeavesTheOldFileWhole) {
    const std::string ancien = "[Langue]\r\nLNG=2\r\n";
    ini(ancien);
    Etat e(prog.chemin());
    e.LNG = 6;
    {
        const test::LimiteTaille limite(8);
        EXPECT_THROW(Sauve_ini(e.r), Erreur);
    }
    EXPECT_EQ(ini_lu(), ancien);
    std::vector<std::filesystem::path> entrees;
    for (const auto& f : std::filesystem::directory_iterator(prog.chemin()))
        entrees.push_back(f.path().filename());
    EXPECT_EQ(entrees, std::vector<std::filesystem::path>{"YL_KAZ.ini"});
}

} // namespace
} // namespace ylkaz

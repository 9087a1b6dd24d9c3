#include "dialogs/form_info.h"

#include "platform/cp1252.h"
#include "support/banc_programme.h"

#include <ctime>
#include <sys/stat.h>
#include <utime.h>

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

using test::BancProgramme;

std::string date_du_jour_locale() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char texte[16];
    std::strftime(texte, sizeof texte, "%d/%m/%Y", &tm);
    return texte;
}

// Sets a file's modification time to noon of a local date.
void dater(const std::filesystem::path& p, int a, int m, int j) {
    std::tm tm{};
    tm.tm_year = a - 1900;
    tm.tm_mon = m - 1;
    tm.tm_mday = j;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    const ::utimbuf u{std::mktime(&tm), std::mktime(&tm)};
    ASSERT_EQ(::utime(p.c_str(), &u), 0);
}

class Info_ : public ::testing::Test {
  protected:
    Info_() { test::references(prog); }

    // The program's creation steps and settings, as at start-up.
    void demarrer() { b.demarrer(); }
    bool ini_ecrit() const { return std::filesystem::exists(prog / "YL_KAZ.ini"); }
    // Typing into a box, one character after the other.
    void taper_op(const std::string& texte) {
        for (std::size_t n = 1; n <= texte.size(); ++n)
            f.set_Edit_op(texte.substr(0, n));
    }

    test::DossierTemp prog;
    BancProgramme b{prog.chemin()};
    Form_info& f = b.p.Form_info;
    StationRecord& station = b.p.station;
};

TEST_F(Info_, FirstStartWithoutMemberListFetchesWithoutAsking) {
    std::filesystem::remove(prog / "Fichiers_BD/KAZ_mini_2021.csv");
    // The update stands in for a fetch that succeeds.
    b.mise_a_jour.action = [&] {
        EXPECT_EQ(b.attentes, std::vector<bool>{true}); // the waiting window is up
        prog.ecrire("Fichiers_BD/KAZ_mini_2021.csv", "F4ABC,123,ANNE,YL\r\n");
    };
    b.mise_a_jour.resultat = {"Date MAJ fichier : x", "fini", "tout est venu"};
    demarrer();

    EXPECT_TRUE(b.ecran.questions.empty());
    EXPECT_EQ(b.mise_a_jour.appels, 1);
    EXPECT_EQ(b.attentes, (std::vector<bool>{true, false}));
    EXPECT_EQ(f.Caption(), "Dizidevi YL KAZ, V:6.0.0.0");
    EXPECT_EQ(f.Label_BD_KAZ(), "BD KAZ : KAZ_mini_2021.csv");
    EXPECT_EQ(f.Label_BD_YL(), "BD YL : BD_YL.csv");
    EXPECT_EQ(f.Label_Date_BD(), "Date fichiers : " + date_du_jour_locale());
    EXPECT_EQ(f.Label_info_Internet(), "fini");
    EXPECT_FALSE(f.Label_info_Internet_visible());
    EXPECT_EQ(f.Label_etat_bases(), "tout est venu"); // the outcome where the operator sees it
    for (const char* d : {"Files", "Lng", "Fichiers_BD"})
        EXPECT_TRUE(std::filesystem::is_directory(prog / d)) << d;
    EXPECT_EQ(b.p.dossiers.CHEMIN_FILES, b.p.dossiers.CHEMIN_PROG + "Files");
    EXPECT_EQ(b.p.dossiers.CHEMIN_BD, b.p.dossiers.CHEMIN_PROG + "Fichiers_BD");
    // The country list from the real country file, nothing selected.
    const auto& items = f.ComboBox_DXCC_items();
    EXPECT_GT(items.size(), 300u);
    EXPECT_NE(std::find(items.begin(), items.end(), "F"), items.end());
    EXPECT_EQ(f.ComboBox_DXCC(), "");
    EXPECT_EQ(f.ComboBox_DXCC_index(), -1);
}

TEST_F(Info_, WithoutAnyMemberListTheDateLabelSaysSo) {
    std::filesystem::remove(prog / "Fichiers_BD/KAZ_mini_2021.csv");
    demarrer();
    EXPECT_EQ(b.mise_a_jour.appels, 1);
    EXPECT_EQ(f.Label_Date_BD(), "Date fichiers : aucun fichier");
    EXPECT_EQ(f.Label_info_Internet(), "sans connexion");
}

TEST_F(Info_, ExistingMemberListAsksWithItsDate) {
    const auto membres = prog / "Fichiers_BD/KAZ_mini_2021.csv";
    dater(membres, 2021, 3, 12);
    const std::string avant = prog.lire("Fichiers_BD/KAZ_mini_2021.csv");
    b.ecran.reponses = {false};
    demarrer();
    EXPECT_EQ(b.ecran.questions,
              std::vector<std::string>{cp1252("Votre base de données des membres date du "
                                              "12/03/2021\r\rVoulez-vous mettre à jour le "
                                              "fichier ?")});
    EXPECT_EQ(b.mise_a_jour.appels, 0);
    EXPECT_TRUE(b.attentes.empty());
    EXPECT_EQ(prog.lire("Fichiers_BD/KAZ_mini_2021.csv"), avant);
    EXPECT_EQ(f.Label_Date_BD(), "Date fichiers : 12/03/2021");
    EXPECT_EQ(f.Label_info_Internet(), "");
    EXPECT_EQ(f.Label_etat_bases(), "");

    BancProgramme oui(prog.chemin());
    oui.ecran.reponses = {true};
    oui.demarrer();
    EXPECT_EQ(oui.mise_a_jour.appels, 1);
    EXPECT_EQ(oui.attentes, (std::vector<bool>{true, false}));
    // Whatever the update wrote, the label shows the member list's date.
    EXPECT_EQ(oui.p.Form_info.Label_Date_BD(), "Date fichiers : 12/03/2021");
}

TEST_F(Info_, DriveListMapsEachEntryToItsRootFolder) {
    b.lecteurs.liste = {{"/media/anne/CLE USB", static_cast<int>(TypeLecteur::amovible)},
                        {"/", static_cast<int>(TypeLecteur::fixe)},
                        {"/mnt/nas", static_cast<int>(TypeLecteur::distant)}};
    b.p.etat_log.lecteur_sauvegarde = "/ailleurs";
    demarrer();
    EXPECT_EQ(f.combobox_save_items(),
              (std::vector<std::string>{"Aucun", "/media/anne/CLE USB Disque Amovible",
                                        "/ Disque dur", "/mnt/nas Lecteur distant"}));
    EXPECT_EQ(f.combobox_save(), 0);
    EXPECT_FALSE(b.p.etat_log.lecteur_sauvegarde);
    f.set_combobox_save(1);
    EXPECT_EQ(b.p.etat_log.lecteur_sauvegarde, std::filesystem::path("/media/anne/CLE USB"));
    f.set_combobox_save(3);
    EXPECT_EQ(b.p.etat_log.lecteur_sauvegarde, std::filesystem::path("/mnt/nas"));
    f.set_combobox_save(0);
    EXPECT_FALSE(b.p.etat_log.lecteur_sauvegarde);
    f.set_combobox_save(9); // out of the list: none
    EXPECT_EQ(f.combobox_save(), 0);
    EXPECT_FALSE(b.p.etat_log.lecteur_sauvegarde);
}

TEST_F(Info_, OperatorOfFourCharactersOrMoreIsLookedUpAndMirrored) {
    demarrer();
    taper_op("F4A");
    EXPECT_EQ(f.Edit_NKAZ(), "");
    EXPECT_EQ(f.Edit_station(), "");
    EXPECT_EQ(f.ComboBox_DXCC(), "");
    f.set_Edit_op("F4AB");
    EXPECT_EQ(f.Edit_NKAZ(), "NM");
    EXPECT_EQ(f.Edit_station(), "F4AB");
    f.set_Edit_op("F4ABC");
    EXPECT_EQ(f.Edit_NKAZ(), "123");
    EXPECT_EQ(f.Edit_station(), "F4ABC");
    EXPECT_EQ(station.MY_STATION, "F4ABC");
    EXPECT_EQ(station.MY_DXCC, "F");
    EXPECT_EQ(f.ComboBox_DXCC(), "F");
    EXPECT_EQ(f.ComboBox_DXCC_items()[static_cast<std::size_t>(f.ComboBox_DXCC_index())], "F");

    // Deleting back to three characters: the station callsign keeps its last long text.
    f.set_Edit_op("F4AB");
    f.set_Edit_op("F4A");
    EXPECT_EQ(f.Edit_NKAZ(), "");
    EXPECT_EQ(f.Edit_station(), "F4AB");
    f.Edit_opExit();
    EXPECT_EQ(f.Stocker_station(), std::nullopt);
    EXPECT_EQ(station.OPERATOR, "F4A");
    EXPECT_EQ(station.MY_STATION, "F4AB");
    EXPECT_EQ(station.MY_NRKAZ, "");
}

TEST_F(Info_, ShortOperatorWithNoEarlierTextStoresTheOperatorAsStation) {
    demarrer();
    taper_op("K1A");
    EXPECT_EQ(f.Edit_station(), "");
    EXPECT_EQ(f.Stocker_station(), std::nullopt);
    EXPECT_EQ(station.MY_STATION, "K1A");
}

TEST_F(Info_, CountryChoiceFollowsTheStationCallsign) {
    demarrer();
    taper_op("F4ABC");
    EXPECT_EQ(f.ComboBox_DXCC(), "F");
    // A station elsewhere selects its own country.
    f.set_Edit_station("DL1AAA");
    EXPECT_EQ(f.ComboBox_DXCC(), "DL");
    EXPECT_EQ(station.MY_DXCC, "DL");
    EXPECT_EQ(station.MY_STATION, "DL1AAA");
    // No country found: nothing selected.
    f.set_Edit_station("/XYZ");
    EXPECT_EQ(f.ComboBox_DXCC(), "");
    EXPECT_EQ(f.ComboBox_DXCC_index(), -1);
    EXPECT_EQ(station.MY_DXCC, "");
    // Three characters change nothing.
    f.set_Edit_station("DL1");
    EXPECT_EQ(station.MY_STATION, "/XYZ");
    // A prefix typed into the list is what OK stores.
    f.set_ComboBox_DXCC("HB9");
    EXPECT_EQ(f.ComboBox_DXCC_index(), -1);
    EXPECT_EQ(f.Stocker_station(), std::nullopt);
    EXPECT_EQ(station.MY_DXCC, "HB9");
}

TEST_F(Info_, ChangedOperatorOnExitStartsANewLog) {
    demarrer();
    taper_op("F4ABC");
    f.Edit_opExit();
    EXPECT_EQ(station.OPERATOR, "F4ABC");

    // A later showing, with a log on the table.
    b.p.emplacement.NOM_FICHIER = "YL_KAZ_2024@F4ABC.YL";
    b.p.grille.set_RowCount(4);
    b.p.grille.set_cellule(colonne::indicatif, 1, "DL1AAA");
    b.p.grille.set_cellule(colonne::indicatif, 2, "F5XYZ");
    f.set_Edit_op(" F4ABC  ");
    f.Edit_opExit();
    EXPECT_EQ(b.p.emplacement.NOM_FICHIER, "YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(b.p.grille.RowCount(), 4);
    f.set_Edit_op("F4ABC");
    f.Edit_opExit();
    EXPECT_EQ(b.p.grille.RowCount(), 4);

    f.set_Edit_op("F4ABD ");
    f.Edit_opExit();
    EXPECT_EQ(station.OPERATOR, "F4ABD");
    EXPECT_EQ(b.p.emplacement.NOM_FICHIER, "");
    EXPECT_EQ(b.p.grille.RowCount(), 2);
    EXPECT_EQ(b.p.grille.cellule(colonne::indicatif, 1), "");
}

TEST_F(Info_, EmailLooksUpTheServerAndPort) {
    prog.ecrire("SMTP.csv", "zz;smtp.entete;1\r\norange;smtp.orange.fr;465\r\n"
                            "b@orange;smtp.deux;26\r\n;smtp.vide;25\r\n");
    demarrer();
    f.set_Edit_email("anne@orange.fr");
    EXPECT_EQ(f.Edit_smtp(), "smtp.orange.fr");
    EXPECT_EQ(f.Edit_port(), "465");
    EXPECT_EQ(station.MY_EMAIL, "anne@orange.fr");

    f.set_Edit_email("a@b@orange.fr");
    EXPECT_EQ(f.Edit_smtp(), "smtp.deux");
    f.set_Edit_email("anne@localhost");
    EXPECT_EQ(f.Edit_smtp(), "smtp.vide");
    EXPECT_EQ(f.Edit_port(), "25");
    for (const char* autre : {"anne@Orange.fr", "anne@zz.fr", "anne@inconnu.org"}) {
        f.set_Edit_email(autre);
        EXPECT_EQ(f.Edit_smtp(), "") << autre;
        EXPECT_EQ(f.Edit_port(), "") << autre;
        EXPECT_EQ(station.MY_EMAIL, autre);
    }

    f.set_Edit_email("anne@orange.fr");
    f.set_Edit_email("anne.orange.fr");
    EXPECT_EQ(f.Edit_smtp(), "");
    EXPECT_EQ(f.Edit_port(), "");
    EXPECT_EQ(station.MY_EMAIL, "anne@orange.fr");
    EXPECT_TRUE(b.ecran.messages.empty());
}

TEST_F(Info_, EmailWithoutAListLeavesServerAndPortEmpty) {
    demarrer();
    f.set_Edit_email("anne@orange.fr");
    EXPECT_EQ(f.Edit_smtp(), "");
    EXPECT_EQ(station.MY_EMAIL, "anne@orange.fr");
    EXPECT_TRUE(b.ecran.messages.empty());
}

TEST_F(Info_, OkWithoutOperatorRefusesAndStays) {
    demarrer();
    b.ecran.montrees.clear();
    f.set_Edit_op("   ");
    f.Button_OKClick();
    EXPECT_EQ(b.ecran.messages, std::vector<std::string>{"             Infos manquantes"});
    EXPECT_EQ(station.OPERATOR, "");
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    EXPECT_TRUE(b.ecran.montrees.empty());
    EXPECT_FALSE(ini_ecrit());
}

TEST_F(Info_, OkWithAnAddressButNoServerRefusesWithTheThreePartMessage) {
    demarrer();
    taper_op("F4ABC");
    f.set_Edit_nom("Anne");
    f.set_Edit_email(" anne@inconnu.org ");
    f.Button_OKClick();
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_EQ(b.ecran.messages[0],
              cp1252("Votre adresse Email ne permet pas de déterminer votre SMTP ainsi que "
                     "votre Port\n\rVeuillez les fournir ou bien effacer votre adresse Email"
                     "\n\r\n\r Si vous ne possédez pas ces éléments, vous devrez envoyer "
                     "votre compte rendu avec votre propre gestionaire d'Email"));
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    EXPECT_FALSE(b.ecran.visible(Fenetre::choix_fichier));
    EXPECT_FALSE(ini_ecrit());
    // What was stored before the check stays stored.
    EXPECT_EQ(station.MY_NAME, "Anne");
    EXPECT_EQ(station.MY_EMAIL, "anne@inconnu.org");

    // A server typed by hand, without a port, is accepted.
    f.set_Edit_smtp("smtp.inconnu.org");
    f.Button_OKClick();
    EXPECT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_EQ(station.MY_SMTP, "smtp.inconnu.org");
    EXPECT_EQ(station.MY_PORT, "");
    EXPECT_TRUE(ini_ecrit());
    EXPECT_FALSE(b.ecran.visible(Fenetre::info));
    EXPECT_TRUE(b.ecran.visible(Fenetre::choix_fichier));
}

TEST_F(Info_, OkWithoutAddressIsAcceptedWhateverServerAndPortHold) {
    demarrer();
    taper_op("F4ABC");
    f.set_Edit_smtp("");
    f.set_Edit_port("pas un nombre");
    f.set_ComboBox_Category("Z. catégorie libre ");
    f.Button_OKClick();
    EXPECT_TRUE(b.ecran.messages.empty());
    EXPECT_TRUE(ini_ecrit());
    EXPECT_EQ(station.MY_PORT, "pas un nombre");
    EXPECT_EQ(station.MY_CATEGORY, "Z. catégorie libre ");
    // Neither choice checked is an OM; both address lines empty still get their comma.
    EXPECT_EQ(station.MY_SEXE, "OM");
    EXPECT_EQ(station.MY_STREET, ", ");
    EXPECT_EQ(station.MY_NRKAZ, "123");
    EXPECT_EQ(station.MY_STATION, "F4ABC");
    EXPECT_EQ(station.MY_DXCC, "F");
}

TEST_F(Info_, OkStoresEveryFieldOfTheForm) {
    prog.ecrire("SMTP.csv", "h\r\nfree;smtp.free.fr;465\r\n");
    demarrer();
    taper_op(" F4ABC ");
    f.set_RadioButton1(true);
    f.set_Edit_nom(cp1252("Anne Dupré"));
    f.set_Edit_AD1("1 rue Haute");
    f.set_Edit_ad2(cp1252("Bât. B"));
    f.set_Edit_ad3("75001 Paris");
    f.set_Edit_email("anne@free.fr ");
    f.set_Edit_station(" F4ABC/P ");
    f.Button_OKClick();
    EXPECT_TRUE(b.ecran.messages.empty());
    EXPECT_EQ(station.OPERATOR, "F4ABC");
    EXPECT_EQ(station.MY_NAME, cp1252("Anne Dupré"));
    EXPECT_EQ(station.MY_SEXE, "YL");
    EXPECT_EQ(station.MY_STREET, cp1252("1 rue Haute, Bât. B"));
    EXPECT_EQ(station.MY_CITY, "75001 Paris");
    EXPECT_EQ(station.MY_STATION, "F4ABC/P");
    EXPECT_EQ(station.MY_EMAIL, "anne@free.fr");
    EXPECT_EQ(station.MY_SMTP, "smtp.free.fr");
    EXPECT_EQ(station.MY_PORT, "465");
    EXPECT_EQ(station.MY_CATEGORY, "B. >=100W"); // the settings' default
}

TEST_F(Info_, SettingsThatCannotBeWrittenKeepTheFormOnScreen) {
    demarrer();
    std::filesystem::create_directory(prog / "YL_KAZ.ini");
    taper_op("F4ABC");
    f.Button_OKClick();
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_EQ(b.ecran.messages[0].rfind(cp1252("Impossible d'écrire dans "), 0), 0u);
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    EXPECT_FALSE(b.ecran.visible(Fenetre::choix_fichier));
}

TEST_F(Info_, AnnulerEndsTheProgramWithoutSaving) {
    demarrer();
    taper_op("F4ABC");
    f.Button_annulerClick();
    EXPECT_EQ(b.fins, 1);
    EXPECT_FALSE(ini_ecrit());
}

TEST_F(Info_, RadioChoicesExcludeEachOtherAndSetTheCategory) {
    f.set_RadioButton1(true);
    EXPECT_TRUE(f.RadioButton1());
    EXPECT_EQ(station.MY_SEXE, "YL");
    f.set_RadioButton2(true);
    EXPECT_FALSE(f.RadioButton1());
    EXPECT_TRUE(f.RadioButton2());
    EXPECT_EQ(station.MY_SEXE, "OM");
    // Unchecking from code is no click: the value stays.
    f.set_RadioButton2(false);
    EXPECT_FALSE(f.RadioButton2());
    EXPECT_EQ(station.MY_SEXE, "OM");
}

TEST_F(Info_, OneNoticePerChangeOnlyWhenSomethingChanged) {
    demarrer();
    int notices = 0;
    f.sur_changement = [&] { ++notices; };
    f.set_Edit_op("F4ABC"); // the operator, the lookups, the station box: one notice
    EXPECT_EQ(notices, 1);
    f.set_Edit_op("F4ABC");
    f.set_RadioButton1(false);
    f.set_geometrie(f.geometrie());
    f.set_combobox_save(0);
    EXPECT_EQ(notices, 1);
    f.set_Edit_nom("Anne");
    f.set_geometrie({1, 2, 3, 4});
    f.set_RadioButton1(true);
    EXPECT_EQ(notices, 4);
    // The notice comes when the handlers are done, so the window sees the final texts.
    std::string vu;
    f.sur_changement = [&] { vu = f.Edit_station() + "|" + f.ComboBox_DXCC(); };
    f.set_Edit_op("DL1AAA");
    EXPECT_EQ(vu, "DL1AAA|DL");
}

} // namespace
} // namespace ylkaz

// The main window's commands and activation, with the whole program behind them.
#include "app/form_main.h"

#include "platform/cp1252.h"
#include "report/form_infocr.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

class Main_ : public ::testing::Test {
  protected:
    Main_() {
        test::references(prog);
        b.p.Form_main.ouvrir_editeur = [this] { ++editeurs; };
        b.demarrer();
        info.set_Edit_op("F4ABC");
        info.Edit_opExit();
        info.set_RadioButton1(true);
        info.set_ComboBox_Category("B. <=100W");
        info.Button_OKClick();
        b.p.Form_choix_fichier.BitBtn_fichier_closeClick();
    }

    // RETURN on row r as QSO entry leaves it: stamped, complete, written to its record.
    void qso(int r, const std::string& indicatif) {
        auto& g = b.p.grille;
        if (g.RowCount() <= r + 1) g.set_RowCount(r + 2);
        g.set_cellule(colonne::bande, r, "40");
        g.set_cellule(colonne::date, r, "09/03/2024");
        g.set_cellule(colonne::heure, r, "10:30");
        g.set_cellule(colonne::indicatif, r, indicatif);
        g.set_cellule(colonne::rst_envoye, r, "599");
        g.set_cellule(colonne::rst_recu, r, "599");
        g.set_cellule(colonne::categorie, r, "YL");
        g.set_cellule(colonne::nom, r, "HEIDI");
        ASSERT_TRUE(b.p.stockage.Sauver_ligne(r));
    }
    std::string log() const { return prog.lire("Files/YL_KAZ_2024@F4ABC.YL"); }

    test::DossierTemp prog;
    test::BancProgramme b{prog.chemin()};
    Form_info& info = b.p.Form_info;
    Form_main& m = b.p.Form_main;
    int editeurs = 0;
};

TEST_F(Main_, ActivationSetsCaptionCategoryTickAndEditor) {
    EXPECT_EQ(m.Caption(), "Dizidevi YL KAZ, V:6.0.0.0     Station : F4ABC     B. <=100W");
    EXPECT_EQ(m.Label_OMYL(), "Je suis YL");
    EXPECT_EQ(m.Label_OMYL_couleur(), Form_main::Couleur::rouge);
    EXPECT_EQ(b.p.station.MY_SEXE, "YL");
    EXPECT_TRUE(b.minuterie.actif());
    EXPECT_GT(editeurs, 0);
    EXPECT_EQ(b.p.grille.Col(), colonne::indicatif);
    EXPECT_EQ(b.p.grille.Row(), 1);

    // The choice is read again at each activation, whatever MY_SEXE held.
    info.set_RadioButton2(true);
    b.p.station.MY_SEXE = "YL";
    b.minuterie.arreter();
    m.FormActivate();
    EXPECT_EQ(b.p.station.MY_SEXE, "OM");
    EXPECT_EQ(m.Label_OMYL(), "Je suis OM");
    EXPECT_EQ(m.Label_OMYL_couleur(), Form_main::Couleur::bleu);
    EXPECT_TRUE(b.minuterie.actif());
}

TEST_F(Main_, BackFromTheStationFormDropsARowNeverCompleted) {
    qso(1, "DL1AAA");
    auto& g = b.p.grille;
    g.set_cellule(colonne::indicatif, 2, "F5XYZ"); // typed, no RETURN
    m.SpeedButton1Click();
    EXPECT_FALSE(b.ecran.visible(Fenetre::main));
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    info.Button_OKClick();
    EXPECT_EQ(b.p.Form_choix_fichier.Edit_nom_fichier(), "YL_KAZ_2024@F4ABC");
    b.p.Form_choix_fichier.BitBtn_fichier_closeClick();
    EXPECT_TRUE(b.ecran.visible(Fenetre::main));
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.cellule(colonne::indicatif, 1), "DL1AAA");
    EXPECT_EQ(g.cellule(colonne::indicatif, 2), "");
    EXPECT_EQ(g.Row(), 2);
}

TEST_F(Main_, CloseBoxWritesNeitherSettingsNorMemCopy) {
    qso(1, "DL1AAA");
    std::filesystem::remove(prog / "YL_KAZ.ini");
    m.FormClose();
    EXPECT_EQ(b.fins, 1);
    EXPECT_FALSE(std::filesystem::exists(prog / "YL_KAZ.ini"));
    EXPECT_FALSE(std::filesystem::exists(prog / "Files/YL_KAZ_2024@F4ABC.YL_Mem"));
    EXPECT_EQ(log().size(), 2 * 112u); // the QSO was already on the disk
}

TEST_F(Main_, QuitSavesClosesTheLogAndWritesTheMemCopy) {
    qso(1, "DL1AAA");
    std::filesystem::remove(prog / "YL_KAZ.ini");
    m.BitBtn_quitClick();
    EXPECT_TRUE(std::filesystem::exists(prog / "YL_KAZ.ini"));
    EXPECT_FALSE(b.p.etat_log.fichier.ouvert());
    const std::string mem = prog.lire("Files/YL_KAZ_2024@F4ABC.YL_Mem");
    ASSERT_EQ(mem.size(), 2 * 112u);
    EXPECT_EQ(mem.substr(102, 2), "\x01"
                                  "F"); // the header carries MY_DXCC
    EXPECT_EQ(mem.substr(112 + 53, 7), "\x06"
                                       "DL1AAA");
    EXPECT_EQ(mem[112 + 86], '\0'); // no names in this copy
    EXPECT_EQ(b.fins, 1);
}

TEST_F(Main_, QuitStopsWhenTheSettingsCannotBeWritten) {
    std::filesystem::remove(prog / "YL_KAZ.ini");
    std::filesystem::create_directory(prog / "YL_KAZ.ini");
    m.BitBtn_quitClick();
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_EQ(b.ecran.messages[0].rfind(cp1252("Impossible d'écrire dans "), 0), 0u);
    EXPECT_TRUE(b.p.etat_log.fichier.ouvert());
    EXPECT_FALSE(std::filesystem::exists(prog / "Files/YL_KAZ_2024@F4ABC.YL_Mem"));
    EXPECT_EQ(b.fins, 0);
}

TEST_F(Main_, TextSizeGrowsByStepsAndResetsInOne) {
    auto& g = b.p.grille;
    m.SpeedButton_taille_plusClick();
    m.SpeedButton_taille_plusClick();
    EXPECT_EQ(g.taille_police(), 10);
    EXPECT_EQ(g.hauteur_ligne(), 20);
    m.SpeedButton_Taille_moinsClick();
    EXPECT_EQ(g.taille_police(), 8);
    EXPECT_EQ(g.hauteur_ligne(), 18);
    m.SpeedButton_Taille_moinsClick();
    EXPECT_EQ(g.taille_police(), 8);
}

TEST_F(Main_, NewLogAsksThenShowsTheStationFormBesideTheMainWindow) {
    qso(1, "DL1AAA");
    b.ecran.reponses = {true};
    m.SpeedButton_retour_infoClick();
    EXPECT_EQ(b.ecran.questions.back(), "Effacer les QSO actuels ?");
    EXPECT_EQ(b.p.grille.RowCount(), 2);
    EXPECT_EQ(log().size(), 2 * 112u);
    EXPECT_EQ(log()[112 + 53], '\0');
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    EXPECT_TRUE(b.ecran.visible(Fenetre::main));

    b.ecran.cacher(Fenetre::info);
    m.Acces_fiche_infosClick();
    EXPECT_TRUE(b.ecran.visible(Fenetre::info));
    EXPECT_TRUE(b.ecran.visible(Fenetre::main));
}

TEST_F(Main_, OpenRecomputeHelpAndLanguageReachTheirWork) {
    int langues = 0;
    b.p.Charge_langue = [&] { ++langues; };
    std::vector<std::filesystem::path> documents;
    b.p.ouvrir_document = [&](const std::filesystem::path& d) { documents.push_back(d); };

    // A QSO whose points were never computed: the recomputation finds them.
    qso(1, "DL1AAA");
    EXPECT_EQ(m.Label_score(), "Score = 0 x 0 = 0");
    m.SpeedButton_calculatriceClick();
    EXPECT_EQ(b.p.grille.cellule(colonne::points, 1), "2");
    EXPECT_EQ(m.Label_score(), "Score = 2 x 1 = 2");
    EXPECT_EQ(m.Label_his_continent(), "EU");
    m.SpeedButton_helpClick();
    EXPECT_EQ(documents, std::vector<std::filesystem::path>{prog / "YL_KAZ.chm"});
    m.LangueClick(3);
    EXPECT_EQ(b.p.catalogue.LNG, 3);
    EXPECT_EQ(langues, 1);
    b.ecran.ouvertures.clear();
    m.SpeedButton_ouvrirClick();
    EXPECT_EQ(b.ecran.ouvertures,
              std::vector<std::string>{b.p.dossiers.CHEMIN_FILES + "|Fichier YL|*.YL"});
    // The report commands come from their own part of the program.
    // The report e-mail command is there: a station without mail settings is refused.
    b.ecran.messages.clear();
    m.SpeedButton_mailClick();
    EXPECT_EQ(b.ecran.messages, std::vector<std::string>{message_refus_compte_rendu()});
    std::vector<std::string> commandes;
    b.p.creation_fichiers = [&] { commandes.push_back("fichiers"); };
    b.p.compte_rendu = [&] { commandes.push_back("mail"); };
    m.SpeedButton_creation_fichiersClick();
    m.SpeedButton_mailClick();
    EXPECT_EQ(commandes, (std::vector<std::string>{"fichiers", "mail"}));
}

TEST_F(Main_, ReportFilesButtonWritesTheCabrilloAndAdifFiles) {
    qso(1, "DL1AAA");
    m.SpeedButton_calculatriceClick();
    b.ecran.messages.clear();
    m.SpeedButton_creation_fichiersClick();
    EXPECT_EQ(b.ecran.messages,
              std::vector<std::string>{cp1252("CABRILLO (*.CBR) + ADIF (*.ADI) créé")});
    ASSERT_FALSE(b.p.cabrillo.fichier_cabrillo.empty());
    // The name alone: the file lies in the "Files" folder.
    const std::string cbr = prog.lire("Files/" + b.p.cabrillo.fichier_cabrillo);
    EXPECT_EQ(cbr.rfind("START-OF-LOG: 3.0\r\n", 0), 0u) << cbr.substr(0, 40);
    EXPECT_NE(cbr.find("DL1AAA"), std::string::npos);
    const std::string adi = prog.lire("Files/YL_KAZ_2024@F4ABC.ADI");
    EXPECT_NE(adi.find("<CALL:6>DL1AAA"), std::string::npos);
}

} // namespace
} // namespace ylkaz

// The program's start-up and a whole first run, without a window.
#include "app/ini.h"
#include "app/programme.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

TEST(Demarrage, WindowsAreCreatedInOrderWithTheTickStopped) {
    test::DossierTemp prog;
    test::references(prog);
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nOPERATOR=F4ABC\r\nMY_SEXE=YL\r\n"
                              "[Windows]\r\nF1W=900\r\n[Langue]\r\nLNG=2\r\n");
    test::BancProgramme b(prog.chemin());
    std::vector<std::string> etapes;
    b.mise_a_jour.action = [&] { etapes.push_back("mise a jour"); };
    b.ecran.reponses = {true};
    b.p.Charge_langue = [&] {
        // The settings are loaded into every window before the language is applied.
        etapes.push_back("langue " + std::to_string(b.p.catalogue.LNG) + " " +
                         b.p.Form_info.Edit_op());
    };
    b.p.preparer_heure = [&] {
        etapes.push_back("heure, tick " + std::string(b.minuterie.actif() ? "actif" : "arrete"));
    };
    b.minuterie.demarrer();
    b.p.Demarrer();

    EXPECT_EQ(etapes,
              (std::vector<std::string>{"mise a jour", "heure, tick arrete", "langue 2 F4ABC"}));
    EXPECT_FALSE(b.minuterie.actif());
    EXPECT_TRUE(b.ecran.visibles.empty()); // the front end shows the station form
    EXPECT_EQ(b.p.Form_main.geometrie().width, 900);
    EXPECT_EQ(b.p.bandes.bande_courante(), "40");
    // The change handling ran on the loaded fields, with the country list ready.
    EXPECT_EQ(b.p.Form_info.Edit_station(), "F4ABC");
    EXPECT_EQ(b.p.Form_info.Edit_NKAZ(), "123");
    EXPECT_EQ(b.p.Form_info.ComboBox_DXCC(), "F");
    EXPECT_TRUE(b.p.Form_info.RadioButton1());
    EXPECT_EQ(b.p.Form_info.combobox_save(), 0);
}

TEST(Demarrage, FirstRunThenSecondStartFindsEverythingWhereItWas) {
    test::DossierTemp prog;
    test::references(prog);
    prog.ecrire("SMTP.csv", "h\r\nfree;smtp.free.fr;465\r\n");
    const std::string fichier = "Files/YL_KAZ_2024@F5XYZ.YL";
    {
        test::BancProgramme b(prog.chemin());
        b.demarrer();
        auto& info = b.p.Form_info;
        info.set_Edit_op("F5XYZ");
        info.Edit_opExit();
        info.set_RadioButton2(true);
        info.set_Edit_nom("Paul");
        info.set_Edit_email("paul@free.fr");
        info.Button_OKClick();
        ASSERT_TRUE(b.ecran.visible(Fenetre::choix_fichier));
        EXPECT_FALSE(b.minuterie.actif());
        ASSERT_TRUE(b.p.Form_choix_fichier.BitBtn_fichier_closeClick());
        EXPECT_TRUE(b.minuterie.actif());
        EXPECT_EQ(b.p.Form_main.Label_OMYL(), "Je suis OM");

        auto& g = b.p.grille;
        g.set_cellule(colonne::bande, 1, "80");
        g.set_cellule(colonne::date, 1, "09/03/2024");
        g.set_cellule(colonne::heure, 1, "10:30");
        g.set_cellule(colonne::indicatif, 1, "F4ABC");
        g.set_cellule(colonne::categorie, 1, "YL");
        ASSERT_TRUE(b.p.stockage.Sauver_ligne(1));
        g.set_RowCount(3);
        b.p.Form_main.BitBtn_quitClick();
        EXPECT_EQ(b.fins, 1);
    }
    EXPECT_EQ(prog.lire(fichier).size(), 224u);
    EXPECT_EQ(prog.lire(fichier + "_Mem").size(), 224u);

    const FichierIni ini(prog / "YL_KAZ.ini");
    EXPECT_EQ(ini.lire_texte("VGlobales", "OPERATOR", "?"), "F5XYZ");
    EXPECT_EQ(ini.lire_texte("VGlobales", "MY_STATION", "?"), "F5XYZ");
    EXPECT_EQ(ini.lire_texte("VGlobales", "MY_NRKAZ", "?"), "77");
    EXPECT_EQ(ini.lire_texte("VGlobales", "MY_DXCC", "?"), "F");
    EXPECT_EQ(ini.lire_texte("VGlobales", "MY_SEXE", "?"), "OM");
    EXPECT_EQ(ini.lire_texte("VGlobales", "NOM_FICHIER", "?"), "YL_KAZ_2024@F5XYZ.YL");
    EXPECT_EQ(ini.lire_texte("VGlobales", "CHEMIN_FICHIER", "?"),
              Dossiers::depuis(prog.chemin()).CHEMIN_FILES);
    EXPECT_EQ(ini.lire_texte("OP", "email", "?"), "paul@free.fr");

    test::BancProgramme b(prog.chemin());
    b.ecran.reponses = {false};
    b.demarrer();
    EXPECT_EQ(b.ecran.questions.size(), 1u);
    auto& info = b.p.Form_info;
    EXPECT_EQ(info.Edit_op(), "F5XYZ");
    EXPECT_TRUE(info.RadioButton2());
    EXPECT_EQ(info.Edit_nom(), "Paul");
    EXPECT_EQ(info.Edit_smtp(), "smtp.free.fr");
    EXPECT_EQ(info.Edit_port(), "465");
    info.Button_OKClick();
    EXPECT_EQ(b.p.Form_choix_fichier.Edit_nom_fichier(), "YL_KAZ_2024@F5XYZ");
    const std::string avant = prog.lire(fichier);
    ASSERT_TRUE(b.p.Form_choix_fichier.BitBtn_fichier_closeClick());
    EXPECT_EQ(prog.lire(fichier), avant);
    EXPECT_EQ(b.p.grille.RowCount(), 3);
    EXPECT_EQ(b.p.grille.cellule(colonne::indicatif, 1), "F4ABC");
    EXPECT_EQ(b.p.bandes.bande_courante(), "80");
}

TEST(ProgrammeSansFenetre, StationFromTheSettingsThroughTheStationFormsOk) {
    test::DossierTemp prog;
    test::references(prog);
    prog.ecrire("SMTP.csv", "h\r\nfree;smtp.free.fr;465\r\n");
    const std::string ini = "[VGlobales]\r\nOPERATOR= F4ABC\r\nMY_STATION=TM4ABC\r\n"
                            "MY_DXCC=ZZ\r\nMY_NRKAZ=999\r\nMY_SEXE=YL\r\n"
                            "MY_CATEGORY=C. SWL\r\n[OP]\r\nNAME=Anne\r\nAD1=1 rue\r\n"
                            "AD2=B\r\nAD3=75001 Paris\r\nemail=anne@free.fr\r\n";
    prog.ecrire("YL_KAZ.ini", ini);
    std::filesystem::remove_all(prog / "Files");
    const ProgrammeSansFenetre p(prog.chemin());
    EXPECT_EQ(p.refus(), std::nullopt);
    const StationRecord& s = p.station();
    EXPECT_EQ(s.OPERATOR, "F4ABC");
    EXPECT_EQ(s.MY_STATION, "F4ABC"); // the operator's change handling replaced it
    EXPECT_EQ(s.MY_DXCC, "F");
    EXPECT_EQ(s.MY_NRKAZ, "123");
    EXPECT_EQ(s.MY_SEXE, "YL");
    EXPECT_EQ(s.MY_CATEGORY, "C. SWL");
    EXPECT_EQ(s.MY_NAME, "Anne");
    EXPECT_EQ(s.MY_STREET, "1 rue, B");
    EXPECT_EQ(s.MY_CITY, "75001 Paris");
    EXPECT_EQ(s.MY_EMAIL, "anne@free.fr");
    EXPECT_EQ(s.MY_SMTP, "smtp.free.fr");
    EXPECT_EQ(s.MY_PORT, "465");
    // Nothing is written or created.
    EXPECT_EQ(prog.lire("YL_KAZ.ini"), ini);
    EXPECT_FALSE(std::filesystem::exists(prog / "Files"));
}

TEST(ProgrammeSansFenetre, RefusalsOfTheForm) {
    test::DossierTemp prog;
    const auto refus = [&] {
        return ProgrammeSansFenetre(prog.chemin()).refus().value_or("accepted");
    };
    EXPECT_EQ(refus(), "             Infos manquantes");
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nOPERATOR=F4ABC\r\n[OP]\r\nemail=a@inconnu.fr\r\n");
    EXPECT_EQ(refus(), Form_info::message_smtp_manquant());
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nOPERATOR=F4ABC\r\n");
    EXPECT_EQ(refus(), "accepted");
}

} // namespace
} // namespace ylkaz

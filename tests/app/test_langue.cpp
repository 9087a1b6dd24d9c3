// Applying a language: which file is read, where each of its texts goes, and what a
// missing file or key leaves behind.
#include "app/ini.h"
#include "app/langue.h"
#include "platform/cp1252.h"
#include "platform/fichiers.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ylkaz {
namespace {

const std::filesystem::path lng_livres = std::filesystem::path(YLKAZ_SOURCE_DATA) / "Lng";

// Where each text of the file must land, read back from the program's state.
struct Attendu {
    const char* section;
    std::string cle;
    std::function<std::string(Programme&)> lire;
};

std::vector<Attendu> destinations(const std::function<std::string()>& label_temps) {
    const auto m = [](std::string TextesMain::*c) {
        return [c](Programme& p) { return p.Form_main.textes().*c; };
    };
    const auto i = [](std::string TextesInfo::*c) {
        return [c](Programme& p) { return p.Form_info.textes().*c; };
    };
    const auto f = [](std::string TextesChoix::*c) {
        return [c](Programme& p) { return p.Form_choix_fichier.textes().*c; };
    };
    const auto r = [](std::string TextesInfoCR::*c) {
        return [c](Programme& p) { return p.Form_infoCR.textes().*c; };
    };
    const auto g = [](std::string Catalogue::*c) {
        return [c](Programme& p) { return p.catalogue.*c; };
    };
    using M = TextesMain;
    std::vector<Attendu> a = {
        {"Menu", "Langues1.caption", m(&M::Langues1)},
        {"Menu", "Francais.caption", m(&M::Franais1)},
        {"Menu", "Anglais.caption", m(&M::Anglais1)},
        {"Menu", "Espagnol.caption", m(&M::Espagnol)},
        {"Menu", "Italien.caption", m(&M::Italien1)},
        {"Menu", "Allemand.caption", m(&M::Allemand)},
        {"Menu", "Fichers1.caption", m(&M::Fichers1)},
        {"Menu", "Ouvrir1.caption", m(&M::Ouvrir1)},
        {"Menu", "Accesficheinfos1.caption", m(&M::Accesficheinfos1)},
        {"Menu", "Logs1.caption", m(&M::Logs1)},
        {"Menu", "Creation1.caption", m(&M::Creation1)},
        {"Panel1", "SpeedButton_retour_info.hint", m(&M::SpeedButton_retour_info_hint)},
        {"Panel1", "SpeedButton_ouvrir.hint", m(&M::SpeedButton_ouvrir_hint)},
        {"Panel1", "SpeedButton_temps_differe.hint", m(&M::SpeedButton_temps_differe_hint)},
        {"Panel1", "SpeedButton_Temps_Reel.hint", m(&M::SpeedButton_temps_reel_hint)},
        {"Panel1", "msg_tps_reel", g(&Catalogue::msg_tps_reel)},
        {"Panel1", "msg_tps_reel", [label_temps](Programme&) { return label_temps(); }},
        {"Panel1", "msg_tps_differe", g(&Catalogue::msg_tps_differe)},
        {"Panel1", "msg_QTR", g(&Catalogue::msg_QTR)},
        {"Panel1", "SpeedButton_calculatrice.hint", m(&M::SpeedButton_calculatrice_hint)},
        {"Panel1", "SpeedButton_creation_fichiers.hint", m(&M::SpeedButton_creation_fichiers_hint)},
        {"Panel1", "SpeedButton_mail.hint", m(&M::SpeedButton_mail_hint)},
        {"Panel1", "SpeedButton_help.hint", m(&M::SpeedButton_help_hint)},
        {"Panel3", "Label_date.caption", m(&M::Label_date)},
        {"Panel3", "Label_bande.caption", m(&M::Label_bande)},
        {"Form_Info", "Label_op.caption", i(&TextesInfo::Label_op)},
        {"Form_Info", "Label_nr_kaz.caption", i(&TextesInfo::Label_nr_kaz)},
        {"Form_Info", "Label_station.caption", i(&TextesInfo::Label_station)},
        {"Form_Info", "Label_nom.caption", i(&TextesInfo::Label_nom)},
        {"Form_Info", "Label_ad1.caption", i(&TextesInfo::Label_ad1)},
        {"Form_Info", "Label_ad2.caption", i(&TextesInfo::Label_ad2)},
        {"Form_Info", "Label_ad3.caption", i(&TextesInfo::Label_ad3)},
        {"Form_Info", "Label_info_Internet.caption", g(&Catalogue::msg_info_internet)},
        {"Form_choix_fichier", "caption", f(&TextesChoix::Caption)},
        {"Form_choix_fichier", "Label_nom_fichier.caption", f(&TextesChoix::Label_nom_fichier)},
        {"Form_choix_fichier", "Button_nom_fichier.caption", f(&TextesChoix::Button_nom_fichier)},
        {"Form_choix_fichier", "Button_emplacement.caption", f(&TextesChoix::Button_emplacement)},
        {"Grille_LOG", "Hint", m(&M::Grille_log_hint)},
        {"INFO_CR", "Titre_CR", r(&TextesInfoCR::Label_titre_CR)},
        {"INFO_CR", "Panel1", r(&TextesInfoCR::Panel1)},
        {"INFO_CR", "Panel2", r(&TextesInfoCR::Panel2)},
        {"INFO_CR", "Panel3", r(&TextesInfoCR::Panel3)},
        {"INFO_CR", "Panel4", r(&TextesInfoCR::Panel4)},
        {"INFO_CR", "Panel5", r(&TextesInfoCR::Panel5)},
        {"INFO_CR", "Label1", r(&TextesInfoCR::Label1)},
        {"INFO_CR", "Label_erreur", r(&TextesInfoCR::Label_erreur)},
        {"INFO_CR", "Button_envoi", r(&TextesInfoCR::Button_envoi)},
        {"MSG", "Msg_fichier_sauve", g(&Catalogue::Msg_fichier_sauve)},
        {"MSG", "MSg_info_manquante", g(&Catalogue::MSg_info_manquante)},
        {"MSG", "Message_MAJ_reussie", g(&Catalogue::Message_MAJ_reussie)},
    };
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        a.push_back({"Grille_LOG", "Cells_" + std::to_string(c),
                     [c](Programme& p) { return p.grille.cellule(c, 0); }});
    return a;
}

// A language file in which every text names its own section and key.
std::string fichier_temoin(const std::vector<Attendu>& a, const std::string& marque) {
    std::map<std::string, std::vector<std::string>> sections;
    for (const auto& e : a) {
        auto& cles = sections[e.section];
        if (cles.empty() || cles.back() != e.cle) cles.push_back(e.cle);
    }
    std::string s;
    for (const auto& [section, cles] : sections) {
        s += "[" + section + "]\r\n";
        for (const auto& c : cles)
            s += c + "=" + marque + section + "/" + c + "\r\n";
    }
    return s;
}

class Langue : public testing::Test {
  protected:
    Langue() { b.p.dossiers = Dossiers::depuis(prog.chemin()); }
    void appliquer(int LNG) {
        b.p.catalogue.LNG = LNG;
        b.p.Charge_langue();
    }
    void ecrire_lng(const std::string& nom, const std::string& octets) {
        prog.ecrire("Lng/" + nom, octets);
    }
    void copier_fichiers_livres() { test::langues_livrees(prog.chemin()); }
    std::vector<std::string> titres() {
        std::vector<std::string> t;
        for (int c = 0; c < Grille_log::COLONNES; ++c)
            t.push_back(b.p.grille.cellule(c, 0));
        return t;
    }

    test::DossierTemp prog;
    test::BancProgramme b{prog.chemin()};
};

TEST_F(Langue, EveryTextOfTheFileReachesItsOwnTarget) {
    const auto a = destinations([this] { return b.p.saisie.Label_temps(); });
    ecrire_lng("F_F_YL_KAZ.ini", fichier_temoin(a, "v:"));
    appliquer(1);
    for (const auto& e : a)
        EXPECT_EQ(e.lire(b.p), "v:" + std::string(e.section) + "/" + e.cle)
            << "[" << e.section << "] " << e.cle;
}

// A text the program reads from the file and shows nowhere, or a target that no text
// reaches, would stay French in every language.
TEST_F(Langue, EveryShippedLanguageFillsEveryTarget) {
    copier_fichiers_livres();
    const auto a = destinations([this] { return b.p.saisie.Label_temps(); });
    for (int LNG = 1; LNG <= 8; ++LNG) {
        appliquer(LNG);
        const Ini ini(lire_fichier(lng_livres / FICHIERS_LANGUE[LNG - 1]).value_or(""));
        for (const auto& e : a) {
            const auto v = ini.valeur(e.section, e.cle);
            ASSERT_TRUE(v) << FICHIERS_LANGUE[LNG - 1] << " [" << e.section << "] " << e.cle;
            EXPECT_EQ(e.lire(b.p), *v) << FICHIERS_LANGUE[LNG - 1] << " " << e.cle;
        }
    }
}

TEST_F(Langue, MissingFrenchFileGivesTheDefaultsEverywhere) {
    ecrire_lng("F_EN_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=Call\r\n");
    ecrire_lng("F_F_YL_KAZC.ini", "[Grille_LOG]\r\nCells_3=Indicatif\r\n");
    appliquer(1);
    EXPECT_EQ(titres(), std::vector<std::string>(15, "??"));
    EXPECT_EQ(b.p.Form_main.textes().Grille_log_hint, "??");
    EXPECT_EQ(b.p.Form_main.textes().Langues1, "??");
    EXPECT_EQ(b.p.Form_main.textes().Creation1, "??");
    EXPECT_EQ(b.p.Form_main.textes().SpeedButton_mail_hint, "??");
    EXPECT_EQ(b.p.Form_main.textes().Label_bande, "??");
    EXPECT_EQ(b.p.Form_info.textes().Label_op, "??");
    EXPECT_EQ(b.p.Form_choix_fichier.textes().Caption, "??");
    EXPECT_EQ(b.p.Form_infoCR.textes().Label_titre_CR, "???");
    EXPECT_EQ(b.p.Form_infoCR.textes().Button_envoi, "???");
    EXPECT_EQ(b.p.catalogue.msg_tps_reel, "??");
    EXPECT_EQ(b.p.saisie.Label_temps(), "??");
    EXPECT_EQ(b.p.catalogue.msg_QTR, "??");
    EXPECT_EQ(b.p.catalogue.msg_info_internet, "??");
    EXPECT_EQ(b.p.catalogue.Msg_fichier_sauve, cp1252("créé"));
    EXPECT_EQ(b.p.catalogue.MSg_info_manquante, "             Infos manquantes");
    EXPECT_EQ(b.p.catalogue.Message_MAJ_reussie, "??");
    EXPECT_TRUE(b.ecran.messages.empty()) << "a missing file is not reported";

    appliquer(2);
    ASSERT_EQ(b.p.grille.cellule(3, 0), "Call");
    std::filesystem::remove_all(prog / "Lng");
    appliquer(2);
    EXPECT_EQ(titres(), std::vector<std::string>(15, "??")) << "nor is a missing folder";
    EXPECT_TRUE(b.ecran.messages.empty());
}

// The texts of the language applied before do not survive a language whose file is gone.
TEST_F(Langue, ALanguageWithoutItsFileOverwritesThePreviousTexts) {
    copier_fichiers_livres();
    appliquer(1);
    ASSERT_EQ(b.p.grille.cellule(3, 0), "Indicatif");
    ASSERT_NE(b.p.catalogue.Msg_fichier_sauve, "");
    std::filesystem::remove(prog / "Lng/F_DL_YL_KAZ.ini");
    appliquer(5);
    EXPECT_EQ(titres(), std::vector<std::string>(15, "??"));
    EXPECT_EQ(b.p.Form_main.textes().Franais1, "??");
    EXPECT_EQ(b.p.Form_infoCR.textes().Panel4, "???");
    EXPECT_EQ(b.p.catalogue.Msg_fichier_sauve, cp1252("créé"));
    EXPECT_EQ(b.p.catalogue.MSg_info_manquante, "             Infos manquantes");
}

TEST_F(Langue, KeysAndSectionsMatchWhateverTheirCase) {
    ecrire_lng("F_F_YL_KAZ.ini",
               "[grille_log]\r\nCELLS_3=Indicatif\r\n  cells_11 =  DXCC  \r\n"
               "HINT=Aide\r\n[menu]\r\nLANGUES1.CAPTION=Langues\r\n"
               "[info_cr]\r\ntitre_cr=ENVOI\r\n[msg]\r\nmsg_fichier_sauve=ok\r\n");
    appliquer(1);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Indicatif");
    EXPECT_EQ(b.p.grille.cellule(11, 0), "DXCC") << "blanks around a value are not part of it";
    EXPECT_EQ(b.p.grille.cellule(1, 0), "??");
    EXPECT_EQ(b.p.Form_main.textes().Grille_log_hint, "Aide");
    EXPECT_EQ(b.p.Form_main.textes().Langues1, "Langues");
    EXPECT_EQ(b.p.Form_infoCR.textes().Label_titre_CR, "ENVOI");
    EXPECT_EQ(b.p.catalogue.Msg_fichier_sauve, "ok");
}

// "Cells_1" is column 1 only, not the start of "Cells_10"; a leading zero names no column.
TEST_F(Langue, EachTitleKeyNamesExactlyOneColumn) {
    ecrire_lng("F_F_YL_KAZ.ini",
               "[Grille_LOG]\r\nCells_1=un\r\nCells_03=zero trois\r\nCells_14=quatorze\r\n"
               "Cells_15=quinze\r\nCells_-1=moins un\r\n");
    appliquer(1);
    std::vector<std::string> attendu(15, "??");
    attendu[1] = "un";
    attendu[14] = "quatorze";
    EXPECT_EQ(titres(), attendu);
}

TEST_F(Langue, AKeyWithNothingAfterTheEqualsSignGivesAnEmptyText) {
    ecrire_lng("F_F_YL_KAZ.ini", "[Grille_LOG]\r\nCells_2=\r\nHint=   \r\n[INFO_CR]\r\nPanel1=\r\n"
                                 "[MSG]\r\nMsg_fichier_sauve=\r\nMSg_info_manquante=\r\n"
                                 "[Panel1]\r\nmsg_tps_reel=\r\n");
    appliquer(1);
    EXPECT_EQ(b.p.grille.cellule(2, 0), "");
    EXPECT_EQ(b.p.Form_main.textes().Grille_log_hint, "");
    EXPECT_EQ(b.p.Form_infoCR.textes().Panel1, "");
    EXPECT_EQ(b.p.Form_infoCR.textes().Panel2, "???");
    EXPECT_EQ(b.p.catalogue.Msg_fichier_sauve, "");
    EXPECT_EQ(b.p.catalogue.MSg_info_manquante, "");
    EXPECT_EQ(b.p.catalogue.msg_tps_reel, "");
    EXPECT_EQ(b.p.saisie.Label_temps(), "");
}

TEST_F(Langue, AnglaisReadsTheEnglishFileNeverItsSecondCopy) {
    ecrire_lng("F_EN_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=Call\r\n");
    ecrire_lng("F_EN_YL_KAZC.ini", "[Grille_LOG]\r\nCells_3=Callsign C\r\n");
    b.p.Form_main.LangueClick(2);
    EXPECT_EQ(b.p.catalogue.LNG, 2);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Call");
    appliquer(8);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Callsign C");
    // Without its own file English does not borrow the other one.
    std::filesystem::remove(prog / "Lng/F_EN_YL_KAZ.ini");
    b.p.Form_main.LangueClick(2);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "??");
}

TEST_F(Langue, EachIndexReadsItsFileAndAnyOtherReadsFrench) {
    for (int n = 1; n <= 8; ++n)
        ecrire_lng(FICHIERS_LANGUE[n - 1],
                   "[Grille_LOG]\r\nCells_0=L" + std::to_string(n) + "\r\n");
    for (int n = 1; n <= 8; ++n) {
        appliquer(n);
        EXPECT_EQ(b.p.grille.cellule(0, 0), "L" + std::to_string(n));
    }
    for (int n : {0, 9, -1, 100}) {
        appliquer(n);
        EXPECT_EQ(b.p.grille.cellule(0, 0), "L1") << "LNG " << n;
        EXPECT_EQ(b.p.catalogue.LNG, n) << "the settings keep what they hold";
    }
    // The menu's five items, in their order.
    const char* noms[] = {"Français", "Anglais", "Espagnol", "Italien", "Allemand"};
    for (int n = 1; n <= 5; ++n) {
        b.p.Form_main.LangueClick(n);
        EXPECT_EQ(b.p.grille.cellule(0, 0), "L" + std::to_string(n)) << noms[n - 1];
    }
}

TEST_F(Langue, TheFileIsFoundWhateverTheCaseOfItsName) {
    ecrire_lng("f_en_yl_kaz.INI", "[Grille_LOG]\r\nCells_3=Call\r\n");
    appliquer(2);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Call");
    // A file of the exact name wins over one in another case.
    ecrire_lng("F_EN_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=Exact\r\n");
    appliquer(2);
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Exact");
}

// The program folder, not the working directory, holds the files; applying a language
// leaves the working directory where it was.
TEST_F(Langue, TheWorkingDirectoryIsNeitherReadNorChanged) {
    test::DossierTemp ailleurs;
    ailleurs.ecrire("Lng/F_F_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=leurre\r\n");
    ailleurs.ecrire("F_F_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=leurre\r\n");
    ecrire_lng("F_F_YL_KAZ.ini", "[Grille_LOG]\r\nCells_3=Indicatif\r\n");
    const auto avant = std::filesystem::current_path();
    std::filesystem::current_path(ailleurs.chemin());
    appliquer(1);
    const auto apres = std::filesystem::current_path();
    std::filesystem::current_path(avant);
    EXPECT_EQ(apres, ailleurs.chemin());
    EXPECT_EQ(b.p.grille.cellule(3, 0), "Indicatif");
}

// Stray bytes cost at most the texts they spoil.
TEST_F(Langue, AFileOfOddBytesSpoilsOnlyItsOwnLines) {
    using namespace std::string_literals;
    const std::string octets =
        "\xEF\xBB\xBF\r\n[Menu]\r\nLogs1.caption=Logs\r\n\x00\xFF\x81\r\n"s +
        "[Grille_LOG\0\0=\0\r\n[Grille_LOG]\nCells_0=Bande\rCells_1=Date\n"s +
        "Cells_2=" + std::string(5000, '\xE9') + "\r\nsans egal\r\nCells_4";
    ecrire_lng("F_F_YL_KAZ.ini", octets);
    appliquer(1);
    EXPECT_EQ(b.p.Form_main.textes().Logs1, "Logs");
    EXPECT_EQ(b.p.grille.cellule(0, 0), "Bande\rCells_1=Date") << "a lone CR ends no line";
    EXPECT_EQ(b.p.grille.cellule(2, 0), std::string(5000, '\xE9'));
    EXPECT_EQ(b.p.grille.cellule(4, 0), "??");
}

// The time-mode label follows every language applied, even in deferred time, where it
// shows the real-time text until the mode is switched again.
TEST_F(Langue, ApplyingALanguageInDeferredTimeShowsTheRealTimeText) {
    copier_fichiers_livres();
    const Ini anglais(lire_fichier(lng_livres / "F_EN_YL_KAZ.ini").value_or(""));
    const std::string reel = anglais.lire_texte("Panel1", "msg_tps_reel", "x");
    const std::string differe = anglais.lire_texte("Panel1", "msg_tps_differe", "x");
    ASSERT_NE(reel, differe);
    appliquer(2);
    Saisie_QSO& s = b.p.saisie;
    s.SpeedButton_temps_differeClick();
    ASSERT_EQ(s.Label_temps(), differe);
    ASSERT_EQ(b.ecran.messages.back(), anglais.lire_texte("Panel1", "msg_QTR", "x"));

    b.p.Form_main.LangueClick(2);
    EXPECT_EQ(s.Label_temps(), reel);
    EXPECT_FALSE(b.p.etat_log.temps_reel) << "the mode itself stays deferred";
    EXPECT_TRUE(s.DateTimePicker_time().Enabled) << "the time is still set by hand";
    EXPECT_FALSE(b.minuterie.actif());

    s.SpeedButton_temps_reelClick();
    s.SpeedButton_temps_differeClick();
    EXPECT_EQ(s.Label_temps(), differe) << "switching the mode again shows it right";
    // In real time the label was right already and stays so.
    s.SpeedButton_temps_reelClick();
    appliquer(3);
    const Ini espagnol(lire_fichier(lng_livres / "F_SP_YL_KAZ.ini").value_or(""));
    EXPECT_EQ(s.Label_temps(), espagnol.lire_texte("Panel1", "msg_tps_reel", "x"));
    EXPECT_TRUE(b.p.etat_log.temps_reel);
}

// The windows on screen follow the form objects through their change notices.
TEST_F(Langue, EveryFormHearsOfTheNewTextsAndOnlyWhenTheyChange) {
    copier_fichiers_livres();
    std::map<std::string, int> avis;
    b.p.Form_main.sur_changement = [&] { ++avis["main"]; };
    b.p.Form_info.sur_changement = [&] { ++avis["info"]; };
    b.p.Form_choix_fichier.sur_changement = [&] { ++avis["choix"]; };
    b.p.Form_infoCR.sur_changement = [&] { ++avis["cr"]; };
    struct Titres : ObservateurGrille {
        void cellule_changee(int col, int row) override {
            if (row == 0) colonnes.push_back(col);
        }
        std::vector<int> colonnes;
    } titres;
    b.p.grille.set_observateur(&titres);
    appliquer(3);
    EXPECT_GT(avis["main"], 0);
    EXPECT_GT(avis["info"], 0);
    EXPECT_GT(avis["choix"], 0);
    EXPECT_GT(avis["cr"], 0);
    std::vector<int> toutes(15);
    for (int c = 0; c < 15; ++c)
        toutes[c] = c;
    EXPECT_EQ(titres.colonnes, toutes);
    avis.clear();
    appliquer(3);
    EXPECT_TRUE(avis.empty()) << "the same texts again change nothing";
    b.p.grille.set_observateur(nullptr);
}

// At start-up the settings' language is applied as their last step, before any window
// shows, so the title row is never empty.
TEST(LangueDemarrage, TheSettingsLanguageTitlesTheTableAtStartUp) {
    test::DossierTemp prog;
    test::langues_livrees(prog.chemin());
    prog.ecrire("YL_KAZ.ini", "[Langue]\r\nLNG=4\r\n");
    test::BancProgramme b(prog.chemin());
    b.demarrer();
    const Ini italien(lire_fichier(lng_livres / "F_I_YL_KAZ.ini").value_or(""));
    for (int c = 0; c < Grille_log::COLONNES; ++c) {
        EXPECT_EQ(b.p.grille.cellule(c, 0),
                  italien.lire_texte("Grille_LOG", "Cells_" + std::to_string(c), "x"));
        EXPECT_FALSE(b.p.grille.cellule(c, 0).empty());
    }
    EXPECT_EQ(b.p.Form_main.textes().Langues1, italien.lire_texte("Menu", "Langues1.caption", "x"));
    // Emptying the log for a new one keeps the titles.
    b.p.grille.Vider_grille();
    EXPECT_EQ(b.p.grille.cellule(3, 0), italien.lire_texte("Grille_LOG", "Cells_3", "x"));
}

} // namespace
} // namespace ylkaz

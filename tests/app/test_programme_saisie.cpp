// QSO entry in the whole program: after the station form and the naming form, the main
// window in real time, over the real member lookup, country file and score.
#include "app/programme.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

namespace k = colonne;

class ProgrammeSaisie : public ::testing::Test {
  protected:
    ProgrammeSaisie() {
        references(prog);
        b.demarrer();
        b.p.Form_info.set_Edit_op("F5XYZ");
        b.p.Form_info.Edit_opExit();
        b.p.Form_info.set_RadioButton1(true);
        b.p.Form_info.Button_OKClick();
        b.p.editer_cellule = [this] { ++editions; };
    }

    void frapper(int code, char c) {
        b.p.saisie.Grille_logKeyDown(code, {});
        if (code == 0) return;
        b.p.saisie.Grille_logKeyPress(c);
        if (c == 0) return;
        Grille_log& g = b.p.grille;
        g.set_cellule(g.Col(), g.Row(), g.cellule(g.Col(), g.Row()) + c);
    }
    void taper(const std::string& t) {
        for (char c : t)
            frapper(static_cast<unsigned char>(c), c);
    }
    std::string log() const { return prog.lire("Files/YL_KAZ_2024@F5XYZ.YL"); }

    DossierTemp prog;
    BancProgramme b{prog.chemin()};
    int editions = 0;
};

TEST_F(ProgrammeSaisie, TheNamingFormsOkSwitchesEntryToRealTime) {
    EXPECT_FALSE(b.p.etat_log.temps_reel);
    EXPECT_TRUE(b.p.saisie.DateTimePicker_time().Enabled);
    ASSERT_TRUE(b.p.Form_choix_fichier.BitBtn_fichier_closeClick());
    EXPECT_TRUE(b.p.etat_log.temps_reel);
    EXPECT_TRUE(b.minuterie.actif());
    EXPECT_FALSE(b.p.saisie.DateTimePicker_time().Enabled);
    EXPECT_EQ(b.p.saisie.Label_temps(), b.p.catalogue.msg_tps_reel);
    // The tick of the program is entry's: the entry row shows UTC.
    b.horloge.regler(2024, 3, 9, 22, 45, 10);
    b.p.saisie.Timer1Timer();
    EXPECT_EQ(b.p.grille.cellule(k::heure, 1), "22:45");
    EXPECT_EQ(b.p.grille.cellule(k::date, 1), "09/03/2024");
}

// The whole road of two QSOs through the real lookups and score, to the bytes on disk.
TEST_F(ProgrammeSaisie, QsosTypedAreCompletedScoredAndStored) {
    ASSERT_TRUE(b.p.Form_choix_fichier.BitBtn_fichier_closeClick());
    ASSERT_EQ(b.p.grille.Row(), 1);

    taper("dl1aaa");
    frapper(touche::espace, ' ');
    EXPECT_EQ(b.p.grille.cellule(k::nom, 1), "HEIDI");
    EXPECT_EQ(b.p.grille.cellule(k::numero_membre, 1), "9");
    EXPECT_EQ(b.p.grille.cellule(k::categorie, 1), "YL");
    EXPECT_EQ(b.p.grille.cellule(k::pays, 1), "DL");
    EXPECT_EQ(b.p.grille.cellule(k::points, 1), "2");
    EXPECT_EQ(b.p.Form_main.Label_his_continent(), "EU");
    EXPECT_EQ(editions, 1);
    frapper(touche::retour, '\r');
    EXPECT_EQ(b.p.Form_main.Label_score(), "Score = 2 x 1 = 2");

    // Same call on the same band: a duplicate, its category copied by SPACE.
    taper("dl1aaa");
    frapper(touche::espace, ' ');
    EXPECT_EQ(b.p.grille.cellule(k::categorie, 2), "YL");
    frapper(touche::retour, '\r');
    EXPECT_EQ(b.p.grille.cellule(k::doublon, 2), "DUPE = DL1AAA->10:30->09/03/2024");
    EXPECT_EQ(b.p.Form_main.Label_score(), "Score = 2 x 1 = 2");
    EXPECT_TRUE(b.ecran.messages.empty());

    Attendu a;
    a.operateur = a.station = "F5XYZ";
    a.date = 45360; // 09/03/2024
    a.heure = (10 * 60 + 30) / 1440.0;
    a.bande = "40";
    a.indicatif = "DL1AAA";
    a.rst_envoye = a.rst_recu = "599";
    a.numero_membre = "9";
    a.categorie = "YL";
    a.nom = "HEIDI";
    a.pays = "DL";
    const std::string l = log();
    ASSERT_EQ(l.size(), 3u * 112);
    EXPECT_EQ(l.substr(112, 112), a.octets());
    EXPECT_EQ(l.substr(224, 112), a.octets());

    // Deleting the first makes the second the country's first QSO on the band.
    b.ecran.reponses = {true};
    b.p.grille.selectionner(k::indicatif, 1);
    b.p.saisie.Effacercetteligne1Click();
    EXPECT_EQ(b.p.grille.cellule(k::doublon, 1), "");
    EXPECT_EQ(b.p.grille.cellule(k::multiplicateur, 1), " - M - - -");
    EXPECT_EQ(log().size(), 2u * 112);
}

// Coming back to the main window reloads the log: a row typed without RETURN is gone.
TEST_F(ProgrammeSaisie, OnlyReturnSaves) {
    ASSERT_TRUE(b.p.Form_choix_fichier.BitBtn_fichier_closeClick());
    taper("f6yla");
    frapper(touche::espace, ' ');
    EXPECT_EQ(b.p.grille.cellule(k::nom, 1), "MARIE");
    EXPECT_EQ(b.p.grille.cellule(k::categorie, 1), "YL");
    b.p.Form_main.FormActivate();
    EXPECT_EQ(b.p.grille.cellule(k::indicatif, 1), "");
    EXPECT_EQ(log().size(), 2u * 112);
}

} // namespace

// QSO entry around the clock: the time modes and their buttons, the one-second tick with
// its backup copy, Up and Down in deferred-time mode, the lock of the date and time cells,
// and deleting and inserting rows.
#include "log/banc_saisie.h"
#include "platform/cp1252.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

namespace k = colonne;
using Temps = BancSaisie;
using Lignes = BancSaisie;

TEST_F(Temps, TheModeButtonsSwitchTickLabelAndPickers) {
    int changements = 0;
    saisie.sur_changement = [&] { ++changements; };
    EXPECT_FALSE(etat.temps_reel);
    EXPECT_TRUE(saisie.DateTimePicker_date().Enabled);
    EXPECT_TRUE(saisie.DateTimePicker_time().Enabled);

    saisie.SpeedButton_temps_reelClick();
    EXPECT_TRUE(etat.temps_reel);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(saisie.Label_temps(), "Temps reel");
    EXPECT_FALSE(saisie.DateTimePicker_date().Enabled);
    EXPECT_FALSE(saisie.DateTimePicker_time().Enabled);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(changements, 1);

    saisie.SpeedButton_temps_differeClick();
    EXPECT_FALSE(etat.temps_reel);
    EXPECT_FALSE(minuterie.actif());
    EXPECT_EQ(saisie.Label_temps(), "Temps differe");
    EXPECT_TRUE(saisie.DateTimePicker_date().Enabled);
    EXPECT_TRUE(saisie.DateTimePicker_time().Enabled);
    EXPECT_EQ(dialogues.messages, std::vector<std::string>{"Reglez la QTR"});
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(changements, 2);
}

TEST_F(Temps, TheRealTimeTickHoldsTheEntryRowAtUtcAndWritesTheCopy) {
    test::DossierTemp cle;
    etat.lecteur_sauvegarde = cle.chemin();
    log_de(1);
    saisie.SpeedButton_temps_reelClick();
    horloge.regler(2021, 12, 31, 23, 58, 30);
    saisie.Timer1Timer();
    EXPECT_EQ(saisie.DateTimePicker_date().date.annee, 2021);
    EXPECT_EQ(saisie.DateTimePicker_date().date.mois, 12);
    EXPECT_EQ(saisie.DateTimePicker_date().date.jour, 31);
    EXPECT_EQ(saisie.DateTimePicker_time().heure, 23);
    EXPECT_EQ(saisie.DateTimePicker_time().minute, 58);
    EXPECT_EQ(saisie.DateTimePicker_time().seconde, 30);
    EXPECT_EQ(grille.cellule(k::date, 2), "31/12/2021");
    EXPECT_EQ(grille.cellule(k::heure, 2), "23:58");
    // Only the entry row follows the clock.
    EXPECT_EQ(grille.cellule(k::heure, 1), "13:07");
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(cle.lire("X.YL_01.sav"), zeros() + attendu("DL1AA").octets());

    // A copy at most once a minute.
    horloge.regler(2021, 12, 31, 23, 59, 20);
    saisie.Timer1Timer();
    EXPECT_FALSE(std::filesystem::exists(cle / "X.YL_02.sav"));
    horloge.regler(2022, 1, 1, 0, 0, 1);
    saisie.Timer1Timer();
    EXPECT_EQ(grille.cellule(k::date, 2), "01/01/2022");
    EXPECT_EQ(grille.cellule(k::heure, 2), "00:00");
    EXPECT_TRUE(std::filesystem::exists(cle / "X.YL_02.sav"));
}

TEST_F(Temps, InDeferredTimeTheTickChangesNothing) {
    test::DossierTemp cle;
    etat.lecteur_sauvegarde = cle.chemin();
    log_de(1);
    saisie.set_DateTimePicker_date({2019, 2, 3});
    saisie.set_DateTimePicker_time(4, 5, 6);
    horloge.regler(2021, 12, 31, 23, 58, 30);
    saisie.Timer1Timer();
    EXPECT_EQ(saisie.DateTimePicker_date().date.annee, 2019);
    EXPECT_EQ(saisie.DateTimePicker_time().heure, 4);
    EXPECT_EQ(grille.cellule(k::date, 2), "");
    EXPECT_EQ(grille.cellule(k::heure, 2), "");
    EXPECT_TRUE(std::filesystem::is_empty(cle.chemin()));
    // The tick still starts itself again: the next activation may be in real time.
    EXPECT_TRUE(minuterie.actif());
}

TEST_F(Temps, AfterAFailedCopyTheTickRunsAgain) {
    test::DossierTemp cle;
    etat.lecteur_sauvegarde = cle.chemin() / "retire";
    lecteurs.code = static_cast<int>(TypeLecteur::inexistant);
    log_de(1);
    saisie.SpeedButton_temps_reelClick();
    saisie.Timer1Timer();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(grille.cellule(k::heure, 2), "13:07");
}

TEST_F(Temps, NoTickRunsInsideAnotherOperation) {
    test::DossierTemp cle;
    etat.lecteur_sauvegarde = cle.chemin();
    log_de(2);
    saisie.SpeedButton_temps_reelClick();
    dialogues.pendant_question = [this] { saisie.Timer1Timer(); };
    dialogues.reponses = {false};
    grille.selectionner(k::indicatif, 1);
    saisie.Effacercetteligne1Click();
    ASSERT_EQ(dialogues.questions.size(), 1u);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_EQ(grille.cellule(k::heure, 3), "");
    EXPECT_TRUE(std::filesystem::is_empty(cle.chemin()));
    EXPECT_TRUE(minuterie.actif());
    // Outside of it the tick works.
    saisie.Timer1Timer();
    EXPECT_EQ(grille.cellule(k::heure, 3), "13:07");
}

// UTC comes from the clock itself: in a zone half an hour off whole hours it is still
// the true UTC.
TEST_F(Temps, UtcIsRightInAHalfHourZone) {
    const char* ancien = std::getenv("TZ");
    const std::string sauve = ancien ? ancien : "";
    ::setenv("TZ", "Asia/Kolkata", 1);
    ::tzset();
    log_de(0);
    saisie.SpeedButton_temps_reelClick();
    horloge.regler(2021, 3, 12, 13, 7, 30);
    saisie.Timer1Timer();
    const std::string vu = grille.cellule(k::heure, 1);
    if (ancien)
        ::setenv("TZ", sauve.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(vu, "13:07");
}

// A QSO completed in real time gets the time of its RETURN, not the pickers' value of
// the last tick.
TEST_F(Temps, ReturnInRealTimeTakesTheClockNotAStaleTick) {
    log_de(0);
    saisie.SpeedButton_temps_reelClick();
    horloge.regler(2021, 3, 12, 10, 0, 0);
    saisie.Timer1Timer();
    horloge.regler(2021, 3, 12, 10, 5, 59);
    taper("f6kaz");
    retour();
    EXPECT_EQ(grille.cellule(k::heure, 1), "10:05");
    EXPECT_EQ(saisie.DateTimePicker_time().minute, 5);
}

TEST_F(Temps, UpAndDownSetTheTimeOfTheCurrentRowInDeferredTime) {
    log_de(2);
    saisie.set_DateTimePicker_date({2021, 3, 12});
    saisie.set_DateTimePicker_time(13, 7);
    grille.selectionner(k::nom, 1);
    int t = touche::haut;
    saisie.Grille_logKeyDown(t, {});
    EXPECT_EQ(t, 0);
    EXPECT_EQ(grille.cellule(k::heure, 1), "13:08");
    EXPECT_EQ(grille.Row(), 1);
    EXPECT_EQ(grille.Col(), k::nom);
    bas();
    bas();
    EXPECT_EQ(grille.cellule(k::heure, 1), "13:06");
    EXPECT_EQ(saisie.DateTimePicker_time().minute, 6);
    // Other rows and the date cell stay.
    EXPECT_EQ(grille.cellule(k::heure, 2), "13:07");
    EXPECT_EQ(grille.cellule(k::date, 1), "12/03/2021");
}

TEST_F(Temps, UpAndDownCrossMidnightOnTheDatePicker) {
    log_de(0);
    saisie.set_DateTimePicker_date({2021, 12, 31});
    saisie.set_DateTimePicker_time(23, 59);
    haut();
    EXPECT_EQ(grille.cellule(k::heure, 1), "00:00");
    EXPECT_EQ(saisie.DateTimePicker_date().date.annee, 2022);
    EXPECT_EQ(saisie.DateTimePicker_date().date.mois, 1);
    EXPECT_EQ(saisie.DateTimePicker_date().date.jour, 1);
    bas();
    EXPECT_EQ(grille.cellule(k::heure, 1), "23:59");
    EXPECT_EQ(saisie.DateTimePicker_date().date.annee, 2021);
    EXPECT_EQ(saisie.DateTimePicker_date().date.jour, 31);

    saisie.set_DateTimePicker_date({2024, 3, 1});
    saisie.set_DateTimePicker_time(0, 0);
    bas();
    EXPECT_EQ(saisie.DateTimePicker_date().date.mois, 2);
    EXPECT_EQ(saisie.DateTimePicker_date().date.jour, 29);
    EXPECT_EQ(saisie.DateTimePicker_time().heure, 23);
    // RETURN then stamps the date the picker shows.
    taper("f6kaz");
    retour();
    EXPECT_EQ(grille.cellule(k::date, 1), "29/02/2024");
    EXPECT_EQ(grille.cellule(k::heure, 1), "23:59");
}

TEST_F(Temps, InRealTimeTheArrowsMoveTheCursorAsUsual) {
    log_de(2);
    saisie.SpeedButton_temps_reelClick();
    grille.selectionner(k::indicatif, 1);
    for (int code : {touche::haut, touche::bas}) {
        int t = code;
        saisie.Grille_logKeyDown(t, {});
        EXPECT_EQ(t, code);
    }
    EXPECT_EQ(grille.cellule(k::heure, 1), "13:07");
}

TEST_F(Temps, InRealTimeTheDateAndTimeCellsAreLocked) {
    const std::string verrou =
        cp1252("Pour modifier une date ou une QTR, passer en temps différé, régler l'heure "
               "avec les touches \"Flèche haut\" et \"Flèche bas\", puis RETURN");
    log_de(1);
    saisie.SpeedButton_temps_reelClick();
    for (int col : {k::date, k::heure}) {
        saisie.Grille_logSelectCell(col, 1);
        grille.selectionner(col, 1);
        EXPECT_FALSE(saisie.edition_permise()) << col;
        saisie.Grille_logClick();
    }
    EXPECT_EQ(dialogues.messages, (std::vector<std::string>{verrou, verrou}));
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    saisie.Grille_logSelectCell(k::indicatif, 1);
    grille.selectionner(k::indicatif, 1);
    EXPECT_TRUE(saisie.edition_permise());
    saisie.Grille_logClick();
    EXPECT_EQ(dialogues.messages.size(), 2u);

    // In deferred time every cell can be edited, and a click says nothing.
    saisie.SpeedButton_temps_differeClick();
    dialogues.messages.clear();
    saisie.Grille_logSelectCell(k::heure, 1);
    grille.selectionner(k::heure, 1);
    EXPECT_TRUE(saisie.edition_permise());
    saisie.Grille_logClick();
    EXPECT_TRUE(dialogues.messages.empty());
    // Switching to real time while standing on the time cell locks it at once.
    saisie.SpeedButton_temps_reelClick();
    EXPECT_FALSE(saisie.edition_permise());
}

TEST_F(Lignes, AltWAsksAndDeletesTheCurrentRow) {
    log_de(3);
    const std::string avant = lire_log();
    grille.selectionner(k::indicatif, 2);
    dialogues.reponses = {false};
    alt_w();
    EXPECT_EQ(dialogues.questions,
              std::vector<std::string>{"Confirmez la suppression de la ligne 2"});
    EXPECT_EQ(indicatifs(), (std::vector<std::string>{"DL1AA/1", "DL2AA/2", "DL3AA/3", "/4"}));
    EXPECT_EQ(lire_log(), avant);
    EXPECT_FALSE(std::filesystem::exists(prog / "Files/X.BAK"));
    EXPECT_EQ(scores, 0);

    dialogues.reponses = {true};
    alt_w();
    EXPECT_EQ(indicatifs(), (std::vector<std::string>{"DL1AA/1", "DL3AA/2", "/3"}));
    EXPECT_EQ(grille.Row(), 2);
    EXPECT_EQ(lire_log(),
              entete().octets() + attendu("DL1AA").octets() + attendu("DL3AA").octets());
    EXPECT_EQ(prog.lire("Files/X.BAK"), avant);
    EXPECT_EQ(scores, 1);
}

TEST_F(Lignes, OnlyAltAloneWithWDeletes) {
    log_de(3);
    grille.selectionner(k::indicatif, 2);
    dialogues.reponses = {true, true, true};
    for (EtatTouches e : {EtatTouches{true, true, false}, EtatTouches{false, true, true},
                          EtatTouches{false, false, true}}) {
        int t = 'W';
        saisie.Grille_logKeyDown(t, e);
        EXPECT_EQ(t, 'W');
    }
    EXPECT_TRUE(dialogues.questions.empty());
    EXPECT_EQ(grille.RowCount(), 5);
}

TEST_F(Lignes, DeletingOnTheEntryRowRemovesNothingButRewritesTheLog) {
    log_de(2);
    const std::string avant = lire_log();
    ASSERT_EQ(grille.Row(), 3);
    dialogues.reponses = {true};
    saisie.Effacercetteligne1Click();
    EXPECT_EQ(dialogues.questions,
              std::vector<std::string>{"Confirmez la suppression de la ligne 3"});
    EXPECT_EQ(indicatifs(), (std::vector<std::string>{"DL1AA/1", "DL2AA/2", "/3"}));
    EXPECT_EQ(prog.lire("Files/X.BAK"), avant);
    EXPECT_EQ(lire_log(), avant);
    EXPECT_EQ(scores, 1);
}

TEST_F(Lignes, InsertingPutsABlankRowAtTheCursor) {
    log_de(3);
    const std::string avant = lire_log();
    grille.selectionner(k::rst_recu, 2);
    dialogues.reponses = {false};
    saisie.Insrerunelignevide1Click();
    EXPECT_EQ(dialogues.questions, std::vector<std::string>{"Confirmez l'insertion d'une ligne"});
    EXPECT_EQ(grille.RowCount(), 5);
    EXPECT_EQ(lire_log(), avant);

    dialogues.reponses = {true};
    saisie.Insrerunelignevide1Click();
    EXPECT_EQ(indicatifs(),
              (std::vector<std::string>{"DL1AA/1", "/2", "DL2AA/3", "DL3AA/4", "/5"}));
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        if (c != k::numero) {
            EXPECT_EQ(grille.cellule(c, 2), "") << c;
        }
    EXPECT_EQ(grille.cellule(k::nom, 3), "MARIE");
    EXPECT_EQ(lire_log(), entete().octets() + attendu("DL1AA").octets() + zeros() +
                              attendu("DL2AA").octets() + attendu("DL3AA").octets());
    EXPECT_EQ(prog.lire("Files/X.BAK"), avant);

    // The blank row stays blank through a reload, and later rows keep their numbers.
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(indicatifs(),
              (std::vector<std::string>{"DL1AA/1", "/2", "DL2AA/3", "DL3AA/4", "/5"}));
}

} // namespace

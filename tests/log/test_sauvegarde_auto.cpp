// The rotating ".sav" copies on the backup drive and the once-a-minute check.
#include "log/banc_stockage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

using std::chrono::seconds;

TEST(SuffixeCopie, TheNumberAfterTheNewestMatchingFile) {
    const auto t0 = std::filesystem::file_time_type::clock::now();
    struct Cas {
        const char* nom;
        std::vector<FichierRacine> fichiers;
        const char* attendu;
    } cas[] = {
        {"empty drive", {}, "_01"},
        {"no matching file", {{"Y.YL_05.sav", t0}, {"notes.txt", t0 + seconds(9)}}, "_01"},
        {"03 newest", {{"X.YL_09.sav", t0}, {"X.YL_03.sav", t0 + seconds(5)}}, "_04"},
        {"09 gives 10", {{"X.YL_09.sav", t0}}, "_10"},
        {"10 wraps to 01", {{"X.YL_03.sav", t0}, {"X.YL_10.sav", t0 + seconds(1)}}, "_01"},
        {"an unrelated newer file does not count",
         {{"X.YL_06.sav", t0}, {"other.txt", t0 + seconds(60)}},
         "_07"},
        {"two letters count as 0", {{"X.YL_ab.sav", t0}}, "_01"},
        {"one letter and a digit count as 0", {{"X.YL_4x.sav", t0}}, "_01"},
        {"the name alone counts as 0", {{"X.YL", t0}}, "_01"},
        {"a single digit at the end", {{"X.YL_7", t0}}, "_08"},
        {"a tie goes to the first listed", {{"X.YL_02.sav", t0}, {"X.YL_07.sav", t0}}, "_03"},
        {"the name anywhere in the file name", {{"old-X.YL_05.sav", t0}}, "_06"},
        {"a number above 10 wraps", {{"X.YL_42.sav", t0}}, "_01"},
        {"case counts", {{"x.yl_05.sav", t0}}, "_01"},
        {"signs are not digits", {{"X.YL_-1.sav", t0}}, "_01"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(suffixe_copie(c.fichiers, "X.YL"), c.attendu) << c.nom;
}

class Copie : public BancStockage {
  protected:
    Copie() {
        std::filesystem::create_directories(prog / "cle");
        racine = prog / "cle";
        qso(1, "DL1AA");
        grille.set_RowCount(4);
        qso(3, "F5ZZ", "80", "PAUL");
        // The entry row in real-time mode: the tick's date and time, no callsign yet.
        grille.set_RowCount(5);
        grille.set_cellule(colonne::date, 4, "12/03/2021");
        grille.set_cellule(colonne::heure, 4, "13:08");
    }
    // The copy of this table: zero bytes at record 0, the QSO rows at their places.
    std::string contenu_attendu() const {
        return zeros() + attendu("DL1AA").octets() + zeros() +
               attendu("F5ZZ", "80", "PAUL").octets();
    }
    void poser(const std::string& nom, int age_secondes) {
        prog.ecrire("cle/" + nom, "old copy");
        std::filesystem::last_write_time(prog / ("cle/" + nom),
                                         std::filesystem::file_time_type::clock::now() -
                                             seconds(age_secondes));
    }
    std::vector<std::string> copies() const {
        std::vector<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(racine))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    std::filesystem::path racine;
};

TEST_F(Copie, OnAnEmptyDriveTheFirstCopyIs01AndRecordZeroHoldsZeros) {
    minuterie.demarrer();
    ASSERT_TRUE(stockage.Sauvegarde_auto(racine, "X.YL"));
    EXPECT_EQ(copies(), (std::vector<std::string>{"X.YL_01.sav"}));
    EXPECT_EQ(prog.lire("cle/X.YL_01.sav"), contenu_attendu());
    EXPECT_TRUE(minuterie.actif());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Copie, After10Comes01AndAfter03Comes04) {
    poser("X.YL_03.sav", 300);
    poser("X.YL_10.sav", 100);
    poser("notes.txt", 10);
    ASSERT_TRUE(stockage.Sauvegarde_auto(racine, "X.YL"));
    EXPECT_EQ(prog.lire("cle/X.YL_01.sav"), contenu_attendu());
    EXPECT_EQ(prog.lire("cle/X.YL_10.sav"), "old copy");

    poser("X.YL_01.sav", 500); // now the oldest
    poser("X.YL_03.sav", 50);
    ASSERT_TRUE(stockage.Sauvegarde_auto(racine, "X.YL"));
    EXPECT_EQ(prog.lire("cle/X.YL_04.sav"), contenu_attendu());
    EXPECT_EQ(prog.lire("cle/X.YL_03.sav"), "old copy");
}

TEST_F(Copie, ACopyLoadsLikeALogFile) {
    ASSERT_TRUE(stockage.Sauvegarde_auto(racine, "X.YL"));
    ecrire_log(prog.lire("cle/X.YL_01.sav"));
    ASSERT_TRUE(stockage.Charger_log());
    EXPECT_EQ(grille.RowCount(), 5);
    EXPECT_EQ(grille.cellule(colonne::indicatif, 1), "DL1AA");
    EXPECT_EQ(grille.cellule(colonne::indicatif, 2), "");
    EXPECT_EQ(grille.cellule(colonne::nom, 3), "PAUL");
}

TEST_F(Copie, AnExistingCopyOfTheChosenNumberIsReplaced) {
    poser("X.YL_05.sav", 10);
    poser("X.YL_06.sav", 1000);
    ASSERT_TRUE(stockage.Sauvegarde_auto(racine, "X.YL"));
    EXPECT_EQ(prog.lire("cle/X.YL_06.sav"), contenu_attendu());
    EXPECT_EQ(copies().size(), 2u);
}

TEST_F(Copie, AVanishedDriveIsReportedAndTheTickRunsAgain) {
    LecteursLinux montages(
        [] { return std::string("/dev/vda / ext4 rw 0 0\n"); },
        [](const std::filesystem::path& p) { return std::filesystem::is_directory(p); });
    StockageLog s(etat, grille, bandes, station, emplacement, dossiers, dialogues, minuterie,
                  horloge, montages);
    minuterie.demarrer();
    EXPECT_FALSE(s.Sauvegarde_auto(prog / "unplugged", "X.YL"));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOENT)), std::string::npos);
    // Its mount folder left behind is not the drive: nothing lands on the disk beneath.
    EXPECT_FALSE(s.Sauvegarde_auto(racine, "X.YL"));
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_NE(dialogues.messages[1].find(std::strerror(ENODEV)), std::string::npos);
    EXPECT_TRUE(copies().empty());
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(grille.cellule(colonne::indicatif, 3), "F5ZZ");
}

TEST_F(Copie, AWriteFailureIsReportedAndTheTickRunsAgain) {
    prog.ecrire("fichier", "not a folder");
    EXPECT_FALSE(stockage.Sauvegarde_auto(prog / "fichier", "X.YL"));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].find(std::strerror(ENOTDIR)), std::string::npos);
    EXPECT_FALSE(dialogues.tick_pendant_une_boite);
    EXPECT_TRUE(minuterie.actif());
    EXPECT_EQ(prog.lire("fichier"), "not a folder");
}

TEST_F(Copie, ADriveOfUnknownTypeIsSkippedSilently) {
    lecteurs.code = static_cast<int>(TypeLecteur::indetermine);
    EXPECT_FALSE(stockage.Sauvegarde_auto(racine, "X.YL"));
    EXPECT_TRUE(copies().empty());
    EXPECT_TRUE(dialogues.messages.empty());
}

class Controle : public Copie {
  protected:
    Controle() {
        etat.temps_reel = true;
        etat.lecteur_sauvegarde = racine;
    }
    void tick(int h, int m, int s) {
        horloge.regler(2021, 3, 12, h, m, s);
        stockage.Controle_sauvegarde(horloge.utc());
    }
};

TEST_F(Controle, OneCopyOnTheFirstTickThenOnTheFirstTickAfterEachMinute) {
    tick(13, 7, 0);
    EXPECT_EQ(copies(), (std::vector<std::string>{"X.YL_01.sav"}));
    tick(13, 7, 1);
    tick(13, 7, 59);
    tick(13, 8, 0); // exactly one minute later is not later
    EXPECT_EQ(copies().size(), 1u);
    tick(13, 8, 1);
    EXPECT_EQ(copies(), (std::vector<std::string>{"X.YL_01.sav", "X.YL_02.sav"}));
    tick(13, 8, 30);
    EXPECT_EQ(copies().size(), 2u);
    tick(14, 0, 0);
    EXPECT_EQ(copies().size(), 3u);
}

TEST_F(Controle, TheDueTimeCrossesMidnight) {
    tick(23, 59, 30);
    horloge.t += seconds(45); // 00:00:15 the next day
    stockage.Controle_sauvegarde(horloge.utc());
    EXPECT_EQ(copies().size(), 1u);
    horloge.t += seconds(20);
    stockage.Controle_sauvegarde(horloge.utc());
    EXPECT_EQ(copies().size(), 2u);
}

TEST_F(Controle, DeferredTimeWritesNoCopy) {
    etat.temps_reel = false;
    tick(13, 7, 0);
    tick(13, 9, 0);
    EXPECT_TRUE(copies().empty());
    EXPECT_EQ(etat.prochaine_sauvegarde, 0);
}

TEST_F(Controle, WithoutADriveTheDueTimeStillMoves) {
    etat.lecteur_sauvegarde.reset();
    tick(13, 7, 0);
    EXPECT_TRUE(copies().empty());
    etat.lecteur_sauvegarde = racine;
    tick(13, 7, 30); // still within the minute of the first tick
    EXPECT_TRUE(copies().empty());
    tick(13, 8, 1);
    EXPECT_EQ(copies().size(), 1u);
}

TEST_F(Controle, AFailedCopyWaitsForTheNextMinute) {
    etat.lecteur_sauvegarde = prog / "gone";
    tick(13, 7, 0);
    tick(13, 7, 10);
    EXPECT_EQ(dialogues.messages.size(), 1u);
    tick(13, 8, 1);
    EXPECT_EQ(dialogues.messages.size(), 2u);
}

} // namespace

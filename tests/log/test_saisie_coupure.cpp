// A logger killed at any moment keeps every QSO whose RETURN had returned: a child process
// types QSOs through the entry handlers into a real log file and is killed with SIGKILL at
// random moments; it reports each completed RETURN through a pipe.
#include "log/faux_stockage.h"
#include "log/saisie_qso.h"
#include "log/stockage_log.h"
#include "support/dossier_temp.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <random>
#include <set>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

// Any message in the child is a fault: it leaves at once with this status.
class DialoguesInterdits : public FauxDialogues {
  public:
    using FauxDialogues::FauxDialogues;
    void message(const std::string& texte) override {
        const std::string ligne = "message: " + texte + "\n";
        [[maybe_unused]] auto n = ::write(2, ligne.data(), ligne.size());
        ::_exit(3);
    }
};

struct Session {
    explicit Session(const Dossiers& d) : dossiers(d), bandes(grille), dialogues(minuterie) {
        emplacement.CHEMIN_FICHIER = dossiers.CHEMIN_FILES;
        emplacement.NOM_FICHIER = "COUPURE.YL";
        station.OPERATOR = "F4ABC";
        station.MY_STATION = "F4ABC";
        station.MY_SEXE = "YL";
        bandes.initialiser();
        horloge.regler(2021, 3, 12, 13, 7, 0);
        saisie.set_DateTimePicker_date({2021, 3, 12});
    }
    Dossiers dossiers;
    EmplacementLog emplacement;
    StationRecord station;
    Grille_log grille;
    Grille_band bandes;
    EtatLog etat;
    FausseMinuterie minuterie;
    DialoguesInterdits dialogues;
    FausseHorloge horloge;
    FauxLecteurs lecteurs;
    Catalogue catalogue;
    StockageLog stockage{etat,     grille,    bandes,    station, emplacement,
                         dossiers, dialogues, minuterie, horloge, lecteurs};
    Saisie_QSO saisie{grille, bandes, etat, stockage, catalogue, dialogues, minuterie, horloge};

    void frapper(int code, char c) {
        saisie.Grille_logKeyDown(code, {});
        if (code == 0) return;
        saisie.Grille_logKeyPress(c);
        if (c == 0) return;
        grille.set_cellule(grille.Col(), grille.Row(),
                           grille.cellule(grille.Col(), grille.Row()) + c);
    }
};

std::string indicatif(int r) {
    return "T" + std::to_string(r);
}

// Logs QSOs until it is killed: the callsign of row r is "T" and r.
[[noreturn]] void enfant(const Dossiers& dossiers, int tube) {
    Session s(dossiers);
    if (!s.stockage.Charger_log()) ::_exit(4);
    for (;;) {
        const std::int32_t r = s.grille.Row();
        for (char c : indicatif(r))
            s.frapper(static_cast<unsigned char>(c), c);
        for (int i = 0; i < 3; ++i)
            s.frapper(touche::espace, ' ');
        s.frapper('Y', 'y');
        s.frapper(touche::retour, '\r');
        if (s.grille.Row() != r + 1) ::_exit(5);
        if (::write(tube, &r, sizeof r) != sizeof r) ::_exit(6);
    }
}

TEST(Coupure, EveryQsoWhoseReturnReturnedSurvivesAKill) {
    DossierTemp prog;
    const Dossiers dossiers = Dossiers::depuis(prog.chemin());
    dossiers.creer_sous_dossiers();
    const auto log = prog / "Files/COUPURE.YL";
    {
        Session s(dossiers);
        ASSERT_TRUE(s.stockage.Ecrire_entete());
    }

    std::mt19937 alea(20210312);
    std::uniform_int_distribution<int> attente_us(0, 40000);
    std::set<std::int32_t> signales;
    int tues = 0, perdus = 0;
    for (int essai = 0; essai < 50; ++essai) {
        int tube[2];
        ASSERT_EQ(::pipe(tube), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(tube[0]);
            enfant(dossiers, tube[1]);
        }
        ::close(tube[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(attente_us(alea)));
        ::kill(pid, SIGKILL);
        int statut = 0;
        ASSERT_EQ(::waitpid(pid, &statut, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL)
            << "the child stopped by itself, status " << statut;
        ++tues;
        std::int32_t r = 0;
        while (::read(tube[0], &r, sizeof r) == sizeof r)
            signales.insert(r);
        ::close(tube[0]);

        // The file loads, whole, and holds every reported QSO at its row.
        Session lecture(dossiers);
        ASSERT_TRUE(lecture.stockage.Charger_log());
        EXPECT_EQ(std::filesystem::file_size(log) % 112, 0u);
        for (const std::int32_t q : signales) {
            const bool present = q < lecture.grille.RowCount() &&
                                 lecture.grille.cellule(colonne::indicatif, q) == indicatif(q) &&
                                 lecture.grille.cellule(colonne::categorie, q) == "YL";
            if (!present) ++perdus;
        }
        if (perdus) break;
    }
    std::cout << tues << " kills, " << signales.size() << " QSOs, " << perdus << " lost\n";
    EXPECT_EQ(perdus, 0);
    EXPECT_EQ(tues, 50);
    // The kills must have fallen while QSOs were being logged, not only before.
    EXPECT_GT(signales.size(), 50u);
}

} // namespace

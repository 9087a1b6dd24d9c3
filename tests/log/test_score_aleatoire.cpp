// The one-pass recomputation against the rules written out row by row, on random tables
// full of the awkward cases: portable and prefixed calls, blanks, repeated calls and
// countries, three dates, empty and odd bands, stale computed columns, either sex.
#include "log/score.h"
#include "log/score_outils.h"
#include "log/score_reference.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

using namespace ylkaz;
using namespace ylkaz::test;
namespace k = ylkaz::colonne;

namespace {

class Tirage {
  public:
    explicit Tirage(unsigned graine) : alea_(graine) {}

    template <class T> const T& parmi(const std::vector<T>& v) {
        return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(alea_)];
    }
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
    bool sur(int n) { return entre(1, n) == 1; }

    std::string indicatif() {
        static const std::vector<std::string> bases = {
            "F4ABC",  "F5XYZ", "DL1ABC", "DL2XY", "9A1AA", "K1ZZ",   "VK9XX", "VK2AB",
            "JA1ABC", "G3ABC", "ON4AA",  "LU1AA", "ZZ1AB", "3DA0XX", "TK5A"};
        static const std::vector<std::string> etranges = {
            "",       "",        " ",        "   ",      "/",     "/P",
            "F4ABC/", "DL/",     "DL/AB1CD", "AB1CD",    "f4abc", " F4ABC",
            "F4ABC ", "F/F4ABC", "F4ABC/DL", "\xE9\xFF", "9",     "Q"};
        if (sur(6)) return parmi(etranges);
        std::string s = parmi(bases);
        switch (entre(0, 9)) {
        case 0:
            s += parmi<std::string>({"/P", "/M", "/MM", "/QRP", "/A", "/N", "/9"});
            break;
        case 1:
            s = parmi<std::string>({"DL/", "F/", "VK9/", "9A/"}) + s;
            break;
        case 2:
            s = "DL/" + s + "/P";
            break;
        default:
            break;
        }
        return s;
    }

    Grille_log table() {
        static const std::vector<std::string> bandes = {"80", "40", "20", "15", "10",  "80",  "40",
                                                        "20", "15", "10", "",   "160", "40 ", "x"};
        static const std::vector<std::string> dates = {
            "01/03/2025", "02/03/2025", "03/03/2025", "01/03/2025", "02/03/2025", "", " "};
        static const std::vector<std::string> sexes = {"YL", "OM", "YL", "OM", "", "Y"};
        static const std::vector<std::string> vieux = {"",   "",     "F", "DL",   "9A",
                                                       "VK", "VK9X", "M", "junk", " - M - - -"};
        Grille_log g;
        const int n = sur(10) ? entre(100, 300) : entre(0, 40);
        g.set_RowCount(n + 2);
        // Narrow choices per table so that calls, countries and dates repeat often.
        const int nb_dates = entre(1, static_cast<int>(dates.size()));
        for (int r = 1; r < g.RowCount(); ++r) {
            if (r == g.RowCount() - 1 && !sur(4)) break; // usually an empty entry row
            g.set_cellule(k::bande, r, parmi(bandes));
            g.set_cellule(k::date, r, dates[static_cast<std::size_t>(entre(0, nb_dates - 1))]);
            g.set_cellule(k::heure, r,
                          std::to_string(entre(10, 23)) + ":" + std::to_string(entre(10, 59)));
            g.set_cellule(k::indicatif, r, indicatif());
            g.set_cellule(k::categorie, r, parmi(sexes));
            for (int c = k::nom; c <= k::doublon; ++c)
                if (sur(3)) g.set_cellule(c, r, parmi(vieux));
        }
        g.renumeroter();
        return g;
    }

    std::string sexe() { return parmi<std::string>({"YL", "OM", "", "yl"}); }

  private:
    std::mt19937 alea_;
};

std::string decrire(const Grille_log& g) {
    std::ostringstream o;
    for (int r = 1; r < g.RowCount(); ++r) {
        o << r << ":";
        for (int c = 0; c < Grille_log::COLONNES; ++c)
            o << " [" << g.cellule(c, r) << "]";
        o << "\n";
    }
    return o.str();
}

// Both sides of one comparison: a table, its totals and labels, and its own lookups (whose
// last results are part of what must agree).
struct Cote {
    Recherches prog;
    Grille_log g;
    EtatScore etat;
};

void comparer(const Cote& a, const Cote& b, const std::string& quoi) {
    ASSERT_EQ(a.g.RowCount(), b.g.RowCount()) << quoi;
    for (int r = 0; r < a.g.RowCount(); ++r)
        for (int c = 0; c < Grille_log::COLONNES; ++c)
            ASSERT_EQ(a.g.cellule(c, r), b.g.cellule(c, r))
                << quoi << ", row " << r << " col " << c << "\nbefore:\n"
                << decrire(b.g);
    ASSERT_EQ(a.etat.total_points, b.etat.total_points) << quoi;
    ASSERT_EQ(a.etat.total_multi, b.etat.total_multi) << quoi;
    ASSERT_EQ(a.etat.score, b.etat.score) << quoi;
    ASSERT_EQ(a.etat.Label_score, b.etat.Label_score) << quoi;
    ASSERT_EQ(a.etat.Label_his_continent, b.etat.Label_his_continent) << quoi;
    ASSERT_EQ(a.prog.reference.pays(), b.prog.reference.pays()) << quoi;
}

TEST(ScoreAleatoire, OnePassRecomputationMatchesTheRowByRowRules) {
    Cote rapide, lent;
    for (unsigned graine = 1; graine <= 2000; ++graine) {
        Tirage t(graine);
        rapide.g = lent.g = t.table();
        const std::string avant = decrire(lent.g);
        rapide.etat.Label_his_continent = lent.etat.Label_his_continent =
            t.parmi<std::string>({"", "EU", "AS"});
        const StationRecord station = station_de_sexe(t.sexe());
        Calcul_score(rapide.g, station, rapide.prog.reference, rapide.etat);
        reference::Calcul_score(lent.g, station, lent.prog.reference, lent.etat);
        comparer(rapide, lent, "seed " + std::to_string(graine) + "\n" + avant);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Entry evaluates one row at a time between recomputations and edits: every step must
// leave both tables equal.
TEST(ScoreAleatoire, SingleRowEvaluationMatchesTheRulesBetweenEdits) {
    Cote rapide, lent;
    for (unsigned graine = 1; graine <= 1000; ++graine) {
        Tirage t(graine);
        rapide.g = lent.g = t.table();
        const StationRecord station = station_de_sexe(t.sexe());
        // The same last lookup on both sides, for rows with an empty callsign.
        const std::string amorce = t.indicatif();
        rapide.prog.reference.Recherche_pays(amorce);
        lent.prog.reference.Recherche_pays(amorce);
        for (int pas = 0; pas < 8; ++pas) {
            const int row = t.entre(1, rapide.g.RowCount() - 1);
            std::string quoi = "seed " + std::to_string(graine) + " step " + std::to_string(pas);
            switch (t.entre(0, 3)) {
            case 0:
            case 1:
                quoi += " Calcul_ligne(" + std::to_string(row) + ")";
                Calcul_ligne(rapide.g, station, rapide.prog.reference, rapide.etat, row);
                reference::Calcul_ligne(lent.g, station, lent.prog.reference, lent.etat, row);
                break;
            case 2:
                quoi += " Calcul_score";
                Calcul_score(rapide.g, station, rapide.prog.reference, rapide.etat);
                reference::Calcul_score(lent.g, station, lent.prog.reference, lent.etat);
                break;
            default: {
                const int col = t.parmi<int>({k::bande, k::date, k::indicatif, k::pays});
                const std::string texte = col == k::indicatif ? t.indicatif()
                                          : col == k::pays ? t.parmi<std::string>({"", "F", "DL"})
                                                           : t.parmi<std::string>({"40", "20", ""});
                rapide.g.set_cellule(col, row, texte);
                lent.g.set_cellule(col, row, texte);
                break;
            }
            }
            comparer(rapide, lent, quoi);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

} // namespace

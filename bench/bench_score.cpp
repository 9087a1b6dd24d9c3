// Full recomputation of the score over contest-sized logs, with the real country file,
// and the same 10,000-row log through the row-by-row rules for comparison.
#include "../tests/log/score_reference.h"
#include "app/etat.h"
#include "log/grille_log.h"
#include "log/score.h"
#include "refdata/reference.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace ylkaz;
namespace k = ylkaz::colonne;

// A program folder holding the shipped country file and the prefix list made from it.
class ProgrammeBench {
  public:
    ProgrammeBench() {
        std::string modele =
            (std::filesystem::temp_directory_path() / "ylkaz-bench-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        dossier_ = modele;
        std::filesystem::copy_file(YLKAZ_SOURCE_DATA "/CTY_WT.DAT", dossier_ / "CTY_WT.DAT");
        dossiers_ = Dossiers::depuis(dossier_);
        reference_ = std::make_unique<Reference>(dossiers_);
        prefixes_ = reference_->Conversion_cty();
        if (prefixes_.empty()) throw std::runtime_error("country file not converted");
    }
    ~ProgrammeBench() {
        reference_.reset();
        std::error_code ec;
        std::filesystem::remove_all(dossier_, ec);
    }
    Reference& reference() { return *reference_; }
    const std::vector<std::string>& prefixes() const { return prefixes_; }

  private:
    std::filesystem::path dossier_;
    Dossiers dossiers_;
    std::unique_ptr<Reference> reference_;
    std::vector<std::string> prefixes_;
};

ProgrammeBench& programme() {
    static ProgrammeBench p;
    return p;
}

const StationRecord& station() {
    static const StationRecord s = [] {
        StationRecord r;
        r.MY_SEXE = "YL";
        return r;
    }();
    return s;
}

// A two-day log as a busy station makes it: calls from the whole country list, mostly on
// the low bands, some portable or prefixed, a few worked again on the same band.
Grille_log log_de_concours(int qsos) {
    std::mt19937 alea(20250301);
    const auto& prefixes = programme().prefixes();
    auto tirer = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); };
    const std::vector<std::string> bandes = {"80", "40", "40", "40", "20", "20", "15", "10"};
    Grille_log g;
    g.set_RowCount(qsos + 2);
    std::vector<std::string> faits;
    for (int r = 1; r <= qsos; ++r) {
        std::string indicatif;
        if (!faits.empty() && tirer(20) == 0) {
            indicatif = faits[static_cast<std::size_t>(tirer(static_cast<int>(faits.size())))];
        } else {
            // Most QSOs are with the nearby countries at the top of the popular list.
            const int n = static_cast<int>(prefixes.size());
            indicatif =
                prefixes[static_cast<std::size_t>(tirer(2) ? tirer(std::min(n, 40)) : tirer(n))];
            if (std::none_of(indicatif.begin(), indicatif.end(),
                             [](char c) { return c >= '0' && c <= '9'; }))
                indicatif += static_cast<char>('0' + tirer(10));
            for (int i = 0, n_lettres = 1 + tirer(3); i < n_lettres; ++i)
                indicatif += static_cast<char>('A' + tirer(26));
            faits.push_back(indicatif);
        }
        if (tirer(15) == 0) indicatif += "/P";
        if (tirer(40) == 0) indicatif = "F/" + indicatif;
        g.set_cellule(k::bande, r, bandes[static_cast<std::size_t>(tirer(8))]);
        g.set_cellule(k::date, r, r <= qsos / 2 ? "01/03/2025" : "02/03/2025");
        g.set_cellule(k::heure, r,
                      std::to_string(10 + tirer(14)) + ":" + std::to_string(10 + tirer(50)));
        g.set_cellule(k::indicatif, r, indicatif);
        g.set_cellule(k::categorie, r, tirer(3) ? "OM" : "YL");
    }
    g.renumeroter();
    return g;
}

const Grille_log& log_de(int qsos) {
    static std::map<int, Grille_log> logs;
    auto it = logs.find(qsos);
    if (it == logs.end()) it = logs.emplace(qsos, log_de_concours(qsos)).first;
    return it->second;
}

// From a log whose computed columns are still empty, as just loaded from its file.
void BM_Calcul_score(benchmark::State& state) {
    const Grille_log& modele = log_de(static_cast<int>(state.range(0)));
    EtatScore etat;
    for (auto _ : state) {
        state.PauseTiming();
        Grille_log g = modele;
        state.ResumeTiming();
        Calcul_score(g, station(), programme().reference(), etat);
        benchmark::DoNotOptimize(etat.score);
    }
    state.SetLabel(etat.Label_score);
}
BENCHMARK(BM_Calcul_score)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Again after each QSO: the log already holds the results of the previous recomputation.
void BM_Calcul_score_recalcul(benchmark::State& state) {
    Grille_log g = log_de(static_cast<int>(state.range(0)));
    EtatScore etat;
    Calcul_score(g, station(), programme().reference(), etat);
    for (auto _ : state) {
        Calcul_score(g, station(), programme().reference(), etat);
        benchmark::DoNotOptimize(etat.score);
    }
    state.SetLabel(etat.Label_score);
}
BENCHMARK(BM_Calcul_score_recalcul)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

double millisecondes(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The row-by-row rules on the 10,000-row log, with the one-pass recomputation of the same
// log timed alongside (best of 20) so that the ratio comes from one run on one machine.
void BM_Calcul_score_contre_regles(benchmark::State& state) {
    const Grille_log& modele = log_de(static_cast<int>(state.range(0)));
    double rapide = 1e300;
    EtatScore etat_rapide;
    Grille_log g_rapide;
    for (int i = 0; i < 20; ++i) {
        g_rapide = modele;
        const auto t0 = std::chrono::steady_clock::now();
        Calcul_score(g_rapide, station(), programme().reference(), etat_rapide);
        rapide = std::min(rapide, millisecondes(std::chrono::steady_clock::now() - t0));
    }
    double lent = 0;
    EtatScore etat_lent;
    for (auto _ : state) {
        state.PauseTiming();
        Grille_log g = modele;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        reference::Calcul_score(g, station(), programme().reference(), etat_lent);
        lent = millisecondes(std::chrono::steady_clock::now() - t0);
        benchmark::DoNotOptimize(etat_lent.score);
    }
    if (etat_lent.Label_score != etat_rapide.Label_score)
        state.SkipWithError("the two computations disagree");
    state.counters["one_pass_ms"] = rapide;
    state.counters["row_by_row_ms"] = lent;
    state.counters["ratio"] = lent / rapide;
    state.SetLabel(etat_lent.Label_score);
    std::printf("%d rows: one pass %.2f ms, row by row %.0f ms, ratio %.0f\n",
                static_cast<int>(state.range(0)), rapide, lent, lent / rapide);
}
BENCHMARK(BM_Calcul_score_contre_regles)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

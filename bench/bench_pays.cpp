// Recherche_pays per call on the real country file, as row evaluation runs it once per QSO.
#include "app/etat.h"
#include "platform/fichiers.h"
#include "refdata/reference.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace ylkaz;

class DossierBanc {
  public:
    DossierBanc() {
        std::string modele =
            (std::filesystem::temp_directory_path() / "ylkaz-bench-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        chemin_ = modele;
        const auto cty = lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT");
        if (!cty) throw std::runtime_error("data/CTY_WT.DAT missing");
        remplacer_fichier(chemin_ / "CTY_WT.DAT", *cty);
        dossiers = Dossiers::depuis(chemin_);
        Reference(dossiers).Conversion_cty();
        // A file just written is read again at each lookup until its status is old enough
        // to be trusted; measure the steady state.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ~DossierBanc() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    Dossiers dossiers;

  private:
    std::filesystem::path chemin_;
};

const std::vector<std::string> APPELS = {"F4ABC",  "DL1ABC", "9A1AA",    "3DA0XX",  "VK9XX",
                                         "B1ABC",  "G4XYZ",  "EA8/F4AB", "K1ABC/P", "JA1XYZ",
                                         "UA3ABC", "PY2AA",  "ZS6XX",    "VE3ABC",  "OH2BH",
                                         "HB9ABC", "ON4XX",  "I2ABC",    "SP9XYZ",  "YO3AA"};

void BM_Recherche_pays(benchmark::State& state) {
    DossierBanc banc;
    Reference ref(banc.dossiers);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ref.Recherche_pays(APPELS[i]).pays_dxcc.size());
        if (++i == APPELS.size()) i = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Recherche_pays);

// All four candidates tried, none found.
void BM_Recherche_pays_introuvable(benchmark::State& state) {
    DossierBanc banc;
    Reference ref(banc.dossiers);
    for (auto _ : state)
        benchmark::DoNotOptimize(ref.Recherche_pays("QQ9QQ").pays_dxcc.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_Recherche_pays_introuvable);

} // namespace

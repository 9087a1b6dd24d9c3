// The report files of a 10,000-QSO log, far above a contest's size: the Cabrillo text and
// the ADIF file with one country lookup per record on the real country file.
#include "app/etat.h"
#include "export/adif.h"
#include "export/cabrillo.h"
#include "log/grille_log.h"
#include "platform/fichiers.h"
#include "refdata/reference.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using namespace ylkaz;

constexpr int QSO = 10000;

class BancExport {
  public:
    BancExport() {
        std::string modele =
            (std::filesystem::temp_directory_path() / "ylkaz-bench-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        chemin_ = modele;
        const auto cty = lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT");
        if (!cty) throw std::runtime_error("data/CTY_WT.DAT missing");
        remplacer_fichier(chemin_ / "CTY_WT.DAT", *cty);
        dossiers = Dossiers::depuis(chemin_);
        dossiers.creer_sous_dossiers();
        Reference(dossiers).Conversion_cty();
        // The prefix list is trusted once its status is old enough; measure that state.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        emplacement = {dossiers.CHEMIN_FILES, "BANC.YL"};
        station.OPERATOR = station.MY_STATION = "F4ABC";
        station.MY_NAME = "Anne";
        station.MY_NRKAZ = "123";
        station.MY_SEXE = "YL";
        station.MY_CATEGORY = "B. <=100W";
        station.MY_STREET = "1 rue Haute, ";
        station.MY_CITY = "75001 Paris";
        const char* appels[] = {"DL1ABC", "G4XYZ", "9A1AA", "VK9XX", "K1ABC/P", "JA1XYZ"};
        const char* bandes[] = {"80", "40", "20", "15", "10"};
        grille.set_RowCount(QSO + 2);
        for (int r = 1; r <= QSO; ++r) {
            grille.set_cellule(colonne::bande, r, bandes[r % 5]);
            grille.set_cellule(colonne::date, r, "12/03/2021");
            grille.set_cellule(colonne::heure, r, "13:07");
            grille.set_cellule(colonne::indicatif, r, appels[r % 6]);
            grille.set_cellule(colonne::rst_envoye, r, "599");
            grille.set_cellule(colonne::rst_recu, r, "599");
            grille.set_cellule(colonne::categorie, r, r % 2 ? "YL" : "OM");
            grille.set_cellule(colonne::nom, r, "Marie");
            grille.set_cellule(colonne::numero_membre, r, r % 3 ? "45" : "NM");
        }
    }
    ~BancExport() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }

    Dossiers dossiers;
    EmplacementLog emplacement;
    StationRecord station;
    Grille_log grille;

  private:
    std::filesystem::path chemin_;
};

void BM_Creation_cabrillo_10000(benchmark::State& state) {
    BancExport banc;
    EtatCabrillo etat;
    for (auto _ : state)
        benchmark::DoNotOptimize(Creation_cabrillo(banc.grille, banc.station, {}, banc.dossiers,
                                                   banc.emplacement, etat));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * QSO);
}
BENCHMARK(BM_Creation_cabrillo_10000)->Unit(benchmark::kMillisecond);

void BM_Creation_adif_10000(benchmark::State& state) {
    BancExport banc;
    Reference reference(banc.dossiers);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Creation_adif(banc.grille, banc.station, banc.emplacement, reference));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * QSO);
}
BENCHMARK(BM_Creation_adif_10000)->Unit(benchmark::kMillisecond);

} // namespace

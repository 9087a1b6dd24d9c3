// The log file with 10,000 QSOs: loading it, writing one record (with its flush to the
// disk) and the full rewrite.
#include "log/stockage_log.h"
#include "platform/fichiers.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace ylkaz;

namespace {

class Silence : public Dialogues {
  public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> choisir_dossier(const std::string&) override { return {}; }
    void montrer(Fenetre) override {}
    void cacher(Fenetre) override {}
};

class Tick : public Minuterie {
  public:
    void demarrer() override {}
    void arreter() override {}
    bool actif() const override { return false; }
};

class AucunLecteur : public Lecteurs {
  public:
    std::vector<Lecteur> lister() const override { return {}; }
    int type(const std::filesystem::path&) const override { return 0; }
};

struct Banc {
    explicit Banc(int qso) {
        std::string modele = (std::filesystem::temp_directory_path() / "bench-log-XXXXXX").string();
        if (!::mkdtemp(modele.data())) std::abort();
        dossier = modele;
        emplacement = {nom_stocke(dossier), "X.YL"};
        station.OPERATOR = station.MY_STATION = "F4ABC";
        bandes.initialiser();
        TEnreg_QSO e;
        e.operateur = e.station = "F4ABC";
        e.date = 44267;
        e.heure = 0.5;
        e.bande = "40";
        e.rst_envoye = e.rst_recu = "599";
        e.categorie = "YL";
        e.nom = "MARIE";
        std::string contenu(TEnreg_QSO::TAILLE, '\0');
        for (int r = 1; r <= qso; ++r) {
            e.indicatif = "DL" + std::to_string(r) + "AA";
            const auto o = e.vers_octets();
            contenu.append(reinterpret_cast<const char*>(o.data()), o.size());
        }
        remplacer_fichier(dossier / "X.YL", contenu);
    }
    ~Banc() {
        std::error_code ec;
        std::filesystem::remove_all(dossier, ec);
    }
    std::filesystem::path dossier;
    EtatLog etat;
    Grille_log grille;
    Grille_band bandes{grille};
    StationRecord station;
    EmplacementLog emplacement;
    Dossiers dossiers;
    Silence dialogues;
    Tick tick;
    HorlogeSysteme horloge;
    AucunLecteur lecteurs;
    StockageLog stockage{etat,     grille,    bandes, station, emplacement,
                         dossiers, dialogues, tick,   horloge, lecteurs};
};

void BM_Charger_log_10000(benchmark::State& state) {
    Banc b(10000);
    for (auto _ : state) {
        b.stockage.Charger_log();
        benchmark::DoNotOptimize(b.grille.RowCount());
    }
}
BENCHMARK(BM_Charger_log_10000)->Unit(benchmark::kMillisecond);

void BM_Sauver_ligne_avec_fsync(benchmark::State& state) {
    Banc b(10000);
    b.stockage.Charger_log();
    const int r = b.grille.ligne_saisie();
    b.grille.set_cellule(colonne::date, r, "12/03/2021");
    b.grille.set_cellule(colonne::heure, r, "13:07");
    b.grille.set_cellule(colonne::indicatif, r, "F5ZZ");
    for (auto _ : state)
        benchmark::DoNotOptimize(b.stockage.Sauver_ligne(r));
}
BENCHMARK(BM_Sauver_ligne_avec_fsync)->Unit(benchmark::kMillisecond);

void BM_Reecrire_log_10000(benchmark::State& state) {
    Banc b(10000);
    b.stockage.Charger_log();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.stockage.Reecrire_log());
}
BENCHMARK(BM_Reecrire_log_10000)->Unit(benchmark::kMillisecond);

} // namespace

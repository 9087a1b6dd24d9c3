// RETURN on the entry row of a 10,000-QSO log, as the program state runs it: the member
// lookup, the row evaluation, the record written with its flush to the disk, the new entry
// row and the full score recomputation. Run once on the disk and once on a RAM file
// system, where the flush costs nothing, so that the flush is told apart.
#include "app/programme.h"
#include "log/fichier_log.h"
#include "platform/fichiers.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace ylkaz;

namespace {

class Silence : public Dialogues {
  public:
    void message(const std::string&) override { std::abort(); }
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

constexpr int QSO = 10000;
const char* const PREFIXES[] = {"DL", "F",  "EA", "I",  "G",  "OK", "SP", "ON", "PA", "HB9",
                                "OE", "LA", "SM", "OH", "YU", "UA", "JA", "W",  "VE", "LU"};
const char* const BANDES[] = {"80", "40", "20", "15", "10"};

// A program folder with the country file and a log of 10,000 QSOs over twenty countries
// and the five bands, loaded and scored.
struct Banc {
    explicit Banc(const std::filesystem::path& racine) {
        std::string modele = (racine / "bench-saisie-XXXXXX").string();
        if (!::mkdtemp(modele.data())) std::abort();
        dossier = modele;
        std::filesystem::copy_file(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT",
                                   dossier / "CTY_WT.DAT");
        p = std::make_unique<Programme>(
            dossier, Plateforme{dialogues, tick, horloge, lecteurs, mise_a_jour});
        p->dossiers = Dossiers::depuis(dossier);
        p->dossiers.creer_sous_dossiers();
        p->reference.Conversion_cty();
        p->station.OPERATOR = p->station.MY_STATION = "F4ABC";
        p->station.MY_SEXE = "YL";
        p->emplacement = {p->dossiers.CHEMIN_FILES, "X.YL"};
        TEnreg_QSO e;
        e.operateur = e.station = "F4ABC";
        e.date = 44267;
        e.heure = 0.5;
        e.rst_envoye = e.rst_recu = "599";
        std::string contenu(TEnreg_QSO::TAILLE, '\0');
        for (int r = 1; r <= QSO; ++r) {
            e.indicatif = std::string(PREFIXES[r % 20]) + std::to_string(r) + "AB";
            e.bande = BANDES[(r / 20) % 5];
            e.categorie = r % 3 ? "OM" : "YL";
            const auto o = e.vers_octets();
            contenu.append(reinterpret_cast<const char*>(o.data()), o.size());
        }
        remplacer_fichier(dossier / "Files/X.YL", contenu);
        if (!p->stockage.Charger_log() || p->grille.RowCount() != QSO + 2) std::abort();
    }
    ~Banc() {
        p.reset();
        std::error_code ec;
        std::filesystem::remove_all(dossier, ec);
    }

    // The entry row as the operator leaves it before RETURN.
    void preparer_entree() {
        Grille_log& g = p->grille;
        g.set_RowCount(QSO + 2);
        g.vider_ligne(QSO + 1);
        g.set_cellule(colonne::indicatif, QSO + 1, "DL9ZZ");
        g.set_cellule(colonne::categorie, QSO + 1, "YL");
        g.selectionner(colonne::indicatif, QSO + 1);
    }

    std::filesystem::path dossier;
    Silence dialogues;
    Tick tick;
    HorlogeSysteme horloge;
    AucunLecteur lecteurs;
    MiseAJourAbsente mise_a_jour;
    std::unique_ptr<Programme> p;
};

bool disponible(benchmark::State& state, const std::filesystem::path& racine) {
    std::error_code ec;
    if (std::filesystem::is_directory(racine, ec)) return true;
    state.SkipWithError("no such folder");
    return false;
}

void retour(benchmark::State& state, const std::filesystem::path& racine) {
    if (!disponible(state, racine)) return;
    Banc b(racine);
    for (auto _ : state) {
        state.PauseTiming();
        b.preparer_entree();
        state.ResumeTiming();
        char c = '\r';
        b.p->saisie.Grille_logKeyPress(c);
        if (b.p->grille.RowCount() != QSO + 3) std::abort();
    }
}

// The record write alone, on the same log: what RETURN spends on the file.
void sauver(benchmark::State& state, const std::filesystem::path& racine) {
    if (!disponible(state, racine)) return;
    Banc b(racine);
    b.preparer_entree();
    Grille_log& g = b.p->grille;
    g.set_cellule(colonne::date, QSO + 1, "12/03/2021");
    g.set_cellule(colonne::heure, QSO + 1, "13:07");
    for (auto _ : state)
        if (!b.p->stockage.Sauver_ligne(QSO + 1)) std::abort();
}

void BM_Retour_10000_disque(benchmark::State& state) {
    retour(state, std::filesystem::temp_directory_path());
}
void BM_Retour_10000_sans_flush(benchmark::State& state) {
    retour(state, "/dev/shm");
}
void BM_Sauver_ligne_disque(benchmark::State& state) {
    sauver(state, std::filesystem::temp_directory_path());
}
void BM_Sauver_ligne_sans_flush(benchmark::State& state) {
    sauver(state, "/dev/shm");
}

BENCHMARK(BM_Retour_10000_disque)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Retour_10000_sans_flush)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sauver_ligne_disque)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sauver_ligne_sans_flush)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

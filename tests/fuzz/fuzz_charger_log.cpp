// Any bytes as a log file: the loader never crashes, and the table it leaves follows the
// table's rules.
#include "log/stockage_log.h"
#include "platform/fichiers.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace ylkaz;

namespace {

class Ecran : public Dialogues {
  public:
    void message(const std::string&) override { ++messages; }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> choisir_dossier(const std::string&) override { return {}; }
    void montrer(Fenetre) override {}
    void cacher(Fenetre) override {}
    int messages = 0;
};

class Tick : public Minuterie {
  public:
    void demarrer() override { actif_ = true; }
    void arreter() override { actif_ = false; }
    bool actif() const override { return actif_; }

  private:
    bool actif_ = false;
};

class AucunLecteur : public Lecteurs {
  public:
    std::vector<ylkaz::Lecteur> lister() const override { return {}; }
    int type(const std::filesystem::path&) const override { return 0; }
};

const std::filesystem::path& dossier() {
    static const std::filesystem::path d = [] {
        std::string modele = (std::filesystem::temp_directory_path() / "fuzz-log-XXXXXX").string();
        if (!::mkdtemp(modele.data())) std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(dossier(), ec);
        });
        return std::filesystem::path(modele);
    }();
    return d;
}

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string octets(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream f(dossier() / "X.YL", std::ios::binary | std::ios::trunc);
        f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    }

    EtatLog etat;
    Grille_log grille;
    Grille_band bandes(grille);
    bandes.initialiser();
    StationRecord station;
    station.OPERATOR = "F4ABC";
    EmplacementLog emplacement{nom_stocke(dossier()), "X.YL"};
    const Dossiers dossiers = Dossiers::depuis(dossier());
    Ecran ecran;
    Tick tick;
    HorlogeSysteme horloge;
    AucunLecteur lecteurs;
    int calculs = 0;
    LiensLog liens;
    liens.Calcul_score = [&] { ++calculs; };
    StockageLog stockage(etat, grille, bandes, station, emplacement, dossiers, ecran, tick, horloge,
                         lecteurs, liens);

    verifier(stockage.Charger_log());
    verifier(calculs == 1);
    verifier(ecran.messages == (size % TEnreg_QSO::TAILLE != 0 ? 1 : 0));
    verifier(grille.RowCount() >= 2);
    verifier(grille.RowCount() <= static_cast<int>(size / TEnreg_QSO::TAILLE) + 1 ||
             grille.RowCount() == 2);
    for (int r = 1; r < grille.RowCount(); ++r)
        verifier(grille.cellule(colonne::numero, r) == std::to_string(r));
    verifier(grille.Row() == grille.RowCount() - 1);
    verifier(lire_fichier(dossier() / "X.YL") == octets);

    // Whatever was loaded converts back into records.
    verifier(stockage.Copie_Mem());
    verifier(ecran.messages == (size % TEnreg_QSO::TAILLE != 0 ? 1 : 0));
    return 0;
}

#include "cli/chargement_log.h"

#include "log/stockage_log.h"
#include "platform/cp1252.h"
#include "platform/interfaces.h"

#include <ostream>

namespace ylkaz {
namespace {

class DialoguesConsole final : public Dialogues {
  public:
    explicit DialoguesConsole(std::ostream& err) : err_(err) {}
    void message(const std::string& texte) override {
        err_ << "ylkaz: " << cp1252_vers_utf8(texte) << "\n";
    }
    bool question(const std::string& texte) override {
        message(texte);
        return false;
    }
    std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> choisir_dossier(const std::string&) override { return std::nullopt; }
    void montrer(Fenetre) override {}
    void cacher(Fenetre) override {}

  private:
    std::ostream& err_;
};

class MinuterieArretee final : public Minuterie {
  public:
    void demarrer() override {}
    void arreter() override {}
    bool actif() const override { return false; }
};

// Loading never looks at the backup drives.
class AucunLecteur final : public Lecteurs {
  public:
    std::vector<Lecteur> lister() const override { return {}; }
    int type(const std::filesystem::path&) const override {
        return static_cast<int>(TypeLecteur::inexistant);
    }
};

} // namespace

bool charger_log_outil(Grille_log& grille, Grille_band& bandes, const StationRecord& station,
                       EmplacementLog& emplacement, const Dossiers& dossiers, std::ostream& err) {
    EtatLog etat;
    DialoguesConsole dialogues(err);
    MinuterieArretee minuterie;
    const HorlogeSysteme horloge;
    const AucunLecteur lecteurs;
    StockageLog stockage(etat, grille, bandes, station, emplacement, dossiers, dialogues, minuterie,
                         horloge, lecteurs);
    return stockage.Charger_log();
}

} // namespace ylkaz

#pragma once
// Everything that lives for the whole run, created once at start and handed by
// reference to the windows and the commands, and the start-up sequence.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/form_main.h"
#include "app/reglages.h"
#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"
#include "export/cabrillo.h"
#include "log/fichier_log.h"
#include "log/grille_log.h"
#include "log/saisie_qso.h"
#include "log/score.h"
#include "log/stockage_log.h"
#include "platform/interfaces.h"
#include "platform/lecteurs.h"
#include "platform/ouvreur.h"
#include "refdata/mise_a_jour_bd.h"
#include "refdata/reference.h"
#include "report/form_infocr.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ylkaz {

// What the program needs from the screen and the system.
struct Plateforme {
    Dialogues& dialogues;
    Minuterie& minuterie;
    const Horloge& horloge;
    const Lecteurs& lecteurs;
    MiseAJourBD& mise_a_jour;
};

class Programme {
  public:
    // Builds the state and the four windows' logic; nothing runs until Demarrer.
    Programme(const std::filesystem::path& dossier_programme, Plateforme plateforme);
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // The windows' creation in the program's order, the tick stopped, then the settings:
    // the station form (folders, drives, databases, country list), the naming form, the
    // main window (hidden), the report form (loads the settings file). The front end then
    // shows the station form.
    void Demarrer();

    Plateforme plateforme;
    Dossiers dossiers;
    StationRecord station;
    EmplacementLog emplacement;
    Catalogue catalogue; // with the language index LNG
    Reference reference{dossiers, [this] {
                            if (telecharger_cty) telecharger_cty();
                        }};
    Grille_log grille;
    EtatScore score;
    EtatCabrillo cabrillo; // the last Cabrillo file written
    Grille_band bandes{grille};
    EtatLog etat_log;
    StockageLog stockage;
    Saisie_QSO saisie;
    ylkaz::Form_info Form_info;
    ylkaz::Form_choix_fichier Form_choix_fichier;
    ylkaz::Form_main Form_main;
    ylkaz::Form_infoCR Form_infoCR;

    // Set by the front end.
    std::function<void()> terminer;
    std::function<void(bool)> attente;
    std::function<void(const std::filesystem::path&)> ouvrir_document;
    // Fetches the country file when the country list is prepared without one; left empty,
    // nothing is fetched.
    std::function<void()> telecharger_cty;
    // The desktop's opener, for the report's attachment; nothing is opened without it.
    Ouvreur* ouvreur = nullptr;
    // Applies the language of catalogue.LNG (by default the language file's texts into
    // every window, the title row and the catalogue).
    std::function<void()> Charge_langue;
    // Supplied by other parts of the program; may stay empty.
    // The UTC offset and the date formats, at the main window's creation.
    std::function<void()> preparer_heure;
    // The report-files and report e-mail commands of the main window; by default the
    // report files and the report form.
    std::function<void()> creation_fichiers;
    std::function<void()> compte_rendu;
    // The real-time button's work, which the naming form's OK runs too.
    std::function<void()> temps_reel;
    // Set by the front end: the log table edits its current cell, where QSO entry left it.
    std::function<void()> editer_cellule;

    // Evaluates every row and shows the score line and the last continent.
    void Calcul_score();
    // The score's labels onto the main window, after a row was evaluated.
    void montrer_score();

    Reglages reglages();

  private:
    std::filesystem::path dossier_programme_;
};

// The program as the ylkaz commands use it, without any window and without saving
// anything: the program folder's settings loaded as at start-up (the country list
// converted first, the fields' change handling run), then the station form's OK. The
// folders are not created and the databases not fetched. Throws Erreur with the text
// of a lookup that failed.
class ProgrammeSansFenetre {
  public:
    explicit ProgrammeSansFenetre(const std::filesystem::path& dossier_programme);

    const StationRecord& station() const { return programme_.station; }
    // The form's refusal (no operator, an e-mail address without a server); the record
    // then holds what OK stored before it refused.
    const std::optional<std::string>& refus() const { return refus_; }
    Programme& programme() { return programme_; }

  private:
    // No screen: questions are answered No, messages are kept.
    class Muets final : public Dialogues, public Minuterie, public Lecteurs {
      public:
        void message(const std::string& texte) override { messages.push_back(texte); }
        bool question(const std::string&) override { return false; }
        std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
            return std::nullopt;
        }
        std::optional<std::string> choisir_dossier(const std::string&) override {
            return std::nullopt;
        }
        void montrer(Fenetre) override {}
        void cacher(Fenetre) override {}
        void demarrer() override {}
        void arreter() override {}
        bool actif() const override { return false; }
        std::vector<Lecteur> lister() const override { return {}; }
        int type(const std::filesystem::path&) const override {
            return static_cast<int>(TypeLecteur::inexistant);
        }
        std::vector<std::string> messages;
    };

  public:
    // Every box the program showed since the settings were loaded, in order.
    const std::vector<std::string>& messages() const { return muets_.messages; }

  private:
    Muets muets_;
    HorlogeSysteme horloge_;
    MiseAJourAbsente mise_a_jour_;
    Programme programme_;
    std::optional<std::string> refus_;
};

} // namespace ylkaz

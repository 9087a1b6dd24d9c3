#pragma once
// Everything that lives for the whole run, created once at start and handed by
// reference to the windows and the commands, and the start-up sequence.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/form_main.h"
#include "app/reglages.h"
#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"
#include "log/fichier_log.h"
#include "log/grille_log.h"
#include "log/score.h"
#include "log/stockage_log.h"
#include "platform/interfaces.h"
#include "platform/lecteurs.h"
#include "refdata/mise_a_jour_bd.h"
#include "refdata/reference.h"
#include "report/form_infocr.h"

#include <filesystem>
#include <functional>

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
    Reference reference{dossiers};
    Grille_log grille;
    EtatScore score;
    Grille_band bandes{grille};
    EtatLog etat_log;
    StockageLog stockage;
    ylkaz::Form_info Form_info;
    ylkaz::Form_choix_fichier Form_choix_fichier;
    ylkaz::Form_main Form_main;
    ylkaz::Form_infoCR Form_infoCR;

    // Set by the front end.
    std::function<void()> terminer;
    std::function<void(bool)> attente;
    std::function<void(const std::filesystem::path&)> ouvrir_document;
    // Supplied by other parts of the program; may stay empty.
    std::function<void()> Charge_langue;
    std::function<void()> Calcul_score;
    // The real-time button's work; by default the mode and the tick.
    std::function<void()> temps_reel;

    Reglages reglages();

  private:
    std::filesystem::path dossier_programme_;
};

// The station record as the station form stores it at start-up, without any window and
// without saving anything: the program folder's settings loaded (the fields' change
// handling runs, with the country list converted first), then the form's OK. Throws
// Erreur with the form's refusal text, or with the text of a lookup that failed.
StationRecord Station_sans_fenetre(const std::filesystem::path& dossier_programme);

} // namespace ylkaz

#pragma once
// Everything that lives for the whole run, created once at start and handed by
// reference to the windows and the commands.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/form_main.h"
#include "app/reglages.h"
#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"
#include "log/grille_log.h"
#include "log/score.h"
#include "refdata/reference.h"
#include "report/form_infocr.h"

#include <filesystem>

namespace ylkaz {

class Programme {
  public:
    // Sets the folders (sub-folders created when missing), selects 40 m and loads the
    // settings of the program folder.
    explicit Programme(const std::filesystem::path& dossier_programme);
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    Dossiers dossiers;
    StationRecord station;
    EmplacementLog emplacement;
    Catalogue catalogue; // with the language index LNG
    Reference reference{dossiers};
    Grille_log grille;
    EtatScore score;
    Grille_band bandes{grille};
    ylkaz::Form_info Form_info{station};
    ylkaz::Form_choix_fichier Form_choix_fichier;
    ylkaz::Form_main Form_main{grille};
    ylkaz::Form_infoCR Form_infoCR;

    Reglages reglages();
};

} // namespace ylkaz

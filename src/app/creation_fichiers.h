#pragma once
// The main window's report-files command (its tool button and the menu item "Creation
// Cabrillo"): the Cabrillo file, then the ADIF file, then one confirmation.
#include "app/catalogue.h"
#include "app/etat.h"
#include "export/cabrillo.h"
#include "log/grille_log.h"
#include "platform/interfaces.h"
#include "refdata/reference.h"

namespace ylkaz {

// What both writers read.
struct SourcesExport {
    const Grille_log& grille;
    const StationRecord& station;
    // The station form's texts, as on the form now (champs_cabrillo).
    ChampsCabrillo champs;
    const Dossiers& dossiers;
    const EmplacementLog& emplacement;
    Reference& reference;
};

// Writes both files and shows "CABRILLO (*.CBR) + ADIF (*.ADI) " + Msg_fichier_sauve.
// A failure shows its text instead and stops there: no ADIF file after a failed Cabrillo
// file, no confirmation after either. The tick is stopped while a message is on screen.
// True when both files were written.
bool Creation_fichiers(const SourcesExport& sources, EtatCabrillo& etat, const Catalogue& catalogue,
                       Dialogues& dialogues, Minuterie& minuterie);

} // namespace ylkaz

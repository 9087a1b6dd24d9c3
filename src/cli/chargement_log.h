#pragma once
// The log loaded for the export commands by the program's own loader. Apart from the
// commands: the loader's screen interfaces and the forms' window base share a name.
#include "app/etat.h"
#include "log/grille_log.h"

#include <iosfwd>

namespace ylkaz {

// Fills the table from CHEMIN_FICHIER/NOM_FICHIER as the main window does; what the
// loader would show in a message box goes to `err`. False when the file cannot be read.
bool charger_log_outil(Grille_log& grille, Grille_band& bandes, const StationRecord& station,
                       EmplacementLog& emplacement, const Dossiers& dossiers, std::ostream& err);

} // namespace ylkaz

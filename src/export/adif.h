#pragma once
// The log in ADIF 3.1.3 for general logbook programs: a header of program and contest
// fields, then one record a line for every contact with a callsign. Windows-1252 text
// with CR LF line ends; a field's length counts its characters, one byte each.
#include "app/etat.h"
#include "log/grille_log.h"
#include "refdata/reference.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ylkaz {

// "<" + nom + ":" + length + ">" + valeur.
std::string champ_adif(std::string_view nom, std::string_view valeur);

// Beside the log file: CHEMIN_FICHIER and NOM_FICHIER with the extension ".ADI" (an
// existing file of another case is the one replaced).
std::filesystem::path chemin_adif(const EmplacementLog& emplacement);

// Writes the file through a temporary file renamed into place and returns its path.
// Every row above the entry row whose callsign cell is not empty gives a record, with
// the country of one Recherche_pays on the trimmed callsign; a callsign of blanks only
// has no country. Throws Erreur with the system's text when the file cannot be written
// (nothing is written then), or, for a row whose date or time does not read, after
// writing the records of the rows before it, with a text naming the row and the cell.
std::filesystem::path Creation_adif(const Grille_log& grille, const StationRecord& station,
                                    const EmplacementLog& emplacement, Reference& reference);

} // namespace ylkaz

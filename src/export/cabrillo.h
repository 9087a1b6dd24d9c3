#pragma once
// The contest report in Cabrillo 3.0, the file the checker receives: a header from the
// station record and the station form, one fixed-width "QSO:" line per logged contact,
// then "END-OF-LOG:". Windows-1252 text with CR LF line ends.
#include "app/etat.h"
#include "log/grille_log.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ylkaz {

// The station form's texts that the header reads, as they are on the form (not the
// values its OK stored).
struct ChampsCabrillo {
    std::string Edit_nom;
    std::string Edit_AD1;
    std::string Edit_ad2;
    std::string Edit_ad3;
    std::string Edit_NKAZ;
};

// The last Cabrillo file written, which the report e-mail attaches: a bare file name in
// CHEMIN_FILES, set only once that file is complete on the disk.
struct EtatCabrillo {
    std::string fichier_cabrillo;
};

// Appends the text padded with blanks or cut to `largeur`, then one blank.
void Ecrit_champ(std::string& ligne, std::string_view texte, std::size_t largeur);

// NOM_FICHIER without any folder part, its extension replaced by ".CBR".
std::string nom_cabrillo(std::string_view nom_fichier);

// The whole file. Rows whose callsign cell holds only blanks are left out: they are not
// contacts, and the checker would read their broken dates as errors.
std::string texte_cabrillo(const Grille_log& grille, const StationRecord& station,
                           const ChampsCabrillo& champs);

// Writes the file into CHEMIN_FILES through a temporary file renamed into place, so a
// failure leaves the previous file (or none) and never half of one; sets
// fichier_cabrillo and returns the path. Throws Erreur with the system's text.
std::filesystem::path Creation_cabrillo(const Grille_log& grille, const StationRecord& station,
                                        const ChampsCabrillo& champs, const Dossiers& dossiers,
                                        const EmplacementLog& emplacement, EtatCabrillo& etat);

} // namespace ylkaz

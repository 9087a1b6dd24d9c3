#pragma once
// `ylkaz cabrillo [FICHIER.YL]` and `ylkaz adif [FICHIER.YL]`: the report files of a log
// without opening the window.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace ylkaz {

enum class FichierExport { cabrillo, adif };

// Loads the log (the one the settings name when no file is given), takes the station
// record the main window would hold, writes the file as the report-files command does
// and prints its path. Returns the exit status.
int commande_export(FichierExport quoi, const std::filesystem::path& dossier_programme,
                    const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ylkaz

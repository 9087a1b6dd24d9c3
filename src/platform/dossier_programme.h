#pragma once
#include <filesystem>

namespace ylkaz {

// The folder of the running executable, from /proc/self/exe (never the working directory).
std::filesystem::path dossier_executable();

// Where the program keeps its files: the executable's folder when it can write there,
// otherwise $XDG_DATA_HOME/YL_KAZ (default ~/.local/share/YL_KAZ), seeded once with the
// data shipped beside the executable.
std::filesystem::path dossier_programme();

// The same choice for a given executable folder and per-user data folder (tests).
std::filesystem::path choisir_dossier_programme(const std::filesystem::path& dossier_exe,
                                                const std::filesystem::path& dossier_donnees);

// Copies into `vers` the shipped files of `de` (not the executables) that it lacks.
void semer_dossier(const std::filesystem::path& de, const std::filesystem::path& vers);

} // namespace ylkaz

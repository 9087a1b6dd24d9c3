#include "platform/dossier_programme.h"

#include <cstdlib>
#include <unistd.h>

namespace ylkaz {

std::filesystem::path dossier_executable() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

namespace {

std::filesystem::path dossier_donnees_utilisateur() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "YL_KAZ";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".local/share/YL_KAZ";
}

} // namespace

void semer_dossier(const std::filesystem::path& de, const std::filesystem::path& vers) {
    std::error_code ec;
    std::filesystem::create_directories(vers, ec);
    for (auto it = std::filesystem::recursive_directory_iterator(de, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        const auto rel = std::filesystem::relative(it->path(), de, ec);
        const auto cible = vers / rel;
        if (it->is_directory()) {
            std::filesystem::create_directories(cible, ec);
        } else if (it->is_regular_file() && ::access(it->path().c_str(), X_OK) != 0 &&
                   !std::filesystem::exists(cible)) {
            std::filesystem::copy_file(it->path(), cible, ec);
        }
    }
}

std::filesystem::path choisir_dossier_programme(const std::filesystem::path& dossier_exe,
                                                const std::filesystem::path& dossier_donnees) {
    if (::access(dossier_exe.c_str(), W_OK) == 0) return dossier_exe;
    semer_dossier(dossier_exe, dossier_donnees);
    return dossier_donnees;
}

std::filesystem::path dossier_programme() {
    return choisir_dossier_programme(dossier_executable(), dossier_donnees_utilisateur());
}

} // namespace ylkaz

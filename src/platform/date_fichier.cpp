#include "platform/date_fichier.h"

#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace ylkaz {

std::optional<std::string> date_fichier(const std::filesystem::path& p) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return std::nullopt;
    std::tm tm{};
    if (!::localtime_r(&st.st_mtime, &tm)) return std::nullopt;
    char texte[32];
    std::snprintf(texte, sizeof texte, "%02d/%02d/%04d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900);
    return std::string(texte);
}

} // namespace ylkaz

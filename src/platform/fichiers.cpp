#include "platform/fichiers.h"

#include "platform/cp1252.h"
#include "platform/erreur.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace ylkaz {

std::string texte_erreur_systeme(int numero) {
    return utf8_vers_cp1252(std::strerror(numero));
}

std::filesystem::path chemin(std::string_view nom) {
    std::string s = cp1252_vers_utf8(nom);
    for (char& c : s)
        if (c == '\\') c = '/';
    return std::filesystem::path(s);
}

std::string nom_stocke(const std::filesystem::path& p) {
    return utf8_vers_cp1252(p.generic_string());
}

std::optional<std::string> lire_fichier(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream o;
    o << f.rdbuf();
    if (f.bad()) return std::nullopt;
    return std::move(o).str();
}

namespace {

[[noreturn]] void echec(const std::filesystem::path& p, int numero) {
    throw Erreur(nom_stocke(p) + " : " + texte_erreur_systeme(numero));
}

void synchroniser_dossier(const std::filesystem::path& dossier) {
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool egal_sans_casse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x -= 32;
        if (y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return false;
    }
    return true;
}

} // namespace

std::filesystem::path ecrire_temporaire(const std::filesystem::path& cible,
                                        std::string_view contenu) {
    const auto dossier = cible.parent_path();
    std::string modele = (dossier / ("." + cible.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) echec(cible, errno);
    auto abandon = [&](int numero) {
        ::close(fd);
        ::unlink(modele.c_str());
        echec(cible, numero);
    };
    // mkstemp makes the file private; an ordinary data file is readable by all.
    ::fchmod(fd, 0644);
    std::size_t fait = 0;
    while (fait < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + fait, contenu.size() - fait);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        fait += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        const int numero = errno;
        ::unlink(modele.c_str());
        echec(cible, numero);
    }
    return modele;
}

void renommer(const std::filesystem::path& de, const std::filesystem::path& vers) {
    if (::rename(de.c_str(), vers.c_str()) != 0) echec(vers, errno);
    synchroniser_dossier(vers.parent_path());
}

void remplacer_fichier(const std::filesystem::path& cible, std::string_view contenu) {
    const auto temporaire = ecrire_temporaire(cible, contenu);
    try {
        renommer(temporaire, cible);
    } catch (const Erreur&) {
        ::unlink(temporaire.c_str());
        throw;
    }
}

std::optional<std::filesystem::path> trouver_sans_casse(const std::filesystem::path& dossier,
                                                        std::string_view nom) {
    std::error_code ec;
    const std::string cherche = cp1252_vers_utf8(nom);
    if (std::filesystem::exists(dossier / cherche, ec)) return dossier / cherche;
    for (std::filesystem::directory_iterator it(dossier, ec), fin; !ec && it != fin;
         it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (egal_sans_casse(n, cherche)) return it->path();
    }
    return std::nullopt;
}

std::filesystem::path fichier_sans_casse(const std::filesystem::path& dossier,
                                         std::string_view nom) {
    if (auto p = trouver_sans_casse(dossier, nom)) return *p;
    return dossier / cp1252_vers_utf8(nom);
}

} // namespace ylkaz

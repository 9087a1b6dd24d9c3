#include "platform/https.h"

#include "platform/cp1252.h"
#include "platform/curl_commun.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ylkaz {
namespace {

// The temporary file beside the target; removed unless it was renamed into place.
struct Temporaire {
    std::string chemin;
    int fd = -1;
    int erreur = 0; // errno of a failed write
    bool renomme = false;

    ~Temporaire() {
        if (fd >= 0) ::close(fd);
        if (!renomme) ::unlink(chemin.c_str());
    }
};

size_t ecrire(char* donnees, size_t, size_t taille, void* t) {
    auto* sortie = static_cast<Temporaire*>(t);
    size_t fait = 0;
    while (fait < taille) {
        const ssize_t n = ::write(sortie->fd, donnees + fait, taille - fait);
        if (n < 0) {
            if (errno == EINTR) continue;
            sortie->erreur = errno;
            return 0; // libcurl stops with CURLE_WRITE_ERROR
        }
        fait += static_cast<size_t>(n);
    }
    return taille;
}

ResultatTelechargement echec(std::string texte) {
    return {false, std::move(texte)};
}

std::string texte_systeme(const std::filesystem::path& p, int numero) {
    return nom_stocke(p) + " : " + texte_erreur_systeme(numero);
}

} // namespace

ResultatTelechargement telecharger(const std::string& url, const std::filesystem::path& cible,
                                   const OptionsHttps& options) try {
    // Written beside the target and renamed over it, so a failed fetch leaves the old file.
    const auto dossier = cible.parent_path();
    std::string modele = (dossier / ("." + cible.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) return {false, texte_systeme(cible, errno)};
    Temporaire sortie{modele, fd};
    // No cache is kept here, neither in memory nor on disk, so there is none to purge;
    // these headers ask the servers and any proxy on the way for a fresh copy too.
    curl::Slist entetes;
    if (!curl::ajouter(entetes, "Cache-Control: no-cache") ||
        !curl::ajouter(entetes, "Pragma: no-cache"))
        return echec(curl_easy_strerror(CURLE_OUT_OF_MEMORY));

    curl::initialiser();
    curl::Easy h(curl_easy_init());
    if (!h) return echec(curl_easy_strerror(CURLE_FAILED_INIT));
    CURL* c = h.get();
    char tampon[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, tampon);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    const std::string ca = options.fichier_ca ? options.fichier_ca->string() : "";
    if (options.fichier_ca) curl_easy_setopt(c, CURLOPT_CAINFO, ca.c_str());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(options.delai_connexion.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(options.delai_total.count()));
    curl_easy_setopt(c, CURLOPT_USERAGENT, "YL_KAZ");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, entetes.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, ecrire);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sortie);

    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK) {
        if (code == CURLE_WRITE_ERROR && sortie.erreur != 0)
            return echec(texte_systeme(cible, sortie.erreur));
        std::string texte = utf8_vers_cp1252(curl::texte_erreur(code, tampon));
        // libcurl's words for an http:// address, given or redirected to, are obscure.
        if (code == CURLE_UNSUPPORTED_PROTOCOL)
            texte = cp1252("Seules les adresses https:// sont acceptées (") + texte + ")";
        return echec(texte);
    }
    // mkstemp makes the file private; a data file is readable by all, as before.
    if (::fchmod(sortie.fd, 0644) != 0 || ::fsync(sortie.fd) != 0)
        return echec(texte_systeme(cible, errno));
    const int ferme = ::close(sortie.fd);
    sortie.fd = -1;
    if (ferme != 0 || ::rename(sortie.chemin.c_str(), cible.c_str()) != 0)
        return echec(texte_systeme(cible, errno));
    sortie.renomme = true;
    const int d = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return {true, ""};
} catch (const std::exception& x) {
    return {false, x.what()};
}

} // namespace ylkaz

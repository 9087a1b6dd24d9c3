#include "log/fichier_log.h"

#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ylkaz {
namespace {

[[noreturn]] void echec(const std::filesystem::path& p, int numero) {
    throw Erreur(nom_stocke(p) + " : " + texte_erreur_systeme(numero));
}

} // namespace

FichierLog::~FichierLog() {
    fermer();
}

void FichierLog::ouvrir(const std::filesystem::path& p) {
    fermer();
    const int fd = ::open(p.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) echec(p, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        echec(p, EISDIR);
    }
    fd_ = fd;
    chemin_ = p;
}

void FichierLog::fermer() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::uint64_t FichierLog::taille() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) echec(chemin_, errno);
    return st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

std::string FichierLog::lire(std::uint64_t octets) const {
    std::string r(static_cast<std::size_t>(octets), '\0');
    std::size_t fait = 0;
    while (fait < r.size()) {
        const ssize_t n = ::pread(fd_, r.data() + fait, r.size() - fait, static_cast<off_t>(fait));
        if (n < 0) {
            if (errno == EINTR) continue;
            echec(chemin_, errno);
        }
        if (n == 0) break; // shortened meanwhile
        fait += static_cast<std::size_t>(n);
    }
    r.resize(fait);
    return r;
}

void FichierLog::ecrire(std::uint64_t r, const TEnreg_QSO::Octets& o) {
    if (fd_ < 0) echec(chemin_, EBADF);
    const auto debut = static_cast<off_t>(r * TEnreg_QSO::TAILLE);
    std::size_t fait = 0;
    while (fait < o.size()) {
        const ssize_t n =
            ::pwrite(fd_, o.data() + fait, o.size() - fait, debut + static_cast<off_t>(fait));
        if (n < 0) {
            if (errno == EINTR) continue;
            echec(chemin_, errno);
        }
        fait += static_cast<std::size_t>(n);
    }
    // The QSO must survive a power cut from the moment RETURN has returned.
    if (::fsync(fd_) != 0) echec(chemin_, errno);
}

} // namespace ylkaz

#include "platform/ouvreur.h"

#include "platform/cp1252.h"
#include "platform/erreur.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ylkaz {
namespace {

std::string chercher_dans_path(const std::string& programme) {
    if (programme.find('/') != std::string::npos) return programme;
    const char* p = std::getenv("PATH");
    const std::string path = p && *p ? p : "/usr/local/bin:/usr/bin:/bin";
    std::size_t debut = 0;
    while (debut <= path.size()) {
        std::size_t fin = path.find(':', debut);
        if (fin == std::string::npos) fin = path.size();
        const std::string dossier = fin > debut ? path.substr(debut, fin - debut) : ".";
        const std::string candidat = dossier + "/" + programme;
        if (::access(candidat.c_str(), X_OK) == 0) return candidat;
        debut = fin + 1;
    }
    return {};
}

Erreur echec(const std::string& programme, int numero) {
    return Erreur(cp1252("Impossible de lancer « ") + utf8_vers_cp1252(programme) +
                  cp1252(" » : ") + texte_erreur_systeme(numero));
}

// Only async-signal-safe calls may follow a fork in a program with threads (the window
// program has several), so everything the child needs is prepared before it.
void ecrire_erreur(int tube, int numero) {
    [[maybe_unused]] const ssize_t n = ::write(tube, &numero, sizeof numero);
}

} // namespace

void lancer_detache(const std::string& programme, const std::vector<std::string>& arguments) {
    const std::string executable = chercher_dans_path(programme);
    if (executable.empty()) throw echec(programme, ENOENT);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programme.c_str()));
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    // The write end closes on a successful exec, so the parent reads either the
    // child's errno or the end of the pipe.
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) throw echec(programme, errno);
    const pid_t intermediaire = ::fork();
    if (intermediaire < 0) {
        const int e = errno;
        ::close(tube[0]);
        ::close(tube[1]);
        throw echec(programme, e);
    }
    if (intermediaire == 0) {
        // The intermediate child exits at once, so the program is adopted by init and
        // never left a zombie of this process.
        const pid_t petit = ::fork();
        if (petit < 0) {
            ecrire_erreur(tube[1], errno);
            ::_exit(1);
        }
        if (petit > 0) ::_exit(0);
        ::setsid();
        const int nul = ::open("/dev/null", O_RDONLY);
        if (nul > STDIN_FILENO) {
            ::dup2(nul, STDIN_FILENO);
            ::close(nul);
        }
        ::execv(executable.c_str(), argv.data());
        ecrire_erreur(tube[1], errno);
        ::_exit(127);
    }
    ::close(tube[1]);
    int statut = 0;
    while (::waitpid(intermediaire, &statut, 0) < 0 && errno == EINTR) {
    }
    int numero = 0;
    ssize_t lu;
    do {
        lu = ::read(tube[0], &numero, sizeof numero);
    } while (lu < 0 && errno == EINTR);
    ::close(tube[0]);
    if (lu == static_cast<ssize_t>(sizeof numero)) throw echec(programme, numero);
}

void OuvreurSysteme::ouvrir(const std::filesystem::path& document) {
    lancer_detache("xdg-open", {document.string()});
}

} // namespace ylkaz

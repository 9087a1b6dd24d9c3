#include "support/serveur_local.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace ylkaz::test {
namespace {

pid_t lancer(const std::vector<std::string>& commande, int sortie) {
    std::vector<char*> argv;
    for (const auto& a : commande)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (sortie >= 0) {
        posix_spawn_file_actions_adddup2(&actions, sortie, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    const int r = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return r == 0 ? pid : -1;
}

void arreter(pid_t pid) {
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace

ServeurLocal::ServeurLocal(const std::vector<std::string>& commande) {
    int tube[2];
    if (::pipe(tube) != 0) throw std::runtime_error("pipe");
    pid_ = lancer(commande, tube[1]);
    ::close(tube[1]);
    if (pid_ < 0) {
        ::close(tube[0]);
        throw std::runtime_error("impossible de lancer " + commande.at(0));
    }
    std::string lu;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (lu.find('\n') == std::string::npos && std::chrono::steady_clock::now() < limite) {
        pollfd p{tube[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        char tampon[256];
        const ssize_t n = ::read(tube[0], tampon, sizeof tampon);
        if (n <= 0) break;
        lu.append(tampon, static_cast<std::size_t>(n));
    }
    ::close(tube[0]);
    if (lu.rfind("PORT ", 0) != 0) {
        arreter(pid_);
        throw std::runtime_error("le serveur de test n'a pas démarré : " + lu);
    }
    port_ = std::stoi(lu.substr(5));
}

ServeurLocal::~ServeurLocal() {
    if (pid_ > 0) arreter(pid_);
}

int executer(const std::vector<std::string>& commande) {
    const pid_t pid = lancer(commande, -1);
    if (pid < 0) return -1;
    int statut = 0;
    while (::waitpid(pid, &statut, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

int port_sans_serveur() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t longueur = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &longueur);
    ::close(s);
    return ntohs(a.sin_port);
}

std::filesystem::path source_test(const std::string& nom) {
    return std::filesystem::path(YLKAZ_SOURCE_DATA).parent_path() / "tests" / nom;
}

void creer_certificat(const std::filesystem::path& certificat, const std::filesystem::path& cle,
                      const std::string& nom, const std::string& san) {
    const int r = executer({"/usr/bin/openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                            "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
                            "/CN=" + nom, "-addext", "subjectAltName=" + san, "-keyout",
                            cle.string(), "-out", certificat.string()});
    if (r != 0) throw std::runtime_error("openssl req a échoué");
}

} // namespace ylkaz::test

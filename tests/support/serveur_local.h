#pragma once
// Real servers on 127.0.0.1 for the network tests, started and stopped by the tests.
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace ylkaz::test {

// Starts the command in the background and waits (5 s at most) for the line "PORT <n>"
// on its standard output; stops it with SIGTERM (then SIGKILL) on destruction.
class ServeurLocal {
  public:
    explicit ServeurLocal(const std::vector<std::string>& commande);
    ~ServeurLocal();
    ServeurLocal(const ServeurLocal&) = delete;
    ServeurLocal& operator=(const ServeurLocal&) = delete;

    int port() const { return port_; }

  private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// Runs the command to its end and returns its exit status (-1 when it could not start).
int executer(const std::vector<std::string>& commande);

// A port of 127.0.0.1 on which nothing listens (bound by the system, then released).
int port_sans_serveur();

// A file of the tests' source folder, such as "platform/serveur_smtp.py".
std::filesystem::path source_test(const std::string& nom);

// The Debian interpreter, which has the Debian Python packages the servers use.
inline const char* python() {
    return "/usr/bin/python3";
}

// A self-signed certificate and its key, for `nom` (CN) and the subjectAltName entries
// `san` such as "IP:127.0.0.1,DNS:localhost". The certificate is its own CA file.
void creer_certificat(const std::filesystem::path& certificat, const std::filesystem::path& cle,
                      const std::string& nom, const std::string& san);

} // namespace ylkaz::test

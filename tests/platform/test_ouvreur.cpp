#include "platform/ouvreur.h"

#include "platform/erreur.h"
#include "support/dossier_temp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ylkaz;
using testing::HasSubstr;

namespace {

class Ouvreur_ : public testing::Test {
  protected:
    test::DossierTemp dossier;

    // A program that writes its arguments, one a line, and the id of its parent to `nom`.
    std::filesystem::path script(const std::string& nom, const std::string& suite = "") {
        const auto sortie = dossier / nom;
        const auto p =
            dossier.ecrire("prog_" + nom, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + sortie.string() +
                                              ".tmp'\necho \"ppid $PPID\" >> '" + sortie.string() +
                                              ".tmp'\n/bin/mv '" + sortie.string() + ".tmp' '" +
                                              sortie.string() + "'\n" + suite);
        ::chmod(p.c_str(), 0755);
        return p;
    }

    // The file once the program has written it (10 s at most).
    std::string attendre(const std::string& nom) {
        for (int i = 0; i < 1000; ++i) {
            if (std::filesystem::exists(dossier / nom)) return dossier.lire(nom);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "(jamais écrit)";
    }

    static std::string sans_ppid(const std::string& texte) {
        return texte.substr(0, texte.rfind("ppid "));
    }
    static long ppid(const std::string& texte) {
        return std::atol(texte.substr(texte.rfind("ppid ") + 5).c_str());
    }
};

TEST_F(Ouvreur_, ArgumentsPassesTelsQuelsSansShell) {
    const auto prog = script("args");
    lancer_detache(prog.string(), {"/tmp/un fichier.CBR", "$HOME", "a;b", "'\"", "*"});
    const std::string lu = attendre("args");
    EXPECT_EQ(sans_ppid(lu), "/tmp/un fichier.CBR\n$HOME\na;b\n'\"\n*\n");
    // Detached: adopted by init (or a subreaper), never a child of this process.
    EXPECT_NE(ppid(lu), static_cast<long>(::getpid()));
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "un enfant reste à attendre";
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(Ouvreur_, RevientSansAttendreLaFinDuProgramme) {
    const auto fifo = dossier / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto prog = script("debut", "read x < '" + fifo.string() + "'\n/usr/bin/touch '" +
                                          (dossier / "fin").string() + "'\n");
    auto appel = std::async(std::launch::async, [&] { lancer_detache(prog.string(), {}); });
    const bool revenu = appel.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    EXPECT_NE(attendre("debut"), "(jamais écrit)");
    EXPECT_FALSE(std::filesystem::exists(dossier / "fin"));
    // Lets the program end, whatever happened above.
    const int f = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(f, 0);
    ASSERT_EQ(::write(f, "x\n", 2), 2);
    ::close(f);
    EXPECT_TRUE(revenu) << "l'appel a attendu la fin du programme";
    appel.get();
    EXPECT_NE(attendre("fin"), "(jamais écrit)");
}

TEST_F(Ouvreur_, ProgrammeIntrouvableOuNonExecutable) {
    try {
        lancer_detache("ylkaz-programme-absent", {"x"});
        ADD_FAILURE() << "pas d'erreur";
    } catch (const Erreur& e) {
        EXPECT_THAT(e.what(), HasSubstr("ylkaz-programme-absent"));
        EXPECT_THAT(e.what(), HasSubstr(texte_erreur_systeme(ENOENT)));
    }
    // Found, but the exec itself fails: the child's errno comes back to the caller.
    const auto texte = dossier.ecrire("pas_executable", "#!/bin/sh\nexit 0\n");
    ::chmod(texte.c_str(), 0644);
    try {
        lancer_detache(texte.string(), {});
        ADD_FAILURE() << "pas d'erreur";
    } catch (const Erreur& e) {
        EXPECT_THAT(e.what(), HasSubstr(texte_erreur_systeme(EACCES)));
    }
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(Ouvreur_, OuvreurSystemeDonneLeDocumentAXdgOpen) {
    const auto prog = script("xdg");
    std::filesystem::create_directory(dossier / "bin");
    std::filesystem::rename(prog, dossier / "bin" / "xdg-open");
    const char* ancien = std::getenv("PATH");
    const std::string garde = ancien ? ancien : "";
    ::setenv("PATH", (dossier / "bin").c_str(), 1);
    std::string lu;
    try {
        OuvreurSysteme().ouvrir(dossier / "Files" / "F4ABC.CBR");
        lu = attendre("xdg");
    } catch (...) {
        ::setenv("PATH", garde.c_str(), 1);
        throw;
    }
    ::setenv("PATH", garde.c_str(), 1);
    EXPECT_EQ(sans_ppid(lu), (dossier / "Files" / "F4ABC.CBR").string() + "\n");
}

} // namespace

#pragma once
// One file of a folder, found without regard to case, watched by its status so that the
// index built from it is rebuilt exactly when it may have changed.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace ylkaz {

class FichierSurveille {
  public:
    explicit FichierSurveille(std::string nom) : nom_(std::move(nom)) {}

    struct Etat {
        const std::filesystem::path* chemin = nullptr; // null when the file is missing
        bool change = false; // it may differ from what the previous call saw
    };
    // In the usual case (the file exists under its own spelling) this costs one stat.
    Etat verifier(const std::filesystem::path& dossier);
    // The next call reports a change whatever it finds (the last read failed).
    void oublier() { fichier_.reset(); }

    struct Empreinte {
        dev_t dev = 0;
        ino_t ino = 0;
        off_t taille = 0;
        timespec mtime{};
        timespec ctime{};
        // A status taken too soon after the last change may miss a change within the same
        // tick of the file system's clock: it is not trusted and the file is read again.
        bool sure = false;
    };

  private:
    std::string nom_;
    std::filesystem::path dossier_;
    bool resolu_ = false;
    std::optional<std::filesystem::path> chemin_;
    bool exact_ = false;
    std::optional<Empreinte> dossier_vu_;
    std::optional<Empreinte> fichier_;
};

} // namespace ylkaz

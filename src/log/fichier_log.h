#pragma once
// The log file while the program works with it, and the log's state for the whole run.
#include "log/enreg_qso.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace ylkaz {

// A file of 112-byte records, record r at byte 112·r, open for reading and writing.
class FichierLog {
  public:
    FichierLog() = default;
    ~FichierLog();
    FichierLog(const FichierLog&) = delete;
    FichierLog& operator=(const FichierLog&) = delete;

    // Opens an existing file; throws Erreur with the system's text.
    void ouvrir(const std::filesystem::path& p);
    void fermer();
    bool ouvert() const { return fd_ >= 0; }
    const std::filesystem::path& chemin() const { return chemin_; }

    std::uint64_t taille() const;
    // The first `octets` bytes of the file (fewer when it is shorter).
    std::string lire(std::uint64_t octets) const;
    // Writes record r, growing the file when r is at or past its end (the positions in
    // between read as zero bytes), and flushes it to the disk before returning.
    void ecrire(std::uint64_t r, const TEnreg_QSO::Octets& o);

  private:
    int fd_ = -1;
    std::filesystem::path chemin_;
};

struct EtatLog {
    // The current log file; closed before the first load, after a failed load, by the
    // quit button and by Nouveau_log.
    FichierLog fichier;
    // Real-time mode: the tick keeps the entry row at UTC and writes the backup copies.
    bool temps_reel = false;
    // UTC, in seconds since 30/12/1899 00:00, after which the next backup copy is due.
    // Only moves forward; zero makes the first real-time tick write one.
    std::int64_t prochaine_sauvegarde = 0;
    // Root folder of the backup drive chosen on the station form; nothing for "Aucun".
    std::optional<std::filesystem::path> lecteur_sauvegarde;
    // Log files already reported as ending with an incomplete record during this run.
    std::set<std::filesystem::path> incomplets_signales;
};

} // namespace ylkaz

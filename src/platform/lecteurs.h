#pragma once
// The places a backup copy can go: on Windows the drive letters, here the mounted file
// systems a user would pick. Each has a root folder, where the copy is written, and a
// type name shown beside it in the station form's list.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ylkaz {

// The system's drive type codes of a root folder.
enum class TypeLecteur : int {
    indetermine = 0,
    inexistant = 1,
    amovible = 2,
    fixe = 3,
    distant = 4,
    optique = 5,
    ram = 6,
};

// "Inutilisable", "Inexistant", "Disque Amovible", "Disque dur", "Lecteur distant",
// "CD-ROM", "RamDisk"; any other code is "Inutilisable".
std::string nom_type_lecteur(int code);

struct Lecteur {
    std::filesystem::path racine;
    int type = 0; // a TypeLecteur code, or what the system answered

    std::string nom_type() const { return nom_type_lecteur(type); }
    // The list item: the root folder, a blank and the type name ("E:\ Disque Amovible"),
    // in Windows-1252.
    std::string texte() const;
    bool operator==(const Lecteur&) const = default;
};

class Lecteurs {
  public:
    virtual ~Lecteurs() = default;
    // In the system's order, without optical drives and roots that are not there.
    virtual std::vector<Lecteur> lister() const = 0;
    // The type code of a root folder now: indetermine when the system cannot tell,
    // inexistant when nothing is there any more.
    virtual int type(const std::filesystem::path& racine) const = 0;
};

// Drive letters "A:\" to "Y:\" ("Z" is never examined), typed by the given function.
class LecteursWindows final : public Lecteurs {
  public:
    using FonctionType = std::function<int(const std::string& racine)>;
    explicit LecteursWindows(FonctionType type_lecteur);
    std::vector<Lecteur> lister() const override;
    int type(const std::filesystem::path& racine) const override;

  private:
    FonctionType type_lecteur_;
};

// One line of the mount table as the kernel writes it.
struct Montage {
    std::string source;
    std::filesystem::path point; // octal escapes (\040 …) decoded
    std::string type;
    bool lecture_seule = false;
};

// Every line with at least four fields; other lines are skipped.
std::vector<Montage> lire_montages(std::string_view texte);

// The type a mounted file system gets, or nothing when it is not a place a user would
// pick (kernel pseudo file systems, system folders, read-only mounts).
std::optional<int> classer_montage(const Montage& m);

// Mounted file systems from the mount table text (by default /proc/self/mounts, read at
// every call so that a stick plugged in later is seen).
class LecteursLinux final : public Lecteurs {
  public:
    using LireTable = std::function<std::string()>;
    using EstDossier = std::function<bool(const std::filesystem::path&)>;
    LecteursLinux();
    LecteursLinux(LireTable lire_table, EstDossier est_dossier);
    std::vector<Lecteur> lister() const override;
    int type(const std::filesystem::path& racine) const override;

  private:
    LireTable lire_table_;
    EstDossier est_dossier_;
};

// The list of this system.
std::unique_ptr<Lecteurs> lecteurs_systeme();

} // namespace ylkaz

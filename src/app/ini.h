#pragma once
// INI files: the settings file, the language files and the checker's address file.
//
// A line "[name]" opens a section, a line "key=value" gives one value. Section and key
// names match without regard to case; blanks (codes 32 and below) around a name or a
// value are not part of it. Text is kept as the file's single-byte bytes. Any bytes
// read: lines end with CR LF or LF alone, a line that is neither a section nor holds
// "=" is kept and ignored, and so are keys before the first section.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ylkaz {

// A value as an integer: decimal with an optional sign, or "0x"/"0X" followed by
// hexadecimal digits; nothing for any other text or a number beyond the int range.
std::optional<int> entier_ini(std::string_view valeur);

// The lines of one INI file, in memory.
class Ini {
  public:
    Ini() = default;
    explicit Ini(std::string_view octets);

    // The value of the first line of that key in a section of that name; nothing when
    // the section or the key is missing. A key present with nothing after "=" gives "".
    std::optional<std::string> valeur(std::string_view section, std::string_view cle) const;
    std::string lire_texte(std::string_view section, std::string_view cle,
                           std::string_view defaut) const;
    int lire_entier(std::string_view section, std::string_view cle, int defaut) const;

    // An existing key keeps its line, with the text before its "=" as it was; a missing
    // key goes after the last non-blank line of its section, a missing section to the end.
    // CR and LF inside the value become blanks so that a value never adds a line.
    void modifier(std::string_view section, std::string_view cle, std::string_view valeur);

    // Every line followed by CR LF.
    std::string octets() const;

  private:
    std::vector<std::string> lignes_;
};

// An INI file on disk. The file is read once when the object is made (a missing or
// unreadable file reads as empty); each write replaces the whole file at once.
class FichierIni {
  public:
    explicit FichierIni(std::filesystem::path p);

    const std::filesystem::path& chemin_fichier() const { return chemin_; }
    const Ini& contenu() const { return ini_; }

    std::string lire_texte(std::string_view section, std::string_view cle,
                           std::string_view defaut) const {
        return ini_.lire_texte(section, cle, defaut);
    }
    int lire_entier(std::string_view section, std::string_view cle, int defaut) const {
        return ini_.lire_entier(section, cle, defaut);
    }

    // The value is on disk when the call returns: the file is rewritten through a
    // temporary file renamed over it, so a crash leaves the old file or the new one,
    // never a truncated one. On failure throws Erreur "Impossible d'écrire dans <path>"
    // and both the file and this object keep their previous content.
    void ecrire_texte(std::string_view section, std::string_view cle, std::string_view valeur);
    void ecrire_entier(std::string_view section, std::string_view cle, int valeur);

  private:
    std::filesystem::path chemin_;
    Ini ini_;
};

} // namespace ylkaz

#pragma once
// File helpers: stored names to paths, whole-file reads, atomic replacement and
// case-insensitive lookup on this case-sensitive file system.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ylkaz {

// A stored name (Windows-1252, "/" or "\" separators) as a path of this system.
std::filesystem::path chemin(std::string_view nom_stocke);
// A path as the program stores and shows it (Windows-1252, "/" separators).
std::string nom_stocke(const std::filesystem::path& p);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> lire_fichier(const std::filesystem::path& p);

// Writes the whole content to a temporary file in the same folder, flushes it to disk and
// renames it over the target, so a crash leaves either the old file or the new one.
// Throws Erreur with the system's text on failure; the target is then untouched.
void remplacer_fichier(const std::filesystem::path& cible, std::string_view contenu);

// The first half of remplacer_fichier: the whole content in a new temporary file beside
// `cible`, flushed to disk; returns its path. Throws Erreur naming `cible` with the
// system's text, and leaves nothing behind then.
std::filesystem::path ecrire_temporaire(const std::filesystem::path& cible,
                                        std::string_view contenu);
// Renames `de` over `vers` and flushes the folder so that the rename survives a crash.
// Throws Erreur naming `vers` with the system's text.
void renommer(const std::filesystem::path& de, const std::filesystem::path& vers);

// The entry of `dossier` whose name equals `nom` without regard to ASCII case; an exact
// match wins over the others.
std::optional<std::filesystem::path> trouver_sans_casse(const std::filesystem::path& dossier,
                                                        std::string_view nom);

// `dossier`/`nom` when such an entry exists in any case, otherwise `dossier`/`nom` as given
// (the name to create).
std::filesystem::path fichier_sans_casse(const std::filesystem::path& dossier,
                                         std::string_view nom);

} // namespace ylkaz

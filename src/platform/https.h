#pragma once
// Fetching one file over HTTPS with libcurl.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace ylkaz {

struct OptionsHttps {
    // A certificate file to trust instead of the system's store.
    std::optional<std::filesystem::path> fichier_ca;
    std::chrono::milliseconds delai_connexion{20000};
    std::chrono::milliseconds delai_total{120000};
};

struct ResultatTelechargement {
    bool ok = false;
    std::string erreur; // the transport's or the system's text, Windows-1252
};

// Fetches an https:// URL into `cible`. Certificates are verified; redirects are followed
// to https:// addresses only; an HTTP error status is a failure. The file is replaced only
// when the whole transfer succeeded: on any failure an existing file stays as it was.
// Never throws.
ResultatTelechargement telecharger(const std::string& url, const std::filesystem::path& cible,
                                   const OptionsHttps& options = {});

} // namespace ylkaz

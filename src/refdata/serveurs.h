#pragma once
// The two web servers the reference files come from, named in "Serveurs.ini" of the
// program folder. The program only reads that file: the organisers publish the address.
#include "app/etat.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ylkaz {

struct Serveurs {
    static constexpr const char* FICHIER = "Serveurs.ini";
    static constexpr const char* SECTION = "Serveurs";

    // Base addresses such as https://host or https://host:port, without a trailing "/";
    // empty when not set.
    std::string ORGANISATEUR; // the member list and the YL list
    std::string PAYS;         // the country file
    // A certificate file to trust instead of the system's store; a relative name is
    // taken in the program folder.
    std::optional<std::filesystem::path> CA;

    // A missing file, section or key leaves the value empty.
    static Serveurs lire(const Dossiers& dossiers);
};

} // namespace ylkaz

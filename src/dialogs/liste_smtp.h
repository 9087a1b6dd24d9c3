#pragma once
// The SMTP settings list "SMTP.csv" of the program folder: which outgoing mail server
// and port go with the provider of an e-mail address.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ylkaz {

struct LigneSmtp {
    std::string serveur;
    std::string port;
    bool operator==(const LigneSmtp&) const = default;
};

// The provider key of an address that holds "@": after the first "@", up to the first
// "." (empty when there is no "." after it).
std::string cle_fournisseur(std::string_view adresse);

// The first line after the header whose first field equals the key exactly. Fields are
// separated by ";"; the server is taken as written, the port is the rest of the line
// after the second ";", trimmed. A line without ";" has an empty key and no server.
std::optional<LigneSmtp> chercher_smtp(std::string_view contenu, std::string_view cle);

// The list of the program folder (any letter case of its name); nothing when the file is
// missing or unreadable, or holds no line for the address's provider.
std::optional<LigneSmtp> Recherche_smtp(const std::filesystem::path& dossier_programme,
                                        std::string_view adresse);

} // namespace ylkaz

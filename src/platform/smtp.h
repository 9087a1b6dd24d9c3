#pragma once
// Sending one e-mail over SMTP with libcurl. All texts are Windows-1252.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ylkaz {

struct MessageEmail {
    std::string de;                                    // From, and the envelope sender
    std::string repondre_a;                            // Reply-To; no header when empty
    std::vector<std::string> a;                        // To; no header when empty
    std::vector<std::string> cc;                       // Cc; no header when empty
    std::string objet;                                 // Subject
    std::chrono::system_clock::time_point date;        // shown in the local time zone
    std::vector<std::string> corps;                    // the plain-text body, one entry per line
    std::optional<std::filesystem::path> piece_jointe; // sent under its own file name
};

struct ServeurSmtp {
    std::string hote; // the station form's texts, as typed
    std::string port;
    std::chrono::milliseconds delai_connexion{20000}; // until the server's greeting
    std::chrono::milliseconds delai_total{120000};    // the whole session
    // A certificate file to trust instead of the system's store.
    std::optional<std::filesystem::path> fichier_ca;
    // The port on which the session is TLS from the first byte.
    int port_tls_implicite = 465;
};

struct ResultatEnvoi {
    bool ok = false;
    std::string erreur; // the transport's own text, or why nothing was sent
};

// Connects, sends the message to every To and Cc address and quits. The port, the host,
// the header values and the attachment are checked first; when one is refused nothing is
// sent. TLS is used whenever the server offers it, and the message then never goes in
// clear text, even when TLS fails. Never throws.
ResultatEnvoi envoyer_email(const ServeurSmtp& serveur, const MessageEmail& message);

// The port text as a number from 1 to 65535 (blanks around it allowed), or nothing.
std::optional<int> port_smtp(std::string_view texte);

// The RFC 5322 date for the instant, written with the given offset from UTC,
// such as "Sat, 06 Mar 2021 14:05:09 +0100".
std::string date_rfc5322(std::chrono::system_clock::time_point t, std::chrono::seconds decalage);
// The same, in the local time zone of that instant.
std::string date_rfc5322_locale(std::chrono::system_clock::time_point t);

// The header lines (without line ends) for an unstructured value: as given when it is
// short printable ASCII, otherwise RFC 2047 encoded words in Windows-1252, folded.
std::vector<std::string> lignes_entete(std::string_view nom, std::string_view valeur);

} // namespace ylkaz

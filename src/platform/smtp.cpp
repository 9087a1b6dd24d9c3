#include "platform/smtp.h"

#include "platform/cp1252.h"
#include "platform/curl_commun.h"
#include "platform/fichiers.h"

#include <cstdio>
#include <ctime>
#include <exception>

namespace ylkaz {
namespace {

constexpr std::size_t largeur_ligne = 78;

std::string_view rogner(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

ResultatEnvoi refus(std::string_view utf8) {
    return {false, cp1252(utf8)};
}

// Host names, IPv4 addresses and IPv6 literals only: anything else would change the
// meaning of the URL handed to libcurl (a "@", "/" or "?" in the station form's field).
std::optional<std::string> hote_pour_url(std::string_view hote) {
    if (hote.empty()) return std::nullopt;
    const bool crochets = hote.size() > 2 && hote.front() == '[' && hote.back() == ']';
    if (crochets) hote = hote.substr(1, hote.size() - 2);
    const bool ipv6 = hote.find(':') != std::string_view::npos;
    for (const char c : hote) {
        const auto u = static_cast<unsigned char>(c);
        const bool hexa =
            (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        const bool nom = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                         (u >= '0' && u <= '9') || u == '-' || u == '.' || u == '_';
        if (ipv6 ? !(hexa || u == ':' || u == '.') : !nom) return std::nullopt;
    }
    if (crochets && !ipv6) return std::nullopt;
    return ipv6 ? "[" + std::string(hote) + "]" : std::string(hote);
}

// libcurl takes C strings, so a NUL would silently cut the value; CR and LF would end
// the header line and let the value forge headers or SMTP commands.
bool valeur_sure(std::string_view v) {
    return v.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

ResultatEnvoi refus_valeur(std::string_view champ) {
    return {false, cp1252("Le champ « ") + cp1252(champ) +
                       cp1252(" » de l'email contient un retour à la ligne ou un caractère nul : "
                              "rien n'a été envoyé.")};
}

// Addresses go on the wire in UTF-8 (RFC 6531), the only 8-bit form a server can read.
std::vector<std::string> lignes_adresses(std::string_view nom,
                                         const std::vector<std::string>& adresses) {
    std::vector<std::string> lignes;
    std::string ligne = std::string(nom) + ":";
    for (std::size_t i = 0; i < adresses.size(); ++i) {
        const std::string a = cp1252_vers_utf8(adresses[i]);
        const std::string sep = i == 0 ? " " : ", ";
        if (i > 0 && ligne.size() + sep.size() + a.size() > largeur_ligne) {
            lignes.push_back(ligne + ",");
            ligne = " " + a;
        } else {
            ligne += sep + a;
        }
    }
    lignes.push_back(ligne);
    return lignes;
}

char hexa(int v) {
    return "0123456789ABCDEF"[v & 15];
}

// RFC 2231 parameter, so a file name outside ASCII keeps its characters.
std::string disposition_piece_jointe(const std::string& nom_utf8) {
    bool simple = !nom_utf8.empty();
    for (const char c : nom_utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u > 126 || c == '"' || c == '\\') simple = false;
    }
    if (simple) return "Content-Disposition: attachment; filename=\"" + nom_utf8 + "\"";
    std::string code;
    for (const char c : nom_utf8) {
        const auto u = static_cast<unsigned char>(c);
        const bool libre = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                           (u >= '0' && u <= '9') || c == '.' || c == '-' || c == '_';
        if (libre) {
            code += c;
        } else {
            code += '%';
            code += hexa(u >> 4);
            code += hexa(u);
        }
    }
    return "Content-Disposition: attachment; filename*=utf-8''" + code;
}

// What the server said during one libcurl session, read through the debug callback.
struct Suivi {
    std::string entree;        // server bytes not yet cut into lines
    bool dans_ehlo = false;    // between our EHLO and the last line of its reply
    bool ehlo_repondu = false; // a whole EHLO reply has been read
    bool starttls_offert = false;
    bool quit = false;            // the QUIT libcurl sends after a failure too
    std::string derniere_reponse; // the last line of the last reply before QUIT

    void commande(std::string_view ligne) {
        const std::string_view verbe = ligne.substr(0, 4);
        if (verbe == "EHLO" || verbe == "ehlo") dans_ehlo = true;
        if (verbe == "QUIT" || verbe == "quit") quit = true;
    }

    void reponse(std::string_view ligne) {
        if (ligne.size() < 3) return;
        const bool finale = ligne.size() == 3 || ligne[3] != '-';
        if (dans_ehlo && ligne[0] == '2' && ligne.size() > 4) {
            std::string mot(rogner(ligne.substr(4)));
            for (char& c : mot)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (mot == "STARTTLS") starttls_offert = true;
        }
        if (finale) {
            if (dans_ehlo) ehlo_repondu = true;
            dans_ehlo = false;
            if (!quit) derniere_reponse = std::string(ligne);
        }
    }

    void recu(std::string_view octets) {
        entree += octets;
        for (std::size_t fin; (fin = entree.find('\n')) != std::string::npos;) {
            std::string_view ligne(entree.data(), fin);
            if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
            reponse(ligne);
            entree.erase(0, fin + 1);
        }
    }
};

int trace(CURL*, curl_infotype type, char* donnees, size_t taille, void* suivi) {
    auto* s = static_cast<Suivi*>(suivi);
    if (type == CURLINFO_HEADER_IN) s->recu(std::string_view(donnees, taille));
    if (type == CURLINFO_HEADER_OUT) s->commande(std::string_view(donnees, taille));
    return 0;
}

enum class Chiffrement { exige, aucun, implicite };

struct Envoi {
    std::string url;
    std::string de;
    curl_slist* destinataires;
    curl_slist* entetes;
    std::string corps;
    std::optional<std::string> piece_jointe;
    std::string nom_piece_jointe;
};

// One SMTP session. Fills `suivi` with what the server said.
CURLcode session(const ServeurSmtp& serveur, const Envoi& e, Chiffrement chiffrement, Suivi& suivi,
                 std::string& erreur) {
    curl::Easy h(curl_easy_init());
    if (!h) {
        erreur = curl_easy_strerror(CURLE_FAILED_INIT);
        return CURLE_FAILED_INIT;
    }
    CURL* c = h.get();
    char tampon[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, tampon);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_URL, e.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     chiffrement == Chiffrement::aucun ? static_cast<long>(CURLUSESSL_NONE)
                                                       : static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    const std::string ca = serveur.fichier_ca ? serveur.fichier_ca->string() : "";
    if (serveur.fichier_ca) curl_easy_setopt(c, CURLOPT_CAINFO, ca.c_str());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(serveur.delai_connexion.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(serveur.delai_total.count()));
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, trace);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &suivi);
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, e.de.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, e.destinataires);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, e.entetes);

    std::unique_ptr<curl_mime, void (*)(curl_mime*)> garde(curl_mime_init(c), curl_mime_free);
    curl_mime* mime = garde.get();
    curl_mimepart* texte = mime ? curl_mime_addpart(mime) : nullptr;
    if (!texte) {
        erreur = curl_easy_strerror(CURLE_OUT_OF_MEMORY);
        return CURLE_OUT_OF_MEMORY;
    }
    curl_mime_data(texte, e.corps.data(), e.corps.size());
    curl_mime_type(texte, "text/plain; charset=windows-1252");
    curl_mime_encoder(texte, "quoted-printable");
    if (e.piece_jointe) {
        curl_mimepart* pj = curl_mime_addpart(mime);
        curl::Slist entetes_pj;
        if (!pj || !curl::ajouter(entetes_pj, disposition_piece_jointe(e.nom_piece_jointe))) {
            erreur = curl_easy_strerror(CURLE_OUT_OF_MEMORY);
            return CURLE_OUT_OF_MEMORY;
        }
        curl_mime_data(pj, e.piece_jointe->data(), e.piece_jointe->size());
        curl_mime_type(pj, "application/octet-stream");
        curl_mime_encoder(pj, "base64");
        curl_mime_headers(pj, entetes_pj.release(), 1);
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime);

    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK) erreur = curl::texte_erreur(code, tampon);
    h.reset(); // the handle goes before the MIME tree it uses
    return code;
}

} // namespace

std::optional<int> port_smtp(std::string_view texte) {
    texte = rogner(texte);
    if (texte.empty() || texte.size() > 10) return std::nullopt;
    long v = 0;
    for (const char c : texte) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > 65535) return std::nullopt;
    return static_cast<int>(v);
}

std::string date_rfc5322(std::chrono::system_clock::time_point t, std::chrono::seconds decalage) {
    static constexpr const char* jours[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* mois[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto locale = std::chrono::floor<std::chrono::seconds>(t) + decalage;
    const std::time_t tt = std::chrono::system_clock::to_time_t(locale);
    std::tm tm{};
    ::gmtime_r(&tt, &tm);
    const long minutes = static_cast<long>(decalage.count() / 60);
    const long absolu = minutes < 0 ? -minutes : minutes;
    char texte[64];
    std::snprintf(texte, sizeof texte, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld",
                  jours[tm.tm_wday], tm.tm_mday, mois[tm.tm_mon], tm.tm_year + 1900, tm.tm_hour,
                  tm.tm_min, tm.tm_sec, minutes < 0 ? '-' : '+', absolu / 60, absolu % 60);
    return texte;
}

std::string date_rfc5322_locale(std::chrono::system_clock::time_point t) {
    const std::time_t tt =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(t));
    std::tm tm{};
    ::localtime_r(&tt, &tm);
    return date_rfc5322(t, std::chrono::seconds(tm.tm_gmtoff));
}

std::vector<std::string> lignes_entete(std::string_view nom, std::string_view valeur) {
    bool brut = nom.size() + 2 + valeur.size() <= largeur_ligne &&
                valeur.find("=?") == std::string_view::npos;
    for (const char c : valeur) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u > 126) brut = false;
    }
    if (brut) return {std::string(nom) + ": " + std::string(valeur)};

    // 45 characters of payload keep every line, the first with its name, within 78.
    constexpr std::size_t charge_max = 45;
    const std::string debut = "=?windows-1252?Q?", fin = "?=";
    std::vector<std::string> mots;
    std::string charge;
    for (const char c : valeur) {
        const auto u = static_cast<unsigned char>(c);
        std::string jeton;
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            std::string_view("!*+-/").find(c) != std::string_view::npos) {
            jeton = std::string(1, c);
        } else if (c == ' ') {
            jeton = "_";
        } else {
            jeton = {'=', hexa(u >> 4), hexa(u)};
        }
        if (charge.size() + jeton.size() > charge_max) {
            mots.push_back(debut + charge + fin);
            charge.clear();
        }
        charge += jeton;
    }
    mots.push_back(debut + charge + fin);
    std::vector<std::string> lignes;
    for (std::size_t i = 0; i < mots.size(); ++i)
        lignes.push_back(i == 0 ? std::string(nom) + ": " + mots[i] : " " + mots[i]);
    return lignes;
}

ResultatEnvoi envoyer_email(const ServeurSmtp& serveur, const MessageEmail& m) try {
    const auto port = port_smtp(serveur.port);
    if (!port)
        return {false, cp1252("Le port « ") + std::string(rogner(serveur.port)) +
                           cp1252(" » n'est pas un nombre entier de 1 à 65535 : corrigez le "
                                  "champ Port de la fiche station. Rien n'a été envoyé.")};
    const auto hote = hote_pour_url(rogner(serveur.hote));
    if (!hote)
        return {false, cp1252("Le serveur « ") + std::string(rogner(serveur.hote)) +
                           cp1252(" » n'est pas un nom de serveur valable : corrigez le champ "
                                  "SMTP de la fiche station. Rien n'a été envoyé.")};

    if (m.de.empty()) return refus("L'adresse de l'expéditeur est vide : rien n'a été envoyé.");
    if (m.a.empty() && m.cc.empty())
        return refus("L'email n'a aucun destinataire : rien n'a été envoyé.");
    if (!valeur_sure(m.de)) return refus_valeur("De");
    if (!valeur_sure(m.repondre_a)) return refus_valeur("Répondre à");
    for (const auto& a : m.a)
        if (a.empty() || !valeur_sure(a)) return refus_valeur("A");
    for (const auto& a : m.cc)
        if (a.empty() || !valeur_sure(a)) return refus_valeur("CC");
    if (!valeur_sure(m.objet)) return refus_valeur("Objet");

    Envoi e;
    // libcurl reports a missing file only in the middle of the session; reading it here
    // also sends exactly the bytes that were checked.
    if (m.piece_jointe) {
        auto octets = lire_fichier(*m.piece_jointe);
        if (!octets || std::filesystem::is_directory(*m.piece_jointe))
            return {false, cp1252("La pièce jointe « ") + nom_stocke(*m.piece_jointe) +
                               cp1252(" » est introuvable ou illisible : rien n'a été envoyé.")};
        e.piece_jointe = std::move(octets);
        e.nom_piece_jointe = m.piece_jointe->filename().string();
    }

    const bool implicite = *port == serveur.port_tls_implicite;
    e.url = (implicite ? "smtps://" : "smtp://") + *hote + ":" + std::to_string(*port);
    e.de = "<" + cp1252_vers_utf8(m.de) + ">";
    curl::Slist destinataires, entetes;
    for (const auto* liste : {&m.a, &m.cc})
        for (const auto& a : *liste)
            if (!curl::ajouter(destinataires, "<" + cp1252_vers_utf8(a) + ">"))
                return {false, curl_easy_strerror(CURLE_OUT_OF_MEMORY)};
    std::vector<std::string> lignes = lignes_adresses("From", {m.de});
    auto ajouter_lignes = [&lignes](const std::vector<std::string>& l) {
        lignes.insert(lignes.end(), l.begin(), l.end());
    };
    if (!m.repondre_a.empty()) ajouter_lignes(lignes_adresses("Reply-To", {m.repondre_a}));
    if (!m.a.empty()) ajouter_lignes(lignes_adresses("To", m.a));
    if (!m.cc.empty()) ajouter_lignes(lignes_adresses("Cc", m.cc));
    ajouter_lignes(lignes_entete("Subject", m.objet));
    lignes.push_back("Date: " + date_rfc5322_locale(m.date));
    lignes.push_back("X-Priority: 3 (Normal)");
    for (const auto& l : lignes)
        if (!curl::ajouter(entetes, l)) return {false, curl_easy_strerror(CURLE_OUT_OF_MEMORY)};
    e.destinataires = destinataires.get();
    e.entetes = entetes.get();
    for (const auto& l : m.corps)
        e.corps += l + "\r\n";

    curl::initialiser();
    Suivi suivi;
    std::string erreur;
    CURLcode code =
        session(serveur, e, implicite ? Chiffrement::implicite : Chiffrement::exige, suivi, erreur);
    // The first session insists on TLS. Going again in clear text is safe only when that
    // session failed because the server's whole EHLO reply offered no STARTTLS: then the
    // session stopped right there and nothing of the message was sent.
    if (code != CURLE_OK && !implicite && suivi.ehlo_repondu && !suivi.starttls_offert) {
        suivi = Suivi{};
        erreur.clear();
        code = session(serveur, e, Chiffrement::aucun, suivi, erreur);
    }
    if (code == CURLE_OK) return {true, ""};
    // The server's own words say more than libcurl's code ("RCPT failed: 550").
    const auto& r = suivi.derniere_reponse;
    if (!r.empty() && (r[0] == '4' || r[0] == '5') && erreur.find(r) == std::string::npos)
        erreur += " (" + r + ")";
    return {false, utf8_vers_cp1252(erreur)};
} catch (const std::exception& x) {
    return {false, x.what()};
}

} // namespace ylkaz

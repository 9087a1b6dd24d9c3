#include "app/ini.h"

#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <climits>
#include <cstdint>

namespace ylkaz {

namespace {

bool blanc(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view sans_blancs(std::string_view s) {
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

// Upper case in Windows-1252, so that accented names match too.
unsigned char majuscule(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

bool meme_nom(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (majuscule(static_cast<unsigned char>(a[i])) !=
            majuscule(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The name of the section a line opens: the text after "[" up to "]" (or the end).
std::optional<std::string_view> section_ouverte(std::string_view ligne) {
    ligne = sans_blancs(ligne);
    if (ligne.empty() || ligne.front() != '[') return std::nullopt;
    ligne.remove_prefix(1);
    const auto fin = ligne.find(']');
    if (fin != std::string_view::npos) ligne = ligne.substr(0, fin);
    return sans_blancs(ligne);
}

bool hex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int valeur_hex(char c) {
    if (c <= '9') return c - '0';
    if (c >= 'a') return c - 'a' + 10;
    return c - 'A' + 10;
}

std::string sans_fin_de_ligne(std::string_view valeur) {
    std::string v(valeur);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

} // namespace

std::optional<int> entier_ini(std::string_view s) {
    constexpr std::int64_t limite = std::int64_t{INT_MAX} + 1;
    std::int64_t v = 0;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        for (char c : s.substr(2)) {
            if (!hex(c)) return std::nullopt;
            v = v * 16 + valeur_hex(c);
            if (v > INT_MAX) return std::nullopt;
        }
        return static_cast<int>(v);
    }
    bool negatif = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negatif = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > limite) return std::nullopt;
    }
    if (negatif) v = -v;
    if (v > INT_MAX || v < INT_MIN) return std::nullopt;
    return static_cast<int>(v);
}

Ini::Ini(std::string_view octets) {
    while (!octets.empty()) {
        const auto fin = octets.find('\n');
        std::string_view ligne = octets.substr(0, fin);
        octets.remove_prefix(fin == std::string_view::npos ? octets.size() : fin + 1);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes_.emplace_back(ligne);
    }
}

namespace {

// Index of the first line of that key in a section of that name, and where its "=" is.
struct Trouve {
    std::size_t ligne;
    std::size_t egal;
};

std::optional<Trouve> chercher(const std::vector<std::string>& lignes, std::string_view section,
                               std::string_view cle) {
    bool dedans = false;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const std::string_view ligne = lignes[i];
        if (const auto nom = section_ouverte(ligne)) {
            dedans = meme_nom(*nom, section);
            continue;
        }
        if (!dedans) continue;
        const auto egal = ligne.find('=');
        if (egal != std::string_view::npos && meme_nom(sans_blancs(ligne.substr(0, egal)), cle))
            return Trouve{i, egal};
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> Ini::valeur(std::string_view section, std::string_view cle) const {
    const auto t = chercher(lignes_, section, cle);
    if (!t) return std::nullopt;
    return std::string(sans_blancs(std::string_view(lignes_[t->ligne]).substr(t->egal + 1)));
}

std::string Ini::lire_texte(std::string_view section, std::string_view cle,
                            std::string_view defaut) const {
    if (auto v = valeur(section, cle)) return std::move(*v);
    return std::string(defaut);
}

int Ini::lire_entier(std::string_view section, std::string_view cle, int defaut) const {
    const auto v = valeur(section, cle);
    if (!v) return defaut;
    return entier_ini(*v).value_or(defaut);
}

void Ini::modifier(std::string_view section, std::string_view cle, std::string_view valeur) {
    const std::string v = sans_fin_de_ligne(valeur);
    if (const auto t = chercher(lignes_, section, cle)) {
        auto& ligne = lignes_[t->ligne];
        ligne.resize(t->egal + 1);
        ligne += v;
        return;
    }
    const std::string nouvelle = std::string(cle) + "=" + v;
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
        const auto nom = section_ouverte(lignes_[i]);
        if (!nom || !meme_nom(*nom, section)) continue;
        // After the section's last non-blank line, so that the blank lines that part it
        // from the next section stay between them.
        std::size_t derniere = i;
        for (std::size_t j = i + 1; j < lignes_.size() && !section_ouverte(lignes_[j]); ++j)
            if (!sans_blancs(lignes_[j]).empty()) derniere = j;
        lignes_.insert(lignes_.begin() + static_cast<std::ptrdiff_t>(derniere + 1), nouvelle);
        return;
    }
    lignes_.push_back("[" + std::string(section) + "]");
    lignes_.push_back(nouvelle);
}

std::string Ini::octets() const {
    std::size_t taille = 0;
    for (const auto& l : lignes_)
        taille += l.size() + 2;
    std::string o;
    o.reserve(taille);
    for (const auto& l : lignes_) {
        o += l;
        o += "\r\n";
    }
    return o;
}

FichierIni::FichierIni(std::filesystem::path p) : chemin_(std::move(p)) {
    if (auto octets = lire_fichier(chemin_)) ini_ = Ini(*octets);
}

void FichierIni::ecrire_texte(std::string_view section, std::string_view cle,
                              std::string_view valeur) {
    Ini avant = ini_;
    ini_.modifier(section, cle, valeur);
    try {
        remplacer_fichier(chemin_, ini_.octets());
    } catch (const Erreur&) {
        ini_ = std::move(avant);
        std::string message = cp1252("Impossible d'écrire dans %s");
        message.replace(message.find("%s"), 2, nom_stocke(chemin_));
        throw Erreur(message);
    }
}

void FichierIni::ecrire_entier(std::string_view section, std::string_view cle, int valeur) {
    ecrire_texte(section, cle, std::to_string(valeur));
}

} // namespace ylkaz

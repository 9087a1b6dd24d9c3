#include "refdata/lecture_reference.h"

namespace ylkaz {
namespace {

using npos_t = decltype(std::string_view::npos);
constexpr npos_t npos = std::string_view::npos;

bool blanc(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view rogner(std::string_view s) {
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

// The text before the first `c`; a missing separator gives an empty field.
std::string_view avant(std::string_view s, char c) {
    const auto p = s.find(c);
    return p == npos ? std::string_view() : s.substr(0, p);
}

// Drops the text through the first `c`; nothing when there is none.
void sauter(std::string_view& s, char c, int fois = 1) {
    for (int i = 0; i < fois; ++i) {
        const auto p = s.find(c);
        if (p == npos) return;
        s.remove_prefix(p + 1);
    }
}

// Lines end with CR LF, LF or a lone CR; the line end is not part of the line.
template <class F> void pour_chaque_ligne(std::string_view texte, F&& f) {
    while (!texte.empty()) {
        const auto p = texte.find_first_of("\r\n");
        if (p == npos) {
            f(texte);
            return;
        }
        f(texte.substr(0, p));
        const bool crlf = texte[p] == '\r' && p + 1 < texte.size() && texte[p + 1] == '\n';
        texte.remove_prefix(p + (crlf ? 2 : 1));
    }
}

std::string en_lf(std::string_view texte) {
    std::string s;
    s.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\r') {
            s += texte[i];
        } else if (i + 1 >= texte.size() || texte[i + 1] != '\n') {
            s += '\n';
        }
    }
    return s;
}

// The lines whose first non-blank character is "#" are notes ("# Sabah") between the
// prefixes of one entity; left in, they would glue their text to the next prefix.
std::string sans_commentaires(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    while (!s.empty()) {
        const auto lf = s.find('\n');
        const auto ligne = s.substr(0, lf == npos ? s.size() : lf + 1);
        s.remove_prefix(ligne.size());
        const auto debut = rogner(ligne);
        if (!debut.empty() && debut.front() == '#') continue;
        r += ligne;
    }
    return r;
}

// "AA(4)[7]" and "3H0(23)[42]" both lose their zone overrides; only three characters
// from the bracket go in the first cut, so a two-digit zone leaves its closing bracket
// for the second.
void sans_zone(std::string& item, char ouvre, char ferme) {
    const auto o = item.find(ouvre);
    if (o == npos) return;
    item.erase(o, 3);
    const auto f = item.find(ferme);
    if (f != npos) item.erase(f, 1);
}

void traiter_enregistrement(std::string_view r, ConversionCty& sortie) {
    const auto adif = r.find("ADIF");
    r.remove_prefix(std::min(r.size(), adif == npos ? std::size_t{4} : adif + 5));
    const std::string numero(rogner(avant(r, '\n')));
    sauter(r, '\n');

    const std::string reste = sans_commentaires(r);
    std::string_view s = reste;
    const std::string nom(rogner(avant(s, ':')));
    sauter(s, ':', 3);
    const std::string continent(rogner(avant(s, ':')));
    sauter(s, ':', 4);
    std::string primaire(rogner(avant(s, ':')));
    sauter(s, ':');
    if (const auto etoile = primaire.find('*'); etoile != npos) primaire.erase(0, etoile + 1);

    // The record's closing ";"; an empty item before it stands for the primary prefix,
    // nothing after a final "," does.
    if (!s.empty() && s.back() == ';') s.remove_suffix(1);
    while (!s.empty()) {
        const auto virgule = s.find(',');
        std::string item(rogner(s.substr(0, virgule)));
        s.remove_prefix(virgule == npos ? s.size() : virgule + 1);
        sans_zone(item, '(', ')');
        sans_zone(item, '[', ']');
        if (item.find('=') != npos) continue; // an exact callsign
        sortie.prefixes += item.empty() ? primaire : item;
        sortie.prefixes += ',';
        sortie.prefixes += nom;
        sortie.prefixes += ',';
        sortie.prefixes += primaire;
        sortie.prefixes += ',';
        sortie.prefixes += continent;
        sortie.prefixes += ',';
        sortie.prefixes += numero;
        sortie.prefixes += "\r\n";
        if (sortie.liste.empty() || sortie.liste.back() != primaire)
            sortie.liste.push_back(primaire);
    }
}

} // namespace

ConversionCty convertir_cty(std::string_view cty) {
    const std::string texte = en_lf(cty);
    std::size_t pos = 0;
    for (int i = 0; i < 4 && pos < texte.size(); ++i) {
        const auto lf = texte.find('\n', pos);
        pos = lf == npos ? texte.size() : lf + 1;
    }
    ConversionCty sortie;
    std::string tampon;
    bool ligne_vierge = true;
    bool commentaire = false;
    // A ";" ends a record, except inside a note line, which is no part of the data.
    for (; pos < texte.size(); ++pos) {
        const char c = texte[pos];
        tampon += c;
        if (c == '\n') {
            ligne_vierge = true;
            commentaire = false;
        } else if (ligne_vierge && !blanc(c)) {
            ligne_vierge = false;
            commentaire = c == '#';
        }
        if (c == ';' && !commentaire) {
            traiter_enregistrement(tampon, sortie);
            tampon.clear();
        }
    }
    return sortie;
}

TableReference<ResultatsPays> lire_prefixes(std::string_view contenu) {
    TableReference<ResultatsPays> table;
    pour_chaque_ligne(contenu, [&](std::string_view ligne) {
        const auto virgule = ligne.find(',');
        if (virgule == npos || virgule == 0) return;
        const auto cle = ligne.substr(0, virgule);
        if (table.find(cle) != table.end()) return;
        ResultatsPays r;
        r.pays_prefixe = cle;
        std::string_view reste = ligne.substr(virgule + 1);
        std::size_t virgules = 0;
        for (char c : reste)
            virgules += c == ',';
        if (virgules >= 3) {
            // Country names may hold a comma ("Juan de Nova, Europa"); the three fields
            // after the name never do, so they are counted from the end.
            const auto f3 = reste.rfind(',');
            const auto f2 = reste.rfind(',', f3 - 1);
            const auto f1 = reste.rfind(',', f2 - 1);
            r.pays_nom = reste.substr(0, f1);
            r.pays_dxcc = reste.substr(f1 + 1, f2 - f1 - 1);
            r.pays_continent = reste.substr(f2 + 1, f3 - f2 - 1);
            r.pays_adif = rogner(reste.substr(f3 + 1));
        } else {
            r.pays_nom = avant(reste, ',');
            sauter(reste, ',');
            r.pays_dxcc = avant(reste, ',');
            sauter(reste, ',');
            r.pays_continent = avant(reste, ',');
            sauter(reste, ',');
            r.pays_adif = rogner(reste);
        }
        table.emplace(std::string(cle), std::move(r));
    });
    return table;
}

TableReference<ResultatsMembre> lire_membres(std::string_view contenu) {
    TableReference<ResultatsMembre> table;
    pour_chaque_ligne(contenu, [&](std::string_view ligne) {
        const auto stocke = avant(ligne, ',');
        const auto cle = rogner(stocke);
        if (cle.empty() || table.find(cle) != table.end()) return;
        ResultatsMembre m;
        m.membre_indicatif = stocke;
        sauter(ligne, ',');
        m.membre_numero = rogner(avant(ligne, ','));
        sauter(ligne, ',');
        m.membre_nom = rogner(avant(ligne, ','));
        sauter(ligne, ',');
        m.sexe = rogner(ligne).substr(0, 3);
        table.emplace(std::string(cle), std::move(m));
    });
    return table;
}

TableReference<std::string> lire_liste_yl(std::string_view contenu) {
    TableReference<std::string> table;
    pour_chaque_ligne(contenu, [&](std::string_view ligne) {
        const auto cle = avant(ligne, ';');
        if (cle.empty()) return;
        table.try_emplace(std::string(cle), rogner(ligne.substr(cle.size() + 1)));
    });
    return table;
}

} // namespace ylkaz

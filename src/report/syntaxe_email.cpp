#include "report/syntaxe_email.h"

#include <string_view>

namespace ylkaz {
namespace {

enum class Etat {
    debut,
    atome,
    guillemets,
    paire,
    apres_guillemet,
    point_local,
    debut_label,
    label,
    tiret
};

bool caractere_atome(unsigned char c) {
    if (c < 33 || c == 127) return false;
    return std::string_view("()<>@,;:\\/\".[]").find(static_cast<char>(c)) ==
           std::string_view::npos;
}

bool lettre(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool chiffre(unsigned char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool email_valide(std::string_view texte) {
    Etat etat = Etat::debut;
    bool point_dans_domaine = false;
    for (const char octet : texte) {
        const auto c = static_cast<unsigned char>(octet);
        switch (etat) {
        case Etat::debut:
        case Etat::point_local:
            if (c == '"')
                etat = Etat::guillemets;
            else if (caractere_atome(c))
                etat = Etat::atome;
            else
                return false;
            break;
        case Etat::atome:
            if (c == '@')
                etat = Etat::debut_label;
            else if (c == '.')
                etat = Etat::point_local;
            else if (!caractere_atome(c))
                return false;
            break;
        case Etat::guillemets:
            if (c == '\\')
                etat = Etat::paire;
            else if (c == '"')
                etat = Etat::apres_guillemet;
            else if (c == '\r')
                return false;
            break;
        case Etat::paire:
            etat = Etat::guillemets;
            break;
        case Etat::apres_guillemet:
            if (c == '@')
                etat = Etat::debut_label;
            else if (c == '.')
                etat = Etat::point_local;
            else
                return false;
            break;
        case Etat::debut_label:
            if (!lettre(c)) return false;
            etat = Etat::label;
            break;
        case Etat::label:
            if (c == '.') {
                point_dans_domaine = true;
                etat = Etat::debut_label;
            } else if (c == '-') {
                etat = Etat::tiret;
            } else if (!lettre(c) && !chiffre(c)) {
                return false;
            }
            break;
        case Etat::tiret:
            if (lettre(c) || chiffre(c))
                etat = Etat::label;
            else if (c != '-')
                return false;
            break;
        }
    }
    return etat == Etat::label && point_dans_domaine;
}

} // namespace ylkaz

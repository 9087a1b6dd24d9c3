#include "log/dates.h"

#include <cmath>
#include <cstdio>

namespace ylkaz {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long jours_civils(long a, unsigned m, unsigned j) {
    a -= m <= 2;
    const long ere = (a >= 0 ? a : a - 399) / 400;
    const unsigned ya = static_cast<unsigned>(a - ere * 400);
    const unsigned jda = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const unsigned jde = ya * 365 + ya / 4 - ya / 100 + jda;
    return ere * 146097 + static_cast<long>(jde) - 719468;
}

constexpr long decalage_1899 = 25569;      // 1970-01-01 as a day count since 1899-12-30
constexpr double premier_jour = -693593.0; // 01/01/0001
constexpr double dernier_jour = 2958465.0; // 31/12/9999

bool est_blanc(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view sans_blancs(std::string_view s) {
    while (!s.empty() && est_blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && est_blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

// Reads up to `max` digits; false when there is none.
bool lire_nombre(std::string_view& s, int max, int& valeur) {
    int n = 0;
    valeur = 0;
    while (!s.empty() && n < max && s.front() >= '0' && s.front() <= '9') {
        valeur = valeur * 10 + (s.front() - '0');
        s.remove_prefix(1);
        ++n;
    }
    return n > 0;
}

bool lire_separateur(std::string_view& s, char sep) {
    if (s.empty() || s.front() != sep) return false;
    s.remove_prefix(1);
    return true;
}

} // namespace

long jours_depuis_1899(int annee, int mois, int jour) {
    return jours_civils(annee, static_cast<unsigned>(mois), static_cast<unsigned>(jour)) +
           decalage_1899;
}

Date date_du_jour(long jours) {
    long z = jours - decalage_1899 + 719468;
    const long ere = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned jde = static_cast<unsigned>(z - ere * 146097);
    const unsigned ye = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;
    const long a = static_cast<long>(ye) + ere * 400;
    const unsigned jda = jde - (365 * ye + ye / 4 - ye / 100);
    const unsigned mp = (5 * jda + 2) / 153;
    const unsigned j = jda - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(a + (m <= 2)), static_cast<int>(m), static_cast<int>(j)};
}

bool date_valide(int annee, int mois, int jour) {
    if (annee < 1 || annee > 9999 || mois < 1 || mois > 12 || jour < 1) return false;
    static const int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    const int max = longueurs[mois - 1] + (mois == 2 && bissextile ? 1 : 0);
    return jour <= max;
}

std::optional<double> lire_date(std::string_view texte) {
    std::string_view s = sans_blancs(texte);
    int j = 0, m = 0, a = 0;
    if (!lire_nombre(s, 2, j) || !lire_separateur(s, '/') || !lire_nombre(s, 2, m) ||
        !lire_separateur(s, '/') || !lire_nombre(s, 4, a) || !s.empty())
        return std::nullopt;
    if (!date_valide(a, m, j)) return std::nullopt;
    return static_cast<double>(jours_depuis_1899(a, m, j));
}

std::optional<double> lire_heure(std::string_view texte) {
    std::string_view s = sans_blancs(texte);
    int h = 0, m = 0, sec = 0;
    if (!lire_nombre(s, 2, h) || !lire_separateur(s, ':') || !lire_nombre(s, 2, m))
        return std::nullopt;
    if (!s.empty() && (!lire_separateur(s, ':') || !lire_nombre(s, 2, sec) || !s.empty()))
        return std::nullopt;
    if (h > 23 || m > 59 || sec > 59) return std::nullopt;
    return (h * 3600.0 + m * 60.0 + sec) / 86400.0;
}

std::string ecrire_date(double jours) {
    if (!std::isfinite(jours) || jours < premier_jour || jours >= dernier_jour + 1.0) return {};
    const Date d = date_du_jour(static_cast<long>(std::trunc(jours)));
    char t[16];
    std::snprintf(t, sizeof t, "%02d/%02d/%04d", d.jour, d.mois, d.annee);
    return t;
}

std::string ecrire_heure(double fraction) {
    if (!std::isfinite(fraction) || fraction < 0.0 || fraction >= 1.0) return {};
    // Rounded to the millisecond first, so 13:07 stored as 787/1440 reads back as 13:07.
    long long ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000LL) ms = 86400000LL - 1;
    char t[8];
    std::snprintf(t, sizeof t, "%02d:%02d", static_cast<int>(ms / 3600000),
                  static_cast<int>(ms / 60000 % 60));
    return t;
}

} // namespace ylkaz

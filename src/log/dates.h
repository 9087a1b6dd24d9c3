#pragma once
// Dates as day counts since 30 December 1899 and times as fractions of a day, the
// stored form of the log's date and time cells ("DD/MM/YYYY" and "HH:MM").
#include <optional>
#include <string>
#include <string_view>

namespace ylkaz {

struct Date {
    int annee = 0, mois = 0, jour = 0;
};

// Day count of a calendar date (12/03/2021 is 44267).
long jours_depuis_1899(int annee, int mois, int jour);
Date date_du_jour(long jours);
bool date_valide(int annee, int mois, int jour);

// "D/M/Y" with one or two digits for day and month and one to four for the year,
// blanks around it allowed; nothing when it is not a real date.
std::optional<double> lire_date(std::string_view texte);
// "H:M" or "H:M:S"; nothing when it is not a time of day.
std::optional<double> lire_heure(std::string_view texte);

// "DD/MM/YYYY", or empty when the value is not a finite day count of years 1 to 9999.
std::string ecrire_date(double jours);
// "HH:MM", or empty when the value is not a finite fraction in [0, 1).
std::string ecrire_heure(double fraction);

} // namespace ylkaz

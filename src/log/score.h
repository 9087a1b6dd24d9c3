#pragma once
// Duplicates, QSO points, countries, band multipliers and the score of the log table.
// Everything but the totals is kept in the table's columns 11 to 14, so the score can
// always be rebuilt from the table alone.
#include "app/etat.h"
#include "log/grille_log.h"
#include "refdata/reference.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ylkaz {

// The totals of the log and the two main-window labels the evaluation writes.
struct EtatScore {
    std::int32_t total_points = 0;
    std::int32_t total_multi = 0;
    std::int32_t score = 0;
    std::string Label_score = "Score = ";
    // Continent of the row evaluated last; empty after a duplicate.
    std::string Label_his_continent;

    // When another log file is opened: the totals go back to 0 and the continent label is
    // emptied together with the table.
    void remettre_a_zero();
};

// " M - - - -" for "80" up to " - - - - M" for "10"; empty for any other band text.
std::string_view marque_multiplicateur(std::string_view bande);

// Evaluates one row (from 1) against the rows above it: duplicate note, points, country,
// multiplier mark, and the continent label. Leaves the totals and Label_score alone.
void Calcul_ligne(Grille_log& grille, const StationRecord& station, Reference& reference,
                  EtatScore& etat, int row);

// Re-evaluates every row from the top, clears the computed and looked-up columns of rows
// without a callsign, and writes the totals and Label_score. Gives the same table as
// Calcul_ligne run on each row in turn, in one pass over the table.
void Calcul_score(Grille_log& grille, const StationRecord& station, Reference& reference,
                  EtatScore& etat);

} // namespace ylkaz

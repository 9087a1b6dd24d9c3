#pragma once
// The evaluation rules written out literally, row by row, each row scanning the rows above
// it: slow (quadratic) but plain to check by reading. The tests and the benchmark compare
// log/score.h with it.
#include "log/grille_log.h"
#include "log/score.h"
#include "refdata/reference.h"

#include <cstdint>
#include <string>

namespace ylkaz::reference {

inline std::string rogner(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32)
        ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32)
        --b;
    return s.substr(a, b - a);
}

inline void Calcul_ligne(Grille_log& g, const StationRecord& station, Reference& ref,
                         EtatScore& etat, int row) {
    g.set_cellule(12, row, "");
    g.set_cellule(13, row, "");
    g.set_cellule(14, row, "");
    etat.Label_his_continent = "";

    const std::string base = Indicatif_base(g.cellule(3, row));
    bool comparable = false; // a base call of blanks only is compared with nothing
    for (char c : base)
        comparable = comparable || static_cast<unsigned char>(c) > 32;
    for (int k = 1; k <= row - 1 && comparable; ++k) {
        if (Indicatif_base(g.cellule(3, k)) == base && g.cellule(0, k) == g.cellule(0, row)) {
            g.set_cellule(14, row,
                          "DUPE = " + g.cellule(3, k) + "->" + g.cellule(2, k) + "->" +
                              g.cellule(1, k));
            g.set_cellule(12, row, "0");
            const ResultatsPays p = ref.Recherche_pays(g.cellule(3, row));
            g.set_cellule(11, row, p.pays_dxcc);
            return;
        }
    }

    if (station.MY_SEXE == "YL")
        g.set_cellule(12, row, g.cellule(8, row) == "YL" ? "2" : "1");
    else if (station.MY_SEXE == "OM")
        g.set_cellule(12, row, g.cellule(8, row) == "YL" ? "1" : "0");

    const ResultatsPays p = ref.Recherche_pays(g.cellule(3, row));
    g.set_cellule(11, row, p.pays_dxcc);
    etat.Label_his_continent = p.pays_continent;

    const std::string premiere = g.cellule(1, 1);
    std::string seconde;
    for (int r = 1; r <= g.RowCount() - 1; ++r) {
        if (!g.cellule(1, r).empty() && g.cellule(1, r) != premiere) {
            seconde = g.cellule(1, r);
            break;
        }
    }

    if (g.cellule(1, row) == premiere || g.cellule(1, row) == seconde) {
        bool deja = false;
        for (int k = 1; k <= row - 1; ++k)
            if (g.cellule(11, k) == p.pays_dxcc && g.cellule(0, k) == g.cellule(0, row))
                deja = true;
        if (!deja) {
            const std::string& b = g.cellule(0, row);
            if (b == "80") g.set_cellule(13, row, " M - - - -");
            if (b == "40") g.set_cellule(13, row, " - M - - -");
            if (b == "20") g.set_cellule(13, row, " - - M - -");
            if (b == "15") g.set_cellule(13, row, " - - - M -");
            if (b == "10") g.set_cellule(13, row, " - - - - M");
        }
    }
}

inline void Calcul_score(Grille_log& g, const StationRecord& station, Reference& ref,
                         EtatScore& etat) {
    etat.total_points = 0;
    etat.total_multi = 0;
    for (int r = 1; r <= g.RowCount() - 1; ++r) {
        if (!rogner(g.cellule(3, r)).empty()) {
            reference::Calcul_ligne(g, station, ref, etat, r);
            if (!g.cellule(12, r).empty()) etat.total_points += std::stoi(g.cellule(12, r));
            if (g.cellule(13, r).find("M") != std::string::npos) etat.total_multi += 1;
        } else {
            g.set_cellule(10, r, "");
            g.set_cellule(9, r, "");
            g.set_cellule(12, r, "");
            g.set_cellule(13, r, "");
            g.set_cellule(14, r, "");
        }
    }
    etat.score =
        static_cast<std::int32_t>(std::int64_t{etat.total_points} * std::int64_t{etat.total_multi});
    etat.Label_score = "Score = " + std::to_string(etat.total_points) + " x " +
                       std::to_string(etat.total_multi) + " = " + std::to_string(etat.score);
}

} // namespace ylkaz::reference

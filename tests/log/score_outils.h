#pragma once
// A log table and the lookups it needs, for the score tests: a program folder holding a
// small prefix list of made-up content in the prefix-list format.
#include "log/grille_log.h"
#include "log/score.h"
#include "refdata/reference.h"
#include "support/dossier_temp.h"

#include <initializer_list>
#include <string>

namespace ylkaz::test {

// The columns a row is typed with: band, date, time, callsign, category.
struct Qso {
    std::string bande, date, heure, indicatif, categorie;
};

inline constexpr const char* LISTE_PREFIXES = "F,France,F,EU,227\r\n"
                                              "DL,Fed. Rep. of Germany,DL,EU,230\r\n"
                                              "9A,Croatia,9A,EU,497\r\n"
                                              "K,United States,K,NA,291\r\n"
                                              "VK9X,Christmas Island,VK9X,OC,35\r\n"
                                              "VK,Australia,VK,OC,150\r\n"
                                              "JA,Japan,JA,AS,339\r\n"
                                              "G,England,G,EU,223\r\n"
                                              "ON,Belgium,ON,EU,209\r\n"
                                              "LU,Argentina,LU,SA,100\r\n";

struct Recherches {
    static Dossiers preparer(const DossierTemp& d) {
        d.ecrire("DXCC.csv", LISTE_PREFIXES);
        return Dossiers::depuis(d.chemin());
    }
    DossierTemp dossier;
    Dossiers dossiers = preparer(dossier);
    Reference reference{dossiers};
};

inline StationRecord station_de_sexe(std::string sexe) {
    StationRecord s;
    s.MY_SEXE = std::move(sexe);
    return s;
}

// Rows 1 to n hold the QSOs, row n + 1 is the empty entry row.
inline void remplir(Grille_log& g, std::initializer_list<Qso> qsos) {
    g.Vider_grille();
    g.set_RowCount(static_cast<int>(qsos.size()) + 2);
    int r = 1;
    for (const auto& q : qsos) {
        g.set_cellule(colonne::bande, r, q.bande);
        g.set_cellule(colonne::date, r, q.date);
        g.set_cellule(colonne::heure, r, q.heure);
        g.set_cellule(colonne::indicatif, r, q.indicatif);
        g.set_cellule(colonne::categorie, r, q.categorie);
        ++r;
    }
    g.renumeroter();
}

} // namespace ylkaz::test

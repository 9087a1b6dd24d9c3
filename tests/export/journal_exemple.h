#pragma once
// A small log that meets every export rule once, its station, and a prefix list for the
// country lookups, written into a temporary program folder.
#include "app/etat.h"
#include "export/cabrillo.h"
#include "log/grille_log.h"
#include "platform/cp1252.h"
#include "support/dossier_temp.h"

#include <array>
#include <string>

namespace ylkaz::test {

using Cellules = std::array<const char*, Grille_log::COLONNES>;

inline void remplir(Grille_log& g, int r, const Cellules& c) {
    if (g.RowCount() <= r) g.set_RowCount(r + 1);
    for (int col = 0; col < Grille_log::COLONNES; ++col)
        g.set_cellule(col, r, cp1252(c[static_cast<std::size_t>(col)]));
}

// The rows, in order: a YL member whose number carries a "*"; an
// OM non-member; a blank row; a duplicate of row 1 with a two-digit year and no points;
// an unknown band with a 14-character call; a member whose name is longer than its
// field; a callsign of blanks only; then the entry row as the real-time tick leaves it.
inline void journal_exemple(Grille_log& g) {
    g.Vider_grille();
    // clang-format off
    remplir(g, 1, {"40", "12/03/2021", "13:07", "DL1ABC", "599", "1", "579", "", "YL", "Marie", "45*", "DL", "2", " M - - - -", ""});
    remplir(g, 2, {"20", "12/03/2021", "13:10", "G4XYZ", "599", "2", "599", "", "OM", "John", "NM", "G", "1", "", ""});
    remplir(g, 3, {"", "", "", "", "", "3", "", "", "", "", "", "", "", "", ""});
    remplir(g, 4, {"40", "12/03/21", "13:15", "DL1ABC", "599", "4", "599", "", "YL", "Marie", "45*", "DL", "0", "", "DUPE = DL1ABC"});
    remplir(g, 5, {"160", "12/03/2021", "14:02", "VK9XABCDEFGHIJ", "599", "5", "559", "", "OM", "Bob", "NM", "VK9X", "1", "", ""});
    remplir(g, 6, {"15", "12/03/2021", "23:59", "F5ZZZ", "599", "6", "599", "", "YL", "Jeanne-Marie", "7", "F", "2", "", ""});
    remplir(g, 7, {"80", "13/03/2021", "00:01", "   ", "599", "7", "599", "", "", "", "", "", "", "", ""});
    remplir(g, 8, {"40", "13/03/2021", "00:02", "", "", "8", "", "", "", "", "", "", "", "", ""});
    // clang-format on
}

inline StationRecord station_exemple() {
    StationRecord s;
    s.OPERATOR = "F4ABC";
    s.MY_NAME = cp1252("Hélène");
    s.MY_STATION = "F4ABC";
    s.MY_NRKAZ = "123";
    s.MY_DXCC = "F";
    s.MY_SEXE = "YL";
    s.MY_CATEGORY = "B. <=100W";
    s.MY_STREET = cp1252("1 rue des Lilas, Bât. B");
    s.MY_CITY = "75001 Paris";
    s.MY_EMAIL = "helene@example.org";
    return s;
}

inline ChampsCabrillo champs_exemple() {
    return {cp1252("Hélène"), "1 rue des Lilas", cp1252("Bât. B"), "75001 Paris", "123"};
}

// Field 1 of each line is the key the lookup tries: DL1A, DL1 and DL for DL1ABC.
inline const char* const PREFIXES_EXEMPLE = "DL,Fed. Rep. of Germany,DL,EU,230\r\n"
                                            "G,England,G,EU,223\r\n"
                                            "F,France,F,EU,227\r\n"
                                            "VK9X,Christmas Island,VK9X,OC,35\r\n";

inline void ecrire_prefixes(const DossierTemp& prog) {
    prog.ecrire("DXCC.csv", PREFIXES_EXEMPLE);
}

} // namespace ylkaz::test

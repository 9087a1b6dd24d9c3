#include "log/score.h"

#include <charconv>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace ylkaz {

namespace k = colonne;

void EtatScore::remettre_a_zero() {
    total_points = 0;
    total_multi = 0;
    score = 0;
    Label_his_continent.clear();
}

std::string_view marque_multiplicateur(std::string_view bande) {
    if (bande == "80") return " M - - - -";
    if (bande == "40") return " - M - - -";
    if (bande == "20") return " - - M - -";
    if (bande == "15") return " - - - M -";
    if (bande == "10") return " - - - - M";
    return {};
}

namespace {

// The two days of the contest: the date of row 1, and the first other date found anywhere
// in the table (rows below the evaluated one and blank rows included).
struct DatesConcours {
    std::string premiere;
    std::string seconde;

    explicit DatesConcours(const Grille_log& g) : premiere(g.cellule(k::date, 1)) {
        for (int r = 1; r < g.RowCount(); ++r) {
            const auto& d = g.cellule(k::date, r);
            if (!d.empty() && d != premiere) {
                seconde = d;
                break;
            }
        }
    }
    bool contient(const std::string& date) const { return date == premiere || date == seconde; }
};

std::string points(const std::string& mon_sexe, const std::string& son_sexe) {
    if (mon_sexe == "YL") return son_sexe == "YL" ? "2" : "1";
    if (mon_sexe == "OM") return son_sexe == "YL" ? "1" : "0";
    return {};
}

std::string note_doublon(const Grille_log& g, int premier) {
    return "DUPE = " + g.cellule(k::indicatif, premier) + "->" + g.cellule(k::heure, premier) +
           "->" + g.cellule(k::date, premier);
}

// Writes the evaluation of `row`: `doublon` is the earlier row it repeats (0 for none),
// `deja_vu(pays)` tells whether an earlier row holds that country on this row's band.
// Each cell is written once with its final text so that a view sees one change per cell.
template <class DejaVu>
void evaluer(Grille_log& g, const StationRecord& station, Reference& reference, EtatScore& etat,
             int row, int doublon, const DatesConcours& dates, DejaVu&& deja_vu) {
    const auto& pays = reference.Recherche_pays(g.cellule(k::indicatif, row));
    std::string dxcc = pays.pays_dxcc;
    std::string pts, marque, note, continent;
    if (doublon > 0) {
        pts = "0";
        note = note_doublon(g, doublon);
    } else {
        pts = points(station.MY_SEXE, g.cellule(k::categorie, row));
        continent = pays.pays_continent;
        if (dates.contient(g.cellule(k::date, row)) && !deja_vu(dxcc))
            marque = marque_multiplicateur(g.cellule(k::bande, row));
    }
    g.set_cellule(k::pays, row, std::move(dxcc));
    g.set_cellule(k::points, row, std::move(pts));
    g.set_cellule(k::multiplicateur, row, std::move(marque));
    g.set_cellule(k::doublon, row, std::move(note));
    etat.Label_his_continent = std::move(continent);
}

// One hash key for a pair of texts (band, then call or country) whatever bytes they hold:
// the band's length comes first, so no two pairs share a key.
void cle_de(std::string& cle, const std::string& bande, std::string_view texte) {
    const auto n = static_cast<std::uint32_t>(bande.size());
    cle.resize(sizeof n);
    std::memcpy(cle.data(), &n, sizeof n);
    cle += bande;
    cle += texte;
}

} // namespace

void Calcul_ligne(Grille_log& grille, const StationRecord& station, Reference& reference,
                  EtatScore& etat, int row) {
    if (row < 1 || row >= grille.RowCount()) return;
    const std::string& bande = grille.cellule(k::bande, row);
    const std::string base = Indicatif_base(grille.cellule(k::indicatif, row));
    int doublon = 0;
    for (int r = 1; r < row && doublon == 0; ++r)
        if (grille.cellule(k::bande, r) == bande &&
            Indicatif_base(grille.cellule(k::indicatif, r)) == base)
            doublon = r;
    evaluer(grille, station, reference, etat, row, doublon, DatesConcours(grille),
            [&](const std::string& pays) {
                for (int r = 1; r < row; ++r)
                    if (grille.cellule(k::pays, r) == pays && grille.cellule(k::bande, r) == bande)
                        return true;
                return false;
            });
}

void Calcul_score(Grille_log& grille, const StationRecord& station, Reference& reference,
                  EtatScore& etat) {
    etat.total_points = 0;
    etat.total_multi = 0;
    const int n = grille.RowCount();
    const DatesConcours dates(grille);
    // First row of each (band, base call), and every (band, country) of the rows passed.
    // Rows without a callsign go in too: the rows below compare with them as with any
    // earlier row, and their untouched country still counts.
    std::unordered_map<std::string, int> premiere_ligne;
    std::unordered_set<std::string> pays_vus;
    premiere_ligne.reserve(static_cast<std::size_t>(n));
    pays_vus.reserve(static_cast<std::size_t>(n));
    std::string cle;
    for (int r = 1; r < n; ++r) {
        const std::string& bande = grille.cellule(k::bande, r);
        cle_de(cle, bande, Indicatif_base(grille.cellule(k::indicatif, r)));
        const int premiere = premiere_ligne.try_emplace(cle, r).first->second;
        if (!grille.ligne_vide(r)) {
            evaluer(grille, station, reference, etat, r, premiere == r ? 0 : premiere, dates,
                    [&](const std::string& pays) {
                        cle_de(cle, bande, pays);
                        return pays_vus.contains(cle);
                    });
            const auto& pts = grille.cellule(k::points, r);
            int valeur = 0;
            if (std::from_chars(pts.data(), pts.data() + pts.size(), valeur).ec == std::errc{})
                etat.total_points += valeur;
            if (grille.cellule(k::multiplicateur, r).find('M') != std::string::npos)
                ++etat.total_multi;
        } else {
            for (int c : {k::numero_membre, k::nom, k::points, k::multiplicateur, k::doublon})
                grille.set_cellule(c, r, {});
        }
        cle_de(cle, bande, grille.cellule(k::pays, r));
        pays_vus.insert(cle);
    }
    // Wraps rather than overflows; a real log stays many orders of magnitude below.
    etat.score =
        static_cast<std::int32_t>(static_cast<std::int64_t>(etat.total_points) * etat.total_multi);
    etat.Label_score = "Score = " + std::to_string(etat.total_points) + " x " +
                       std::to_string(etat.total_multi) + " = " + std::to_string(etat.score);
}

} // namespace ylkaz

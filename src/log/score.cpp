#include "log/score.h"

#include <charconv>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

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

// A callsign that reduces to nothing but blanks ("F4ABC/" gives an empty base call) has
// no base call to compare: it is never a duplicate nor the row another one duplicates,
// or every such QSO would be a duplicate of the blank rows and of each other.
bool base_comparable(const std::string& base) {
    for (char c : base)
        if (static_cast<unsigned char>(c) > 32) return true;
    return false;
}

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

// Writes the evaluation of `row` from the lookup of its callsign: `doublon` is the earlier
// row it repeats (0 for none), `premier_sur_bande` tells that no earlier row holds its
// country on its band. Each cell is written once with its final text, so that a view sees
// one change per cell.
void evaluer(Grille_log& g, const StationRecord& station, EtatScore& etat, int row, int doublon,
             const DatesConcours& dates, const ResultatsPays& pays, bool premier_sur_bande) {
    std::string pts, marque, note, continent;
    if (doublon > 0) {
        pts = "0";
        note = note_doublon(g, doublon);
    } else {
        pts = points(station.MY_SEXE, g.cellule(k::categorie, row));
        continent = pays.pays_continent;
        if (premier_sur_bande && dates.contient(g.cellule(k::date, row)))
            marque = marque_multiplicateur(g.cellule(k::bande, row));
    }
    g.set_cellule(k::pays, row, pays.pays_dxcc);
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

// A hash table of texts for one pass over the table, at most one insertion per row: open
// addressing over keys kept side by side, so the pass allocates once, not once per row.
class TableTextes {
  public:
    explicit TableTextes(std::size_t n) {
        std::size_t taille = 16;
        while (taille < 2 * n)
            taille *= 2;
        cases_.assign(taille, -1);
        cles_.reserve(n);
        valeurs_.reserve(n);
    }
    // The value kept with `cle`, and whether it was new (then `valeur` is kept with it).
    std::pair<int, bool> inserer(const std::string& cle, int valeur) {
        const std::size_t masque = cases_.size() - 1;
        for (std::size_t i = std::hash<std::string>{}(cle)&masque;; i = (i + 1) & masque) {
            const int c = cases_[i];
            if (c < 0) {
                cases_[i] = static_cast<int>(cles_.size());
                cles_.push_back(cle);
                valeurs_.push_back(valeur);
                return {valeur, true};
            }
            if (cles_[static_cast<std::size_t>(c)] == cle)
                return {valeurs_[static_cast<std::size_t>(c)], false};
        }
    }

  private:
    std::vector<int> cases_;
    std::vector<std::string> cles_;
    std::vector<int> valeurs_;
};

} // namespace

void Calcul_ligne(Grille_log& grille, const StationRecord& station, Reference& reference,
                  EtatScore& etat, int row) {
    if (row < 1 || row >= grille.RowCount()) return;
    const std::string& bande = grille.cellule(k::bande, row);
    const std::string base = Indicatif_base(grille.cellule(k::indicatif, row));
    int doublon = 0;
    for (int r = 1; r < row && doublon == 0 && base_comparable(base); ++r)
        if (grille.cellule(k::bande, r) == bande &&
            Indicatif_base(grille.cellule(k::indicatif, r)) == base)
            doublon = r;
    const auto& pays = reference.Recherche_pays(grille.cellule(k::indicatif, row));
    bool premier = true;
    for (int r = 1; r < row && premier; ++r)
        premier =
            grille.cellule(k::pays, r) != pays.pays_dxcc || grille.cellule(k::bande, r) != bande;
    evaluer(grille, station, etat, row, doublon, DatesConcours(grille), pays, premier);
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
    TableTextes premiere_ligne(static_cast<std::size_t>(n));
    TableTextes pays_vus(static_cast<std::size_t>(n));
    std::string cle;
    for (int r = 1; r < n; ++r) {
        const std::string& bande = grille.cellule(k::bande, r);
        const std::string base = Indicatif_base(grille.cellule(k::indicatif, r));
        int premiere = r;
        if (base_comparable(base)) {
            cle_de(cle, bande, base);
            premiere = premiere_ligne.inserer(cle, r).first;
        }
        if (!grille.ligne_vide(r)) {
            const auto& pays = reference.Recherche_pays(grille.cellule(k::indicatif, r));
            // The row's country goes in at once: it is what its column 11 will hold.
            cle_de(cle, bande, pays.pays_dxcc);
            const bool premier = pays_vus.inserer(cle, r).second;
            evaluer(grille, station, etat, r, premiere == r ? 0 : premiere, dates, pays, premier);
            const auto& pts = grille.cellule(k::points, r);
            int valeur = 0;
            if (std::from_chars(pts.data(), pts.data() + pts.size(), valeur).ec == std::errc{})
                etat.total_points += valeur;
            if (grille.cellule(k::multiplicateur, r).find('M') != std::string::npos)
                ++etat.total_multi;
        } else {
            for (int c : {k::numero_membre, k::nom, k::points, k::multiplicateur, k::doublon})
                grille.set_cellule(c, r, {});
            cle_de(cle, bande, grille.cellule(k::pays, r));
            pays_vus.inserer(cle, r);
        }
    }
    // Wraps rather than overflows; a real log stays many orders of magnitude below.
    etat.score =
        static_cast<std::int32_t>(static_cast<std::int64_t>(etat.total_points) * etat.total_multi);
    etat.Label_score = "Score = " + std::to_string(etat.total_points) + " x " +
                       std::to_string(etat.total_multi) + " = " + std::to_string(etat.score);
}

} // namespace ylkaz

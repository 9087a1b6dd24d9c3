#include "log/grille_log.h"

#include "log/dates.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"

#include <cassert>

namespace ylkaz {

Grille_log::Grille_log() : lignes_(2) {
    largeurs_.fill(LARGEUR_DEFAUT);
}

const std::string& Grille_log::cellule(int col, int row) const {
    assert(col >= 0 && col < COLONNES && row >= 0 && row < RowCount());
    return lignes_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void Grille_log::set_cellule(int col, int row, std::string texte) {
    assert(col >= 0 && col < COLONNES && row >= 0 && row < RowCount());
    auto& c = lignes_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (c == texte) return;
    c = std::move(texte);
    if (observateur_) observateur_->cellule_changee(col, row);
}

void Grille_log::set_RowCount(int n) {
    if (n < 2) n = 2;
    const int ancien = RowCount();
    if (n == ancien) return;
    if (observateur_) observateur_->lignes_vont_changer(ancien, n);
    lignes_.resize(static_cast<std::size_t>(n));
    if (row_ >= n) row_ = n - 1;
    if (observateur_) observateur_->lignes_changees(ancien, n);
}

void Grille_log::selectionner(int col, int row) {
    if (col < 0 || col >= COLONNES || row < 1 || row >= RowCount()) return;
    col_ = col;
    row_ = row;
    if (observateur_) observateur_->selection_changee();
}

void Grille_log::vider_ligne(int row) {
    for (int c = 0; c < COLONNES; ++c)
        set_cellule(c, row, {});
}

void Grille_log::copier_ligne(int de, int vers) {
    for (int c = 0; c < COLONNES; ++c)
        set_cellule(c, vers, cellule(c, de));
}

void Grille_log::Vider_grille() {
    for (int r = 1; r < RowCount(); ++r)
        vider_ligne(r);
    set_RowCount(2);
}

void Grille_log::renumeroter() {
    for (int r = 1; r < RowCount(); ++r)
        set_cellule(colonne::numero, r, std::to_string(r));
}

bool Grille_log::ligne_vide(int row) const {
    for (char ch : cellule(colonne::indicatif, row))
        if (static_cast<unsigned char>(ch) > 32) return false;
    return true;
}

TEnreg_QSO Grille_log::ligne_vers_enreg(int row, const std::string& operateur,
                                        const std::string& station) const {
    namespace k = colonne;
    TEnreg_QSO e;
    e.operateur = operateur;
    e.station = station;
    const auto date = lire_date(cellule(k::date, row));
    if (!date) throw Erreur("'" + cellule(k::date, row) + "' n'est pas une date correcte");
    const auto heure = lire_heure(cellule(k::heure, row));
    if (!heure) throw Erreur("'" + cellule(k::heure, row) + "' n'est pas une heure correcte");
    e.date = *date;
    e.heure = *heure;
    e.bande = cellule(k::bande, row);
    e.indicatif = cellule(k::indicatif, row);
    e.rst_envoye = cellule(k::rst_envoye, row);
    e.rst_recu = cellule(k::rst_recu, row);
    e.numero_membre = cellule(k::numero_membre, row);
    e.categorie = cellule(k::categorie, row);
    e.nom = cellule(k::nom, row);
    e.prefixe_pays = cellule(k::pays, row);
    e.champ_extra = cellule(k::extra, row);
    return e;
}

void Grille_log::enreg_vers_ligne(const TEnreg_QSO& e, int row) {
    namespace k = colonne;
    set_cellule(k::numero, row, std::to_string(row));
    set_cellule(k::bande, row, e.bande);
    set_cellule(k::date, row, ecrire_date(e.date));
    set_cellule(k::heure, row, ecrire_heure(e.heure));
    set_cellule(k::indicatif, row, e.indicatif);
    set_cellule(k::rst_envoye, row, e.rst_envoye);
    set_cellule(k::rst_recu, row, e.rst_recu);
    set_cellule(k::numero_membre, row, e.numero_membre);
    set_cellule(k::nom, row, e.nom);
    set_cellule(k::categorie, row, e.categorie);
    set_cellule(k::pays, row, e.prefixe_pays);
    set_cellule(k::extra, row, e.champ_extra);
}

void Grille_log::set_largeur_colonne(int col, int largeur) {
    largeurs_.at(static_cast<std::size_t>(col)) = largeur;
    if (observateur_) observateur_->apparence_changee();
}

void Grille_log::set_police(int taille, int hauteur_ligne) {
    taille_police_ = taille;
    hauteur_ligne_ = hauteur_ligne;
    if (observateur_) observateur_->apparence_changee();
}

void Grille_band::initialiser() {
    colonne_bande_ = -1;
    selectionner(1);
}

void Grille_band::Grille_bandSelectCell(int colonne) {
    if (colonne < 0 || colonne >= static_cast<int>(BANDES.size())) return;
    colonne_bande_ = colonne;
    bande_courante_ = BANDES[static_cast<std::size_t>(colonne)];
    grille_.set_cellule(colonne::bande, grille_.ligne_saisie(), bande_courante_);
}

void Grille_band::selectionner(int colonne) {
    if (colonne == colonne_bande_) return;
    Grille_bandSelectCell(colonne);
}

} // namespace ylkaz

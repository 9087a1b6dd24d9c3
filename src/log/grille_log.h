#pragma once
// The log table: 15 text columns, row 0 the titles, the last row the entry row.
#include "log/enreg_qso.h"

#include <array>
#include <string>
#include <vector>

namespace ylkaz {

namespace colonne {
constexpr int bande = 0, date = 1, heure = 2, indicatif = 3, rst_envoye = 4, numero = 5,
              rst_recu = 6, extra = 7, categorie = 8, nom = 9, numero_membre = 10, pays = 11,
              points = 12, multiplicateur = 13, doublon = 14;
}

// Told of every change so that a view can follow the table.
class ObservateurGrille {
  public:
    virtual ~ObservateurGrille() = default;
    virtual void cellule_changee(int /*col*/, int /*row*/) {}
    virtual void lignes_vont_changer(int /*ancien*/, int /*nouveau*/) {}
    virtual void lignes_changees(int /*ancien*/, int /*nouveau*/) {}
    virtual void selection_changee() {}
    virtual void apparence_changee() {} // widths, font size, row height
};

class Grille_log {
  public:
    static constexpr int COLONNES = 15;
    static constexpr int LARGEUR_DEFAUT = 80;
    static constexpr int HAUTEUR_LIGNE_DEFAUT = 18;
    static constexpr int TAILLE_POLICE_DEFAUT = 8;

    Grille_log();

    const std::string& cellule(int col, int row) const;
    void set_cellule(int col, int row, std::string texte);

    int RowCount() const { return static_cast<int>(lignes_.size()); }
    // Never below 2: the title row and one QSO row. New rows are empty.
    void set_RowCount(int n);

    int Col() const { return col_; }
    int Row() const { return row_; }
    void selectionner(int col, int row);
    int ligne_saisie() const { return RowCount() - 1; }

    void vider_ligne(int row);
    void copier_ligne(int de, int vers);
    // Clears every QSO row and leaves the titles and one empty entry row.
    void Vider_grille();
    // Column 5 of every QSO row := its row number.
    void renumeroter();
    // A blank row has nothing but blanks in its callsign cell.
    bool ligne_vide(int row) const;

    // Fails with "'%s' n'est pas une date correcte" (or "heure") for a cell that does not
    // read as a date or time; throws Erreur.
    TEnreg_QSO ligne_vers_enreg(int row, const std::string& operateur,
                                const std::string& station) const;
    void enreg_vers_ligne(const TEnreg_QSO& e, int row);

    int largeur_colonne(int col) const { return largeurs_.at(col); }
    void set_largeur_colonne(int col, int largeur);
    int hauteur_ligne() const { return hauteur_ligne_; }
    int taille_police() const { return taille_police_; }
    void set_police(int taille, int hauteur_ligne);

    void set_observateur(ObservateurGrille* o) { observateur_ = o; }

  private:
    using Ligne = std::array<std::string, COLONNES>;
    std::vector<Ligne> lignes_;
    std::array<int, COLONNES> largeurs_;
    int col_ = 3, row_ = 1;
    int hauteur_ligne_ = HAUTEUR_LIGNE_DEFAUT;
    int taille_police_ = TAILLE_POLICE_DEFAUT;
    ObservateurGrille* observateur_ = nullptr;
};

// The band selector: five cells "80" to "10".
class Grille_band {
  public:
    static constexpr std::array<const char*, 5> BANDES = {"80", "40", "20", "15", "10"};

    explicit Grille_band(Grille_log& grille) : grille_(grille) {}

    // At the creation of the main window: column 1, "40".
    void initialiser();
    const std::string& bande_courante() const { return bande_courante_; }
    int colonne_bande() const { return colonne_bande_; }
    // A click on a band cell: the entry row's band follows.
    void Grille_bandSelectCell(int colonne);
    // Selection from the program: the selected column again does nothing.
    void selectionner(int colonne);

  private:
    Grille_log& grille_;
    std::string bande_courante_;
    int colonne_bande_ = -1;
};

} // namespace ylkaz

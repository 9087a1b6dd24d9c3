#pragma once
// QSO entry over a real log file in a temporary program folder, with a scripted member
// lookup and evaluation, and a typist that drives the handlers as the table does.
#include "log/banc_stockage.h"
#include "log/saisie_qso.h"

#include <map>
#include <vector>

namespace ylkaz::test {

class BancSaisie : public BancStockage {
  protected:
    BancSaisie()
        : saisie(grille, bandes, etat, stockage, catalogue, dialogues, minuterie, horloge,
                 liens_saisie()) {
        catalogue.msg_tps_reel = "Temps reel";
        catalogue.msg_tps_differe = "Temps differe";
        catalogue.msg_QTR = "Reglez la QTR";
        membres["F6KAZ"] = {"F6KAZ", "321", "ANNE", "YL"};
        membres["DL1OM"] = {"DL1OM", "17", "HANS", "OM"};
    }

    LiensSaisie liens_saisie() {
        LiensSaisie l;
        l.Recherche_membre = [this](const std::string& indicatif) {
            recherches.push_back(indicatif);
            if (recherche_echoue) throw Erreur("Lecture impossible de KAZ_mini_2021.csv");
            const auto it = membres.find(indicatif);
            return it == membres.end() ? ResultatsMembre{} : it->second;
        };
        // Writes the country as the real evaluation does, so that the tests see whether the
        // row was evaluated before it was saved.
        l.Calcul_ligne = [this](int r) {
            lignes_evaluees.push_back(r);
            grille.set_cellule(colonne::pays, r, "DL");
            grille.set_cellule(colonne::points, r, "1");
        };
        l.Calcul_score = [this] { ++scores; };
        l.ouvrir_editeur = [this] {
            ++editeurs_saisie;
            tout_selectionne = true;
        };
        return l;
    }

    // A log file with the header and `n` QSOs, loaded, in real time or not.
    void log_de(int n) {
        std::string contenu = entete().octets();
        for (int i = 1; i <= n; ++i)
            contenu += attendu("DL" + std::to_string(i) + "AA").octets();
        ecrire_log(contenu);
        ASSERT_TRUE(stockage.Charger_log());
        lignes_evaluees.clear();
        scores = 0;
        editeurs_saisie = 0;
    }

    // A key as the table delivers it: KeyDown, then KeyPress for a character; what passes
    // both goes into the current cell as the cell editor would put it.
    void frapper(int code, char caractere, EtatTouches etat = {}) {
        saisie.Grille_logKeyDown(code, etat);
        if (code == 0 || caractere == 0) return;
        saisie.Grille_logKeyPress(caractere);
        if (caractere == 0) return;
        const int c = grille.Col(), r = grille.Row();
        // An editor just opened holds its text selected: the first key replaces it.
        grille.set_cellule(c, r,
                           (tout_selectionne ? std::string() : grille.cellule(c, r)) + caractere);
        tout_selectionne = false;
    }
    void taper(const std::string& texte) {
        for (char ch : texte)
            frapper(static_cast<unsigned char>(majuscule(ch)), ch);
    }
    void espace() { frapper(touche::espace, ' '); }
    void retour() { frapper(touche::retour, '\r'); }
    void haut() { frapper(touche::haut, 0); }
    void bas() { frapper(touche::bas, 0); }
    void alt_w(EtatTouches etat = {false, true, false}) { frapper('W', 'w', etat); }

    // Rows of the table as "callsign/number" for whole-table comparisons.
    std::vector<std::string> indicatifs() const {
        std::vector<std::string> v;
        for (int r = 1; r < grille.RowCount(); ++r)
            v.push_back(grille.cellule(colonne::indicatif, r) + "/" +
                        grille.cellule(colonne::numero, r));
        return v;
    }

    Catalogue catalogue;
    std::map<std::string, ResultatsMembre> membres;
    std::vector<std::string> recherches;
    std::vector<int> lignes_evaluees;
    int scores = 0, editeurs_saisie = 0;
    bool recherche_echoue = false;
    bool tout_selectionne = false;
    Saisie_QSO saisie;
};

} // namespace ylkaz::test

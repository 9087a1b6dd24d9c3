#pragma once
// A program folder in a temporary folder with a log table, the station record and the
// log-file operations wired to scripted fakes.
#include "app/etat.h"
#include "log/dates.h"
#include "log/faux_stockage.h"
#include "log/stockage_log.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace ylkaz::test {

// 12/03/2021 and 13:07 as the record stores them.
constexpr double JOUR = 44267.0;
inline double heure(int h, int m) {
    return (h * 60 + m) / 1440.0;
}

class BancStockage : public ::testing::Test {
  protected:
    BancStockage()
        : dossiers(Dossiers::depuis(prog.chemin())), bandes(grille), dialogues(minuterie),
          stockage(etat, grille, bandes, station, emplacement, dossiers, dialogues, minuterie,
                   horloge, lecteurs, liens()) {
        dossiers.creer_sous_dossiers();
        emplacement.CHEMIN_FICHIER = dossiers.CHEMIN_FILES;
        emplacement.NOM_FICHIER = "X.YL";
        station.OPERATOR = "F4ABC";
        station.MY_STATION = "F4ABC/P";
        station.MY_NRKAZ = "123";
        station.MY_SEXE = "YL";
        station.MY_DXCC = "F";
        bandes.initialiser();
        horloge.regler(2021, 3, 12, 13, 7, 30);
    }

    LiensLog liens() {
        LiensLog l;
        l.Calcul_score = [this] { ++calculs_score; };
        l.vider_continent = [this] { ++continents_vides; };
        l.ouvrir_editeur = [this] { ++editeurs_ouverts; };
        l.remettre_score_a_zero = [this] { ++remises_a_zero; };
        l.montrer_emplacement = [this] {
            emplacements_montres.push_back(emplacement.CHEMIN_FICHIER + "|" +
                                           emplacement.NOM_FICHIER);
        };
        l.Sauve_ini = [this] {
            ++sauvegardes_ini;
            if (sauve_ini_echoue)
                throw Erreur("Impossible d'\xE9"
                             "crire dans YL_KAZ.ini");
        };
        l.Label_nomfichier = [this](const std::string& t) { label_nomfichier = t; };
        return l;
    }

    std::string fichier_log() const { return "Files/" + emplacement.NOM_FICHIER; }
    std::string lire_log() const { return prog.lire(fichier_log()); }
    void ecrire_log(const std::string& octets) const { prog.ecrire(fichier_log(), octets); }

    // A completed QSO row as RETURN leaves it.
    void qso(int r, const std::string& indicatif, const std::string& bande = "40",
             const std::string& nom = "MARIE", int h = 13, int m = 7) {
        if (grille.RowCount() <= r) grille.set_RowCount(r + 1);
        grille.set_cellule(colonne::bande, r, bande);
        grille.set_cellule(colonne::date, r, "12/03/2021");
        char t[6];
        std::snprintf(t, sizeof t, "%02d:%02d", h, m);
        grille.set_cellule(colonne::heure, r, t);
        grille.set_cellule(colonne::indicatif, r, indicatif);
        grille.set_cellule(colonne::rst_envoye, r, "599");
        grille.set_cellule(colonne::numero, r, std::to_string(r));
        grille.set_cellule(colonne::rst_recu, r, "579");
        grille.set_cellule(colonne::extra, r, "X1");
        grille.set_cellule(colonne::categorie, r, "YL");
        grille.set_cellule(colonne::nom, r, nom);
        grille.set_cellule(colonne::numero_membre, r, "42");
        grille.set_cellule(colonne::pays, r, "DL");
        grille.set_cellule(colonne::points, r, "2");
    }

    // The record such a row gives, with the station record of the fixture.
    Attendu attendu(const std::string& indicatif, const std::string& bande = "40",
                    const std::string& nom = "MARIE", int h = 13, int m = 7) const {
        Attendu a;
        a.operateur = "F4ABC";
        a.station = "F4ABC/P";
        a.date = JOUR;
        a.heure = heure(h, m);
        a.bande = bande;
        a.indicatif = indicatif;
        a.rst_envoye = "599";
        a.rst_recu = "579";
        a.numero_membre = "42";
        a.categorie = "YL";
        a.nom = nom;
        a.pays = "DL";
        a.extra = "X1";
        return a;
    }

    // The header written at the fixture's clock (local time of the test's zone).
    Attendu entete(bool avec_dxcc = false) const {
        const DateHeure l = horloge.locale();
        Attendu a;
        a.operateur = "F4ABC";
        a.station = "F4ABC/P";
        a.date = static_cast<double>(jours_depuis_1899(l.annee, l.mois, l.jour));
        a.heure = (l.heure * 3600.0 + l.minute * 60.0 + l.seconde) / 86400.0;
        a.numero_membre = "123";
        a.categorie = "YL";
        if (avec_dxcc) a.pays = "F";
        return a;
    }

    static std::string zeros(std::size_t n = 112) { return std::string(n, '\0'); }

    DossierTemp prog;
    Dossiers dossiers;
    EmplacementLog emplacement;
    StationRecord station;
    Grille_log grille;
    Grille_band bandes;
    EtatLog etat;
    FausseMinuterie minuterie;
    FauxDialogues dialogues;
    FausseHorloge horloge;
    FauxLecteurs lecteurs;
    int calculs_score = 0, continents_vides = 0, editeurs_ouverts = 0, remises_a_zero = 0,
        sauvegardes_ini = 0;
    bool sauve_ini_echoue = false;
    std::vector<std::string> emplacements_montres;
    std::string label_nomfichier;
    StockageLog stockage;
};

} // namespace ylkaz::test

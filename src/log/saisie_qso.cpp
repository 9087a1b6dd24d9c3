#include "log/saisie_qso.h"

#include "log/pause_minuterie.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"

namespace ylkaz {
namespace {

namespace k = colonne;

constexpr const char* MSG_CATEGORIE = ">>>>>>>>  CATEGORY : YL/OM  ??  <<<<<<<<<";
constexpr const char* MSG_VERROU =
    "Pour modifier une date ou une QTR, passer en temps différé, régler l'heure avec les "
    "touches \"Flèche haut\" et \"Flèche bas\", puis RETURN";

std::string texte_heure(int h, int m) {
    const char chiffres[] = "0123456789";
    h = ((h % 24) + 24) % 24;
    m = ((m % 60) + 60) % 60;
    return {chiffres[h / 10], chiffres[h % 10], ':', chiffres[m / 10], chiffres[m % 10]};
}

std::string texte_date(const Date& d) {
    return ecrire_date(static_cast<double>(jours_depuis_1899(d.annee, d.mois, d.jour)));
}

bool blanc(const std::string& s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) > 32) return false;
    return true;
}

void defaut(Grille_log& g, int col, int row, const std::string& texte) {
    if (g.cellule(col, row).empty()) g.set_cellule(col, row, texte);
}

template <class F, class... A> void appeler(const F& f, A&&... a) {
    if (f) f(std::forward<A>(a)...);
}

} // namespace

char majuscule(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // à to þ, but not the division sign
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    switch (u) {
    case 0x9A:
        return static_cast<char>(0x8A); // š
    case 0x9C:
        return static_cast<char>(0x8C); // œ
    case 0x9E:
        return static_cast<char>(0x8E); // ž
    case 0xFF:
        return static_cast<char>(0x9F); // ÿ
    default:
        return c;
    }
}

// While a handler runs, the tick stays out: a tick arriving from inside one of its
// message boxes would stamp the entry row or write a copy in the middle of its work.
class Saisie_QSO::Operation {
  public:
    explicit Operation(Saisie_QSO& s) : s_(s) { ++s_.operations_; }
    ~Operation() { --s_.operations_; }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

  private:
    Saisie_QSO& s_;
};

Saisie_QSO::Saisie_QSO(Grille_log& grille, const Grille_band& bandes, EtatLog& etat,
                       StockageLog& stockage, const Catalogue& catalogue, Dialogues& dialogues,
                       Minuterie& minuterie, const Horloge& horloge, LiensSaisie liens)
    : grille_(grille), bandes_(bandes), etat_(etat), stockage_(stockage), catalogue_(catalogue),
      dialogues_(dialogues), minuterie_(minuterie), horloge_(horloge), liens_(std::move(liens)) {
    const DateHeure u = horloge_.utc();
    date_.date = {u.annee, u.mois, u.jour};
    heure_.heure = u.heure;
    heure_.minute = u.minute;
    heure_.seconde = u.seconde;
    date_.Enabled = heure_.Enabled = !etat_.temps_reel;
}

void Saisie_QSO::changement() {
    appeler(sur_changement);
}

void Saisie_QSO::signaler(const std::string& texte) {
    PauseMinuterie pause(minuterie_, false);
    dialogues_.message(texte);
}

bool Saisie_QSO::demander(const std::string& texte) {
    PauseMinuterie pause(minuterie_, false);
    return dialogues_.question(texte);
}

template <class F> bool Saisie_QSO::proteger(F&& f) {
    try {
        f();
    } catch (const Erreur& e) {
        signaler(e.what());
        return false;
    }
    return true;
}

void Saisie_QSO::aller(int col, int row) {
    Grille_logSelectCell(col, row);
    grille_.selectionner(col, row);
}

void Saisie_QSO::ouvrir_editeur() {
    appeler(liens_.ouvrir_editeur);
}

void Saisie_QSO::set_DateTimePicker_date(const Date& d) {
    if (!date_valide(d.annee, d.mois, d.jour)) return;
    date_.date = d;
    changement();
}

void Saisie_QSO::set_DateTimePicker_time(int heure, int minute, int seconde) {
    if (heure < 0 || heure > 23 || minute < 0 || minute > 59 || seconde < 0 || seconde > 59) return;
    heure_.heure = heure;
    heure_.minute = minute;
    heure_.seconde = seconde;
    changement();
}

void Saisie_QSO::set_Label_temps(std::string texte) {
    Label_temps_ = std::move(texte);
    changement();
}

void Saisie_QSO::Grille_logKeyDown(int& t, EtatTouches e) {
    Operation op(*this);
    if (t == 'W' && e.alt && !e.shift && !e.ctrl) {
        t = 0;
        Effacercetteligne1Click();
        return;
    }
    if ((t == touche::haut || t == touche::bas) && !etat_.temps_reel) {
        deplacer_heure(t == touche::haut ? 1 : -1);
        t = 0;
    }
}

// The time picker moves by one minute; passing midnight moves the date picker too, so
// that a paper log crossing midnight is typed in without touching the date.
void Saisie_QSO::deplacer_heure(int minutes) {
    int total = heure_.heure * 60 + heure_.minute + minutes;
    long jour = jours_depuis_1899(date_.date.annee, date_.date.mois, date_.date.jour);
    if (total >= 24 * 60) {
        total -= 24 * 60;
        ++jour;
    } else if (total < 0) {
        total += 24 * 60;
        --jour;
    }
    const Date d = date_du_jour(jour);
    if (date_valide(d.annee, d.mois, d.jour)) date_.date = d;
    heure_.heure = total / 60;
    heure_.minute = total % 60;
    grille_.set_cellule(k::heure, grille_.Row(), texte_heure(heure_.heure, heure_.minute));
    changement();
}

void Saisie_QSO::Grille_logKeyPress(char& c) {
    Operation op(*this);
    c = majuscule(c);
    if (c == ' ') {
        c = 0;
        espace();
    } else if (c == '\r') {
        c = 0;
        retour();
    } else if (grille_.Col() == k::categorie && (c == 'Y' || c == 'O')) {
        grille_.set_cellule(k::categorie, grille_.Row(), c == 'Y' ? "YL" : "OM");
        c = 0;
        const int r = grille_.Row();
        proteger([&] { appeler(liens_.Calcul_ligne, r); });
    }
}

void Saisie_QSO::espace() {
    const int r = grille_.Row();
    const int col = grille_.Col();
    if (col == k::indicatif) {
        const std::string indicatif = grille_.cellule(k::indicatif, r);
        if (!blanc(indicatif)) {
            proteger([&] {
                std::string numero, nom;
                int precedente = 0;
                for (int j = 1; j < r && !precedente; ++j)
                    if (grille_.cellule(k::indicatif, j) == indicatif) precedente = j;
                if (precedente) {
                    numero = grille_.cellule(k::numero_membre, precedente);
                    nom = grille_.cellule(k::nom, precedente);
                    grille_.set_cellule(k::categorie, r, grille_.cellule(k::categorie, precedente));
                } else if (liens_.Recherche_membre) {
                    const ResultatsMembre m = liens_.Recherche_membre(indicatif);
                    numero = m.membre_numero;
                    nom = m.membre_nom;
                    if (!m.sexe.empty()) grille_.set_cellule(k::categorie, r, m.sexe);
                }
                grille_.set_cellule(k::numero_membre, r, numero);
                grille_.set_cellule(k::nom, r, nom);
                defaut(grille_, k::rst_envoye, r, "599");
                defaut(grille_, k::rst_recu, r, "599");
                defaut(grille_, k::numero, r, std::to_string(r));
                defaut(grille_, k::bande, r, bandes_.bande_courante());
                appeler(liens_.Calcul_ligne, r);
            });
        }
        aller(k::rst_recu, r);
    } else if (col == k::rst_recu) {
        aller(k::extra, r);
    } else if (col == k::extra) {
        aller(k::categorie, r);
    } else if (col == k::categorie) {
        aller(k::nom, r);
    } else {
        aller(k::indicatif, r);
    }
    ouvrir_editeur();
}

void Saisie_QSO::retour() {
    const int r = grille_.Row();
    if (blanc(grille_.cellule(k::indicatif, r))) {
        aller(k::indicatif, r);
        ouvrir_editeur();
        proteger([&] { appeler(liens_.Calcul_score); });
        return;
    }
    // In real-time mode the QSO gets the clock's UTC of this moment: the pickers may lag
    // behind it by up to a second, or longer after a message box held the tick.
    if (etat_.temps_reel) regler_selecteurs(horloge_.utc());
    grille_.set_cellule(k::numero, r, std::to_string(r));
    grille_.set_cellule(k::date, r, texte_date(date_.date));
    grille_.set_cellule(k::heure, r, texte_heure(heure_.heure, heure_.minute));

    const bool entree = r == grille_.ligne_saisie();
    if (entree) {
        grille_.set_cellule(k::bande, r, bandes_.bande_courante());
        // A lookup that fails is reported, and the QSO is saved all the same: it must not
        // be lost because a member list cannot be read.
        proteger([&] {
            if (!liens_.Recherche_membre) return;
            const ResultatsMembre m = liens_.Recherche_membre(grille_.cellule(k::indicatif, r));
            if (!m.sexe.empty()) grille_.set_cellule(k::categorie, r, m.sexe);
            grille_.set_cellule(k::numero_membre, r, m.membre_numero);
            if (blanc(grille_.cellule(k::nom, r))) grille_.set_cellule(k::nom, r, m.membre_nom);
        });
    }
    defaut(grille_, k::rst_envoye, r, "599");
    defaut(grille_, k::rst_recu, r, "599");

    if (grille_.cellule(k::categorie, r).empty()) {
        signaler(MSG_CATEGORIE);
        aller(k::categorie, r);
        return;
    }
    proteger([&] { appeler(liens_.Calcul_ligne, r); });
    if (!stockage_.Sauver_ligne(r)) return;

    if (entree) {
        aller(k::indicatif, r);
        grille_.set_RowCount(r + 2);
        aller(k::indicatif, r + 1);
        grille_.set_cellule(k::bande, r + 1, bandes_.bande_courante());
        grille_.set_cellule(k::numero, r + 1, std::to_string(r + 1));
    } else {
        aller(k::indicatif, r + 1);
    }
    ouvrir_editeur();
    proteger([&] { appeler(liens_.Calcul_score); });
}

void Saisie_QSO::Grille_logSelectCell(int col, int /*row*/) {
    edition_ = !(etat_.temps_reel && (col == k::date || col == k::heure));
}

void Saisie_QSO::Grille_logClick() {
    Operation op(*this);
    if (etat_.temps_reel && (grille_.Col() == k::date || grille_.Col() == k::heure))
        signaler(cp1252(MSG_VERROU));
}

void Saisie_QSO::Effacercetteligne1Click() {
    Operation op(*this);
    const int r = grille_.Row();
    if (!demander("Confirmez la suppression de la ligne " + std::to_string(r))) return;
    const int n = grille_.RowCount();
    // The entry row is never removed.
    if (r < n - 1) {
        for (int j = r; j < n - 1; ++j)
            grille_.copier_ligne(j + 1, j);
        grille_.set_RowCount(n - 1);
        grille_.renumeroter();
    }
    stockage_.Reecrire_log();
    proteger([&] { appeler(liens_.Calcul_score); });
}

void Saisie_QSO::Insrerunelignevide1Click() {
    Operation op(*this);
    const int r = grille_.Row();
    if (!demander("Confirmez l'insertion d'une ligne")) return;
    const int n = grille_.RowCount();
    grille_.set_RowCount(n + 1);
    for (int j = n; j > r; --j)
        grille_.copier_ligne(j - 1, j);
    grille_.vider_ligne(r);
    grille_.renumeroter();
    stockage_.Reecrire_log();
}

void Saisie_QSO::SpeedButton_temps_reelClick() {
    Operation op(*this);
    minuterie_.demarrer();
    Label_temps_ = catalogue_.msg_tps_reel;
    etat_.temps_reel = true;
    date_.Enabled = heure_.Enabled = false;
    // The lock holds for the cell the cursor stands on now, not only from the next move.
    Grille_logSelectCell(grille_.Col(), grille_.Row());
    changement();
}

void Saisie_QSO::SpeedButton_temps_differeClick() {
    Operation op(*this);
    minuterie_.arreter();
    Label_temps_ = catalogue_.msg_tps_differe;
    etat_.temps_reel = false;
    date_.Enabled = heure_.Enabled = true;
    Grille_logSelectCell(grille_.Col(), grille_.Row());
    changement();
    signaler(catalogue_.msg_QTR);
}

void Saisie_QSO::regler_selecteurs(const DateHeure& u) {
    date_.date = {u.annee, u.mois, u.jour};
    heure_.heure = u.heure;
    heure_.minute = u.minute;
    heure_.seconde = u.seconde;
    changement();
}

void Saisie_QSO::Timer1Timer() {
    if (operations_ > 0) return;
    Operation op(*this);
    // Started again however the work below ends, so the clock never stops after an error.
    PauseMinuterie pause(minuterie_, true);
    if (!etat_.temps_reel) return;
    const DateHeure u = horloge_.utc();
    regler_selecteurs(u);
    const int der = grille_.ligne_saisie();
    grille_.set_cellule(k::heure, der, texte_heure(u.heure, u.minute));
    grille_.set_cellule(k::date, der, texte_date(date_.date));
    stockage_.Controle_sauvegarde(u);
}

} // namespace ylkaz

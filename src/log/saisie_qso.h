#pragma once
// QSO entry: the log table's key, selection and click handlers, its popup menu, the two
// time-mode buttons and the one-second tick, with the date and time pickers and the mode
// label they drive. No window here: the screen forwards its events to these handlers and
// shows the values they leave.
#include "app/catalogue.h"
#include "log/dates.h"
#include "log/fichier_log.h"
#include "log/grille_log.h"
#include "log/stockage_log.h"
#include "platform/interfaces.h"
#include "refdata/reference.h"

#include <functional>
#include <string>

namespace ylkaz {

// Key codes of Grille_logKeyDown, as the system's virtual keys: a letter is its capital.
namespace touche {
constexpr int retour = 13, espace = 32, haut = 38, bas = 40;
}

// The modifier keys held with a key.
struct EtatTouches {
    bool shift = false, alt = false, ctrl = false;
};

struct SelecteurDate {
    Date date;
    bool Enabled = true;
};

struct SelecteurHeure {
    int heure = 0, minute = 0, seconde = 0;
    bool Enabled = true;
};

// What entry needs of work owned elsewhere; a link left empty is skipped.
struct LiensSaisie {
    // The member lookup; throws Erreur when a file that exists cannot be read.
    std::function<ResultatsMembre(const std::string& indicatif)> Recherche_membre;
    // The evaluation of one row, and of every row with the score line; both may throw
    // Erreur for the same reason.
    std::function<void(int row)> Calcul_ligne;
    std::function<void()> Calcul_score;
    // Gives the table the focus and starts editing its current cell.
    std::function<void()> ouvrir_editeur;
};

// Upper case of one Windows-1252 character (accented letters included).
char majuscule(char c);

class Saisie_QSO {
  public:
    // The pickers start at the clock's UTC date and time, in deferred-time mode.
    Saisie_QSO(Grille_log& grille, const Grille_band& bandes, EtatLog& etat, StockageLog& stockage,
               const Catalogue& catalogue, Dialogues& dialogues, Minuterie& minuterie,
               const Horloge& horloge, LiensSaisie liens = {});
    Saisie_QSO(const Saisie_QSO&) = delete;
    Saisie_QSO& operator=(const Saisie_QSO&) = delete;

    // A key goes down: Alt+W deletes the current row, Up and Down set the time in
    // deferred-time mode. A key that was acted on is cancelled (set to 0).
    void Grille_logKeyDown(int& touche, EtatTouches etat);
    // A character key after Grille_logKeyDown: upper-cased, then SPACE, RETURN and the
    // category keys of column 8 act and are cancelled (set to 0).
    void Grille_logKeyPress(char& c);
    // Before (col, row) becomes the current cell: editing follows the time mode.
    void Grille_logSelectCell(int col, int row);
    void Grille_logClick();
    void Effacercetteligne1Click();
    void Insrerunelignevide1Click();
    void SpeedButton_temps_reelClick();
    void SpeedButton_temps_differeClick();
    void Timer1Timer();

    const SelecteurDate& DateTimePicker_date() const { return date_; }
    const SelecteurHeure& DateTimePicker_time() const { return heure_; }
    // The operator's setting of the pickers.
    void set_DateTimePicker_date(const Date& d);
    void set_DateTimePicker_time(int heure, int minute, int seconde = 0);
    const std::string& Label_temps() const { return Label_temps_; }
    // Applying a language puts its text there, whatever the mode.
    void set_Label_temps(std::string texte);
    // Whether the table lets the operator edit its cells now.
    bool edition_permise() const { return edition_; }

    // Called after the pickers, their enabled state or Label_temps changed.
    std::function<void()> sur_changement;

  private:
    class Operation;

    void espace();
    void retour();
    void deplacer_heure(int minutes);
    void aller(int col, int row);
    void ouvrir_editeur();
    void signaler(const std::string& texte);
    bool demander(const std::string& texte);
    // Runs the work, shows an Erreur it throws; false then.
    template <class F> bool proteger(F&& f);
    void regler_selecteurs(const DateHeure& utc);
    void changement();

    Grille_log& grille_;
    const Grille_band& bandes_;
    EtatLog& etat_;
    StockageLog& stockage_;
    const Catalogue& catalogue_;
    Dialogues& dialogues_;
    Minuterie& minuterie_;
    const Horloge& horloge_;
    LiensSaisie liens_;

    SelecteurDate date_;
    SelecteurHeure heure_;
    std::string Label_temps_;
    bool edition_ = true;
    int operations_ = 0;
};

} // namespace ylkaz

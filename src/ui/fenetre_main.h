#pragma once
// The main window: the tool bar and menus, the entry bar with the band selector, the log
// table, the status line.
#include "app/form_main.h"
#include "log/grille_log.h"
#include "log/saisie_qso.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace ylkaz::ui {

class ModeleGrille;
class VueGrilleLog;
class VueBandes;
class BarreDates;
class BarreTemps;
class ClavierGrille;

class FenetreMain : public QMainWindow {
    Q_OBJECT
  public:
    FenetreMain(Form_main& logique, Grille_band& bandes, QWidget* parent = nullptr);
    ~FenetreMain() override;

    VueGrilleLog& Grille_log_vue() { return *vue_; }
    VueBandes& Grille_band_vue() { return *bandes_; }
    QLabel& Label_nomfichier() { return *nomfichier_; }
    QLabel& Label_his_continent() { return *continent_; }
    QLabel& Label_score() { return *score_; }
    QLabel& Label_OMYL() { return *omyl_; }

    // The tool bar; the time-mode buttons go before `groupe_temps()`.
    QToolBar& barre_outils() { return *barre_; }
    QAction* groupe_temps() { return groupe_temps_; }
    // The entry bar; the date and time pickers go at its start.
    QLayout& barre_saisie() { return *saisie_; }

    QToolButton& SpeedButton1() { return *bouton1_; }
    QToolButton& SpeedButton_retour_info() { return *retour_info_; }
    QToolButton& SpeedButton_ouvrir() { return *ouvrir_; }
    QToolButton& SpeedButton_calculatrice() { return *calculatrice_; }
    QToolButton& SpeedButton_creation_fichiers() { return *creation_; }
    QToolButton& SpeedButton_mail() { return *mail_; }
    QToolButton& SpeedButton_help() { return *aide_; }
    QToolButton& SpeedButton_taille_plus() { return *plus_; }
    QToolButton& SpeedButton_Taille_moins() { return *moins_; }
    QToolButton& BitBtn_quit() { return *quitter_; }
    // Menu items, in the menu bar's order.
    QAction& Ouvrir() { return *menu_ouvrir_; }
    QAction& Acces_fiche_infos() { return *menu_infos_; }
    QAction& Creation_Cabrillo() { return *menu_cabrillo_; }
    QAction& Langue(int n) { return *langues_.at(static_cast<std::size_t>(n - 1)); }
    QMenu& Langues1() { return *menu_langues_; }
    QMenu& Fichers1() { return *menu_fichiers_; }
    QMenu& Logs1() { return *menu_logs_; }
    QLabel& Label_bande() { return *bande_; }

    // QSO entry: the table's keys, clicks and popup menu, the pickers and the time-mode
    // buttons. Once, before the window is shown.
    void brancher_saisie(Saisie_QSO& saisie);
    BarreDates& barre_dates() { return *dates_; }
    BarreTemps& barre_temps() { return *temps_; }
    ClavierGrille& clavier() { return *clavier_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void creer_barre_outils();
    void creer_menus();
    void montrer_logique();
    void montrer_textes();

    Form_main& logique_;
    ModeleGrille* modele_;
    VueGrilleLog* vue_;
    VueBandes* bandes_;
    QLabel* nomfichier_;
    QLabel* continent_;
    QLabel* score_;
    QLabel* omyl_;
    QToolBar* barre_;
    QAction* groupe_temps_;
    QLayout* saisie_;
    QToolButton *bouton1_, *retour_info_, *ouvrir_, *calculatrice_, *creation_, *mail_, *aide_,
        *plus_, *moins_, *quitter_;
    QAction *menu_ouvrir_, *menu_infos_, *menu_cabrillo_;
    QMenu *menu_langues_, *menu_fichiers_, *menu_logs_;
    QLabel* bande_;
    std::vector<QAction*> langues_;
    Saisie_QSO* entree_ = nullptr;
    BarreDates* dates_ = nullptr;
    BarreTemps* temps_ = nullptr;
    ClavierGrille* clavier_ = nullptr;
};

} // namespace ylkaz::ui

#pragma once
// The main window: the entry bar with the band selector, the log table, the status line.
#include "app/form_main.h"
#include "log/grille_log.h"

#include <QLabel>
#include <QMainWindow>

namespace ylkaz::ui {

class ModeleGrille;
class VueGrilleLog;
class VueBandes;

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

  protected:
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Form_main& logique_;
    ModeleGrille* modele_;
    VueGrilleLog* vue_;
    VueBandes* bandes_;
    QLabel* nomfichier_;
    QLabel* continent_;
    QLabel* score_;
};

} // namespace ylkaz::ui

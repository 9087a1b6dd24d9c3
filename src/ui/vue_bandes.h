#pragma once
// The band selector: five cells of 30 by 16 pixels, the selected one red with white text.
#include "log/grille_log.h"

#include <QWidget>

namespace ylkaz::ui {

class VueBandes : public QWidget {
    Q_OBJECT
  public:
    static constexpr int LARGEUR_CELLULE = 30;
    static constexpr int HAUTEUR_CELLULE = 16;

    VueBandes(Grille_band& bandes, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QRect rectangle_cellule(int colonne) const;

  signals:
    // The mouse button was released over the selector: typing goes back to the log.
    void relache();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    Grille_band& bandes_;
};

} // namespace ylkaz::ui

#include "vue_bandes.h"

#include "police.h"

#include <QMouseEvent>
#include <QPainter>

namespace ylkaz::ui {

VueBandes::VueBandes(Grille_band& bandes, QWidget* parent) : QWidget(parent), bandes_(bandes) {
    setFont(police_programme(8));
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::NoFocus);
}

QSize VueBandes::sizeHint() const {
    return {LARGEUR_CELLULE * static_cast<int>(Grille_band::BANDES.size()) + 1,
            HAUTEUR_CELLULE + 1};
}

QRect VueBandes::rectangle_cellule(int colonne) const {
    return {colonne * LARGEUR_CELLULE, 0, LARGEUR_CELLULE, HAUTEUR_CELLULE};
}

void VueBandes::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    p.fillRect(rect(), palette().color(QPalette::Base));
    for (int c = 0; c < static_cast<int>(Grille_band::BANDES.size()); ++c) {
        const QRect r = rectangle_cellule(c);
        const bool choisie = c == bandes_.colonne_bande();
        if (choisie) p.fillRect(r, QColor(255, 0, 0));
        p.setPen(choisie ? Qt::white : Qt::black);
        const int haut = r.top() + (r.height() - fm.height()) / 2;
        p.drawText(QRect(r.left() + 2, haut, r.width() - 2, fm.height()),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(Grille_band::BANDES[c]));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, 0, 0));
    }
}

void VueBandes::mousePressEvent(QMouseEvent* e) {
    const int c = static_cast<int>(e->position().x()) / LARGEUR_CELLULE;
    if (c >= 0 && c < static_cast<int>(Grille_band::BANDES.size())) {
        bandes_.Grille_bandSelectCell(c);
        update();
    }
}

void VueBandes::mouseReleaseEvent(QMouseEvent*) {
    emit relache();
}

} // namespace ylkaz::ui

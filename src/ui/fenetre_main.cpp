#include "fenetre_main.h"

#include "geometrie_qt.h"
#include "modele_grille.h"
#include "police.h"
#include "vue_bandes.h"
#include "vue_grille_log.h"

#include <QHBoxLayout>
#include <QStatusBar>
#include <QVBoxLayout>

namespace ylkaz::ui {
namespace {

QLabel* etiquette(const QString& texte, QWidget* parent, QColor couleur = Qt::black) {
    auto* l = new QLabel(texte, parent);
    l->setFont(police_programme(8));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, couleur);
    l->setPalette(pal);
    return l;
}

} // namespace

FenetreMain::FenetreMain(Form_main& logique, Grille_band& bandes, QWidget* parent)
    : QMainWindow(parent), logique_(logique), modele_(new ModeleGrille(logique.Grille_log, this)) {
    setWindowTitle(QStringLiteral("YL_KAZ"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255)); // aqua
    setPalette(pal);
    setAutoFillBackground(true);

    auto* centre = new QWidget(this);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(4, 4, 4, 0);

    auto* saisie = new QHBoxLayout;
    saisie->addWidget(etiquette(QStringLiteral("Bande"), centre));
    bandes_ = new VueBandes(bandes, centre);
    saisie->addWidget(bandes_);
    saisie->addStretch(1);
    colonne->addLayout(saisie);

    vue_ = new VueGrilleLog(*modele_, centre);
    vue_->setToolTip(QStringLiteral("ESPACE pour passer d'un champ à l'autre"));
    colonne->addWidget(vue_, 1);
    setCentralWidget(centre);

    connect(bandes_, &VueBandes::relache, this, [this] {
        vue_->setFocus();
        vue_->ouvrir_editeur();
    });

    nomfichier_ = etiquette(QString(), this, Qt::blue);
    continent_ = etiquette(QString(), this, Qt::red);
    score_ = etiquette(QStringLiteral("Score = "), this, Qt::blue);
    statusBar()->addWidget(nomfichier_, 1);
    statusBar()->addWidget(etiquette(QStringLiteral("Continent = "), this));
    statusBar()->addWidget(continent_, 1);
    statusBar()->addWidget(score_, 2);

    appliquer_geometrie(*this, logique_.geometrie());
    logique_.sur_changement = [this] { appliquer_geometrie(*this, logique_.geometrie()); };
}

void FenetreMain::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

FenetreMain::~FenetreMain() {
    logique_.sur_changement = nullptr;
}

} // namespace ylkaz::ui

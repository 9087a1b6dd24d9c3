#include "fenetre_choix_fichier.h"

#include "geometrie_qt.h"
#include "police.h"
#include "texte_qt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace ylkaz::ui {

FenetreChoixFichier::FenetreChoixFichier(Form_choix_fichier& logique, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      logique_(logique) {
    setObjectName(QStringLiteral("Form_choix_fichier"));
    setFont(police_programme(8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // silver
    setPalette(pal);
    setAutoFillBackground(true);
    resize(596, 205);

    auto* l1 = new QLabel(QStringLiteral("Vous pouvez modifier le nom "), this);
    auto* l2 = new QLabel(QStringLiteral("ou charger un fichier existant"), this);
    auto* l3 =
        new QLabel(QStringLiteral("mais le nom doit commencer par 'YL_KAZ' obligatoirement"), this);
    // The caption, this label and the two buttons' texts are the language's.
    titre_nom_ = new QLabel(this);
    nom_ = new QLineEdit(this);
    nom_->setMinimumWidth(320);
    fichier_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), QString(), this);
    fichier_->setAutoDefault(false);
    ok_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                          this);
    ok_->setDefault(true);
    ok_->setMinimumSize(90, 30);
    emplacement_ = new QPushButton(this);
    emplacement_->setToolTip(QStringLiteral("Modifier le répertoire de sauvegarde"));
    emplacement_->setAutoDefault(false);
    emplacement_->hide();
    chemin_ = new QLineEdit(this);
    chemin_->hide();

    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(16, 12, 16, 12);
    grille->addWidget(l1, 0, 0, 1, 2);
    grille->addWidget(ok_, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignTop);
    grille->addWidget(l2, 1, 0, 1, 2);
    grille->addWidget(l3, 2, 0, 1, 3);
    grille->setRowMinimumHeight(3, 12);
    grille->addWidget(titre_nom_, 4, 0, 1, 2);
    grille->addWidget(nom_, 5, 0);
    grille->addWidget(fichier_, 5, 1);
    grille->setColumnStretch(0, 1);
    grille->setRowStretch(6, 1);

    setTabOrder(nom_, fichier_);
    setTabOrder(fichier_, ok_);

    connect(nom_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logique_.set_Edit_nom_fichier(cp(t)); });
    connect(fichier_, &QPushButton::clicked, this, [this] { logique_.Button_nom_fichierClick(); });
    connect(emplacement_, &QPushButton::clicked, this,
            [this] { logique_.Button_emplacementClick(); });
    connect(ok_, &QPushButton::clicked, this, [this] { logique_.BitBtn_fichier_closeClick(); });

    montrer_logique();
    appliquer_geometrie(*this, logique_.geometrie());
    logique_.sur_changement = [this] { montrer_logique(); };
}

FenetreChoixFichier::~FenetreChoixFichier() {
    logique_.sur_changement = nullptr;
}

void FenetreChoixFichier::montrer_logique() {
    const TextesChoix& t = logique_.textes();
    setWindowTitle(qs(t.Caption));
    titre_nom_->setText(qs(t.Label_nom_fichier));
    fichier_->setText(qs(t.Button_nom_fichier));
    emplacement_->setText(qs(t.Button_emplacement));
    for (auto [e, t] : {std::pair{nom_, &logique_.Edit_nom_fichier()},
                        std::pair{chemin_, &logique_.Edit_chemin()}}) {
        const QString q = qs(*t);
        if (e->text() == q) continue;
        const QSignalBlocker b(e);
        e->setText(q);
    }
    if (logique_.geometrie() != geometrie_de(*this))
        appliquer_geometrie(*this, logique_.geometrie());
}

void FenetreChoixFichier::activer() {
    logique_.FormActivate();
    nom_->setFocus(Qt::OtherFocusReason);
    nom_->deselect();
    nom_->end(false);
}

void FenetreChoixFichier::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void FenetreChoixFichier::moveEvent(QMoveEvent* e) {
    QDialog::moveEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreChoixFichier::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

} // namespace ylkaz::ui

#include "fenetre_infocr.h"

#include "geometrie_qt.h"
#include "police.h"
#include "texte_qt.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace ylkaz::ui {
namespace {

void colorer(QWidget* w, QColor c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

// The caption at the left of each line of the message.
QLabel* panneau_titre(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedWidth(110);
    l->setMinimumHeight(24);
    return l;
}

QLabel* panneau_valeur(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumHeight(24);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

void montrer_texte(QLabel* l, const std::string& t) {
    const QString q = qs(t);
    if (l->text() != q) l->setText(q);
}

} // namespace

FenetreInfoCR::FenetreInfoCR(Form_infoCR& logique, QWidget* parent)
    : QDialog(parent, Qt::Window), logique_(logique) {
    setObjectName(QStringLiteral("Form_infoCR"));
    setWindowTitle(QStringLiteral("Envoi Compte Rendu"));
    setFont(police_programme(9));

    titre_ = new QLabel(this);
    titre_->setFont(police_programme(16));
    titre_->setAlignment(Qt::AlignCenter);
    colorer(titre_, QColor(0, 0, 128));

    panel1_ = panneau_titre(this);
    panel2_ = panneau_titre(this);
    panel3_ = panneau_titre(this);
    panel4_ = panneau_titre(this);
    panel5_ = panneau_titre(this);
    de_ = panneau_valeur(this);
    cc_ = panneau_valeur(this);
    objet_ = panneau_valeur(this);
    destinataire_ = new QLineEdit(this);
    erreur_ = new QLabel(this);
    colorer(erreur_, Qt::red);

    // The icon sits at the left end of the attachment's panel.
    auto* panneau_pj = new QFrame(this);
    panneau_pj->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image_ = new QToolButton(panneau_pj);
    image_->setIcon(QIcon::fromTheme(QStringLiteral("accessories-text-editor"),
                                     style()->standardIcon(QStyle::SP_FileIcon)));
    image_->setAutoRaise(true);
    image_->setCursor(Qt::PointingHandCursor);
    image_->setToolTip(QStringLiteral("Lire le fichier compte rendu"));
    pj_ = new QLabel(panneau_pj);
    auto* ligne_pj = new QHBoxLayout(panneau_pj);
    ligne_pj->setContentsMargins(2, 0, 2, 0);
    ligne_pj->addWidget(image_);
    ligne_pj->addWidget(pj_, 1);

    label1_ = new QLabel(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setReadOnly(true);

    envoi_ = new QPushButton(this);
    envoi_->setFlat(true);
    envoi_->setCursor(Qt::PointingHandCursor);
    QFont souligne = police_programme(11);
    souligne.setUnderline(true);
    envoi_->setFont(souligne);
    colorer(envoi_, Qt::blue);
    envoi_->setAutoDefault(false);
    annuler_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                               QStringLiteral("Annuler"), this);
    annuler_->setAutoDefault(false);

    auto* grille = new QGridLayout;
    grille->addWidget(panel1_, 0, 0);
    grille->addWidget(de_, 0, 1);
    grille->addWidget(panel2_, 1, 0);
    grille->addWidget(destinataire_, 1, 1);
    grille->addWidget(erreur_, 2, 1);
    grille->addWidget(panel3_, 3, 0);
    grille->addWidget(cc_, 3, 1);
    grille->addWidget(panel5_, 4, 0);
    grille->addWidget(objet_, 4, 1);
    grille->addWidget(panel4_, 5, 0);
    grille->addWidget(panneau_pj, 5, 1);
    grille->setColumnStretch(1, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(envoi_);
    boutons->addStretch(1);
    boutons->addWidget(annuler_);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 12, 16, 12);
    colonne->addWidget(titre_);
    colonne->addSpacing(8);
    colonne->addLayout(grille);
    colonne->addSpacing(8);
    colonne->addWidget(label1_);
    colonne->addWidget(memo_, 1);
    colonne->addSpacing(8);
    colonne->addLayout(boutons);

    connect(destinataire_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logique_.set_Edit_AD_Destinataire(cp(t)); });
    connect(image_, &QToolButton::clicked, this, [this] { logique_.Image1Click(); });
    connect(envoi_, &QPushButton::clicked, this, [this] { logique_.Button_envoiClick(); });
    connect(annuler_, &QPushButton::clicked, this, [this] { logique_.BitBtn_annulerClick(); });

    logique_.sablier = [](bool montrer) {
        if (montrer)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    montrer_logique();
    appliquer_geometrie(*this, logique_.geometrie());
    logique_.sur_changement = [this] { montrer_logique(); };
}

FenetreInfoCR::~FenetreInfoCR() {
    logique_.sur_changement = nullptr;
    logique_.sablier = nullptr;
}

void FenetreInfoCR::montrer_logique() {
    const TextesInfoCR& t = logique_.textes();
    for (auto [l, texte] :
         {std::pair{titre_, &t.Label_titre_CR}, std::pair{panel1_, &t.Panel1},
          std::pair{panel2_, &t.Panel2}, std::pair{panel3_, &t.Panel3},
          std::pair{panel4_, &t.Panel4}, std::pair{panel5_, &t.Panel5},
          std::pair{label1_, &t.Label1}, std::pair{erreur_, &t.Label_erreur},
          std::pair{de_, &logique_.Panel_de()}, std::pair{cc_, &logique_.Panel_CC()},
          std::pair{objet_, &logique_.Panel_objet()}, std::pair{pj_, &logique_.Panel_PJ()}})
        montrer_texte(l, *texte);
    if (envoi_->text() != qs(t.Button_envoi)) envoi_->setText(qs(t.Button_envoi));
    erreur_->setVisible(logique_.Label_erreur_visible());

    const QString adresse = qs(logique_.Edit_AD_Destinataire());
    if (destinataire_->text() != adresse) {
        const QSignalBlocker b(destinataire_);
        destinataire_->setText(adresse);
    }
    QStringList lignes;
    for (const auto& l : logique_.Memo1())
        lignes << qs(l);
    const QString memo = lignes.join(QLatin1Char('\n'));
    if (memo_->toPlainText() != memo) memo_->setPlainText(memo);

    if (logique_.geometrie() != geometrie_de(*this))
        appliquer_geometrie(*this, logique_.geometrie());
}

void FenetreInfoCR::reject() {
    logique_.BitBtn_annulerClick();
}

void FenetreInfoCR::moveEvent(QMoveEvent* e) {
    QDialog::moveEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreInfoCR::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

} // namespace ylkaz::ui

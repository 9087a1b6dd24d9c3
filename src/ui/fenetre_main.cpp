#include "fenetre_main.h"

#include "barre_saisie.h"
#include "clavier_grille.h"
#include "geometrie_qt.h"
#include "modele_grille.h"
#include "police.h"
#include "texte_qt.h"
#include "vue_bandes.h"
#include "vue_grille_log.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
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

QColor couleur(Form_main::Couleur c) {
    switch (c) {
    case Form_main::Couleur::rouge:
        return Qt::red;
    case Form_main::Couleur::bleu:
        return Qt::blue;
    case Form_main::Couleur::noir:
        break;
    }
    return Qt::black;
}

} // namespace

FenetreMain::FenetreMain(Form_main& logique, Grille_band& bandes, QWidget* parent)
    : QMainWindow(parent), logique_(logique), modele_(new ModeleGrille(logique.Grille_log, this)) {
    setObjectName(QStringLiteral("Form_main"));
    setWindowTitle(QStringLiteral("YL_KAZ"));
    setFont(police_programme(8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255)); // aqua
    setPalette(pal);
    setAutoFillBackground(true);

    creer_barre_outils();
    creer_menus();

    auto* centre = new QWidget(this);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(4, 4, 4, 0);

    auto* saisie = new QHBoxLayout;
    saisie_ = saisie;
    omyl_ = etiquette(QString(), centre);
    omyl_->setFont(police_programme(16));
    omyl_->setMinimumWidth(160);
    saisie->addSpacing(12);
    saisie->addWidget(omyl_);
    saisie->addStretch(1);
    bande_ = etiquette(QString(), centre);
    saisie->addWidget(bande_);
    bandes_ = new VueBandes(bandes, centre);
    saisie->addWidget(bandes_);
    saisie->addSpacing(12);
    colonne->addLayout(saisie);

    vue_ = new VueGrilleLog(*modele_, centre);
    colonne->addWidget(vue_, 1);
    setCentralWidget(centre);

    // A band chosen by the program (a log loaded) writes the entry row's band cell.
    connect(modele_, &QAbstractItemModel::dataChanged, bandes_, qOverload<>(&QWidget::update));
    connect(modele_, &QAbstractItemModel::modelReset, bandes_, qOverload<>(&QWidget::update));
    connect(bandes_, &VueBandes::relache, this, [this] {
        vue_->setFocus();
        vue_->ouvrir_editeur();
    });

    nomfichier_ = etiquette(QString(), this, Qt::blue);
    continent_ = etiquette(QString(), this, Qt::red);
    score_ = etiquette(QString(), this, Qt::blue);
    statusBar()->addWidget(nomfichier_, 1);
    statusBar()->addWidget(etiquette(QStringLiteral("Continent = "), this));
    statusBar()->addWidget(continent_, 1);
    statusBar()->addWidget(score_, 2);

    logique_.ouvrir_editeur = [this] {
        vue_->setFocus();
        vue_->ouvrir_editeur();
    };
    montrer_logique();
    appliquer_geometrie(*this, logique_.geometrie());
    logique_.sur_changement = [this] { montrer_logique(); };
}

void FenetreMain::creer_barre_outils() {
    barre_ = addToolBar(QStringLiteral("Outils"));
    barre_->setMovable(false);
    barre_->setAutoFillBackground(true);
    QPalette pal = barre_->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // grey
    barre_->setPalette(pal);
    barre_->setIconSize(QSize(22, 22));

    const auto bouton = [this](QStyle::StandardPixmap icone, const QString& texte,
                               const QString& bulle, void (Form_main::*commande)()) {
        auto* b = new QToolButton(barre_);
        if (icone != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(icone));
        b->setText(texte);
        b->setToolButtonStyle(icone == QStyle::SP_CustomBase ? Qt::ToolButtonTextOnly
                                                             : Qt::ToolButtonIconOnly);
        b->setToolTip(bulle);
        b->setAutoRaise(true);
        b->setMinimumSize(30, 30);
        connect(b, &QToolButton::clicked, this, [this, commande] { (logique_.*commande)(); });
        barre_->addWidget(b);
        return b;
    };
    bouton1_ = bouton(QStyle::SP_ArrowBack, QStringLiteral("Infos"),
                      QStringLiteral("Retour page infos"), &Form_main::SpeedButton1Click);
    // The hints of most buttons are the language's (montrer_textes).
    retour_info_ = bouton(QStyle::SP_FileDialogNewFolder, QStringLiteral("Nouveau"), {},
                          &Form_main::SpeedButton_retour_infoClick);
    ouvrir_ = bouton(QStyle::SP_DialogOpenButton, QStringLiteral("Ouvrir"), {},
                     &Form_main::SpeedButton_ouvrirClick);
    barre_->addSeparator();
    groupe_temps_ = barre_->addSeparator();
    calculatrice_ = bouton(QStyle::SP_BrowserReload, QStringLiteral("Recalcul"), {},
                           &Form_main::SpeedButton_calculatriceClick);
    creation_ = bouton(QStyle::SP_DialogSaveButton, QStringLiteral("Cabrillo"), {},
                       &Form_main::SpeedButton_creation_fichiersClick);
    mail_ =
        bouton(QStyle::SP_CustomBase, QStringLiteral("CR"), {}, &Form_main::SpeedButton_mailClick);
    barre_->addSeparator();
    aide_ = bouton(QStyle::SP_MessageBoxQuestion, QStringLiteral("Aide"), {},
                   &Form_main::SpeedButton_helpClick);
    plus_ = bouton(QStyle::SP_CustomBase, QStringLiteral("A+"),
                   QStringLiteral("Agrandir le texte du log"),
                   &Form_main::SpeedButton_taille_plusClick);
    moins_ = bouton(QStyle::SP_CustomBase, QStringLiteral("A"),
                    QStringLiteral("Texte du log à sa taille normale"),
                    &Form_main::SpeedButton_Taille_moinsClick);

    auto* ressort = new QWidget(barre_);
    ressort->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    barre_->addWidget(ressort);
    quitter_ = bouton(QStyle::SP_DialogCloseButton, QStringLiteral("Quitter"), QString(),
                      &Form_main::BitBtn_quitClick);
    quitter_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    quitter_->setAutoRaise(false);
}

void FenetreMain::creer_menus() {
    // Their captions are the language's (montrer_textes).
    menu_langues_ = menuBar()->addMenu(QString());
    for (int numero = 1; numero <= 5; ++numero) {
        QAction* a = menu_langues_->addAction(QString());
        connect(a, &QAction::triggered, this, [this, numero] { logique_.LangueClick(numero); });
        langues_.push_back(a);
    }
    menu_fichiers_ = menuBar()->addMenu(QString());
    menu_ouvrir_ = menu_fichiers_->addAction(QString());
    connect(menu_ouvrir_, &QAction::triggered, this,
            [this] { logique_.SpeedButton_ouvrirClick(); });
    menu_infos_ = menu_fichiers_->addAction(QString());
    connect(menu_infos_, &QAction::triggered, this, [this] { logique_.Acces_fiche_infosClick(); });
    menu_logs_ = menuBar()->addMenu(QString());
    menu_cabrillo_ = menu_logs_->addAction(QString());
    connect(menu_cabrillo_, &QAction::triggered, this,
            [this] { logique_.SpeedButton_creation_fichiersClick(); });
}

void FenetreMain::montrer_logique() {
    setWindowTitle(qs(logique_.Caption()));
    nomfichier_->setText(qs(logique_.Label_nomfichier()));
    continent_->setText(qs(logique_.Label_his_continent()));
    score_->setText(qs(logique_.Label_score()));
    omyl_->setText(qs(logique_.Label_OMYL()));
    QPalette pal = omyl_->palette();
    pal.setColor(QPalette::WindowText, couleur(logique_.Label_OMYL_couleur()));
    omyl_->setPalette(pal);
    montrer_textes();
    if (logique_.geometrie() != geometrie_de(*this))
        appliquer_geometrie(*this, logique_.geometrie());
}

void FenetreMain::montrer_textes() {
    const TextesMain& t = logique_.textes();
    menu_langues_->setTitle(qs(t.Langues1));
    const std::string* langues[] = {&t.Franais1, &t.Anglais1, &t.Espagnol, &t.Italien1,
                                    &t.Allemand};
    for (std::size_t i = 0; i < langues_.size(); ++i)
        langues_[i]->setText(qs(*langues[i]));
    menu_fichiers_->setTitle(qs(t.Fichers1));
    menu_ouvrir_->setText(qs(t.Ouvrir1));
    menu_infos_->setText(qs(t.Accesficheinfos1));
    menu_logs_->setTitle(qs(t.Logs1));
    menu_cabrillo_->setText(qs(t.Creation1));
    retour_info_->setToolTip(qs(t.SpeedButton_retour_info_hint));
    ouvrir_->setToolTip(qs(t.SpeedButton_ouvrir_hint));
    calculatrice_->setToolTip(qs(t.SpeedButton_calculatrice_hint));
    creation_->setToolTip(qs(t.SpeedButton_creation_fichiers_hint));
    mail_->setToolTip(qs(t.SpeedButton_mail_hint));
    aide_->setToolTip(qs(t.SpeedButton_help_hint));
    bande_->setText(qs(t.Label_bande));
    if (temps_) {
        temps_->SpeedButton_temps_differe().setToolTip(qs(t.SpeedButton_temps_differe_hint));
        temps_->SpeedButton_temps_reel().setToolTip(qs(t.SpeedButton_temps_reel_hint));
    }
    if (dates_) dates_->Label_date().setText(qs(t.Label_date));
    vue_->setToolTip(qs(t.Grille_log_hint));
}

// The close box as much as the quit button: the whole program ends.
void FenetreMain::closeEvent(QCloseEvent* e) {
    e->accept();
    logique_.FormClose();
}

void FenetreMain::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreMain::brancher_saisie(Saisie_QSO& saisie) {
    entree_ = &saisie;
    temps_ = new BarreTemps(saisie, barre_);
    barre_->insertWidget(groupe_temps_, temps_);
    dates_ = new BarreDates(saisie, centralWidget());
    static_cast<QBoxLayout*>(saisie_)->insertWidget(0, dates_);
    clavier_ = new ClavierGrille(*vue_, saisie);
    saisie.sur_changement = [this] {
        dates_->rafraichir();
        temps_->rafraichir();
    };
    montrer_textes();
}

FenetreMain::~FenetreMain() {
    logique_.sur_changement = nullptr;
    logique_.ouvrir_editeur = nullptr;
    if (entree_) entree_->sur_changement = nullptr;
}

} // namespace ylkaz::ui

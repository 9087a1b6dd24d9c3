#include "programme_qt.h"

#include "clavier_grille.h"
#include "fenetre_choix_fichier.h"
#include "fenetre_info.h"
#include "fenetre_infocr.h"
#include "fenetre_main.h"
#include "platform/fichiers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QUrl>

namespace ylkaz::ui {

ProgrammeQt::ProgrammeQt(const std::filesystem::path& dossier, std::unique_ptr<Lecteurs> lecteurs)
    : lecteurs_(lecteurs ? std::move(lecteurs) : lecteurs_systeme()),
      programme_(dossier, Plateforme{dialogues_, minuterie_, horloge_, *lecteurs_, mise_a_jour_}),
      dossier_(dossier) {
    terminer = [] { QCoreApplication::quit(); };
    programme_.terminer = [this] {
        if (terminer) terminer();
    };
    programme_.attente = [this](bool montrer) { attente(montrer); };
    programme_.telecharger_cty = crochet_cty(programme_.dossiers, [] { QApplication::beep(); });
    programme_.ouvrir_document = [](const std::filesystem::path& p) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(p.string())));
    };
    programme_.ouvreur = &ouvreur_;
    qApp->installEventFilter(this);
}

ProgrammeQt::~ProgrammeQt() {
    qApp->removeEventFilter(this);
}

void ProgrammeQt::demarrer() {
    QApplication::setApplicationName(QStringLiteral("YL_KAZ"));
    programme_.Demarrer();
    info_ = std::make_unique<FenetreInfo>(programme_.Form_info,
                                          chemin(programme_.dossiers.CHEMIN_PROG) / "Image1.jpg");
    choix_ = std::make_unique<FenetreChoixFichier>(programme_.Form_choix_fichier);
    main_ = std::make_unique<FenetreMain>(programme_.Form_main, programme_.bandes);
    main_->brancher_saisie(programme_.saisie);
    programme_.editer_cellule = [this] { main_->clavier().editer_cellule_courante(); };
    minuterie_.sur_tick = [this] { programme_.saisie.Timer1Timer(); };
    dialogues_.enregistrer(Fenetre::info, info_.get());
    dialogues_.enregistrer(Fenetre::choix_fichier, choix_.get());
    dialogues_.enregistrer(Fenetre::main, main_.get());
    infocr_ = std::make_unique<FenetreInfoCR>(programme_.Form_infoCR);
    dialogues_.enregistrer(Fenetre::infoCR, infocr_.get());
    dialogues_.montrer(Fenetre::info);
}

// A red strip above every window, with no buttons, while the databases are fetched.
void ProgrammeQt::attente(bool montrer) {
    if (!montrer) {
        attente_.reset();
        return;
    }
    auto w = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint |
                                                    Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setWindowTitle(
        QStringLiteral("La Base de Données KAZ est en cours de chargement..... QRX !"));
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::red);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->resize(350, 35);
    QCoreApplication::processEvents();
    w->show();
    attente_ = std::move(w);
}

bool ProgrammeQt::fenetre_du_programme(const QWidget* w) const {
    return w && ((info_ && w == info_.get()) || (choix_ && w == choix_.get()) ||
                 (main_ && w == main_.get()) || (infocr_ && w == infocr_.get()));
}

bool ProgrammeQt::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() != QEvent::WindowActivate || !objet->isWidgetType())
        return QObject::eventFilter(objet, e);
    auto* w = static_cast<QWidget*>(objet);
    if (!w->isWindow() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
        return QObject::eventFilter(objet, e);
    // Kept as a flag: the box is usually destroyed by the time its parent comes back.
    const bool retour_de_boite = boite_active_;
    boite_active_ = !fenetre_du_programme(w) && w != attente_.get();
    if (!retour_de_boite) {
        if (main_ && w == main_.get()) programme_.Form_main.FormActivate();
        if (choix_ && w == choix_.get()) choix_->activer();
        if (infocr_ && w == infocr_.get()) programme_.Form_infoCR.FormActivate();
    }
    return QObject::eventFilter(objet, e);
}

} // namespace ylkaz::ui

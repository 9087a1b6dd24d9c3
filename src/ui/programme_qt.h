#pragma once
// The window program: the program state, the screen services and the three windows,
// started in the program's order, with the windows' activations.
#include "app/programme.h"
#include "dialogues_qt.h"
#include "minuterie_qt.h"
#include "platform/connexion.h"
#include "platform/ouvreur.h"
#include "refdata/mise_a_jour_web.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>

namespace ylkaz::ui {

class FenetreInfo;
class FenetreChoixFichier;
class FenetreMain;
class FenetreInfoCR;

class ProgrammeQt : public QObject {
    Q_OBJECT
  public:
    // `lecteurs` lists the backup drives (the system's by default).
    explicit ProgrammeQt(const std::filesystem::path& dossier_programme,
                         std::unique_ptr<Lecteurs> lecteurs = nullptr);
    ~ProgrammeQt() override;

    // The start-up, then the station form on screen.
    void demarrer();

    Programme& programme() { return programme_; }
    DialoguesQt& dialogues() { return dialogues_; }
    MinuterieQt& minuterie() { return minuterie_; }
    FenetreInfo& info() { return *info_; }
    FenetreChoixFichier& choix() { return *choix_; }
    FenetreMain& main() { return *main_; }
    FenetreInfoCR& infocr() { return *infocr_; }

    // Ends the program; by default the event loop.
    std::function<void()> terminer;

  protected:
    // A window of the program that becomes active runs its activation, unless it comes
    // back from one of the boxes or file dialogs it opened.
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    void attente(bool montrer);
    bool fenetre_du_programme(const QWidget* w) const;

    DialoguesQt dialogues_;
    MinuterieQt minuterie_;
    HorlogeSysteme horloge_;
    std::unique_ptr<Lecteurs> lecteurs_;
    ConnexionSysteme connexion_;
    MiseAJourWeb mise_a_jour_{connexion_};
    Programme programme_;
    std::filesystem::path dossier_;
    std::unique_ptr<FenetreInfo> info_;
    std::unique_ptr<FenetreChoixFichier> choix_;
    std::unique_ptr<FenetreMain> main_;
    std::unique_ptr<FenetreInfoCR> infocr_;
    OuvreurSysteme ouvreur_;
    std::unique_ptr<QWidget> attente_;
    // The window active last is a box or a file dialog, not one of the program's windows.
    bool boite_active_ = false;
};

} // namespace ylkaz::ui

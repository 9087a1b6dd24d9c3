#pragma once
// The boxes, file dialogs and windows the logic asks for, on the screen.
#include "platform/interfaces.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

namespace ylkaz::ui {

// A text of the core as a box shows it: each line break ("\r\n", "\n\r", a lone "\r" or
// "\n") one new line.
QString texte_boite(const std::string& cp1252_texte);

class DialoguesQt : public Dialogues {
  public:
    void message(const std::string& texte) override;
    bool question(const std::string& texte) override;
    std::optional<std::string> ouvrir_fichier(const std::string& dossier,
                                              const std::string& filtre) override;
    std::optional<std::string> choisir_dossier(const std::string& dossier) override;
    void montrer(Fenetre f) override;
    void cacher(Fenetre f) override;

    void enregistrer(Fenetre f, QWidget* w) { fenetres_[static_cast<std::size_t>(f)] = w; }
    QWidget* fenetre(Fenetre f) const { return fenetres_[static_cast<std::size_t>(f)]; }

  private:
    // The window the box belongs to: the active one of the program.
    QWidget* parent() const;
    std::array<QPointer<QWidget>, 4> fenetres_;
};

} // namespace ylkaz::ui

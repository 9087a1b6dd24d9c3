#pragma once
// The log table's keys, clicks, current cell and popup menu handed to QSO entry. The cell
// editor's text is the cell's text at every keystroke, both ways, as in a grid whose
// cells are edited in place, so that entry always sees what the operator typed.
#include "log/saisie_qso.h"
#include "vue_grille_log.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>

namespace ylkaz::ui {

class ClavierGrille;

// Sees every key of the cell editor before the editor and the delegate's own handling.
class DelegueSaisie : public DelegueGrille {
    Q_OBJECT
  public:
    DelegueSaisie(ClavierGrille& clavier, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    ClavierGrille& clavier_;
};

class ClavierGrille : public QObject {
    Q_OBJECT
  public:
    ClavierGrille(VueGrilleLog& vue, Saisie_QSO& saisie);
    ~ClavierGrille() override;

    // Gives the table the focus and edits its current cell, when editing is allowed.
    void editer_cellule_courante();
    // A key of the editor (or of the table when `editeur` is null): true when entry took
    // it, so that neither the editor nor the table sees it.
    bool touche(const QKeyEvent& e, QLineEdit* editeur);

    QAction& Effacercetteligne1() { return *effacer_; }
    QAction& Insrerunelignevide1() { return *inserer_; }

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void taper(const QString& texte, QLineEdit* editeur);
    void reprendre();

    VueGrilleLog& vue_;
    // The model goes before the table when the window closes.
    QPointer<ModeleGrille> modele_;
    Saisie_QSO& saisie_;
    QAction* effacer_;
    QAction* inserer_;
};

} // namespace ylkaz::ui

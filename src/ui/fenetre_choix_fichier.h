#pragma once
// The log-file naming form on screen. It has no title-bar buttons and Escape does
// nothing: its OK button, the default button, is the only way on.
#include "dialogs/form_choix_fichier.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ylkaz::ui {

class FenetreChoixFichier : public QDialog {
    Q_OBJECT
  public:
    explicit FenetreChoixFichier(Form_choix_fichier& logique, QWidget* parent = nullptr);
    ~FenetreChoixFichier() override;

    // The form's activation, then the name box ready for typing.
    void activer();

    QLineEdit& Edit_nom_fichier() { return *nom_; }
    QPushButton& Button_nom_fichier() { return *fichier_; }
    QPushButton& BitBtn_fichier_close() { return *ok_; }
    QPushButton& Button_emplacement() { return *emplacement_; }
    QLabel& Label_nom_fichier() { return *titre_nom_; }

  public slots:
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void montrer_logique();

    Form_choix_fichier& logique_;
    QLineEdit *nom_, *chemin_;
    QLabel* titre_nom_;
    QPushButton *fichier_, *ok_, *emplacement_;
};

} // namespace ylkaz::ui

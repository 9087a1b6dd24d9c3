#pragma once
// The report e-mail form on screen: the prepared message, the checker's address to
// correct, the attachment's icon and the two buttons.
#include "report/form_infocr.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ylkaz::ui {

class FenetreInfoCR : public QDialog {
    Q_OBJECT
  public:
    explicit FenetreInfoCR(Form_infoCR& logique, QWidget* parent = nullptr);
    ~FenetreInfoCR() override;

    QLabel& Label_titre_CR() { return *titre_; }
    QLabel& Panel1() { return *panel1_; }
    QLabel& Panel2() { return *panel2_; }
    QLabel& Panel3() { return *panel3_; }
    QLabel& Panel4() { return *panel4_; }
    QLabel& Panel5() { return *panel5_; }
    QLabel& Panel_de() { return *de_; }
    QLineEdit& Edit_AD_Destinataire() { return *destinataire_; }
    QLabel& Label_erreur() { return *erreur_; }
    QLabel& Panel_CC() { return *cc_; }
    QLabel& Panel_objet() { return *objet_; }
    QLabel& Panel_PJ() { return *pj_; }
    QToolButton& Image1() { return *image_; }
    QLabel& Label1() { return *label1_; }
    QPlainTextEdit& Memo1() { return *memo_; }
    QPushButton& Button_envoi() { return *envoi_; }
    QPushButton& BitBtn_annuler() { return *annuler_; }

  public slots:
    // Escape, as the cancel button.
    void reject() override;

  protected:
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void montrer_logique();

    Form_infoCR& logique_;
    QLabel *titre_, *panel1_, *panel2_, *panel3_, *panel4_, *panel5_, *de_, *erreur_, *cc_, *objet_,
        *pj_, *label1_;
    QLineEdit* destinataire_;
    QToolButton* image_;
    QPlainTextEdit* memo_;
    QPushButton *envoi_, *annuler_;
};

} // namespace ylkaz::ui

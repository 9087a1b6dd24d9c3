#pragma once
// The station form on screen: every control bound both ways to its field of the logic.
#include "dialogs/form_info.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <filesystem>

namespace ylkaz::ui {

class FenetreInfo : public QWidget {
    Q_OBJECT
  public:
    // `image` is the picture shown top left.
    FenetreInfo(Form_info& logique, const std::filesystem::path& image, QWidget* parent = nullptr);
    ~FenetreInfo() override;

    QLabel& Image1() { return *image_; }
    QLineEdit& Edit_op() { return *op_; }
    QComboBox& ComboBox_DXCC() { return *dxcc_; }
    QLineEdit& Edit_nom() { return *nom_; }
    QLineEdit& Edit_AD1() { return *ad1_; }
    QLineEdit& Edit_ad2() { return *ad2_; }
    QLineEdit& Edit_ad3() { return *ad3_; }
    QLineEdit& Edit_email() { return *email_; }
    QLineEdit& Edit_smtp() { return *smtp_; }
    QLineEdit& Edit_port() { return *port_; }
    QComboBox& ComboBox_Category() { return *categorie_; }
    QComboBox& combobox_save() { return *save_; }
    QRadioButton& RadioButton1() { return *yl_; }
    QRadioButton& RadioButton2() { return *om_; }
    QPushButton& Button_OK() { return *ok_; }
    QPushButton& Button_annuler() { return *annuler_; }
    QLabel& Label_Date_BD() { return *date_bd_; }
    QLabel& Label_etat_bases() { return *etat_bases_; }
    QLabel& Label_op() { return *label_op_; }
    QLabel& Label_nom() { return *label_nom_; }
    QLabel& Label_ad1() { return *label_ad1_; }
    QLabel& Label_ad2() { return *label_ad2_; }
    QLabel& Label_ad3() { return *label_ad3_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void montrer_logique();

    Form_info& logique_;
    QLabel* image_;
    QLineEdit *op_, *nom_, *ad1_, *ad2_, *ad3_, *email_, *smtp_, *port_;
    QLineEdit *nkaz_, *station_;
    QComboBox *dxcc_, *categorie_, *save_;
    QGroupBox* groupe_;
    QRadioButton *yl_, *om_;
    QPushButton *ok_, *annuler_;
    QLabel *bd_kaz_, *bd_yl_, *date_bd_, *info_internet_, *etat_bases_;
    QLabel *label_op_, *label_nr_kaz_, *label_station_, *label_nom_, *label_ad1_, *label_ad2_,
        *label_ad3_;
};

} // namespace ylkaz::ui

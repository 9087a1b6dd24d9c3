#pragma once
// The station form's fields and their change handling, without any window.
#include "app/etat.h"
#include "app/fenetre.h"

#include <string>

namespace ylkaz {

class Form_info : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};
    static constexpr const char* CATEGORIE_DEFAUT = "A. >=100W";

    explicit Form_info(StationRecord& station);

    // Setting a text from code runs the field's change handler, as typing would; setting
    // the text it already holds runs nothing.
    const std::string& Edit_op() const { return Edit_op_; }
    void set_Edit_op(std::string texte);
    const std::string& Edit_station() const { return Edit_station_; }
    void set_Edit_station(std::string texte);
    const std::string& Edit_NKAZ() const { return Edit_NKAZ_; }
    void set_Edit_NKAZ(std::string texte);
    const std::string& Edit_nom() const { return Edit_nom_; }
    void set_Edit_nom(std::string texte);
    const std::string& Edit_AD1() const { return Edit_AD1_; }
    void set_Edit_AD1(std::string texte);
    const std::string& Edit_ad2() const { return Edit_ad2_; }
    void set_Edit_ad2(std::string texte);
    const std::string& Edit_ad3() const { return Edit_ad3_; }
    void set_Edit_ad3(std::string texte);
    const std::string& Edit_email() const { return Edit_email_; }
    void set_Edit_email(std::string texte);
    const std::string& Edit_smtp() const { return Edit_smtp_; }
    void set_Edit_smtp(std::string texte);
    const std::string& Edit_port() const { return Edit_port_; }
    void set_Edit_port(std::string texte);
    const std::string& ComboBox_Category() const { return ComboBox_Category_; }
    void set_ComboBox_Category(std::string texte);

    // "Je suis YL" and "Je suis OM", one radio group: checking one unchecks the other and
    // runs its click handler, as a click would. Neither is checked on a fresh form.
    bool RadioButton1() const { return RadioButton1_; }
    void set_RadioButton1(bool coche);
    bool RadioButton2() const { return RadioButton2_; }
    void set_RadioButton2(bool coche);

    // The handlers, run by the setters above.
    void Edit_opChange();
    void Edit_stationChange();
    void Edit_emailChange();
    void RadioButton1Click();
    void RadioButton2Click();

  private:
    void changer(std::string& champ, std::string texte, void (Form_info::*handler)() = nullptr);
    void cocher(bool& bouton, bool& autre, bool coche, void (Form_info::*handler)());

    StationRecord& station_;
    std::string Edit_op_, Edit_station_, Edit_NKAZ_, Edit_nom_, Edit_AD1_, Edit_ad2_, Edit_ad3_,
        Edit_email_, Edit_smtp_, Edit_port_;
    std::string ComboBox_Category_ = CATEGORIE_DEFAUT;
    bool RadioButton1_ = false, RadioButton2_ = false;
};

} // namespace ylkaz

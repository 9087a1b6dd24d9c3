#include "dialogs/form_info.h"

namespace ylkaz {

Form_info::Form_info(StationRecord& station) : FenetreLogique(GEOMETRIE_DEFAUT), station_(station) {}

void Form_info::changer(std::string& champ, std::string texte, void (Form_info::*handler)()) {
    if (champ == texte) return;
    Lot lot(*this);
    champ = std::move(texte);
    lot.change();
    if (handler) (this->*handler)();
}

void Form_info::cocher(bool& bouton, bool& autre, bool coche, void (Form_info::*handler)()) {
    if (bouton == coche) return;
    Lot lot(*this);
    bouton = coche;
    lot.change();
    if (!coche) return;
    autre = false;
    (this->*handler)();
}

void Form_info::set_Edit_op(std::string t) {
    changer(Edit_op_, std::move(t), &Form_info::Edit_opChange);
}
void Form_info::set_Edit_station(std::string t) {
    changer(Edit_station_, std::move(t), &Form_info::Edit_stationChange);
}
void Form_info::set_Edit_NKAZ(std::string t) {
    changer(Edit_NKAZ_, std::move(t));
}
void Form_info::set_Edit_nom(std::string t) {
    changer(Edit_nom_, std::move(t));
}
void Form_info::set_Edit_AD1(std::string t) {
    changer(Edit_AD1_, std::move(t));
}
void Form_info::set_Edit_ad2(std::string t) {
    changer(Edit_ad2_, std::move(t));
}
void Form_info::set_Edit_ad3(std::string t) {
    changer(Edit_ad3_, std::move(t));
}
void Form_info::set_Edit_email(std::string t) {
    changer(Edit_email_, std::move(t), &Form_info::Edit_emailChange);
}
void Form_info::set_Edit_smtp(std::string t) {
    changer(Edit_smtp_, std::move(t));
}
void Form_info::set_Edit_port(std::string t) {
    changer(Edit_port_, std::move(t));
}
void Form_info::set_ComboBox_Category(std::string t) {
    changer(ComboBox_Category_, std::move(t));
}

void Form_info::set_RadioButton1(bool coche) {
    cocher(RadioButton1_, RadioButton2_, coche, &Form_info::RadioButton1Click);
}
void Form_info::set_RadioButton2(bool coche) {
    cocher(RadioButton2_, RadioButton1_, coche, &Form_info::RadioButton2Click);
}

// The member and country lookups are not wired in yet: a callsign long enough to look up
// is only mirrored into the station callsign, whose own handler then stores it.
void Form_info::Edit_opChange() {
    if (Edit_op_.size() < 4) {
        set_Edit_NKAZ({});
        return;
    }
    set_Edit_station(Edit_op_);
}

// Shorter texts are a callsign being typed: the last long enough one stays stored.
void Form_info::Edit_stationChange() {
    if (Edit_station_.size() <= 3) return;
    station_.MY_STATION = Edit_station_;
}

// The mail server and port are derived from the address by the SMTP list, not wired in
// yet; until then both stay empty.
void Form_info::Edit_emailChange() {
    set_Edit_smtp({});
    set_Edit_port({});
    if (Edit_email_.find('@') == std::string::npos) return;
    station_.MY_EMAIL = Edit_email_;
}

void Form_info::RadioButton1Click() {
    if (RadioButton1_) station_.MY_SEXE = "YL";
}

void Form_info::RadioButton2Click() {
    if (RadioButton2_) station_.MY_SEXE = "OM";
}

} // namespace ylkaz

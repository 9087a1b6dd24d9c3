#pragma once
// The station form: the operator's own station, the backup drive and, at its creation,
// the program folders, the member databases and the country list. Its fields and
// handlers, without any window.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/fenetre.h"
#include "log/grille_log.h"
#include "platform/interfaces.h"
#include "platform/lecteurs.h"
#include "refdata/mise_a_jour_bd.h"
#include "refdata/reference.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ylkaz {

// What the station form works with, owned elsewhere.
struct LiensInfo {
    StationRecord& station;
    Dossiers& dossiers;
    EmplacementLog& emplacement;
    Grille_log& grille;
    Reference& reference;
    const Catalogue& catalogue;
    Dialogues& dialogues;
    const Lecteurs& lecteurs;
    MiseAJourBD& mise_a_jour;
    // The root folder of the chosen backup drive, read by the once-a-minute copy.
    std::optional<std::filesystem::path>& lecteur_sauvegarde;
    // Writes the settings file; throws Erreur with the operator's text when it fails.
    std::function<void()> Sauve_ini;
    // Ends the program at once, saving nothing.
    std::function<void()> terminer;
    // Shows (true) and removes (false) the waiting window around the database update.
    std::function<void(bool)> attente;
};

// The labels a language replaces; these are the built-in ones.
struct TextesInfo {
    std::string Label_op = "-";
    std::string Label_nr_kaz;
    std::string Label_station = "Station sur l'air";
    std::string Label_nom = "Nom";
    std::string Label_ad1 = "Adresse";
    std::string Label_ad2 = "Adresse";
    std::string Label_ad3 = "ZIP + Ville";

    bool operator==(const TextesInfo&) const = default;
};

class Form_info : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};
    static constexpr const char* CATEGORIE_DEFAUT = "A. >=100W";
    static constexpr const char* MEMBRES = "KAZ_mini_2021.csv";

    explicit Form_info(LiensInfo liens);

    // Title, folders, drive list, database question and update, labels, country list.
    void FormCreate(const std::filesystem::path& dossier_programme);
    void FormActivate() {}

    const std::string& Caption() const { return Caption_; }

    const TextesInfo& textes() const { return textes_; }
    void set_textes(TextesInfo t);

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

    // The country list: its entries come from the country file; a prefix can be typed.
    const std::vector<std::string>& ComboBox_DXCC_items() const { return dxcc_items_; }
    const std::string& ComboBox_DXCC() const { return ComboBox_DXCC_; }
    int ComboBox_DXCC_index() const { return dxcc_index_; }
    // Typed text: no entry stays selected.
    void set_ComboBox_DXCC(std::string texte);
    // -1 selects nothing and empties the text.
    void selectionner_DXCC(int index);

    // "Aucun", then one entry per backup drive.
    const std::vector<std::string>& combobox_save_items() const { return save_items_; }
    int combobox_save() const { return save_index_; }
    void set_combobox_save(int index);

    const std::string& Label_BD_KAZ() const { return Label_BD_KAZ_; }
    const std::string& Label_BD_YL() const { return Label_BD_YL_; }
    const std::string& Label_Date_BD() const { return Label_Date_BD_; }
    const std::string& Label_info_Internet() const { return Label_info_Internet_; }
    bool Label_info_Internet_visible() const { return info_internet_visible_; }
    // Where the operator sees how the update went, since Label_info_Internet is hidden;
    // empty when no update ran.
    const std::string& Label_etat_bases() const { return Label_etat_bases_; }

    // "Je suis YL" and "Je suis OM", one radio group: checking one unchecks the other and
    // runs its click handler, as a click would. Neither is checked on a fresh form.
    bool RadioButton1() const { return RadioButton1_; }
    void set_RadioButton1(bool coche);
    bool RadioButton2() const { return RadioButton2_; }
    void set_RadioButton2(bool coche);

    // The handlers; the change handlers run from the setters above.
    void Edit_opChange();
    void Edit_opExit();
    void Edit_stationChange();
    void Edit_emailChange();
    void RadioButton1Click();
    void RadioButton2Click();
    void Button_OKClick();
    void Button_annulerClick();

    // The first three steps of OK: the station record from the fields, and the refusal
    // message when the operator callsign is missing or the mail server cannot be known.
    // Nothing when the record is accepted. Saves nothing and shows nothing.
    std::optional<std::string> Stocker_station();

    // The country data prepared and the country list filled (the last step of the
    // creation).
    void Conversion_cty();

    // The message of OK for an e-mail address without a mail server.
    static std::string message_smtp_manquant();

  private:
    void changer(std::string& champ, std::string texte, void (Form_info::*handler)() = nullptr);
    void cocher(bool& bouton, bool& autre, bool coche, void (Form_info::*handler)());
    void choisir_DXCC(const std::string& dxcc, bool vider_sinon);
    void Verifier_bases();
    void signaler(const std::string& texte);

    LiensInfo liens_;
    StationRecord& station_;
    std::string Caption_;
    std::string Edit_op_, Edit_station_, Edit_NKAZ_, Edit_nom_, Edit_AD1_, Edit_ad2_, Edit_ad3_,
        Edit_email_, Edit_smtp_, Edit_port_;
    std::string ComboBox_Category_ = CATEGORIE_DEFAUT;
    std::vector<std::string> dxcc_items_;
    std::string ComboBox_DXCC_;
    int dxcc_index_ = -1;
    std::vector<std::string> save_items_{"Aucun"};
    std::vector<Lecteur> lecteurs_;
    int save_index_ = 0;
    std::string Label_BD_KAZ_ = "BD KAZ : ", Label_BD_YL_ = "BD YL : ", Label_Date_BD_ = "Date BD",
                Label_info_Internet_, Label_etat_bases_;
    bool info_internet_visible_ = true;
    bool RadioButton1_ = false, RadioButton2_ = false;
    TextesInfo textes_;
};

} // namespace ylkaz

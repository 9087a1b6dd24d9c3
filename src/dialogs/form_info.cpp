#include "dialogs/form_info.h"

#include "app/version.h"
#include "dialogs/liste_smtp.h"
#include "platform/cp1252.h"
#include "platform/date_fichier.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <algorithm>

namespace ylkaz {
namespace {

std::string sans_blancs(const std::string& s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && static_cast<unsigned char>(s[debut]) <= 32)
        ++debut;
    while (fin > debut && static_cast<unsigned char>(s[fin - 1]) <= 32)
        --fin;
    return s.substr(debut, fin - debut);
}

// Removes the waiting window however the update ends.
class Attente {
  public:
    explicit Attente(const std::function<void(bool)>& f) : f_(f) {
        if (f_) f_(true);
    }
    ~Attente() {
        if (f_) f_(false);
    }
    Attente(const Attente&) = delete;
    Attente& operator=(const Attente&) = delete;

  private:
    const std::function<void(bool)>& f_;
};

} // namespace

Form_info::Form_info(LiensInfo liens)
    : FenetreLogique(GEOMETRIE_DEFAUT), liens_(std::move(liens)), station_(liens_.station) {}

void Form_info::set_textes(TextesInfo t) {
    if (t == textes_) return;
    Lot lot(*this);
    textes_ = std::move(t);
    lot.change();
}

void Form_info::signaler(const std::string& texte) {
    liens_.dialogues.message(texte);
}

void Form_info::FormCreate(const std::filesystem::path& dossier_programme) {
    Lot lot(*this);
    lot.change();
    Caption_ = "Dizidevi YL KAZ, V:" + Version_exe();

    liens_.dossiers = Dossiers::depuis(dossier_programme);
    liens_.dossiers.creer_sous_dossiers();

    save_items_.assign(1, "Aucun");
    lecteurs_ = liens_.lecteurs.lister();
    for (const auto& l : lecteurs_)
        save_items_.push_back(l.texte());
    set_combobox_save(0);

    info_internet_visible_ = false;
    Verifier_bases();
    Conversion_cty();
}

// The member list's date is the one the operator is asked about and the one shown, also
// after an update, which replaces the file.
void Form_info::Verifier_bases() {
    const auto membres = [this] {
        return fichier_sans_casse(chemin(liens_.dossiers.CHEMIN_BD), MEMBRES);
    };
    bool mettre_a_jour = true;
    if (const auto date = date_fichier(membres()))
        mettre_a_jour =
            liens_.dialogues.question(cp1252("Votre base de données des membres date du ") + *date +
                                      cp1252("\r\rVoulez-vous mettre à jour le fichier ?"));
    if (mettre_a_jour) {
        ResultatMiseAJour r;
        {
            Attente attente(liens_.attente);
            r = liens_.mise_a_jour.Mettre_a_jour(liens_.dossiers, liens_.catalogue);
        }
        if (r.Label_Date_BD) Label_Date_BD_ = *r.Label_Date_BD;
        Label_info_Internet_ = r.Label_info_Internet;
        Label_etat_bases_ = r.compte_rendu;
    }
    Label_BD_KAZ_ = std::string("BD KAZ : ") + MEMBRES;
    Label_BD_YL_ = "BD YL : BD_YL.csv";
    // Without a member list (a first start without a connection) there is no date to show.
    Label_Date_BD_ = "Date fichiers : " + date_fichier(membres()).value_or("aucun fichier");
}

void Form_info::Conversion_cty() {
    std::vector<std::string> entrees;
    try {
        entrees = liens_.reference.Conversion_cty();
    } catch (const Erreur& e) {
        signaler(e.what());
    }
    Lot lot(*this);
    lot.change();
    dxcc_items_ = std::move(entrees);
    dxcc_index_ = -1;
    ComboBox_DXCC_.clear();
}

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

void Form_info::set_ComboBox_DXCC(std::string t) {
    if (t == ComboBox_DXCC_ && dxcc_index_ == -1) return;
    Lot lot(*this);
    lot.change();
    ComboBox_DXCC_ = std::move(t);
    dxcc_index_ = -1;
}

void Form_info::selectionner_DXCC(int index) {
    if (index < -1 || index >= static_cast<int>(dxcc_items_.size())) index = -1;
    if (index == dxcc_index_ && (index >= 0 || ComboBox_DXCC_.empty())) return;
    Lot lot(*this);
    lot.change();
    dxcc_index_ = index;
    ComboBox_DXCC_ = index < 0 ? std::string() : dxcc_items_[static_cast<std::size_t>(index)];
}

// The first entry equal to the country; when there is none, the selection stays or is
// cleared.
void Form_info::choisir_DXCC(const std::string& dxcc, bool vider_sinon) {
    const auto it =
        dxcc.empty() ? dxcc_items_.end() : std::find(dxcc_items_.begin(), dxcc_items_.end(), dxcc);
    if (it != dxcc_items_.end())
        selectionner_DXCC(static_cast<int>(it - dxcc_items_.begin()));
    else if (vider_sinon)
        selectionner_DXCC(-1);
}

void Form_info::set_combobox_save(int index) {
    if (index < 0 || index >= static_cast<int>(save_items_.size())) index = 0;
    if (index > 0)
        liens_.lecteur_sauvegarde = lecteurs_[static_cast<std::size_t>(index - 1)].racine;
    else
        liens_.lecteur_sauvegarde.reset();
    if (index == save_index_) return;
    Lot lot(*this);
    lot.change();
    save_index_ = index;
}

void Form_info::set_RadioButton1(bool coche) {
    cocher(RadioButton1_, RadioButton2_, coche, &Form_info::RadioButton1Click);
}
void Form_info::set_RadioButton2(bool coche) {
    cocher(RadioButton2_, RadioButton1_, coche, &Form_info::RadioButton2Click);
}

// Shorter texts are a callsign being typed: the station callsign keeps the last long
// enough one.
void Form_info::Edit_opChange() {
    if (Edit_op_.size() < 4) {
        set_Edit_NKAZ({});
        return;
    }
    std::string numero = "NM";
    try {
        numero = liens_.reference.Recherche_membre(Edit_op_).membre_numero;
        choisir_DXCC(liens_.reference.Recherche_pays(Edit_op_).pays_dxcc, false);
    } catch (const Erreur& e) {
        signaler(e.what());
    }
    set_Edit_NKAZ(numero);
    set_Edit_station(Edit_op_);
}

// A changed operator is a new contest log: the naming form proposes a new name.
void Form_info::Edit_opExit() {
    const std::string op = sans_blancs(Edit_op_);
    if (op == station_.OPERATOR) return;
    station_.OPERATOR = op;
    liens_.emplacement.NOM_FICHIER.clear();
    liens_.grille.Vider_grille();
}

void Form_info::Edit_stationChange() {
    if (Edit_station_.size() <= 3) return;
    std::string dxcc;
    try {
        dxcc = liens_.reference.Recherche_pays(Edit_station_).pays_dxcc;
    } catch (const Erreur& e) {
        signaler(e.what());
    }
    station_.MY_DXCC = dxcc;
    choisir_DXCC(dxcc, true);
    station_.MY_STATION = Edit_station_;
}

void Form_info::Edit_emailChange() {
    set_Edit_smtp({});
    set_Edit_port({});
    if (Edit_email_.find('@') == std::string::npos) return;
    // A missing or unreadable list leaves both fields empty: OK then asks for the server.
    if (const auto s = Recherche_smtp(chemin(liens_.dossiers.CHEMIN_PROG), Edit_email_)) {
        set_Edit_smtp(s->serveur);
        set_Edit_port(s->port);
    }
    station_.MY_EMAIL = Edit_email_;
}

void Form_info::RadioButton1Click() {
    if (RadioButton1_) station_.MY_SEXE = "YL";
}

void Form_info::RadioButton2Click() {
    if (RadioButton2_) station_.MY_SEXE = "OM";
}

std::string Form_info::message_smtp_manquant() {
    return cp1252("Votre adresse Email ne permet pas de déterminer votre SMTP ainsi que votre "
                  "Port\n\rVeuillez les fournir ou bien effacer votre adresse Email\n\r\n\r Si "
                  "vous ne possédez pas ces éléments, vous devrez envoyer votre compte rendu "
                  "avec votre propre gestionaire d'Email");
}

std::optional<std::string> Form_info::Stocker_station() {
    station_.OPERATOR = sans_blancs(Edit_op_);
    if (station_.OPERATOR.empty()) return liens_.catalogue.MSg_info_manquante;
    station_.MY_NAME = Edit_nom_;
    station_.MY_SEXE = RadioButton1_ ? "YL" : "OM";
    station_.MY_CITY = Edit_ad3_;
    station_.MY_STREET = Edit_AD1_ + ", " + Edit_ad2_;
    station_.MY_NRKAZ = Edit_NKAZ_;
    station_.MY_STATION = sans_blancs(Edit_station_);
    station_.MY_CATEGORY = ComboBox_Category_;
    if (station_.MY_STATION.empty()) station_.MY_STATION = station_.OPERATOR;
    station_.MY_DXCC = ComboBox_DXCC_;
    station_.MY_EMAIL = sans_blancs(Edit_email_);
    station_.MY_SMTP = Edit_smtp_;
    station_.MY_PORT = Edit_port_;
    if (!station_.MY_EMAIL.empty() && station_.MY_SMTP.empty()) return message_smtp_manquant();
    return std::nullopt;
}

void Form_info::Button_OKClick() {
    if (const auto refus = Stocker_station()) {
        signaler(*refus);
        return;
    }
    try {
        if (liens_.Sauve_ini) liens_.Sauve_ini();
    } catch (const Erreur& e) {
        signaler(e.what());
        return;
    }
    liens_.dialogues.cacher(Fenetre::info);
    liens_.dialogues.montrer(Fenetre::choix_fichier);
}

void Form_info::Button_annulerClick() {
    if (liens_.terminer) liens_.terminer();
}

} // namespace ylkaz

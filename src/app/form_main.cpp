#include "app/form_main.h"

#include "app/version.h"
#include "dialogs/form_info.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

namespace ylkaz {

Form_main::Form_main(ylkaz::Grille_log& grille, LiensMain liens)
    : FenetreLogique(GEOMETRIE_DEFAUT), Grille_log(grille), liens_(std::move(liens)) {}

void Form_main::changer(std::string& champ, std::string texte) {
    if (champ == texte) return;
    Lot lot(*this);
    champ = std::move(texte);
    lot.change();
}

void Form_main::set_Label_nomfichier(std::string t) {
    changer(Label_nomfichier_, std::move(t));
}
void Form_main::set_Label_his_continent(std::string t) {
    changer(Label_his_continent_, std::move(t));
}
void Form_main::set_Label_score(std::string t) {
    changer(Label_score_, std::move(t));
}

void Form_main::set_textes(TextesMain t) {
    if (t == textes_) return;
    Lot lot(*this);
    textes_ = std::move(t);
    lot.change();
}

void Form_main::FormCreate() {
    liens_.minuterie.arreter();
    appeler(liens_.preparer_heure);
    liens_.bandes.initialiser();
}

void Form_main::FormActivate() {
    Lot lot(*this);
    const auto& station = liens_.station;
    changer(Caption_, "Dizidevi YL KAZ, V:" + Version_exe() +
                          "     Station : " + station.MY_STATION + "     " + station.MY_CATEGORY);
    liens_.stockage.Charger_log();
    const auto omyl = [&](const char* sexe, const char* texte, Couleur c) {
        liens_.station.MY_SEXE = sexe;
        changer(Label_OMYL_, texte);
        if (Label_OMYL_couleur_ != c) lot.change();
        Label_OMYL_couleur_ = c;
    };
    if (liens_.info.RadioButton2())
        omyl("OM", "Je suis OM", Couleur::bleu);
    else if (liens_.info.RadioButton1())
        omyl("YL", "Je suis YL", Couleur::rouge);
    liens_.minuterie.demarrer();
    Grille_log.selectionner(colonne::indicatif, Grille_log.Row());
    appeler(ouvrir_editeur);
}

void Form_main::FormClose() {
    appeler(liens_.terminer);
}

void Form_main::SpeedButton1Click() {
    liens_.dialogues.cacher(Fenetre::main);
    liens_.dialogues.montrer(Fenetre::info);
}

void Form_main::SpeedButton_retour_infoClick() {
    liens_.stockage.Nouveau_log();
}

void Form_main::Acces_fiche_infosClick() {
    liens_.dialogues.montrer(Fenetre::info);
}

void Form_main::SpeedButton_ouvrirClick() {
    liens_.stockage.Ouvrir_log();
}

void Form_main::SpeedButton_calculatriceClick() {
    appeler(liens_.Calcul_score);
}

void Form_main::SpeedButton_creation_fichiersClick() {
    appeler(liens_.creation_fichiers);
}

void Form_main::SpeedButton_mailClick() {
    appeler(liens_.compte_rendu);
}

// Whatever the system does with a missing file is its own business: nothing is shown.
void Form_main::SpeedButton_helpClick() {
    appeler(liens_.ouvrir_document, chemin(liens_.dossiers.CHEMIN_PROG + "YL_KAZ.chm"));
}

void Form_main::SpeedButton_taille_plusClick() {
    Grille_log.set_police(Grille_log.taille_police() + 1, Grille_log.hauteur_ligne() + 1);
}

// Back to the start values in one step, not one point at a time.
void Form_main::SpeedButton_Taille_moinsClick() {
    Grille_log.set_police(TAILLE_POLICE, HAUTEUR_LIGNE);
}

void Form_main::BitBtn_quitClick() {
    try {
        appeler(liens_.Sauve_ini);
    } catch (const Erreur& e) {
        liens_.dialogues.message(e.what());
        return;
    }
    liens_.stockage.Fermer_log();
    liens_.stockage.Copie_Mem();
    FormClose();
}

void Form_main::LangueClick(int n) {
    liens_.catalogue.LNG = n;
    appeler(liens_.Charge_langue);
}

} // namespace ylkaz

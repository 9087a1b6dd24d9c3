#include "report/form_infocr.h"

#include "app/champs_cabrillo.h"
#include "app/ini.h"
#include "dialogs/form_info.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "report/syntaxe_email.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>

namespace ylkaz {
namespace {

std::string date_courte(const DateHeure& d) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%02d/%02d/%04d", d.jour, d.mois, d.annee);
    return texte;
}

bool fichier_present(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

} // namespace

Form_infoCR::Form_infoCR(LiensInfoCR liens) : FenetreLogique(GEOMETRIE_DEFAUT), liens_(liens) {}

void Form_infoCR::set_textes(TextesInfoCR t) {
    if (t == textes_) return;
    Lot lot(*this);
    textes_ = std::move(t);
    lot.change();
}

void Form_infoCR::changer(std::string& champ, std::string texte) {
    if (champ == texte) return;
    Lot lot(*this);
    champ = std::move(texte);
    lot.change();
}

void Form_infoCR::montrer_erreur(bool visible) {
    if (Label_erreur_visible_ == visible) return;
    Lot lot(*this);
    Label_erreur_visible_ = visible;
    lot.change();
}

void Form_infoCR::set_Edit_AD_Destinataire(std::string texte) {
    if (texte == Edit_AD_Destinataire_) return;
    Lot lot(*this);
    changer(Edit_AD_Destinataire_, std::move(texte));
    Edit_AD_DestinataireChange();
}

// A rejected address leaves the recipient as it was, so that a half-typed correction
// never replaces a good address.
void Form_infoCR::Edit_AD_DestinataireChange() {
    Lot lot(*this);
    if (email_valide(Edit_AD_Destinataire_)) {
        montrer_erreur(false);
        message_.a = {Edit_AD_Destinataire_};
    } else {
        montrer_erreur(true);
    }
}

void Form_infoCR::FormActivate() {
    const StationRecord& s = liens_.station;
    std::optional<Lot> lot(std::in_place, *this);
    liens_.minuterie.arreter();
    montrer_erreur(false);

    // A Cabrillo file that could not be written is not replaced by whatever an earlier
    // run left under its name: the message then goes without an attachment.
    const std::filesystem::path prevue =
        chemin(liens_.dossiers.CHEMIN_FILES) / chemin(nom_cabrillo(liens_.emplacement.NOM_FICHIER));
    bool cabrillo_ecrit = false;
    try {
        piece_prevue_ = Creation_cabrillo(liens_.grille, s, champs_cabrillo(liens_.info),
                                          liens_.dossiers, liens_.emplacement, liens_.cabrillo);
        cabrillo_ecrit = true;
    } catch (const Erreur& e) {
        piece_prevue_ = prevue;
        liens_.dialogues.message(e.what());
    }

    const FichierIni correcteurs(
        fichier_sans_casse(chemin(liens_.dossiers.CHEMIN_PROG), FICHIER_CORRECTEURS));
    std::string adresse = correcteurs.lire_texte("YL", "AD", "");

    message_ = MessageEmail{};
    message_.de = s.MY_EMAIL;
    changer(Panel_de_, message_.de);
    message_.repondre_a = s.MY_EMAIL;

    // The check runs even when the field already holds this address from the last
    // activation, so that the red label always tells the truth about it.
    if (adresse == Edit_AD_Destinataire_)
        Edit_AD_DestinataireChange();
    else
        set_Edit_AD_Destinataire(adresse);
    if (email_valide(adresse)) {
        message_.a = {adresse};
    } else {
        // The window shows the address and its red label behind the box.
        lot.reset();
        liens_.dialogues.message(
            cp1252("    L'adresse du destinataire (le correcteur) ne semble pas valide, corrigez"));
        lot.emplace(*this);
    }

    message_.cc = {s.MY_EMAIL};
    changer(Panel_CC_, s.MY_EMAIL);
    message_.date = liens_.horloge.maintenant();
    if (cabrillo_ecrit && fichier_present(*piece_prevue_)) message_.piece_jointe = piece_prevue_;
    changer(Panel_PJ_, std::string(8, ' ') + nom_stocke(piece_prevue_->filename()));
    message_.objet = "YL_KAZ_" + s.OPERATOR;

    std::vector<std::string> memo{" Fichier compte rendu du concours YL_KAZ     " +
                                      date_courte(liens_.horloge.locale()),
                                  "73 de " + s.OPERATOR};
    if (memo != Memo1_) {
        Memo1_ = std::move(memo);
        lot->change();
    }
    changer(Panel_objet_, message_.objet);
    message_.corps = Memo1_;
}

bool Form_infoCR::Button_envoiClick() {
    liens_.minuterie.arreter();
    if (sablier) sablier(true);
    ServeurSmtp serveur = reglages_envoi;
    serveur.hote = liens_.info.Edit_smtp();
    serveur.port = liens_.info.Edit_port();
    const ResultatEnvoi r = envoyer_email(serveur, message_);
    // The boxes below wait for the operator: the hourglass would only mislead there.
    if (sablier) sablier(false);
    if (r.ok) {
        liens_.dialogues.message(
            cp1252("         Vos fichiers compte rendus ont été envoyés au  correcteur"));
    } else {
        liens_.dialogues.message(r.erreur);
        liens_.dialogues.message(cp1252("         L'envoi n'a pas pu se faire           "));
    }
    liens_.minuterie.demarrer();
    liens_.dialogues.cacher(Fenetre::infoCR);
    return r.ok;
}

void Form_infoCR::BitBtn_annulerClick() {
    liens_.dialogues.cacher(Fenetre::infoCR);
}

// The desktop's opener runs on its own and reports nothing back, so a missing file is
// told here rather than left as a click that does nothing.
void Form_infoCR::Image1Click() {
    if (!piece_prevue_ || !liens_.ouvrir_document) return;
    if (!fichier_present(*piece_prevue_)) {
        liens_.dialogues.message(cp1252("Impossible d'ouvrir « ") + nom_stocke(*piece_prevue_) +
                                 cp1252(" » : ") + texte_erreur_systeme(ENOENT));
        return;
    }
    try {
        liens_.ouvrir_document(*piece_prevue_);
    } catch (const Erreur& e) {
        liens_.dialogues.message(e.what());
    }
}

std::string message_refus_compte_rendu() {
    return cp1252("Les données fournies (EMail, SMTP, Port) ne permettent pas d'envoyer votre "
                  "compte rendu\n\rUtilisez votre propre gestionaire d'emails");
}

bool SpeedButton_mailClick(const StationRecord& station, Dialogues& dialogues,
                           Minuterie& minuterie) {
    minuterie.arreter();
    if (email_valide(station.MY_EMAIL) && !station.MY_SMTP.empty() && !station.MY_PORT.empty()) {
        dialogues.montrer(Fenetre::infoCR);
        return true;
    }
    dialogues.message(message_refus_compte_rendu());
    minuterie.demarrer();
    return false;
}

} // namespace ylkaz

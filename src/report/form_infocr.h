#pragma once
// The report e-mail form's logic, without any window: it rewrites the Cabrillo file,
// prepares the message to the checker, lets the operator correct the checker's address
// and sends the message over SMTP.
#include "app/etat.h"
#include "app/fenetre.h"
#include "export/cabrillo.h"
#include "log/grille_log.h"
#include "platform/cp1252.h"
#include "platform/interfaces.h"
#include "platform/smtp.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ylkaz {

class Form_info;

// What the report form works with, owned elsewhere.
struct LiensInfoCR {
    const Grille_log& grille;
    const StationRecord& station;
    const Dossiers& dossiers;
    const EmplacementLog& emplacement;
    // The Cabrillo header's fields, and the server and port at the moment of sending.
    const Form_info& info;
    EtatCabrillo& cabrillo;
    Dialogues& dialogues;
    Minuterie& minuterie;
    const Horloge& horloge;
    // Opens a document in the desktop's program for its kind (Ouvreur); throws Erreur
    // when that cannot start. Left empty, nothing is opened.
    std::function<void(const std::filesystem::path&)> ouvrir_document;
};

// The captions that the language's section INFO_CR replaces; these are the built-in ones.
struct TextesInfoCR {
    std::string Label_titre_CR = "ENVOI DU COMPTE RENDU";
    std::string Panel1 = "De";
    std::string Panel2 = "A";
    std::string Panel3 = "CC";
    std::string Panel4 = cp1252("Pièce jointe");
    std::string Panel5 = "Objet";
    std::string Label1 = "Message";
    std::string Label_erreur = "Erreur email, corrigez";
    std::string Button_envoi = "Envoi de l'email";

    bool operator==(const TextesInfoCR&) const = default;
};

class Form_infoCR : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};
    static constexpr const char* FICHIER_CORRECTEURS = "Correcteurs_KAZ_CONCOURS.ini";
    // What the value panels show before the first activation.
    static constexpr const char* PANNEAU_VIDE = "--";
    // The text a language file gives a key of INFO_CR that it lacks.
    static constexpr const char* TEXTE_ABSENT = "???";
    // The keys of section INFO_CR and the captions they replace.
    static constexpr std::array<std::pair<const char*, std::string TextesInfoCR::*>, 9> CLES_LANGUE{
        {
            {"Titre_CR", &TextesInfoCR::Label_titre_CR},
            {"Panel1", &TextesInfoCR::Panel1},
            {"Panel2", &TextesInfoCR::Panel2},
            {"Panel3", &TextesInfoCR::Panel3},
            {"Panel4", &TextesInfoCR::Panel4},
            {"Panel5", &TextesInfoCR::Panel5},
            {"Label1", &TextesInfoCR::Label1},
            {"Label_erreur", &TextesInfoCR::Label_erreur},
            {"Button_envoi", &TextesInfoCR::Button_envoi},
        }};

    explicit Form_infoCR(LiensInfoCR liens);

    const TextesInfoCR& textes() const { return textes_; }
    void set_textes(TextesInfoCR t);

    const std::string& Panel_de() const { return Panel_de_; }
    // Setting the text runs Edit_AD_DestinataireChange, as typing would; setting the text
    // it already holds runs nothing.
    const std::string& Edit_AD_Destinataire() const { return Edit_AD_Destinataire_; }
    void set_Edit_AD_Destinataire(std::string texte);
    bool Label_erreur_visible() const { return Label_erreur_visible_; }
    const std::string& Panel_CC() const { return Panel_CC_; }
    const std::string& Panel_objet() const { return Panel_objet_; }
    const std::string& Panel_PJ() const { return Panel_PJ_; }
    const std::vector<std::string>& Memo1() const { return Memo1_; }

    // The message as it would be sent now.
    const MessageEmail& message() const { return message_; }
    // The Cabrillo file of the last activation, whether it exists or not.
    const std::optional<std::filesystem::path>& piece_prevue() const { return piece_prevue_; }

    // The time-outs and the TLS settings of every sending; the server and the port come
    // from the station form when the message is sent.
    ServeurSmtp reglages_envoi;
    // Shows or hides the hourglass cursor; set by the window on screen.
    std::function<void(bool)> sablier;

    // Each time the form becomes the active window, not after one of its own boxes: the
    // Cabrillo file rewritten and a fresh message built from the log and the station.
    void FormActivate();
    void Edit_AD_DestinataireChange();
    // Sends the message, reports the outcome and closes the form; true when the server
    // accepted the message.
    bool Button_envoiClick();
    void BitBtn_annulerClick();
    // Opens the attachment in the desktop's program for text files.
    void Image1Click();

  private:
    void changer(std::string& champ, std::string texte);
    void montrer_erreur(bool visible);

    LiensInfoCR liens_;
    TextesInfoCR textes_;
    std::string Panel_de_ = PANNEAU_VIDE, Edit_AD_Destinataire_, Panel_CC_ = PANNEAU_VIDE,
                Panel_objet_ = PANNEAU_VIDE, Panel_PJ_ = PANNEAU_VIDE;
    bool Label_erreur_visible_ = false;
    std::vector<std::string> Memo1_;
    MessageEmail message_;
    std::optional<std::filesystem::path> piece_prevue_;
};

// The main window's report command: the report form is shown only when the operator's
// address is well formed and a server and a port are given; otherwise the refusal.
// The tick stays stopped while the form is in front.
// True when the form was shown.
bool SpeedButton_mailClick(const StationRecord& station, Dialogues& dialogues,
                           Minuterie& minuterie);

// The report command's refusal.
std::string message_refus_compte_rendu();

} // namespace ylkaz

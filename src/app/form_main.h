#pragma once
// The main window's logic, without any window: its caption, its activation, the tool bar
// and menu commands and the status line.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/fenetre.h"
#include "log/grille_log.h"
#include "log/stockage_log.h"
#include "platform/cp1252.h"
#include "platform/interfaces.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ylkaz {

class Form_info;

// What the main window works with, owned elsewhere; a link left empty is skipped.
struct LiensMain {
    StationRecord& station;
    const Dossiers& dossiers;
    Catalogue& catalogue;
    Grille_band& bandes;
    Form_info& info;
    StockageLog& stockage;
    Dialogues& dialogues;
    Minuterie& minuterie;
    // Writes the settings file; throws Erreur with the operator's text when it fails.
    std::function<void()> Sauve_ini;
    // Evaluates every row and shows the score.
    std::function<void()> Calcul_score;
    // Decalage_UTC and the date formats, once at creation.
    std::function<void()> preparer_heure;
    // Asks the system to open a document with its default program.
    std::function<void(const std::filesystem::path&)> ouvrir_document;
    // Ends the program.
    std::function<void()> terminer;
    // The commands that other parts of the program supply.
    std::function<void()> Charge_langue;
    std::function<void()> creation_fichiers;
    std::function<void()> compte_rendu;
};

// The texts a language replaces: menu captions, tool-button hints, the entry bar's labels
// and the log table's hint. These are the built-in ones.
struct TextesMain {
    std::string Langues1 = "Langues";
    std::string Franais1 = cp1252("Français");
    std::string Anglais1 = "Anglais";
    std::string Espagnol = "Espagnol";
    std::string Italien1 = "Italien";
    std::string Allemand = "Allemand";
    std::string Fichers1 = "Fichiers";
    std::string Ouvrir1 = "Ouvrir";
    std::string Accesficheinfos1 = "Acces fiche infos";
    std::string Logs1 = "Logs";
    std::string Creation1 = "Creation Cabrillo";

    std::string SpeedButton_retour_info_hint;
    std::string SpeedButton_ouvrir_hint;
    std::string SpeedButton_temps_differe_hint;
    std::string SpeedButton_temps_reel_hint;
    std::string SpeedButton_calculatrice_hint = "Recalcul complet";
    std::string SpeedButton_creation_fichiers_hint = cp1252("Création du fichier CR CABRILLO");
    std::string SpeedButton_mail_hint = "Envoi du compte rendu au correcteur";
    std::string SpeedButton_help_hint;

    std::string Label_date = "DATE";
    std::string Label_bande = "Bande";
    std::string Grille_log_hint = cp1252("ESPACE pour passer d'un champ à l'autre");

    bool operator==(const TextesMain&) const = default;
};

class Form_main : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{510, 240, 950, 600};
    static constexpr int TAILLE_POLICE = ylkaz::Grille_log::TAILLE_POLICE_DEFAUT;
    static constexpr int HAUTEUR_LIGNE = ylkaz::Grille_log::HAUTEUR_LIGNE_DEFAUT;
    enum class Couleur { noir, rouge, bleu };

    Form_main(ylkaz::Grille_log& grille, LiensMain liens);

    // The log table the window shows; the settings keep its column widths.
    ylkaz::Grille_log& Grille_log;

    const std::string& Caption() const { return Caption_; }
    const std::string& Label_nomfichier() const { return Label_nomfichier_; }
    void set_Label_nomfichier(std::string texte);
    const std::string& Label_his_continent() const { return Label_his_continent_; }
    void set_Label_his_continent(std::string texte);
    const std::string& Label_score() const { return Label_score_; }
    void set_Label_score(std::string texte);
    const std::string& Label_OMYL() const { return Label_OMYL_; }
    Couleur Label_OMYL_couleur() const { return Label_OMYL_couleur_; }

    const TextesMain& textes() const { return textes_; }
    void set_textes(TextesMain t);

    // Gives the log table the focus, column 3 of the current row, with its editor open.
    // Set by the window on screen.
    std::function<void()> ouvrir_editeur;

    // Stops the tick, prepares the clock and selects 40 m; the window stays hidden.
    void FormCreate();
    // Each time the window becomes the active window of the program, not after one of
    // its own message boxes: caption, the log reloaded, YL/OM, tick, editor.
    void FormActivate();
    // By the quit button or the close box: the program ends.
    void FormClose();

    // Back to the station form: hiding this window, or through a new empty log.
    void SpeedButton1Click();
    void SpeedButton_retour_infoClick();
    void Acces_fiche_infosClick();
    void SpeedButton_ouvrirClick();
    void SpeedButton_calculatriceClick();
    void SpeedButton_creation_fichiersClick();
    void SpeedButton_mailClick();
    void SpeedButton_helpClick();
    void SpeedButton_taille_plusClick();
    void SpeedButton_Taille_moinsClick();
    // Saves the settings, closes the log file, writes the "_Mem" copy and closes the
    // window. A settings file that cannot be written stops it there.
    void BitBtn_quitClick();
    // Language n (1 to 5) of the menu.
    void LangueClick(int n);

  private:
    template <class F, class... A> static void appeler(const F& f, A&&... a) {
        if (f) f(std::forward<A>(a)...);
    }
    void changer(std::string& champ, std::string texte);

    LiensMain liens_;
    std::string Caption_ = "YL_KAZ";
    std::string Label_nomfichier_, Label_his_continent_, Label_score_ = "Score = ", Label_OMYL_;
    Couleur Label_OMYL_couleur_ = Couleur::noir;
    TextesMain textes_;
};

} // namespace ylkaz

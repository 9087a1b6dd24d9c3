#pragma once
// The log-file naming form: proposes the log's name, lets the operator pick an existing
// log, creates the file when it is new and hands over to the main window. Its fields
// and handlers, without any window.
#include "app/etat.h"
#include "app/fenetre.h"
#include "log/grille_log.h"
#include "log/stockage_log.h"
#include "platform/interfaces.h"

#include <functional>
#include <string>

namespace ylkaz {

// What the naming form works with, owned elsewhere.
struct LiensChoix {
    EmplacementLog& emplacement;
    const StationRecord& station;
    const Dossiers& dossiers;
    Grille_log& grille;
    Grille_band& bandes;
    StockageLog& stockage;
    Dialogues& dialogues;
    const Horloge& horloge;
    // The main window's Label_nomfichier.
    std::function<void(const std::string&)> Label_nomfichier;
    // Switches the main window to real-time mode.
    std::function<void()> temps_reel;
};

// The caption and texts a language replaces; these are the built-in ones.
struct TextesChoix {
    std::string Caption = "Nom et emplacement du fichier concours";
    std::string Label_nom_fichier = "Proposition de nom de fichier";
    std::string Button_nom_fichier = "Fichier";
    std::string Button_emplacement = "Emplacement";

    bool operator==(const TextesChoix&) const = default;
};

class Form_choix_fichier : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};
    static constexpr const char* FILTRE = "Fichier YL|*.YL";

    explicit Form_choix_fichier(LiensChoix liens);

    const TextesChoix& textes() const { return textes_; }
    void set_textes(TextesChoix t);

    const std::string& Edit_chemin() const { return Edit_chemin_; }
    void set_Edit_chemin(std::string texte);
    const std::string& Edit_nom_fichier() const { return Edit_nom_fichier_; }
    void set_Edit_nom_fichier(std::string texte);

    // The proposed name when there is none, the name box, and the log folder back to
    // the program's "Files".
    void FormActivate();
    // Picks an existing log file.
    void Button_nom_fichierClick();
    // Picks the log folder (the button is not shown).
    void Button_emplacementClick();
    // Accepts: creates the log file when it does not exist, then shows the main window.
    // False when the file could not be created (the form stays).
    bool BitBtn_fichier_closeClick();

  private:
    void changer(std::string& champ, std::string texte);
    bool Creer_log(const std::filesystem::path& p);

    LiensChoix liens_;
    std::string Edit_chemin_, Edit_nom_fichier_;
    TextesChoix textes_;
};

} // namespace ylkaz

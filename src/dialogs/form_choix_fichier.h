#pragma once
// The log-file naming form's fields, without any window.
#include "app/fenetre.h"

#include <string>

namespace ylkaz {

class Form_choix_fichier : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};

    Form_choix_fichier();

    const std::string& Edit_chemin() const { return Edit_chemin_; }
    void set_Edit_chemin(std::string texte);
    const std::string& Edit_nom_fichier() const { return Edit_nom_fichier_; }
    void set_Edit_nom_fichier(std::string texte);

  private:
    void changer(std::string& champ, std::string texte);

    std::string Edit_chemin_, Edit_nom_fichier_;
};

} // namespace ylkaz

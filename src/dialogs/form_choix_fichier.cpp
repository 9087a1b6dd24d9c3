#include "dialogs/form_choix_fichier.h"

namespace ylkaz {

Form_choix_fichier::Form_choix_fichier() : FenetreLogique(GEOMETRIE_DEFAUT) {}

void Form_choix_fichier::changer(std::string& champ, std::string texte) {
    if (champ == texte) return;
    Lot lot(*this);
    champ = std::move(texte);
    lot.change();
}

void Form_choix_fichier::set_Edit_chemin(std::string t) {
    changer(Edit_chemin_, std::move(t));
}
void Form_choix_fichier::set_Edit_nom_fichier(std::string t) {
    changer(Edit_nom_fichier_, std::move(t));
}

} // namespace ylkaz

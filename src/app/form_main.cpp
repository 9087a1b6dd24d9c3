#include "app/form_main.h"

namespace ylkaz {

Form_main::Form_main(ylkaz::Grille_log& grille) : FenetreLogique(GEOMETRIE_DEFAUT), Grille_log(grille) {}

} // namespace ylkaz

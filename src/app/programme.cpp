#include "app/programme.h"

namespace ylkaz {

Programme::Programme(const std::filesystem::path& dossier_programme)
    : dossiers(Dossiers::depuis(dossier_programme)) {
    dossiers.creer_sous_dossiers();
    bandes.initialiser();
    Charge_ini(reglages());
    grille.renumeroter();
}

Reglages Programme::reglages() {
    return Reglages{station,   dossiers,           emplacement, catalogue.LNG, Form_main,
                    Form_info, Form_choix_fichier, Form_infoCR, grille,        {}};
}

} // namespace ylkaz

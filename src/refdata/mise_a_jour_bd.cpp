#include "refdata/mise_a_jour_bd.h"

#include "platform/cp1252.h"

namespace ylkaz {

ResultatMiseAJour MiseAJourAbsente::Mettre_a_jour() {
    return {std::nullopt,
            cp1252("Mise à jour des bases non disponible : aucun fichier téléchargé")};
}

} // namespace ylkaz

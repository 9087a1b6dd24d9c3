#include "refdata/mise_a_jour_bd.h"

#include "platform/cp1252.h"

namespace ylkaz {

ResultatMiseAJour MiseAJourAbsente::Mettre_a_jour(const Dossiers&, const Catalogue&) {
    const std::string texte =
        cp1252("Mise à jour des bases non disponible : aucun fichier téléchargé");
    return {std::nullopt, texte, texte};
}

} // namespace ylkaz

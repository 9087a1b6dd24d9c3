#include "app/creation_fichiers.h"

#include "export/adif.h"
#include "platform/erreur.h"

namespace ylkaz {
namespace {

// A message box is modal but the tick would still run inside it.
void montrer(Dialogues& dialogues, Minuterie& minuterie, const std::string& texte) {
    const bool actif = minuterie.actif();
    minuterie.arreter();
    dialogues.message(texte);
    if (actif) minuterie.demarrer();
}

} // namespace

bool Creation_fichiers(const SourcesExport& s, EtatCabrillo& etat, const Catalogue& catalogue,
                       Dialogues& dialogues, Minuterie& minuterie) {
    try {
        Creation_cabrillo(s.grille, s.station, s.champs, s.dossiers, s.emplacement, etat);
        Creation_adif(s.grille, s.station, s.emplacement, s.reference);
    } catch (const Erreur& e) {
        montrer(dialogues, minuterie, e.what());
        return false;
    }
    montrer(dialogues, minuterie, "CABRILLO (*.CBR) + ADIF (*.ADI) " + catalogue.Msg_fichier_sauve);
    return true;
}

} // namespace ylkaz

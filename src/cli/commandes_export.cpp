#include "cli/commandes_export.h"

#include "app/champs_cabrillo.h"
#include "app/programme.h"
#include "cli/chargement_log.h"
#include "export/adif.h"
#include "export/cabrillo.h"
#include "export/texte_export.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <optional>
#include <ostream>

namespace ylkaz {

int commande_export(FichierExport quoi, const std::filesystem::path& dossier,
                    const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        err << "usage : ylkaz [--prog DOSSIER] "
            << (quoi == FichierExport::cabrillo ? "cabrillo" : "adif") << " [FICHIER.YL]\n";
        return 2;
    }
    // The station as the station form's OK stores it from the settings.
    std::optional<ProgrammeSansFenetre> sans_fenetre;
    try {
        sans_fenetre.emplace(dossier);
    } catch (const Erreur& e) {
        err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    Programme& prog = sans_fenetre->programme();
    if (!args.empty()) {
        const auto p = std::filesystem::absolute(chemin(utf8_vers_cp1252(args[0])));
        prog.emplacement.CHEMIN_FICHIER = nom_stocke(p.parent_path());
        prog.emplacement.NOM_FICHIER = nom_stocke(p.filename());
    } else if (prog.emplacement.NOM_FICHIER.empty()) {
        err << "ylkaz: les réglages ne nomment aucun fichier log\n";
        return 1;
    }
    // The mail settings that OK also checks are not read by the export.
    if (prog.station.OPERATOR.empty()) {
        err << "ylkaz: "
            << cp1252_vers_utf8(exporte::sans_blancs(prog.catalogue.MSg_info_manquante))
            << " (indicatif de l'opérateur)\n";
        return 1;
    }
    if (!charger_log_outil(prog.grille, prog.bandes, prog.station, prog.emplacement, prog.dossiers,
                           err))
        return 1;
    try {
        std::filesystem::path p;
        if (quoi == FichierExport::cabrillo) {
            EtatCabrillo etat;
            p = Creation_cabrillo(prog.grille, prog.station, champs_cabrillo(prog.Form_info),
                                  prog.dossiers, prog.emplacement, etat);
        } else {
            p = Creation_adif(prog.grille, prog.station, prog.emplacement, prog.reference);
        }
        out << p.string() << "\n";
    } catch (const Erreur& e) {
        err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace ylkaz

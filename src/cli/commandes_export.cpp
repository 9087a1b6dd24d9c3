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

#include <ostream>

namespace ylkaz {
namespace {

// What the station form's OK stores into the station record, before its check of the
// mail settings (which the export does not read). False, with nothing stored, when the
// operator callsign is empty: the form would not let the operator past it.
bool stocker_station(const Form_info& f, StationRecord& s) {
    const std::string op(exporte::sans_blancs(f.Edit_op()));
    if (op.empty()) return false;
    s.OPERATOR = op;
    s.MY_NAME = f.Edit_nom();
    s.MY_SEXE = f.RadioButton1() ? "YL" : "OM";
    s.MY_CITY = f.Edit_ad3();
    s.MY_STREET = f.Edit_AD1() + ", " + f.Edit_ad2();
    s.MY_NRKAZ = f.Edit_NKAZ();
    s.MY_STATION = exporte::sans_blancs(f.Edit_station());
    s.MY_CATEGORY = f.ComboBox_Category();
    if (s.MY_STATION.empty()) s.MY_STATION = s.OPERATOR;
    s.MY_EMAIL = exporte::sans_blancs(f.Edit_email());
    s.MY_SMTP = f.Edit_smtp();
    s.MY_PORT = f.Edit_port();
    return true;
}

} // namespace

int commande_export(FichierExport quoi, const std::filesystem::path& dossier,
                    const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        err << "usage : ylkaz [--prog DOSSIER] "
            << (quoi == FichierExport::cabrillo ? "cabrillo" : "adif") << " [FICHIER.YL]\n";
        return 2;
    }
    Programme prog(dossier);
    if (!args.empty()) {
        const auto p = std::filesystem::absolute(chemin(utf8_vers_cp1252(args[0])));
        prog.emplacement.CHEMIN_FICHIER = nom_stocke(p.parent_path());
        prog.emplacement.NOM_FICHIER = nom_stocke(p.filename());
    } else if (prog.emplacement.NOM_FICHIER.empty()) {
        err << "ylkaz: les réglages ne nomment aucun fichier log\n";
        return 1;
    }
    if (!stocker_station(prog.Form_info, prog.station)) {
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
            // As at the start of the program, the prefix list follows the country file.
            prog.reference.Conversion_cty();
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

#include "cli/commande_envoi.h"

#include "app/programme.h"
#include "cli/chargement_log.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <optional>
#include <ostream>

namespace ylkaz {
namespace {

// A box's text on the terminal: each line break ("\r\n", "\n\r", a lone "\r" or "\n")
// one new line.
std::string lignes_terminal(const std::string& t) {
    std::string s;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c != '\r' && c != '\n') {
            s += c;
            continue;
        }
        if (i + 1 < t.size() && (t[i + 1] == '\r' || t[i + 1] == '\n') && t[i + 1] != c) ++i;
        s += '\n';
    }
    return cp1252_vers_utf8(s);
}

} // namespace

int commande_envoi(const std::filesystem::path& dossier, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        err << "usage : ylkaz [--prog DOSSIER] envoi [FICHIER.YL]\n";
        return 2;
    }
    std::optional<ProgrammeSansFenetre> sans_fenetre;
    try {
        sans_fenetre.emplace(dossier);
    } catch (const Erreur& e) {
        err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    // The station form would not let the operator past its OK.
    if (const auto& refus = sans_fenetre->refus()) {
        err << "ylkaz: " << lignes_terminal(*refus) << "\n";
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
    if (!charger_log_outil(prog.grille, prog.bandes, prog.station, prog.emplacement, prog.dossiers,
                           err))
        return 1;

    const std::size_t deja_vus = sans_fenetre->messages().size();
    bool accepte = false;
    if (SpeedButton_mailClick(prog.station, prog.plateforme.dialogues, prog.plateforme.minuterie)) {
        prog.Form_infoCR.FormActivate();
        accepte = prog.Form_infoCR.Button_envoiClick();
    }
    const auto& messages = sans_fenetre->messages();
    for (std::size_t i = deja_vus; i < messages.size(); ++i)
        out << lignes_terminal(messages[i]) << "\n";
    return accepte ? 0 : 1;
}

} // namespace ylkaz

#include "cli/commandes.h"

#include "app/etat.h"
#include "app/version.h"
#include "log/grille_log.h"
#include "platform/cp1252.h"
#include "platform/dossier_programme.h"
#include "platform/fichiers.h"

#include <map>
#include <ostream>

namespace ylkaz {
namespace {

struct Contexte {
    std::filesystem::path dossier;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

// Prints rows 1 to the last, the 15 cells separated by TAB, in UTF-8.
void imprimer_grille(const Grille_log& g, std::ostream& out) {
    for (int r = 1; r < g.RowCount(); ++r) {
        for (int c = 0; c < Grille_log::COLONNES; ++c) {
            if (c) out << '\t';
            out << cp1252_vers_utf8(g.cellule(c, r));
        }
        out << '\n';
    }
}

// Records 1 to the last whole one become rows 1 to N; the entry row follows.
bool charger_simple(const std::filesystem::path& p, Grille_log& g, std::ostream& err) {
    const auto contenu = lire_fichier(p);
    if (!contenu) {
        err << "ylkaz: impossible de lire " << p.string() << "\n";
        return false;
    }
    const std::size_t n = contenu->size() / TEnreg_QSO::TAILLE;
    g.Vider_grille();
    g.set_RowCount(static_cast<int>(n) + 1);
    for (std::size_t r = 1; r < n; ++r) {
        const auto* o =
            reinterpret_cast<const std::uint8_t*>(contenu->data()) + r * TEnreg_QSO::TAILLE;
        g.enreg_vers_ligne(TEnreg_QSO::depuis_octets(o), static_cast<int>(r));
    }
    g.renumeroter();
    return true;
}

int cmd_version(Contexte& c) {
    c.out << Version_exe() << "\n";
    return 0;
}

int cmd_liste(Contexte& c) {
    if (c.args.size() != 1) {
        c.err << "usage : ylkaz [--prog DOSSIER] liste FICHIER.YL\n";
        return 2;
    }
    Grille_log g;
    if (!charger_simple(chemin(utf8_vers_cp1252(c.args[0])), g, c.err)) return 1;
    imprimer_grille(g, c.out);
    return 0;
}

void usage(std::ostream& err) {
    err << "usage : ylkaz [--prog DOSSIER] COMMANDE [ARGUMENTS]\n"
           "commandes : version, liste FICHIER.YL\n";
}

} // namespace

int executer_commande(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::size_t i = 0;
    std::filesystem::path dossier;
    if (i < args.size() && args[i] == "--prog") {
        if (i + 1 >= args.size()) {
            usage(err);
            return 2;
        }
        dossier = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) {
        usage(err);
        return 2;
    }
    const std::string nom = args[i];
    Contexte c{dossier.empty() ? dossier_programme() : dossier,
               std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()), out,
               err};
    static const std::map<std::string, int (*)(Contexte&)> commandes = {
        {"version", cmd_version},
        {"liste", cmd_liste},
    };
    const auto it = commandes.find(nom);
    if (it == commandes.end()) {
        err << "ylkaz: commande inconnue : " << nom << "\n";
        usage(err);
        return 2;
    }
    return it->second(c);
}

} // namespace ylkaz

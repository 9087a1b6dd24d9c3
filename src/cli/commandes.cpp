#include "cli/commandes.h"

#include "app/etat.h"
#include "app/programme.h"
#include "app/version.h"
#include "cli/chargement_log.h"
#include "cli/commande_envoi.h"
#include "cli/commandes_export.h"
#include "log/grille_log.h"
#include "log/score.h"
#include "platform/connexion.h"
#include "platform/cp1252.h"
#include "platform/dossier_programme.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "refdata/mise_a_jour_web.h"
#include "refdata/reference.h"

#include <initializer_list>
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

int cmd_version(Contexte& c) {
    c.out << Version_exe() << "\n";
    return 0;
}

// The log with its computed columns, as the main window shows it, for the station the
// settings give through the station form. A refused form still gives its record, whose
// sex is what the form's OK makes of the settings ("YL", otherwise "OM").
bool charger_et_calculer(Contexte& c, const char* commande, Grille_log& g, EtatScore& score) {
    if (c.args.size() != 1) {
        c.err << "usage : ylkaz [--prog DOSSIER] " << commande << " FICHIER.YL\n";
        return false;
    }
    try {
        ProgrammeSansFenetre p(c.dossier);
        StationRecord station = p.station();
        station.MY_SEXE = station.MY_SEXE == "YL" ? "YL" : "OM";
        // Loaded as the logger loads it, so that the table ends with its entry row.
        const auto f = std::filesystem::absolute(chemin(utf8_vers_cp1252(c.args[0])));
        EmplacementLog emplacement{nom_stocke(f.parent_path()), nom_stocke(f.filename())};
        Grille_band bandes(g);
        bandes.initialiser();
        if (!charger_log_outil(g, bandes, station, emplacement, p.programme().dossiers, c.err))
            return false;
        Calcul_score(g, station, p.programme().reference, score);
    } catch (const Erreur& e) {
        c.err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return false;
    }
    return true;
}

int cmd_liste(Contexte& c) {
    Grille_log g;
    EtatScore score;
    if (!charger_et_calculer(c, "liste", g, score)) return c.args.size() != 1 ? 2 : 1;
    imprimer_grille(g, c.out);
    return 0;
}

int cmd_score(Contexte& c) {
    Grille_log g;
    EtatScore score;
    if (!charger_et_calculer(c, "score", g, score)) return c.args.size() != 1 ? 2 : 1;
    c.out << score.Label_score << "\n";
    return 0;
}

// One line of TAB-separated fields, in UTF-8.
void imprimer_champs(std::ostream& out, std::initializer_list<std::string_view> champs) {
    bool premier = true;
    for (const auto champ : champs) {
        if (!premier) out << '\t';
        premier = false;
        out << cp1252_vers_utf8(champ);
    }
    out << '\n';
}

// Calls as the log table holds them: every typed character is upper-cased.
std::string indicatif_saisi(const std::string& argument) {
    std::string s = utf8_vers_cp1252(argument);
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return s;
}

bool sans_indicatif(Contexte& c, const char* commande) {
    if (!c.args.empty()) return false;
    c.err << "usage : ylkaz [--prog DOSSIER] " << commande << " INDICATIF...\n";
    return true;
}

int cmd_pays(Contexte& c) {
    if (sans_indicatif(c, "pays")) return 2;
    const Dossiers dossiers = Dossiers::depuis(c.dossier);
    Reference ref(dossiers);
    try {
        ref.Conversion_cty();
        for (const auto& a : c.args) {
            const auto& p = ref.Recherche_pays(indicatif_saisi(a));
            imprimer_champs(c.out, {utf8_vers_cp1252(a), p.pays_prefixe, p.pays_nom, p.pays_dxcc,
                                    p.pays_continent, p.pays_adif});
        }
    } catch (const Erreur& e) {
        c.err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}

int cmd_membre(Contexte& c) {
    if (sans_indicatif(c, "membre")) return 2;
    const Dossiers dossiers = Dossiers::depuis(c.dossier);
    Reference ref(dossiers);
    try {
        for (const auto& a : c.args) {
            const auto& m = ref.Recherche_membre(indicatif_saisi(a));
            imprimer_champs(c.out, {utf8_vers_cp1252(a), m.membre_indicatif, m.membre_numero,
                                    m.membre_nom, m.sexe});
        }
    } catch (const Erreur& e) {
        c.err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}

int cmd_base(Contexte& c) {
    if (sans_indicatif(c, "base")) return 2;
    for (const auto& a : c.args)
        imprimer_champs(c.out, {utf8_vers_cp1252(a), Indicatif_base(indicatif_saisi(a))});
    return 0;
}

int cmd_cabrillo(Contexte& c) {
    return commande_export(FichierExport::cabrillo, c.dossier, c.args, c.out, c.err);
}

int cmd_adif(Contexte& c) {
    return commande_export(FichierExport::adif, c.dossier, c.args, c.out, c.err);
}

// The station record the other commands work with, one field a line: name, TAB, value.
int cmd_station(Contexte& c) {
    if (!c.args.empty()) {
        c.err << "usage : ylkaz [--prog DOSSIER] station\n";
        return 2;
    }
    try {
        const ProgrammeSansFenetre p(c.dossier);
        if (p.refus()) {
            c.err << "ylkaz: " << cp1252_vers_utf8(*p.refus()) << "\n";
            return 1;
        }
        const StationRecord& s = p.station();
        for (const auto& [nom, valeur] :
             {std::pair<const char*, const std::string&>{"OPERATOR", s.OPERATOR},
              {"MY_NAME", s.MY_NAME},
              {"MY_STATION", s.MY_STATION},
              {"MY_NRKAZ", s.MY_NRKAZ},
              {"MY_DXCC", s.MY_DXCC},
              {"MY_SEXE", s.MY_SEXE},
              {"MY_CATEGORY", s.MY_CATEGORY},
              {"MY_LOCATOR", s.MY_LOCATOR},
              {"MY_STREET", s.MY_STREET},
              {"MY_CITY", s.MY_CITY},
              {"MY_EMAIL", s.MY_EMAIL},
              {"MY_SMTP", s.MY_SMTP},
              {"MY_PORT", s.MY_PORT}})
            imprimer_champs(c.out, {nom, valeur});
    } catch (const Erreur& e) {
        c.err << "ylkaz: " << cp1252_vers_utf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}

// The database update as the station form runs it at start, before any language is
// applied: the two labels on standard output, the outcome on the error output.
int cmd_maj(Contexte& c) {
    if (!c.args.empty()) {
        c.err << "usage : ylkaz [--prog DOSSIER] maj\n";
        return 2;
    }
    const Dossiers dossiers = Dossiers::depuis(c.dossier);
    dossiers.creer_sous_dossiers();
    const Catalogue catalogue;
    const ConnexionSysteme connexion;
    const auto b = MiseAJourWeb(connexion).Executer(dossiers, catalogue);
    c.out << cp1252_vers_utf8(b.Label_Date_BD.value_or("Date BD")) << "\n"
          << cp1252_vers_utf8(b.Label_info_Internet) << "\n";
    c.err << cp1252_vers_utf8(b.compte_rendu) << "\n";
    return b.membres && b.yl ? 0 : 1;
}

int cmd_envoi(Contexte& c) {
    return commande_envoi(c.dossier, c.args, c.out, c.err);
}

void usage(std::ostream& err) {
    err << "usage : ylkaz [--prog DOSSIER] COMMANDE [ARGUMENTS]\n"
           "commandes : version, liste FICHIER.YL, score FICHIER.YL\n"
           "            pays INDICATIF..., membre INDICATIF..., base INDICATIF...\n"
           "            cabrillo [FICHIER.YL], adif [FICHIER.YL]\n"
           "            station, envoi [FICHIER.YL]\n"
           "            maj\n";
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
        {"score", cmd_score},
        // One line per call given.
        {"pays", cmd_pays},
        {"membre", cmd_membre},
        {"base", cmd_base},
        // The path of the file written.
        {"cabrillo", cmd_cabrillo},
        {"adif", cmd_adif},
        {"station", cmd_station},
        // Exit status 0 only when both member files were fetched.
        {"maj", cmd_maj},
        // Every box shown, the outcome last; 0 only when the server took the message.
        {"envoi", cmd_envoi},
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

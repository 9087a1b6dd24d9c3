#include "log/stockage_log.h"

#include "log/dates.h"
#include "log/pause_minuterie.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace ylkaz {
namespace {

constexpr std::size_t T = TEnreg_QSO::TAILLE;

template <class F, class... A> void appeler(const F& f, A&&... a) {
    if (f) f(std::forward<A>(a)...);
}

std::int64_t secondes(const DateHeure& d) {
    return static_cast<std::int64_t>(jours_depuis_1899(d.annee, d.mois, d.jour)) * 86400 +
           d.heure * 3600 + d.minute * 60 + d.seconde;
}

// The stored folder name without the separators at its end.
std::string sans_separateur_final(std::string d) {
    while (d.size() > 1 && (d.back() == '/' || d.back() == '\\'))
        d.pop_back();
    return d;
}

} // namespace

std::string nom_bak(std::string_view nom) {
    const auto point = nom.find_last_of('.');
    const auto sep = nom.find_last_of("/\\");
    if (point == std::string_view::npos || (sep != std::string_view::npos && sep > point))
        return std::string(nom) + ".BAK";
    return std::string(nom.substr(0, point)) + ".BAK";
}

StockageLog::StockageLog(EtatLog& etat, Grille_log& grille, Grille_band& bandes,
                         const StationRecord& station, EmplacementLog& emplacement,
                         const Dossiers& dossiers, Dialogues& dialogues, Minuterie& minuterie,
                         const Horloge& horloge, const Lecteurs& lecteurs, LiensLog liens)
    : etat_(etat), grille_(grille), bandes_(bandes), station_(station), emplacement_(emplacement),
      dossiers_(dossiers), dialogues_(dialogues), minuterie_(minuterie), horloge_(horloge),
      lecteurs_(lecteurs), liens_(std::move(liens)) {}

std::filesystem::path StockageLog::chemin_log() const {
    return fichier_sans_casse(chemin(emplacement_.CHEMIN_FICHIER), emplacement_.NOM_FICHIER);
}

void StockageLog::signaler(const std::string& texte) {
    PauseMinuterie pause(minuterie_, false);
    dialogues_.message(texte);
}

TEnreg_QSO StockageLog::Entete(bool avec_dxcc) const {
    const DateHeure l = horloge_.locale();
    TEnreg_QSO e;
    e.operateur = station_.OPERATOR;
    e.station = station_.MY_STATION;
    e.date = static_cast<double>(jours_depuis_1899(l.annee, l.mois, l.jour));
    e.heure = (l.heure * 3600.0 + l.minute * 60.0 + l.seconde) / 86400.0;
    e.numero_membre = station_.MY_NRKAZ;
    e.categorie = station_.MY_SEXE;
    if (avec_dxcc) e.prefixe_pays = station_.MY_DXCC;
    return e;
}

namespace {

bool ligne_a_enregistrer(const Grille_log& g, int r) {
    return !g.cellule(colonne::date, r).empty() && !g.cellule(colonne::heure, r).empty() &&
           !g.cellule(colonne::indicatif, r).empty();
}

} // namespace

// The whole file as the writers lay it out: record 0, then record r for every row r
// that has a date, a time and a callsign, zero bytes in between.
std::string StockageLog::contenu_depuis_grille(const TEnreg_QSO* entete, bool sans_nom) const {
    std::string contenu(T, '\0');
    if (entete) {
        const auto o = entete->vers_octets();
        std::memcpy(contenu.data(), o.data(), T);
    }
    for (int r = 1; r < grille_.RowCount(); ++r) {
        if (!ligne_a_enregistrer(grille_, r)) continue;
        TEnreg_QSO e = grille_.ligne_vers_enreg(r, station_.OPERATOR, station_.MY_STATION);
        if (sans_nom) e.nom.clear();
        const auto o = e.vers_octets();
        const std::size_t pos = static_cast<std::size_t>(r) * T;
        if (contenu.size() < pos + T) contenu.resize(pos + T, '\0');
        std::memcpy(contenu.data() + pos, o.data(), T);
    }
    return contenu;
}

bool StockageLog::Charger_log() {
    grille_.Vider_grille();
    etat_.fichier.fermer();
    const auto p = chemin_log();
    std::string contenu;
    std::uint64_t taille = 0;
    try {
        etat_.fichier.ouvrir(p);
        taille = etat_.fichier.taille();
        if (taille / T > MAX_ENREGISTREMENTS)
            throw Erreur(cp1252("Le fichier « ") + nom_stocke(p) +
                         cp1252(" » est trop grand pour être un fichier log (") +
                         std::to_string(taille / T) + " enregistrements).");
        contenu = etat_.fichier.lire(taille);
    } catch (const Erreur& e) {
        etat_.fichier.fermer();
        signaler(e.what());
        return false;
    }
    remplir_depuis(contenu);

    const std::size_t reste = contenu.size() % T;
    if (reste != 0 && etat_.incomplets_signales.insert(p).second)
        signaler(cp1252("Le fichier « ") + nom_stocke(p) +
                 cp1252(" » se termine par un enregistrement incomplet de ") +
                 std::to_string(reste) +
                 cp1252(" octets, qui n'a pas été chargé. Tous les enregistrements complets "
                        "sont chargés et le fichier n'a pas été modifié."));
    return true;
}

void StockageLog::remplir_depuis(std::string_view contenu) {
    const std::uint64_t n = contenu.size() / T;
    const auto* octets = reinterpret_cast<const std::uint8_t*>(contenu.data());
    auto indicatif_present = [&](std::uint64_t k) {
        return octets[k * T + champ_enreg::indicatif] != 0;
    };
    // The row count follows the last record that holds a QSO; earlier records without a
    // callsign stay empty rows at their place.
    std::uint64_t dernier = 0;
    for (std::uint64_t k = 1; k < n; ++k)
        if (indicatif_present(k)) dernier = k;
    grille_.set_RowCount(static_cast<int>(dernier + 1));
    for (std::uint64_t k = 1; k <= dernier; ++k)
        if (indicatif_present(k))
            grille_.enreg_vers_ligne(TEnreg_QSO::depuis_octets(octets + k * T),
                                     static_cast<int>(k));

    appeler(liens_.Calcul_score);
    placer_entree(n);
    appeler(liens_.vider_continent);

    const std::string& bande = grille_.cellule(colonne::bande, grille_.RowCount() - 2);
    if (bande == "80")
        bandes_.selectionner(0);
    else if (bande == "40")
        bandes_.selectionner(1);
    grille_.renumeroter();
}

// Where typing goes on after a load: a new entry row after the last QSO, or the last
// record's blank row.
void StockageLog::placer_entree(std::uint64_t n) {
    if (n <= 1) {
        grille_.set_RowCount(2);
        grille_.set_cellule(colonne::numero, 1, "1");
        grille_.selectionner(colonne::indicatif, 1);
        appeler(liens_.ouvrir_editeur);
        return;
    }
    const int dernier = static_cast<int>(n - 1);
    if (dernier < grille_.RowCount() && !grille_.cellule(colonne::indicatif, dernier).empty()) {
        grille_.set_RowCount(dernier + 2);
        grille_.set_cellule(colonne::numero, dernier + 1, std::to_string(dernier + 1));
        grille_.selectionner(colonne::indicatif, dernier + 1);
        appeler(liens_.ouvrir_editeur);
        return;
    }
    grille_.set_RowCount(dernier + 1);
    grille_.set_cellule(colonne::rst_envoye, dernier, "599");
    grille_.set_cellule(colonne::rst_recu, dernier, "599");
    grille_.set_cellule(colonne::numero, dernier, std::to_string(dernier));
    // Typing must not go on in an old QSO row when the cursor was left there.
    grille_.selectionner(colonne::indicatif, dernier);
}

bool StockageLog::Ecrire_enreg(int r, const TEnreg_QSO& e) {
    try {
        if (!etat_.fichier.ouvert())
            throw Erreur(cp1252("Le fichier log n'est pas ouvert : ") + nom_stocke(chemin_log()));
        etat_.fichier.ecrire(static_cast<std::uint64_t>(r), e.vers_octets());
        // Reopened by name, so that a log file removed or replaced behind the program's
        // back is noticed at once rather than written into unseen.
        const auto p = etat_.fichier.chemin();
        etat_.fichier.ouvrir(p);
    } catch (const Erreur& err) {
        signaler(err.what());
        return false;
    }
    return true;
}

bool StockageLog::Sauver_ligne(int r) {
    if (r < 1 || r >= grille_.RowCount() || !ligne_a_enregistrer(grille_, r)) return true;
    TEnreg_QSO e;
    try {
        e = grille_.ligne_vers_enreg(r, station_.OPERATOR, station_.MY_STATION);
    } catch (const Erreur& err) {
        signaler(err.what());
        return false;
    }
    return Ecrire_enreg(r, e);
}

bool StockageLog::Ecrire_entete() {
    const auto p = chemin_log();
    try {
        etat_.fichier.fermer();
        const auto o = Entete().vers_octets();
        remplacer_fichier(p, std::string_view(reinterpret_cast<const char*>(o.data()), T));
        etat_.fichier.ouvrir(p);
    } catch (const Erreur& e) {
        signaler(e.what());
        return false;
    }
    return true;
}

bool StockageLog::Reecrire_log() {
    const auto p = chemin_log();
    const auto bak = fichier_sans_casse(p.parent_path(), nom_bak(emplacement_.NOM_FICHIER));
    std::filesystem::path temporaire;
    try {
        const TEnreg_QSO entete = Entete();
        const std::string contenu = contenu_depuis_grille(&entete, false);
        etat_.fichier.fermer();
        temporaire = ecrire_temporaire(p, contenu);
    } catch (const Erreur& e) {
        // Nothing was touched: the old log goes on.
        if (!etat_.fichier.ouvert()) {
            try {
                etat_.fichier.ouvrir(p);
            } catch (const Erreur&) {
            }
        }
        signaler(e.what());
        return false;
    }

    // The old log becomes the ".BAK" by a second name on the same file, so the log's own
    // name never goes missing; where the file system has no such names, by a copy. A
    // backup that cannot be made does not stop the rewrite.
    std::error_code ec;
    if (std::filesystem::exists(p, ec)) {
        std::filesystem::remove(bak, ec);
        const auto nouveau_bak = p.parent_path() / chemin(nom_bak(emplacement_.NOM_FICHIER));
        if (::link(p.c_str(), nouveau_bak.c_str()) != 0) {
            if (const auto ancien = lire_fichier(p)) {
                try {
                    remplacer_fichier(nouveau_bak, *ancien);
                } catch (const Erreur&) {
                }
            }
        }
    }
    try {
        renommer(temporaire, p);
        etat_.fichier.ouvrir(p);
    } catch (const Erreur& e) {
        ::unlink(temporaire.c_str());
        if (!etat_.fichier.ouvert()) {
            try {
                etat_.fichier.ouvrir(p);
            } catch (const Erreur&) {
            }
        }
        signaler(e.what());
        return false;
    }
    return true;
}

bool StockageLog::Nouveau_log() {
    PauseMinuterie pause(minuterie_, true);
    if (grille_.RowCount() > 2) {
        bool oui = dialogues_.question("Effacer les QSO actuels ?");
        if (oui) {
            const auto p = chemin_log();
            try {
                etat_.fichier.fermer();
                const auto o = Entete().vers_octets();
                std::string contenu(reinterpret_cast<const char*>(o.data()), T);
                contenu += contenu; // record 1 too: its empty callsign makes it a blank row
                remplacer_fichier(p, contenu);
            } catch (const Erreur& e) {
                try {
                    etat_.fichier.ouvrir(p);
                } catch (const Erreur&) {
                }
                dialogues_.message(e.what());
                return false;
            }
            // Only now: a log that could not be emptied keeps its rows on the screen too.
            grille_.Vider_grille();
        }
    }
    dialogues_.montrer(Fenetre::info);
    return true;
}

bool StockageLog::Ouvrir_log() {
    std::optional<std::string> choix;
    {
        PauseMinuterie pause(minuterie_, false);
        choix = dialogues_.ouvrir_fichier(dossiers_.CHEMIN_FILES, "Fichier YL|*.YL");
    }
    if (!choix) return false;
    const auto sep = choix->find_last_of("/\\");
    const EmplacementLog ancien = emplacement_;
    if (sep == std::string::npos) {
        emplacement_.CHEMIN_FICHIER = dossiers_.CHEMIN_FILES;
        emplacement_.NOM_FICHIER = *choix;
    } else {
        emplacement_.CHEMIN_FICHIER = sans_separateur_final(choix->substr(0, sep + 1));
        emplacement_.NOM_FICHIER = choix->substr(sep + 1);
    }
    appeler(liens_.montrer_emplacement);
    try {
        appeler(liens_.Sauve_ini);
    } catch (const Erreur& e) {
        // The table, the open file and the settings must keep naming the same log.
        emplacement_ = ancien;
        appeler(liens_.montrer_emplacement);
        signaler(e.what());
        return false;
    }
    grille_.Vider_grille();
    appeler(liens_.remettre_score_a_zero);
    if (!Charger_log()) return false;
    appeler(liens_.Label_nomfichier,
            emplacement_.NOM_FICHIER.substr(0, emplacement_.NOM_FICHIER.find('.')));
    dialogues_.montrer(Fenetre::main);
    grille_.selectionner(colonne::indicatif, grille_.Row());
    appeler(liens_.ouvrir_editeur);
    appeler(liens_.Calcul_score);
    return true;
}

bool StockageLog::Copie_Mem() {
    const auto p = chemin(emplacement_.CHEMIN_FICHIER) / chemin(emplacement_.NOM_FICHIER + "_Mem");
    try {
        const TEnreg_QSO entete = Entete(true);
        remplacer_fichier(p, contenu_depuis_grille(&entete, true));
    } catch (const Erreur& e) {
        signaler(e.what());
        return false;
    }
    return true;
}

std::string suffixe_copie(const std::vector<FichierRacine>& fichiers, std::string_view nom) {
    const FichierRacine* recent = nullptr;
    for (const auto& f : fichiers)
        if (f.nom.find(nom) != std::string::npos && (!recent || f.modifie > recent->modifie))
            recent = &f;
    int n = 0;
    if (recent) {
        // The one character after the name is the "_" of "X.YL_04.sav".
        const std::size_t debut = recent->nom.find(nom) + nom.size() + 1;
        const std::string_view chiffres = debut < recent->nom.size()
                                              ? std::string_view(recent->nom).substr(debut, 2)
                                              : std::string_view();
        bool nombre = !chiffres.empty();
        for (char c : chiffres)
            nombre = nombre && c >= '0' && c <= '9';
        if (nombre)
            for (char c : chiffres)
                n = n * 10 + (c - '0');
    }
    const int m = n + 1;
    if (m < 10) return "_0" + std::to_string(m);
    if (m == 10) return "_10";
    return "_01";
}

void StockageLog::Controle_sauvegarde(const DateHeure& utc) {
    if (!etat_.temps_reel) return;
    const std::int64_t u = secondes(utc);
    if (u <= etat_.prochaine_sauvegarde) return;
    etat_.prochaine_sauvegarde = u + 60;
    // Without a log name every file of the drive would match; there is nothing to copy.
    if (!etat_.lecteur_sauvegarde || emplacement_.NOM_FICHIER.empty()) return;
    Sauvegarde_auto(*etat_.lecteur_sauvegarde, emplacement_.NOM_FICHIER);
}

bool StockageLog::Sauvegarde_auto(const std::filesystem::path& racine, const std::string& nom) {
    const int type = lecteurs_.type(racine);
    if (type == static_cast<int>(TypeLecteur::indetermine)) return false;
    PauseMinuterie pause(minuterie_, true);
    try {
        std::error_code ec;
        if (type == static_cast<int>(TypeLecteur::inexistant)) {
            const bool dossier = std::filesystem::is_directory(racine, ec);
            throw Erreur(nom_stocke(racine) + " : " +
                         texte_erreur_systeme(dossier ? ENODEV : ENOENT));
        }
        std::vector<FichierRacine> fichiers;
        std::filesystem::directory_iterator it(racine, ec), fin;
        for (; !ec && it != fin; it.increment(ec)) {
            std::error_code ec2;
            if (!it->is_regular_file(ec2)) continue;
            const auto quand = it->last_write_time(ec2);
            if (ec2) continue;
            fichiers.push_back({nom_stocke(it->path().filename()), quand});
        }
        if (ec) throw Erreur(nom_stocke(racine) + " : " + texte_erreur_systeme(ec.value()));
        const auto copie = racine / chemin(nom + suffixe_copie(fichiers, nom) + ".sav");
        remplacer_fichier(copie, contenu_depuis_grille(nullptr, false));
    } catch (const Erreur& e) {
        dialogues_.message(e.what());
        return false;
    }
    return true;
}

} // namespace ylkaz

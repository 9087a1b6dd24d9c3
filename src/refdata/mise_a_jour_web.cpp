#include "refdata/mise_a_jour_web.h"

#include "platform/cp1252.h"
#include "platform/date_fichier.h"
#include "platform/fichiers.h"
#include "refdata/serveurs.h"

#include <exception>

namespace ylkaz {
namespace {

constexpr const char* MEMBRES = "KAZ_mini_2021.csv";
constexpr const char* YL = "BD_YL.csv";
constexpr const char* CTY = "CTY_WT.DAT";

OptionsHttps options(const Serveurs& s, OptionsHttps delais) {
    delais.fichier_ca = s.CA;
    return delais;
}

struct Essai {
    const char* nom;
    ResultatTelechargement r;
};

// Neither list came: the labels must not read as a success.
std::string texte_echec(const Essai& membres, const Essai& yl) {
    return cp1252("Échec du téléchargement de ") + membres.nom + " (" + membres.r.erreur +
           ") et de " + yl.nom + " (" + yl.r.erreur +
           cp1252(") : les fichiers sur le disque sont inchangés");
}

std::string compte_rendu(const Essai& membres, const Essai& yl) {
    if (membres.r.ok && yl.r.ok)
        return cp1252("Bases mises à jour : ") + membres.nom + " et " + yl.nom +
               cp1252(" téléchargés");
    if (!membres.r.ok && !yl.r.ok) return texte_echec(membres, yl);
    const Essai& recu = membres.r.ok ? membres : yl;
    const Essai& rate = membres.r.ok ? yl : membres;
    return std::string(recu.nom) + cp1252(" téléchargé ; échec du téléchargement de ") + rate.nom +
           " (" + rate.r.erreur + cp1252(") : ce fichier sur le disque est inchangé");
}

} // namespace

MiseAJourWeb::MiseAJourWeb(const Connexion& connexion, OptionsHttps delais)
    : connexion_(connexion), delais_(std::move(delais)) {}

BilanMiseAJour MiseAJourWeb::Executer(const Dossiers& dossiers, const Catalogue& catalogue) const
    try {
    BilanMiseAJour b;
    if (!connexion_.connecte()) {
        b.Label_info_Internet = catalogue.msg_info_internet;
        b.compte_rendu = cp1252("Pas de connexion Internet : bases non mises à jour");
        return b;
    }
    const Serveurs serveurs = Serveurs::lire(dossiers);
    if (serveurs.ORGANISATEUR.empty()) {
        b.Label_info_Internet = cp1252("Aucun serveur de l'organisateur indiqué (clé "
                                       "ORGANISATEUR de Serveurs.ini) : bases non mises à jour");
        b.compte_rendu = b.Label_info_Internet;
        return b;
    }
    // Nothing to purge before fetching: no URL cache is kept, and each request asks the
    // server for a fresh copy.
    const OptionsHttps opts = options(serveurs, delais_);
    const auto bd = chemin(dossiers.CHEMIN_BD);

    const auto cible_membres = fichier_sans_casse(bd, MEMBRES);
    const Essai membres{
        MEMBRES, telecharger(serveurs.ORGANISATEUR + CHEMIN_WEB_MEMBRES, cible_membres, opts)};
    if (membres.r.ok)
        b.Label_Date_BD = "Date MAJ fichier : " + date_fichier(cible_membres).value_or("");

    const auto cible_yl = fichier_sans_casse(bd, YL);
    const Essai yl{YL, telecharger(serveurs.ORGANISATEUR + CHEMIN_WEB_YL, cible_yl, opts)};
    if (yl.r.ok) b.Label_Date_BD = "Date MAJ fichier : " + date_fichier(cible_yl).value_or("");

    b.membres = membres.r.ok;
    b.yl = yl.r.ok;
    b.compte_rendu = compte_rendu(membres, yl);
    b.Label_info_Internet =
        b.membres || b.yl ? catalogue.Message_MAJ_reussie : texte_echec(membres, yl);
    return b;
} catch (const std::exception& x) {
    // Only memory can run out here; the files are as they were.
    BilanMiseAJour b;
    b.Label_info_Internet = b.compte_rendu = x.what();
    return b;
}

bool Telecharger_cty(const Dossiers& dossiers, const std::function<void()>& bip,
                     const OptionsHttps& delais) {
    bool recu = false;
    try {
        const auto prog = chemin(dossiers.CHEMIN_PROG);
        // An old file stays in use: only the operator's deleting it brings a fresh one.
        if (trouver_sans_casse(prog, CTY)) return false;
        const Serveurs serveurs = Serveurs::lire(dossiers);
        if (serveurs.PAYS.empty()) return false;
        recu = telecharger(serveurs.PAYS + CHEMIN_WEB_CTY, prog / "cty_wt.dat",
                           options(serveurs, delais))
                   .ok;
    } catch (const std::exception&) {
        return false;
    }
    if (recu && bip) bip();
    return recu;
}

Reference::Telechargement crochet_cty(const Dossiers& dossiers, std::function<void()> bip,
                                      OptionsHttps delais) {
    return [&dossiers, bip = std::move(bip), delais = std::move(delais)] {
        Telecharger_cty(dossiers, bip, delais);
    };
}

} // namespace ylkaz

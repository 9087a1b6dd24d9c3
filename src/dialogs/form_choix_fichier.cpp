#include "dialogs/form_choix_fichier.h"

#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <cstring>
#include <system_error>

namespace ylkaz {
namespace {

std::string sans_blancs(const std::string& s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && static_cast<unsigned char>(s[debut]) <= 32)
        ++debut;
    while (fin > debut && static_cast<unsigned char>(s[fin - 1]) <= 32)
        --fin;
    return s.substr(debut, fin - debut);
}

std::string avant_premier_point(const std::string& nom) {
    const auto point = nom.find('.');
    return point == std::string::npos ? std::string() : nom.substr(0, point);
}

void ajouter(std::string& contenu, const TEnreg_QSO& e) {
    const auto o = e.vers_octets();
    contenu.append(reinterpret_cast<const char*>(o.data()), o.size());
}

} // namespace

Form_choix_fichier::Form_choix_fichier(LiensChoix liens)
    : FenetreLogique(GEOMETRIE_DEFAUT), liens_(std::move(liens)) {}

void Form_choix_fichier::changer(std::string& champ, std::string texte) {
    if (champ == texte) return;
    Lot lot(*this);
    champ = std::move(texte);
    lot.change();
}

void Form_choix_fichier::set_textes(TextesChoix t) {
    if (t == textes_) return;
    Lot lot(*this);
    textes_ = std::move(t);
    lot.change();
}

void Form_choix_fichier::set_Edit_chemin(std::string t) {
    changer(Edit_chemin_, std::move(t));
}
void Form_choix_fichier::set_Edit_nom_fichier(std::string t) {
    changer(Edit_nom_fichier_, std::move(t));
}

void Form_choix_fichier::FormActivate() {
    auto& e = liens_.emplacement;
    // The year comes from the clock, not from a date text, so it has four digits
    // whatever the system's date format.
    if (e.NOM_FICHIER.empty())
        e.NOM_FICHIER = "YL_KAZ_" + std::to_string(liens_.horloge.locale().annee) + "@" +
                        liens_.station.OPERATOR + ".YL";
    set_Edit_nom_fichier(avant_premier_point(e.NOM_FICHIER));
    e.CHEMIN_FICHIER = liens_.dossiers.CHEMIN_FILES;
}

void Form_choix_fichier::Button_nom_fichierClick() {
    const auto choix = liens_.dialogues.ouvrir_fichier(liens_.dossiers.CHEMIN_FILES, FILTRE);
    if (!choix) return;
    const auto sep = choix->find_last_of("/\\");
    auto& e = liens_.emplacement;
    e.CHEMIN_FICHIER =
        sep == std::string::npos ? liens_.dossiers.CHEMIN_FILES + "/" : choix->substr(0, sep + 1);
    e.NOM_FICHIER = sep == std::string::npos ? *choix : choix->substr(sep + 1);
    set_Edit_chemin(e.CHEMIN_FICHIER);
    set_Edit_nom_fichier(e.NOM_FICHIER);
}

void Form_choix_fichier::Button_emplacementClick() {
    const auto choix = liens_.dialogues.choisir_dossier(liens_.dossiers.CHEMIN_FILES);
    if (!choix) return;
    liens_.emplacement.CHEMIN_FICHIER = *choix;
    set_Edit_chemin(*choix);
}

// The header, then one blank record holding "599" for an empty table, or every row of
// the table with the entry row. The file is written whole: a row that cannot be
// converted leaves no file, so the next OK tries again instead of continuing a log
// that stops half-way.
bool Form_choix_fichier::Creer_log(const std::filesystem::path& p) {
    const auto& g = liens_.grille;
    const auto& station = liens_.station;
    const TEnreg_QSO entete = liens_.stockage.Entete();
    std::string contenu;
    ajouter(contenu, entete);
    try {
        if (g.RowCount() <= 2) {
            TEnreg_QSO vide;
            vide.rst_envoye = "599";
            vide.rst_recu = "599";
            vide.categorie = entete.categorie;
            ajouter(contenu, vide);
        } else {
            // A row without a date or a time (the entry row in deferred-time mode) is
            // stored at day 0, as a blank record is: only unreadable texts fail.
            Grille_log ligne;
            for (int r = 1; r < g.RowCount(); ++r) {
                for (int c = 0; c < Grille_log::COLONNES; ++c)
                    ligne.set_cellule(c, 1, g.cellule(c, r));
                if (sans_blancs(ligne.cellule(colonne::date, 1)).empty())
                    ligne.set_cellule(colonne::date, 1, "30/12/1899");
                if (sans_blancs(ligne.cellule(colonne::heure, 1)).empty())
                    ligne.set_cellule(colonne::heure, 1, "00:00");
                ajouter(contenu, ligne.ligne_vers_enreg(1, station.OPERATOR, station.MY_STATION));
            }
        }
        remplacer_fichier(p, contenu);
    } catch (const Erreur& e) {
        liens_.dialogues.message(e.what());
        return false;
    }
    liens_.bandes.selectionner(1);
    return true;
}

bool Form_choix_fichier::BitBtn_fichier_closeClick() {
    auto& e = liens_.emplacement;
    e.NOM_FICHIER = sans_blancs(Edit_nom_fichier_);
    if (e.NOM_FICHIER.find('.') == std::string::npos) e.NOM_FICHIER += ".YL";
    const auto p = liens_.stockage.chemin_log();
    std::error_code ec;
    if (!std::filesystem::exists(p, ec) && !Creer_log(p)) return false;

    liens_.dialogues.cacher(Fenetre::choix_fichier);
    if (liens_.Label_nomfichier) liens_.Label_nomfichier(Edit_nom_fichier_);
    liens_.dialogues.montrer(Fenetre::main);
    if (liens_.temps_reel) liens_.temps_reel();
    return true;
}

} // namespace ylkaz

#include "export/cabrillo.h"

#include "app/version.h"
#include "export/texte_export.h"
#include "platform/fichiers.h"

#include <algorithm>

namespace ylkaz {
namespace {

using exporte::copie;

constexpr const char* FIN_LIGNE = "\r\n";

std::string frequence(const std::string& bande) {
    if (bande == "80") return " 3500";
    if (bande == "40") return " 7000";
    if (bande == "20") return "14000";
    if (bande == "15") return "21000";
    if (bande == "10") return "28000";
    return {};
}

// "DD/MM/YYYY" gives "YYYY-MM-DD"; a two-digit year is of this century.
std::string date_cabrillo(const std::string& d) {
    const std::string annee = d.size() == 8 ? "20" + copie(d, 7, 2) : copie(d, 7, 4);
    return annee + "-" + copie(d, 4, 2) + "-" + copie(d, 1, 2);
}

std::string heure_cabrillo(const std::string& h) {
    return copie(h, 1, 2) + copie(h, 4, 2);
}

// The checker reads the number alone, without the "*" mark a member cell may carry.
std::string sans_etoile(std::string numero) {
    const auto etoile = numero.find('*');
    if (etoile != std::string::npos) numero.erase(etoile, 1);
    return numero;
}

std::string ligne_qso(const Grille_log& g, int r, const StationRecord& s) {
    namespace k = colonne;
    std::string l;
    Ecrit_champ(l, "QSO:", 4);
    const std::string f = frequence(g.cellule(k::bande, r));
    if (!f.empty()) Ecrit_champ(l, f, 5);
    Ecrit_champ(l, "CW", 2);
    Ecrit_champ(l, date_cabrillo(g.cellule(k::date, r)), 10);
    Ecrit_champ(l, heure_cabrillo(g.cellule(k::heure, r)), 4);
    Ecrit_champ(l, s.MY_STATION, 13);
    Ecrit_champ(l, "599", 3);
    Ecrit_champ(l, s.MY_NRKAZ, 4);
    Ecrit_champ(l, s.MY_SEXE == "YL" ? "YL" : "OM", 2);
    Ecrit_champ(l, g.cellule(k::indicatif, r), 13);
    Ecrit_champ(l, "599", 3);
    Ecrit_champ(l, sans_etoile(g.cellule(k::numero_membre, r)), 4);
    Ecrit_champ(l, g.cellule(k::categorie, r), 4);
    Ecrit_champ(l, g.cellule(k::nom, r), 10);
    return l;
}

} // namespace

void Ecrit_champ(std::string& ligne, std::string_view texte, std::size_t largeur) {
    const std::size_t n = std::min(texte.size(), largeur);
    ligne.append(texte.substr(0, n));
    ligne.append(largeur - n + 1, ' ');
}

std::string nom_cabrillo(std::string_view nom_fichier) {
    // The report e-mail looks the bare name up in CHEMIN_FILES, so a folder part in the
    // log's name must not lead the file elsewhere.
    const auto separateur = nom_fichier.find_last_of("/\\");
    if (separateur != std::string_view::npos) nom_fichier.remove_prefix(separateur + 1);
    return exporte::changer_extension(nom_fichier, ".CBR");
}

std::string texte_cabrillo(const Grille_log& g, const StationRecord& s, const ChampsCabrillo& c) {
    std::string t;
    auto ligne = [&t](std::string_view texte) {
        t.append(texte);
        t.append(FIN_LIGNE);
    };
    ligne("START-OF-LOG: 3.0");
    ligne("CREATED-BY: YL_KAZ_V " + Version_exe());
    ligne("CONTEST: YL_KAZ");
    ligne("CALLSIGN: " + s.MY_STATION);
    ligne("CATEGORY-MODE: CW");
    ligne("CATEGORY-OPERATOR: SINGLE-OP");
    auto contient = [&s](const char* x) { return s.MY_CATEGORY.find(x) != std::string::npos; };
    if (contient("A."))
        ligne("CATEGORY-POWER: HIGH");
    else if (contient("B."))
        ligne("CATEGORY-POWER: LOW");
    else if (contient("C."))
        ligne("CATEGORY-POWER: SWL");
    ligne("CATEGORY-TRANSMITTER: ONE");
    ligne(s.MY_SEXE == "YL" ? "CATEGORY-OVERLAY: YL" : "CATEGORY-OVERLAY: OM");
    ligne(c.Edit_NKAZ == "NM" ? "CLUB: NM" : "CLUB: KAZ");
    ligne("NAME: " + c.Edit_nom);
    ligne("ADDRESS: " + c.Edit_AD1);
    ligne("ADDRESS: " + c.Edit_ad2);
    ligne("ADDRESS: " + c.Edit_ad3);
    ligne("EMAIL: " + s.MY_EMAIL);
    ligne("OPERATORS: " + s.OPERATOR);
    ligne("SOAPBOX: CLub nr : ");
    ligne("");
    // The last row is the entry row of the next contact, never part of the log.
    for (int r = 1; r < g.ligne_saisie(); ++r)
        if (!g.ligne_vide(r)) ligne(ligne_qso(g, r, s));
    ligne("END-OF-LOG:");
    return t;
}

std::filesystem::path Creation_cabrillo(const Grille_log& grille, const StationRecord& station,
                                        const ChampsCabrillo& champs, const Dossiers& dossiers,
                                        const EmplacementLog& emplacement, EtatCabrillo& etat) {
    const std::string nom = nom_cabrillo(emplacement.NOM_FICHIER);
    const auto p = fichier_sans_casse(chemin(dossiers.CHEMIN_FILES), nom);
    remplacer_fichier(p, texte_cabrillo(grille, station, champs));
    // The name as it is on the disk: an older file of another case was replaced in place.
    etat.fichier_cabrillo = nom_stocke(p.filename());
    return p;
}

} // namespace ylkaz

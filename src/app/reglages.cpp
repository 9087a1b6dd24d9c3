#include "app/reglages.h"

#include "app/ini.h"
#include "app/version.h"
#include "platform/fichiers.h"

#include <array>
#include <system_error>

namespace ylkaz {

namespace {

constexpr const char* NOM_FICHIER_INI = "YL_KAZ.ini";
constexpr const char* CATEGORIE_DEFAUT = "B. >=100W";

// One group of window keys: F<n>W, F<n>T, F<n>L, F<n>H.
struct GroupeFenetre {
    const char* prefixe;
    FenetreLogique& fenetre;
    Geometrie defaut;
};

std::array<GroupeFenetre, 4> groupes(const Reglages& r) {
    return {{{"F1", r.Form_main, Form_main::GEOMETRIE_DEFAUT},
             {"F2", r.Form_info, Form_info::GEOMETRIE_DEFAUT},
             {"F3", r.Form_choix_fichier, Form_choix_fichier::GEOMETRIE_DEFAUT},
             {"F5", r.Form_infoCR, Form_infoCR::GEOMETRIE_DEFAUT}}};
}

std::string cle(const char* prefixe, char suffixe) {
    return std::string(prefixe) + suffixe;
}

std::string avant_premier_point(const std::string& nom) {
    const auto point = nom.find('.');
    return point == std::string::npos ? std::string() : nom.substr(0, point);
}

bool est_dossier(const std::string& nom) {
    std::error_code ec;
    return std::filesystem::is_directory(chemin(nom), ec);
}

} // namespace

std::filesystem::path fichier_reglages(const Dossiers& dossiers) {
    return fichier_sans_casse(chemin(dossiers.CHEMIN_PROG), NOM_FICHIER_INI);
}

std::string texte_org() {
    return "YL_KAZ, Version: " + Version_exe() + "--- XX0XX / KAZ 17";
}

void Charge_ini(const Reglages& r) {
    const FichierIni ini(fichier_reglages(r.dossiers));
    auto& station = r.station;
    auto& emplacement = r.emplacement;
    auto& info = r.Form_info;
    auto& choix = r.Form_choix_fichier;

    for (const auto& g : groupes(r)) {
        Geometrie geo;
        geo.width = ini.lire_entier("Windows", cle(g.prefixe, 'W'), g.defaut.width);
        geo.top = ini.lire_entier("Windows", cle(g.prefixe, 'T'), g.defaut.top);
        geo.left = ini.lire_entier("Windows", cle(g.prefixe, 'L'), g.defaut.left);
        geo.height = ini.lire_entier("Windows", cle(g.prefixe, 'H'), g.defaut.height);
        g.fenetre.set_geometrie(geo);
    }

    emplacement.CHEMIN_FICHIER = ini.lire_texte("VGlobales", "CHEMIN_FICHIER", "");
    if (!est_dossier(emplacement.CHEMIN_FICHIER))
        emplacement.CHEMIN_FICHIER = r.dossiers.CHEMIN_PROG + "Files";
    choix.set_Edit_chemin(emplacement.CHEMIN_FICHIER);

    emplacement.NOM_FICHIER.clear();
    emplacement.NOM_FICHIER = ini.lire_texte("VGlobales", "NOM_FICHIER", "");
    choix.set_Edit_nom_fichier(avant_premier_point(emplacement.NOM_FICHIER));

    station.MY_LOCATOR = ini.lire_texte("VGlobales", "MY_LOCATOR", "");
    station.OPERATOR = ini.lire_texte("VGlobales", "OPERATOR", "");
    station.MY_DXCC = ini.lire_texte("VGlobales", "MY_DXCC", "");
    station.MY_STATION = ini.lire_texte("VGlobales", "MY_STATION", "");
    station.MY_NRKAZ = ini.lire_texte("VGlobales", "MY_NRKAZ", "");

    // Exact comparison: any other spelling leaves the choice as it is.
    station.MY_SEXE = ini.lire_texte("VGlobales", "MY_SEXE", "");
    if (station.MY_SEXE == "YL")
        info.set_RadioButton1(true);
    else if (station.MY_SEXE == "OM")
        info.set_RadioButton2(true);

    station.MY_CATEGORY = ini.lire_texte("VGlobales", "MY_CATEGORY", CATEGORIE_DEFAUT);
    info.set_ComboBox_Category(station.MY_CATEGORY);

    // The whole file name replaces the short one; the naming form cuts it again when it
    // is shown. The operator's callsign goes in through its change handling, which may
    // replace MY_STATION, so the station box takes MY_STATION only afterwards.
    choix.set_Edit_chemin(emplacement.CHEMIN_FICHIER);
    choix.set_Edit_nom_fichier(emplacement.NOM_FICHIER);
    info.set_Edit_op(station.OPERATOR);
    info.set_Edit_station(station.MY_STATION);

    info.set_Edit_nom(ini.lire_texte("OP", "NAME", ""));
    info.set_Edit_AD1(ini.lire_texte("OP", "AD1", ""));
    info.set_Edit_ad2(ini.lire_texte("OP", "AD2", ""));
    info.set_Edit_ad3(ini.lire_texte("OP", "AD3", ""));
    info.set_Edit_email(ini.lire_texte("OP", "email", ""));

    for (int c = 0; c < Grille_log::COLONNES; ++c)
        r.Grille_log.set_largeur_colonne(c, ini.lire_entier("Grille_log",
                                                            "ColWidth" + std::to_string(c),
                                                            Grille_log::LARGEUR_DEFAUT));
    r.Grille_log.set_RowCount(2);

    r.LNG = ini.lire_entier("Langue", "LNG", 1);

    if (r.Charge_langue) r.Charge_langue();
}

void Sauve_ini(const Reglages& r) {
    FichierIni ini(fichier_reglages(r.dossiers));
    const auto& station = r.station;
    const auto& info = r.Form_info;

    ini.ecrire_texte("Header", "Org", texte_org());

    for (const auto& g : groupes(r)) {
        const Geometrie& geo = g.fenetre.geometrie();
        ini.ecrire_entier("Windows", cle(g.prefixe, 'W'), geo.width);
        ini.ecrire_entier("Windows", cle(g.prefixe, 'T'), geo.top);
        ini.ecrire_entier("Windows", cle(g.prefixe, 'L'), geo.left);
        ini.ecrire_entier("Windows", cle(g.prefixe, 'H'), geo.height);
    }

    ini.ecrire_texte("VGlobales", "CHEMIN_FICHIER", r.emplacement.CHEMIN_FICHIER);
    ini.ecrire_texte("VGlobales", "NOM_FICHIER", r.emplacement.NOM_FICHIER);
    ini.ecrire_texte("VGlobales", "MY_LOCATOR", station.MY_LOCATOR);
    ini.ecrire_texte("VGlobales", "OPERATOR", station.OPERATOR);
    ini.ecrire_texte("VGlobales", "MY_DXCC", station.MY_DXCC);
    ini.ecrire_texte("VGlobales", "MY_STATION", station.MY_STATION);
    ini.ecrire_texte("VGlobales", "MY_NRKAZ", station.MY_NRKAZ);
    ini.ecrire_texte("VGlobales", "MY_CATEGORY", info.ComboBox_Category());
    ini.ecrire_texte("VGlobales", "MY_SEXE", station.MY_SEXE);

    ini.ecrire_texte("OP", "NAME", info.Edit_nom());
    ini.ecrire_texte("OP", "AD1", info.Edit_AD1());
    ini.ecrire_texte("OP", "AD2", info.Edit_ad2());
    ini.ecrire_texte("OP", "AD3", info.Edit_ad3());
    ini.ecrire_texte("OP", "email", info.Edit_email());

    for (int c = 0; c < Grille_log::COLONNES; ++c)
        ini.ecrire_entier("Grille_log", "ColWidth" + std::to_string(c),
                          r.Grille_log.largeur_colonne(c));

    ini.ecrire_entier("Langue", "LNG", r.LNG);
}

} // namespace ylkaz

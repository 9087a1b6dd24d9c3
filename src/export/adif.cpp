#include "export/adif.h"

#include "app/version.h"
#include "export/texte_export.h"
#include "log/dates.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

#include <cstdio>
#include <optional>

namespace ylkaz {
namespace {

constexpr const char* FIN_LIGNE = "\r\n";

std::string frequence(const std::string& bande) {
    if (bande == "80") return "<FREQ:3>3.5";
    if (bande == "40") return "<FREQ:1>7";
    if (bande == "20") return "<FREQ:2>14";
    if (bande == "15") return "<FREQ:2>21";
    if (bande == "10") return "<FREQ:2>28";
    return {};
}

bool chiffres(std::string_view& s, std::size_t max, int& valeur, std::size_t& n) {
    valeur = 0;
    n = 0;
    while (!s.empty() && n < max && s.front() >= '0' && s.front() <= '9') {
        valeur = valeur * 10 + (s.front() - '0');
        s.remove_prefix(1);
        ++n;
    }
    return n > 0;
}

bool separateur(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

// Day/month/year as the log table writes it, as YYYYMMDD. A year of one or two digits is
// of this century, as in the Cabrillo file.
std::optional<std::string> date_adif(std::string_view texte) {
    std::string_view s = exporte::sans_blancs(texte);
    int j = 0, m = 0, a = 0;
    std::size_t n = 0;
    if (!chiffres(s, 2, j, n) || !separateur(s, '/') || !chiffres(s, 2, m, n) ||
        !separateur(s, '/') || !chiffres(s, 4, a, n) || !s.empty())
        return std::nullopt;
    if (n <= 2) a += 2000;
    if (!date_valide(a, m, j)) return std::nullopt;
    char t[16];
    std::snprintf(t, sizeof t, "%04d%02d%02d", a, m, j);
    return t;
}

// Hours:minutes (seconds allowed and dropped) as HHMM.
std::optional<std::string> heure_adif(std::string_view texte) {
    const auto fraction = lire_heure(texte);
    if (!fraction) return std::nullopt;
    std::string h = ecrire_heure(*fraction);
    h.erase(2, 1);
    return h;
}

class Ecrivain {
  public:
    Ecrivain(const Grille_log& g, const StationRecord& s, Reference& ref)
        : g_(g), s_(s), ref_(ref) {}

    void entete() {
        ligne(champ_adif("ADIF_VER", "3.1.3"));
        ligne(champ_adif("PROGRAMID", "YL_KAZ"));
        ligne(champ_adif("PROGRAMVERSION", Version_exe()));
        ligne(champ_adif("APP_KAZ_CATEGORY", s_.MY_CATEGORY));
        ligne(champ_adif("APP_YL_KAZ_MY_SEXE", s_.MY_SEXE));
        ligne(champ_adif("CONTEST_ID", "DIZIDEVI YL-KAZ"));
        ligne("<EOH>");
        ligne("");
    }

    // Appends the record of row r, or returns the text telling which cell does not read.
    std::optional<std::string> enregistrement(int r) {
        namespace k = colonne;
        const std::string& date = g_.cellule(k::date, r);
        const auto qso_date = date_adif(date);
        if (!qso_date) return "'" + date + "' n'est pas une date correcte";
        const std::string& heure = g_.cellule(k::heure, r);
        const auto time_on = heure_adif(heure);
        if (!time_on) return "'" + heure + "' n'est pas une heure correcte";

        const std::string indicatif(exporte::sans_blancs(g_.cellule(k::indicatif, r)));
        // The lookup keeps its previous results for an empty call: they belong to
        // another contact.
        ResultatsPays pays;
        if (!indicatif.empty()) pays = ref_.Recherche_pays(indicatif);
        if (pays.pays_dxcc.empty()) pays = {};

        std::string l;
        auto champ = [&l](std::string_view nom, std::string_view valeur) {
            l += champ_adif(nom, valeur);
            l += ' ';
        };
        champ("OPERATOR", s_.OPERATOR);
        champ("MY_NAME", s_.MY_NAME);
        if (!s_.MY_STREET.empty()) champ("MY_STREET", s_.MY_STREET);
        if (!s_.MY_CITY.empty()) champ("MY_CITY", s_.MY_CITY);
        champ("MY_STATION", s_.MY_STATION);
        champ("CALL", indicatif);
        champ("APP_YL_KAZ_HIS_SEXE", g_.cellule(k::categorie, r));
        champ("COUNTRY", pays.pays_dxcc);
        champ("DXCC", pays.pays_adif);
        champ("CONT", pays.pays_continent);
        champ("QSO_DATE", *qso_date);
        champ("TIME_ON", *time_on);
        l += "<MODE:2>CW ";
        const std::string& bande = g_.cellule(k::bande, r);
        champ("BAND", bande + "M");
        l += frequence(bande);
        l += ' ';
        champ("RST_SENT", g_.cellule(k::rst_envoye, r));
        champ("RST_RCVD", g_.cellule(k::rst_recu, r));
        const std::string& nom = g_.cellule(k::nom, r);
        if (!nom.empty()) champ("NAME", nom);
        const std::string& numero = g_.cellule(k::numero_membre, r);
        if (!numero.empty()) champ("APP_LOGGER32_USER_1", numero);
        champ("SRX", numero);
        if (numero != "NM") l += "<SRX_STRING:3>KAZ ";
        l += "<EOR>";
        ligne(l);
        return std::nullopt;
    }

    const std::string& texte() const { return t_; }

  private:
    void ligne(std::string_view l) {
        t_.append(l);
        t_.append(FIN_LIGNE);
    }

    const Grille_log& g_;
    const StationRecord& s_;
    Reference& ref_;
    std::string t_;
};

} // namespace

std::string champ_adif(std::string_view nom, std::string_view valeur) {
    std::string t = "<";
    t += nom;
    t += ':';
    t += std::to_string(valeur.size());
    t += '>';
    t += valeur;
    return t;
}

std::filesystem::path chemin_adif(const EmplacementLog& emplacement) {
    return fichier_sans_casse(chemin(emplacement.CHEMIN_FICHIER),
                              exporte::changer_extension(emplacement.NOM_FICHIER, ".ADI"));
}

std::filesystem::path Creation_adif(const Grille_log& grille, const StationRecord& station,
                                    const EmplacementLog& emplacement, Reference& reference) {
    Ecrivain e(grille, station, reference);
    e.entete();
    std::optional<std::string> erreur;
    // The last row is the entry row of the next contact, not yet logged.
    for (int r = 1; r < grille.ligne_saisie() && !erreur; ++r)
        if (!grille.cellule(colonne::indicatif, r).empty())
            if (auto e_ligne = e.enregistrement(r))
                erreur = "Ligne " + std::to_string(r) + " : " + *e_ligne;
    const auto p = chemin_adif(emplacement);
    // A row that does not read ends the file: the records before it are written all the
    // same, and the error names the row.
    remplacer_fichier(p, e.texte());
    if (erreur) throw Erreur(*erreur);
    return p;
}

} // namespace ylkaz

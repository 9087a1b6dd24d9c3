#include "dialogs/liste_smtp.h"

#include "platform/fichiers.h"

#include <utility>

namespace ylkaz {
namespace {

std::string_view sans_blancs(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string cle_fournisseur(std::string_view adresse) {
    const auto arobase = adresse.find('@');
    if (arobase == std::string_view::npos) return {};
    const std::string_view reste = adresse.substr(arobase + 1);
    const auto point = reste.find('.');
    return point == std::string_view::npos ? std::string() : std::string(reste.substr(0, point));
}

std::optional<LigneSmtp> chercher_smtp(std::string_view contenu, std::string_view cle) {
    bool entete = true;
    while (!contenu.empty()) {
        const auto fin = contenu.find_first_of("\r\n");
        std::string_view ligne = contenu.substr(0, fin);
        if (fin == std::string_view::npos)
            contenu = {};
        else
            contenu.remove_prefix(fin + (contenu.compare(fin, 2, "\r\n") == 0 ? 2 : 1));
        if (std::exchange(entete, false)) continue;

        const auto p1 = ligne.find(';');
        const std::string_view champ1 =
            p1 == std::string_view::npos ? std::string_view() : ligne.substr(0, p1);
        if (champ1 != cle) continue;
        LigneSmtp s;
        if (p1 != std::string_view::npos) {
            const std::string_view apres = ligne.substr(p1 + 1);
            const auto p2 = apres.find(';');
            s.serveur = std::string(apres.substr(0, p2));
            if (p2 != std::string_view::npos)
                s.port = std::string(sans_blancs(apres.substr(p2 + 1)));
        }
        return s;
    }
    return std::nullopt;
}

std::optional<LigneSmtp> Recherche_smtp(const std::filesystem::path& dossier_programme,
                                        std::string_view adresse) {
    const auto contenu = lire_fichier(fichier_sans_casse(dossier_programme, "SMTP.csv"));
    if (!contenu) return std::nullopt;
    return chercher_smtp(*contenu, cle_fournisseur(adresse));
}

} // namespace ylkaz

#include "refdata/serveurs.h"

#include "app/ini.h"
#include "platform/fichiers.h"

namespace ylkaz {
namespace {

// "https://host/" and "https://host" name the same server; the fixed paths bring their
// own "/".
std::string base(std::string adresse) {
    while (!adresse.empty() && adresse.back() == '/')
        adresse.pop_back();
    return adresse;
}

} // namespace

Serveurs Serveurs::lire(const Dossiers& dossiers) {
    const auto prog = chemin(dossiers.CHEMIN_PROG);
    const FichierIni ini(fichier_sans_casse(prog, FICHIER));
    Serveurs s;
    s.ORGANISATEUR = base(ini.lire_texte(SECTION, "ORGANISATEUR", ""));
    s.PAYS = base(ini.lire_texte(SECTION, "PAYS", ""));
    const std::string ca = ini.lire_texte(SECTION, "CA", "");
    if (!ca.empty()) s.CA = prog / chemin(ca); // an absolute name stays as it is
    return s;
}

} // namespace ylkaz

// The SMTP settings list on arbitrary bytes: the first line holds the key to look up,
// the rest is the list. No crash, and a result is always a line of the list.
#include "dialogs/liste_smtp.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto fin = texte.find('\n');
    const std::string_view adresse = texte.substr(0, fin);
    const std::string_view liste =
        fin == std::string_view::npos ? std::string_view() : texte.substr(fin + 1);
    const std::string cle = ylkaz::cle_fournisseur(adresse);
    if (cle.size() > adresse.size()) std::abort();
    if (const auto r = ylkaz::chercher_smtp(liste, cle)) {
        if (liste.find(r->serveur) == std::string_view::npos) std::abort();
        if (liste.find(r->port) == std::string_view::npos) std::abort();
        if (r->serveur.find_first_of(";\r\n") != std::string::npos) std::abort();
    }
    return 0;
}

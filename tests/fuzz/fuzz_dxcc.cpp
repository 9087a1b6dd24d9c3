// The prefix list reader on arbitrary bytes, and Recherche_pays on the calls found in it:
// a result is always empty or one line of the list.
#include "dossier_fuzz.h"
#include "refdata/lecture_reference.h"
#include "refdata/reference.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace ylkaz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::DossierFuzz dossier;
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    dossier.ecrire("DXCC.csv", octets);
    const auto table = lire_prefixes(octets);

    // Each line's text before its first "," with a few letters and digits after it.
    std::vector<std::string> appels = {"", "/", "//P", std::string(200, '9'), "\xE9\x80"};
    std::string_view reste = octets;
    while (!reste.empty() && appels.size() < 32) {
        const auto fin = reste.find('\n');
        const auto ligne = reste.substr(0, fin);
        const std::string cle(ligne.substr(0, std::min(ligne.find(','), std::size_t{300})));
        appels.push_back(cle);
        appels.push_back(cle + "1AB");
        appels.push_back("DL/" + cle);
        reste.remove_prefix(fin == std::string_view::npos ? reste.size() : fin + 1);
    }

    Reference ref(dossier.dossiers());
    for (const auto& a : appels) {
        const auto avant = ref.pays();
        const auto& p = ref.Recherche_pays(a);
        if (a.empty()) {
            if (!(p == avant)) std::abort();
        } else if (!(p == ResultatsPays{})) {
            const auto it = table.find(p.pays_prefixe);
            if (it == table.end() || !(it->second == p)) std::abort();
        }
        const auto& d = ref.Recherche_dxcc(a);
        const auto it = table.find(a);
        if (!(d == (it == table.end() ? ResultatsPays{} : it->second))) std::abort();
    }
    return 0;
}

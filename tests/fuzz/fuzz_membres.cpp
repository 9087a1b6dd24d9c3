// The member database and YL list readers on arbitrary bytes (the member file before the
// first NUL, the YL list after it), looked up with the calls found in them.
#include "dossier_fuzz.h"
#include "refdata/lecture_reference.h"
#include "refdata/reference.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace ylkaz;

namespace {

std::string majuscules(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The text before the first `sep` of each line, as calls to look up.
void cles(std::string_view texte, char sep, std::vector<std::string>& sortie) {
    while (!texte.empty() && sortie.size() < 24) {
        const auto fin = texte.find('\n');
        const auto ligne = texte.substr(0, fin);
        sortie.emplace_back(ligne.substr(0, std::min(ligne.find(sep), std::size_t{300})));
        sortie.push_back(sortie.back() + "/P");
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::DossierFuzz dossier;
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    const auto nul = octets.find('\0');
    const auto membres = octets.substr(0, nul);
    const auto yl = nul == std::string_view::npos ? std::string_view() : octets.substr(nul + 1);
    dossier.ecrire("Fichiers_BD/KAZ_mini_2021.csv", membres);
    dossier.ecrire("Fichiers_BD/BD_YL.csv", yl);

    const auto table_membres = lire_membres(membres);
    const auto table_yl = lire_liste_yl(yl);
    std::vector<std::string> appels = {"", "/", std::string(200, 'F'), "\xFF\xE9/P"};
    cles(membres, ',', appels);
    cles(yl, ';', appels);

    Reference ref(dossier.dossiers());
    for (const auto& a : appels) {
        const auto& m = ref.Recherche_membre(a);
        if (m.sexe.size() > 3) std::abort();
        if (table_yl.count(a)) {
            if (m.sexe != "YL" || m.membre_numero != "NM" || m.membre_nom != table_yl.at(a))
                std::abort();
        } else if (m.membre_indicatif.empty() && m.membre_numero != "NM") {
            std::abort();
        }
        // A call that is its own base call finds its member line as the reader stored it.
        if (!table_yl.count(a) && Indicatif_base(majuscules(a)) == a) {
            const auto it = table_membres.find(a);
            if (it != table_membres.end() && !(m == it->second)) std::abort();
        }
    }
    return 0;
}

// The country file converter on arbitrary bytes: through the pure converter and through
// the program folder, which must agree; the prefix list it writes must read back.
#include "dossier_fuzz.h"
#include "platform/fichiers.h"
#include "refdata/lecture_reference.h"
#include "refdata/reference.h"

#include <cstdint>
#include <cstdlib>

using namespace ylkaz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::DossierFuzz dossier;
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    const auto attendu = convertir_cty(octets);

    dossier.ecrire("CTY_WT.DAT", octets);
    Reference ref(dossier.dossiers());
    if (ref.Conversion_cty() != attendu.liste) std::abort();
    const auto ecrit = lire_fichier(dossier.chemin() / "DXCC.csv");
    if (!ecrit || *ecrit != attendu.prefixes) std::abort();

    // Every key written is found again, with the country of its first line.
    const auto table = lire_prefixes(attendu.prefixes);
    int n = 0;
    for (const auto& [cle, pays] : table) {
        if (++n > 16) break;
        if (!(ref.Recherche_dxcc(cle) == pays)) std::abort();
        ref.Recherche_pays(cle);
    }
    return 0;
}

// Any bytes as an INI file: reading never crashes, and writing a value into what was read
// gives a file from which that value reads back while the other values stay.
#include "app/ini.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, const char*>, 8> CLES = {{
    {"Header", "Org"},
    {"Windows", "F1W"},
    {"VGlobales", "MY_SEXE"},
    {"OP", "email"},
    {"Grille_log", "ColWidth3"},
    {"Langue", "LNG"},
    {"MSG", "Msg_fichier_sauve"},
    {"S", ""},
}};

void verifier(bool vrai) {
    if (!vrai) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    const ylkaz::Ini ini(octets);
    for (const auto& [section, cle] : CLES) {
        (void)ini.lire_texte(section, cle, "??");
        (void)ini.lire_entier(section, cle, 80);
        if (const auto v = ini.valeur(section, cle)) (void)ylkaz::entier_ini(*v);
    }

    const std::string ecrit = ini.octets();
    verifier(ylkaz::Ini(ecrit).octets() == ecrit);

    const std::size_t choix = size > 0 ? data[0] : 0;
    const auto& [section, cle] = CLES[choix % CLES.size()];
    const auto& [autre_section, autre_cle] = CLES[(choix / CLES.size() + 1 + choix) % CLES.size()];
    const auto autre = ini.valeur(autre_section, autre_cle);
    ylkaz::Ini modifie = ini;
    modifie.modifier(section, cle, "nouvelle\r\nvaleur");
    const ylkaz::Ini relu(modifie.octets());
    verifier(relu.valeur(section, cle) == "nouvelle  valeur");
    if (std::string_view(section) != autre_section || std::string_view(cle) != autre_cle)
        verifier(relu.valeur(autre_section, autre_cle) == autre);
    return 0;
}

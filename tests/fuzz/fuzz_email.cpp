// The e-mail syntax check and the header encoding on arbitrary bytes: no crash, and the
// properties the mail transport relies on.
#include "platform/smtp.h"
#include "report/syntaxe_email.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    if (ylkaz::email_valide(texte)) {
        const auto arobase = texte.rfind('@');
        const auto dernier = static_cast<unsigned char>(texte.back());
        const bool alnum = (dernier >= '0' && dernier <= '9') ||
                           (dernier >= 'A' && dernier <= 'Z') || (dernier >= 'a' && dernier <= 'z');
        if (arobase == std::string_view::npos || arobase == 0 || !alnum ||
            texte.find('.', arobase) == std::string_view::npos)
            std::abort();
    }
    for (const auto& ligne : ylkaz::lignes_entete("Subject", texte)) {
        if (ligne.size() > 78) std::abort();
        for (const char c : ligne)
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                std::abort();
    }
    return 0;
}

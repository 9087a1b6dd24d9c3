#pragma once
// Small text helpers shared by the two writers.
#include <string>
#include <string_view>

namespace ylkaz::exporte {

// Up to `n` characters from position `debut` (counted from 1); empty past the end.
inline std::string copie(std::string_view s, std::size_t debut, std::size_t n) {
    if (debut < 1 || debut > s.size()) return {};
    return std::string(s.substr(debut - 1, n));
}

// Without the leading and trailing characters of code 32 and below.
inline std::string_view sans_blancs(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

// The name with its extension (from its last "." after the last separator) replaced by
// `extension`, or `extension` appended when it has none.
inline std::string changer_extension(std::string_view nom, std::string_view extension) {
    const auto separateur = nom.find_last_of("/\\");
    const auto point = nom.rfind('.');
    if (point != std::string_view::npos &&
        (separateur == std::string_view::npos || point > separateur))
        nom = nom.substr(0, point);
    return std::string(nom) + std::string(extension);
}

} // namespace ylkaz::exporte

#pragma once
// The four reference files as text: the country file converted into the prefix list, and
// the readers that turn the prefix list and the member files into lookup tables. No file
// access here, so the readers can be fed any bytes.
#include "refdata/reference.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ylkaz {

struct HachageTexte {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept {
        return std::hash<std::string_view>{}(s);
    }
};

// Key to the first line holding it, so a probe with a string_view allocates nothing.
template <class T>
using TableReference = std::unordered_map<std::string, T, HachageTexte, std::equal_to<>>;

struct ConversionCty {
    std::string prefixes;           // the whole prefix list, CR LF lines
    std::vector<std::string> liste; // the country list's entries
};

ConversionCty convertir_cty(std::string_view cty);

// Keys of the prefix list to their country. An empty key is never stored: an empty
// prefix names no country.
TableReference<ResultatsPays> lire_prefixes(std::string_view contenu);

// Trimmed keys of the member database to their line's fields.
TableReference<ResultatsMembre> lire_membres(std::string_view contenu);

// Keys of the YL list, as stored, to the trimmed name.
TableReference<std::string> lire_liste_yl(std::string_view contenu);

} // namespace ylkaz

#pragma once
// The 112-byte stored form of one log row, and the record of the log file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ylkaz {

struct TEnreg_QSO {
    static constexpr std::size_t TAILLE = 112;
    using Octets = std::array<std::uint8_t, TAILLE>;

    std::string operateur;     // capacity 10
    std::string station;       // capacity 15
    double date = 0.0;         // days since 30/12/1899
    double heure = 0.0;        // fraction of a day
    std::string bande;         // 4
    std::string indicatif;     // 15
    std::string rst_envoye;    // 3
    std::string rst_recu;      // 3
    std::string numero_membre; // 4
    std::string categorie;     // 3
    std::string nom;           // 15
    std::string prefixe_pays;  // 4
    std::string champ_extra;   // 4

    // Texts longer than their field are cut to the capacity; every byte that carries
    // nothing is zero.
    Octets vers_octets() const;
    // Never fails: a length byte above the capacity is taken as the capacity.
    static TEnreg_QSO depuis_octets(const std::uint8_t* octets);
    static TEnreg_QSO depuis_octets(const Octets& o) { return depuis_octets(o.data()); }

    bool operator==(const TEnreg_QSO&) const = default;
};

// Offsets of the fields inside the record.
namespace champ_enreg {
constexpr std::size_t operateur = 0, station = 11, date = 32, heure = 40, bande = 48,
                      indicatif = 53, rst_envoye = 69, rst_recu = 73, numero_membre = 77,
                      categorie = 82, nom = 86, prefixe_pays = 102, champ_extra = 107;
}

} // namespace ylkaz

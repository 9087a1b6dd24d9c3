#include "log/enreg_qso.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ylkaz {
namespace {

void poser_texte(TEnreg_QSO::Octets& o, std::size_t pos, std::size_t capacite,
                 std::string_view texte) {
    const std::size_t n = std::min(texte.size(), capacite);
    o[pos] = static_cast<std::uint8_t>(n);
    std::memcpy(o.data() + pos + 1, texte.data(), n);
}

std::string prendre_texte(const std::uint8_t* o, std::size_t pos, std::size_t capacite) {
    const std::size_t n = std::min<std::size_t>(o[pos], capacite);
    return std::string(reinterpret_cast<const char*>(o + pos + 1), n);
}

void poser_double(TEnreg_QSO::Octets& o, std::size_t pos, double v) {
    auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        o[pos + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double prendre_double(const std::uint8_t* o, std::size_t pos) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(o[pos + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace

TEnreg_QSO::Octets TEnreg_QSO::vers_octets() const {
    Octets o{};
    namespace c = champ_enreg;
    poser_texte(o, c::operateur, 10, operateur);
    poser_texte(o, c::station, 15, station);
    poser_double(o, c::date, date);
    poser_double(o, c::heure, heure);
    poser_texte(o, c::bande, 4, bande);
    poser_texte(o, c::indicatif, 15, indicatif);
    poser_texte(o, c::rst_envoye, 3, rst_envoye);
    poser_texte(o, c::rst_recu, 3, rst_recu);
    poser_texte(o, c::numero_membre, 4, numero_membre);
    poser_texte(o, c::categorie, 3, categorie);
    poser_texte(o, c::nom, 15, nom);
    poser_texte(o, c::prefixe_pays, 4, prefixe_pays);
    poser_texte(o, c::champ_extra, 4, champ_extra);
    return o;
}

TEnreg_QSO TEnreg_QSO::depuis_octets(const std::uint8_t* o) {
    namespace c = champ_enreg;
    TEnreg_QSO e;
    e.operateur = prendre_texte(o, c::operateur, 10);
    e.station = prendre_texte(o, c::station, 15);
    e.date = prendre_double(o, c::date);
    e.heure = prendre_double(o, c::heure);
    e.bande = prendre_texte(o, c::bande, 4);
    e.indicatif = prendre_texte(o, c::indicatif, 15);
    e.rst_envoye = prendre_texte(o, c::rst_envoye, 3);
    e.rst_recu = prendre_texte(o, c::rst_recu, 3);
    e.numero_membre = prendre_texte(o, c::numero_membre, 4);
    e.categorie = prendre_texte(o, c::categorie, 3);
    e.nom = prendre_texte(o, c::nom, 15);
    e.prefixe_pays = prendre_texte(o, c::prefixe_pays, 4);
    e.champ_extra = prendre_texte(o, c::champ_extra, 4);
    return e;
}

} // namespace ylkaz

#pragma once
// A temporary program folder for the lookups, and the country files the tests read.
#include "app/etat.h"
#include "platform/fichiers.h"
#include "refdata/reference.h"
#include "support/dossier_temp.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>

namespace ylkaz {

inline void PrintTo(const ResultatsPays& p, std::ostream* os) {
    *os << '{' << p.pays_prefixe << '|' << p.pays_nom << '|' << p.pays_dxcc << '|'
        << p.pays_continent << '|' << p.pays_adif << '}';
}

inline void PrintTo(const ResultatsMembre& m, std::ostream* os) {
    *os << '{' << m.membre_indicatif << '|' << m.membre_numero << '|' << m.membre_nom << '|'
        << m.sexe << '}';
}

} // namespace ylkaz

namespace ylkaz::test {

// The bytes of one of the small country files of tests/refdata/cty.
inline std::string fixture_cty(const std::string& nom) {
    const auto p = std::filesystem::path(__FILE__).parent_path() / "cty" / nom;
    const auto contenu = lire_fichier(p);
    if (!contenu) throw std::runtime_error("missing fixture " + p.string());
    return *contenu;
}

// The real country file shipped with the program.
inline std::string cty_reel() {
    const auto contenu = lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT");
    if (!contenu) throw std::runtime_error("missing data/CTY_WT.DAT");
    return *contenu;
}

struct DossierProgramme {
    DossierTemp tmp;
    Dossiers dossiers = Dossiers::depuis(tmp.chemin());
    DossierProgramme() { dossiers.creer_sous_dossiers(); }
    // A file of the database folder.
    std::filesystem::path ecrire_bd(const std::string& nom, const std::string& octets) const {
        return tmp.ecrire("Fichiers_BD/" + nom, octets);
    }
};

} // namespace ylkaz::test

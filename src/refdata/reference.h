#pragma once
// Who is a callsign (member databases) and where is it (country file, prefix list).
// The files are read from disk; an index of each is kept and rebuilt when the file's
// size or modification time changes, so the first matching line in file order wins and
// a file replaced on disk is seen by the next lookup.
#include "app/etat.h"

#include <string>
#include <string_view>
#include <vector>

namespace ylkaz {

// The callsign without its portable designators and prefixes (F4ABC/P and DL/F4ABC give
// F4ABC).
std::string Indicatif_base(std::string_view indicatif);

struct ResultatsMembre {
    std::string membre_indicatif;
    std::string membre_numero = "NM";
    std::string membre_nom;
    // "YL", "OM" (or what the member line holds, three characters at most); empty when
    // no line matched. QSO entry writes it into the category column.
    std::string sexe;
};

struct ResultatsPays {
    std::string pays_prefixe;
    std::string pays_nom;
    std::string pays_dxcc; // the country: the entity's primary prefix
    std::string pays_continent;
    std::string pays_adif;
    bool operator==(const ResultatsPays&) const = default;
};

class Reference {
  public:
    explicit Reference(const Dossiers& dossiers);
    ~Reference();
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    // The YL list, then the member database; "NM" when nothing matched.
    const ResultatsMembre& Recherche_membre(std::string_view indicatif);
    const ResultatsMembre& membre() const;

    // Converts CTY_WT.DAT of the program folder into DXCC.csv and returns the country
    // list's entries (each primary prefix once per run of consecutive records). Returns
    // nothing and leaves DXCC.csv as it was when the country file is missing.
    std::vector<std::string> Conversion_cty();

    const ResultatsPays& Recherche_dxcc(std::string_view prefixe);
    // An empty callsign leaves the previous results as they are.
    const ResultatsPays& Recherche_pays(std::string_view indicatif);
    const ResultatsPays& pays() const;

  private:
    struct Impl;
    Impl* impl_;
};

} // namespace ylkaz

#pragma once
// Who is a callsign (member databases) and where is it (country file, prefix list).
// The files are read from disk; an index of each is kept and rebuilt when the file's
// size or modification time changes, so the first matching line in file order wins and
// a file replaced on disk is seen by the next lookup.
#include "app/etat.h"

#include <functional>
#include <memory>
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
    bool operator==(const ResultatsMembre&) const = default;
};

struct ResultatsPays {
    std::string pays_prefixe;
    std::string pays_nom;
    std::string pays_dxcc; // the country: the entity's primary prefix
    std::string pays_continent;
    std::string pays_adif;
    bool operator==(const ResultatsPays&) const = default;
};

// Every lookup throws Erreur when a file that exists cannot be read; odd callsigns never
// make one fail.
class Reference {
  public:
    // Called by Conversion_cty when the country file is missing, to fetch it into the
    // program folder; a fetch that fails leaves it missing, silently.
    using Telechargement = std::function<void()>;

    // The folders are read at each lookup, so they must outlive this object.
    explicit Reference(const Dossiers& dossiers, Telechargement telecharger_cty = {});
    Reference(Dossiers&&, Telechargement = {}) = delete;
    ~Reference();
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    // The YL list, then the member database; "NM" when nothing matched. A call found in
    // the YL list has no member number: "NM", and an empty membre_indicatif.
    const ResultatsMembre& Recherche_membre(std::string_view indicatif);
    const ResultatsMembre& membre() const;

    // Converts CTY_WT.DAT of the program folder into DXCC.csv and returns the country
    // list's entries (each primary prefix once per run of consecutive records). Returns
    // nothing and leaves DXCC.csv as it was when the country file is missing.
    std::vector<std::string> Conversion_cty();

    const ResultatsPays& Recherche_dxcc(std::string_view prefixe);
    // An empty callsign leaves the previous results as they are; one that begins with "/"
    // has no country.
    const ResultatsPays& Recherche_pays(std::string_view indicatif);
    const ResultatsPays& pays() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ylkaz

#pragma once
// Fetching the member list and the YL list again from the organiser's web server. The
// station form runs it at start: without asking on a first start, otherwise when the
// operator agrees.
#include "app/catalogue.h"
#include "app/etat.h"

#include <optional>
#include <string>

namespace ylkaz {

// What the update leaves on the station form's labels.
struct ResultatMiseAJour {
    // "Date MAJ fichier : " and the date of the last file fetched; nothing when no fetch
    // succeeded.
    std::optional<std::string> Label_Date_BD;
    // The connection state or the end of the update.
    std::string Label_info_Internet;
    // The outcome in French for the operator, whatever language is applied: what was
    // fetched, what failed and why.
    std::string compte_rendu;
};

class MiseAJourBD {
  public:
    virtual ~MiseAJourBD() = default;
    // Synchronous; a failed fetch leaves the local file as it was and throws nothing.
    // The files go into the folders given; the texts come from the catalogue.
    virtual ResultatMiseAJour Mettre_a_jour(const Dossiers& dossiers,
                                            const Catalogue& catalogue) = 0;
};

// For a program that never fetches: fetches nothing and says so.
class MiseAJourAbsente final : public MiseAJourBD {
  public:
    ResultatMiseAJour Mettre_a_jour(const Dossiers&, const Catalogue&) override;
};

} // namespace ylkaz

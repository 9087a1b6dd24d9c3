#pragma once
// The member list, the YL list and the country file fetched again from their web servers
// (named in Serveurs.ini), each into its local file, replaced only by a whole transfer.
#include "app/catalogue.h"
#include "app/etat.h"
#include "platform/connexion.h"
#include "platform/https.h"
#include "refdata/mise_a_jour_bd.h"
#include "refdata/reference.h"

#include <functional>
#include <optional>
#include <string>

namespace ylkaz {

inline constexpr const char* CHEMIN_WEB_MEMBRES = "/Dizidevi/KAZ_mini_2021.csv";
inline constexpr const char* CHEMIN_WEB_YL = "/Dizidevi/YL_KAZ/BD_YL.csv";
inline constexpr const char* CHEMIN_WEB_CTY = "/cty/cty_wt.dat";

// What one database update did.
struct BilanMiseAJour : ResultatMiseAJour {
    bool membres = false; // the member list was fetched
    bool yl = false;      // the YL list was fetched
};

class MiseAJourWeb final : public MiseAJourBD {
  public:
    // `delais` gives the time-outs; the certificate file comes from Serveurs.ini.
    explicit MiseAJourWeb(const Connexion& connexion, OptionsHttps delais = {});

    // Without a connection or without the organiser's address nothing is fetched and no
    // file is touched. The YL list is fetched whatever became of the member list.
    BilanMiseAJour Executer(const Dossiers& dossiers, const Catalogue& catalogue) const;
    ResultatMiseAJour Mettre_a_jour(const Dossiers& dossiers, const Catalogue& catalogue) override {
        return Executer(dossiers, catalogue);
    }

  private:
    const Connexion& connexion_;
    OptionsHttps delais_;
};

// Fetches the country file into the program folder when no file of that name, in any
// letter case, is there; `bip` (the default system sound) on success. There is no
// connection test first and a failure shows nothing: the file stays missing. Returns
// whether a file was fetched. Never throws.
bool Telecharger_cty(const Dossiers& dossiers, const std::function<void()>& bip,
                     const OptionsHttps& delais = {});

// Telecharger_cty as the hook Reference::Conversion_cty calls when the country file is
// missing. The folders must outlive the hook.
Reference::Telechargement crochet_cty(const Dossiers& dossiers, std::function<void()> bip,
                                      OptionsHttps delais = {});

} // namespace ylkaz

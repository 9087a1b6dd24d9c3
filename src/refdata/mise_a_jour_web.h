#pragma once
// The member list, the YL list and the country file fetched again from their web servers
// (named in Serveurs.ini), each into its local file, replaced only by a whole transfer.
#include "app/catalogue.h"
#include "app/etat.h"
#include "platform/connexion.h"
#include "platform/https.h"
#include "refdata/reference.h"

#include <functional>
#include <optional>
#include <string>

namespace ylkaz {

inline constexpr const char* CHEMIN_WEB_MEMBRES = "/Dizidevi/KAZ_mini_2021.csv";
inline constexpr const char* CHEMIN_WEB_YL = "/Dizidevi/YL_KAZ/BD_YL.csv";
inline constexpr const char* CHEMIN_WEB_CTY = "/cty/cty_wt.dat";

// What one database update did.
struct BilanMiseAJour {
    bool membres = false; // the member list was fetched
    bool yl = false;      // the YL list was fetched
    // "Date MAJ fichier : " and the date of the last file fetched; nothing when none was.
    std::optional<std::string> Label_Date_BD;
    std::string Label_info_Internet;
    // The outcome in French for the operator, whatever language is applied: what was
    // fetched, what failed and why.
    std::string compte_rendu;
};

class MiseAJourWeb {
  public:
    // The folders and the catalogue are read at each update, so they must outlive this
    // object. `delais` gives the time-outs; its certificate file comes from Serveurs.ini.
    MiseAJourWeb(const Dossiers& dossiers, const Catalogue& catalogue, const Connexion& connexion,
                 OptionsHttps delais = {});

    // Synchronous. Without a connection or without the organiser's address nothing is
    // fetched and no file is touched. The YL list is fetched whatever became of the
    // member list. Never throws.
    BilanMiseAJour Executer() const;

  private:
    const Dossiers& dossiers_;
    const Catalogue& catalogue_;
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

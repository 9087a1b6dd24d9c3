#pragma once
// Applying a language: the texts of one of the eight language files put into the
// windows' captions, hints and labels, the log table's title row and the messages.
#include "app/catalogue.h"
#include "app/etat.h"
#include "app/form_main.h"
#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"
#include "log/grille_log.h"
#include "report/form_infocr.h"

#include <array>
#include <functional>
#include <string>

namespace ylkaz {

// The file of each language index, 1 to 8, in the folder CHEMIN_LNG.
inline constexpr std::array<const char*, 8> FICHIERS_LANGUE{
    "F_F_YL_KAZ.ini",  "F_EN_YL_KAZ.ini", "F_SP_YL_KAZ.ini",  "F_I_YL_KAZ.ini",
    "F_DL_YL_KAZ.ini", "F_CZ_YL_KAZ.ini", "F_CT_YL_KAZC.ini", "F_EN_YL_KAZC.ini",
};

// The file of language LNG. Any other index, which only an edited settings file can
// hold, reads the French file rather than leaving every text at "??".
const char* fichier_langue(int LNG);

// What a language is put into, owned elsewhere.
struct CiblesLangue {
    const Dossiers& dossiers;
    Catalogue& catalogue; // with the index LNG
    ylkaz::Form_main& Form_main;
    ylkaz::Form_info& Form_info;
    ylkaz::Form_choix_fichier& Form_choix_fichier;
    ylkaz::Form_infoCR& Form_infoCR;
    ylkaz::Grille_log& Grille_log;
    // The main window's time-mode label; skipped when empty.
    std::function<void(const std::string&)> Label_temps;
};

// Reads the file of catalogue.LNG, found in CHEMIN_LNG whatever the case of its name,
// and puts each text into its target in the file's reading order. A missing file,
// section or key gives the text's default ("??", "???" in INFO_CR, the catalogue's own
// for two messages) without a word; a key with nothing after "=" gives an empty text.
// The time-mode label receives the real-time text whatever the mode.
void Charge_langue(const CiblesLangue& c);

} // namespace ylkaz

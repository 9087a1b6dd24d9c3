#pragma once
// The settings file YL_KAZ.ini of the program folder: loaded once at start-up into the
// station record, the log file's place, the language and the four windows; written back
// from them by the station form's OK, by opening another log and by "Quitter".
#include "app/etat.h"
#include "app/form_main.h"
#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"
#include "log/grille_log.h"
#include "report/form_infocr.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ylkaz {

// Everything the settings file reads into and writes from.
struct Reglages {
    StationRecord& station;
    const Dossiers& dossiers;
    EmplacementLog& emplacement;
    int& LNG;
    ylkaz::Form_main& Form_main;
    ylkaz::Form_info& Form_info;
    ylkaz::Form_choix_fichier& Form_choix_fichier;
    ylkaz::Form_infoCR& Form_infoCR;
    ylkaz::Grille_log& Grille_log;
    // Applies the language of LNG; the last step of loading. May be empty.
    std::function<void()> Charge_langue;
};

// CHEMIN_PROG + "YL_KAZ.ini", or the file of that name in another case when there is one.
std::filesystem::path fichier_reglages(const Dossiers& dossiers);

// The Header/Org value: "YL_KAZ, Version: " + version + "--- XX0XX / KAZ 17".
std::string texte_org();

// A missing file, section or key gives the default; nothing is reported.
void Charge_ini(const Reglages& r);

// Every value reaches the file as it is written. Throws Erreur "Impossible d'écrire dans
// <path>" at the first value that cannot be written; the rest is not written then.
void Sauve_ini(const Reglages& r);

} // namespace ylkaz

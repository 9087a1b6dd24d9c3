#pragma once
// The language index and the messages a language file fills, refilled each time a
// language is applied. Until then every message holds its built-in default.
#include "platform/cp1252.h"

#include <string>

namespace ylkaz {

struct Catalogue {
    int LNG = 1;
    std::string msg_tps_reel = "??";
    std::string msg_tps_differe = "??";
    std::string msg_QTR = "??";
    std::string msg_info_internet = "??";
    std::string Msg_fichier_sauve = cp1252("créé");
    std::string MSg_info_manquante = "             Infos manquantes";
    std::string Message_MAJ_reussie = "??";
};

} // namespace ylkaz

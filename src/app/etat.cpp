#include "app/etat.h"

#include "platform/fichiers.h"

namespace ylkaz {

Dossiers Dossiers::depuis(const std::filesystem::path& dossier_programme) {
    Dossiers d;
    d.CHEMIN_PROG = nom_stocke(dossier_programme);
    if (d.CHEMIN_PROG.empty() || d.CHEMIN_PROG.back() != '/') d.CHEMIN_PROG += '/';
    d.CHEMIN_FILES = d.CHEMIN_PROG + "Files";
    d.CHEMIN_LNG = d.CHEMIN_PROG + "Lng";
    d.CHEMIN_BD = d.CHEMIN_PROG + "Fichiers_BD";
    return d;
}

void Dossiers::creer_sous_dossiers() const {
    std::error_code ec;
    for (const auto* d : {&CHEMIN_FILES, &CHEMIN_LNG, &CHEMIN_BD})
        std::filesystem::create_directories(chemin(*d), ec);
}

} // namespace ylkaz

#include "platform/dossier_programme.h"
#include "support/dossier_temp.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace ylkaz;

TEST(DossierProgramme, IsTheExecutablesFolderNotTheWorkingDirectory) {
    const auto exe = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const auto avant = std::filesystem::current_path();
    std::filesystem::current_path("/");
    EXPECT_EQ(dossier_executable(), exe);
    std::filesystem::current_path(avant);
    test::DossierTemp d;
    EXPECT_EQ(choisir_dossier_programme(d.chemin(), d / "ailleurs"), d.chemin())
        << "a writable program folder is used as it is";
}

TEST(DossierProgramme, SeedingCopiesMissingDataOnlyAndNeverOverwrites) {
    test::DossierTemp installe, utilisateur;
    installe.ecrire("CTY_WT.DAT", "pays");
    installe.ecrire("Lng/F_F_YL_KAZ.ini", "fr");
    installe.ecrire("YL_KAZ", "programme");
    std::filesystem::permissions(installe / "YL_KAZ", std::filesystem::perms::owner_all);
    utilisateur.ecrire("CTY_WT.DAT", "plus recent");

    semer_dossier(installe.chemin(), utilisateur.chemin());
    EXPECT_EQ(utilisateur.lire("CTY_WT.DAT"), "plus recent");
    EXPECT_EQ(utilisateur.lire("Lng/F_F_YL_KAZ.ini"), "fr");
    EXPECT_FALSE(std::filesystem::exists(utilisateur / "YL_KAZ")) << "executables stay put";
}

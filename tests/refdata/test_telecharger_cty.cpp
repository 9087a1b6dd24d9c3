#include "refdata/mise_a_jour_web.h"

#include "refdata/serveur_bd.h"

#include <gtest/gtest.h>

using namespace ylkaz;
using test::empreinte;

namespace {

const std::string CTY = "/cty/cty_wt.dat";

class TelechargementCty : public testing::Test {
  protected:
    test::BancServeur banc;
    int bips = 0;

    Reference::Telechargement crochet() {
        return crochet_cty(
            banc.prog.dossiers, [this] { ++bips; }, banc.delais);
    }
    std::vector<std::string> convertir() {
        Reference ref(banc.prog.dossiers, crochet());
        return ref.Conversion_cty();
    }
};

TEST_F(TelechargementCty, MissingFileFetchedThenConverted) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(CTY, test::cty_reel());
    const auto entrees = convertir();
    EXPECT_EQ(banc.prog.tmp.lire("cty_wt.dat"), test::cty_reel());
    EXPECT_EQ(bips, 1);
    EXPECT_EQ(banc.journal(), CTY + " Cache-Control=no-cache\n");
    // The same country list and prefix list as from the shipped file.
    test::DossierProgramme temoin;
    temoin.tmp.ecrire("CTY_WT.DAT", test::cty_reel());
    Reference ref(temoin.dossiers);
    EXPECT_EQ(entrees, ref.Conversion_cty());
    EXPECT_FALSE(entrees.empty());
    EXPECT_EQ(banc.prog.tmp.lire("DXCC.csv"), temoin.tmp.lire("DXCC.csv"));
    Reference apres(banc.prog.dossiers);
    EXPECT_EQ(apres.Recherche_pays("F4ABC").pays_dxcc, "F");
}

TEST_F(TelechargementCty, ExistingFileNeverFetchedAgainWhateverItsCase) {
    banc.demarrer();
    banc.ecrire_serveurs();
    banc.publier(CTY, test::cty_reel());
    const std::string vieux = test::fixture_cty("overrides.dat");
    for (const std::string nom : {"CTY_WT.DAT", "cty_wt.dat", "Cty_Wt.Dat"}) {
        SCOPED_TRACE(nom);
        const auto p = banc.prog.tmp.ecrire(nom, vieux);
        const auto avant = empreinte(p);
        EXPECT_FALSE(convertir().empty());
        EXPECT_EQ(empreinte(p), avant);
        std::filesystem::remove(p);
    }
    EXPECT_EQ(bips, 0);
    EXPECT_EQ(banc.journal(), "");
}

TEST_F(TelechargementCty, FailedFetchLeavesItMissingSilently) {
    banc.demarrer({"--coupe", CTY});
    banc.ecrire_serveurs();
    banc.prog.tmp.ecrire("DXCC.csv", "F,France,F,EU,227\r\n");
    const auto avant = banc.noms(banc.prog.tmp.chemin());
    EXPECT_TRUE(convertir().empty());
    EXPECT_EQ(bips, 0);
    // Nothing left behind, the old prefix list kept.
    EXPECT_EQ(banc.noms(banc.prog.tmp.chemin()), avant);
    EXPECT_EQ(banc.prog.tmp.lire("DXCC.csv"), "F,France,F,EU,227\r\n");
    // The next start tries again.
    EXPECT_TRUE(convertir().empty());
    EXPECT_EQ(banc.journal(),
              CTY + " Cache-Control=no-cache\n" + CTY + " Cache-Control=no-cache\n");
}

TEST_F(TelechargementCty, NotFoundAndNoServerFetchNothing) {
    banc.demarrer();
    banc.ecrire_serveurs(); // the server has no country file: 404
    EXPECT_FALSE(Telecharger_cty(
        banc.prog.dossiers, [this] { ++bips; }, banc.delais));
    banc.ecrire_serveurs(banc.adresse(), "", banc.certificat().string());
    banc.publier(CTY, test::cty_reel());
    EXPECT_FALSE(Telecharger_cty(
        banc.prog.dossiers, [this] { ++bips; }, banc.delais));
    EXPECT_EQ(bips, 0);
    EXPECT_FALSE(std::filesystem::exists(banc.prog.tmp / "cty_wt.dat"));
    EXPECT_EQ(banc.journal(), CTY + " Cache-Control=no-cache\n");
}

} // namespace

#include "platform/fichiers.h"
#include "refdata/dossier_reference.h"
#include "refdata/reference.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace ylkaz;
using ylkaz::test::DossierProgramme;
namespace fs = std::filesystem;

namespace {

// Each lookup must see the file as it is on disk now, however it was changed.
class IndexMembres : public ::testing::Test {
  protected:
    fs::path ecrire(const std::string& octets) { return d.ecrire_bd("KAZ_mini_2021.csv", octets); }
    std::string numero(const char* call) { return ref.Recherche_membre(call).membre_numero; }
    DossierProgramme d;
    Reference ref{d.dossiers};
};

TEST_F(IndexMembres, SameSizeWithANewModificationTime) {
    const auto p = ecrire("F4ZZA,123,Alice,YL\r\n");
    const auto avant = fs::last_write_time(p);
    ASSERT_EQ(numero("F4ZZA"), "123");
    ecrire("F4ZZA,456,Alice,YL\r\n");
    fs::last_write_time(p, avant + std::chrono::seconds(10));
    EXPECT_EQ(numero("F4ZZA"), "456");
}

TEST_F(IndexMembres, SameSizeWithTheOldModificationTimeRestored) {
    const auto p = ecrire("F4ZZA,123,Alice,YL\r\n");
    const auto avant = fs::last_write_time(p) - std::chrono::hours(1);
    fs::last_write_time(p, avant);
    // Old enough for its status to be trusted: only the change time can tell.
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    ASSERT_EQ(numero("F4ZZA"), "123");
    ecrire("F4ZZA,456,Alice,YL\r\n");
    fs::last_write_time(p, avant);
    EXPECT_EQ(numero("F4ZZA"), "456");
}

TEST_F(IndexMembres, RewrittenAtOnceInPlace) {
    // Written within the same tick of the file system's clock as the lookup before.
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(100 + i);
        ecrire("F4ZZA," + n + ",Alice,YL\r\n");
        ASSERT_EQ(numero("F4ZZA"), n);
    }
}

TEST_F(IndexMembres, DifferentSize) {
    ecrire("F4ZZA,123,Alice,YL\r\n");
    ASSERT_EQ(numero("F4ZZA"), "123");
    ecrire("F4ZZB,9,Bob,OM\r\nF4ZZA,12345,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "12345");
    EXPECT_EQ(numero("F4ZZB"), "9");
}

TEST_F(IndexMembres, ReplacedByRename) {
    const auto p = ecrire("F4ZZA,123,Alice,YL\r\n");
    ASSERT_EQ(numero("F4ZZA"), "123");
    remplacer_fichier(p, "F4ZZA,321,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "321");
}

TEST_F(IndexMembres, DisappearsAndAppears) {
    const auto p = ecrire("F4ZZA,123,Alice,YL\r\n");
    ASSERT_EQ(numero("F4ZZA"), "123");
    fs::remove(p);
    EXPECT_EQ(numero("F4ZZA"), "NM");
    EXPECT_EQ(numero("F4ZZA"), "NM");
    ecrire("F4ZZA,124,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "124");
}

TEST_F(IndexMembres, AppearsUnderAnotherSpellingThenUnderItsOwn) {
    ASSERT_EQ(numero("F4ZZA"), "NM");
    d.ecrire_bd("kaz_mini_2021.CSV", "F4ZZA,1,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "1");
    d.ecrire_bd("kaz_mini_2021.CSV", "F4ZZA,22,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "22");
    // Its own spelling wins once it exists.
    ecrire("F4ZZA,3,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "3");
    fs::remove(d.tmp / "Fichiers_BD/KAZ_mini_2021.csv");
    EXPECT_EQ(numero("F4ZZA"), "22");
    fs::rename(d.tmp / "Fichiers_BD/kaz_mini_2021.CSV", d.tmp / "Fichiers_BD/KAZ_MINI_2021.CSV");
    EXPECT_EQ(numero("F4ZZA"), "22");
}

TEST_F(IndexMembres, TheDatabaseFolderAppears) {
    fs::remove_all(d.tmp / "Fichiers_BD");
    ASSERT_EQ(numero("F4ZZA"), "NM");
    ecrire("F4ZZA,5,Alice,YL\r\n");
    EXPECT_EQ(numero("F4ZZA"), "5");
}

TEST_F(IndexMembres, YlListToo) {
    const auto p = d.ecrire_bd("BD_YL.csv", "F4ZZA;Alice\r\n");
    ecrire("F4ZZA,123,Alice,YL\r\n");
    ASSERT_EQ(ref.Recherche_membre("F4ZZA").membre_nom, "Alice");
    d.ecrire_bd("BD_YL.csv", "F4ZZA;Alina\r\n");
    EXPECT_EQ(ref.Recherche_membre("F4ZZA").membre_nom, "Alina");
    fs::remove(p);
    EXPECT_EQ(ref.Recherche_membre("F4ZZA").membre_numero, "123");
}

TEST(IndexPrefixes, ThePrefixListIsReadAgainWhenItChanges) {
    DossierProgramme d;
    Reference ref(d.dossiers);
    const auto p = d.tmp.ecrire("DXCC.csv", "F,France,F,EU,227\r\n");
    ASSERT_EQ(ref.Recherche_pays("F4ABC").pays_adif, "227");
    d.tmp.ecrire("DXCC.csv", "F,France,F,EU,999\r\n");
    fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(5));
    EXPECT_EQ(ref.Recherche_pays("F4ABC").pays_adif, "999");
    EXPECT_EQ(ref.Recherche_dxcc("F").pays_adif, "999");
    fs::remove(p);
    EXPECT_EQ(ref.Recherche_pays("F4ABC"), ResultatsPays{});
    d.tmp.ecrire("dxcc.CSV", "F4,France,F,EU,1\r\n");
    EXPECT_EQ(ref.Recherche_pays("F4ABC").pays_prefixe, "F4");
}

TEST(IndexPrefixes, FoldersAreReadAtEachLookup) {
    DossierProgramme a, b;
    a.tmp.ecrire("DXCC.csv", "F,France,F,EU,227\r\n");
    b.tmp.ecrire("DXCC.csv", "F,Other,F,EU,1\r\n");
    Dossiers dossiers = a.dossiers;
    Reference ref(dossiers);
    ASSERT_EQ(ref.Recherche_dxcc("F").pays_nom, "France");
    dossiers = b.dossiers;
    EXPECT_EQ(ref.Recherche_dxcc("F").pays_nom, "Other");
}

} // namespace

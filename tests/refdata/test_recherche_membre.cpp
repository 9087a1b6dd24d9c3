#include "refdata/dossier_reference.h"
#include "refdata/reference.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace ylkaz;
using ylkaz::test::DossierProgramme;

namespace {

ResultatsMembre membre(const char* indicatif, const char* numero, const char* nom,
                       const char* sexe) {
    return {indicatif, numero, nom, sexe};
}

const ResultatsMembre NM = membre("", "NM", "", "");

class Membres : public ::testing::Test {
  protected:
    void SetUp() override {
        d.ecrire_bd("KAZ_mini_2021.csv", "F4ZZA,123,Alice,YL\r\n"
                                         " F4ZZC ,  45 , Claire Dupont ,  OM  \r\n"
                                         "F4ZZD,77,Dan,OM\r\n"
                                         "F4ZZE,88,Estelle\r\n"
                                         "F4ZZF,9,Fanny,YLX-extra\r\n"
                                         "F4ZZG,10,Gina,YL,extra\r\n"
                                         "F4ZZH,1,First,YL\r\n"
                                         "F4ZZH,2,Second,OM\r\n"
                                         "f4zzi,3,Lower,OM\r\n"
                                         "F4ZZJ,4,Jeanne,YL\r\n"
                                         "F4ZZL,5,Louise,YL\r\n"
                                         "F4ZZM,12,J\xE9r\xF4me,OM\r\n"
                                         "F4ZZN,6\r\n"
                                         "F4ZZO\r\n"
                                         ",7,Keyless,YL\r\n"
                                         "nocomma\r\n"
                                         "\r\n");
        d.ecrire_bd("BD_YL.csv", "F4ZZB/P;Berthe\r\n"
                                 "F4ZZD;  Denise  \r\n"
                                 "f4zzj;lower Jeanne\r\n"
                                 "F4ZZK ;Karine\r\n"
                                 "F4ZZL\r\n"
                                 ";Nobody\r\n"
                                 "nosemicolon\r\n");
    }
    DossierProgramme d;
    Reference ref{d.dossiers};
};

TEST_F(Membres, PortableCallMatchesTheMemberLineOfItsBaseCall) {
    const auto alice = membre("F4ZZA", "123", "Alice", "YL");
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), alice);
    EXPECT_EQ(ref.Recherche_membre("F4ZZA/P"), alice);
    EXPECT_EQ(ref.Recherche_membre("DL/F4ZZA"), alice);
    EXPECT_EQ(ref.Recherche_membre("DL/F4ZZA/QRP"), alice);
    EXPECT_EQ(ref.membre(), alice);
}

TEST_F(Membres, YlListMatchesOnlyTheCallExactlyAsPassed) {
    EXPECT_EQ(ref.Recherche_membre("F4ZZB/P"), membre("", "NM", "Berthe", "YL"));
    // Reduced to F4ZZB, the call is in neither file.
    EXPECT_EQ(ref.Recherche_membre("F4ZZB"), NM);
    // Keys are not trimmed, names are.
    EXPECT_EQ(ref.Recherche_membre("F4ZZK"), NM);
    EXPECT_EQ(ref.Recherche_membre("F4ZZK ").membre_nom, "Karine");
    // Not upper-cased for the YL list; upper-cased before the member database.
    EXPECT_EQ(ref.Recherche_membre("f4zzj"), membre("", "NM", "lower Jeanne", "YL"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZJ"), membre("F4ZZJ", "4", "Jeanne", "YL"));
}

TEST_F(Membres, AYlListMatchDoesNotReadTheMemberDatabase) {
    EXPECT_EQ(ref.Recherche_membre("F4ZZD"), membre("", "NM", "Denise", "YL"));
    // ... nor keeps the member number of the call looked up before.
    ref.Recherche_membre("F4ZZA");
    EXPECT_EQ(ref.Recherche_membre("F4ZZB/P"), membre("", "NM", "Berthe", "YL"));
    // A YL line without ";" has an empty key and matches nothing.
    EXPECT_EQ(ref.Recherche_membre("F4ZZL"), membre("F4ZZL", "5", "Louise", "YL"));
}

TEST_F(Membres, MemberKeysAreComparedTrimmedAndKeptAsStored) {
    EXPECT_EQ(ref.Recherche_membre("F4ZZC"), membre(" F4ZZC ", "45", "Claire Dupont", "OM"));
}

TEST_F(Membres, ShortLinesTakeTheRestAsTheSex) {
    // Three fields: after the second "," the rest is the sex field.
    EXPECT_EQ(ref.Recherche_membre("F4ZZE"), membre("F4ZZE", "88", "", "Est"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZN"), membre("F4ZZN", "", "", "6"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZO"), NM);
    EXPECT_EQ(ref.Recherche_membre("F4ZZF").sexe, "YLX");
    EXPECT_EQ(ref.Recherche_membre("F4ZZG").sexe, "YL,");
}

TEST_F(Membres, FirstLineWinsAndComparisonsAreExact) {
    EXPECT_EQ(ref.Recherche_membre("F4ZZH"), membre("F4ZZH", "1", "First", "YL"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZI"), NM);
    EXPECT_EQ(ref.Recherche_membre("F4ZZ"), NM);
    EXPECT_EQ(ref.Recherche_membre("F4ZZAA"), NM);
    EXPECT_EQ(ref.Recherche_membre("F4ZZM").membre_nom, "J\xE9r\xF4me");
}

TEST_F(Membres, TheLastResultCanBeLookedUpAgain) {
    ref.Recherche_membre("F4ZZC");
    EXPECT_EQ(ref.Recherche_membre(ref.membre().membre_indicatif).membre_numero, "45");
    ref.Recherche_membre("F4ZZB/P");
    EXPECT_EQ(ref.Recherche_membre(ref.membre().membre_nom), NM);
}

TEST_F(Membres, NotFoundAfterAMatchResetsEveryResult) {
    ref.Recherche_membre("F4ZZA");
    EXPECT_EQ(ref.Recherche_membre("F4QQQ"), NM);
}

TEST_F(Membres, KeylessLinesMatchNoCall) {
    // Empty text, a base call reduced to nothing, blanks: never a member.
    for (const char* call : {"", "F4ZZA/", "/", " ", "\r"}) {
        ref.Recherche_membre("F4ZZA");
        EXPECT_EQ(ref.Recherche_membre(call), NM) << call;
    }
}

TEST_F(Membres, OddInputNeverFails) {
    EXPECT_EQ(ref.Recherche_membre(std::string(200, 'F')), NM);
    EXPECT_EQ(ref.Recherche_membre(std::string(200, '/')), NM);
    EXPECT_EQ(ref.Recherche_membre("\xE9\xFF\x80"), NM);
    // NUL is trimmed like any code below 33.
    EXPECT_EQ(ref.Recherche_membre(std::string("F4ZZA\0", 6)).membre_numero, "123");
}

TEST(MembresFichiers, MissingFilesGiveNonMember) {
    DossierProgramme d;
    Reference ref(d.dossiers);
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), NM);
    // Only the YL list.
    d.ecrire_bd("BD_YL.csv", "F4ZZA;Alice\r\n");
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), membre("", "NM", "Alice", "YL"));
    // Only the member database.
    std::filesystem::remove(d.tmp / "Fichiers_BD/BD_YL.csv");
    d.ecrire_bd("KAZ_mini_2021.csv", "F4ZZA,1,Alice,YL\r\n");
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), membre("F4ZZA", "1", "Alice", "YL"));
    // No database folder at all.
    std::filesystem::remove_all(d.tmp / "Fichiers_BD");
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), NM);
}

TEST(MembresFichiers, AnythingButAFileUnderTheNameIsNoFile) {
    DossierProgramme d;
    ASSERT_EQ(::mkfifo((d.tmp / "Fichiers_BD/KAZ_mini_2021.csv").c_str(), 0644), 0);
    std::filesystem::create_directory(d.tmp / "Fichiers_BD/BD_YL.csv");
    Reference ref(d.dossiers);
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), NM);
}

TEST(MembresFichiers, NamesAreFoundWithoutRegardToCaseAndLineEndsVary) {
    DossierProgramme d;
    d.ecrire_bd("kaz_MINI_2021.CSV", "F4ZZA,1,Alice,YL\nF4ZZB,2,Bob,OM\rF4ZZC,3,Carl,OM");
    d.ecrire_bd("bd_yl.CSV", "F4ZZY;Yvonne\n");
    Reference ref(d.dossiers);
    EXPECT_EQ(ref.Recherche_membre("F4ZZA"), membre("F4ZZA", "1", "Alice", "YL"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZB"), membre("F4ZZB", "2", "Bob", "OM"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZC"), membre("F4ZZC", "3", "Carl", "OM"));
    EXPECT_EQ(ref.Recherche_membre("F4ZZY"), membre("", "NM", "Yvonne", "YL"));
}

} // namespace

#include "refdata/dossier_reference.h"
#include "refdata/reference.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ylkaz;
using ylkaz::test::DossierProgramme;

namespace {

ResultatsPays pays(const char* prefixe, const char* nom, const char* dxcc, const char* continent,
                   const char* adif) {
    return {prefixe, nom, dxcc, continent, adif};
}

// The program folder with the real country file converted, as after start-up.
class PaysReel : public ::testing::Test {
  protected:
    void SetUp() override {
        d.tmp.ecrire("CTY_WT.DAT", test::cty_reel());
        ASSERT_FALSE(ref.Conversion_cty().empty());
    }
    DossierProgramme d;
    Reference ref{d.dossiers};
};

TEST_F(PaysReel, KnownCalls) {
    const auto france = pays("F", "France", "F", "EU", "227");
    EXPECT_EQ(ref.Recherche_pays("F4ABC"), france);
    EXPECT_EQ(ref.Recherche_pays("F4ABC/DL"), france);
    const auto allemagne = pays("DL", "Fed. Rep. of Germany", "DL", "EU", "230");
    EXPECT_EQ(ref.Recherche_pays("DL1ABC"), allemagne);
    EXPECT_EQ(ref.Recherche_pays("DL/F4ABC"), allemagne);
    EXPECT_EQ(ref.Recherche_pays("9A1AA"), pays("9A", "Croatia", "9A", "EU", "497"));
    EXPECT_EQ(ref.Recherche_pays("3DA0XX"), pays("3DA", "Kingdom of Eswatini", "3DA", "AF", "468"));
    EXPECT_EQ(ref.Recherche_pays("VK9XX"), pays("VK9X", "Christmas Island", "VK9X", "OC", "35"));
    // B1 follows the note line "# Bei Jing" in the country file.
    EXPECT_EQ(ref.Recherche_pays("B1ABC"), pays("B1", "China", "BY", "AS", "318"));
    EXPECT_EQ(ref.Recherche_dxcc("9M8"), pays("9M8", "East Malaysia", "9M6", "OC", "46"));
    // A call starting with a digit is tried up to its next digit only.
    EXPECT_EQ(ref.Recherche_pays("9M8AB").pays_prefixe, "9M");
    // A country name holding a comma keeps its country and continent.
    EXPECT_EQ(ref.Recherche_pays("FT4JA"),
              pays("FT4J", "Juan de Nova, Europa", "FT/j", "AF", "124"));
    EXPECT_EQ(ref.Recherche_pays("f4abc"), france);
    EXPECT_EQ(ref.pays(), france);
}

TEST_F(PaysReel, TheLastResultCanBeLookedUpAgain) {
    ref.Recherche_pays("B1ABC");
    EXPECT_EQ(ref.Recherche_pays(ref.pays().pays_prefixe).pays_dxcc, "BY");
    EXPECT_EQ(ref.Recherche_dxcc(ref.pays().pays_dxcc).pays_prefixe, "BY");
}

TEST_F(PaysReel, EmptyCallKeepsThePreviousCountry) {
    ref.Recherche_pays("DL1ABC");
    EXPECT_EQ(ref.Recherche_pays("").pays_dxcc, "DL");
    EXPECT_EQ(ref.pays().pays_nom, "Fed. Rep. of Germany");
}

TEST_F(PaysReel, CallBeginningWithSlashHasNoCountry) {
    for (const char* call : {"/", "//", "/F4ABC", "/P"}) {
        ref.Recherche_pays("F4ABC");
        EXPECT_EQ(ref.Recherche_pays(call), ResultatsPays{}) << call;
    }
}

TEST_F(PaysReel, OddInputNeverFails) {
    // Long calls and bytes above 127 go through the same four candidates.
    EXPECT_EQ(ref.Recherche_pays("F" + std::string(199, 'A')).pays_dxcc, "F");
    EXPECT_EQ(ref.Recherche_pays("F4\xC9\xC9").pays_dxcc, "F");
    EXPECT_EQ(ref.Recherche_pays(std::string(200, '9')).pays_dxcc, "");
    EXPECT_EQ(ref.Recherche_pays(std::string("\0\0", 2)), ResultatsPays{});
    EXPECT_EQ(ref.Recherche_pays("\xFF\x80/").pays_dxcc, "");
    EXPECT_EQ(ref.Recherche_pays(" ").pays_dxcc, "");
    EXPECT_EQ(ref.Recherche_dxcc(""), ResultatsPays{});
    EXPECT_EQ(ref.Recherche_dxcc(std::string(200, 'A')), ResultatsPays{});
}

// Small prefix lists the tests write, to see which candidate was tried.
class PaysCandidats : public ::testing::Test {
  protected:
    void liste(const std::string& lignes) { d.tmp.ecrire("DXCC.csv", lignes); }
    // The key the call resolves to when only `cle` is in the list.
    std::string seul(const std::string& cle, const std::string& call) {
        Reference r(d.dossiers);
        liste(cle + ",Pays " + cle + ",X" + cle + ",EU,1\r\n");
        return r.Recherche_pays(call).pays_prefixe;
    }
    DossierProgramme d;
};

struct Candidats {
    const char* nom;
    const char* call;
    std::vector<std::string> essais; // in the order tried
};

void PrintTo(const Candidats& c, std::ostream* os) {
    *os << c.call;
}

class PaysOrdre : public PaysCandidats, public ::testing::WithParamInterface<Candidats> {};

TEST_P(PaysOrdre, EachCandidateAloneIsFoundAndTheEarliestWins) {
    const auto& cas = GetParam();
    for (const auto& cle : cas.essais) {
        if (!cle.empty()) {
            EXPECT_EQ(seul(cle, cas.call), cle);
        }
    }
    // The list written in reverse order: the first candidate still wins over the others.
    std::string lignes;
    for (auto it = cas.essais.rbegin(); it != cas.essais.rend(); ++it)
        if (!it->empty()) lignes += *it + ",P,X" + *it + ",EU,1\r\n";
    liste(lignes);
    Reference r(d.dossiers);
    EXPECT_EQ(r.Recherche_pays(cas.call).pays_prefixe, cas.essais.front());
}

TEST_P(PaysOrdre, NoOtherPrefixIsTried) {
    const auto& cas = GetParam();
    const std::string call = cas.call;
    for (std::size_t n = 1; n <= call.size() + 1; ++n) {
        const std::string cle = call.substr(0, n) + (n > call.size() ? "Z" : "");
        if (std::find(cas.essais.begin(), cas.essais.end(), cle) != cas.essais.end()) continue;
        EXPECT_EQ(seul(cle, call), "") << cle;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pays, PaysOrdre,
    ::testing::Values(Candidats{"Dl1abc", "DL1ABC", {"DL1A", "DL1", "DL", "D"}},
                      Candidats{"F4abc", "F4ABC", {"F4A", "F4", "F", "F"}},
                      Candidats{"Vk9xx", "VK9XX", {"VK9X", "VK9", "VK", "V"}},
                      Candidats{"DigitFirst9a1aa", "9A1AA", {"9A", "9A", "9", "9"}},
                      Candidats{"DigitFirst3da0xx", "3DA0XX", {"3DA", "3DA", "3D", "3"}},
                      Candidats{"DigitsOnly", "12345", {"1", "1", "", "1"}},
                      Candidats{"DigitLast", "F4", {"F4", "F4", "F", "F"}},
                      Candidats{"NoDigit", "FABC", {"FABC", "FABC", "FAB", "F"}},
                      Candidats{"OneLetter", "K", {"K", "K", "", "K"}},
                      Candidats{"PrefixBeforeSlash", "DL/F4ABC", {"DL", "DL", "D", "D"}},
                      Candidats{"SuffixAfterSlash", "F4ABC/DL", {"F4A", "F4", "F", "F"}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(PaysCandidats, ALineWithoutCountryDoesNotStopTheSearch) {
    liste("F4A,Partial,,EU,1\r\nF,France,F,EU,227\r\n");
    Reference r(d.dossiers);
    EXPECT_EQ(r.Recherche_pays("F4ABC").pays_prefixe, "F");
    // When no candidate has a country, the last one tried gives the result.
    liste("F4A,Partial,,EU,1\r\n");
    EXPECT_EQ(r.Recherche_pays("F4ABC"), ResultatsPays{});
    liste("F,Partial,,EU,1\r\n");
    EXPECT_EQ(r.Recherche_pays("F4ABC"), pays("F", "Partial", "", "EU", "1"));
}

TEST_F(PaysCandidats, MissingPrefixListGivesNoCountry) {
    Reference r(d.dossiers);
    EXPECT_EQ(r.Recherche_pays("F4ABC"), ResultatsPays{});
    EXPECT_EQ(r.Recherche_dxcc("F"), ResultatsPays{});
}

TEST_F(PaysCandidats, RechercheDxccReadsTheFirstExactKey) {
    liste("F\r\n"              // no "," : skipped
          "f,lower,f,EU,1\r\n" // keys are case-sensitive
          "F,France,F,EU,227\r\n"
          "F,Second,F2,EU,2\r\n"   // an earlier line wins
          ",Nameless,Z,EU,9\r\n"); // an empty key names nothing
    Reference r(d.dossiers);
    EXPECT_EQ(r.Recherche_dxcc("F"), pays("F", "France", "F", "EU", "227"));
    EXPECT_EQ(r.Recherche_dxcc("f").pays_nom, "lower");
    EXPECT_EQ(r.Recherche_dxcc("F4"), ResultatsPays{});
    EXPECT_EQ(r.Recherche_dxcc(""), ResultatsPays{});
    // Each lookup starts from empty results.
    r.Recherche_dxcc("F");
    EXPECT_EQ(r.Recherche_dxcc("G"), ResultatsPays{});
}

struct LigneDxcc {
    const char* nom;
    const char* ligne;
    ResultatsPays attendu;
};

void PrintTo(const LigneDxcc& c, std::ostream* os) {
    *os << c.nom;
}

class LignesDxcc : public PaysCandidats, public ::testing::WithParamInterface<LigneDxcc> {};

TEST_P(LignesDxcc, FieldsOfOneLine) {
    liste(std::string(GetParam().ligne));
    Reference r(d.dossiers);
    EXPECT_EQ(r.Recherche_dxcc("AB"), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Pays, LignesDxcc,
    ::testing::Values(
        LigneDxcc{"Full", "AB,Name,DX,EU,12\r\n", pays("AB", "Name", "DX", "EU", "12")},
        LigneDxcc{"OnlyTheNumberIsTrimmed", "AB, Name , DX ,EU, 12 \r\n",
                  pays("AB", " Name ", " DX ", "EU", "12")},
        LigneDxcc{"LfOnly", "AB,Name,DX,EU,12\nAB,x,y,z,1\n", pays("AB", "Name", "DX", "EU", "12")},
        LigneDxcc{"LastLineWithoutLineEnd", "AB,Name,DX,EU,12",
                  pays("AB", "Name", "DX", "EU", "12")},
        LigneDxcc{"CommaInName", "AB,Juan de Nova, Europa,FT/j,AF,124\r\n",
                  pays("AB", "Juan de Nova, Europa", "FT/j", "AF", "124")},
        LigneDxcc{"FourFields", "AB,Name,DX,EU\r\n", pays("AB", "Name", "DX", "", "EU")},
        LigneDxcc{"ThreeFields", "AB,Name,DX\r\n", pays("AB", "Name", "", "", "DX")},
        LigneDxcc{"TwoFields", "AB,Name\r\n", pays("AB", "", "", "", "Name")},
        LigneDxcc{"KeyAlone", "AB,\r\n", pays("AB", "", "", "", "")},
        LigneDxcc{"HighBytes", "AB,R\xE9union,FR,AF,453\r\n",
                  pays("AB", "R\xE9union", "FR", "AF", "453")}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace

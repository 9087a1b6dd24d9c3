#include "cli/commandes.h"
#include "refdata/dossier_reference.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace ylkaz;
using ylkaz::test::DossierProgramme;

namespace {

struct Sortie {
    int statut;
    std::string out;
    std::string err;
};

Sortie lancer(const DossierProgramme& d, std::vector<std::string> args) {
    args.insert(args.begin(), {"--prog", d.tmp.chemin().string()});
    std::ostringstream out, err;
    const int statut = executer_commande(args, out, err);
    return {statut, out.str(), err.str()};
}

TEST(CommandePays, ConvertsTheCountryFileThenPrintsOneLinePerCall) {
    DossierProgramme d;
    d.tmp.ecrire("CTY_WT.DAT", test::cty_reel());
    const auto s = lancer(d, {"pays", "F4ABC", "B1ABC", "dl/f4abc", "/X", "FT4JA"});
    EXPECT_EQ(s.statut, 0) << s.err;
    EXPECT_EQ(s.out, "F4ABC\tF\tFrance\tF\tEU\t227\n"
                     "B1ABC\tB1\tChina\tBY\tAS\t318\n"
                     "dl/f4abc\tDL\tFed. Rep. of Germany\tDL\tEU\t230\n"
                     "/X\t\t\t\t\t\n"
                     "FT4JA\tFT4J\tJuan de Nova, Europa\tFT/j\tAF\t124\n");
    EXPECT_EQ(d.tmp.lire("DXCC.csv").substr(0, 37), "1A,Sov Mil Order of Malta,1A,EU,246\r\n");
}

TEST(CommandePays, TextIsPrintedInUtf8) {
    DossierProgramme d;
    d.tmp.ecrire("CTY_WT.DAT", "#\r\n#\r\n#\r\n#\r\n# ADIF 453\r\n"
                               "R\xE9union:  39:  53:  AF:  -21.12:   -55.48:    -4.0:  FR:\r\n"
                               "    FR,\xC9"
                               "F;\r\n");
    const auto s = lancer(d, {"pays", "FR5AB", "ÉF1"});
    EXPECT_EQ(s.statut, 0) << s.err;
    EXPECT_EQ(s.out, "FR5AB\tFR\tRéunion\tFR\tAF\t453\n"
                     "ÉF1\tÉF\tRéunion\tFR\tAF\t453\n");
}

TEST(CommandePays, WithoutCountryFileTheOldPrefixListServes) {
    DossierProgramme d;
    auto s = lancer(d, {"pays", "F4ABC"});
    EXPECT_EQ(s.statut, 0);
    EXPECT_EQ(s.out, "F4ABC\t\t\t\t\t\n");
    d.tmp.ecrire("DXCC.csv", "F,France,F,EU,227\r\n");
    s = lancer(d, {"pays", "F4ABC"});
    EXPECT_EQ(s.out, "F4ABC\tF\tFrance\tF\tEU\t227\n");
}

TEST(CommandePays, ErrorsAndUsage) {
    DossierProgramme d;
    std::filesystem::create_directory(d.tmp / "CTY_WT.DAT");
    auto s = lancer(d, {"pays", "F4ABC"});
    EXPECT_EQ(s.statut, 1);
    EXPECT_NE(s.err.find("CTY_WT.DAT"), std::string::npos) << s.err;
    EXPECT_EQ(s.out, "");
    s = lancer(d, {"pays"});
    EXPECT_EQ(s.statut, 2);
    EXPECT_NE(s.err.find("pays INDICATIF"), std::string::npos);
}

TEST(CommandeMembre, PrintsTheMemberFieldsAndTheSex) {
    DossierProgramme d;
    d.ecrire_bd("KAZ_mini_2021.csv", "F4ZZA,123,Alice,YL\r\nF4ZZM,12,J\xE9r\xF4me,OM\r\n");
    d.ecrire_bd("BD_YL.csv", "F4ZZB;Berthe\r\n");
    const auto s = lancer(d, {"membre", "F4ZZA/P", "f4zzm", "F4ZZB", "F4QQQ"});
    EXPECT_EQ(s.statut, 0) << s.err;
    EXPECT_EQ(s.out, "F4ZZA/P\tF4ZZA\t123\tAlice\tYL\n"
                     "f4zzm\tF4ZZM\t12\tJérôme\tOM\n"
                     "F4ZZB\t\tNM\tBerthe\tYL\n"
                     "F4QQQ\t\tNM\t\t\n");
    EXPECT_EQ(lancer(d, {"membre"}).statut, 2);
}

TEST(CommandeBase, PrintsTheBaseCall) {
    DossierProgramme d;
    const auto s = lancer(d, {"base", "F4ABC/P", "DL/F4ABC", "dl/ab1cd", "F4ABC/"});
    EXPECT_EQ(s.statut, 0);
    EXPECT_EQ(s.out, "F4ABC/P\tF4ABC\n"
                     "DL/F4ABC\tF4ABC\n"
                     "dl/ab1cd\tDL\n"
                     "F4ABC/\t\n");
    EXPECT_EQ(lancer(d, {"base"}).statut, 2);
}

} // namespace

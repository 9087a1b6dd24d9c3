#include "platform/erreur.h"
#include "refdata/dossier_reference.h"
#include "refdata/lecture_reference.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace ylkaz;
using ylkaz::test::DossierProgramme;
using ylkaz::test::fixture_cty;
using Liste = std::vector<std::string>;

namespace {

struct CasFixture {
    const char* fichier;
    const char* prefixes;
    Liste liste;
};

void PrintTo(const CasFixture& c, std::ostream* os) {
    *os << c.fichier;
}

class ConversionFixture : public ::testing::TestWithParam<CasFixture> {};

TEST_P(ConversionFixture, WritesThePrefixListByteForByte) {
    const auto& cas = GetParam();
    const auto r = convertir_cty(fixture_cty(cas.fichier));
    EXPECT_EQ(r.prefixes, cas.prefixes);
    EXPECT_EQ(r.liste, cas.liste);
}

INSTANTIATE_TEST_SUITE_P(
    Cty, ConversionFixture,
    ::testing::Values(
        // (4) and [7] go whole; (14), [10] and (03) leave their closing bracket for the
        // second cut; the item after the last line break is read like the others.
        CasFixture{"overrides.dat",
                   "AA,United States,K,NA,291\r\n"
                   "AB,United States,K,NA,291\r\n"
                   "AC,United States,K,NA,291\r\n"
                   "AD,United States,K,NA,291\r\n"
                   "K,United States,K,NA,291\r\n"
                   "N,United States,K,NA,291\r\n"
                   "W,United States,K,NA,291\r\n",
                   {"K"}},
        // Exact callsigns give no line; an entity holding nothing else gives none and no
        // entry of the country list.
        CasFixture{"exact_calls.dat",
                   "CF,Canada,VE,NA,1\r\n"
                   "VE,Canada,VE,NA,1\r\n"
                   "VO,Canada,VE,NA,2\r\n",
                   {"VE"}},
        // The "*" goes; an empty item, first or blank before the ";", stands for the
        // primary prefix.
        CasFixture{"star_primary.dat",
                   "TA1,European Turkey,TA1,EU,390\r\n"
                   "TC1,European Turkey,TA1,EU,390\r\n"
                   "TA1,European Turkey,TA1,EU,390\r\n",
                   {"TA1"}},
        // Note lines inside a record, indented or not, with a ";" or not, are no prefixes.
        CasFixture{"comments.dat",
                   "9M6,East Malaysia,9M6,OC,46\r\n"
                   "9W6,East Malaysia,9M6,OC,46\r\n"
                   "9M8,East Malaysia,9M6,OC,46\r\n"
                   "9W8,East Malaysia,9M6,OC,46\r\n"
                   "BY,China,BY,AS,318\r\n"
                   "B1,China,BY,AS,318\r\n",
                   {"9M6", "BY"}},
        CasFixture{"lf_only.dat",
                   "F,France,F,EU,227\r\n"
                   "TM,France,F,EU,227\r\n"
                   "DA,Fed. Rep. of Germany,DL,EU,230\r\n"
                   "DL,Fed. Rep. of Germany,DL,EU,230\r\n",
                   {"F", "DL"}},
        // Without "ADIF" the first four characters go and the header line is taken for
        // the entity number.
        CasFixture{
            "no_adif.dat",
            "F,France,F,EU,227\r\n"
            "NW,,,,here:                  01:  01:  EU:    0.00:     0.00:     0.0:  NW:\r\n",
            {"F", ""}},
        // The last entity lacks its ";": dropped.
        CasFixture{"trailing_text.dat", "F,France,F,EU,227\r\n", {"F"}},
        CasFixture{"country_list.dat",
                   "VE,Canada,VE,NA,1\r\n"
                   "VA,Canada,VE,NA,1\r\n"
                   "K,United States,K,NA,291\r\n"
                   "VO,Canada,VE,NA,1\r\n",
                   {"VE", "K", "VE"}}),
    [](const auto& info) {
        std::string nom = info.param.fichier;
        nom = nom.substr(0, nom.find('.'));
        std::erase(nom, '_');
        return nom;
    });

std::string en_crlf(const std::string& lf) {
    std::string r;
    for (char c : lf) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

TEST(ConversionCty, LfOnlyAndLoneCrFilesReadAsCrLf) {
    const std::string lf = fixture_cty("lf_only.dat");
    ASSERT_EQ(lf.find('\r'), std::string::npos);
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    const auto attendu = convertir_cty(en_crlf(lf));
    EXPECT_EQ(convertir_cty(lf).prefixes, attendu.prefixes);
    EXPECT_EQ(convertir_cty(cr).prefixes, attendu.prefixes);
    EXPECT_EQ(convertir_cty(cr).liste, attendu.liste);
}

TEST(ConversionCty, TheFirstFourLinesAreSkippedWhateverTheyHold) {
    const std::string record = "# ADIF 227\r\nFrance: 14: 27: EU: 46: -2: -1: F:\r\n F;\r\n";
    EXPECT_EQ(convertir_cty("a;\r\nb;\r\nc;\r\nd;\r\n" + record).prefixes, "F,France,F,EU,227\r\n");
    // A record whose ADIF line falls among them loses it: its header line is then taken
    // for the number.
    EXPECT_EQ(convertir_cty("1\r\n2\r\n3\r\n" + record).prefixes,
              "F,,,,ce: 14: 27: EU: 46: -2: -1: F:\r\n");
    EXPECT_EQ(convertir_cty("").prefixes, "");
    EXPECT_EQ(convertir_cty("#\r\n#\r\n").liste, Liste{});
}

TEST(ConversionCty, RealFileKeepsThePrefixesAfterItsNoteLines) {
    const auto r = convertir_cty(test::cty_reel());
    const std::string& p = r.prefixes;
    const std::string debut_attendu = "1A,Sov Mil Order of Malta,1A,EU,246\r\n"
                                      "9M0,Spratly Islands,1S,AS,247\r\n"
                                      "BM9S,Spratly Islands,1S,AS,247\r\n";
    EXPECT_EQ(p.substr(0, debut_attendu.size()), debut_attendu);
    for (const char* ligne :
         {"\r\nB1,China,BY,AS,318\r\n", "\r\n9M8,East Malaysia,9M6,OC,46\r\n",
          "\r\n3B7,Agalega & St. Brandon,3B6,AF,4\r\n", "\r\nTA1,European Turkey,TA1,EU,390\r\n",
          "\r\nAA,United States,K,NA,291\r\n", "\r\n3H0,China,BY,AS,318\r\n"})
        EXPECT_NE(p.find(ligne), std::string::npos) << ligne;
    // Every line is five fields or more ended by CR LF, with a key of letters, digits
    // and "/" only: no note, zone or line break left inside.
    std::size_t debut = 0, lignes = 0;
    while (debut < p.size()) {
        const auto fin = p.find("\r\n", debut);
        ASSERT_NE(fin, std::string::npos);
        const std::string ligne = p.substr(debut, fin - debut);
        const std::string cle = ligne.substr(0, ligne.find(','));
        EXPECT_FALSE(cle.empty());
        EXPECT_EQ(cle.find_first_not_of(
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/abcdefghijklmnopqrstuvwxyz"),
                  std::string::npos)
            << ligne;
        EXPECT_GE(std::count(ligne.begin(), ligne.end(), ','), 4) << ligne;
        EXPECT_EQ(ligne.find('\n'), std::string::npos);
        debut = fin + 2;
        ++lignes;
    }
    EXPECT_EQ(lignes, 7196u);
}

TEST(ConversionCty, RealFileCountryList) {
    const auto liste = convertir_cty(test::cty_reel()).liste;
    ASSERT_EQ(liste.size(), 323u);
    EXPECT_EQ(liste[0], "1A");
    EXPECT_EQ(liste[1], "1S");
    EXPECT_EQ(liste.back(), "ZS8");
    for (const char* present : {"F", "DL", "BY", "TA1", "IT9", "VK9X", "9M6", "FT/j"})
        EXPECT_NE(std::find(liste.begin(), liste.end(), present), liste.end()) << present;
    // Entities with nothing but exact callsigns have no line and so no entry.
    for (const char* absent : {"4U1V", "*4U1V", "GM/s", "3D2/c", "*TA1"})
        EXPECT_EQ(std::find(liste.begin(), liste.end(), absent), liste.end()) << absent;
    EXPECT_EQ(std::adjacent_find(liste.begin(), liste.end()), liste.end());
}

TEST(ConversionCtyFichiers, WritesDxccCsvInTheProgramFolder) {
    DossierProgramme d;
    d.tmp.ecrire("CTY_WT.DAT", fixture_cty("comments.dat"));
    Reference ref(d.dossiers);
    EXPECT_EQ(ref.Conversion_cty(), (Liste{"9M6", "BY"}));
    EXPECT_EQ(d.tmp.lire("DXCC.csv"), convertir_cty(fixture_cty("comments.dat")).prefixes);
    // The next lookup reads the new list.
    EXPECT_EQ(ref.Recherche_pays("B1ABC").pays_dxcc, "BY");
}

TEST(ConversionCtyFichiers, FileNamesAreFoundWithoutRegardToCase) {
    DossierProgramme d;
    d.tmp.ecrire("cty_wt.dat", fixture_cty("lf_only.dat"));
    d.tmp.ecrire("DXCC.CSV", "old\r\n");
    Reference ref(d.dossiers);
    EXPECT_EQ(ref.Conversion_cty(), (Liste{"F", "DL"}));
    // The existing spelling is rewritten; no second prefix list appears beside it.
    EXPECT_EQ(d.tmp.lire("DXCC.CSV"), convertir_cty(fixture_cty("lf_only.dat")).prefixes);
    EXPECT_FALSE(std::filesystem::exists(d.tmp / "DXCC.csv"));
    EXPECT_EQ(ref.Recherche_pays("DL1ABC").pays_adif, "230");
}

TEST(ConversionCtyFichiers, MissingCountryFileAsksForItThenLeavesTheListAlone) {
    DossierProgramme d;
    d.tmp.ecrire("DXCC.csv", "F,Old France,F,EU,227\r\n");
    int appels = 0;
    Reference ref(d.dossiers, [&] { ++appels; });
    EXPECT_EQ(ref.Conversion_cty(), Liste{});
    EXPECT_EQ(appels, 1);
    EXPECT_EQ(d.tmp.lire("DXCC.csv"), "F,Old France,F,EU,227\r\n");
    Reference sans_telechargement(d.dossiers);
    EXPECT_EQ(sans_telechargement.Conversion_cty(), Liste{});
}

TEST(ConversionCtyFichiers, AFetchedCountryFileIsConverted) {
    DossierProgramme d;
    Reference ref(d.dossiers, [&] { d.tmp.ecrire("cty_wt.dat", fixture_cty("overrides.dat")); });
    EXPECT_EQ(ref.Conversion_cty(), Liste{"K"});
    EXPECT_EQ(d.tmp.lire("DXCC.csv").substr(0, 27), "AA,United States,K,NA,291\r\n");
}

TEST(ConversionCtyFichiers, AnUnreadableCountryFileIsAnErrorAndKeepsTheOldList) {
    DossierProgramme d;
    std::filesystem::create_directory(d.tmp / "CTY_WT.DAT");
    d.tmp.ecrire("DXCC.csv", "F,France,F,EU,227\r\n");
    Reference ref(d.dossiers);
    EXPECT_THROW(ref.Conversion_cty(), Erreur);
    EXPECT_EQ(d.tmp.lire("DXCC.csv"), "F,France,F,EU,227\r\n");
}

TEST(ConversionCtyFichiers, APipeUnderTheNameIsAnErrorNotAHang) {
    DossierProgramme d;
    ASSERT_EQ(::mkfifo((d.tmp / "CTY_WT.DAT").c_str(), 0644), 0);
    Reference ref(d.dossiers);
    EXPECT_THROW(ref.Conversion_cty(), Erreur);
    EXPECT_FALSE(std::filesystem::exists(d.tmp / "DXCC.csv"));
}

} // namespace

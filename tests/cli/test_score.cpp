// ylkaz liste and score load a log file as the logger does: its entry-row rules, the
// recomputation and the score line.
#include "cli/commandes.h"
#include "log/faux_stockage.h"
#include "support/dossier_temp.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

using namespace ylkaz;
using namespace ylkaz::test;

namespace {

struct Sortie {
    int code;
    std::string out, err;
};

Sortie outil(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = executer_commande(args, out, err);
    return {code, out.str(), err.str()};
}

Attendu qso(const std::string& indicatif, const std::string& categorie) {
    Attendu a;
    a.operateur = a.station = "F4ABC";
    a.date = 44267;
    a.heure = (13 * 60 + 7) / 1440.0;
    a.bande = "40";
    a.indicatif = indicatif;
    a.rst_envoye = a.rst_recu = "599";
    a.numero_membre = "NM";
    a.categorie = categorie;
    return a;
}

TEST(OutilLog, ListeShowsTheLoadersEntryRow) {
    DossierTemp d;
    Attendu blanc;
    const auto p = d.ecrire("Files/A.YL",
                            std::string(112, '\0') + qso("DL1AA", "YL").octets() + blanc.octets());
    auto s = outil({"--prog", d.chemin().string(), "liste", p.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    // The last record is blank: it is the entry row, with its reports. Without settings
    // the station is an OM, and without a country file no country is found.
    EXPECT_EQ(s.out, "40\t12/03/2021\t13:07\tDL1AA\t599\t1\t599\t\tYL\t\tNM\t\t1\t - M - - -\t\n"
                     "\t\t\t\t599\t2\t599\t\t\t\t\t\t\t\t\n");
    EXPECT_EQ(s.err, "");

    // A torn last record: the whole ones are listed, the operator is told once.
    const auto q = d.ecrire("Files/B.YL", std::string(112, '\0') + qso("DL1AA", "YL").octets() +
                                              std::string(50, 'x'));
    s = outil({"--prog", d.chemin().string(), "liste", q.string()});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "40\t12/03/2021\t13:07\tDL1AA\t599\t1\t599\t\tYL\t\tNM\t\t1\t - M - - -\t\n"
                     "\t\t\t\t\t2\t\t\t\t\t\t\t\t\t\n");
    EXPECT_NE(s.err.find("incomplet"), std::string::npos) << s.err;
    EXPECT_EQ(std::filesystem::file_size(q), 2u * 112 + 50);
}

TEST(OutilLog, ListeAndScoreRecomputeWithTheOperatorsCategory) {
    DossierTemp d;
    std::filesystem::copy_file(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT",
                               d / "CTY_WT.DAT");
    d.ecrire("YL_KAZ.ini", "[VGlobales]\r\nMY_SEXE=YL\r\n");
    const auto p =
        d.ecrire("Files/A.YL", std::string(112, '\0') + qso("DL1AA", "YL").octets() +
                                   qso("EA3XYZ", "OM").octets() + qso("DL1AA/P", "YL").octets());
    auto s = outil({"--prog", d.chemin().string(), "liste", p.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "40\t12/03/2021\t13:07\tDL1AA\t599\t1\t599\t\tYL\t\tNM\tDL\t2\t - M - - -\t\n"
                     "40\t12/03/2021\t13:07\tEA3XYZ\t599\t2\t599\t\tOM\t\tNM\tEA\t1\t - M - - -\t\n"
                     "40\t12/03/2021\t13:07\tDL1AA/P\t599\t3\t599\t\tYL\t\tNM\tDL\t0\t\t"
                     "DUPE = DL1AA->13:07->12/03/2021\n"
                     "\t\t\t\t\t4\t\t\t\t\t\t\t\t\t\n");
    s = outil({"--prog", d.chemin().string(), "score", p.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "Score = 3 x 2 = 6\n");
}

TEST(OutilLog, UsageAndMissingFiles) {
    DossierTemp d;
    for (const char* commande : {"liste", "score"}) {
        auto s = outil({"--prog", d.chemin().string(), commande});
        EXPECT_EQ(s.code, 2) << commande;
        EXPECT_NE(s.err.find(std::string("usage : ylkaz [--prog DOSSIER] ") + commande),
                  std::string::npos);
        s = outil({"--prog", d.chemin().string(), commande, (d / "absent.YL").string()});
        EXPECT_EQ(s.code, 1) << commande;
        EXPECT_NE(s.err.find("absent.YL"), std::string::npos) << s.err;
        EXPECT_EQ(s.out, "");
    }
}

} // namespace

#include "cli/commandes.h"
#include "log/grille_log.h"
#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace ylkaz;

namespace {

struct Sortie {
    int code;
    std::string out, err;
};

Sortie ylkaz_outil(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = executer_commande(args, out, err);
    return {code, out.str(), err.str()};
}

std::string octets(const TEnreg_QSO& e) {
    const auto o = e.vers_octets();
    return std::string(reinterpret_cast<const char*>(o.data()), o.size());
}

} // namespace

TEST(OutilListe, PrintsEveryRowTabSeparatedInUtf8) {
    test::DossierTemp d;
    TEnreg_QSO entete;
    entete.operateur = "F4XYZ";
    entete.station = "F4XYZ";
    Grille_log g;
    g.set_RowCount(3);
    const char* l1[15] = {"40", "12/03/2021",   "13:07", "F4ABC", "599", "1", "579", "",
                          "YL", "H\xE9l\xE8ne", "123",   "F",     "",    "",  ""};
    for (int c = 0; c < 15; ++c)
        g.set_cellule(c, 1, l1[c]);
    const std::string fichier = octets(entete) + octets(g.ligne_vers_enreg(1, "F4XYZ", "F4XYZ"));
    const auto p = d.ecrire("Files/test.YL", fichier);

    d.ecrire("CTY_WT.DAT", *lire_fichier(std::string(YLKAZ_SOURCE_DATA) + "/CTY_WT.DAT"));
    d.ecrire("YL_KAZ.ini", "[VGlobales]\r\nMY_SEXE=YL\r\n");

    auto s = ylkaz_outil({"--prog", d.chemin().string(), "liste", p.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    // The computed columns are there: a YL working a YL scores 2, a first multiplier.
    EXPECT_EQ(s.out, "40\t12/03/2021\t13:07\tF4ABC\t599\t1\t579\t\tYL\tHélène\t123\tF\t2\t"
                     " - M - - -\t\n"
                     "\t\t\t\t\t2\t\t\t\t\t\t\t\t\t\n");

    s = ylkaz_outil({"--prog", d.chemin().string(), "score", p.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "Score = 2 x 1 = 2\n");

    // Any other stored sex is what the station form's OK makes of it: OM.
    d.ecrire("YL_KAZ.ini", "[VGlobales]\r\nMY_SEXE=yl\r\n");
    s = ylkaz_outil({"--prog", d.chemin().string(), "score", p.string()});
    EXPECT_EQ(s.out, "Score = 1 x 1 = 1\n");
}

TEST(OutilListe, VersionAndErrors) {
    auto s = ylkaz_outil({"version"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "6.0.0.0\n");

    s = ylkaz_outil({"--prog", "/tmp", "inconnue"});
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.err.find("commande inconnue"), std::string::npos);

    s = ylkaz_outil({"--prog", "/tmp", "liste", "/nonexistent/none.YL"});
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.err.find("/nonexistent/none.YL"), std::string::npos);
    EXPECT_TRUE(s.out.empty());

    s = ylkaz_outil({});
    EXPECT_NE(s.code, 0);
}

TEST(OutilListe, TheBuiltProgramRunsAsACommand) {
    FILE* p = ::popen(YLKAZ_TOOL " version 2>&1; echo \"rc=$?\"", "r");
    ASSERT_NE(p, nullptr);
    char buf[256];
    std::string sortie;
    while (std::fgets(buf, sizeof buf, p))
        sortie += buf;
    ::pclose(p);
    EXPECT_EQ(sortie, "6.0.0.0\nrc=0\n");
}

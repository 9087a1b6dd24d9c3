#include "cli/commandes.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>
#include <sstream>

namespace ylkaz {
namespace {

struct Sortie {
    int statut;
    std::string out, err;
};

Sortie lancer(const test::DossierTemp& prog, std::vector<std::string> args) {
    args.insert(args.begin(), {"--prog", prog.chemin().string()});
    std::ostringstream out, err;
    const int statut = executer_commande(args, out, err);
    return {statut, out.str(), err.str()};
}

TEST(CommandeStation, PrintsTheRecordTheStationFormWouldStore) {
    test::DossierTemp prog;
    test::references(prog);
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nOPERATOR=F4ABC\r\nMY_SEXE=YL\r\nMY_LOCATOR=JN18\r\n"
                              "[OP]\r\nNAME=Zo\xE9\r\nAD3=Paris\r\n");
    const auto s = lancer(prog, {"station"});
    EXPECT_EQ(s.statut, 0) << s.err;
    EXPECT_EQ(s.out, "OPERATOR\tF4ABC\n"
                     "MY_NAME\tZoé\n"
                     "MY_STATION\tF4ABC\n"
                     "MY_NRKAZ\t123\n"
                     "MY_DXCC\tF\n"
                     "MY_SEXE\tYL\n"
                     "MY_CATEGORY\tB. >=100W\n"
                     "MY_LOCATOR\tJN18\n"
                     "MY_STREET\t, \n"
                     "MY_CITY\tParis\n"
                     "MY_EMAIL\t\n"
                     "MY_SMTP\t\n"
                     "MY_PORT\t\n");
}

TEST(CommandeStation, RefusedRecordIsAnErrorAndExtraArgumentsAreUsage) {
    test::DossierTemp prog;
    auto s = lancer(prog, {"station"});
    EXPECT_EQ(s.statut, 1);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, "ylkaz:              Infos manquantes\n");
    s = lancer(prog, {"station", "F4ABC"});
    EXPECT_EQ(s.statut, 2);
    EXPECT_NE(s.err.find("usage"), std::string::npos);
}

} // namespace
} // namespace ylkaz

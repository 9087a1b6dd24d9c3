// The station form's creation with the real database update and country-file fetch,
// against the local HTTPS server.
#include "dialogs/form_info.h"

#include "platform/cp1252.h"
#include "refdata/mise_a_jour_web.h"
#include "refdata/serveur_bd.h"
#include "support/banc_programme.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <utime.h>

namespace ylkaz {
namespace {

using testing::HasSubstr;

std::string aujourdhui() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char texte[16];
    std::strftime(texte, sizeof texte, "%d/%m/%Y", &tm);
    return texte;
}

// A program over the bench's folder whose update fetches from the test server.
struct ProgrammeWeb {
    explicit ProgrammeWeb(const test::BancServeur& banc, bool reseau)
        : connexion(reseau), web(connexion, banc.delais),
          p(banc.prog.tmp.chemin(), Plateforme{ecran, minuterie, horloge, lecteurs, web}) {
        p.attente = [this](bool montrer) { attentes.push_back(montrer); };
        p.telecharger_cty = crochet_cty(
            p.dossiers, [this] { ++bips; }, banc.delais);
    }

    test::EcranScripte ecran;
    test::FausseMinuterie minuterie;
    test::FausseHorloge horloge;
    test::LecteursScriptes lecteurs;
    test::ConnexionFixe connexion;
    MiseAJourWeb web;
    Programme p;
    std::vector<bool> attentes;
    int bips = 0;
};

class InfoMaj : public testing::Test {
  protected:
    test::BancServeur banc;
    const std::string membres = "F4ABC,123,ANNE,YL\r\nF5XYZ,77,PAUL,OM\r\n";
    const std::string yl = "F6YLA;MARIE\r\n";

    void SetUp() override {
        banc.demarrer();
        banc.ecrire_serveurs();
        banc.publier("/Dizidevi/KAZ_mini_2021.csv", membres);
        banc.publier("/Dizidevi/YL_KAZ/BD_YL.csv", yl);
        banc.publier("/cty/cty_wt.dat", test::cty_reel());
    }
};

TEST_F(InfoMaj, FirstStartFetchesEverythingAndShowsTheDate) {
    ProgrammeWeb w(banc, true);
    w.p.Demarrer();
    const Form_info& f = w.p.Form_info;
    EXPECT_TRUE(w.ecran.questions.empty());
    EXPECT_TRUE(w.ecran.messages.empty());
    EXPECT_EQ(w.attentes, (std::vector<bool>{true, false}));
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/KAZ_mini_2021.csv"), membres);
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), yl);
    EXPECT_EQ(f.Label_Date_BD(), "Date fichiers : " + aujourdhui());
    EXPECT_EQ(f.Label_etat_bases(),
              cp1252("Bases mises à jour : KAZ_mini_2021.csv et BD_YL.csv téléchargés"));
    // The language is not applied yet: the catalogue's default.
    EXPECT_EQ(f.Label_info_Internet(), Catalogue{}.Message_MAJ_reussie);
    // The country file came too, and fills the country list.
    EXPECT_EQ(banc.prog.tmp.lire("cty_wt.dat"), test::cty_reel());
    EXPECT_EQ(w.bips, 1);
    EXPECT_GT(f.ComboBox_DXCC_items().size(), 300u);
    EXPECT_EQ(banc.journal(), "/Dizidevi/KAZ_mini_2021.csv Cache-Control=no-cache\n"
                              "/Dizidevi/YL_KAZ/BD_YL.csv Cache-Control=no-cache\n"
                              "/cty/cty_wt.dat Cache-Control=no-cache\n");
    // The member lookups use the fetched list.
    w.p.Form_info.set_Edit_op("F4ABC");
    EXPECT_EQ(f.Edit_NKAZ(), "123");
}

TEST_F(InfoMaj, WithoutConnectionNothingChangesAndNoBoxIsShown) {
    banc.prog.ecrire_bd("KAZ_mini_2021.csv", "F4ABC,1,ANCIEN,OM\r\n");
    banc.prog.ecrire_bd("BD_YL.csv", "F6YLA;ANCIENNE\r\n");
    banc.prog.tmp.ecrire("CTY_WT.DAT", test::cty_reel());
    std::tm tm{};
    tm.tm_year = 121, tm.tm_mon = 2, tm.tm_mday = 12, tm.tm_hour = 12, tm.tm_isdst = -1;
    const ::utimbuf u{std::mktime(&tm), std::mktime(&tm)};
    ASSERT_EQ(::utime(banc.bd("KAZ_mini_2021.csv").c_str(), &u), 0);
    const auto m = test::empreinte(banc.bd("KAZ_mini_2021.csv"));
    const auto y = test::empreinte(banc.bd("BD_YL.csv"));

    ProgrammeWeb w(banc, false);
    w.ecran.reponses = {true};
    w.p.Demarrer();
    const Form_info& f = w.p.Form_info;
    EXPECT_EQ(w.ecran.questions.size(), 1u);
    EXPECT_TRUE(w.ecran.messages.empty());
    EXPECT_EQ(test::empreinte(banc.bd("KAZ_mini_2021.csv")), m);
    EXPECT_EQ(test::empreinte(banc.bd("BD_YL.csv")), y);
    EXPECT_EQ(f.Label_Date_BD(), "Date fichiers : 12/03/2021");
    EXPECT_EQ(f.Label_info_Internet(), Catalogue{}.msg_info_internet);
    EXPECT_THAT(f.Label_etat_bases(), HasSubstr("Pas de connexion Internet"));
    EXPECT_EQ(w.bips, 0);
    EXPECT_EQ(banc.journal(), "");
}

TEST_F(InfoMaj, FailedFetchesAreToldOnTheFormNotInABox) {
    // The member list fails, the YL list comes: the files that failed stay as they were.
    std::filesystem::remove(banc.racine() / "Dizidevi/KAZ_mini_2021.csv");
    banc.prog.ecrire_bd("KAZ_mini_2021.csv", "F4ABC,1,ANCIEN,OM\r\n");
    banc.prog.tmp.ecrire("CTY_WT.DAT", test::cty_reel());
    ProgrammeWeb w(banc, true);
    w.ecran.reponses = {true};
    w.p.Demarrer();
    const Form_info& f = w.p.Form_info;
    EXPECT_TRUE(w.ecran.messages.empty());
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/KAZ_mini_2021.csv"), "F4ABC,1,ANCIEN,OM\r\n");
    EXPECT_EQ(banc.prog.tmp.lire("Fichiers_BD/BD_YL.csv"), yl);
    EXPECT_THAT(f.Label_etat_bases(), HasSubstr(cp1252("échec du téléchargement de "
                                                       "KAZ_mini_2021.csv (")));
    EXPECT_THAT(f.Label_etat_bases(), HasSubstr("404"));
}

} // namespace
} // namespace ylkaz

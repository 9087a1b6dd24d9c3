#include "app/programme.h"
#include "cli/commandes.h"
#include "export/adif.h"
#include "export/cabrillo.h"
#include "export/journal_exemple.h"
#include "log/grille_log.h"
#include "platform/cp1252.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "refdata/reference.h"
#include "support/dossier_temp.h"

#include <cerrno>
#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

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

// A program folder whose settings name a log of the sample rows, and the values the
// program holds once the station form's OK has stored them.
class OutilExport : public ::testing::Test {
  protected:
    OutilExport() {
        prog.ecrire("YL_KAZ.ini", cp1252("[VGlobales]\r\n"
                                         "NOM_FICHIER=KAZ2021.YL\r\n"
                                         "OPERATOR= F4ABC \r\n"
                                         "MY_STATION=F4ABC\r\n"
                                         "MY_NRKAZ=999\r\n"
                                         "MY_SEXE=YL\r\n"
                                         "MY_CATEGORY=A. >=100W\r\n"
                                         "[OP]\r\n"
                                         "NAME=Hélène\r\n"
                                         "AD1=1 rue des Lilas\r\n"
                                         "AD2=Bât. B\r\n"
                                         "AD3=75001 Paris\r\n"
                                         "email= helene@example.org\r\n"));
        test::ecrire_prefixes(prog);
        Grille_log g;
        test::journal_exemple(g);
        // The log file as the program writes it: a header, then the rows with a callsign;
        // row 3 is a blank record.
        std::string fichier = octets(TEnreg_QSO{});
        for (int r = 1; r < g.ligne_saisie(); ++r)
            fichier += g.cellule(colonne::indicatif, r).empty()
                           ? std::string(TEnreg_QSO::TAILLE, '\0')
                           : octets(g.ligne_vers_enreg(r, "F4ABC", "F4ABC"));
        journal = fichier;
        prog.ecrire("Files/KAZ2021.YL", fichier);

        // The member number is the one the station form works out from the callsign.
        ProgrammeSansFenetre p(prog.chemin());
        station.OPERATOR = "F4ABC";
        station.MY_NAME = cp1252("Hélène");
        station.MY_SEXE = "YL";
        station.MY_CITY = "75001 Paris";
        station.MY_STREET = cp1252("1 rue des Lilas, Bât. B");
        station.MY_NRKAZ = p.programme().Form_info.Edit_NKAZ();
        station.MY_STATION = "F4ABC";
        station.MY_CATEGORY = "A. >=100W";
        station.MY_EMAIL = "helene@example.org";
        champs = {cp1252("Hélène"), "1 rue des Lilas", cp1252("Bât. B"), "75001 Paris",
                  p.programme().Form_info.Edit_NKAZ()};
    }

    // The table the loader makes of the log file.
    Grille_log charge() const {
        Grille_log g;
        const std::size_t n = journal.size() / TEnreg_QSO::TAILLE;
        g.set_RowCount(static_cast<int>(n) + 1);
        for (std::size_t r = 1; r < n; ++r) {
            const auto* o =
                reinterpret_cast<const std::uint8_t*>(journal.data()) + r * TEnreg_QSO::TAILLE;
            if (o[champ_enreg::indicatif] != 0)
                g.enreg_vers_ligne(TEnreg_QSO::depuis_octets(o), static_cast<int>(r));
        }
        g.renumeroter();
        return g;
    }

    std::string p(const std::string& nom) const { return (prog / nom).string(); }

    test::DossierTemp prog;
    std::string journal;
    StationRecord station;
    ChampsCabrillo champs;
};

} // namespace

TEST_F(OutilExport, CabrilloOfTheLogTheSettingsName) {
    const std::string ini = prog.lire("YL_KAZ.ini");
    const auto s = ylkaz_outil({"--prog", prog.chemin().string(), "cabrillo"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, p("Files/KAZ2021.CBR") + "\n");
    EXPECT_EQ(prog.lire("Files/KAZ2021.CBR"), texte_cabrillo(charge(), station, champs));
    EXPECT_NE(prog.lire("Files/KAZ2021.CBR").find("CATEGORY-POWER: HIGH\r\n"), std::string::npos);
    EXPECT_EQ(prog.lire("Files/KAZ2021.YL"), journal);
    EXPECT_EQ(prog.lire("YL_KAZ.ini"), ini);
}

TEST_F(OutilExport, AdifOfTheLogTheSettingsName) {
    const auto s = ylkaz_outil({"--prog", prog.chemin().string(), "adif"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, p("Files/KAZ2021.ADI") + "\n");

    test::DossierTemp autre;
    test::ecrire_prefixes(autre);
    const Dossiers dossiers = Dossiers::depuis(autre.chemin());
    Reference reference(dossiers);
    const EmplacementLog emplacement{nom_stocke(autre.chemin()), "KAZ2021.YL"};
    Creation_adif(charge(), station, emplacement, reference);
    const std::string attendu = autre.lire("KAZ2021.ADI");
    EXPECT_EQ(prog.lire("Files/KAZ2021.ADI"), attendu);
    EXPECT_NE(attendu.find("<CALL:5>F5ZZZ <APP_YL_KAZ_HIS_SEXE:2>YL <COUNTRY:1>F <DXCC:3>227 "),
              std::string::npos);
}

TEST_F(OutilExport, AGivenLogFileItsFilesAndTheBuiltProgram) {
    const auto log = prog.ecrire("ailleurs/Autre.YL", journal);
    auto s = ylkaz_outil({"--prog", prog.chemin().string(), "adif", log.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, p("ailleurs/Autre.ADI") + "\n");
    EXPECT_FALSE(std::filesystem::exists(prog / "Files" / "KAZ2021.ADI"));

    s = ylkaz_outil({"--prog", prog.chemin().string(), "cabrillo", log.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, p("Files/Autre.CBR") + "\n");
    const std::string cabrillo = prog.lire("Files/Autre.CBR");
    EXPECT_EQ(cabrillo, texte_cabrillo(charge(), station, champs));

    const std::string commande = std::string(YLKAZ_TOOL) + " --prog '" + prog.chemin().string() +
                                 "' cabrillo '" + log.string() + "' 2>&1";
    std::filesystem::remove(prog / "Files" / "Autre.CBR");
    FILE* f = ::popen(commande.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char buf[512];
    std::string sortie;
    while (std::fgets(buf, sizeof buf, f))
        sortie += buf;
    EXPECT_EQ(::pclose(f), 0);
    EXPECT_EQ(sortie, p("Files/Autre.CBR") + "\n");
    EXPECT_EQ(prog.lire("Files/Autre.CBR"), cabrillo);
}

TEST_F(OutilExport, Failures) {
    const std::string dossier = prog.chemin().string();
    auto s = ylkaz_outil({"--prog", dossier, "cabrillo", "a.YL", "b.YL"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("usage"), std::string::npos);

    s = ylkaz_outil({"--prog", dossier, "adif", p("absent.YL")});
    EXPECT_EQ(s.code, 1);
    EXPECT_NE(s.err.find("absent.YL"), std::string::npos) << s.err;
    EXPECT_TRUE(s.out.empty());
    EXPECT_FALSE(std::filesystem::exists(prog / "absent.ADI"));

    // The Cabrillo folder is a regular file: the system's text, no file.
    std::filesystem::remove_all(prog / "Files");
    prog.ecrire("Files", "x");
    s = ylkaz_outil({"--prog", dossier, "cabrillo", prog.ecrire("log/K.YL", journal).string()});
    EXPECT_EQ(s.code, 1);
    EXPECT_NE(s.err.find(cp1252_vers_utf8(texte_erreur_systeme(ENOTDIR))), std::string::npos)
        << s.err;
    EXPECT_TRUE(s.out.empty());

    // Settings without a log, or without an operator.
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nOPERATOR=F4ABC\r\n");
    s = ylkaz_outil({"--prog", dossier, "cabrillo"});
    EXPECT_EQ(s.code, 1);
    EXPECT_FALSE(s.err.empty());
    prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nNOM_FICHIER=K.YL\r\nCHEMIN_FICHIER=" +
                                  nom_stocke(prog / "log") + "\r\n");
    s = ylkaz_outil({"--prog", dossier, "adif"});
    EXPECT_EQ(s.code, 1);
    EXPECT_NE(s.err.find("Infos manquantes"), std::string::npos) << s.err;
    EXPECT_FALSE(std::filesystem::exists(prog / "log" / "K.ADI"));
}

// `ylkaz envoi` against a real SMTP server on 127.0.0.1.
#include "cli/commandes.h"
#include "export/journal_exemple.h"
#include "log/enreg_qso.h"
#include "log/grille_log.h"
#include "platform/cp1252.h"
#include "platform/smtp.h"
#include "support/dossier_temp.h"
#include "support/serveur_local.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <sys/wait.h>

using namespace ylkaz;
using testing::HasSubstr;

namespace {

const std::string ENVOYE = "         Vos fichiers compte rendus ont été envoyés au  correcteur\n";
const std::string ECHEC = "         L'envoi n'a pas pu se faire           \n";

struct Sortie {
    int code;
    std::string out, err;
};

std::string octets(const TEnreg_QSO& e) {
    const auto o = e.vers_octets();
    return std::string(reinterpret_cast<const char*>(o.data()), o.size());
}

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

// A program folder as the operator leaves it after the contest: the settings, the log,
// the SMTP list naming the test server for the operator's provider, the checker's file.
class OutilEnvoi : public ::testing::Test {
  protected:
    OutilEnvoi() {
        reglages("f4abc@test.example");
        test::ecrire_prefixes(prog);
        Grille_log g;
        test::journal_exemple(g);
        std::string fichier = octets(TEnreg_QSO{});
        for (int r = 1; r < g.ligne_saisie(); ++r)
            if (!g.cellule(colonne::indicatif, r).empty())
                fichier += octets(g.ligne_vers_enreg(r, "F4ABC", "F4ABC"));
        prog.ecrire("Files/KAZ2021.YL", fichier);
        prog.ecrire("Correcteurs_KAZ_CONCOURS.ini", "[YL]\r\nAD=correcteur@dizidevi.example\r\n");
        smtp(25);
    }

    void reglages(const std::string& email) const {
        prog.ecrire("YL_KAZ.ini", "[VGlobales]\r\nNOM_FICHIER=KAZ2021.YL\r\nOPERATOR=F4ABC\r\n"
                                  "MY_SEXE=YL\r\nMY_CATEGORY=B. <=100W\r\n"
                                  "[OP]\r\nNAME=Anne\r\nemail=" +
                                      email + "\r\n");
    }
    void smtp(int port) const {
        prog.ecrire("SMTP.csv", "Fournisseur;Serveur SMTP;Port\r\ntest;127.0.0.1;" +
                                    std::to_string(port) + "\r\n");
    }

    std::unique_ptr<test::ServeurLocal> demarrer(const std::string& mode = "normal") {
        std::filesystem::create_directories(prog / "recus");
        auto s = std::make_unique<test::ServeurLocal>(std::vector<std::string>{
            test::python(), test::source_test("platform/serveur_smtp.py").string(), "--dossier",
            (prog / "recus").string(), "--mode", mode});
        smtp(s->port());
        return s;
    }

    Sortie envoi(std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--prog", prog.chemin().string(), "envoi"});
        std::ostringstream out, err;
        const int code = executer_commande(args, out, err);
        return {code, out.str(), err.str()};
    }

    std::string recu(int n, const std::string& f) const {
        return prog.lire("recus/" + std::to_string(n) + "/" + f);
    }

    test::DossierTemp prog;
};

TEST_F(OutilEnvoi, MessageAccepteParLeServeur) {
    auto srv = demarrer();
    const auto s = envoi();
    ASSERT_EQ(s.code, 0) << s.out << s.err;
    EXPECT_EQ(s.out, ENVOYE);

    EXPECT_EQ(recu(1, "enveloppe.txt"), "MAIL FROM:<f4abc@test.example>\n"
                                        "RCPT TO:<correcteur@dizidevi.example>\n"
                                        "RCPT TO:<f4abc@test.example>\n");
    const auto en_tetes = lignes(recu(1, "en_tetes.txt"));
    EXPECT_THAT(en_tetes, testing::IsSupersetOf(std::vector<std::string>{
                              "From: f4abc@test.example",
                              "Reply-To: f4abc@test.example",
                              "To: correcteur@dizidevi.example",
                              "Cc: f4abc@test.example",
                              "Subject: YL_KAZ_F4ABC",
                              "X-Priority: 3 (Normal)",
                          }));
    // Sent now, in the local time zone.
    const long date = std::stol(recu(1, "date.txt"));
    const long maintenant = static_cast<long>(std::time(nullptr));
    EXPECT_LE(date, maintenant);
    EXPECT_GE(date, maintenant - 60);
    EXPECT_THAT(en_tetes, testing::Contains(
                              "Date: " + date_rfc5322_locale(std::chrono::system_clock::from_time_t(
                                             static_cast<std::time_t>(date)))));

    const auto corps = lignes(recu(1, "corps.bin"));
    ASSERT_EQ(corps.size(), 2u);
    EXPECT_THAT(corps[0],
                testing::MatchesRegex(
                    " Fichier compte rendu du concours YL_KAZ     [0-9]{2}/[0-9]{2}/[0-9]{4}\r"));
    EXPECT_EQ(corps[1], "73 de F4ABC\r");
    EXPECT_EQ(recu(1, "pj_nom.txt"), "KAZ2021.CBR");
    const std::string cbr = prog.lire("Files/KAZ2021.CBR");
    EXPECT_EQ(recu(1, "pj.bin"), cbr);
    EXPECT_EQ(cbr.rfind("START-OF-LOG: 3.0\r\n", 0), 0u);
    EXPECT_THAT(cbr, HasSubstr("CALLSIGN: F4ABC\r\n"));
    EXPECT_THAT(cbr, HasSubstr("DL1ABC"));
    EXPECT_THAT(cbr, HasSubstr("F5ZZZ"));

    // The tool itself, with a log named on its command line.
    const std::string commande = std::string(YLKAZ_TOOL) + " --prog '" + prog.chemin().string() +
                                 "' envoi '" + (prog / "Files" / "KAZ2021.YL").string() + "' 2>&1";
    FILE* f = ::popen(commande.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char buf[512];
    std::string sortie;
    while (std::fgets(buf, sizeof buf, f))
        sortie += buf;
    EXPECT_EQ(WEXITSTATUS(::pclose(f)), 0);
    EXPECT_EQ(sortie, ENVOYE);
    EXPECT_EQ(recu(2, "pj.bin"), prog.lire("Files/KAZ2021.CBR"));
}

TEST_F(OutilEnvoi, AdresseDuCorrecteurAbsente) {
    auto srv = demarrer();
    prog.ecrire("Correcteurs_KAZ_CONCOURS.ini", "[YL]\r\nAD=\r\n");
    const auto s = envoi();
    // Only the copy is addressed; the server takes it.
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "    L'adresse du destinataire (le correcteur) ne semble pas valide, "
                     "corrigez\n" +
                         ENVOYE);
    EXPECT_EQ(recu(1, "enveloppe.txt"), "MAIL FROM:<f4abc@test.example>\n"
                                        "RCPT TO:<f4abc@test.example>\n");
}

TEST_F(OutilEnvoi, Echecs) {
    {
        SCOPED_TRACE("connexion refusée");
        smtp(test::port_sans_serveur());
        const auto s = envoi();
        EXPECT_EQ(s.code, 1);
        const auto l = lignes(s.out);
        ASSERT_EQ(l.size(), 2u) << s.out;
        EXPECT_THAT(l[0], HasSubstr("Couldn't connect to server"));
        EXPECT_EQ(l[1] + "\n", ECHEC);
    }
    {
        SCOPED_TRACE("destinataire refusé");
        auto srv = demarrer("refus_rcpt");
        const auto s = envoi();
        EXPECT_EQ(s.code, 1);
        const auto l = lignes(s.out);
        ASSERT_EQ(l.size(), 2u) << s.out;
        EXPECT_THAT(l[0], HasSubstr("550"));
        EXPECT_EQ(l[1] + "\n", ECHEC);
    }
    {
        SCOPED_TRACE("pas de port");
        prog.ecrire("SMTP.csv", "Fournisseur;Serveur SMTP;Port\r\ntest;127.0.0.1;\r\n");
        const auto s = envoi();
        EXPECT_EQ(s.code, 1);
        EXPECT_EQ(s.out, "Les données fournies (EMail, SMTP, Port) ne permettent pas d'envoyer "
                         "votre compte rendu\nUtilisez votre propre gestionaire d'emails\n");
    }
    {
        SCOPED_TRACE("pas de serveur pour l'adresse");
        reglages("f4abc@inconnu.example");
        const auto s = envoi();
        EXPECT_EQ(s.code, 1);
        EXPECT_TRUE(s.out.empty());
        EXPECT_THAT(s.err, HasSubstr("Votre adresse Email ne permet pas"));
    }
    {
        SCOPED_TRACE("usage");
        const auto s = envoi({"a.YL", "b.YL"});
        EXPECT_EQ(s.code, 2);
        EXPECT_THAT(s.err, HasSubstr("usage"));
    }
}

} // namespace

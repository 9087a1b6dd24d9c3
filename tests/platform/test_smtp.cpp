#include "platform/smtp.h"

#include "platform/cp1252.h"
#include "support/dossier_temp.h"
#include "support/serveur_local.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <sstream>

using namespace ylkaz;
using testing::HasSubstr;
using testing::Not;

namespace {

using std::chrono::seconds;
using std::chrono::system_clock;

// Saturday 6 March 2021, 14:05:09 UTC.
const system_clock::time_point instant{seconds(1615039509)};

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

class Smtp : public testing::Test {
  protected:
    test::DossierTemp dossier;
    const std::string cabrillo =
        "START-OF-LOG: 3.0\r\nCALLSIGN: F4ABC\r\nSOAPBOX: \xE9t\xE9 \x80\r\nEND-OF-LOG:\r\n";

    std::unique_ptr<test::ServeurLocal> demarrer(std::vector<std::string> options = {}) {
        std::vector<std::string> cmd = {test::python(),
                                        test::source_test("platform/serveur_smtp.py").string(),
                                        "--dossier", (dossier / "recus").string()};
        cmd.insert(cmd.end(), options.begin(), options.end());
        std::filesystem::create_directories(dossier / "recus");
        return std::make_unique<test::ServeurLocal>(cmd);
    }

    std::vector<std::string> options_tls(const std::string& tls) {
        test::creer_certificat(dossier / "cert.pem", dossier / "cle.pem", "127.0.0.1",
                               "IP:127.0.0.1,DNS:localhost");
        return {"--tls",  tls,
                "--cert", (dossier / "cert.pem").string(),
                "--cle",  (dossier / "cle.pem").string()};
    }

    ServeurSmtp serveur(int port) {
        ServeurSmtp s;
        s.hote = "127.0.0.1";
        s.port = std::to_string(port);
        s.delai_connexion = std::chrono::seconds(3);
        s.delai_total = std::chrono::seconds(8);
        return s;
    }

    MessageEmail message() {
        MessageEmail m;
        m.de = "f4abc@orange.fr";
        m.repondre_a = "f4abc@orange.fr";
        m.a = {"correcteur@ref-union.org"};
        m.cc = {"f4abc@orange.fr"};
        m.objet = "YL_KAZ_F4ABC";
        m.date = instant;
        m.corps = {" Fichier compte rendu du concours YL_KAZ     06/03/2021", "73 de F4ABC"};
        m.piece_jointe = dossier.ecrire("F4ABC.CBR", cabrillo);
        return m;
    }

    int messages_recus() const {
        int n = 0;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(dossier / "recus", ec), fin; !ec && it != fin;
             it.increment(ec))
            ++n;
        return n;
    }

    std::string recu(const std::string& fichier) const {
        return dossier.lire("recus/1/" + fichier);
    }
};

TEST_F(Smtp, MessageCompletEnClair) {
    auto srv = demarrer();
    const auto r = envoyer_email(serveur(srv->port()), message());
    ASSERT_TRUE(r.ok) << r.erreur;
    ASSERT_EQ(messages_recus(), 1);

    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<f4abc@orange.fr>\n"
                                     "RCPT TO:<correcteur@ref-union.org>\n"
                                     "RCPT TO:<f4abc@orange.fr>\n");
    EXPECT_EQ(recu("tls.txt"), "non");

    const auto en_tetes = lignes(recu("en_tetes.txt"));
    EXPECT_THAT(en_tetes, testing::IsSupersetOf(std::vector<std::string>{
                              "From: f4abc@orange.fr",
                              "Reply-To: f4abc@orange.fr",
                              "To: correcteur@ref-union.org",
                              "Cc: f4abc@orange.fr",
                              "Subject: YL_KAZ_F4ABC",
                              "Date: " + date_rfc5322_locale(instant),
                              "X-Priority: 3 (Normal)",
                          }));
    for (const char* nom : {"From:", "Reply-To:", "To:", "Cc:", "Subject:", "Date:", "X-Priority:"})
        EXPECT_EQ(std::count_if(en_tetes.begin(), en_tetes.end(),
                                [&](const std::string& l) { return l.rfind(nom, 0) == 0; }),
                  1)
            << nom;
    EXPECT_EQ(recu("date.txt"), "1615039509");

    EXPECT_EQ(recu("parties.txt"), "2");
    EXPECT_EQ(recu("corps_type.txt"), "text/plain; charset=windows-1252");
    EXPECT_EQ(recu("corps.bin"),
              " Fichier compte rendu du concours YL_KAZ     06/03/2021\r\n73 de F4ABC\r\n");
    EXPECT_EQ(recu("pj_nom.txt"), "F4ABC.CBR");
    EXPECT_EQ(recu("pj.bin"), cabrillo);

    // Whatever the text, the message itself travels as 7-bit lines ended by CR LF.
    const std::string brut = recu("message.eml");
    for (std::size_t i = 0; i < brut.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(brut[i]), 128) << "octet " << i;
        if (brut[i] == '\n') {
            ASSERT_TRUE(i > 0 && brut[i - 1] == '\r') << "octet " << i;
        }
    }
}

TEST_F(Smtp, TexteAccentueEnWindows1252) {
    auto srv = demarrer();
    auto m = message();
    m.objet = cp1252("YL_KAZ_F4ÉLÈVE =?x?= ") + std::string(60, 'x') + cp1252(" œ€");
    m.corps = {cp1252(" Fichier compte rendu du concours YL_KAZ     06/03/2021"),
               cp1252("73 de F4ÉLÈVE, été")};
    const auto r = envoyer_email(serveur(srv->port()), m);
    ASSERT_TRUE(r.ok) << r.erreur;

    EXPECT_THAT(lignes(recu("en_tetes.txt")),
                testing::Contains("Subject: " + cp1252_vers_utf8(m.objet)));
    EXPECT_THAT(recu("message.eml"), HasSubstr("Subject: =?windows-1252?Q?"));
    EXPECT_EQ(recu("corps.bin"), m.corps[0] + "\r\n" + m.corps[1] + "\r\n");
    EXPECT_EQ(recu("corps_type.txt"), "text/plain; charset=windows-1252");
}

TEST_F(Smtp, CopieSeuleEtSansPieceJointe) {
    auto srv = demarrer();
    auto m = message();
    m.a.clear();
    m.piece_jointe.reset();
    const auto r = envoyer_email(serveur(srv->port()), m);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<f4abc@orange.fr>\nRCPT TO:<f4abc@orange.fr>\n");
    const auto en_tetes = lignes(recu("en_tetes.txt"));
    EXPECT_THAT(en_tetes, testing::Contains("Cc: f4abc@orange.fr"));
    EXPECT_THAT(en_tetes, testing::Not(testing::Contains(testing::StartsWith("To:"))));
    EXPECT_EQ(recu("parties.txt"), "1");
    EXPECT_EQ(recu("pj_nom.txt"), "");
}

TEST_F(Smtp, NomDePieceJointeAccentue) {
    auto srv = demarrer();
    auto m = message();
    m.piece_jointe = dossier.ecrire("F4ABC été.CBR", cabrillo);
    const auto r = envoyer_email(serveur(srv->port()), m);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(recu("pj_nom.txt"), "F4ABC été.CBR");
    EXPECT_EQ(recu("pj.bin"), cabrillo);
}

TEST_F(Smtp, AdresseAccentueeEnUtf8) {
    auto srv = demarrer({"--utf8"});
    auto m = message();
    m.de = m.repondre_a = cp1252("josé@orange.fr");
    m.cc = {m.de};
    const auto r = envoyer_email(serveur(srv->port()), m);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<josé@orange.fr>\n"
                                     "RCPT TO:<correcteur@ref-union.org>\n"
                                     "RCPT TO:<josé@orange.fr>\n");
    EXPECT_THAT(lignes(recu("en_tetes.txt")), testing::Contains("From: josé@orange.fr"));
}

TEST_F(Smtp, StartTlsOffertEstUtilise) {
    auto srv = demarrer(options_tls("starttls"));
    auto s = serveur(srv->port());
    s.fichier_ca = dossier / "cert.pem";
    const auto r = envoyer_email(s, message());
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(recu("tls.txt"), "oui");
    EXPECT_EQ(recu("pj.bin"), cabrillo);
}

// After the server offered encryption, a failed TLS set-up never falls back to clear text.
TEST_F(Smtp, CertificatNonReconnuRienEnClair) {
    auto srv = demarrer(options_tls("starttls"));
    const auto r = envoyer_email(serveur(srv->port()), message());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("certificate"));
    EXPECT_EQ(messages_recus(), 0);
}

TEST_F(Smtp, StartTlsOffertPuisRefuseRienEnClair) {
    auto options = options_tls("starttls");
    options.insert(options.end(), {"--mode", "starttls_refuse"});
    auto srv = demarrer(options);
    auto s = serveur(srv->port());
    s.fichier_ca = dossier / "cert.pem";
    const auto r = envoyer_email(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("454"));
    EXPECT_EQ(messages_recus(), 0);
}

TEST_F(Smtp, TlsImpliciteSurSonPort) {
    auto srv = demarrer(options_tls("implicite"));
    auto s = serveur(srv->port());
    s.fichier_ca = dossier / "cert.pem";
    s.port_tls_implicite = srv->port();
    const auto r = envoyer_email(s, message());
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(recu("tls.txt"), "oui");
    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<f4abc@orange.fr>\n"
                                     "RCPT TO:<correcteur@ref-union.org>\n"
                                     "RCPT TO:<f4abc@orange.fr>\n");
}

TEST_F(Smtp, ConnexionRefusee) {
    const int port = test::port_sans_serveur();
    const auto r = envoyer_email(serveur(port), message());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("127.0.0.1 port " + std::to_string(port)));
}

TEST_F(Smtp, DestinataireRefuse) {
    auto srv = demarrer({"--mode", "refus_rcpt"});
    const auto r = envoyer_email(serveur(srv->port()), message());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("550"));
    EXPECT_THAT(r.erreur, HasSubstr("Destinataire inconnu"));
    EXPECT_EQ(messages_recus(), 0);
}

TEST_F(Smtp, ServeurMuetLeDelaiExpire) {
    auto srv = demarrer({"--mode", "muet"});
    auto s = serveur(srv->port());
    s.delai_connexion = std::chrono::milliseconds(800);
    s.delai_total = std::chrono::milliseconds(1500);
    const auto debut = std::chrono::steady_clock::now();
    const auto r = envoyer_email(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("timed out"));
    // Far below the default delays: the configured ones were applied.
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(8));
}

// The refusals below come before any connection: the port has no server, so a connection
// attempt would have given the transport's "Failed to connect" instead.
TEST_F(Smtp, ValeurAvecSautDeLigneRefuseeAvantConnexion) {
    const auto s = serveur(test::port_sans_serveur());
    const struct {
        const char* champ;
        void (*changer)(MessageEmail&);
    } cas[] = {
        {"Objet", [](MessageEmail& m) { m.objet = "YL_KAZ_X\r\nBcc: autre@x.fr"; }},
        {"Objet", [](MessageEmail& m) { m.objet = std::string("YL\0KAZ", 6); }},
        {"De", [](MessageEmail& m) { m.de = "\"a\nb\"@x.fr"; }},
        {"A", [](MessageEmail& m) { m.a = {"\"a\nRCPT TO:<b@x.fr>\"@x.fr"}; }},
        {"CC",
         [](MessageEmail& m) {
             m.cc = {"a@x.fr", "\"a\rb\"@x.fr"};
         }},
        {"Répondre à", [](MessageEmail& m) { m.repondre_a = "a@x.fr\n"; }},
    };
    for (const auto& c : cas) {
        auto m = message();
        c.changer(m);
        const auto r = envoyer_email(s, m);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erreur, cp1252(std::string("Le champ « ") + c.champ +
                                   " » de l'email contient un retour à la ligne ou un "
                                   "caractère nul : rien n'a été envoyé."));
    }
}

TEST_F(Smtp, PortInvalideRefuseAvantConnexion) {
    auto s = serveur(0);
    for (const char* port :
         {"", "abc", "0", "65536", "99999999999", "25x", "-25", "+25", "2 5", "25.0"}) {
        s.port = port;
        const auto r = envoyer_email(s, message());
        EXPECT_FALSE(r.ok) << port;
        EXPECT_THAT(r.erreur, HasSubstr(cp1252("corrigez le champ Port de la fiche station")))
            << port;
    }
    EXPECT_EQ(port_smtp(" 587 "), 587);
    EXPECT_EQ(port_smtp("1"), 1);
    EXPECT_EQ(port_smtp("065535"), 65535);
    EXPECT_EQ(port_smtp("65536"), std::nullopt);
}

TEST_F(Smtp, HoteInvalideRefuseAvantConnexion) {
    auto s = serveur(test::port_sans_serveur());
    const std::vector<std::string> hotes = {"",
                                            "   ",
                                            "user@127.0.0.1",
                                            "127.0.0.1/x",
                                            "smtp.orange.fr?a",
                                            "smtp orange.fr",
                                            "[smtp.orange.fr]",
                                            cp1252("smtp.é.fr")};
    for (const auto& hote : hotes) {
        s.hote = hote;
        const auto r = envoyer_email(s, message());
        EXPECT_FALSE(r.ok) << hote;
        EXPECT_THAT(r.erreur, HasSubstr("champ SMTP de la fiche station")) << hote;
    }
}

TEST_F(Smtp, PieceJointeManquanteRefuseeAvantConnexion) {
    auto m = message();
    m.piece_jointe = dossier / "absent.CBR";
    const auto r = envoyer_email(serveur(test::port_sans_serveur()), m);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("absent.CBR"));
    EXPECT_THAT(r.erreur, HasSubstr(cp1252("rien n'a été envoyé")));
}

TEST_F(Smtp, SansDestinataireRefuseAvantConnexion) {
    auto m = message();
    m.a.clear();
    m.cc.clear();
    const auto r = envoyer_email(serveur(test::port_sans_serveur()), m);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erreur, cp1252("L'email n'a aucun destinataire : rien n'a été envoyé."));
}

TEST(DateRfc5322, DecalagesEtCalendrier) {
    EXPECT_EQ(date_rfc5322(instant, seconds(0)), "Sat, 06 Mar 2021 14:05:09 +0000");
    EXPECT_EQ(date_rfc5322(instant, seconds(3600)), "Sat, 06 Mar 2021 15:05:09 +0100");
    EXPECT_EQ(date_rfc5322(instant, seconds(-(3 * 3600 + 30 * 60))),
              "Sat, 06 Mar 2021 10:35:09 -0330");
    EXPECT_EQ(date_rfc5322(instant, seconds(10 * 3600)), "Sun, 07 Mar 2021 00:05:09 +1000");
    // 29 February 2024, 23:59:59.9 UTC: fractions of a second are dropped.
    const system_clock::time_point bissextile =
        system_clock::time_point(seconds(1709251199)) + std::chrono::milliseconds(900);
    EXPECT_EQ(date_rfc5322(bissextile, seconds(0)), "Thu, 29 Feb 2024 23:59:59 +0000");
    EXPECT_EQ(date_rfc5322(bissextile, seconds(7200)), "Fri, 01 Mar 2024 01:59:59 +0200");
}

// The local offset is the one in force at that instant, not the one of today.
TEST(DateRfc5322, FuseauLocalDeLInstant) {
    const char* avant = std::getenv("TZ");
    const std::string sauve = avant ? avant : "";
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
    const auto ete = instant + std::chrono::hours(24 * 120); // 4 July 2021
    const std::string hiver_local = date_rfc5322_locale(instant);
    const std::string ete_local = date_rfc5322_locale(ete);
    if (avant) {
        ::setenv("TZ", sauve.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
    EXPECT_EQ(hiver_local, "Sat, 06 Mar 2021 15:05:09 +0100");
    EXPECT_EQ(ete_local, "Sun, 04 Jul 2021 16:05:09 +0200");
}

TEST(EnTete, AsciiCourtTelQuelSinonMotsEncodesPlies) {
    EXPECT_EQ(lignes_entete("Subject", "YL_KAZ_F4ABC"),
              std::vector<std::string>{"Subject: YL_KAZ_F4ABC"});
    EXPECT_EQ(lignes_entete("Subject", cp1252("YL_KAZ_F4ÉA b")),
              std::vector<std::string>{"Subject: =?windows-1252?Q?YL=5FKAZ=5FF4=C9A_b?="});
    const auto longues = lignes_entete("Subject", cp1252("é") + std::string(200, '_'));
    ASSERT_GT(longues.size(), 1u);
    for (std::size_t i = 0; i < longues.size(); ++i) {
        EXPECT_LE(longues[i].size(), 78u);
        EXPECT_EQ(longues[i][0], i == 0 ? 'S' : ' ');
        EXPECT_THAT(longues[i], testing::EndsWith("?="));
        // An "=XX" triplet is never cut between two encoded words.
        EXPECT_THAT(longues[i], Not(testing::MatchesRegex(".*=.?\\?=$")));
    }
}

} // namespace

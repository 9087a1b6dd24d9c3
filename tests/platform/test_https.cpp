#include "platform/https.h"

#include "platform/cp1252.h"
#include "support/dossier_temp.h"
#include "support/serveur_local.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

using namespace ylkaz;
using testing::HasSubstr;

namespace {

std::string octets_varies(std::size_t taille) {
    std::string s(taille, '\0');
    for (std::size_t i = 0; i < taille; ++i)
        s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return s;
}

class Https : public testing::Test {
  protected:
    test::DossierTemp dossier;
    std::unique_ptr<test::ServeurLocal> serveur;
    OptionsHttps options;
    const std::string ancien = "ANCIEN;CONTENU\r\n\xE9\r\n";

    // The server's certificate is for `nom`; the fetch trusts exactly that certificate.
    void demarrer(const std::string& nom = "127.0.0.1",
                  const std::string& san = "IP:127.0.0.1,DNS:localhost") {
        std::filesystem::create_directories(dossier / "serveur");
        std::filesystem::create_directories(dossier / "local");
        test::creer_certificat(dossier / "cert.pem", dossier / "cle.pem", nom, san);
        serveur = std::make_unique<test::ServeurLocal>(std::vector<std::string>{
            test::python(), test::source_test("platform/serveur_https.py").string(), "--racine",
            (dossier / "serveur").string(), "--cert", (dossier / "cert.pem").string(), "--cle",
            (dossier / "cle.pem").string(), "--journal", (dossier / "journal.txt").string()});
        options.fichier_ca = dossier / "cert.pem";
        options.delai_connexion = std::chrono::seconds(3);
        options.delai_total = std::chrono::seconds(8);
    }

    std::string url(const std::string& chemin) const {
        return "https://127.0.0.1:" + std::to_string(serveur->port()) + chemin;
    }

    std::filesystem::path cible() const { return dossier / "local" / "KAZ_mini_2021.csv"; }

    // An existing local file, to be left exactly as it is by a failed fetch.
    ino_t preparer_ancien() {
        dossier.ecrire("local/KAZ_mini_2021.csv", ancien);
        struct stat st {};
        ::stat(cible().c_str(), &st);
        return st.st_ino;
    }

    void verifier_intact(ino_t inode) {
        EXPECT_EQ(dossier.lire("local/KAZ_mini_2021.csv"), ancien);
        struct stat st {};
        ASSERT_EQ(::stat(cible().c_str(), &st), 0);
        EXPECT_EQ(st.st_ino, inode) << "the file was replaced";
        verifier_sans_temporaire();
    }

    void verifier_sans_temporaire() {
        for (const auto& e : std::filesystem::directory_iterator(dossier / "local"))
            EXPECT_EQ(e.path().filename(), "KAZ_mini_2021.csv") << "left behind: " << e.path();
    }
};

TEST_F(Https, FichierRecuOctetPourOctet) {
    demarrer();
    const std::string contenu = octets_varies(300000);
    dossier.ecrire("serveur/KAZ_mini_2021.csv", contenu);
    const auto r = telecharger(url("/fichiers/KAZ_mini_2021.csv"), cible(), options);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(dossier.lire("local/KAZ_mini_2021.csv"), contenu);
    struct stat st {};
    ASSERT_EQ(::stat(cible().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    verifier_sans_temporaire();
    // No cached copy is asked for.
    EXPECT_EQ(dossier.lire("journal.txt"), "/fichiers/KAZ_mini_2021.csv Cache-Control=no-cache\n");
}

TEST_F(Https, RemplaceUnFichierExistant) {
    demarrer();
    preparer_ancien();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto r = telecharger(url("/fichiers/KAZ_mini_2021.csv"), cible(), options);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(dossier.lire("local/KAZ_mini_2021.csv"), "NOUVEAU\r\n");
    verifier_sans_temporaire();
}

TEST_F(Https, FichierVideRecu) {
    demarrer();
    preparer_ancien();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "");
    const auto r = telecharger(url("/fichiers/KAZ_mini_2021.csv"), cible(), options);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(dossier.lire("local/KAZ_mini_2021.csv"), "");
}

TEST_F(Https, Erreur404LaisseLeFichierIntact) {
    demarrer();
    const auto inode = preparer_ancien();
    const auto r = telecharger(url("/fichiers/absent.csv"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("404"));
    verifier_intact(inode);
}

TEST_F(Https, Erreur500LaisseLeFichierIntact) {
    demarrer();
    const auto inode = preparer_ancien();
    const auto r = telecharger(url("/erreur500"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("500"));
    verifier_intact(inode);
}

TEST_F(Https, CoupureEnCoursDeTransfertLaisseLeFichierIntact) {
    demarrer();
    const auto inode = preparer_ancien();
    const auto r = telecharger(url("/coupe"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.erreur.empty());
    verifier_intact(inode);
}

TEST_F(Https, EchecSansFichierExistantNeCreeRien) {
    demarrer();
    const auto r = telecharger(url("/coupe"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(std::filesystem::exists(cible()));
    verifier_sans_temporaire();
}

TEST_F(Https, CertificatPourUnAutreNomRefuse) {
    demarrer("autre.example", "DNS:autre.example");
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto inode = preparer_ancien();
    const auto r = telecharger(url("/fichiers/KAZ_mini_2021.csv"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("127.0.0.1"));
    verifier_intact(inode);
}

TEST_F(Https, AutoriteInconnueRefusee) {
    demarrer();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto inode = preparer_ancien();
    options.fichier_ca.reset(); // the system's store does not know the test certificate
    const auto r = telecharger(url("/fichiers/KAZ_mini_2021.csv"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("certificate"));
    verifier_intact(inode);
}

TEST_F(Https, RedirectionVersHttpsSuivie) {
    demarrer();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto r = telecharger(url("/vers_https/KAZ_mini_2021.csv"), cible(), options);
    ASSERT_TRUE(r.ok) << r.erreur;
    EXPECT_EQ(dossier.lire("local/KAZ_mini_2021.csv"), "NOUVEAU\r\n");
}

TEST_F(Https, RedirectionVersHttpRefusee) {
    demarrer();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto inode = preparer_ancien();
    const auto r = telecharger(url("/vers_http/KAZ_mini_2021.csv"), cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("https://"));
    verifier_intact(inode);
    // The clear-text address was never asked for.
    EXPECT_EQ(dossier.lire("journal.txt"), "/vers_http/KAZ_mini_2021.csv Cache-Control=no-cache\n");
}

TEST_F(Https, AdresseHttpRefusee) {
    demarrer();
    const auto inode = preparer_ancien();
    const auto r = telecharger("http://127.0.0.1:" + std::to_string(serveur->port()) +
                                   "/fichiers/KAZ_mini_2021.csv",
                               cible(), options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("https://"));
    verifier_intact(inode);
}

TEST_F(Https, ConnexionRefusee) {
    std::filesystem::create_directories(dossier / "local");
    const auto inode = preparer_ancien();
    const int port = test::port_sans_serveur();
    const auto r = telecharger("https://127.0.0.1:" + std::to_string(port) + "/x", cible());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("port " + std::to_string(port)));
    verifier_intact(inode);
}

TEST_F(Https, ServeurMuetLeDelaiExpire) {
    std::filesystem::create_directories(dossier / "local");
    const auto inode = preparer_ancien();
    test::ServeurLocal muet(
        {test::python(), test::source_test("platform/serveur_smtp.py").string(), "--mode", "muet"});
    OptionsHttps o;
    o.delai_connexion = std::chrono::milliseconds(800);
    o.delai_total = std::chrono::milliseconds(1500);
    const auto r =
        telecharger("https://127.0.0.1:" + std::to_string(muet.port()) + "/x", cible(), o);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, testing::ContainsRegex("time(d )?out"));
    verifier_intact(inode);
}

TEST_F(Https, DossierCibleAbsent) {
    demarrer();
    dossier.ecrire("serveur/KAZ_mini_2021.csv", "NOUVEAU\r\n");
    const auto r =
        telecharger(url("/fichiers/KAZ_mini_2021.csv"), dossier / "absent" / "x.csv", options);
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur, HasSubstr("absent/x.csv"));
}

} // namespace

// The report form's sending, against a real SMTP server on 127.0.0.1.
#include "report/form_infocr.h"

#include "platform/cp1252.h"
#include "platform/smtp.h"
#include "report/banc_compte_rendu.h"
#include "support/serveur_local.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace ylkaz;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

const std::string ENVOYE =
    cp1252("         Vos fichiers compte rendus ont été envoyés au  correcteur");
const std::string ECHEC = cp1252("         L'envoi n'a pas pu se faire           ");

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

class EnvoiCompteRendu : public testing::Test {
  protected:
    test::BancCompteRendu b;
    Form_infoCR& cr = b.cr;

    std::unique_ptr<test::ServeurLocal> demarrer(const std::string& mode = "normal") {
        std::filesystem::create_directories(b.prog / "recus");
        auto s = std::make_unique<test::ServeurLocal>(std::vector<std::string>{
            test::python(), test::source_test("platform/serveur_smtp.py").string(), "--dossier",
            (b.prog / "recus").string(), "--mode", mode});
        b.info.set_Edit_port(std::to_string(s->port()));
        return s;
    }

    int recus() const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(b.prog / "recus"))
            ++n;
        return n;
    }
    std::string recu(const std::string& f) const { return b.prog.lire("recus/1/" + f); }

    // "CR" in the main window, which shows and activates the report form, then
    // "Envoi de l'email".
    bool envoyer() {
        b.minuterie.demarrer();
        b.p.Form_main.SpeedButton_mailClick();
        EXPECT_TRUE(b.ecran.visible(Fenetre::infoCR));
        EXPECT_FALSE(b.minuterie.actif());
        return cr.Button_envoiClick();
    }

    // What every attempt leaves: the cursor back, the tick running again, the form closed,
    // no box shown with the tick running.
    void apres_une_tentative() {
        EXPECT_THAT(b.sabliers, ElementsAre(true, false));
        EXPECT_TRUE(b.minuterie.actif());
        EXPECT_FALSE(b.ecran.visible(Fenetre::infoCR));
        EXPECT_FALSE(b.ecran.tick_pendant_une_boite);
    }

    void echec_attendu(const std::string& extrait) {
        ASSERT_EQ(b.ecran.messages.size(), 2u);
        EXPECT_THAT(b.ecran.messages[0], HasSubstr(extrait));
        EXPECT_EQ(b.ecran.messages[1], ECHEC);
        apres_une_tentative();
    }
};

TEST_F(EnvoiCompteRendu, MessageRecuParLeServeur) {
    auto srv = demarrer();
    ASSERT_TRUE(envoyer()) << (b.ecran.messages.empty() ? "" : b.ecran.messages[0]);
    EXPECT_THAT(b.ecran.messages, ElementsAre(ENVOYE));
    apres_une_tentative();
    ASSERT_EQ(recus(), 1);

    EXPECT_EQ(recu("enveloppe.txt"), std::string("MAIL FROM:<f4abc@example.org>\n"
                                                 "RCPT TO:<") +
                                         test::ADRESSE_CORRECTEUR +
                                         ">\n"
                                         "RCPT TO:<f4abc@example.org>\n");
    const auto en_tetes = lignes(recu("en_tetes.txt"));
    const std::vector<std::string> attendus = {
        "From: f4abc@example.org",
        "Reply-To: f4abc@example.org",
        std::string("To: ") + test::ADRESSE_CORRECTEUR,
        "Cc: f4abc@example.org",
        "Subject: YL_KAZ_F4ABC",
        "Date: " + date_rfc5322_locale(b.horloge.t),
        "X-Priority: 3 (Normal)",
    };
    EXPECT_THAT(en_tetes, testing::IsSupersetOf(attendus));
    for (const auto& a : attendus) {
        const std::string nom = a.substr(0, a.find(':') + 1);
        EXPECT_EQ(std::count_if(en_tetes.begin(), en_tetes.end(),
                                [&](const std::string& l) { return l.rfind(nom, 0) == 0; }),
                  1)
            << nom;
    }
    EXPECT_EQ(recu("corps_type.txt"), "text/plain; charset=windows-1252");
    EXPECT_EQ(recu("corps.bin"), " Fichier compte rendu du concours YL_KAZ     " +
                                     b.date_du_jour() + "\r\n73 de F4ABC\r\n");
    EXPECT_EQ(recu("pj_nom.txt"), "F4ABC.CBR");
    EXPECT_EQ(recu("pj.bin"), b.prog.lire("Files/F4ABC.CBR"));
    EXPECT_EQ(recu("pj.bin"), b.cabrillo_attendu());
}

TEST_F(EnvoiCompteRendu, ServeurEtPortLusAuMomentDeLEnvoi) {
    auto srv = demarrer();
    const std::string bon_port = b.info.Edit_port();
    b.info.set_Edit_port("1");
    b.ecran.montrer(Fenetre::infoCR);
    // Corrected on the station form while the report form is open.
    b.info.set_Edit_port(bon_port);
    ASSERT_TRUE(cr.Button_envoiClick());
    EXPECT_EQ(recus(), 1);
}

TEST_F(EnvoiCompteRendu, SansAdresseValableSeuleLaCopiePart) {
    auto srv = demarrer();
    b.correcteurs("[YL]\r\nAD=\r\n");
    ASSERT_TRUE(envoyer());
    EXPECT_EQ(b.ecran.messages.front(),
              cp1252("    L'adresse du destinataire (le correcteur) ne semble pas valide, "
                     "corrigez"));
    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<f4abc@example.org>\n"
                                     "RCPT TO:<f4abc@example.org>\n");
    EXPECT_THAT(lignes(recu("en_tetes.txt")),
                testing::Not(testing::Contains(testing::StartsWith("To:"))));
}

TEST_F(EnvoiCompteRendu, AdresseCorrigeeParLOperateur) {
    auto srv = demarrer();
    b.correcteurs("[YL]\r\nAD=correcteur@\r\n");
    b.ecran.montrer(Fenetre::infoCR);
    cr.set_Edit_AD_Destinataire("verif@dizidevi.example");
    ASSERT_TRUE(cr.Button_envoiClick());
    EXPECT_EQ(recu("enveloppe.txt"), "MAIL FROM:<f4abc@example.org>\n"
                                     "RCPT TO:<verif@dizidevi.example>\n"
                                     "RCPT TO:<f4abc@example.org>\n");
}

TEST_F(EnvoiCompteRendu, SansCabrilloPasDePieceJointe) {
    auto srv = demarrer();
    std::filesystem::remove_all(b.prog / "Files");
    ASSERT_TRUE(envoyer());
    EXPECT_EQ(recu("parties.txt"), "1");
    EXPECT_EQ(recu("pj_nom.txt"), "");
    EXPECT_EQ(recu("corps.bin"), " Fichier compte rendu du concours YL_KAZ     " +
                                     b.date_du_jour() + "\r\n73 de F4ABC\r\n");
}

TEST_F(EnvoiCompteRendu, ConnexionRefusee) {
    b.info.set_Edit_port(std::to_string(test::port_sans_serveur()));
    EXPECT_FALSE(envoyer());
    echec_attendu("Couldn't connect to server");
}

TEST_F(EnvoiCompteRendu, DestinataireRefuse) {
    auto srv = demarrer("refus_rcpt");
    EXPECT_FALSE(envoyer());
    echec_attendu("550");
    EXPECT_EQ(recus(), 0);
}

TEST_F(EnvoiCompteRendu, ServeurMuet) {
    auto srv = demarrer("muet");
    cr.reglages_envoi.delai_connexion = std::chrono::seconds(1);
    cr.reglages_envoi.delai_total = std::chrono::seconds(2);
    EXPECT_FALSE(envoyer());
    echec_attendu("timed out");
}

TEST_F(EnvoiCompteRendu, PortQuiNEstPasUnNombre) {
    auto srv = demarrer();
    for (const char* port : {"abc", "0", "65536", "25x", ""}) {
        SCOPED_TRACE(port);
        b.sabliers.clear();
        b.ecran.messages.clear();
        b.info.set_Edit_port(port);
        EXPECT_FALSE(envoyer());
        echec_attendu("champ Port de la fiche station");
        EXPECT_THAT(b.ecran.messages[0], HasSubstr(cp1252("Rien n'a été envoyé")));
    }
    EXPECT_EQ(recus(), 0);
}

} // namespace

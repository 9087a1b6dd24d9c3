#include "report/form_infocr.h"

#include "platform/cp1252.h"
#include "report/banc_compte_rendu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ylkaz;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string AVERTISSEMENT =
    cp1252("    L'adresse du destinataire (le correcteur) ne semble pas valide, corrigez");

class FormInfoCR : public testing::Test {
  protected:
    test::BancCompteRendu b;
    Form_infoCR& cr = b.cr;
};

TEST_F(FormInfoCR, AvantLaPremiereActivation) {
    EXPECT_EQ(cr.Panel_de(), "--");
    EXPECT_EQ(cr.Panel_CC(), "--");
    EXPECT_EQ(cr.Panel_objet(), "--");
    EXPECT_EQ(cr.Panel_PJ(), "--");
    EXPECT_EQ(cr.Edit_AD_Destinataire(), "");
    EXPECT_FALSE(cr.Label_erreur_visible());
    const TextesInfoCR& t = cr.textes();
    EXPECT_EQ(t.Label_titre_CR, "ENVOI DU COMPTE RENDU");
    EXPECT_EQ(t.Panel4, cp1252("Pièce jointe"));
    EXPECT_EQ(t.Label_erreur, "Erreur email, corrigez");
    EXPECT_EQ(t.Button_envoi, "Envoi de l'email");
    // A language file's key goes to its caption.
    TextesInfoCR anglais = t;
    for (const auto& [cle, champ] : Form_infoCR::CLES_LANGUE)
        anglais.*champ = std::string("EN ") + cle;
    int notices = 0;
    cr.sur_changement = [&] { ++notices; };
    cr.set_textes(anglais);
    EXPECT_EQ(cr.textes().Label_titre_CR, "EN Titre_CR");
    EXPECT_EQ(cr.textes().Button_envoi, "EN Button_envoi");
    EXPECT_EQ(notices, 1);
}

TEST_F(FormInfoCR, ActivationDansLOrdre) {
    b.minuterie.demarrer();
    int notices = 0;
    cr.sur_changement = [&] { ++notices; };
    cr.FormActivate();

    EXPECT_FALSE(b.minuterie.actif());
    EXPECT_THAT(b.ecran.messages, IsEmpty());
    // One repaint for the whole activation when no box interrupts it.
    EXPECT_EQ(notices, 1);
    // The Cabrillo file, rewritten from the log as it is now.
    EXPECT_EQ(b.prog.lire("Files/F4ABC.CBR"), b.cabrillo_attendu());
    EXPECT_EQ(b.p.cabrillo.fichier_cabrillo, "F4ABC.CBR");

    EXPECT_EQ(cr.Panel_de(), "f4abc@example.org");
    EXPECT_EQ(cr.Edit_AD_Destinataire(), test::ADRESSE_CORRECTEUR);
    EXPECT_FALSE(cr.Label_erreur_visible());
    EXPECT_EQ(cr.Panel_CC(), "f4abc@example.org");
    EXPECT_EQ(cr.Panel_objet(), "YL_KAZ_F4ABC");
    EXPECT_EQ(cr.Panel_PJ(), "        F4ABC.CBR");
    EXPECT_THAT(cr.Memo1(),
                ElementsAre(" Fichier compte rendu du concours YL_KAZ     " + b.date_du_jour(),
                            "73 de F4ABC"));

    const MessageEmail& m = cr.message();
    EXPECT_EQ(m.de, "f4abc@example.org");
    EXPECT_EQ(m.repondre_a, "f4abc@example.org");
    EXPECT_THAT(m.a, ElementsAre(test::ADRESSE_CORRECTEUR));
    EXPECT_THAT(m.cc, ElementsAre("f4abc@example.org"));
    // OPERATOR, not the station on the air.
    EXPECT_EQ(m.objet, "YL_KAZ_F4ABC");
    EXPECT_EQ(m.date, b.horloge.t);
    EXPECT_EQ(m.corps, cr.Memo1());
    ASSERT_TRUE(m.piece_jointe);
    EXPECT_EQ(*m.piece_jointe, b.fichier_cbr());
}

TEST_F(FormInfoCR, ChaqueActivationReconstruitTout) {
    cr.FormActivate();
    cr.set_Edit_AD_Destinataire("autre@correcteur.example");
    EXPECT_THAT(cr.message().a, ElementsAre("autre@correcteur.example"));

    // A QSO logged meanwhile, a new operator, a new day.
    test::remplir(b.p.grille, 9,
                  {"10", "14/03/2021", "10:00", "EA3AAA", "599", "9", "599", "", "OM", "Juan", "NM",
                   "EA", "1", "", ""});
    b.p.grille.set_RowCount(11);
    b.p.station.OPERATOR = "F4XYZ";
    b.p.station.MY_EMAIL = "f4xyz@example.org";
    b.horloge.regler(2021, 3, 14, 18, 0, 0);
    cr.FormActivate();

    const MessageEmail& m = cr.message();
    // The address typed at the last showing is lost: the file is read again.
    EXPECT_EQ(cr.Edit_AD_Destinataire(), test::ADRESSE_CORRECTEUR);
    EXPECT_THAT(m.a, ElementsAre(test::ADRESSE_CORRECTEUR));
    EXPECT_THAT(m.cc, ElementsAre("f4xyz@example.org"));
    EXPECT_EQ(m.de, "f4xyz@example.org");
    EXPECT_EQ(m.objet, "YL_KAZ_F4XYZ");
    EXPECT_EQ(m.date, b.horloge.t);
    EXPECT_THAT(cr.Memo1(),
                ElementsAre(" Fichier compte rendu du concours YL_KAZ     " + b.date_du_jour(),
                            "73 de F4XYZ"));
    EXPECT_EQ(m.corps.size(), 2u);
    EXPECT_TRUE(m.piece_jointe);
    const std::string cbr = b.prog.lire("Files/F4ABC.CBR");
    EXPECT_EQ(cbr, b.cabrillo_attendu());
    EXPECT_NE(cbr.find("EA3AAA"), std::string::npos);
    EXPECT_THAT(b.ecran.messages, IsEmpty());
}

TEST_F(FormInfoCR, AdresseDuCorrecteurAbsenteOuFausse) {
    struct Cas {
        const char* nom;
        std::optional<std::string> fichier;
        std::string adresse_lue;
    };
    const std::vector<Cas> cas = {
        {"fichier absent", std::nullopt, ""},
        {"cle absente", "[YL]\r\nAUTRE=x@y.example\r\n", ""},
        {"section absente", "[OM]\r\nAD=x@y.example\r\n", ""},
        {"adresse vide (fichier livre)", "[YL]\r\nAD=\r\n", ""},
        {"adresse mal formee", "[yl]\r\nad = correcteur@dizidevi\r\n", "correcteur@dizidevi"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        test::BancCompteRendu banc;
        std::filesystem::remove(banc.prog / Form_infoCR::FICHIER_CORRECTEURS);
        if (c.fichier) banc.correcteurs(*c.fichier);
        banc.cr.FormActivate();
        EXPECT_THAT(banc.ecran.messages, ElementsAre(AVERTISSEMENT));
        EXPECT_EQ(banc.cr.Edit_AD_Destinataire(), c.adresse_lue);
        EXPECT_TRUE(banc.cr.Label_erreur_visible());
        EXPECT_THAT(banc.cr.message().a, IsEmpty());
        EXPECT_THAT(banc.cr.message().cc, ElementsAre("f4abc@example.org"));
        // The rest of the message is built all the same.
        EXPECT_EQ(banc.cr.message().objet, "YL_KAZ_F4ABC");
        EXPECT_TRUE(banc.cr.message().piece_jointe);
        EXPECT_EQ(banc.cr.Memo1().size(), 2u);
    }
}

// The window behind the warning already shows the address read and the red label.
TEST_F(FormInfoCR, AvertissementDevantLAdresseAffichee) {
    b.correcteurs("[YL]\r\nAD=correcteur@dizidevi\r\n");
    std::string adresse_vue;
    bool label_vu = false;
    cr.sur_changement = [&] {
        adresse_vue = cr.Edit_AD_Destinataire();
        label_vu = cr.Label_erreur_visible();
    };
    std::vector<std::string> pendant;
    b.ecran.pendant_boite = [&] { pendant.push_back(adresse_vue + (label_vu ? " rouge" : "")); };
    cr.FormActivate();
    EXPECT_THAT(pendant, ElementsAre("correcteur@dizidevi rouge"));
    // The rest of the activation reaches the window too.
    EXPECT_EQ(adresse_vue, "correcteur@dizidevi");
    EXPECT_EQ(cr.Panel_objet(), "YL_KAZ_F4ABC");
}

TEST_F(FormInfoCR, SaisieDeLAdresse) {
    b.correcteurs("[YL]\r\nAD=pas une adresse\r\n");
    cr.FormActivate();
    ASSERT_TRUE(cr.Label_erreur_visible());

    cr.set_Edit_AD_Destinataire("bon@correcteur.example");
    EXPECT_FALSE(cr.Label_erreur_visible());
    EXPECT_THAT(cr.message().a, ElementsAre("bon@correcteur.example"));

    // A half-typed correction shows the label and keeps the last good address.
    cr.set_Edit_AD_Destinataire("bon@correcteur.");
    EXPECT_TRUE(cr.Label_erreur_visible());
    EXPECT_THAT(cr.message().a, ElementsAre("bon@correcteur.example"));

    cr.set_Edit_AD_Destinataire("autre@correcteur.example");
    EXPECT_THAT(cr.message().a, ElementsAre("autre@correcteur.example"));
    // Never written back.
    EXPECT_EQ(b.prog.lire(Form_infoCR::FICHIER_CORRECTEURS), "[YL]\r\nAD=pas une adresse\r\n");
}

// The field holds the same bad address as at the last showing: the label must still
// come back after the activation hid it.
TEST_F(FormInfoCR, MemeAdresseFausseDeuxFois) {
    b.correcteurs("[YL]\r\nAD=faux@\r\n");
    cr.FormActivate();
    cr.FormActivate();
    EXPECT_TRUE(cr.Label_erreur_visible());
    EXPECT_THAT(b.ecran.messages, ElementsAre(AVERTISSEMENT, AVERTISSEMENT));
    EXPECT_THAT(cr.message().a, IsEmpty());
}

TEST_F(FormInfoCR, CabrilloImpossibleAEcrire) {
    // A stale report of the same name must not be sent as if it were the current one.
    std::filesystem::remove_all(b.prog / "Files");
    cr.FormActivate();
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_FALSE(b.ecran.messages[0].empty());
    EXPECT_FALSE(cr.message().piece_jointe);
    EXPECT_EQ(cr.Panel_PJ(), "        F4ABC.CBR");
    EXPECT_THAT(cr.message().a, ElementsAre(test::ADRESSE_CORRECTEUR));
    EXPECT_EQ(cr.Memo1().size(), 2u);
    EXPECT_EQ(cr.piece_prevue(), b.fichier_cbr());
}

TEST_F(FormInfoCR, NomDuFichierSansExtension) {
    b.p.emplacement.NOM_FICHIER = "concours";
    cr.FormActivate();
    EXPECT_EQ(cr.Panel_PJ(), "        concours.CBR");
    ASSERT_TRUE(cr.message().piece_jointe);
    EXPECT_EQ(cr.message().piece_jointe->filename(), "concours.CBR");
}

TEST_F(FormInfoCR, AnnulerFermeSansRienEnvoyer) {
    b.ecran.montrer(Fenetre::infoCR);
    cr.BitBtn_annulerClick();
    EXPECT_FALSE(b.ecran.visible(Fenetre::infoCR));
    EXPECT_THAT(b.sabliers, IsEmpty());
    EXPECT_THAT(b.ecran.messages, IsEmpty());
}

TEST_F(FormInfoCR, IconeDeLaPieceJointe) {
    cr.Image1Click();
    EXPECT_THAT(b.ouvreur.ouverts, IsEmpty());
    cr.FormActivate();
    cr.Image1Click();
    EXPECT_THAT(b.ouvreur.ouverts, ElementsAre(b.fichier_cbr()));
    b.ouvreur.echec = cp1252("Impossible de lancer « xdg-open » : absent");
    cr.Image1Click();
    EXPECT_THAT(b.ecran.messages, ElementsAre(*b.ouvreur.echec));

    // No file to read: said at once, the opener is not asked.
    b.ecran.messages.clear();
    std::filesystem::remove(b.fichier_cbr());
    cr.Image1Click();
    EXPECT_EQ(b.ouvreur.ouverts.size(), 2u);
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_THAT(b.ecran.messages[0], testing::HasSubstr(nom_stocke(b.fichier_cbr())));
    EXPECT_THAT(b.ecran.messages[0], testing::HasSubstr(texte_erreur_systeme(ENOENT)));
}

TEST(CommandeCompteRendu, MontreLeFormulaireOuRefuse) {
    const std::string refus = cp1252("Les données fournies (EMail, SMTP, Port) ne permettent pas "
                                     "d'envoyer votre compte rendu\n\rUtilisez votre propre "
                                     "gestionaire d'emails");
    EXPECT_EQ(message_refus_compte_rendu(), refus);
    struct Cas {
        const char* email;
        const char* smtp;
        const char* port;
        bool montre;
    };
    const std::vector<Cas> cas = {
        {"f4abc@example.org", "smtp.example.org", "587", true},
        // Only emptiness counts here: a bad port is the transport's to refuse.
        {"f4abc@example.org", "smtp.example.org", "abc", true},
        {"f4abc@example.org", "smtp.example.org", "", false},
        {"f4abc@example.org", "", "587", false},
        {"f4abc@example", "smtp.example.org", "587", false},
        {"", "smtp.example.org", "587", false},
        {"f4abc @example.org", "smtp.example.org", "587", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.email) + "|" + c.smtp + "|" + c.port);
        test::FausseMinuterie minuterie;
        test::EcranCR ecran(minuterie);
        StationRecord s;
        s.MY_EMAIL = c.email;
        s.MY_SMTP = c.smtp;
        s.MY_PORT = c.port;
        minuterie.demarrer();
        SpeedButton_mailClick(s, ecran, minuterie);
        if (c.montre) {
            EXPECT_THAT(ecran.montrees, ElementsAre(Fenetre::infoCR));
            EXPECT_THAT(ecran.messages, IsEmpty());
            // Stopped while the report form is in front.
            EXPECT_FALSE(minuterie.actif());
        } else {
            EXPECT_THAT(ecran.montrees, IsEmpty());
            EXPECT_THAT(ecran.messages, ElementsAre(refus));
            EXPECT_FALSE(ecran.tick_pendant_une_boite);
            // The clock of the entry row keeps running.
            EXPECT_TRUE(minuterie.actif());
            EXPECT_EQ(minuterie.demarrages, 2);
        }
    }
}

} // namespace

// The report form on screen: opened by the main window's "CR" button, it shows the
// prepared message; typing the address, the icon and the buttons reach the form's logic.
#include "dialogues_qt.h"
#include "fenetre_infocr.h"
#include "fenetre_main.h"
#include "platform/cp1252.h"
#include "programme_qt.h"
#include "report/banc_compte_rendu.h"
#include "support/banc_programme.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

namespace {

// Answers every message box as soon as it is up, keeping its text.
class Boites {
  public:
    Boites() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!m || !m->isVisible()) return;
            textes << m->text();
            if (QAbstractButton* ok = m->button(QMessageBox::Ok))
                ok->click();
            else
                m->done(0);
        });
        timer_.start();
    }
    QStringList textes;

  private:
    QTimer timer_;
};

struct Lance {
    explicit Lance(const QTemporaryDir& d)
        : pq(d.path().toStdString(), std::make_unique<test::LecteursScriptes>()) {
        pq.terminer = [] {};
        pq.demarrer();
        Programme& p = pq.programme();
        p.ouvreur = &ouvreur;
        p.station.OPERATOR = "F4ABC";
        p.station.MY_STATION = "F4ABC";
        p.station.MY_EMAIL = "f4abc@example.org";
        p.station.MY_SMTP = "127.0.0.1";
        p.station.MY_PORT = "25";
        p.emplacement.NOM_FICHIER = "YL_KAZ_2021@F4ABC.YL";
        p.Form_info.set_Edit_smtp("127.0.0.1");
        p.Form_info.set_Edit_port("25");
    }
    ProgrammeQt pq;
    test::FauxOuvreur ouvreur;
};

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class TestFenetreInfoCR : public QObject {
    Q_OBJECT

  private slots:
    void boutonCRMontreLeMessagePrepare() {
        QTemporaryDir dossier;
        {
            QFile f(dossier.filePath(QStringLiteral("Correcteurs_KAZ_CONCOURS.ini")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[YL]\r\nAD=correcteur@dizidevi.example\r\n");
        }
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        FenetreInfoCR& w = l.pq.infocr();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.Panel_objet().text(), QStringLiteral("--"));

        l.pq.main().SpeedButton_mail().click();
        QTRY_VERIFY(w.isActiveWindow());
        QVERIFY(!l.pq.minuterie().actif());
        QCOMPARE(w.windowTitle(), QStringLiteral("Envoi Compte Rendu"));
        QCOMPARE(w.Label_titre_CR().text(), QStringLiteral("ENVOI DU COMPTE RENDU"));
        QCOMPARE(w.Panel4().text(), q("Pièce jointe"));
        QCOMPARE(w.Button_envoi().text(), QStringLiteral("Envoi de l'email"));
        QCOMPARE(w.Panel_de().text(), QStringLiteral("f4abc@example.org"));
        QCOMPARE(w.Edit_AD_Destinataire().text(), QStringLiteral("correcteur@dizidevi.example"));
        QVERIFY(w.Label_erreur().isHidden());
        QCOMPARE(w.Panel_CC().text(), QStringLiteral("f4abc@example.org"));
        QCOMPARE(w.Panel_objet().text(), QStringLiteral("YL_KAZ_F4ABC"));
        QCOMPARE(w.Panel_PJ().text(), QStringLiteral("        YL_KAZ_2021@F4ABC.CBR"));
        const QString jour = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(w.Memo1().toPlainText(),
                 QStringLiteral(" Fichier compte rendu du concours YL_KAZ     ") + jour +
                     QStringLiteral("\n73 de F4ABC"));
        QVERIFY(w.Memo1().isReadOnly());
        const Form_infoCR& cr = l.pq.programme().Form_infoCR;
        QVERIFY(cr.message().piece_jointe.has_value());

        // Typing a broken address shows the red label and keeps the recipient.
        w.Edit_AD_Destinataire().setFocus();
        w.Edit_AD_Destinataire().selectAll();
        QTest::keyClicks(&w.Edit_AD_Destinataire(), QStringLiteral("verif@dizidevi."));
        QCOMPARE(cr.Edit_AD_Destinataire(), std::string("verif@dizidevi."));
        QVERIFY(!w.Label_erreur().isHidden());
        QCOMPARE(w.Label_erreur().text(), QStringLiteral("Erreur email, corrigez"));
        QCOMPARE(cr.message().a, std::vector<std::string>{"correcteur@dizidevi.example"});
        QTest::keyClicks(&w.Edit_AD_Destinataire(), QStringLiteral("org"));
        QVERIFY(w.Label_erreur().isHidden());
        QCOMPARE(cr.message().a, std::vector<std::string>{"verif@dizidevi.org"});

        QTest::mouseClick(&w.Image1(), Qt::LeftButton);
        QCOMPARE(l.ouvreur.ouverts.size(), std::size_t(1));
        QCOMPARE(l.ouvreur.ouverts[0].filename().string(), std::string("YL_KAZ_2021@F4ABC.CBR"));

        // A port the transport refuses before connecting: both boxes, then the form closes.
        l.pq.programme().Form_info.set_Edit_port("abc");
        Boites boites;
        QTest::mouseClick(&w.Button_envoi(), Qt::LeftButton);
        QCOMPARE(boites.textes.size(), 2);
        QVERIFY2(boites.textes[0].contains(QStringLiteral("champ Port de la fiche station")),
                 qPrintable(boites.textes[0]));
        QCOMPARE(boites.textes[1],
                 QStringLiteral("         L'envoi n'a pas pu se faire           "));
        QVERIFY(!w.isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(l.pq.minuterie().actif());
    }

    void avertissementPuisAnnuler() {
        QTemporaryDir dossier;
        Lance l(dossier);
        FenetreInfoCR& w = l.pq.infocr();
        Boites boites;
        l.pq.main().SpeedButton_mail().click();
        QTRY_COMPARE(boites.textes.size(), 1);
        QCOMPARE(boites.textes[0],
                 q("    L'adresse du destinataire (le correcteur) ne semble pas valide, corrigez"));
        QVERIFY(w.isVisible());
        QVERIFY(!w.Label_erreur().isHidden());
        QCOMPARE(w.Edit_AD_Destinataire().text(), QString());
        // Coming back from the box does not run the activation again (this platform
        // gives the focus back only when asked).
        w.activateWindow();
        QTRY_VERIFY(w.isActiveWindow());
        QTest::qWait(100);
        QCOMPARE(boites.textes.size(), 1);

        QTest::mouseClick(&w.BitBtn_annuler(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(boites.textes.size(), 1);
    }

    void refusSansReglagesDeMessagerie() {
        QTemporaryDir dossier;
        Lance l(dossier);
        l.pq.programme().station.MY_PORT.clear();
        Boites boites;
        l.pq.main().SpeedButton_mail().click();
        QCOMPARE(boites.textes.size(), 1);
        QCOMPARE(boites.textes[0], texte_boite(message_refus_compte_rendu()));
        QVERIFY(boites.textes[0].contains(QLatin1Char('\n')));
        QVERIFY(!l.pq.infocr().isVisible());
        QVERIFY(l.pq.minuterie().actif());
    }
};

QTEST_MAIN(TestFenetreInfoCR)
#include "test_fenetre_infocr.moc"

// The whole first start on an empty program folder, with real key presses and clicks,
// then a second start on the same folder.
#include "app/ini.h"
#include "fenetre_choix_fichier.h"
#include "fenetre_info.h"
#include "fenetre_main.h"
#include "log/dates.h"
#include "platform/fichiers.h"
#include "programme_qt.h"
#include "support/banc_programme.h"
#include "vue_grille_log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

namespace {

QByteArray lire(const QTemporaryDir& d, const QString& nom) {
    QFile f(d.filePath(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Lance {
    explicit Lance(const QTemporaryDir& d)
        : pq(d.path().toStdString(), std::make_unique<test::LecteursScriptes>()) {
        pq.terminer = [this] { ++fins; };
        pq.demarrer();
    }
    ProgrammeQt pq;
    int fins = 0;
};

} // namespace

class TestDemarrageQt : public QObject {
    Q_OBJECT

  private slots:
    void firstStartThenSecondStart() {
        QTemporaryDir dossier;
        const int annee = QDate::currentDate().year();
        const QString nom = QStringLiteral("YL_KAZ_%1@F4ABC").arg(annee);
        const QString log = QStringLiteral("Files/") + nom + QStringLiteral(".YL");
        {
            Lance l(dossier);
            FenetreInfo& info = l.pq.info();
            QTRY_VERIFY(info.isActiveWindow());
            QVERIFY(!l.pq.choix().isVisible());
            QVERIFY(!l.pq.main().isVisible());
            QVERIFY(!l.pq.minuterie().actif());
            QCOMPARE(info.windowTitle(), QStringLiteral("Dizidevi YL KAZ, V:6.0.0.0"));
            QCOMPARE(info.Label_Date_BD().text(), QStringLiteral("Date fichiers : aucun fichier"));
            // No server is named in this folder (or there is no network): the outcome is
            // where the operator sees it.
            QVERIFY(info.Label_etat_bases().isVisible());
            QVERIFY(
                info.Label_etat_bases().text().contains(QStringLiteral("bases non mises à jour")));
            QCOMPARE(info.combobox_save().currentText(), QStringLiteral("Aucun"));

            info.Edit_op().setFocus();
            QTest::keyClicks(&info.Edit_op(), QStringLiteral("f4abc"));
            QCOMPARE(info.Edit_op().text(), QStringLiteral("F4ABC"));
            QCOMPARE(QString::fromStdString(l.pq.programme().Form_info.Edit_op()),
                     QStringLiteral("F4ABC"));
            QTest::mouseClick(&info.RadioButton1(), Qt::LeftButton);
            QVERIFY(info.RadioButton1().isChecked());
            QTest::mouseClick(&info.Button_OK(), Qt::LeftButton);

            FenetreChoixFichier& choix = l.pq.choix();
            QTRY_VERIFY(choix.isActiveWindow());
            QVERIFY(!info.isVisible());
            QVERIFY(!l.pq.minuterie().actif());
            QCOMPARE(choix.Edit_nom_fichier().text(), nom);
            QTRY_VERIFY(choix.Edit_nom_fichier().hasFocus());
            QCOMPARE(choix.Edit_nom_fichier().cursorPosition(), nom.size());
            QVERIFY(!choix.Edit_nom_fichier().hasSelectedText());
            QTest::keyClick(&choix.Edit_nom_fichier(), Qt::Key_Return);

            FenetreMain& main = l.pq.main();
            QTRY_VERIFY(main.isActiveWindow());
            QVERIFY(!choix.isVisible());
            const QByteArray octets = lire(dossier, log);
            QCOMPARE(octets.size(), 224);
            test::Attendu entete, blanc;
            entete.operateur = entete.station = "F4ABC";
            entete.numero_membre = "NM";
            entete.categorie = blanc.categorie = "YL";
            blanc.rst_envoye = blanc.rst_recu = "599";
            // The header's date and time are those of its writing.
            std::string attendu = entete.octets() + blanc.octets();
            std::memcpy(attendu.data() + 32, octets.constData() + 32, 16);
            QCOMPARE(octets, QByteArray::fromStdString(attendu));
            double jour = 0;
            std::memcpy(&jour, octets.constData() + 32, 8);
            const QDate d = QDate::currentDate();
            QCOMPARE(jour, static_cast<double>(jours_depuis_1899(d.year(), d.month(), d.day())));

            // Row 1 ready for typing, the clock running.
            VueGrilleLog& vue = main.Grille_log_vue();
            QCOMPARE(vue.model()->rowCount(), 1);
            QCOMPARE(vue.model()->index(0, 4).data().toString(), QStringLiteral("599"));
            QCOMPARE(vue.model()->index(0, 5).data().toString(), QStringLiteral("1"));
            QCOMPARE(vue.currentIndex(), vue.model()->index(0, 3));
            QTRY_VERIFY(vue.indexWidget(vue.currentIndex()));
            QVERIFY(l.pq.minuterie().actif());
            QVERIFY(l.pq.programme().etat_log.temps_reel);
            QCOMPARE(main.Label_OMYL().text(), QStringLiteral("Je suis YL"));
            QCOMPARE(main.Label_nomfichier().text(), nom);

            QTest::mouseClick(&main.BitBtn_quit(), Qt::LeftButton);
            QCOMPARE(l.fins, 1);

            // Every key of the settings, in its place.
            auto& p = l.pq.programme();
            const auto geo = [](const char* n, const Geometrie& g) {
                return std::string(n) + "W=" + std::to_string(g.width) + "\r\n" + n +
                       "T=" + std::to_string(g.top) + "\r\n" + n + "L=" + std::to_string(g.left) +
                       "\r\n" + n + "H=" + std::to_string(g.height) + "\r\n";
            };
            std::string ini =
                "[Header]\r\nOrg=YL_KAZ, Version: 6.0.0.0--- XX0XX / KAZ 17\r\n"
                "[Windows]\r\n" +
                geo("F1", p.Form_main.geometrie()) + geo("F2", p.Form_info.geometrie()) +
                geo("F3", p.Form_choix_fichier.geometrie()) + geo("F5", p.Form_infoCR.geometrie()) +
                "[VGlobales]\r\nCHEMIN_FICHIER=" + p.dossiers.CHEMIN_FILES +
                "\r\nNOM_FICHIER=" + nom.toStdString() +
                ".YL\r\nMY_LOCATOR=\r\nOPERATOR=F4ABC\r\nMY_DXCC=\r\n"
                "MY_STATION=F4ABC\r\nMY_NRKAZ=NM\r\nMY_CATEGORY=B. >=100W\r\n"
                "MY_SEXE=YL\r\n[OP]\r\nNAME=\r\nAD1=\r\nAD2=\r\nAD3=\r\nemail=\r\n"
                "[Grille_log]\r\n";
            for (int c = 0; c < 15; ++c)
                ini += "ColWidth" + std::to_string(c) + "=80\r\n";
            ini += "[Langue]\r\nLNG=1\r\n";
            QCOMPARE(lire(dossier, QStringLiteral("YL_KAZ.ini")), QByteArray::fromStdString(ini));
            QCOMPARE(p.Form_info.geometrie(), (Geometrie{375, 240, 750, 535}));

            const QByteArray mem = lire(dossier, log + QStringLiteral("_Mem"));
            QCOMPARE(mem.size(), 112);
            QCOMPARE(mem.left(6), QByteArray("\x05"
                                             "F4ABC"));
            QVERIFY(!p.etat_log.fichier.ouvert());
        }

        const QByteArray avant = lire(dossier, log);
        Lance l(dossier);
        FenetreInfo& info = l.pq.info();
        QTRY_VERIFY(info.isActiveWindow());
        QCOMPARE(info.Edit_op().text(), QStringLiteral("F4ABC"));
        QVERIFY(info.RadioButton1().isChecked());
        QVERIFY(!info.RadioButton2().isChecked());
        QCOMPARE(info.ComboBox_Category().currentText(), QStringLiteral("B. >=100W"));
        QTest::mouseClick(&info.Button_OK(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.choix().isActiveWindow());
        QCOMPARE(l.pq.choix().Edit_nom_fichier().text(), nom);
        QTest::mouseClick(&l.pq.choix().BitBtn_fichier_close(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.main().isActiveWindow());
        QCOMPARE(lire(dossier, log), avant);
        QCOMPARE(l.pq.programme().etat_log.fichier.chemin(),
                 std::filesystem::path(dossier.filePath(log).toStdString()));
    }

    void stationFormLooksAsItShould() {
        QTemporaryDir dossier;
        QVERIFY(QFile::copy(QStringLiteral(YLKAZ_SOURCE_DATA "/Image1.jpg"),
                            dossier.filePath(QStringLiteral("Image1.jpg"))));
        Lance l(dossier);
        FenetreInfo& info = l.pq.info();
        QTRY_VERIFY(info.isActiveWindow());
        QCOMPARE(info.size(), QSize(750, 535));
        QCOMPARE(info.pos(), QPoint(375, 240));
        // The picture is the shipped JPEG, decoded.
        const QPixmap image = info.Image1().pixmap();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(73, 73));
        QVERIFY(info.font().bold());

        // The tab order of the visible controls.
        QWidget* attendu[] = {
            &info.Edit_op(),        &info.ComboBox_DXCC(), &info.Button_OK(),
            &info.Edit_nom(),       &info.Edit_AD1(),      &info.Edit_ad2(),
            &info.Edit_ad3(),       &info.combobox_save(), &info.Edit_email(),
            &info.Edit_smtp(),      &info.Edit_port(),     &info.ComboBox_Category(),
            &info.Button_annuler(), &info.RadioButton1()};
        info.Edit_op().setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(info.Edit_op().hasFocus());
        for (std::size_t i = 1; i < std::size(attendu); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            const bool dans = f == attendu[i] || (f && f->parentWidget() == attendu[i]);
            QVERIFY2(dans, qPrintable(QStringLiteral("tab %1: %2")
                                          .arg(i)
                                          .arg(f ? f->metaObject()->className() : "none")));
        }

        // Choosing a drive is what the backup reads; the choice list starts on "Aucun".
        QCOMPARE(info.combobox_save().count(), 1);
        QVERIFY(!l.pq.programme().etat_log.lecteur_sauvegarde);
    }

    void namingFormHasOnlyItsOkButton() {
        QTemporaryDir dossier;
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        FenetreChoixFichier& choix = l.pq.choix();
        QCOMPARE(choix.windowTitle(), QStringLiteral("Nom et emplacement du fichier concours"));
        QVERIFY(choix.BitBtn_fichier_close().isDefault());
        QVERIFY(!(choix.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(choix.font().bold());
        QCOMPARE(choix.palette().color(QPalette::Window), QColor(192, 192, 192));
        l.pq.programme().Form_info.set_Edit_op("F4ABC");
        l.pq.programme().Form_info.Button_OKClick();
        QTRY_VERIFY(choix.isActiveWindow());
        QTest::keyClick(&choix.Edit_nom_fichier(), Qt::Key_Escape);
        choix.close();
        QTest::qWait(20);
        QVERIFY(choix.isVisible());
        QVERIFY(!l.pq.main().isVisible());
    }
};

QTEST_MAIN(TestDemarrageQt)
#include "test_demarrage_qt.moc"

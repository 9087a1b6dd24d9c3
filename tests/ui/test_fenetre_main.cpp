// The main window as the program starts it, and its commands on screen.
#include "fenetre_choix_fichier.h"
#include "fenetre_info.h"
#include "fenetre_main.h"
#include "programme_qt.h"
#include "support/banc_programme.h"
#include "vue_grille_log.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

namespace {

void ecrire(const QTemporaryDir& d, const char* nom, const QByteArray& octets) {
    QFile f(d.filePath(QString::fromLatin1(nom)));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// A started program on screen, no backup drives, ending recorded instead of quitting.
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

class TestFenetreMain : public QObject {
    Q_OBJECT

    // Through the station form and the naming form, as the operator does.
    static void jusqu_au_log(Lance& l, const char* operateur) {
        l.pq.programme().Form_info.set_Edit_op(operateur);
        l.pq.programme().Form_info.Edit_opExit();
        QTest::mouseClick(&l.pq.info().Button_OK(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.choix().isActiveWindow());
        QTest::mouseClick(&l.pq.choix().BitBtn_fichier_close(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.main().isActiveWindow());
    }

  private slots:
    void startsFromTheSettingsFile() {
        QTemporaryDir dossier;
        ecrire(dossier, "YL_KAZ.ini",
               "[Windows]\r\nF1W=900\r\nF1H=500\r\nF1L=20\r\nF1T=30\r\n"
               "[Grille_log]\r\nColWidth3=123\r\nColWidth4=abc\r\n");
        Lance l(dossier);
        FenetreMain& f = l.pq.main();
        QVERIFY(!f.isVisible());
        jusqu_au_log(l, "F4ABC");
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.width(), 900);
        QCOMPARE(f.height(), 500);
        auto& vue = f.Grille_log_vue();
        QCOMPARE(vue.columnWidth(3), 123);
        QCOMPARE(vue.columnWidth(4), 80);
        QCOMPARE(vue.model()->columnCount(), 15);
        QCOMPARE(vue.model()->rowCount(), 1);
        QCOMPARE(vue.model()->index(0, 5).data().toString(), QStringLiteral("1"));
        QCOMPARE(l.pq.programme().bandes.bande_courante(), std::string("40"));
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Files"))).exists());
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Lng"))).exists());
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Fichiers_BD"))).exists());

        // Dragging a column and resizing the window reach the state the settings save.
        auto& p = l.pq.programme();
        vue.setColumnWidth(6, 55);
        QCOMPARE(p.grille.largeur_colonne(6), 55);
        f.resize(800, 450);
        QCOMPARE(p.Form_main.geometrie().width, 800);
        QCOMPARE(p.Form_main.geometrie().height, 450);
    }

    void wildSettingsAreKeptOnScreen() {
        QTemporaryDir dossier;
        ecrire(dossier, "YL_KAZ.ini", "[Windows]\r\nF1W=2000000000\r\nF1H=-5\r\n");
        Lance l(dossier);
        QVERIFY(l.pq.main().width() <= 10000);
        QVERIFY(l.pq.main().height() >= 50);
    }

    void toolBarAndMenusHoldEveryCommand() {
        QTemporaryDir dossier;
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        jusqu_au_log(l, "F4ABC");
        FenetreMain& f = l.pq.main();
        QCOMPARE(f.SpeedButton1().toolTip(), QStringLiteral("Retour page infos"));
        QCOMPARE(f.SpeedButton_calculatrice().toolTip(), QStringLiteral("Recalcul complet"));
        QCOMPARE(f.SpeedButton_creation_fichiers().toolTip(),
                 QStringLiteral("Création du fichier CR CABRILLO"));
        QCOMPARE(f.SpeedButton_mail().text(), QStringLiteral("CR"));
        QCOMPARE(f.SpeedButton_mail().toolTip(),
                 QStringLiteral("Envoi du compte rendu au correcteur"));
        QCOMPARE(f.BitBtn_quit().text(), QStringLiteral("Quitter"));
        QStringList menus;
        for (QAction* a : f.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("Langues"), QStringLiteral("Fichiers"),
                                     QStringLiteral("Logs")}));
        QCOMPARE(f.Langue(1).text(), QStringLiteral("Français"));
        QCOMPARE(f.Langue(5).text(), QStringLiteral("Allemand"));
        QCOMPARE(f.Acces_fiche_infos().text(), QStringLiteral("Acces fiche infos"));
        QCOMPARE(f.Creation_Cabrillo().text(), QStringLiteral("Creation Cabrillo"));
        QCOMPARE(f.windowTitle(),
                 QStringLiteral("Dizidevi YL KAZ, V:6.0.0.0     Station : F4ABC     B. >=100W"));
        QCOMPARE(f.Label_nomfichier().text(),
                 QStringLiteral("YL_KAZ_%1@F4ABC").arg(QDate::currentDate().year()));
        f.Langue(4).trigger();
        QCOMPARE(l.pq.programme().catalogue.LNG, 4);
    }

    void plusPlusThenResetGivesEightPointsAndEighteenPixels() {
        QTemporaryDir dossier;
        Lance l(dossier);
        jusqu_au_log(l, "F4ABC");
        FenetreMain& f = l.pq.main();
        VueGrilleLog& vue = f.Grille_log_vue();
        QTest::mouseClick(&f.SpeedButton_taille_plus(), Qt::LeftButton);
        QTest::mouseClick(&f.SpeedButton_taille_plus(), Qt::LeftButton);
        QCOMPARE(vue.font().pointSize(), 10);
        QCOMPARE(vue.verticalHeader()->defaultSectionSize(), 20);
        QTest::mouseClick(&f.SpeedButton_Taille_moins(), Qt::LeftButton);
        QCOMPARE(vue.font().pointSize(), 8);
        QVERIFY(vue.font().bold());
        QCOMPARE(vue.verticalHeader()->defaultSectionSize(), 18);
    }

    void closeBoxEndsTheProgramWithoutSettingsOrMemCopy() {
        QTemporaryDir dossier;
        Lance l(dossier);
        jusqu_au_log(l, "F4ABC");
        QFile::remove(dossier.filePath(QStringLiteral("YL_KAZ.ini")));
        l.pq.main().close();
        QCOMPARE(l.fins, 1);
        QVERIFY(!QFile::exists(dossier.filePath(QStringLiteral("YL_KAZ.ini"))));
        const QString log = dossier.filePath(
            QStringLiteral("Files/YL_KAZ_%1@F4ABC.YL").arg(QDate::currentDate().year()));
        QCOMPARE(QFileInfo(log).size(), 224);
        QVERIFY(!QFile::exists(log + QStringLiteral("_Mem")));
    }

    void closingTheStationFormEndsTheProgram() {
        QTemporaryDir dossier;
        Lance l(dossier);
        QVERIFY(l.pq.info().isVisible());
        l.pq.info().close();
        QCOMPARE(l.fins, 1);
        QVERIFY(!QFile::exists(dossier.filePath(QStringLiteral("YL_KAZ.ini"))));
    }

    void backFromTheStationFormDropsARowNeverCompleted() {
        QTemporaryDir dossier;
        Lance l(dossier);
        jusqu_au_log(l, "F4ABC");
        FenetreMain& f = l.pq.main();
        VueGrilleLog& vue = f.Grille_log_vue();
        // Typed into the entry row's callsign, never completed with RETURN.
        vue.model()->setData(vue.model()->index(0, colonne::indicatif), QStringLiteral("DL1AAA"));
        QCOMPARE(QString::fromStdString(l.pq.programme().grille.cellule(colonne::indicatif, 1)),
                 QStringLiteral("DL1AAA"));

        QTest::mouseClick(&f.SpeedButton1(), Qt::LeftButton);
        QTRY_VERIFY(!f.isVisible());
        QTRY_VERIFY(l.pq.info().isActiveWindow());
        QTest::mouseClick(&l.pq.info().Button_OK(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.choix().isActiveWindow());
        QTest::keyClick(&l.pq.choix().Edit_nom_fichier(), Qt::Key_Return);
        QTRY_VERIFY(f.isActiveWindow());
        QTRY_COMPARE(QString::fromStdString(l.pq.programme().grille.cellule(colonne::indicatif, 1)),
                     QString());
        QCOMPARE(vue.model()->rowCount(), 1);
    }

    void messageBoxOfTheMainWindowDoesNotReloadTheLog() {
        QTemporaryDir dossier;
        Lance l(dossier);
        jusqu_au_log(l, "F4ABC");
        auto& p = l.pq.programme();
        p.grille.set_cellule(colonne::indicatif, 1, "DL1AAA");
        QTimer::singleShot(0, [] {
            if (QWidget* boite = QApplication::activeModalWidget()) boite->close();
        });
        l.pq.dialogues().message("essai");
        // Where the window system gives the focus back to the box's window.
        l.pq.main().activateWindow();
        QTRY_VERIFY(l.pq.main().isActiveWindow());
        QCOMPARE(QString::fromStdString(p.grille.cellule(colonne::indicatif, 1)),
                 QStringLiteral("DL1AAA"));
    }
};

QTEST_MAIN(TestFenetreMain)
#include "test_fenetre_main.moc"

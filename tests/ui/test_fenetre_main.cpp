// The main window as the program starts it: its size and column widths from the settings.
#include "app/programme.h"
#include "fenetre_main.h"
#include "vue_grille_log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

class TestFenetreMain : public QObject {
    Q_OBJECT

  private slots:
    void startsFromTheSettingsFile() {
        QTemporaryDir dossier;
        QFile ini(dossier.filePath(QStringLiteral("YL_KAZ.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Windows]\r\nF1W=900\r\nF1H=500\r\nF1L=20\r\nF1T=30\r\n"
                  "[Grille_log]\r\nColWidth3=123\r\nColWidth4=abc\r\n");
        ini.close();

        Programme p(dossier.path().toStdString());
        FenetreMain f(p.Form_main, p.bandes);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.width(), 900);
        QCOMPARE(f.height(), 500);
        auto& vue = f.Grille_log_vue();
        QCOMPARE(vue.columnWidth(3), 123);
        QCOMPARE(vue.columnWidth(4), 80);
        QCOMPARE(vue.model()->columnCount(), 15);
        QCOMPARE(vue.model()->rowCount(), 1);
        QCOMPARE(vue.model()->index(0, 5).data().toString(), QStringLiteral("1"));
        QCOMPARE(vue.model()->index(0, 0).data().toString(), QStringLiteral("40"));
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Files"))).exists());
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Lng"))).exists());
        QVERIFY(QDir(dossier.filePath(QStringLiteral("Fichiers_BD"))).exists());

        // Dragging a column and resizing the window reach the state the settings save.
        vue.setColumnWidth(6, 55);
        QCOMPARE(p.grille.largeur_colonne(6), 55);
        f.resize(800, 450);
        QCOMPARE(p.Form_main.geometrie().width, 800);
        QCOMPARE(p.Form_main.geometrie().height, 450);
    }

    void wildSettingsAreKeptOnScreen() {
        QTemporaryDir dossier;
        QFile ini(dossier.filePath(QStringLiteral("YL_KAZ.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Windows]\r\nF1W=2000000000\r\nF1H=-5\r\n");
        ini.close();
        Programme p(dossier.path().toStdString());
        FenetreMain f(p.Form_main, p.bandes);
        QVERIFY(f.width() <= 10000);
        QVERIFY(f.height() >= 50);
    }
};

QTEST_MAIN(TestFenetreMain)
#include "test_fenetre_main.moc"

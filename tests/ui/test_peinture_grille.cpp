// The log table and the band selector as painted on screen.
#include "app/form_main.h"
#include "fenetre_main.h"
#include "log/grille_log.h"
#include "modele_grille.h"
#include "support/banc_programme.h"
#include "vue_bandes.h"
#include "vue_grille_log.h"

#include <QHeaderView>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

// The log table and band selector of a program that was not started.
struct Tables {
    QTemporaryDir dossier;
    test::BancProgramme banc{dossier.path().toStdString()};
    Grille_log& g = banc.p.grille;
    Grille_band& b = banc.p.bandes;
    Form_main& logique = banc.p.Form_main;
    Tables() { b.initialiser(); }
};

class TestPeintureGrille : public QObject {
    Q_OBJECT

    // A pixel of the cell away from its text and its grid lines.
    static QColor pixel(VueGrilleLog& vue, const QImage& img, int col, int row) {
        const QRect r = vue.visualRect(vue.modele().index_grille(col, row));
        const QPoint p = vue.viewport()->mapTo(&vue, QPoint(r.right() - 3, r.center().y()));
        return img.pixelColor(p);
    }

  private slots:
    void rowColoursDependOnRowAndColumnOnly() {
        Tables t;
        Grille_log& g = t.g;
        Grille_band& b = t.b;
        g.set_RowCount(7);
        g.renumeroter();
        g.set_cellule(colonne::doublon, 4, "DUPE = F4ABC->12:00->12/03/2021");
        g.set_cellule(colonne::categorie, 5, "YL");
        Form_main& logique = t.logique;
        FenetreMain f(logique, b);
        f.resize(1400, 400);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        VueGrilleLog& vue = f.Grille_log_vue();
        vue.selectionner(3, 1);
        const QImage img = vue.grab().toImage();

        const QColor cyan(0, 255, 255), argent(192, 192, 192), creme(255, 251, 240),
            vert(192, 220, 192);
        QCOMPARE(pixel(vue, img, 0, 4), cyan);
        QCOMPARE(pixel(vue, img, 10, 4), cyan);
        QCOMPARE(pixel(vue, img, 13, 4), cyan);
        QCOMPARE(pixel(vue, img, 14, 4), vert);
        QCOMPARE(pixel(vue, img, 0, 5), creme);
        QCOMPARE(pixel(vue, img, 9, 5), creme);
        QCOMPARE(pixel(vue, img, 10, 5), argent);
        QCOMPARE(pixel(vue, img, 13, 5), argent);
        QCOMPARE(pixel(vue, img, 14, 5), vert);
    }

    void textIsBlackTwoPixelsFromTheLeft() {
        Tables t;
        Grille_log& g = t.g;
        Grille_band& b = t.b;
        g.set_RowCount(4);
        g.set_cellule(colonne::indicatif, 3, "WWWWWWWW");
        Form_main& logique = t.logique;
        FenetreMain f(logique, b);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        VueGrilleLog& vue = f.Grille_log_vue();
        vue.selectionner(0, 1);
        const QImage img = vue.grab().toImage();
        const QRect r = vue.visualRect(vue.modele().index_grille(3, 3));
        const QPoint o = vue.viewport()->mapTo(&vue, r.topLeft());
        int premier_noir = -1;
        for (int x = 0; x < r.width() && premier_noir < 0; ++x)
            for (int y = 0; y < r.height(); ++y)
                if (img.pixelColor(o + QPoint(x, y)).lightness() < 60) {
                    premier_noir = x;
                    break;
                }
        QVERIFY2(premier_noir >= 2 && premier_noir <= 4, qPrintable(QString::number(premier_noir)));
    }

    void selectedBandIsRedWithWhiteText() {
        Grille_log g;
        Grille_band b(g);
        b.initialiser();
        VueBandes v(b);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QTest::mouseClick(&v, Qt::LeftButton, {}, v.rectangle_cellule(3).center());
        QCOMPARE(QString::fromStdString(b.bande_courante()), QStringLiteral("15"));
        QCOMPARE(QString::fromStdString(g.cellule(colonne::bande, 1)), QStringLiteral("15"));
        const QImage img = v.grab().toImage();
        const QRect rouge = v.rectangle_cellule(3), autre = v.rectangle_cellule(1);
        QCOMPARE(img.pixelColor(rouge.right() - 2, rouge.top() + 2), QColor(255, 0, 0));
        QVERIFY(img.pixelColor(autre.right() - 2, autre.top() + 2) != QColor(255, 0, 0));
        bool blanc = false;
        for (int x = rouge.left() + 2; x < rouge.right() && !blanc; ++x)
            for (int y = rouge.top() + 1; y < rouge.bottom(); ++y)
                if (img.pixelColor(x, y) == QColor(255, 255, 255)) blanc = true;
        QVERIFY(blanc);
    }

    void headerShowsTheTitleRowAndRowsFollowTheTable() {
        Tables t;
        Grille_log& g = t.g;
        Grille_band& b = t.b;
        g.set_cellule(3, 0, "Indicatif");
        Form_main& logique = t.logique;
        FenetreMain f(logique, b);
        f.show();
        auto* m = f.Grille_log_vue().model();
        QCOMPARE(m->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Indicatif"));
        QCOMPARE(m->rowCount(), 1);
        g.set_RowCount(5);
        QCOMPARE(m->rowCount(), 4);
        g.set_cellule(colonne::nom, 4, "H\xE9l\xE8ne");
        QCOMPARE(m->data(m->index(3, colonne::nom), Qt::DisplayRole).toString(),
                 QStringLiteral("Hélène"));
        g.Vider_grille();
        QCOMPARE(m->rowCount(), 1);
        g.set_largeur_colonne(2, 120);
        QCOMPARE(f.Grille_log_vue().columnWidth(2), 120);
    }
};

QTEST_MAIN(TestPeintureGrille)
#include "test_peinture_grille.moc"

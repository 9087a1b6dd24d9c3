// QSO entry in the real main window with real key events: what the operator types reaches
// the log file on disk, record by record.
#include "barre_saisie.h"
#include "clavier_grille.h"
#include "fenetre_choix_fichier.h"
#include "fenetre_info.h"
#include "fenetre_main.h"
#include "log/dates.h"
#include "programme_qt.h"
#include "support/banc_programme.h"
#include "texte_qt.h"
#include "vue_grille_log.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Answers the next modal box with the given button once it is on screen.
void repondre(QMessageBox::StandardButton bouton) {
    QTimer::singleShot(0, [bouton] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite) boite->button(bouton)->click();
    });
}

} // namespace

class TestSaisieFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dossier_;
    std::unique_ptr<ProgrammeQt> pq_;

    QString fichier(const QString& nom) const { return dossier_->filePath(nom); }
    FenetreMain& fenetre() { return pq_->main(); }
    VueGrilleLog& vue() { return fenetre().Grille_log_vue(); }
    Grille_log& grille() { return pq_->programme().grille; }
    QWidget* editeur() { return vue().indexWidget(vue().currentIndex()); }

    void cle(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* e = editeur();
        QVERIFY2(e, "no cell editor open");
        QTest::keyClick(e, k, m);
    }
    void texte(const char* t) {
        QWidget* e = editeur();
        QVERIFY2(e, "no cell editor open");
        QTest::keyClicks(e, QString::fromLatin1(t));
    }

    // Callsign, SPACE to the category, its key, RETURN.
    void qso(const char* indicatif, char categorie) {
        texte(indicatif);
        for (int i = 0; i < 3; ++i)
            cle(Qt::Key_Space);
        QCOMPARE(grille().Col(), colonne::categorie);
        texte(std::string(1, categorie).c_str());
        cle(Qt::Key_Return);
    }

    // The record of row r: its date and time as RETURN stamped them.
    test::Attendu enregistrement(int r, const std::string& indicatif, const std::string& categorie,
                                 const std::string& pays) {
        test::Attendu a;
        a.operateur = "F4ABC";
        a.station = "F4ABC";
        a.date = lire_date(grille().cellule(colonne::date, r)).value_or(-1);
        a.heure = lire_heure(grille().cellule(colonne::heure, r)).value_or(-1);
        a.bande = "40";
        a.indicatif = indicatif;
        a.rst_envoye = a.rst_recu = "599";
        a.numero_membre = "NM";
        a.categorie = categorie;
        a.pays = pays;
        return a;
    }

    // Row r was stamped with UTC of the last minute or so.
    void stampe_en_utc(int r) {
        const QDateTime cellule = QDateTime::fromString(
            qs(grille().cellule(colonne::date, r) + " " + grille().cellule(colonne::heure, r)),
            QStringLiteral("dd/MM/yyyy HH:mm"));
        const QDateTime utc(cellule.date(), cellule.time(), Qt::UTC);
        const qint64 ecart = utc.secsTo(QDateTime::currentDateTimeUtc());
        QVERIFY2(ecart >= 0 && ecart < 120, qPrintable(cellule.toString()));
    }

  private slots:
    void init() {
        dossier_ = std::make_unique<QTemporaryDir>();
        QFile::copy(QStringLiteral(YLKAZ_SOURCE_DATA "/CTY_WT.DAT"), fichier("CTY_WT.DAT"));
        ecrire(fichier("YL_KAZ.ini"), "[VGlobales]\r\nOPERATOR=F4ABC\r\nMY_SEXE=YL\r\n"
                                      "NOM_FICHIER=ESSAI.YL\r\n");
        pq_ = std::make_unique<ProgrammeQt>(dossier_->path().toStdString(),
                                            std::make_unique<test::LecteursScriptes>());
        pq_->terminer = [] {};
        pq_->demarrer();
        QTRY_VERIFY(pq_->info().isActiveWindow());
        pq_->programme().Form_info.Button_OKClick();
        QTRY_VERIFY(pq_->choix().isActiveWindow());
        QTest::mouseClick(&pq_->choix().BitBtn_fichier_close(), Qt::LeftButton);
        QTRY_VERIFY(fenetre().isActiveWindow());
        QTRY_VERIFY(editeur());
    }

    void cleanup() {
        pq_.reset();
        dossier_.reset();
    }

    void twoQsosTypedReachTheLogFile() {
        // The naming form's OK put the window in real time.
        QVERIFY(pq_->programme().etat_log.temps_reel);
        QVERIFY(pq_->minuterie().actif());
        QCOMPARE(fenetre().barre_temps().Label_temps().text(), QStringLiteral("??"));
        QVERIFY(!fenetre().barre_dates().DateTimePicker_time().isEnabled());
        QVERIFY(!fenetre().barre_dates().DateTimePicker_date().isEnabled());

        qso("dl1abc", 'y');
        QCOMPARE(grille().RowCount(), 3);
        QCOMPARE(grille().Row(), 2);
        qso("ea3xyz", 'o');
        QCOMPARE(grille().RowCount(), 4);

        const QByteArray log = lire(fichier("Files/ESSAI.YL"));
        QCOMPARE(log.size(), 3 * 112);
        stampe_en_utc(1);
        stampe_en_utc(2);
        const auto r1 = enregistrement(1, "DL1ABC", "YL", "DL").octets();
        const auto r2 = enregistrement(2, "EA3XYZ", "OM", "EA").octets();
        QCOMPARE(log.mid(112, 112), QByteArray(r1.data(), 112));
        QCOMPARE(log.mid(224, 112), QByteArray(r2.data(), 112));
        // SPACE and RETURN never reached a cell.
        for (int r = 1; r < grille().RowCount(); ++r)
            for (int c = 0; c < Grille_log::COLONNES; ++c)
                QVERIFY(grille().cellule(c, r).find_first_of(" \r") == std::string::npos ||
                        c == colonne::multiplicateur || c == colonne::doublon);
        QCOMPARE(fenetre().Label_score().text(), QStringLiteral("Score = 3 x 2 = 6"));
        // The editor waits on the new entry row.
        QVERIFY(editeur());
        QCOMPARE(vue().currentIndex().column(), colonne::indicatif);
        QCOMPARE(vue().currentIndex().row() + 1, 3);
    }

    void altWDeletesAfterTheQuestion() {
        qso("dl1abc", 'y');
        qso("ea3xyz", 'o');
        grille().selectionner(colonne::indicatif, 1);
        fenetre().clavier().editer_cellule_courante();
        // With Shift too it is no deletion, and no letter either.
        cle(Qt::Key_W, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(grille().RowCount(), 4);
        repondre(QMessageBox::Yes);
        cle(Qt::Key_W, Qt::AltModifier);
        QCOMPARE(grille().RowCount(), 3);
        QCOMPARE(grille().cellule(colonne::indicatif, 1), std::string("EA3XYZ"));
        QCOMPARE(grille().cellule(colonne::numero, 1), std::string("1"));
        const QByteArray log = lire(fichier("Files/ESSAI.YL"));
        QCOMPARE(log.size(), 2 * 112);
        const auto r = enregistrement(1, "EA3XYZ", "OM", "EA").octets();
        QCOMPARE(log.mid(112, 112), QByteArray(r.data(), 112));
        QCOMPARE(lire(fichier("Files/ESSAI.BAK")).size(), 3 * 112);
        // Typing goes on in the table.
        QTRY_VERIFY(editeur());
    }

    void theRealTimeLockAndTheDeferredArrows() {
        // In real time the time cell does not open for editing.
        QTest::keyClick(editeur(), Qt::Key_Escape);
        grille().selectionner(colonne::heure, 1);
        QVERIFY(!pq_->programme().saisie.edition_permise());
        // The first tick puts the time of the entry row.
        QTRY_VERIFY(!grille().cellule(colonne::heure, 1).empty());
        const std::string heure = grille().cellule(colonne::heure, 1);
        vue().setFocus();
        QTest::keyClick(&vue(), Qt::Key_F2);
        QTest::keyClicks(&vue(), QStringLiteral("9"));
        QVERIFY(!editeur());
        QCOMPARE(grille().cellule(colonne::heure, 1), heure);

        // Deferred time: its message, the pickers enabled, Up sets the current row's time.
        repondre(QMessageBox::Ok);
        fenetre().barre_temps().SpeedButton_temps_differe().click();
        QVERIFY(fenetre().barre_dates().DateTimePicker_time().isEnabled());
        QVERIFY(!pq_->minuterie().actif());
        fenetre().barre_dates().DateTimePicker_time().setTime(QTime(13, 7));
        grille().selectionner(colonne::indicatif, 1);
        fenetre().clavier().editer_cellule_courante();
        cle(Qt::Key_Up);
        cle(Qt::Key_Up);
        QCOMPARE(grille().cellule(colonne::heure, 1), std::string("13:09"));
        QCOMPARE(fenetre().barre_dates().DateTimePicker_time().time().minute(), 9);
        QCOMPARE(grille().Row(), 1);
        // The operator's picker setting is what RETURN stamps.
        fenetre().barre_dates().DateTimePicker_date().setDate(QDate(2021, 3, 13));
        texte("f5zz");
        cle(Qt::Key_Space);
        cle(Qt::Key_Space);
        cle(Qt::Key_Space);
        texte("o");
        cle(Qt::Key_Return);
        QCOMPARE(grille().cellule(colonne::date, 1), std::string("13/03/2021"));
        QCOMPARE(grille().cellule(colonne::heure, 1), std::string("13:09"));
        QCOMPARE(lire(fichier("Files/ESSAI.YL")).size(), 2 * 112);
    }
};

QTEST_MAIN(TestSaisieFenetre)
#include "test_saisie_fenetre.moc"

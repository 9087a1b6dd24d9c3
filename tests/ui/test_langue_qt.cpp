// The language menu of the real main window: every window on screen follows at once.
#include "app/ini.h"
#include "barre_saisie.h"
#include "fenetre_choix_fichier.h"
#include "fenetre_info.h"
#include "fenetre_infocr.h"
#include "fenetre_main.h"
#include "platform/cp1252.h"
#include "platform/fichiers.h"
#include "programme_qt.h"
#include "support/banc_programme.h"
#include "vue_grille_log.h"

#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace ylkaz;
using namespace ylkaz::ui;

namespace {

struct Lance {
    explicit Lance(const QTemporaryDir& d)
        : pq(d.path().toStdString(), std::make_unique<test::LecteursScriptes>()) {
        pq.terminer = [] {};
        pq.demarrer();
    }
    ProgrammeQt pq;
};

// The shipped file of that language, as the program reads it.
Ini langue(const char* nom) {
    return Ini(lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "Lng" / nom).value_or(""));
}

QString texte(const Ini& ini, const char* section, const std::string& cle) {
    const auto v = ini.valeur(section, cle);
    return v ? QString::fromStdString(cp1252_vers_utf8(*v)) : QStringLiteral("<absent>");
}

QStringList titres(FenetreMain& f) {
    QHeaderView* entete = f.Grille_log_vue().horizontalHeader();
    QStringList t;
    for (int c = 0; c < entete->count(); ++c)
        t << entete->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return t;
}

QStringList titres(const Ini& ini) {
    QStringList t;
    for (int c = 0; c < 15; ++c)
        t << texte(ini, "Grille_LOG", "Cells_" + std::to_string(c));
    return t;
}

// Closes the next modal box with OK once it is on screen.
void fermer_boite() {
    QTimer::singleShot(0, [] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite) boite->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class TestLangueQt : public QObject {
    Q_OBJECT

    static void jusqu_au_log(Lance& l) {
        l.pq.programme().Form_info.set_Edit_op("F4ABC");
        l.pq.programme().Form_info.Edit_opExit();
        QTest::mouseClick(&l.pq.info().Button_OK(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.choix().isActiveWindow());
        QTest::mouseClick(&l.pq.choix().BitBtn_fichier_close(), Qt::LeftButton);
        QTRY_VERIFY(l.pq.main().isActiveWindow());
    }

  private slots:
    void startsInFrenchWithRealTitles() {
        QTemporaryDir dossier;
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        jusqu_au_log(l);
        FenetreMain& f = l.pq.main();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const Ini fr = langue("F_F_YL_KAZ.ini");
        QCOMPARE(titres(f), titres(fr));
        QCOMPARE(titres(f).at(3), QStringLiteral("Indicatif"));
        QCOMPARE(f.menuBar()->actions().at(0)->text(), QStringLiteral("Langues"));
        QCOMPARE(f.Langue(1).text(), QStringLiteral("Français"));
        QCOMPARE(f.Grille_log_vue().toolTip(),
                 QStringLiteral("ESPACE pour passer d'un champ à l'autre"));
        QCOMPARE(f.Label_bande().text(), QStringLiteral("Bande"));
        QCOMPARE(f.SpeedButton_ouvrir().toolTip(), texte(fr, "Panel1", "SpeedButton_ouvrir.hint"));
    }

    // Each item of the menu, picked on screen, rewrites every window at once.
    void theMenuSwitchesEveryWindowToEachLanguage() {
        QTemporaryDir dossier;
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        jusqu_au_log(l);
        FenetreMain& f = l.pq.main();
        QMenu& menu = f.Langues1();
        QCOMPARE(menu.actions().size(), 5);
        const char* fichiers[] = {"F_F_YL_KAZ.ini", "F_EN_YL_KAZ.ini", "F_SP_YL_KAZ.ini",
                                  "F_I_YL_KAZ.ini", "F_DL_YL_KAZ.ini"};
        for (int n : {2, 5, 3, 4, 1}) {
            const Ini ini = langue(fichiers[n - 1]);
            menu.actions().at(n - 1)->trigger();
            QCOMPARE(l.pq.programme().catalogue.LNG, n);
            QCOMPARE(titres(f), titres(ini));
            QCOMPARE(f.menuBar()->actions().at(0)->text(), texte(ini, "Menu", "Langues1.caption"));
            QCOMPARE(menu.title(), texte(ini, "Menu", "Langues1.caption"));
            QCOMPARE(f.Langue(2).text(), texte(ini, "Menu", "Anglais.caption"));
            QCOMPARE(f.Fichers1().title(), texte(ini, "Menu", "Fichers1.caption"));
            QCOMPARE(f.Ouvrir().text(), texte(ini, "Menu", "Ouvrir1.caption"));
            QCOMPARE(f.Acces_fiche_infos().text(), texte(ini, "Menu", "Accesficheinfos1.caption"));
            QCOMPARE(f.Logs1().title(), texte(ini, "Menu", "Logs1.caption"));
            QCOMPARE(f.Creation_Cabrillo().text(), texte(ini, "Menu", "Creation1.caption"));
            QCOMPARE(f.SpeedButton_retour_info().toolTip(),
                     texte(ini, "Panel1", "SpeedButton_retour_info.hint"));
            QCOMPARE(f.SpeedButton_calculatrice().toolTip(),
                     texte(ini, "Panel1", "SpeedButton_calculatrice.hint"));
            QCOMPARE(f.SpeedButton_creation_fichiers().toolTip(),
                     texte(ini, "Panel1", "SpeedButton_creation_fichiers.hint"));
            QCOMPARE(f.SpeedButton_mail().toolTip(), texte(ini, "Panel1", "SpeedButton_mail.hint"));
            QCOMPARE(f.SpeedButton_help().toolTip(), texte(ini, "Panel1", "SpeedButton_help.hint"));
            QCOMPARE(f.SpeedButton1().toolTip(), QStringLiteral("Retour page infos"));
            QCOMPARE(f.Label_bande().text(), texte(ini, "Panel3", "Label_bande.caption"));
            QCOMPARE(f.Grille_log_vue().toolTip(), texte(ini, "Grille_LOG", "Hint"));
            QCOMPARE(f.barre_dates().Label_date().text(),
                     texte(ini, "Panel3", "Label_date.caption"));
            QCOMPARE(f.barre_temps().SpeedButton_temps_differe().toolTip(),
                     texte(ini, "Panel1", "SpeedButton_temps_differe.hint"));
            QCOMPARE(f.barre_temps().SpeedButton_temps_reel().toolTip(),
                     texte(ini, "Panel1", "SpeedButton_Temps_Reel.hint"));
            QCOMPARE(f.barre_temps().Label_temps().text(), texte(ini, "Panel1", "msg_tps_reel"));

            FenetreInfo& info = l.pq.info();
            QCOMPARE(info.Label_op().text(), texte(ini, "Form_Info", "Label_op.caption"));
            QCOMPARE(info.Label_nom().text(), texte(ini, "Form_Info", "Label_nom.caption"));
            QCOMPARE(info.Label_ad1().text(), texte(ini, "Form_Info", "Label_ad1.caption"));
            QCOMPARE(info.Label_ad2().text(), texte(ini, "Form_Info", "Label_ad2.caption"));
            QCOMPARE(info.Label_ad3().text(), texte(ini, "Form_Info", "Label_ad3.caption"));

            // The report form, although not on screen now.
            FenetreInfoCR& cr = l.pq.infocr();
            QCOMPARE(cr.Label_titre_CR().text(), texte(ini, "INFO_CR", "Titre_CR"));
            QCOMPARE(cr.Panel1().text(), texte(ini, "INFO_CR", "Panel1"));
            QCOMPARE(cr.Panel4().text(), texte(ini, "INFO_CR", "Panel4"));
            QCOMPARE(cr.Label1().text(), texte(ini, "INFO_CR", "Label1"));
            QCOMPARE(cr.Label_erreur().text(), texte(ini, "INFO_CR", "Label_erreur"));
            QCOMPARE(cr.Button_envoi().text(), texte(ini, "INFO_CR", "Button_envoi"));

            FenetreChoixFichier& choix = l.pq.choix();
            QCOMPARE(choix.windowTitle(), texte(ini, "Form_choix_fichier", "caption"));
            QCOMPARE(choix.Label_nom_fichier().text(),
                     texte(ini, "Form_choix_fichier", "Label_nom_fichier.caption"));
            QCOMPARE(choix.Button_nom_fichier().text(),
                     texte(ini, "Form_choix_fichier", "Button_nom_fichier.caption"));
            QCOMPARE(choix.Button_emplacement().text(),
                     texte(ini, "Form_choix_fichier", "Button_emplacement.caption"));
        }
        // The languages do differ on screen: English is not French.
        menu.actions().at(1)->trigger();
        QVERIFY(titres(f) != titres(langue("F_F_YL_KAZ.ini")));
        QVERIFY(f.Langues1().title() != QStringLiteral("Langues"));
    }

    // In deferred time a language picked from the menu still writes the real-time text
    // on screen; the mode and the pickers stay as they were.
    void deferredTimeLabelShowsTheRealTimeTextAfterALanguage() {
        QTemporaryDir dossier;
        test::langues_livrees(dossier.path().toStdString());
        Lance l(dossier);
        jusqu_au_log(l);
        FenetreMain& f = l.pq.main();
        const Ini fr = langue("F_F_YL_KAZ.ini");
        fermer_boite();
        QTest::mouseClick(&f.barre_temps().SpeedButton_temps_differe(), Qt::LeftButton);
        QCOMPARE(f.barre_temps().Label_temps().text(), texte(fr, "Panel1", "msg_tps_differe"));
        QVERIFY(f.barre_dates().DateTimePicker_time().isEnabled());

        f.Langue(3).trigger();
        const Ini sp = langue("F_SP_YL_KAZ.ini");
        QCOMPARE(f.barre_temps().Label_temps().text(), texte(sp, "Panel1", "msg_tps_reel"));
        QVERIFY(!l.pq.programme().etat_log.temps_reel);
        QVERIFY(f.barre_dates().DateTimePicker_time().isEnabled());
        QVERIFY(!l.pq.minuterie().actif());

        fermer_boite();
        QTest::mouseClick(&f.barre_temps().SpeedButton_temps_differe(), Qt::LeftButton);
        QCOMPARE(f.barre_temps().Label_temps().text(), texte(sp, "Panel1", "msg_tps_differe"));
    }

    // With no French file the table's titles and the menu show "??", not empty cells.
    void missingFrenchFileShowsQuestionMarks() {
        QTemporaryDir dossier;
        Lance l(dossier);
        jusqu_au_log(l);
        FenetreMain& f = l.pq.main();
        QCOMPARE(titres(f), QStringList(15, QStringLiteral("??")));
        QCOMPARE(f.Grille_log_vue().toolTip(), QStringLiteral("??"));
        QCOMPARE(f.menuBar()->actions().at(0)->text(), QStringLiteral("??"));
        QCOMPARE(f.Langue(1).text(), QStringLiteral("??"));
        QCOMPARE(l.pq.choix().windowTitle(), QStringLiteral("??"));
        QCOMPARE(l.pq.infocr().Label_titre_CR().text(), QStringLiteral("???"));
        // A file dropped in later is read by the next choice in the menu.
        test::langues_livrees(dossier.path().toStdString());
        f.Langue(1).trigger();
        QCOMPARE(titres(f).at(0), texte(langue("F_F_YL_KAZ.ini"), "Grille_LOG", "Cells_0"));
        QCOMPARE(f.Langue(1).text(), QStringLiteral("Français"));
    }
};

QTEST_MAIN(TestLangueQt)
#include "test_langue_qt.moc"

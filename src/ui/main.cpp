#include "app/programme.h"
#include "fenetre_main.h"
#include "platform/dossier_programme.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("YL_KAZ"));
    ylkaz::Programme programme(ylkaz::dossier_programme());
    ylkaz::ui::FenetreMain fenetre(programme.Form_main, programme.bandes);
    fenetre.show();
    return app.exec();
}

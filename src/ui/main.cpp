#include "platform/dossier_programme.h"
#include "programme_qt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("YL_KAZ"));
    // The program ends by its own commands: closing the station form or the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    ylkaz::ui::ProgrammeQt programme(ylkaz::dossier_programme());
    programme.demarrer();
    return app.exec();
}

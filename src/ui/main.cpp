#include "fenetre_main.h"
#include "log/grille_log.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("YL_KAZ"));
    ylkaz::Grille_log grille;
    ylkaz::Grille_band bandes(grille);
    bandes.initialiser();
    grille.renumeroter();
    ylkaz::ui::FenetreMain fenetre(grille, bandes);
    fenetre.setGeometry(510, 240, 950, 600);
    fenetre.show();
    return app.exec();
}

#pragma once
// The main window's logic, without any window.
#include "app/fenetre.h"
#include "log/grille_log.h"

namespace ylkaz {

class Form_main : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{510, 240, 950, 600};

    explicit Form_main(ylkaz::Grille_log& grille);

    // The log table the window shows; the settings keep its column widths.
    ylkaz::Grille_log& Grille_log;
};

} // namespace ylkaz

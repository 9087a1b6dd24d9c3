#pragma once
// The report e-mail form's logic, without any window.
#include "app/fenetre.h"

namespace ylkaz {

class Form_infoCR : public FenetreLogique {
  public:
    static constexpr Geometrie GEOMETRIE_DEFAUT{375, 240, 750, 535};

    Form_infoCR();
};

} // namespace ylkaz

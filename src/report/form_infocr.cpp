#include "report/form_infocr.h"

namespace ylkaz {

Form_infoCR::Form_infoCR() : Fenetre(GEOMETRIE_DEFAUT) {}

} // namespace ylkaz

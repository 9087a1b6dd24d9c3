#include "report/form_infocr.h"

namespace ylkaz {

Form_infoCR::Form_infoCR() : FenetreLogique(GEOMETRIE_DEFAUT) {}

} // namespace ylkaz

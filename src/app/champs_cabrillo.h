#pragma once
// The station form's texts that the Cabrillo header reads. Kept apart from the export
// command's header: the form's window base and the dialogs' window names share a name.
#include "dialogs/form_info.h"
#include "export/cabrillo.h"

namespace ylkaz {

inline ChampsCabrillo champs_cabrillo(const Form_info& f) {
    return {f.Edit_nom(), f.Edit_AD1(), f.Edit_ad2(), f.Edit_ad3(), f.Edit_NKAZ()};
}

} // namespace ylkaz

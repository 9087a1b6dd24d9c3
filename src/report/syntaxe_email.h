#pragma once
#include <string_view>

namespace ylkaz {

// Whether the text is an e-mail address this program accepts: a local part of atoms and
// quoted strings, "@", then at least two domain labels, each starting with a letter and
// ending with a letter or digit. Bytes 128 to 255 count as atom characters; no length limit.
bool email_valide(std::string_view texte);

} // namespace ylkaz

#pragma once
// `ylkaz envoi [FICHIER.YL]`: the report e-mail as the "CR" button and "Envoi de l'email"
// send it, without opening a window.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace ylkaz {

// Loads the settings and the log (the one the settings name when no file is given) as
// the program would hold them, runs the report command, the report form's activation and
// its sending, and prints every box those show, the outcome last. Returns 0 only when the
// server accepted the message.
int commande_envoi(const std::filesystem::path& dossier_programme,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ylkaz

#pragma once
// The ylkaz command-line tool, callable in-process by the tests.
#include <iosfwd>
#include <string>
#include <vector>

namespace ylkaz {

// Runs `ylkaz ARGS…` (without the program name) and returns the exit status.
int executer_commande(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ylkaz

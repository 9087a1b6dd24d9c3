#pragma once
#include <stdexcept>
#include <string>

namespace ylkaz {

// A failure from outside the program (file, network), carrying the text the operator
// is shown, in Windows-1252.
class Erreur : public std::runtime_error {
  public:
    explicit Erreur(const std::string& texte) : std::runtime_error(texte) {}
};

// The system's own text for an errno value, in Windows-1252.
std::string texte_erreur_systeme(int numero);

} // namespace ylkaz

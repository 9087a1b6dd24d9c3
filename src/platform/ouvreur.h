#pragma once
// Opening a document with the program the desktop gives its kind of file, as a
// double-click in the file manager would.
#include <filesystem>
#include <string>
#include <vector>

namespace ylkaz {

class Ouvreur {
  public:
    virtual ~Ouvreur() = default;
    // Returns once the opener has started; never waits for the document's program.
    // Throws Erreur with the system's text when the opener cannot be started.
    virtual void ouvrir(const std::filesystem::path& document) = 0;
};

// The desktop's own opener (xdg-open).
class OuvreurSysteme : public Ouvreur {
  public:
    void ouvrir(const std::filesystem::path& document) override;
};

// Starts the program with these arguments, without a shell and detached from this
// process: it is never waited for and lives on when the program ends. A name without
// "/" is looked up in PATH. Throws Erreur naming the program, with the system's text,
// when it is not found or cannot be executed.
void lancer_detache(const std::string& programme, const std::vector<std::string>& arguments);

} // namespace ylkaz

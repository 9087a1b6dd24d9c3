#pragma once
// A fresh folder for one test, removed with everything in it at the end.
#include <filesystem>
#include <string>

namespace ylkaz::test {

class DossierTemp {
  public:
    DossierTemp();
    ~DossierTemp();
    DossierTemp(const DossierTemp&) = delete;
    DossierTemp& operator=(const DossierTemp&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }
    // Writes the bytes to a file of this folder (sub-folders created) and returns its path.
    std::filesystem::path ecrire(const std::string& nom, const std::string& octets) const;
    // The bytes of a file of this folder; empty when it does not exist.
    std::string lire(const std::string& nom) const;

  private:
    std::filesystem::path chemin_;
};

} // namespace ylkaz::test

#pragma once
// A scratch program folder for one fuzz run, in memory when the system offers it so that
// each iteration stays fast, removed when the run ends.
#include "app/etat.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ylkaz::fuzz {

class DossierFuzz {
  public:
    DossierFuzz() {
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        std::string modele = (base / "ylkaz-fuzz-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        chemin_ = modele;
        dossiers_ = Dossiers::depuis(chemin_);
        dossiers_.creer_sous_dossiers();
    }
    ~DossierFuzz() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierFuzz(const DossierFuzz&) = delete;
    DossierFuzz& operator=(const DossierFuzz&) = delete;

    const Dossiers& dossiers() const { return dossiers_; }
    const std::filesystem::path& chemin() const { return chemin_; }

    void ecrire(const std::string& nom, std::string_view octets) const {
        std::ofstream f(chemin_ / nom, std::ios::binary | std::ios::trunc);
        f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    }
    void effacer(const std::string& nom) const {
        std::error_code ec;
        std::filesystem::remove(chemin_ / nom, ec);
    }

  private:
    std::filesystem::path chemin_;
    Dossiers dossiers_;
};

} // namespace ylkaz::fuzz

#include "support/dossier_temp.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ylkaz::test {

DossierTemp::DossierTemp() {
    std::string modele = (std::filesystem::temp_directory_path() / "ylkaz-test-XXXXXX").string();
    if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
    chemin_ = modele;
}

DossierTemp::~DossierTemp() {
    std::error_code ec;
    std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(chemin_, ec);
}

std::filesystem::path DossierTemp::ecrire(const std::string& nom, const std::string& octets) const {
    const auto p = chemin_ / nom;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    return p;
}

std::string DossierTemp::lire(const std::string& nom) const {
    std::ifstream f(chemin_ / nom, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

} // namespace ylkaz::test

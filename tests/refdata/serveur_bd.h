#pragma once
// A program folder and a real HTTPS server on 127.0.0.1 holding the organiser's files and
// the country file under their published paths, named in the folder's Serveurs.ini.
#include "platform/connexion.h"
#include "platform/https.h"
#include "refdata/dossier_reference.h"
#include "support/dossier_temp.h"
#include "support/serveur_local.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ylkaz::test {

class ConnexionFixe : public Connexion {
  public:
    explicit ConnexionFixe(bool oui) : oui_(oui) {}
    bool connecte() const override { return oui_; }

  private:
    bool oui_;
};

// Every byte value, CR LF line ends, and a size beyond one network buffer.
inline std::string contenu_varie(const std::string& entete, std::size_t lignes) {
    std::string s = entete;
    for (std::size_t i = 0; i < lignes; ++i) {
        s += "F" + std::to_string(i) + "ABC,";
        for (int b = 0; b < 8; ++b)
            s += static_cast<char>((i * 8 + static_cast<std::size_t>(b)) & 0xFF);
        s += "\r\n";
    }
    return s;
}

// The file's bytes and its inode: a file replaced by a rename gets a new inode.
struct Empreinte {
    std::string octets;
    ino_t inode = 0;
    bool operator==(const Empreinte&) const = default;
};

inline Empreinte empreinte(const std::filesystem::path& p) {
    Empreinte e;
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0) e.inode = st.st_ino;
    if (auto o = lire_fichier(p)) e.octets = *o;
    return e;
}

struct BancServeur {
    DossierProgramme prog;
    DossierTemp serveur_dossier; // the server's root, its certificate and its request log
    std::unique_ptr<ServeurLocal> serveur;
    OptionsHttps delais{std::nullopt, std::chrono::seconds(3), std::chrono::seconds(8)};

    std::filesystem::path racine() const { return serveur_dossier / "racine"; }
    std::filesystem::path certificat() const { return serveur_dossier / "cert.pem"; }

    // A file the server publishes, such as "/Dizidevi/KAZ_mini_2021.csv".
    void publier(const std::string& chemin_web, const std::string& octets) const {
        serveur_dossier.ecrire("racine" + chemin_web, octets);
    }

    // `extra`: options of the server such as {"--statut", "/x=500"} or {"--coupe", "/x"}.
    void demarrer(std::vector<std::string> extra = {}, const std::string& nom = "127.0.0.1",
                  const std::string& san = "IP:127.0.0.1,DNS:localhost") {
        std::filesystem::create_directories(racine());
        creer_certificat(certificat(), serveur_dossier / "cle.pem", nom, san);
        std::vector<std::string> commande{
            python(),    source_test("platform/serveur_https.py").string(),
            "--racine",  racine().string(),
            "--cert",    certificat().string(),
            "--cle",     (serveur_dossier / "cle.pem").string(),
            "--journal", (serveur_dossier / "journal.txt").string()};
        commande.insert(commande.end(), extra.begin(), extra.end());
        serveur = std::make_unique<ServeurLocal>(commande);
    }

    std::string adresse() const { return "https://127.0.0.1:" + std::to_string(serveur->port()); }

    // Serveurs.ini of the program folder, both servers at the test server, its
    // certificate trusted.
    void ecrire_serveurs(const std::string& organisateur, const std::string& pays,
                         const std::string& ca) const {
        prog.tmp.ecrire("Serveurs.ini", "[Serveurs]\r\nORGANISATEUR=" + organisateur +
                                            "\r\nPAYS=" + pays + "\r\nCA=" + ca + "\r\n");
    }
    void ecrire_serveurs() const { ecrire_serveurs(adresse(), adresse(), certificat().string()); }

    // The paths asked for, one line each, with the Cache-Control header sent.
    std::string journal() const { return serveur_dossier.lire("journal.txt"); }

    std::filesystem::path bd(const std::string& nom) const {
        return prog.tmp / ("Fichiers_BD/" + nom);
    }

    // The names in a folder of the program, temporary files included.
    std::vector<std::string> noms(const std::filesystem::path& dossier) const {
        std::vector<std::string> v;
        for (const auto& e : std::filesystem::directory_iterator(dossier))
            v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }
};

} // namespace ylkaz::test

#pragma once
// Scripted screen, tick, clock and drives for the log-file tests, and the expected record
// bytes built from the record's offset table.
#include "platform/interfaces.h"
#include "platform/lecteurs.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ylkaz::test {

class FausseMinuterie : public Minuterie {
  public:
    void demarrer() override {
        actif_ = true;
        ++demarrages;
    }
    void arreter() override { actif_ = false; }
    bool actif() const override { return actif_; }
    int demarrages = 0;

  private:
    bool actif_ = false;
};

class FauxDialogues : public Dialogues {
  public:
    explicit FauxDialogues(const Minuterie& m) : minuterie_(m) {}
    void message(const std::string& texte) override {
        messages.push_back(texte);
        tick_pendant_une_boite = tick_pendant_une_boite || minuterie_.actif();
    }
    bool question(const std::string& texte) override {
        questions.push_back(texte);
        tick_pendant_une_boite = tick_pendant_une_boite || minuterie_.actif();
        if (pendant_question) pendant_question();
        const bool r = reponses.empty() ? false : reponses.front();
        if (!reponses.empty()) reponses.pop_front();
        return r;
    }
    std::optional<std::string> ouvrir_fichier(const std::string& dossier,
                                              const std::string& filtre) override {
        ouvertures.push_back(dossier + "|" + filtre);
        tick_pendant_une_boite = tick_pendant_une_boite || minuterie_.actif();
        return fichier_choisi;
    }
    std::optional<std::string> choisir_dossier(const std::string&) override { return {}; }
    void montrer(Fenetre f) override { montrees.push_back(f); }
    void cacher(Fenetre) override {}

    std::vector<std::string> messages, questions, ouvertures;
    std::deque<bool> reponses;
    std::optional<std::string> fichier_choisi;
    std::vector<Fenetre> montrees;
    bool tick_pendant_une_boite = false;
    // Runs while a question is on screen, as a nested event loop would.
    std::function<void()> pendant_question;

  private:
    const Minuterie& minuterie_;
};

class FausseHorloge : public Horloge {
  public:
    std::chrono::system_clock::time_point maintenant() const override { return t; }
    // A UTC moment.
    void regler(int a, int mo, int j, int h, int mi, int s) {
        std::tm tm{};
        tm.tm_year = a - 1900;
        tm.tm_mon = mo - 1;
        tm.tm_mday = j;
        tm.tm_hour = h;
        tm.tm_min = mi;
        tm.tm_sec = s;
        t = std::chrono::system_clock::from_time_t(::timegm(&tm));
    }
    std::chrono::system_clock::time_point t{};
};

class FauxLecteurs : public Lecteurs {
  public:
    std::vector<Lecteur> lister() const override { return {}; }
    int type(const std::filesystem::path&) const override { return code; }
    int code = static_cast<int>(TypeLecteur::amovible);
};

// One record as the offset table lays it out: length byte then the characters, the
// doubles little-endian, everything else zero.
struct Attendu {
    std::string operateur, station;
    double date = 0, heure = 0;
    std::string bande, indicatif, rst_envoye, rst_recu, numero_membre, categorie, nom, pays, extra;

    std::string octets() const {
        std::string o(112, '\0');
        auto texte = [&](std::size_t pos, const std::string& s) {
            o[pos] = static_cast<char>(s.size());
            std::memcpy(o.data() + pos + 1, s.data(), s.size());
        };
        auto dbl = [&](std::size_t pos, double v) {
            const auto bits = std::bit_cast<std::uint64_t>(v);
            for (int i = 0; i < 8; ++i)
                o[pos + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        };
        texte(0, operateur);
        texte(11, station);
        dbl(32, date);
        dbl(40, heure);
        texte(48, bande);
        texte(53, indicatif);
        texte(69, rst_envoye);
        texte(73, rst_recu);
        texte(77, numero_membre);
        texte(82, categorie);
        texte(86, nom);
        texte(102, pays);
        texte(107, extra);
        return o;
    }
};

} // namespace ylkaz::test

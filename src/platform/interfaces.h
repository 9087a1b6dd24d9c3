#pragma once
// What the logic needs from the screen and the system clock. The Qt layer implements
// these; the tests script them.
#include <chrono>
#include <optional>
#include <string>

namespace ylkaz {

enum class Fenetre { info, choix_fichier, main, infoCR };

class Dialogues {
  public:
    virtual ~Dialogues() = default;
    // A message box with an OK button; the text is Windows-1252.
    virtual void message(const std::string& texte) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const std::string& texte) = 0;
    // A file-open dialog starting in `dossier`; the chosen file, or nothing on cancel.
    virtual std::optional<std::string> ouvrir_fichier(const std::string& dossier,
                                                      const std::string& filtre) = 0;
    // A folder dialog; the chosen folder, or nothing on cancel.
    virtual std::optional<std::string> choisir_dossier(const std::string& dossier) = 0;
    virtual void montrer(Fenetre f) = 0;
    virtual void cacher(Fenetre f) = 0;
};

// The main window's one-second tick.
class Minuterie {
  public:
    virtual ~Minuterie() = default;
    virtual void demarrer() = 0;
    virtual void arreter() = 0;
    virtual bool actif() const = 0;
};

struct DateHeure {
    int annee = 0, mois = 0, jour = 0, heure = 0, minute = 0, seconde = 0;
};

class Horloge {
  public:
    virtual ~Horloge() = default;
    virtual std::chrono::system_clock::time_point maintenant() const = 0;
    DateHeure utc() const;
    DateHeure locale() const;
};

// The system clock.
class HorlogeSysteme : public Horloge {
  public:
    std::chrono::system_clock::time_point maintenant() const override {
        return std::chrono::system_clock::now();
    }
};

} // namespace ylkaz

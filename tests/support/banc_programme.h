#pragma once
// The whole program without a window, over a temporary program folder: a scripted
// screen, tick, clock, drive list and database update.
#include "app/programme.h"
#include "log/faux_stockage.h"
#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace ylkaz::test {

// Records every box and window; questions and file dialogs answer from the script.
// Showing a window runs its activation, as the window system does when it comes to the
// front.
class EcranScripte : public Dialogues {
  public:
    void message(const std::string& texte) override { messages.push_back(texte); }
    bool question(const std::string& texte) override {
        questions.push_back(texte);
        if (reponses.empty()) return false;
        const bool r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::optional<std::string> ouvrir_fichier(const std::string& dossier,
                                              const std::string& filtre) override {
        ouvertures.push_back(dossier + "|" + filtre);
        return fichier_choisi;
    }
    std::optional<std::string> choisir_dossier(const std::string& dossier) override {
        ouvertures.push_back(dossier);
        return dossier_choisi;
    }
    void montrer(Fenetre f) override {
        visibles.insert(f);
        montrees.push_back(f);
        if (activer) activer(f);
    }
    void cacher(Fenetre f) override { visibles.erase(f); }
    bool visible(Fenetre f) const { return visibles.count(f) > 0; }

    std::vector<std::string> messages, questions, ouvertures;
    std::deque<bool> reponses;
    std::optional<std::string> fichier_choisi, dossier_choisi;
    std::vector<Fenetre> montrees;
    std::set<Fenetre> visibles;
    std::function<void(Fenetre)> activer;
};

class MiseAJourScriptee : public MiseAJourBD {
  public:
    ResultatMiseAJour Mettre_a_jour(const Dossiers&, const Catalogue&) override {
        ++appels;
        if (action) action();
        return resultat;
    }
    int appels = 0;
    std::function<void()> action;
    ResultatMiseAJour resultat{std::nullopt, "sans connexion", "pas de connexion"};
};

class LecteursScriptes : public Lecteurs {
  public:
    std::vector<Lecteur> lister() const override { return liste; }
    int type(const std::filesystem::path&) const override {
        return static_cast<int>(TypeLecteur::amovible);
    }
    std::vector<Lecteur> liste;
};

// A member list and a YL list of a few lines, and the real country file.
inline void references(const DossierTemp& prog) {
    const auto cty = lire_fichier(std::filesystem::path(YLKAZ_SOURCE_DATA) / "CTY_WT.DAT");
    prog.ecrire("CTY_WT.DAT", cty.value_or(""));
    prog.ecrire("Fichiers_BD/KAZ_mini_2021.csv",
                "F4ABC,123,ANNE,YL\r\nF5XYZ,77,PAUL,OM\r\nDL1AAA,9,HEIDI,YL\r\n");
    prog.ecrire("Fichiers_BD/BD_YL.csv", "F6YLA;MARIE\r\n");
}

// The eight language files as the program folder ships them.
inline void langues_livrees(const std::filesystem::path& prog) {
    const auto livres = std::filesystem::path(YLKAZ_SOURCE_DATA) / "Lng";
    std::filesystem::create_directories(prog / "Lng");
    for (const auto& e : std::filesystem::directory_iterator(livres))
        std::filesystem::copy_file(e.path(), prog / "Lng" / e.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

class BancProgramme {
  public:
    explicit BancProgramme(const std::filesystem::path& dossier)
        : p(dossier, Plateforme{ecran, minuterie, horloge, lecteurs, mise_a_jour}) {
        horloge.regler(2024, 3, 9, 10, 30, 0);
        p.terminer = [this] { ++fins; };
        p.attente = [this](bool montrer) { attentes.push_back(montrer); };
        ecran.activer = [this](Fenetre f) {
            if (f == Fenetre::main) p.Form_main.FormActivate();
            if (f == Fenetre::choix_fichier) p.Form_choix_fichier.FormActivate();
        };
    }

    // The start-up as the window program runs it, then the station form on screen.
    void demarrer() {
        p.Demarrer();
        ecran.montrer(Fenetre::info);
    }

    EcranScripte ecran;
    FausseMinuterie minuterie;
    FausseHorloge horloge;
    LecteursScriptes lecteurs;
    MiseAJourScriptee mise_a_jour;
    Programme p;
    int fins = 0;
    std::vector<bool> attentes;
};

} // namespace ylkaz::test

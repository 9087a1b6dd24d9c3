#pragma once
// The report form in the program state over a temporary program folder with a small
// log, a scripted screen, tick, clock and opener.
#include "app/champs_cabrillo.h"
#include "app/programme.h"
#include "export/cabrillo.h"
#include "export/journal_exemple.h"
#include "log/faux_stockage.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "report/form_infocr.h"
#include "support/banc_programme.h"
#include "support/dossier_temp.h"

#include <ctime>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ylkaz::test {

// Records every box with whether the tick was running meanwhile, and the windows shown
// and hidden.
class EcranCR : public Dialogues {
  public:
    explicit EcranCR(const Minuterie& m) : minuterie_(m) {}
    void message(const std::string& texte) override {
        messages.push_back(texte);
        tick_pendant_une_boite = tick_pendant_une_boite || minuterie_.actif();
        if (pendant_boite) pendant_boite();
    }
    bool question(const std::string& texte) override {
        questions.push_back(texte);
        return false;
    }
    std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> choisir_dossier(const std::string&) override { return std::nullopt; }
    // Showing a window runs its activation, as the window system does.
    void montrer(Fenetre f) override {
        visibles.insert(f);
        montrees.push_back(f);
        if (activer) activer(f);
    }
    void cacher(Fenetre f) override {
        visibles.erase(f);
        cachees.push_back(f);
    }
    bool visible(Fenetre f) const { return visibles.count(f) > 0; }

    std::vector<std::string> messages, questions;
    std::vector<Fenetre> montrees, cachees;
    std::set<Fenetre> visibles;
    bool tick_pendant_une_boite = false;
    std::function<void(Fenetre)> activer;
    // Runs while a box is up, as the screen behind it would be painted.
    std::function<void()> pendant_boite;

  private:
    const Minuterie& minuterie_;
};

class FauxOuvreur : public Ouvreur {
  public:
    void ouvrir(const std::filesystem::path& document) override {
        ouverts.push_back(document);
        if (echec) throw Erreur(*echec);
    }
    std::vector<std::filesystem::path> ouverts;
    std::optional<std::string> echec;
};

inline const char* const ADRESSE_CORRECTEUR = "correcteur@dizidevi.example";

// The program state as the station form's OK leaves it, with a small log, the report
// form's window on a scripted screen.
struct BancCompteRendu {
    BancCompteRendu() {
        p.dossiers = Dossiers::depuis(prog.chemin());
        p.dossiers.creer_sous_dossiers();
        p.ouvreur = &ouvreur;
        ecran.activer = [this](Fenetre f) {
            if (f == Fenetre::infoCR) cr.FormActivate();
        };
        horloge.regler(2021, 3, 13, 9, 15, 30);
        journal_exemple(p.grille);
        p.station = station_exemple();
        p.station.OPERATOR = "F4ABC";
        p.station.MY_STATION = "TM4ABC";
        p.station.MY_EMAIL = "f4abc@example.org";
        p.station.MY_SMTP = "127.0.0.1";
        p.station.MY_PORT = "25";
        p.emplacement.CHEMIN_FICHIER = p.dossiers.CHEMIN_FILES;
        p.emplacement.NOM_FICHIER = "F4ABC.YL";
        const ChampsCabrillo c = champs_exemple();
        info.set_Edit_nom(c.Edit_nom);
        info.set_Edit_AD1(c.Edit_AD1);
        info.set_Edit_ad2(c.Edit_ad2);
        info.set_Edit_ad3(c.Edit_ad3);
        info.set_Edit_NKAZ(c.Edit_NKAZ);
        info.set_Edit_smtp("127.0.0.1");
        info.set_Edit_port("25");
        correcteurs(std::string("[YL]\r\nAD=") + ADRESSE_CORRECTEUR + "\r\n");
        cr.sablier = [this](bool b) { sabliers.push_back(b); };
        cr.reglages_envoi.delai_connexion = std::chrono::seconds(3);
        cr.reglages_envoi.delai_total = std::chrono::seconds(8);
    }

    void correcteurs(const std::string& octets) const {
        prog.ecrire(Form_infoCR::FICHIER_CORRECTEURS, octets);
    }
    std::filesystem::path fichier_cbr() const { return prog / "Files" / "F4ABC.CBR"; }
    // The Cabrillo file the log and the form's fields give now.
    std::string cabrillo_attendu() const {
        return texte_cabrillo(p.grille, p.station, champs_cabrillo(info));
    }
    // The first body line's date: the clock's day where the program runs.
    std::string date_du_jour() const {
        const DateHeure d = horloge.locale();
        char t[16];
        std::snprintf(t, sizeof t, "%02d/%02d/%04d", d.jour, d.mois, d.annee);
        return t;
    }

    DossierTemp prog;
    FausseMinuterie minuterie;
    EcranCR ecran{minuterie};
    FausseHorloge horloge;
    LecteursScriptes lecteurs;
    MiseAJourScriptee mise_a_jour;
    FauxOuvreur ouvreur;
    Programme p{prog.chemin(), Plateforme{ecran, minuterie, horloge, lecteurs, mise_a_jour}};
    Form_info& info = p.Form_info;
    Form_infoCR& cr = p.Form_infoCR;
    std::vector<bool> sabliers;
};

} // namespace ylkaz::test

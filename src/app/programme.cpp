#include "app/programme.h"

#include "platform/erreur.h"

#include <vector>

namespace ylkaz {

Programme::Programme(const std::filesystem::path& dossier_programme, Plateforme p)
    : plateforme(p),
      stockage(etat_log, grille, bandes, station, emplacement, dossiers, p.dialogues, p.minuterie,
               p.horloge, p.lecteurs,
               LiensLog{
                   [this] {
                       if (Calcul_score) Calcul_score();
                   },
                   [this] { Form_main.set_Label_score("Score = "); },
                   [this] { Sauve_ini(reglages()); },
                   [this] {
                       Form_choix_fichier.set_Edit_chemin(emplacement.CHEMIN_FICHIER);
                       Form_choix_fichier.set_Edit_nom_fichier(emplacement.NOM_FICHIER);
                   },
                   [this](const std::string& t) { Form_main.set_Label_nomfichier(t); },
                   [this] { Form_main.set_Label_his_continent({}); },
                   [this] {
                       if (Form_main.ouvrir_editeur) Form_main.ouvrir_editeur();
                   },
               }),
      Form_info(LiensInfo{station, dossiers, emplacement, grille, reference, catalogue,
                          p.dialogues, p.lecteurs, p.mise_a_jour, etat_log.lecteur_sauvegarde,
                          [this] { Sauve_ini(reglages()); },
                          [this] {
                              if (terminer) terminer();
                          },
                          [this](bool montrer) {
                              if (attente) attente(montrer);
                          }}),
      Form_choix_fichier(LiensChoix{emplacement, station, dossiers, grille, bandes, stockage,
                                    p.dialogues, p.horloge,
                                    [this](const std::string& t) {
                                        Form_main.set_Label_nomfichier(t);
                                    },
                                    [this] {
                                        if (temps_reel) temps_reel();
                                    }}),
      Form_main(grille,
                LiensMain{station,
                          dossiers,
                          catalogue,
                          bandes,
                          Form_info,
                          stockage,
                          p.dialogues,
                          p.minuterie,
                          [this] { Sauve_ini(reglages()); },
                          [this] {
                              if (Calcul_score) Calcul_score();
                          },
                          {},
                          [this](const std::filesystem::path& f) {
                              if (ouvrir_document) ouvrir_document(f);
                          },
                          [this] {
                              if (terminer) terminer();
                          },
                          [this] {
                              if (Charge_langue) Charge_langue();
                          },
                          {},
                          {}}),
      temps_reel([this] {
          etat_log.temps_reel = true;
          plateforme.minuterie.demarrer();
      }),
      dossier_programme_(dossier_programme) {}

void Programme::Demarrer() {
    Form_info.FormCreate(dossier_programme_);
    Form_main.FormCreate();
    // The report form's creation: every window the settings touch exists now.
    plateforme.minuterie.arreter();
    Charge_ini(reglages());
    grille.renumeroter();
}

Reglages Programme::reglages() {
    return Reglages{station,   dossiers,           emplacement, catalogue.LNG, Form_main,
                    Form_info, Form_choix_fichier, Form_infoCR, grille,        [this] {
                        if (Charge_langue) Charge_langue();
                    }};
}

namespace {

// No screen: questions are answered No, messages are kept for the caller.
class DialoguesMuets final : public Dialogues {
  public:
    void message(const std::string& texte) override { messages.push_back(texte); }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> ouvrir_fichier(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> choisir_dossier(const std::string&) override {
        return std::nullopt;
    }
    void montrer(Fenetre) override {}
    void cacher(Fenetre) override {}
    std::vector<std::string> messages;
};

class MinuterieArretee final : public Minuterie {
  public:
    void demarrer() override {}
    void arreter() override {}
    bool actif() const override { return false; }
};

class AucunLecteur final : public Lecteurs {
  public:
    std::vector<Lecteur> lister() const override { return {}; }
    int type(const std::filesystem::path&) const override {
        return static_cast<int>(TypeLecteur::inexistant);
    }
};

} // namespace

StationRecord Station_sans_fenetre(const std::filesystem::path& dossier_programme) {
    DialoguesMuets dialogues;
    MinuterieArretee minuterie;
    HorlogeSysteme horloge;
    AucunLecteur lecteurs;
    MiseAJourAbsente mise_a_jour;
    Programme p(dossier_programme, {dialogues, minuterie, horloge, lecteurs, mise_a_jour});
    // Neither folders created nor databases fetched: a command only reads.
    p.dossiers = Dossiers::depuis(dossier_programme);
    p.Form_info.Conversion_cty();
    Charge_ini(p.reglages());
    if (!dialogues.messages.empty()) throw Erreur(dialogues.messages.front());
    if (const auto refus = p.Form_info.Stocker_station()) throw Erreur(*refus);
    return p.station;
}

} // namespace ylkaz

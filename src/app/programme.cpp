#include "app/programme.h"

#include "app/champs_cabrillo.h"
#include "app/creation_fichiers.h"
#include "app/langue.h"
#include "log/pause_minuterie.h"
#include "platform/erreur.h"

namespace ylkaz {

Programme::Programme(const std::filesystem::path& dossier_programme, Plateforme p)
    : plateforme(p),
      stockage(etat_log, grille, bandes, station, emplacement, dossiers, p.dialogues, p.minuterie,
               p.horloge, p.lecteurs,
               LiensLog{
                   [this] { Calcul_score(); },
                   [this] {
                       score.remettre_a_zero();
                       montrer_score();
                   },
                   [this] { Sauve_ini(reglages()); },
                   [this] {
                       Form_choix_fichier.set_Edit_chemin(emplacement.CHEMIN_FICHIER);
                       Form_choix_fichier.set_Edit_nom_fichier(emplacement.NOM_FICHIER);
                   },
                   [this](const std::string& t) { Form_main.set_Label_nomfichier(t); },
                   [this] {
                       score.Label_his_continent.clear();
                       Form_main.set_Label_his_continent({});
                   },
                   [this] {
                       if (Form_main.ouvrir_editeur) Form_main.ouvrir_editeur();
                   },
               }),
      saisie(grille, bandes, etat_log, stockage, catalogue, p.dialogues, p.minuterie, p.horloge,
             LiensSaisie{
                 [this](const std::string& indicatif) {
                     return reference.Recherche_membre(indicatif);
                 },
                 // Entry shows what these throw itself.
                 [this](int r) {
                     ylkaz::Calcul_ligne(grille, station, reference, score, r);
                     montrer_score();
                 },
                 [this] {
                     ylkaz::Calcul_score(grille, station, reference, score);
                     montrer_score();
                 },
                 [this] {
                     if (editer_cellule) editer_cellule();
                 },
             }),
      Form_info(LiensInfo{station, dossiers, emplacement, grille, reference, catalogue, p.dialogues,
                          p.lecteurs, p.mise_a_jour, etat_log.lecteur_sauvegarde,
                          [this] { Sauve_ini(reglages()); },
                          [this] {
                              if (terminer) terminer();
                          },
                          [this](bool montrer) {
                              if (attente) attente(montrer);
                          }}),
      Form_choix_fichier(
          LiensChoix{emplacement, station, dossiers, grille, bandes, stockage, p.dialogues,
                     p.horloge, [this](const std::string& t) { Form_main.set_Label_nomfichier(t); },
                     [this] {
                         if (temps_reel) temps_reel();
                     }}),
      Form_main(grille, LiensMain{station, dossiers, catalogue, bandes, Form_info, stockage,
                                  p.dialogues, p.minuterie, [this] { Sauve_ini(reglages()); },
                                  [this] { Calcul_score(); },
                                  [this] {
                                      if (preparer_heure) preparer_heure();
                                  },
                                  [this](const std::filesystem::path& f) {
                                      if (ouvrir_document) ouvrir_document(f);
                                  },
                                  [this] {
                                      if (terminer) terminer();
                                  },
                                  [this] {
                                      if (Charge_langue) Charge_langue();
                                  },
                                  [this] {
                                      if (creation_fichiers) creation_fichiers();
                                  },
                                  [this] {
                                      if (compte_rendu) compte_rendu();
                                  }}),
      Form_infoCR(LiensInfoCR{grille, station, dossiers, emplacement, Form_info, cabrillo,
                              p.dialogues, p.minuterie, p.horloge,
                              [this](const std::filesystem::path& f) {
                                  if (ouvreur) ouvreur->ouvrir(f);
                              }}),
      temps_reel([this] { saisie.SpeedButton_temps_reelClick(); }),
      dossier_programme_(dossier_programme) {
    creation_fichiers = [this] {
        Creation_fichiers(
            {grille, station, champs_cabrillo(Form_info), dossiers, emplacement, reference},
            cabrillo, catalogue, plateforme.dialogues, plateforme.minuterie);
    };
    compte_rendu = [this] {
        SpeedButton_mailClick(station, plateforme.dialogues, plateforme.minuterie);
    };
    Charge_langue = [this] {
        ylkaz::Charge_langue({dossiers, catalogue, Form_main, Form_info, Form_choix_fichier,
                              Form_infoCR, grille,
                              [this](const std::string& t) { saisie.set_Label_temps(t); }});
    };
}

void Programme::Demarrer() {
    Form_info.FormCreate(dossier_programme_);
    Form_main.FormCreate();
    // The report form's creation: every window the settings touch exists now.
    plateforme.minuterie.arreter();
    Charge_ini(reglages());
    grille.renumeroter();
}

void Programme::Calcul_score() {
    try {
        ylkaz::Calcul_score(grille, station, reference, score);
    } catch (const Erreur& e) {
        PauseMinuterie pause(plateforme.minuterie, false);
        plateforme.dialogues.message(e.what());
    }
    montrer_score();
}

void Programme::montrer_score() {
    Form_main.set_Label_score(score.Label_score);
    Form_main.set_Label_his_continent(score.Label_his_continent);
}

Reglages Programme::reglages() {
    return Reglages{station,
                    dossiers,
                    emplacement,
                    catalogue.LNG,
                    Form_main,
                    Form_info,
                    Form_choix_fichier,
                    Form_infoCR,
                    grille,
                    [this] {
                        if (Charge_langue) Charge_langue();
                    }};
}

ProgrammeSansFenetre::ProgrammeSansFenetre(const std::filesystem::path& dossier)
    : programme_(dossier, Plateforme{muets_, muets_, horloge_, muets_, mise_a_jour_}) {
    auto& p = programme_;
    p.dossiers = Dossiers::depuis(dossier);
    p.Form_info.Conversion_cty();
    Charge_ini(p.reglages());
    if (!muets_.messages.empty()) throw Erreur(muets_.messages.front());
    refus_ = p.Form_info.Stocker_station();
}

} // namespace ylkaz

#include "app/langue.h"

#include "app/ini.h"
#include "platform/cp1252.h"
#include "platform/fichiers.h"

#include <utility>
#include <vector>

namespace ylkaz {
namespace {

constexpr const char* ABSENT = "??";

using Cible = std::function<void(const CiblesLangue&, std::string)>;

struct Entree {
    const char* section;
    std::string cle;
    std::string defaut;
    Cible cible;
};

// One text of a window's text set, replaced on its own so that the window hears of it
// at once.
template <class Fenetre, class Textes>
void remplacer(Fenetre& f, std::string Textes::*champ, std::string texte) {
    Textes t = f.textes();
    t.*champ = std::move(texte);
    f.set_textes(std::move(t));
}

Cible principale(std::string TextesMain::*champ) {
    return [champ](const CiblesLangue& c, std::string t) {
        remplacer(c.Form_main, champ, std::move(t));
    };
}
Cible info(std::string TextesInfo::*champ) {
    return [champ](const CiblesLangue& c, std::string t) {
        remplacer(c.Form_info, champ, std::move(t));
    };
}
Cible choix(std::string TextesChoix::*champ) {
    return [champ](const CiblesLangue& c, std::string t) {
        remplacer(c.Form_choix_fichier, champ, std::move(t));
    };
}
Cible message(std::string Catalogue::*champ) {
    return [champ](const CiblesLangue& c, std::string t) { c.catalogue.*champ = std::move(t); };
}

// Every text of a language file, in reading order.
std::vector<Entree> table() {
    using M = TextesMain;
    std::vector<Entree> t = {
        {"Menu", "Langues1.caption", ABSENT, principale(&M::Langues1)},
        {"Menu", "Francais.caption", ABSENT, principale(&M::Franais1)},
        {"Menu", "Anglais.caption", ABSENT, principale(&M::Anglais1)},
        {"Menu", "Espagnol.caption", ABSENT, principale(&M::Espagnol)},
        {"Menu", "Italien.caption", ABSENT, principale(&M::Italien1)},
        {"Menu", "Allemand.caption", ABSENT, principale(&M::Allemand)},
        {"Menu", "Fichers1.caption", ABSENT, principale(&M::Fichers1)},
        {"Menu", "Ouvrir1.caption", ABSENT, principale(&M::Ouvrir1)},
        {"Menu", "Accesficheinfos1.caption", ABSENT, principale(&M::Accesficheinfos1)},
        {"Menu", "Logs1.caption", ABSENT, principale(&M::Logs1)},
        {"Menu", "Creation1.caption", ABSENT, principale(&M::Creation1)},

        {"Panel1", "SpeedButton_retour_info.hint", ABSENT,
         principale(&M::SpeedButton_retour_info_hint)},
        {"Panel1", "SpeedButton_ouvrir.hint", ABSENT, principale(&M::SpeedButton_ouvrir_hint)},
        {"Panel1", "SpeedButton_temps_differe.hint", ABSENT,
         principale(&M::SpeedButton_temps_differe_hint)},
        {"Panel1", "SpeedButton_Temps_Reel.hint", ABSENT,
         principale(&M::SpeedButton_temps_reel_hint)},
        {"Panel1", "msg_tps_reel", ABSENT,
         [](const CiblesLangue& c, std::string t) {
             c.catalogue.msg_tps_reel = t;
             if (c.Label_temps) c.Label_temps(t);
         }},
        {"Panel1", "msg_tps_differe", ABSENT, message(&Catalogue::msg_tps_differe)},
        {"Panel1", "msg_QTR", ABSENT, message(&Catalogue::msg_QTR)},
        {"Panel1", "SpeedButton_calculatrice.hint", ABSENT,
         principale(&M::SpeedButton_calculatrice_hint)},
        {"Panel1", "SpeedButton_creation_fichiers.hint", ABSENT,
         principale(&M::SpeedButton_creation_fichiers_hint)},
        {"Panel1", "SpeedButton_mail.hint", ABSENT, principale(&M::SpeedButton_mail_hint)},
        {"Panel1", "SpeedButton_help.hint", ABSENT, principale(&M::SpeedButton_help_hint)},

        {"Panel3", "Label_date.caption", ABSENT, principale(&M::Label_date)},
        {"Panel3", "Label_bande.caption", ABSENT, principale(&M::Label_bande)},

        {"Form_Info", "Label_op.caption", ABSENT, info(&TextesInfo::Label_op)},
        {"Form_Info", "Label_nr_kaz.caption", ABSENT, info(&TextesInfo::Label_nr_kaz)},
        {"Form_Info", "Label_station.caption", ABSENT, info(&TextesInfo::Label_station)},
        {"Form_Info", "Label_nom.caption", ABSENT, info(&TextesInfo::Label_nom)},
        {"Form_Info", "Label_ad1.caption", ABSENT, info(&TextesInfo::Label_ad1)},
        {"Form_Info", "Label_ad2.caption", ABSENT, info(&TextesInfo::Label_ad2)},
        {"Form_Info", "Label_ad3.caption", ABSENT, info(&TextesInfo::Label_ad3)},
        // The station form shows this one only when it finds no Internet connection.
        {"Form_Info", "Label_info_Internet.caption", ABSENT,
         message(&Catalogue::msg_info_internet)},

        {"Form_choix_fichier", "caption", ABSENT, choix(&TextesChoix::Caption)},
        {"Form_choix_fichier", "Label_nom_fichier.caption", ABSENT,
         choix(&TextesChoix::Label_nom_fichier)},
        {"Form_choix_fichier", "Button_nom_fichier.caption", ABSENT,
         choix(&TextesChoix::Button_nom_fichier)},
        {"Form_choix_fichier", "Button_emplacement.caption", ABSENT,
         choix(&TextesChoix::Button_emplacement)},
    };
    for (int col = 0; col < Grille_log::COLONNES; ++col)
        t.push_back({"Grille_LOG", "Cells_" + std::to_string(col), ABSENT,
                     [col](const CiblesLangue& c, std::string texte) {
                         c.Grille_log.set_cellule(col, 0, std::move(texte));
                     }});
    t.push_back({"Grille_LOG", "Hint", ABSENT, principale(&M::Grille_log_hint)});
    for (const auto& entree : Form_infoCR::CLES_LANGUE) {
        const auto champ = entree.second;
        t.push_back({"INFO_CR", entree.first, Form_infoCR::TEXTE_ABSENT,
                     [champ](const CiblesLangue& c, std::string texte) {
                         remplacer(c.Form_infoCR, champ, std::move(texte));
                     }});
    }
    const Catalogue defauts;
    t.push_back({"MSG", "Msg_fichier_sauve", defauts.Msg_fichier_sauve,
                 message(&Catalogue::Msg_fichier_sauve)});
    t.push_back({"MSG", "MSg_info_manquante", defauts.MSg_info_manquante,
                 message(&Catalogue::MSg_info_manquante)});
    t.push_back({"MSG", "Message_MAJ_reussie", ABSENT, message(&Catalogue::Message_MAJ_reussie)});
    return t;
}

} // namespace

const char* fichier_langue(int LNG) {
    if (LNG < 1 || LNG > static_cast<int>(FICHIERS_LANGUE.size())) return FICHIERS_LANGUE[0];
    return FICHIERS_LANGUE[static_cast<std::size_t>(LNG - 1)];
}

void Charge_langue(const CiblesLangue& c) {
    // Found by its full path: the working directory is the operator's and stays so.
    const FichierIni fichier(
        fichier_sans_casse(chemin(c.dossiers.CHEMIN_LNG), fichier_langue(c.catalogue.LNG)));
    for (const auto& e : table())
        e.cible(c, fichier.lire_texte(e.section, e.cle, e.defaut));
}

} // namespace ylkaz

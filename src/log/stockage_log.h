#pragma once
// The log file and its copies: loading the table from the file, writing rows to their
// records, the full rewrite with its ".BAK", a new empty log, opening another log, the
// quit-time "_Mem" copy and the rotating ".sav" copies on the backup drive.
//
// Every operation that can fail shows the reason in a message box and returns false;
// the table then keeps what it holds. The one-second tick is stopped while a message
// box, a question or a file dialog of these operations is on screen, so that it never
// runs inside them, and runs again afterwards when it ran before.
#include "app/etat.h"
#include "log/fichier_log.h"
#include "log/grille_log.h"
#include "platform/interfaces.h"
#include "platform/lecteurs.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ylkaz {

// What these operations need of work owned elsewhere; a link left empty is skipped.
struct LiensLog {
    // Evaluates every row and shows the score.
    std::function<void()> Calcul_score;
    // total_points, total_multi and score := 0; Label_score := "Score = ".
    std::function<void()> remettre_score_a_zero;
    // Writes the settings file; throws Erreur with the operator's text when it fails.
    std::function<void()> Sauve_ini;
    // The naming form shows CHEMIN_FICHIER and NOM_FICHIER in its fields.
    std::function<void()> montrer_emplacement;
    // The main window's Label_nomfichier.
    std::function<void(const std::string&)> Label_nomfichier;
    // Empties the main window's Label_his_continent.
    std::function<void()> vider_continent;
    // Gives the table the focus and starts editing the current cell (the table's current
    // cell is already column 3 of the right row).
    std::function<void()> ouvrir_editeur;
};

// Files longer than this many records are refused by the loader: no contest log comes
// near it, and a foreign file of gigabytes must not exhaust the memory.
constexpr std::uint64_t MAX_ENREGISTREMENTS = 100000;

// The log file's name with its extension replaced by ".BAK" ("X.YL" gives "X.BAK").
std::string nom_bak(std::string_view nom_fichier);
// The number of the next backup copy of `nom` ("_01" to "_10") from the file names of the
// drive's root and their modification times, in listing order.
struct FichierRacine {
    std::string nom; // Windows-1252
    std::filesystem::file_time_type modifie;
};
std::string suffixe_copie(const std::vector<FichierRacine>& fichiers, std::string_view nom);

class StockageLog {
  public:
    StockageLog(EtatLog& etat, Grille_log& grille, Grille_band& bandes,
                const StationRecord& station, EmplacementLog& emplacement, const Dossiers& dossiers,
                Dialogues& dialogues, Minuterie& minuterie, const Horloge& horloge,
                const Lecteurs& lecteurs, LiensLog liens = {});

    // CHEMIN_FICHIER/NOM_FICHIER (an existing file of another case counts).
    std::filesystem::path chemin_log() const;

    // Empties the table and fills it from the log file, which stays open. False when the
    // file cannot be opened or read (the table stays empty).
    bool Charger_log();
    // Writes row r to record r when its date, time and callsign cells are filled (true
    // without writing otherwise); the record is on the disk when this returns.
    bool Sauver_ligne(int r);
    // Writes any record at position r of the open log file, on the disk when it returns.
    bool Ecrire_enreg(int r, const TEnreg_QSO& e);
    // The header record at this moment; with MY_DXCC for the quit-time copy.
    TEnreg_QSO Entete(bool avec_dxcc = false) const;
    // Creates the log file anew at its location, holding only the header, and opens it.
    bool Ecrire_entete();
    // Keeps the current log file as ".BAK" and writes a new one from the table. The new
    // file is complete on the disk before the old one is renamed, so the folder always
    // holds a log file.
    bool Reecrire_log();
    // After confirmation, empties the table and the log file (header at records 0 and 1),
    // then shows the station form.
    bool Nouveau_log();
    // Lets the operator choose another log file, saves the settings and loads it.
    bool Ouvrir_log();
    // The quit-time copy NOM_FICHIER + "_Mem", written after the log file was closed.
    bool Copie_Mem();
    void Fermer_log() { etat_.fichier.fermer(); }

    // From the one-second tick, with the UTC date and time it just computed: a backup
    // copy at most once a minute, in real-time mode, when a backup drive is chosen.
    void Controle_sauvegarde(const DateHeure& utc);
    // Writes the backup copy of the table into the root folder of the drive.
    bool Sauvegarde_auto(const std::filesystem::path& racine, const std::string& nom);

  private:
    void signaler(const std::string& texte);
    std::string contenu_depuis_grille(const TEnreg_QSO* entete, bool sans_nom) const;
    void remplir_depuis(std::string_view contenu);
    void placer_entree(std::uint64_t n);

    EtatLog& etat_;
    Grille_log& grille_;
    Grille_band& bandes_;
    const StationRecord& station_;
    EmplacementLog& emplacement_;
    const Dossiers& dossiers_;
    Dialogues& dialogues_;
    Minuterie& minuterie_;
    const Horloge& horloge_;
    const Lecteurs& lecteurs_;
    LiensLog liens_;
};

} // namespace ylkaz

#pragma once
// The values that live for the whole run, each owned by one part of the program and
// handed by reference to the classes that use them.
#include <filesystem>
#include <string>

namespace ylkaz {

// The operator's own station, as the station form stores it.
struct StationRecord {
    std::string OPERATOR;
    std::string MY_NAME;
    std::string MY_STATION;
    std::string MY_NRKAZ;
    std::string MY_DXCC;
    std::string MY_SEXE;
    std::string MY_CATEGORY;
    std::string MY_LOCATOR;
    std::string MY_STREET;
    std::string MY_CITY;
    std::string MY_EMAIL;
    std::string MY_SMTP;
    std::string MY_PORT;
};

// The program folder and its three sub-folders, as stored names (Windows-1252, "/").
// CHEMIN_PROG ends with the separator, the others do not.
struct Dossiers {
    std::string CHEMIN_PROG;
    std::string CHEMIN_FILES;
    std::string CHEMIN_LNG;
    std::string CHEMIN_BD;

    static Dossiers depuis(const std::filesystem::path& dossier_programme);
    // Creates "Files", "Lng" and "Fichiers_BD" when they are missing.
    void creer_sous_dossiers() const;
};

// Where the current log file is.
struct EmplacementLog {
    std::string CHEMIN_FICHIER; // its folder
    std::string NOM_FICHIER;    // its name with the extension
};

// A window's place and size as the settings file keeps them.
struct Geometrie {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometrie&) const = default;
};

} // namespace ylkaz

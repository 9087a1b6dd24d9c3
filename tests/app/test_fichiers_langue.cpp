// The language files shipped in data/Lng: every text the program replaces is there, in
// bytes the program reads as Windows-1252, with CR LF line ends.
#include "app/ini.h"
#include "platform/cp1252.h"
#include "platform/fichiers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace ylkaz;

namespace {

const std::filesystem::path dossier_lng = std::filesystem::path(YLKAZ_SOURCE_DATA) / "Lng";

// By language index 1 to 8.
const std::vector<std::string> fichiers_langue = {
    "F_F_YL_KAZ.ini",  "F_EN_YL_KAZ.ini", "F_SP_YL_KAZ.ini",  "F_I_YL_KAZ.ini",
    "F_DL_YL_KAZ.ini", "F_CZ_YL_KAZ.ini", "F_CT_YL_KAZC.ini", "F_EN_YL_KAZC.ini",
};

struct Section {
    std::string nom;
    std::vector<std::string> cles;
};

// Every text the program takes from a language file, by section, in reading order.
std::vector<Section> table_textes() {
    std::vector<Section> t = {
        {"Menu",
         {"Langues1.caption", "Francais.caption", "Anglais.caption", "Espagnol.caption",
          "Italien.caption", "Allemand.caption", "Fichers1.caption", "Ouvrir1.caption",
          "Accesficheinfos1.caption", "Logs1.caption", "Creation1.caption"}},
        {"Panel1",
         {"SpeedButton_retour_info.hint", "SpeedButton_ouvrir.hint",
          "SpeedButton_temps_differe.hint", "SpeedButton_Temps_Reel.hint", "msg_tps_reel",
          "msg_tps_differe", "msg_QTR", "SpeedButton_calculatrice.hint",
          "SpeedButton_creation_fichiers.hint", "SpeedButton_mail.hint", "SpeedButton_help.hint"}},
        {"Panel3", {"Label_date.caption", "Label_bande.caption"}},
        {"Form_Info",
         {"Label_op.caption", "Label_nr_kaz.caption", "Label_station.caption", "Label_nom.caption",
          "Label_ad1.caption", "Label_ad2.caption", "Label_ad3.caption",
          "Label_info_Internet.caption"}},
        {"Form_choix_fichier",
         {"caption", "Label_nom_fichier.caption", "Button_nom_fichier.caption",
          "Button_emplacement.caption"}},
        {"Grille_LOG", {}},
        {"INFO_CR",
         {"Titre_CR", "Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Label1", "Label_erreur",
          "Button_envoi"}},
        {"MSG", {"Msg_fichier_sauve", "MSg_info_manquante", "Message_MAJ_reussie"}},
    };
    for (auto& s : t)
        if (s.nom == "Grille_LOG") {
            for (int c = 0; c < 15; ++c)
                s.cles.push_back("Cells_" + std::to_string(c));
            s.cles.push_back("Hint");
        }
    return t;
}

std::string minuscules(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return r;
}

std::string_view rogner(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

// Every line of a file sorted into sections and keys (names without regard to case),
// every occurrence kept: the program's reader takes the first and is silent on the rest.
struct IniLu {
    // lower-case section name -> lower-case key -> values in file order
    std::map<std::string, std::map<std::string, std::vector<std::string>>> valeurs;
    std::map<std::string, int> sections_vues;
    std::vector<std::string> lignes_sans_cle;
};

IniLu lire_ini(std::string_view octets) {
    IniLu ini;
    std::string section;
    bool dans_section = false;
    while (!octets.empty()) {
        auto fin = octets.find('\n');
        std::string_view ligne = octets.substr(0, fin);
        octets.remove_prefix(fin == std::string_view::npos ? octets.size() : fin + 1);
        ligne = rogner(ligne);
        if (ligne.empty()) continue;
        if (ligne.front() == '[' && ligne.back() == ']') {
            section = minuscules(rogner(ligne.substr(1, ligne.size() - 2)));
            ++ini.sections_vues[section];
            dans_section = true;
            continue;
        }
        auto egal = ligne.find('=');
        if (!dans_section || egal == std::string_view::npos) {
            ini.lignes_sans_cle.emplace_back(ligne);
            continue;
        }
        ini.valeurs[section][minuscules(rogner(ligne.substr(0, egal)))].emplace_back(
            rogner(ligne.substr(egal + 1)));
    }
    return ini;
}

// The length of a well-formed UTF-8 multi-byte sequence starting at i, or 0.
size_t sequence_utf8(std::string_view s, size_t i) {
    auto u = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    size_t n = u(i) >= 0xC2 && u(i) <= 0xDF   ? 2
               : u(i) >= 0xE0 && u(i) <= 0xEF ? 3
               : u(i) >= 0xF0 && u(i) <= 0xF4 ? 4
                                              : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = i + 1; k < i + n; ++k)
        if (u(k) < 0x80 || u(k) > 0xBF) return 0;
    return n;
}

class FichierLangue : public testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        auto lu = lire_fichier(dossier_lng / GetParam());
        ASSERT_TRUE(lu) << "missing or unreadable: " << (dossier_lng / GetParam());
        octets = *lu;
        ini = Ini(octets);
    }
    std::string octets;
    Ini ini;
};

TEST_P(FichierLangue, EveryLineEndsWithCrLf) {
    ASSERT_GE(octets.size(), 2u);
    EXPECT_EQ(octets.substr(octets.size() - 2), "\r\n") << "the last line has its CR LF too";
    int ligne = 1;
    for (size_t i = 0; i < octets.size(); ++i) {
        if (octets[i] == '\r') {
            EXPECT_TRUE(i + 1 < octets.size() && octets[i + 1] == '\n')
                << "CR without LF on line " << ligne;
        }
        if (octets[i] == '\n') {
            EXPECT_TRUE(i > 0 && octets[i - 1] == '\r') << "LF without CR on line " << ligne;
            ++ligne;
        }
    }
}

TEST_P(FichierLangue, BytesAreWindows1252TextAndNotUtf8) {
    const std::set<unsigned char> indefinis = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (size_t i = 0; i < octets.size(); ++i) {
        auto c = static_cast<unsigned char>(octets[i]);
        EXPECT_FALSE(indefinis.count(c)) << "byte " << int(c) << " at offset " << i;
        EXPECT_TRUE(c >= 0x20 || c == '\r' || c == '\n')
            << "control byte " << int(c) << " at offset " << i;
        // A file saved by an editor in UTF-8 still reads as Windows-1252, as mojibake.
        EXPECT_EQ(sequence_utf8(octets, i), 0u)
            << "UTF-8 sequence at offset " << i << ": " << cp1252_vers_utf8(octets.substr(i, 4));
    }
}

TEST_P(FichierLangue, EveryKeyOfTheTableHasAText) {
    for (const auto& s : table_textes())
        for (const auto& k : s.cles) {
            auto v = ini.valeur(s.nom, k);
            if (!v) {
                ADD_FAILURE() << "[" << s.nom << "] " << k << " is missing";
                continue;
            }
            EXPECT_FALSE(v->empty()) << "[" << s.nom << "] " << k << " is empty";
        }
}

// A misspelt key is a text the program never reads, and a repeated one is ignored
// after its first line: both are a translator's work lost without a sign.
TEST_P(FichierLangue, NoUnknownRepeatedOrStrayLines) {
    std::map<std::string, std::set<std::string>> connues;
    for (const auto& s : table_textes())
        for (const auto& k : s.cles)
            connues[minuscules(s.nom)].insert(minuscules(k));
    const IniLu lu = lire_ini(octets);
    for (const auto& [section, fois] : lu.sections_vues) {
        EXPECT_TRUE(connues.count(section)) << "unknown section [" << section << "]";
        EXPECT_EQ(fois, 1) << "section [" << section << "] opened " << fois << " times";
    }
    for (const auto& [section, cles] : lu.valeurs)
        for (const auto& [cle, vals] : cles) {
            EXPECT_TRUE(connues[section].count(cle)) << "[" << section << "] " << cle;
            EXPECT_EQ(vals.size(), 1u) << "[" << section << "] " << cle << " repeated";
        }
    for (const auto& l : lu.lignes_sans_cle)
        ADD_FAILURE() << "line that is neither a section nor a key: " << cp1252_vers_utf8(l);
}

// The columns start 80 pixels wide; ten bold 8-point characters fit with room to spare.
TEST_P(FichierLangue, ColumnTitlesAreShort) {
    for (int c = 0; c < 15; ++c) {
        auto v = ini.valeur("Grille_LOG", "Cells_" + std::to_string(c));
        ASSERT_TRUE(v);
        EXPECT_LE(v->size(), 10u) << "column " << c << ": " << cp1252_vers_utf8(*v);
    }
}

INSTANTIATE_TEST_SUITE_P(Lng, FichierLangue, testing::ValuesIn(fichiers_langue),
                         [](const testing::TestParamInfo<std::string>& i) {
                             std::string n = i.param.substr(0, i.param.find('.'));
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

// Only the French file may keep the French wording of the menu, the table's hint and
// the report form's title.
TEST(FichiersLangue, OtherLanguagesAreTranslated) {
    auto francais = lire_fichier(dossier_lng / fichiers_langue[0]);
    ASSERT_TRUE(francais);
    const Ini fr(*francais);
    const std::vector<std::pair<std::string, std::string>> traduits = {
        {"Menu", "Langues1.caption"}, {"Menu", "Francais.caption"}, {"Menu", "Ouvrir1.caption"},
        {"Panel1", "msg_tps_reel"},   {"Panel1", "msg_QTR"},        {"Grille_LOG", "Cells_3"},
        {"Grille_LOG", "Hint"},       {"INFO_CR", "Titre_CR"},      {"MSG", "Msg_fichier_sauve"},
    };
    for (size_t i = 1; i < fichiers_langue.size(); ++i) {
        auto octets = lire_fichier(dossier_lng / fichiers_langue[i]);
        ASSERT_TRUE(octets) << fichiers_langue[i];
        const Ini ini(*octets);
        for (const auto& [section, cle] : traduits) {
            auto v = ini.valeur(section, cle);
            auto f = fr.valeur(section, cle);
            ASSERT_TRUE(v && f) << fichiers_langue[i] << " [" << section << "] " << cle;
            EXPECT_NE(*v, *f) << fichiers_langue[i] << " [" << section << "] " << cle
                              << " is still French";
        }
    }
}

// The files are opened by their exact names; a name in another case or a stray file
// would be a language that never loads.
TEST(FichiersLangue, TheFolderHoldsExactlyTheEightFiles) {
    std::set<std::string> trouves;
    for (const auto& e : std::filesystem::directory_iterator(dossier_lng))
        trouves.insert(e.path().filename().string());
    EXPECT_EQ(trouves, std::set<std::string>(fichiers_langue.begin(), fichiers_langue.end()));
}

// The French file gives the windows back the wording they are built with.
TEST(FichiersLangue, FrenchFileRepeatsTheBuiltInTexts) {
    auto octets = lire_fichier(dossier_lng / "F_F_YL_KAZ.ini");
    ASSERT_TRUE(octets);
    const Ini ini(*octets);
    const std::vector<std::vector<std::string>> attendus = {
        {"Menu", "Langues1.caption", "Langues"},
        {"Menu", "Francais.caption", "Français"},
        {"Menu", "Anglais.caption", "Anglais"},
        {"Menu", "Espagnol.caption", "Espagnol"},
        {"Menu", "Italien.caption", "Italien"},
        {"Menu", "Allemand.caption", "Allemand"},
        {"Menu", "Fichers1.caption", "Fichiers"},
        {"Menu", "Ouvrir1.caption", "Ouvrir"},
        {"Menu", "Accesficheinfos1.caption", "Acces fiche infos"},
        {"Menu", "Logs1.caption", "Logs"},
        {"Menu", "Creation1.caption", "Creation Cabrillo"},
        {"Panel1", "SpeedButton_calculatrice.hint", "Recalcul complet"},
        {"Panel1", "SpeedButton_creation_fichiers.hint", "Création du fichier CR CABRILLO"},
        {"Panel1", "SpeedButton_mail.hint", "Envoi du compte rendu au correcteur"},
        {"Panel3", "Label_date.caption", "DATE"},
        {"Panel3", "Label_bande.caption", "Bande"},
        {"Form_Info", "Label_station.caption", "Station sur l'air"},
        {"Form_Info", "Label_nom.caption", "Nom"},
        {"Form_Info", "Label_ad1.caption", "Adresse"},
        {"Form_Info", "Label_ad2.caption", "Adresse"},
        {"Form_Info", "Label_ad3.caption", "ZIP + Ville"},
        {"Form_choix_fichier", "caption", "Nom et emplacement du fichier concours"},
        {"Form_choix_fichier", "Label_nom_fichier.caption", "Proposition de nom de fichier"},
        {"Form_choix_fichier", "Button_nom_fichier.caption", "Fichier"},
        {"Form_choix_fichier", "Button_emplacement.caption", "Emplacement"},
        {"Grille_LOG", "Hint", "ESPACE pour passer d'un champ à l'autre"},
        {"INFO_CR", "Titre_CR", "ENVOI DU COMPTE RENDU"},
        {"INFO_CR", "Panel1", "De"},
        {"INFO_CR", "Panel2", "A"},
        {"INFO_CR", "Panel3", "CC"},
        {"INFO_CR", "Panel4", "Pièce jointe"},
        {"INFO_CR", "Panel5", "Objet"},
        {"INFO_CR", "Label1", "Message"},
        {"INFO_CR", "Label_erreur", "Erreur email, corrigez"},
        {"INFO_CR", "Button_envoi", "Envoi de l'email"},
        {"MSG", "Msg_fichier_sauve", "créé"},
        // Read back without its leading blanks, like every value.
        {"MSG", "MSg_info_manquante", "Infos manquantes"},
    };
    for (const auto& a : attendus) {
        auto v = ini.valeur(a[0], a[1]);
        ASSERT_TRUE(v) << a[0] << " " << a[1];
        EXPECT_EQ(*v, cp1252(a[2])) << "[" << a[0] << "] " << a[1];
    }
}

// The line scan and the UTF-8 test above are checked on the cases the files lean on.
TEST(FichiersLangue, LineScanFoldsCaseAndCountsRepeats) {
    IniLu lu = lire_ini("[grille_log]\r\n  CELLS_3 =  Indicatif \r\n[Grille_LOG]\ncells_3=x\r\n"
                        "; note\r\n");
    EXPECT_EQ(lu.sections_vues["grille_log"], 2);
    ASSERT_EQ(lu.valeurs["grille_log"]["cells_3"].size(), 2u);
    EXPECT_EQ(lu.valeurs["grille_log"]["cells_3"][0], "Indicatif");
    EXPECT_EQ(lu.lignes_sans_cle, std::vector<std::string>{"; note"});
    EXPECT_EQ(sequence_utf8("\xC3\xA9", 0), 2u);
    EXPECT_EQ(sequence_utf8("\xEF\xBB\xBF[", 0), 3u) << "a byte-order mark";
    EXPECT_EQ(sequence_utf8("p\xED\x9A"
                            "e",
                            1),
              0u)
        << "a Windows-1252 \"íš\" is no UTF-8 sequence";
}

} // namespace

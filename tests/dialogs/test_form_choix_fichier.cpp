#include "dialogs/form_choix_fichier.h"

#include "log/dates.h"
#include "platform/erreur.h"
#include "support/banc_programme.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

using test::Attendu;

class Choix_ : public ::testing::Test {
  protected:
    Choix_() {
        b.demarrer();
        auto& s = b.p.station;
        s.OPERATOR = "F4ABC";
        s.MY_STATION = "F4ABC/P";
        s.MY_NRKAZ = "123";
        s.MY_SEXE = "YL";
        s.MY_DXCC = "F";
    }

    // The header at the clock of the bench, in local time.
    Attendu entete() const {
        const DateHeure l = b.horloge.locale();
        Attendu a;
        a.operateur = "F4ABC";
        a.station = "F4ABC/P";
        a.date = static_cast<double>(jours_depuis_1899(l.annee, l.mois, l.jour));
        a.heure = (l.heure * 3600.0 + l.minute * 60.0 + l.seconde) / 86400.0;
        a.numero_membre = "123";
        a.categorie = "YL";
        return a;
    }
    Attendu blanc() const {
        Attendu a;
        a.rst_envoye = "599";
        a.rst_recu = "599";
        a.categorie = "YL";
        return a;
    }

    // The station form's OK: the naming form comes up.
    void montrer() { b.ecran.montrer(Fenetre::choix_fichier); }

    test::DossierTemp prog;
    test::BancProgramme b{prog.chemin()};
    Form_choix_fichier& f = b.p.Form_choix_fichier;
    EmplacementLog& e = b.p.emplacement;
};

TEST_F(Choix_, FirstStartProposesTheNameAndCreatesHeaderAndBlankRecord) {
    b.p.bandes.Grille_bandSelectCell(3);
    montrer();
    EXPECT_EQ(f.Edit_nom_fichier(), "YL_KAZ_2024@F4ABC");
    EXPECT_EQ(e.NOM_FICHIER, "YL_KAZ_2024@F4ABC.YL");
    EXPECT_FALSE(b.minuterie.actif());

    ASSERT_TRUE(f.BitBtn_fichier_closeClick());
    const std::string octets = prog.lire("Files/YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(octets.size(), 224u);
    EXPECT_EQ(octets, entete().octets() + blanc().octets());
    EXPECT_EQ(b.p.bandes.bande_courante(), "40");
    EXPECT_EQ(b.p.bandes.colonne_bande(), 1);

    EXPECT_FALSE(b.ecran.visible(Fenetre::choix_fichier));
    EXPECT_TRUE(b.ecran.visible(Fenetre::main));
    EXPECT_EQ(b.p.Form_main.Label_nomfichier(), "YL_KAZ_2024@F4ABC");
    EXPECT_TRUE(b.p.etat_log.temps_reel);
    EXPECT_TRUE(b.minuterie.actif());
    // The main window's activation loaded the new file: one entry row, "599" in it.
    EXPECT_EQ(b.p.grille.RowCount(), 2);
    EXPECT_EQ(b.p.grille.cellule(colonne::rst_envoye, 1), "599");
    EXPECT_EQ(b.p.grille.cellule(colonne::numero, 1), "1");
}

TEST_F(Choix_, EveryActivationBringsTheFolderBackToFiles) {
    std::filesystem::create_directory(prog / "Ailleurs");
    e.CHEMIN_FICHIER = (prog / "Ailleurs").string();
    montrer();
    EXPECT_EQ(e.CHEMIN_FICHIER, b.p.dossiers.CHEMIN_FILES);
    f.BitBtn_fichier_closeClick();
    EXPECT_TRUE(std::filesystem::exists(prog / "Files/YL_KAZ_2024@F4ABC.YL"));
    EXPECT_TRUE(std::filesystem::is_empty(prog / "Ailleurs"));
}

TEST_F(Choix_, StoredNameOfAnExistingFileIsContinuedUntouched) {
    const std::string ancien = entete().octets() + blanc().octets() + blanc().octets();
    prog.ecrire("Files/YL_KAZ_2023@F4ABC.YL", ancien);
    e.NOM_FICHIER = "YL_KAZ_2023@F4ABC.YL";
    montrer();
    EXPECT_EQ(f.Edit_nom_fichier(), "YL_KAZ_2023@F4ABC");
    ASSERT_TRUE(f.BitBtn_fichier_closeClick());
    EXPECT_EQ(prog.lire("Files/YL_KAZ_2023@F4ABC.YL"), ancien);
    EXPECT_TRUE(b.ecran.visible(Fenetre::main));
}

TEST_F(Choix_, TypedNamesGetTheirExtensionAndAreTrimmed) {
    struct Cas {
        const char* tape;
        const char* fichier;
    };
    for (const Cas& c :
         {Cas{"YL_KAZ_essai", "YL_KAZ_essai.YL"}, Cas{"concours.log", "concours.log"},
          Cas{"  YL_KAZ_b \t", "YL_KAZ_b.YL"}, Cas{"a.b.c", "a.b.c"}}) {
        montrer();
        f.set_Edit_nom_fichier(c.tape);
        ASSERT_TRUE(f.BitBtn_fichier_closeClick()) << c.tape;
        EXPECT_EQ(e.NOM_FICHIER, c.fichier);
        EXPECT_EQ(prog.lire(std::string("Files/") + c.fichier).size(), 224u) << c.tape;
        EXPECT_EQ(b.p.Form_main.Label_nomfichier(), c.tape);
    }
}

TEST_F(Choix_, NewNameAfterQsosCopiesEveryRowOfTheTable) {
    auto& g = b.p.grille;
    g.set_RowCount(4);
    const auto qso = [&](int r, const char* indicatif, const char* heure) {
        g.set_cellule(colonne::bande, r, "20");
        g.set_cellule(colonne::date, r, "09/03/2024");
        g.set_cellule(colonne::heure, r, heure);
        g.set_cellule(colonne::indicatif, r, indicatif);
        g.set_cellule(colonne::rst_envoye, r, "599");
        g.set_cellule(colonne::rst_recu, r, "579");
        g.set_cellule(colonne::categorie, r, "OM");
        g.set_cellule(colonne::nom, r, "PAUL");
        g.set_cellule(colonne::numero_membre, r, "77");
        g.set_cellule(colonne::pays, r, "F");
        g.set_cellule(colonne::extra, r, "X");
    };
    qso(1, "F5XYZ", "10:01");
    qso(2, "DL1AAA", "10:02");
    // The entry row in deferred-time mode: no date or time yet.
    g.set_cellule(colonne::rst_envoye, 3, "599");
    e.NOM_FICHIER = "YL_KAZ_2024@F4ABC.YL";
    montrer();
    f.set_Edit_nom_fichier("YL_KAZ_copie");
    ASSERT_TRUE(f.BitBtn_fichier_closeClick());

    const auto rec = [](const char* indicatif, double heure) {
        Attendu a;
        a.operateur = "F4ABC";
        a.station = "F4ABC/P";
        a.date = 45360.0; // 09/03/2024
        a.heure = heure;
        a.bande = "20";
        a.indicatif = indicatif;
        a.rst_envoye = "599";
        a.rst_recu = "579";
        a.numero_membre = "77";
        a.categorie = "OM";
        a.nom = "PAUL";
        a.pays = "F";
        a.extra = "X";
        return a;
    };
    Attendu entree;
    entree.operateur = "F4ABC";
    entree.station = "F4ABC/P";
    entree.rst_envoye = "599";
    EXPECT_EQ(prog.lire("Files/YL_KAZ_copie.YL"),
              entete().octets() + rec("F5XYZ", 601 / 1440.0).octets() +
                  rec("DL1AAA", 602 / 1440.0).octets() + entree.octets());
    EXPECT_EQ(b.p.bandes.bande_courante(), "40");
}

TEST_F(Choix_, UnreadableDateLeavesNoFileAndTheFormOpen) {
    auto& g = b.p.grille;
    g.set_RowCount(3);
    g.set_cellule(colonne::date, 1, "32/13/2024");
    g.set_cellule(colonne::heure, 1, "10:00");
    g.set_cellule(colonne::indicatif, 1, "F5XYZ");
    montrer();
    EXPECT_FALSE(f.BitBtn_fichier_closeClick());
    EXPECT_EQ(b.ecran.messages,
              std::vector<std::string>{"'32/13/2024' n'est pas une date correcte"});
    EXPECT_FALSE(std::filesystem::exists(prog / "Files/YL_KAZ_2024@F4ABC.YL"));
    EXPECT_TRUE(b.ecran.visible(Fenetre::choix_fichier));
    EXPECT_FALSE(b.ecran.visible(Fenetre::main));
    EXPECT_FALSE(b.p.etat_log.temps_reel);
}

TEST_F(Choix_, FileThatCannotBeCreatedKeepsTheFormOpen) {
    std::filesystem::remove_all(prog / "Files");
    montrer();
    EXPECT_FALSE(f.BitBtn_fichier_closeClick());
    ASSERT_EQ(b.ecran.messages.size(), 1u);
    EXPECT_TRUE(b.ecran.visible(Fenetre::choix_fichier));
    EXPECT_FALSE(b.ecran.visible(Fenetre::main));
}

TEST_F(Choix_, PickingAnExistingFileTakesItsFolderAndName) {
    montrer();
    f.Button_nom_fichierClick(); // cancelled
    EXPECT_EQ(e.NOM_FICHIER, "YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(b.ecran.ouvertures,
              std::vector<std::string>{b.p.dossiers.CHEMIN_FILES + "|Fichier YL|*.YL"});

    const std::string ancien = entete().octets() + blanc().octets();
    prog.ecrire("Archives/YL_KAZ_2019@F4ABC.YL", ancien);
    const std::string dossier = (prog / "Archives").string() + "/";
    b.ecran.fichier_choisi = dossier + "YL_KAZ_2019@F4ABC.YL";
    f.Button_nom_fichierClick();
    EXPECT_EQ(e.CHEMIN_FICHIER, dossier);
    EXPECT_EQ(e.NOM_FICHIER, "YL_KAZ_2019@F4ABC.YL");
    EXPECT_EQ(f.Edit_chemin(), dossier);
    EXPECT_EQ(f.Edit_nom_fichier(), "YL_KAZ_2019@F4ABC.YL");
    ASSERT_TRUE(f.BitBtn_fichier_closeClick());
    EXPECT_EQ(prog.lire("Archives/YL_KAZ_2019@F4ABC.YL"), ancien);
    EXPECT_FALSE(std::filesystem::exists(prog / "Files/YL_KAZ_2019@F4ABC.YL"));
    EXPECT_EQ(b.p.Form_main.Label_nomfichier(), "YL_KAZ_2019@F4ABC.YL");
    EXPECT_EQ(b.p.etat_log.fichier.chemin(), prog / "Archives/YL_KAZ_2019@F4ABC.YL");
}

TEST_F(Choix_, ChosenFolderBecomesTheLogFolder) {
    montrer();
    f.Button_emplacementClick();
    EXPECT_EQ(e.CHEMIN_FICHIER, b.p.dossiers.CHEMIN_FILES);
    b.ecran.dossier_choisi = "/tmp/ailleurs";
    f.Button_emplacementClick();
    EXPECT_EQ(e.CHEMIN_FICHIER, "/tmp/ailleurs");
    EXPECT_EQ(f.Edit_chemin(), "/tmp/ailleurs");
}

} // namespace
} // namespace ylkaz

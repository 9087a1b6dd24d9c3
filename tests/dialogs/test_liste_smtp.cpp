#include "dialogs/liste_smtp.h"

#include "platform/fichiers.h"
#include "support/dossier_temp.h"

#include <set>

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

TEST(ListeSmtp, ProviderKeyIsBetweenTheFirstAtAndTheNextDot) {
    EXPECT_EQ(cle_fournisseur("anne@orange.fr"), "orange");
    EXPECT_EQ(cle_fournisseur("anne@mail.orange.fr"), "mail");
    EXPECT_EQ(cle_fournisseur("a@b@orange.fr"), "b@orange");
    EXPECT_EQ(cle_fournisseur("anne@localhost"), "");
    EXPECT_EQ(cle_fournisseur("anne@.fr"), "");
    EXPECT_EQ(cle_fournisseur("sans-arobase.fr"), "");
}

TEST(ListeSmtp, FirstEqualLineAfterTheHeader) {
    const std::string liste = "orange;smtp.entete.fr;1\r\n"
                              "free;smtp.free.fr;465\r\n"
                              "orange; smtp.orange.fr ;  465 \r\n"
                              "orange;smtp.second.fr;25\r\n";
    // The header is never a match, even when its first field is the key.
    EXPECT_EQ(chercher_smtp(liste, "orange"), (LigneSmtp{" smtp.orange.fr ", "465"}));
    EXPECT_EQ(chercher_smtp(liste, "free"), (LigneSmtp{"smtp.free.fr", "465"}));
    EXPECT_EQ(chercher_smtp(liste, "Orange"), std::nullopt);
    EXPECT_EQ(chercher_smtp(liste, "oran"), std::nullopt);
    EXPECT_EQ(chercher_smtp("free;smtp.free.fr;465\r\n", "free"), std::nullopt);
}

TEST(ListeSmtp, EmptyKeyMatchesAnEmptyFirstFieldOrALineWithoutSemicolon) {
    EXPECT_EQ(chercher_smtp("h\r\nx;y;1\r\n;smtp.vide;25\r\n", ""), (LigneSmtp{"smtp.vide", "25"}));
    EXPECT_EQ(chercher_smtp("h\r\nx;y;1\r\nligne sans point-virgule\r\n;z;2\r\n", ""),
              (LigneSmtp{"", ""}));
    EXPECT_EQ(chercher_smtp("h\r\nx;y;1\r\n", ""), std::nullopt);
}

TEST(ListeSmtp, PortIsTheWholeTrimmedRestOfTheLine) {
    EXPECT_EQ(chercher_smtp("h\nsfr;smtp.sfr.fr;\t587 ; x \n", "sfr"),
              (LigneSmtp{"smtp.sfr.fr", "587 ; x"}));
    EXPECT_EQ(chercher_smtp("h\nsfr;smtp.sfr.fr\n", "sfr"), (LigneSmtp{"smtp.sfr.fr", ""}));
    // The last line needs no line end; a lone CR ends a line too.
    EXPECT_EQ(chercher_smtp("h\rsfr;smtp.sfr.fr;465", "sfr"), (LigneSmtp{"smtp.sfr.fr", "465"}));
    EXPECT_EQ(chercher_smtp("", "sfr"), std::nullopt);
    EXPECT_EQ(chercher_smtp(std::string("h\n\0;\xFF;\x01", 8), std::string("\0", 1)),
              (LigneSmtp{"\xFF", ""}));
}

TEST(ListeSmtp, FileOfTheProgramFolderInAnyCase) {
    test::DossierTemp prog;
    EXPECT_EQ(Recherche_smtp(prog.chemin(), "anne@orange.fr"), std::nullopt);
    prog.ecrire("smtp.CSV", "Fournisseur;Serveur;Port\r\norange;smtp.orange.fr;465\r\n");
    EXPECT_EQ(Recherche_smtp(prog.chemin(), "anne@orange.fr"),
              (LigneSmtp{"smtp.orange.fr", "465"}));
    EXPECT_EQ(Recherche_smtp(prog.chemin(), "anne@free.fr"), std::nullopt);
}

// The shipped list: a header, then provider;host;port on every line, each key once.
TEST(ListeSmtp, ShippedListHasTheCommonProviders) {
    const auto dossier = std::filesystem::path(YLKAZ_SOURCE_DATA);
    struct Cas {
        const char* adresse;
        LigneSmtp attendu;
    };
    for (const Cas& c :
         {Cas{"a@orange.fr", {"smtp.orange.fr", "465"}},
          Cas{"a@wanadoo.fr", {"smtp.orange.fr", "465"}}, Cas{"a@free.fr", {"smtp.free.fr", "465"}},
          Cas{"a@sfr.fr", {"smtp.sfr.fr", "465"}},
          Cas{"a@laposte.net", {"smtp.laposte.net", "465"}},
          Cas{"a@gmail.com", {"smtp.gmail.com", "587"}},
          Cas{"a@hotmail.fr", {"smtp-mail.outlook.com", "587"}},
          Cas{"a@outlook.com", {"smtp-mail.outlook.com", "587"}},
          Cas{"a@live.fr", {"smtp-mail.outlook.com", "587"}},
          Cas{"a@yahoo.fr", {"smtp.mail.yahoo.com", "465"}},
          Cas{"a@gmx.fr", {"mail.gmx.com", "587"}},
          Cas{"a@icloud.com", {"smtp.mail.me.com", "587"}}})
        EXPECT_EQ(Recherche_smtp(dossier, c.adresse), c.attendu) << c.adresse;

    const auto contenu = lire_fichier(dossier / "SMTP.csv");
    ASSERT_TRUE(contenu);
    ASSERT_GE(contenu->size(), 2u);
    EXPECT_EQ(contenu->substr(contenu->size() - 2), "\r\n");
    std::set<std::string> cles;
    std::size_t debut = contenu->find("\r\n") + 2;
    while (debut < contenu->size()) {
        const std::size_t fin = contenu->find("\r\n", debut);
        ASSERT_NE(fin, std::string::npos);
        const std::string ligne = contenu->substr(debut, fin - debut);
        const auto p1 = ligne.find(';'), p2 = ligne.find(';', p1 + 1);
        ASSERT_NE(p2, std::string::npos) << ligne;
        EXPECT_EQ(ligne.find(';', p2 + 1), std::string::npos) << ligne;
        EXPECT_TRUE(cles.insert(ligne.substr(0, p1)).second) << ligne;
        const std::string port = ligne.substr(p2 + 1);
        EXPECT_TRUE(port == "25" || port == "465" || port == "587") << ligne;
        EXPECT_EQ(ligne.find('\n'), std::string::npos);
        debut = fin + 2;
    }
    EXPECT_GE(cles.size(), 12u);
}

} // namespace
} // namespace ylkaz

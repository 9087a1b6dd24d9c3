#include "report/syntaxe_email.h"

#include <gtest/gtest.h>

#include <string>

using namespace ylkaz;

namespace {

struct CasEmail {
    const char* nom;
    std::string adresse;
    bool acceptee;
};

void PrintTo(const CasEmail& c, std::ostream* os) {
    *os << c.nom;
}

class TableEmail : public testing::TestWithParam<CasEmail> {};

TEST_P(TableEmail, VerdictAttendu) {
    EXPECT_EQ(email_valide(GetParam().adresse), GetParam().acceptee) << GetParam().adresse;
}

using namespace std::string_literals;

const CasEmail cas[] = {
    // Accepted.
    {"simple", "f4abc@orange.fr", true},
    {"trois_labels", "op@mail.free.fr", true},
    {"points_dans_local", "jean.marie.dupont@exemple.com", true},
    {"majuscules", "F4ABC@ORANGE.FR", true},
    {"chiffres_apres_lettre", "yl@radio73.fr", true},
    {"tiret_dans_label", "yl@ref-union.org", true},
    {"tirets_doubles", "yl@a--b.fr", true},
    {"tld_chiffre_final", "yl@exemple.c0", true},
    {"label_une_lettre", "a@b.c", true},
    {"atome_speciaux", "a!#$%&'*+-=?^_`{|}~@x.fr", true},
    {"local_octets_128_255", "jos\xE9\x80\xFF@exemple.fr", true},
    {"local_entre_guillemets", "\"jean dupont\"@exemple.fr", true},
    {"guillemet_echappe", "\"a\\\"b\"@exemple.fr", true},
    {"guillemets_puis_atome", "\"a b\".c@exemple.fr", true},
    {"atome_puis_guillemets", "c.\"a b\"@exemple.fr", true},
    {"guillemets_avec_arobase", "\"a@b\"@exemple.fr", true},
    {"saut_de_ligne_entre_guillemets", "\"a\nb\"@exemple.fr", true},
    {"retour_chariot_echappe", "\"a\\\rb\"@exemple.fr", true},
    {"nul_entre_guillemets", "\"a\0b\"@exemple.fr"s, true},
    {"guillemets_vides", "\"\"@exemple.fr", true},
    {"domaine_long", "x@" + std::string(300, 'a') + ".fr", true},
    // Rejected.
    {"vide", "", false},
    {"sans_arobase", "f4abc.orange.fr", false},
    {"domaine_sans_point", "f4abc@orange", false},
    {"label_commence_par_chiffre", "yl@1radio.fr", false},
    {"second_label_commence_par_chiffre", "yl@radio.1fr", false},
    {"point_final", "yl@orange.fr.", false},
    {"tiret_final", "yl@orange.fr-", false},
    {"tiret_en_fin_de_label", "yl@orange-.fr", false},
    {"label_commence_par_tiret", "yl@-orange.fr", false},
    {"deux_points_dans_domaine", "yl@orange..fr", false},
    {"deux_points_dans_local", "jean..dupont@orange.fr", false},
    {"local_commence_par_point", ".jean@orange.fr", false},
    {"local_finit_par_point", "jean.@orange.fr", false},
    {"local_vide", "@orange.fr", false},
    {"domaine_vide", "jean@", false},
    {"deux_arobases", "jean@dupont@orange.fr", false},
    {"espace_dans_local", "jean dupont@orange.fr", false},
    {"espace_avant", " jean@orange.fr", false},
    {"espace_apres", "jean@orange.fr ", false},
    {"espace_dans_domaine", "jean@orange. fr", false},
    {"tabulation", "jean\t@orange.fr", false},
    {"code_127", "jean\x7F@orange.fr", false},
    {"virgule", "jean,marie@orange.fr", false},
    {"crochets", "jean[1]@orange.fr", false},
    {"barre_oblique", "jean/marie@orange.fr", false},
    {"domaine_ip_litterale", "jean@[127.0.0.1]", false},
    {"domaine_chiffres", "jean@127.0.0.1", false},
    {"soulignement_dans_domaine", "jean@mon_serveur.fr", false},
    {"octet_haut_dans_domaine", "jean@orang\xE9.fr", false},
    {"guillemet_non_ferme", "\"jean@orange.fr", false},
    {"retour_chariot_entre_guillemets", "\"a\rb\"@orange.fr", false},
    {"texte_apres_guillemet_fermant", "\"a\"b@orange.fr", false},
    {"barre_finale_entre_guillemets", "\"a\\\"@orange.fr", false},
    {"nom_affiche", "Jean <jean@orange.fr>", false},
    {"nul_hors_guillemets", "jean\0@orange.fr"s, false},
};

INSTANTIATE_TEST_SUITE_P(Adresses, TableEmail, testing::ValuesIn(cas),
                         [](const testing::TestParamInfo<CasEmail>& i) {
                             return std::string(i.param.nom);
                         });

// Every byte in every position of the local part: only the atom characters pass.
TEST(SyntaxeEmail, ChaqueOctetDuLocalEstClasseCommeAtomeOuNon) {
    const std::string interdits = "()<>@,;:\\/\".[]";
    for (int c = 0; c < 256; ++c) {
        const std::string local(1, static_cast<char>(c));
        const bool atome =
            c >= 33 && c != 127 && interdits.find(static_cast<char>(c)) == std::string::npos;
        EXPECT_EQ(email_valide("a" + local + "b@x.fr"), atome || c == '.') << "octet " << c;
        if (c != '"' && c != '.') {
            EXPECT_EQ(email_valide(local + "@x.fr"), atome) << "octet " << c;
        }
    }
}

// Inside quotes every byte but CR is taken, and after a backslash every byte at all.
TEST(SyntaxeEmail, ChaqueOctetEntreGuillemets) {
    for (int c = 0; c < 256; ++c) {
        const std::string o(1, static_cast<char>(c));
        if (c != '"' && c != '\\') {
            EXPECT_EQ(email_valide("\"" + o + "\"@x.fr"), c != '\r') << "octet " << c;
        }
        EXPECT_TRUE(email_valide("\"\\" + o + "\"@x.fr")) << "octet " << c;
    }
}

TEST(SyntaxeEmail, ChaqueOctetDuDomaine) {
    for (int c = 0; c < 256; ++c) {
        const std::string o(1, static_cast<char>(c));
        const bool lettre = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool chiffre = c >= '0' && c <= '9';
        EXPECT_EQ(email_valide("a@" + o + "x.fr"), lettre) << "octet " << c;
        EXPECT_EQ(email_valide("a@x" + o + ".fr"), lettre || chiffre) << "octet " << c;
        EXPECT_EQ(email_valide("a@x" + o + "y.fr"), lettre || chiffre || c == '-' || c == '.')
            << "octet " << c;
    }
}

} // namespace

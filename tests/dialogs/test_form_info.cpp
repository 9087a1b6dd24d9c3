#include "dialogs/form_choix_fichier.h"
#include "dialogs/form_info.h"

#include <gtest/gtest.h>

namespace ylkaz {
namespace {

struct Formulaire {
    StationRecord station;
    Form_info f{station};
    int notices = 0;
    Formulaire() {
        f.sur_changement = [this] { ++notices; };
    }
};

TEST(Form_info, FreshFormHoldsItsInitialTexts) {
    Formulaire x;
    EXPECT_EQ(x.f.ComboBox_Category(), "A. >=100W");
    EXPECT_FALSE(x.f.RadioButton1());
    EXPECT_FALSE(x.f.RadioButton2());
    EXPECT_EQ(x.f.geometrie(), (Geometrie{375, 240, 750, 535}));
}

TEST(Form_info, OperatorCallsignOfFourCharactersOrMoreGoesIntoTheStationCallsign) {
    Formulaire x;
    x.f.set_Edit_op("F4A");
    EXPECT_EQ(x.f.Edit_station(), "");
    EXPECT_EQ(x.station.MY_STATION, "");
    x.f.set_Edit_op("F4AB");
    EXPECT_EQ(x.f.Edit_station(), "F4AB");
    EXPECT_EQ(x.station.MY_STATION, "F4AB");
    x.f.set_Edit_op("F4ABC");
    EXPECT_EQ(x.station.MY_STATION, "F4ABC");
    // Deleting back to three characters leaves the last long enough text, as typing does
    // one character at a time.
    x.f.set_Edit_op("F4AB");
    x.f.set_Edit_op("F4A");
    EXPECT_EQ(x.f.Edit_station(), "F4AB");
    EXPECT_EQ(x.station.MY_STATION, "F4AB");
    EXPECT_EQ(x.station.OPERATOR, ""); // only leaving the box stores the operator
}

TEST(Form_info, ShortOperatorCallsignEmptiesTheMemberNumber) {
    Formulaire x;
    x.f.set_Edit_NKAZ("123");
    x.f.set_Edit_op("F4");
    EXPECT_EQ(x.f.Edit_NKAZ(), "");
}

TEST(Form_info, StationCallsignStoredOnlyWhenLongerThanThreeAndWhenItChanges) {
    Formulaire x;
    x.f.set_Edit_station("TM4");
    EXPECT_EQ(x.station.MY_STATION, "");
    x.f.set_Edit_station(" TM4X ");
    EXPECT_EQ(x.station.MY_STATION, " TM4X "); // untrimmed
    x.station.MY_STATION = "autre";
    x.f.set_Edit_station(" TM4X "); // same text: no change, no handler
    EXPECT_EQ(x.station.MY_STATION, "autre");
}

TEST(Form_info, EmailChangeEmptiesServerAndPortAndStoresAnAddressWithAt) {
    Formulaire x;
    x.station.MY_EMAIL = "avant@x.org";
    x.f.set_Edit_smtp("smtp.x.org");
    x.f.set_Edit_port("587");
    x.f.set_Edit_email("sans.arobase");
    EXPECT_EQ(x.f.Edit_smtp(), "");
    EXPECT_EQ(x.f.Edit_port(), "");
    EXPECT_EQ(x.station.MY_EMAIL, "avant@x.org");
    x.f.set_Edit_email(" zoe@example.org ");
    EXPECT_EQ(x.station.MY_EMAIL, " zoe@example.org "); // as typed
}

TEST(Form_info, RadioChoicesExcludeEachOtherAndSetTheCategory) {
    Formulaire x;
    x.f.set_RadioButton1(true);
    EXPECT_TRUE(x.f.RadioButton1());
    EXPECT_EQ(x.station.MY_SEXE, "YL");
    x.f.set_RadioButton2(true);
    EXPECT_FALSE(x.f.RadioButton1());
    EXPECT_TRUE(x.f.RadioButton2());
    EXPECT_EQ(x.station.MY_SEXE, "OM");
    // Unchecking from code is no click: the value stays.
    x.f.set_RadioButton2(false);
    EXPECT_FALSE(x.f.RadioButton2());
    EXPECT_EQ(x.station.MY_SEXE, "OM");
}

TEST(Form_info, OneNoticePerChangeOnlyWhenSomethingChanged) {
    Formulaire x;
    x.f.set_Edit_op("F4ABC"); // the operator, the station box and its handler: one notice
    EXPECT_EQ(x.notices, 1);
    x.f.set_Edit_op("F4ABC");
    x.f.set_RadioButton1(false);
    x.f.set_geometrie(x.f.geometrie());
    EXPECT_EQ(x.notices, 1);
    x.f.set_Edit_nom("Anne");
    x.f.set_geometrie({1, 2, 3, 4});
    x.f.set_RadioButton1(true);
    EXPECT_EQ(x.notices, 4);
    // The notice comes when the handlers are done, so the window sees the final texts.
    std::string vu;
    x.f.sur_changement = [&] { vu = x.f.Edit_station(); };
    x.f.set_Edit_op("F5XYZ");
    EXPECT_EQ(vu, "F5XYZ");
}

TEST(Form_choix_fichier, FieldsNotifyOnChange) {
    Form_choix_fichier f;
    int notices = 0;
    f.sur_changement = [&] { ++notices; };
    f.set_Edit_chemin("/logs");
    f.set_Edit_nom_fichier("YL_KAZ_2024@F4ABC.YL");
    f.set_Edit_nom_fichier("YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(f.Edit_chemin(), "/logs");
    EXPECT_EQ(f.Edit_nom_fichier(), "YL_KAZ_2024@F4ABC.YL");
    EXPECT_EQ(notices, 2);
}

} // namespace
} // namespace ylkaz

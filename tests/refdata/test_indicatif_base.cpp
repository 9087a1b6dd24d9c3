#include "refdata/reference.h"

#include <gtest/gtest.h>

using namespace ylkaz;

namespace {

struct CasBase {
    const char* nom;
    std::string indicatif;
    std::string base;
};

void PrintTo(const CasBase& c, std::ostream* os) {
    *os << c.nom;
}

class IndicatifBase : public ::testing::TestWithParam<CasBase> {};

TEST_P(IndicatifBase, ReducesToTheBaseCall) {
    EXPECT_EQ(Indicatif_base(GetParam().indicatif), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, IndicatifBase,
    ::testing::Values(
        CasBase{"Plain", "F4ABC", "F4ABC"}, CasBase{"Portable", "F4ABC/P", "F4ABC"},
        CasBase{"Mobile", "F4ABC/M", "F4ABC"}, CasBase{"MaritimeMobile", "F4ABC/MM", "F4ABC"},
        CasBase{"Qrp", "F4ABC/QRP", "F4ABC"}, CasBase{"Alternative", "F4ABC/A", "F4ABC"},
        CasBase{"SlashN", "F4ABC/N", "F4ABC"}, CasBase{"PrefixOnly", "DL/F4ABC", "F4ABC"},
        CasBase{"PrefixAndPortable", "DL/F4ABC/P", "F4ABC"},
        CasBase{"PrefixAndQrp", "EA8/F4ABC/QRP", "F4ABC"},
        // "/A" is a substring test: AB1CD counts as a designator.
        CasBase{"SubstringA", "DL/AB1CD", "DL"}, CasBase{"SubstringN", "F4ABC/NL", "F4ABC"},
        CasBase{"SubstringP", "DL/PA0XYZ", "DL"},
        // Any other suffix is taken for the call after a prefix.
        CasBase{"OtherSuffix", "F4ABC/DL", "DL"}, CasBase{"NumberSuffix", "F4ABC/9", "9"},
        CasBase{"CutAtLastSlash", "F/DL/F4ABC/P", "DL/F4ABC"},
        CasBase{"TrailingSlash", "F4ABC/", ""}, CasBase{"LeadingSlash", "/F4ABC", "F4ABC"},
        CasBase{"SlashOnly", "/", ""}, CasBase{"SlashP", "/P", ""}, CasBase{"Empty", "", ""},
        // Designators are matched in capitals only; callers upper-case.
        CasBase{"LowerCaseDesignator", "f4abc/p", "p"}, CasBase{"Blanks", " F4ABC ", " F4ABC "},
        CasBase{"HighBytes", "\xC9\xC9/P", "\xC9\xC9"},
        CasBase{"Long", std::string(200, 'A') + "/P", std::string(200, 'A')}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace

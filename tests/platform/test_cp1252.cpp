#include "platform/cp1252.h"

#include <gtest/gtest.h>

using namespace ylkaz;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string tous;
    for (int i = 0; i < 256; ++i)
        tous += static_cast<char>(i);
    EXPECT_EQ(utf8_vers_cp1252(cp1252_vers_utf8(tous)), tous);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(cp1252_vers_utf8("\xE9"), "é");
    EXPECT_EQ(cp1252_vers_utf8("\x80"), "€");
    EXPECT_EQ(cp1252_vers_utf8("\x9C"), "œ");
    EXPECT_EQ(cp1252("Impossible d'écrire"), "Impossible d'\xE9"
                                             "crire");
}

TEST(Cp1252, UnmappableAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8_vers_cp1252("Ж"), "?");
    EXPECT_EQ(utf8_vers_cp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8_vers_cp1252("\xFF"
                               "b"),
              "?b");
    EXPECT_EQ(utf8_vers_cp1252("\xC3(x"), "?(x");
}

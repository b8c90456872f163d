#include "platform/windows1252.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = fromWindows1252(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(charCount(utf8), 256u);
    EXPECT_EQ(toWindows1252(utf8), all);
}

TEST(Windows1252, MapsTheHighBlockAndLatin1) {
    EXPECT_EQ(fromWindows1252("\x80"), "€");
    EXPECT_EQ(fromWindows1252("\xE9t\xE9"), "été");
    EXPECT_EQ(fromWindows1252("\x9C"), "œ");
    EXPECT_EQ(toWindows1252("€ café œ"), "\x80 caf\xE9 \x9C");
}

TEST(Windows1252, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(toWindows1252("日本"), "??");
    EXPECT_EQ(toWindows1252("a\xFF"
                            "b"),
              "a?b");                       // malformed UTF-8
    EXPECT_EQ(toWindows1252("\xC3"), "?");  // cut sequence
}

TEST(Windows1252, FieldsAreCutAndPaddedByCharacters) {
    EXPECT_EQ(fitField("héllo", 3), "hél");
    EXPECT_EQ(fitField("ab", 4), "ab  ");
    EXPECT_EQ(fitField("", 2), "  ");
    EXPECT_EQ(leftChars("€uro", 1), "€");
}

TEST(Windows1252, TrimmingRemovesBlanksOnlyOrBlanksAndZeroBytes) {
    EXPECT_EQ(trimBlanks("  a b \t "), "a b \t");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimField(std::string_view("\0\0 /home \0", 10)), "/home");
    EXPECT_EQ(trimField(std::string(100, '\0')), "");
}

TEST(Windows1252, UpperCaseFollowsTheAnsiCodePage) {
    EXPECT_EQ(ansiUpper("straße àéÿ šœž µ"), "STRAßE ÀÉŸ ŠŒŽ µ");
    EXPECT_EQ(ansiUpper("÷"), "÷");
    EXPECT_EQ(ansiUpper("日本x"), "日本X");
    EXPECT_EQ(ansiUpperBytes("caf\xE9"), "CAF\xC9");
}

TEST(Windows1252, ComparisonIsByWindowsCodeNotByUnicode) {
    // "€" is 0x80 and "é" 0xE9 on disk, though U+20AC is above U+00E9.
    EXPECT_LT(compareByCharacterCode("€", "é"), 0);
    EXPECT_LT(compareByCharacterCode("AB        ", "AB1       "), 0);  // blank before digit
    EXPECT_EQ(compareByCharacterCode("A", "A"), 0);
    EXPECT_GT(compareByCharacterCode("b", "B"), 0);
}

}  // namespace
}  // namespace qbk

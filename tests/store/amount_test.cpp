#include "store/amount.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

std::string filtered(std::string_view text) {
    std::string out = "prefix:";
    FixNumberString(text, out);
    return out;
}

Money m(std::string_view text) {
    return Money::parseDecimal(text).value();
}

TEST(FixNumberString, KeepsDigitsPointsAndCommasOnly) {
    EXPECT_EQ(filtered(" -12.50 "), "prefix:12.50");
    EXPECT_EQ(filtered("$1,234.56"), "prefix:1,234.56");
    EXPECT_EQ(filtered("1 2 3"), "prefix:123");
    EXPECT_EQ(filtered("abc"), "prefix:");
}

TEST(TypedAmount, TheButtonGivesTheSign) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    EXPECT_EQ(typedAmount("12.50", us, false), m("-12.5"));
    EXPECT_EQ(typedAmount("-12.50", us, true), m("12.5"));
    EXPECT_EQ(typedAmount("-12.50", us, false), m("-12.5"));
    EXPECT_EQ(typedAmount("$1,234.56", us, true), m("1234.56"));
}

TEST(TypedAmount, EmptyIsZeroButNoDigitIsNoValue) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    EXPECT_EQ(typedAmount("   ", us, true), m("0"));
    EXPECT_FALSE(typedAmount("abc", us, true).has_value());
    EXPECT_FALSE(typedAmount("-", us, false).has_value());
}

TEST(TypedAmount, RoundsToFourPlacesHalfToEvenInTheUsersLocale) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    EXPECT_EQ(typedAmount("12.34565", us, true), m("12.3456"));
    EXPECT_EQ(typedAmount("12.34575", us, true), m("12.3458"));
    const RegionalSettings de = RegionalSettings::germany();
    EXPECT_EQ(typedAmount("1.234,56 €", de, false), m("-1234.56"));
    // Never a hundred times the amount: a point before two digits is a decimal point.
    EXPECT_EQ(typedAmount("12.50", de, false), m("-12.5"));
    EXPECT_EQ(typedAmount("-5,50", us, false), m("-5.5"));
    EXPECT_FALSE(typedAmount("1.2.3,4", de, true).has_value());
}

}  // namespace
}  // namespace qbk

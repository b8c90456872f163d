#include "platform/regional.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "platform/windows1252.h"

namespace qbk {
namespace {

Money m(std::string_view text) {
    return Money::parseDecimal(text).value();
}

const RegionalSettings us = RegionalSettings::unitedStates();
const RegionalSettings de = RegionalSettings::germany();

TEST(RegionalCurrency, UnitedStatesUsesSymbolGroupingAndParentheses) {
    EXPECT_EQ(us.currencyText(m("1234.56")), "$1,234.56");
    EXPECT_EQ(us.currencyText(m("-1234.56")), "($1,234.56)");
    EXPECT_EQ(us.currencyText(m("0")), "$0.00");
    EXPECT_EQ(us.currencyText(m("1000000")), "$1,000,000.00");
    EXPECT_EQ(us.currencyText(m("12.3456")), "$12.35");
    EXPECT_EQ(us.currencyText(m("0.005")), "$0.01");   // half away from zero
    EXPECT_EQ(us.currencyText(m("-0.004")), "$0.00");  // no negative zero
    EXPECT_EQ(us.currencyText(m("-12345678.9")), "($12,345,678.90)");
}

TEST(RegionalCurrency, CommaDecimalSettingsPutTheSymbolAfter) {
    EXPECT_EQ(de.currencyText(m("1234.56")), "1.234,56 €");
    EXPECT_EQ(de.currencyText(m("-1234.56")), "-1.234,56 €");
    EXPECT_EQ(charCount(de.currencyText(m("1000000"))), 14u);
}

TEST(RegionalNumber, PlainTextHasNoGroupingAndNoTrailingZeros) {
    EXPECT_EQ(us.numberText(m("12.50")), "12.5");
    EXPECT_EQ(us.numberText(m("1000")), "1000");
    EXPECT_EQ(us.numberText(m("-0.25")), "-0.25");
    EXPECT_EQ(us.numberText(m("0")), "0");
    EXPECT_EQ(us.numberText(m("0.0001")), "0.0001");
    EXPECT_EQ(de.numberText(m("-1234.5")), "-1234,5");
}

TEST(RegionalTypedAmount, GroupsMustBeThreeAndTheOtherConventionReadsWhatOnlyItFits) {
    EXPECT_EQ(us.parseTypedAmount("1,234.56"), m("1234.56"));
    EXPECT_EQ(us.parseTypedAmount("1,234,567"), m("1234567"));
    EXPECT_EQ(us.parseTypedAmount("12.50"), m("12.5"));
    EXPECT_EQ(us.parseTypedAmount("1,234"), m("1234"));  // fits the settings: they decide
    EXPECT_EQ(de.parseTypedAmount("1.234,56"), m("1234.56"));
    EXPECT_EQ(de.parseTypedAmount("1,234"), m("1.234"));
    // Separators that fit only the other convention are read by it.
    EXPECT_EQ(de.parseTypedAmount("12.50"), m("12.5"));
    EXPECT_EQ(de.parseTypedAmount("1,234.5"), m("1234.5"));
    EXPECT_EQ(us.parseTypedAmount("12,50"), m("12.5"));
    EXPECT_EQ(us.parseTypedAmount("1.234,56"), m("1234.56"));
    for (const char* bad : {"", ".,", "1.2.3", "12,5.0", "1,23,456", "1.234.5,6", ",1,000"})
        EXPECT_FALSE(us.parseTypedAmount(bad).has_value()) << bad;

    // With a blank grouping digits, "1.234" fits neither way of the settings and two
    // others: refused with both readings.
    RegionalSettings fr = de;
    fr.groupSeparator = " ";
    EXPECT_EQ(fr.readFigures("12.50").value, m("12.5"));
    const AmountReading twoWays = fr.readFigures("1.234");
    EXPECT_FALSE(twoWays.value.has_value());
    EXPECT_TRUE(twoWays.twoWays);
    EXPECT_EQ(twoWays.problem,
              "\"1.234\" reads two ways: 1,234 with \".\" as the decimal mark, or 1234 with "
              "\",\" as the decimal mark");
    EXPECT_EQ(us.readFigures("1.2.3").problem, "\"1.2.3\" is not an amount");
}

TEST(RegionalAmount, ReadsSignsParenthesesSymbolsAndGroups) {
    EXPECT_EQ(us.parseAmount("$1,234.56"), m("1234.56"));
    EXPECT_EQ(us.parseAmount("(12.50)"), m("-12.5"));
    EXPECT_EQ(us.parseAmount("($12.50)"), m("-12.5"));
    EXPECT_EQ(us.parseAmount(" -12.50 "), m("-12.5"));
    EXPECT_EQ(us.parseAmount("12.50-"), m("-12.5"));
    EXPECT_EQ(us.parseAmount("-$3"), m("-3"));
    EXPECT_EQ(us.parseAmount("+3"), m("3"));
    EXPECT_EQ(de.parseAmount("-1.234,56 €"), m("-1234.56"));
    EXPECT_EQ(de.parseAmount("-5.50"), m("-5.5"));
    EXPECT_EQ(de.readAmount("1.234", DecimalMark::Point).value, m("1.234"));
    EXPECT_EQ(de.readAmount("12,50", DecimalMark::Point).problem,
              "\"12,50\" is not an amount with \".\" as the decimal mark");
    for (const char* bad : {"", "abc", "1 2", "--1", "1.2.3", "(-1)", "12a", "$"})
        EXPECT_FALSE(us.parseAmount(bad).has_value()) << bad;
}

TEST(RegionalDates, ShortDatesHaveLeadingZerosAndFourDigitYears) {
    EXPECT_EQ(us.shortDate(serialFromDate(2000, 12, 31)), "12/31/2000");
    EXPECT_EQ(us.shortDate(serialFromDate(2001, 4, 1)), "04/01/2001");
    EXPECT_EQ(de.shortDate(serialFromDate(2001, 4, 1)), "01.04.2001");
    EXPECT_EQ(us.shortDate(0), "12/30/1899");
}

TEST(RegionalDates, ParsesTheShortDateFormsUsersType) {
    EXPECT_EQ(us.parseDate("12/31/2000"), serialFromDate(2000, 12, 31));
    EXPECT_EQ(us.parseDate("4/1/01"), serialFromDate(2001, 4, 1));
    EXPECT_EQ(us.parseDate("1/1/29"), serialFromDate(2029, 1, 1));
    EXPECT_EQ(us.parseDate("1/1/30"), serialFromDate(1930, 1, 1));
    EXPECT_EQ(us.parseDate("2000-12-31"), serialFromDate(2000, 12, 31));
    EXPECT_EQ(us.parseDate(" 12-31-2000 "), serialFromDate(2000, 12, 31));
    EXPECT_EQ(us.parseDate("12/31/2000 3:04:05 PM"), serialFromDate(2000, 12, 31));
    EXPECT_EQ(us.parseDate("2/29/2000"), serialFromDate(2000, 2, 29));
    EXPECT_EQ(de.parseDate("31.12.2000"), serialFromDate(2000, 12, 31));
    EXPECT_EQ(de.parseDate("31/12/2000"), serialFromDate(2000, 12, 31));
    for (const char* bad : {"", "12/31", "13/1/2000", "2/30/2000", "2/29/1900", "12/31/2000x",
                            "a/b/c", "12//2000", "12/31/20000"})
        EXPECT_FALSE(us.parseDate(bad).has_value()) << bad;
}

TEST(RegionalDates, ATimeAfterTheDateMustBeAValidTimeOfDay) {
    const DaySerial d = serialFromDate(2000, 12, 31);
    for (const char* good : {"12/31/2000 0:00", "12/31/2000 23:59:59", "12/31/2000 12:00 am",
                             "12/31/2000  3 PM", "12/31/2000 11:59:59 PM "})
        EXPECT_EQ(us.parseDate(good), d) << good;
    EXPECT_EQ(de.parseDate("31.12.2000 15:04"), d);
    for (const char* bad :
         {"12/31/2000 rubbish", "1/2/2001 25:99:99", "12/31/2000 24:00", "12/31/2000 3",
          "12/31/2000 13:00 PM", "12/31/2000 0 AM", "12/31/2000 3:4", "12/31/2000 3:04:5",
          "12/31/2000 3:04:05 PM x", "12/31/2000 3:60", "12/31/2000 :30"})
        EXPECT_FALSE(us.parseDate(bad).has_value()) << bad;
}

TEST(RegionalDates, EveryShortDateReadsBackAsTheSameDay) {
    for (DaySerial d = serialFromDate(1899, 12, 30); d < serialFromDate(2100, 1, 1); d += 13) {
        ASSERT_EQ(us.parseDate(us.shortDate(d)), d) << us.shortDate(d);
        ASSERT_EQ(de.parseDate(de.shortDate(d)), d) << de.shortDate(d);
    }
}

TEST(RegionalDates, DateTimeTextFollowsTheClockStyle) {
    const DaySerial d = serialFromDate(2000, 12, 31);
    EXPECT_EQ(us.dateTimeText(d, 15 * 3600 + 4 * 60 + 5), "12/31/2000 3:04:05 PM");
    EXPECT_EQ(us.dateTimeText(d, 0), "12/31/2000 12:00:00 AM");
    EXPECT_EQ(de.dateTimeText(d, 15 * 3600 + 4 * 60 + 5), "31.12.2000 15:04:05");
}

TEST(RegionalDates, WhatIsNoDateShowsTheNoValueText) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double serial : {std::nan(""), inf, -inf, 1e100, -1e100, 2958466.0, -693593.5}) {
        EXPECT_EQ(us.shortDate(serial), "****?****") << serial;
        EXPECT_EQ(yyyymmdd(serial), "00000000") << serial;
        EXPECT_FALSE(dateFromSerial(serial).has_value()) << serial;
    }
    EXPECT_EQ(us.dateTimeText(1e100, 0), "****?****");
    EXPECT_EQ(us.shortDate(2958465.99), "12/31/9999");
    EXPECT_EQ(de.shortDate(-693593), "01.01.0001");
    EXPECT_EQ(yyyymmdd(36526), "20000101");
    EXPECT_TRUE(std::isnan(serialFromDate(10000, 1, 1)));
    EXPECT_TRUE(std::isnan(serialFromDate(0, 12, 31)));
    EXPECT_TRUE(std::isnan(serialFromDate(2001, 2, 29)));
    EXPECT_EQ(daysInMonth(100000, 2), 29);  // calendar rules hold beyond the date years
}

TEST(RegionalDates, OrderAndSeparatorComeFromTheLocalesDateFormat) {
    using O = DateOrder;
    const std::tuple<const char*, O, const char*> cases[] = {
        {"%m/%d/%y", O::MonthDayYear, "/"},
        {"%d.%m.%Y", O::DayMonthYear, "."},
        {"%d/%m/%y", O::DayMonthYear, "/"},
        {"%Y-%m-%d", O::YearMonthDay, "-"},
        {"%D", O::MonthDayYear, "/"},
        {"%F", O::YearMonthDay, "-"},
        {"%e.%m.%Y", O::DayMonthYear, "."},
        {"%d. %m. %Y", O::DayMonthYear, ". "},
        {"%-d %B %C%y", O::DayMonthYear, " "},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", O::YearMonthDay, "/"},
        {"", O::MonthDayYear, "/"},
        {"%A", O::MonthDayYear, "/"},
    };
    for (const auto& [format, order, separator] : cases) {
        RegionalSettings rs;
        rs.takeDateFormat(format);
        EXPECT_EQ(rs.dateOrder, order) << format;
        EXPECT_EQ(rs.dateSeparator, separator) << format;
    }
}

TEST(RegionalDates, FourDigitYearDatesReadAsTheVersion2FilesHoldThem) {
    const auto read = [](const RegionalSettings& rs, std::string_view text) {
        return rs.parseDate(text, YearDigits::Four);
    };
    RegionalSettings swedish;
    swedish.takeDateFormat("%Y-%m-%d");
    RegionalSettings semicolons;
    semicolons.dateSeparator = ";";

    EXPECT_EQ(read(us, "12/31/1998"), 36160);
    EXPECT_EQ(read(de, "31/12/1998"), 36160);
    EXPECT_EQ(read(de, "31.12.1998"), 36160);
    EXPECT_EQ(read(de, "12/31/1998"), std::nullopt);
    EXPECT_EQ(read(us, "31/12/1998"), std::nullopt);
    // A trailing year under year-first settings reads month before day; a leading year
    // is followed by month and day under every setting.
    EXPECT_EQ(read(swedish, "12/31/1998"), 36160);
    for (const RegionalSettings* rs :
         std::initializer_list<const RegionalSettings*>{&us, &de, &swedish}) {
        EXPECT_EQ(read(*rs, "1998-12-31"), 36160);
        EXPECT_EQ(read(*rs, " 1998.2.1 "), 35827);
    }
    EXPECT_EQ(read(us, "1-2-1998"), 35797);
    EXPECT_EQ(read(semicolons, "1;2;1998"), 35797);
    for (const char* text : {"", "12/31/98", "12/31/19ab", "ab/cd/1998", "12//1998", "12/31/1998/",
                             "/12/31/1998", "123/1/1998", "2/30/1998", "12 31 1998", "12/31/01998",
                             "12/31/\xE9"
                             "998",
                             "00/00/0000", "1/1/0099", "12/31/1998 3 PM"}) {
        EXPECT_EQ(read(us, text), std::nullopt) << text;
    }
}

TEST(RegionalEnvironment, TheCLocaleMeansUnitedStatesConventions) {
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved ? saved : "";
    setenv("LC_ALL", "C", 1);
    const RegionalSettings rs = RegionalSettings::fromEnvironment();
    if (saved)
        setenv("LC_ALL", keep.c_str(), 1);
    else
        unsetenv("LC_ALL");
    EXPECT_EQ(rs.currencyText(m("-1234.5")), "($1,234.50)");
    EXPECT_EQ(rs.shortDate(serialFromDate(2000, 12, 31)), "12/31/2000");
    EXPECT_EQ(rs.numberText(m("12.5")), "12.5");
}

}  // namespace
}  // namespace qbk

// Reading short date texts by the regional settings.
#include <gtest/gtest.h>

#include <clocale>

#include "converter/regional_dates.h"

namespace qbk::converter {
namespace {

TEST(DateSettings, OrderAndSeparatorComeFromTheDateFormat) {
    using O = DateOrder;
    const std::pair<const char*, DateSettings> cases[] = {
        {"%m/%d/%y", {O::MonthFirst, '/'}},
        {"%d.%m.%Y", {O::DayFirst, '.'}},
        {"%d/%m/%y", {O::DayFirst, '/'}},
        {"%Y-%m-%d", {O::YearFirst, '-'}},
        {"%D", {O::MonthFirst, '/'}},
        {"%F", {O::YearFirst, '-'}},
        {"%e.%m.%Y", {O::DayFirst, '.'}},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", {O::YearFirst, '/'}},
        {"", {O::MonthFirst, '/'}},
        {"%A", {O::MonthFirst, '/'}},
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(DateSettings::fromFormat(format), expected) << format;
    }
    const std::string saved = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(DateSettings::fromCurrentLocale(), (DateSettings{O::MonthFirst, '/'}));
    std::setlocale(LC_TIME, saved.c_str());
}

TEST(DaySerial, CountsDaysFromTheEndOf1899) {
    EXPECT_EQ(daySerial(1899, 12, 30), 0);
    EXPECT_EQ(daySerial(1900, 1, 1), 2);
    EXPECT_EQ(daySerial(1998, 12, 31), 36160);
    EXPECT_EQ(daySerial(2000, 2, 29), 36585);
    EXPECT_EQ(daySerial(1900, 2, 29), std::nullopt);
    EXPECT_EQ(daySerial(1998, 13, 1), std::nullopt);
    EXPECT_EQ(daySerial(1998, 4, 31), std::nullopt);
    EXPECT_EQ(daySerial(1998, 1, 0), std::nullopt);
    EXPECT_EQ(daySerial(99, 1, 1), std::nullopt);
}

TEST(ShortDate, ReadsInTheOrderOfTheSettings) {
    const DateSettings us{DateOrder::MonthFirst, '/'};
    const DateSettings german{DateOrder::DayFirst, '.'};
    const DateSettings swedish{DateOrder::YearFirst, '-'};

    EXPECT_EQ(parseShortDate("12/31/1998", us), 36160);
    EXPECT_EQ(parseShortDate("31/12/1998", german), 36160);
    EXPECT_EQ(parseShortDate("31.12.1998", german), 36160);
    EXPECT_EQ(parseShortDate("12/31/1998", german), std::nullopt);
    EXPECT_EQ(parseShortDate("31/12/1998", us), std::nullopt);
    // A trailing year under year-first settings reads month before day; a leading year
    // is followed by month and day under every setting.
    EXPECT_EQ(parseShortDate("12/31/1998", swedish), 36160);
    for (const auto& s : {us, german, swedish}) {
        EXPECT_EQ(parseShortDate("1998-12-31", s), 36160);
        EXPECT_EQ(parseShortDate(" 1998.2.1 ", s), 35827);
    }
    EXPECT_EQ(parseShortDate("1-2-1998", us), 35797);
    EXPECT_EQ(parseShortDate("1;2;1998", DateSettings{DateOrder::MonthFirst, ';'}), 35797);
}

TEST(ShortDate, TextsThatAreNotDates) {
    const DateSettings us;
    for (const char* text : {"", "12/31/98", "12/31/19ab", "ab/cd/1998", "12//1998", "12/31/1998/",
                             "/12/31/1998", "123/1/1998", "2/30/1998", "12 31 1998", "12/31/01998",
                             "12/31/\xE9"
                             "998",
                             "00/00/0000"}) {
        EXPECT_EQ(parseShortDate(text, us), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace qbk::converter

#include "mainwindow/date_range.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qbk {
namespace {

const RegionalSettings us = RegionalSettings::unitedStates();

TEST(FiscalYear, AYearStartingInAprilBeginsInTheEarlierCalendarYearUntilThen) {
    EXPECT_EQ(FiscalYearOf(serialFromDate(2001, 3, 31), 4, 1), 2000);
    EXPECT_EQ(FiscalYearOf(serialFromDate(2001, 4, 1), 4, 1), 2001);
    EXPECT_EQ(FiscalYearOf(serialFromDate(2001, 6, 15), 1, 1), 2001);
    EXPECT_EQ(FiscalYearOf(serialFromDate(2001, 1, 1), 1, 1), 2001);
}

TEST(FiscalYear, RangeRunsToTheDayBeforeTheNextStartAndIsLabelledByItsEnd) {
    const DateRange r = fiscalYearRange(2000, 4, 1, us);
    EXPECT_EQ(r.start, "04/01/2000");
    EXPECT_EQ(r.end, "03/31/2001");
    EXPECT_EQ(r.label, "FY 2001 - 04/01/2000  >>  03/31/2001");
    EXPECT_EQ(fiscalYearRange(2001, 1, 1, us).label, "FY 2001 - 01/01/2001  >>  12/31/2001");
}

TEST(FiscalYear, AStartDayTheMonthLacksMeansItsLastDay) {
    // 29 February: in a common year the 28th, in a leap year the 29th.
    EXPECT_EQ(fiscalYearRange(2001, 2, 29, us).start, "02/28/2001");
    EXPECT_EQ(fiscalYearRange(2001, 2, 29, us).end, "02/27/2002");
    EXPECT_EQ(fiscalYearRange(2003, 2, 29, us).end, "02/28/2004");
    EXPECT_EQ(fiscalYearRange(2004, 2, 29, us).start, "02/29/2004");
    // 31 in a 30-day month.
    EXPECT_EQ(fiscalYearRange(2001, 4, 31, us).start, "04/30/2001");
    EXPECT_EQ(FiscalYearOf(serialFromDate(2002, 4, 29), 4, 31), 2001);
    EXPECT_EQ(FiscalYearOf(serialFromDate(2002, 4, 30), 4, 31), 2002);
}

TEST(FiscalYear, MonthsOutsideTheYearCarryOver) {
    EXPECT_EQ(fiscalYearStart(2000, 13, 1), serialFromDate(2001, 1, 1));
    EXPECT_EQ(fiscalYearStart(2000, 0, 1), serialFromDate(1999, 12, 1));
}

TEST(FiscalYear, DaysBeyondTheCalendarAreNoDate) {
    const DateRange r = fiscalYearRange(9999, 4, 1, us);
    EXPECT_EQ(r.start, "04/01/9999");
    EXPECT_EQ(r.end, "****?****");
    EXPECT_EQ(r.label, "FY ****?**** - 04/01/9999  >>  ****?****");
    EXPECT_TRUE(std::isnan(fiscalYearStart(2001, -32768, 1)));
    EXPECT_TRUE(std::isnan(fiscalYearStart(40000, 1, 1)));
    EXPECT_EQ(FiscalYearOf(std::nan(""), 1, 1), 0);
}

TEST(DayCountRange, GoesBackTheCountAndIncludesBothEnds) {
    const DateRange year = dayCountRange(365, 0, serialFromDate(2001, 3, 1), us);
    EXPECT_EQ(year.start, "03/01/2000");
    EXPECT_EQ(year.end, "03/01/2001");
    EXPECT_EQ(year.label, "1 Year - 03/01/2000  >>  03/01/2001");
    EXPECT_EQ(dayCountRange(30, 0, serialFromDate(2001, 3, 1), us).label,
              "30 Days - 01/30/2001  >>  03/01/2001");
    EXPECT_EQ(dayCountRange(45, 0, serialFromDate(2001, 3, 1), us).label,
              "01/15/2001  >>  03/01/2001");
}

TEST(SetRangeTest, ZeroDaysMeansTheFiscalYear) {
    EXPECT_EQ(SetRange(0, 0, 2000, 4, 1, serialFromDate(2026, 1, 1), us).label,
              "FY 2001 - 04/01/2000  >>  03/31/2001");
    EXPECT_EQ(SetRange(1825, 0, 2000, 4, 1, serialFromDate(2026, 1, 1), us).label,
              "5 Years - 01/02/2021  >>  01/01/2026");
}

}  // namespace
}  // namespace qbk

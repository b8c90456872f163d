// The displayed date range: fiscal years and day counts, and the range label of the
// status bar. A fiscal year is named by the calendar year it begins in and labelled
// by the year it ends in.
#ifndef QBK_MAINWINDOW_DATE_RANGE_H_
#define QBK_MAINWINDOW_DATE_RANGE_H_

#include <string>
#include <string_view>

#include "platform/dates.h"
#include "platform/regional.h"

namespace qbk {

// The start of the fiscal year beginning in `year`, for a fiscal year that starts on
// `fyMonth`/`fyDay`. A month outside 1..12 carries into the neighbouring years (month
// 13 is January of the next year); a day that the month does not have means the
// month's last day (29 February in a common year is 28 February), a day below 1 the
// first. kNoDate when that day lies outside the years 1 to 9999.
DaySerial fiscalYearStart(int year, int fyMonth, int fyDay);

// FiscalYearOf: the calendar year in which the fiscal year containing `date` begins;
// 0 for no date.
int FiscalYearOf(DaySerial date, int fyMonth, int fyDay);

struct DateRange {
    std::string start;  // RangeStart, short date text
    std::string end;    // RangeEnd, short date text
    std::string label;  // panel 1 of the general status bar
};

// The fiscal year that begins in `fyStartYear`: its first day to the day before the
// next one begins, labelled "FY " + the year of its last day + " - " + the dates. A
// bound outside the years 1 to 9999 is kNoValueText, which reads as no date.
DateRange fiscalYearRange(int fyStartYear, int fyMonth, int fyDay,
                          const RegionalSettings& regional);

// `numDays` days back from today (moved back `endInYear` times 365 days) up to that
// day, both included, labelled with the prefix of the count ("30 Days - ", "1 Year - ";
// none for other counts).
DateRange dayCountRange(int numDays, int endInYear, DaySerial today,
                        const RegionalSettings& regional);

// SetRange: a day-count range, or for `numDays` 0 the fiscal year of `fyStartYear`.
DateRange SetRange(int numDays, int endInYear, int fyStartYear, int fyMonth, int fyDay,
                   DaySerial today, const RegionalSettings& regional);

// The label of a range chosen with Select Dates: the two dates without a prefix.
std::string selectedRangeLabel(const std::string& start, const std::string& end);

// The templates of the range labels ("%1" the year or the count, then the dates), which
// the window shows in the user's language.
inline constexpr std::string_view kFiscalYearLabel = "FY %1 - %2  >>  %3";
inline constexpr std::string_view kDaysLabel = "%1 Days - %2";
inline constexpr std::string_view kOneYearLabel = "1 Year - %1";
inline constexpr std::string_view kYearsLabel = "%1 Years - %2";

}  // namespace qbk

#endif  // QBK_MAINWINDOW_DATE_RANGE_H_

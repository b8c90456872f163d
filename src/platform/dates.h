// Day serials: whole days held as a double counting from 30 December 1899 (day 0),
// the date form of every record file.
//
// A serial read from a file may be anything a double can hold. Only the days of the
// years 1 to 9999 are dates; any other value (not finite, or outside those years) is
// "no date": it lies in no range, sorts below every date, and shows as the no-value
// text. Nothing here overflows on such a value.
#ifndef QBK_PLATFORM_DATES_H_
#define QBK_PLATFORM_DATES_H_

#include <limits>
#include <optional>
#include <string>

namespace qbk {

using DaySerial = double;

// 1 January of the year 1 and 31 December 9999.
inline constexpr DaySerial kFirstDaySerial = -693593;
inline constexpr DaySerial kLastDaySerial = 2958465;
// The serial of no date.
inline constexpr DaySerial kNoDate = std::numeric_limits<double>::quiet_NaN();

// True when the whole day of `serial` lies in the years 1 to 9999.
inline bool isDate(DaySerial serial) {
    return serial >= kFirstDaySerial && serial < kLastDaySerial + 1;
}

struct CivilDate {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Calendar rules for any year (proleptic Gregorian); daysInMonth is 0 for a month
// outside 1..12.
bool isLeapYear(int year);
int daysInMonth(int year, int month);
// A day of the years 1 to 9999.
bool isValidDate(int year, int month, int day);

// The serial of a date; kNoDate when isValidDate is false.
DaySerial serialFromDate(int year, int month, int day);
DaySerial serialFromDate(const CivilDate& date);

// The calendar date of the whole day of `serial` (any fraction is dropped toward the
// earlier day); nullopt for no date.
std::optional<CivilDate> dateFromSerial(DaySerial serial);

// "yyyymmdd" of the day, the date part of the record sort key; "00000000" for no date.
std::string yyyymmdd(DaySerial serial);

}  // namespace qbk

#endif  // QBK_PLATFORM_DATES_H_

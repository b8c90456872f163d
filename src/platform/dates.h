// Day serials: whole days held as a double counting from 30 December 1899 (day 0),
// the date form of every record file.
#ifndef QBK_PLATFORM_DATES_H_
#define QBK_PLATFORM_DATES_H_

#include <string>

namespace qbk {

using DaySerial = double;

struct CivilDate {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// The serial of a valid calendar date.
DaySerial serialFromDate(int year, int month, int day);
DaySerial serialFromDate(const CivilDate& date);

// The calendar date of the whole day of `serial` (any fraction is dropped toward the
// earlier day).
CivilDate dateFromSerial(DaySerial serial);

// "yyyymmdd" of the day, the date part of the record sort key.
std::string yyyymmdd(DaySerial serial);

}  // namespace qbk

#endif  // QBK_PLATFORM_DATES_H_

#include "platform/dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace qbk {
namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days(year{1899} / December / 30);

}  // namespace

bool isLeapYear(int y) {
    // Plain arithmetic: chrono's year holds only 16 bits.
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return m == 2 && isLeapYear(y) ? 29 : kDays[m - 1];
}

bool isValidDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

DaySerial serialFromDate(int y, int m, int d) {
    if (!isValidDate(y, m, d)) return kNoDate;
    const sys_days day = sys_days(year{y} / month{static_cast<unsigned>(m)} /
                                  std::chrono::day{static_cast<unsigned>(d)});
    return static_cast<DaySerial>((day - kEpoch).count());
}

DaySerial serialFromDate(const CivilDate& date) {
    return serialFromDate(date.year, date.month, date.day);
}

std::optional<CivilDate> dateFromSerial(DaySerial serial) {
    if (!isDate(serial)) return std::nullopt;
    const auto whole = static_cast<int>(std::floor(serial));
    const year_month_day ymd{kEpoch + days{whole}};
    return CivilDate{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string yyyymmdd(DaySerial serial) {
    const std::optional<CivilDate> d = dateFromSerial(serial);
    if (!d) return "00000000";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d->year, d->month, d->day);
    return buf;
}

}  // namespace qbk

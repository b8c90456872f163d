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
    return year{y}.is_leap();
}

int daysInMonth(int y, int m) {
    if (m < 1 || m > 12) return 0;
    return static_cast<int>(
        static_cast<unsigned>((year{y} / month{static_cast<unsigned>(m)} / last).day()));
}

bool isValidDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

DaySerial serialFromDate(int y, int m, int d) {
    const sys_days day = sys_days(year{y} / month{static_cast<unsigned>(m)} /
                                  std::chrono::day{static_cast<unsigned>(d)});
    return static_cast<DaySerial>((day - kEpoch).count());
}

DaySerial serialFromDate(const CivilDate& date) {
    return serialFromDate(date.year, date.month, date.day);
}

CivilDate dateFromSerial(DaySerial serial) {
    const auto whole = static_cast<long>(std::floor(serial));
    const year_month_day ymd{kEpoch + days{whole}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string yyyymmdd(DaySerial serial) {
    const CivilDate d = dateFromSerial(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
    return buf;
}

}  // namespace qbk

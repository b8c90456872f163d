#include "schedules/recurrence.h"

#include <algorithm>
#include <cmath>

namespace qbk {
namespace {

bool inMonths(Every every) {
    return every == Every::Month || every == Every::Year;
}

// The step of the recurrence: days for days and weeks, months for months and years.
long stepOf(const Schedule& s) {
    switch (s.every) {
        case Every::Day:
            return s.interval;
        case Every::Week:
            return 7L * s.interval;
        case Every::Month:
            return s.interval;
        case Every::Year:
            return 12L * s.interval;
    }
    return s.interval;
}

long monthIndex(const CivilDate& d) {
    return d.year * 12L + (d.month - 1);
}

// d(k), or kNoDate past the years a date can take.
DaySerial dateNumber(const Schedule& s, const CivilDate& first, long k) {
    const long step = stepOf(s);
    if (!inMonths(s.every)) {
        const DaySerial day = s.first + static_cast<double>(k) * static_cast<double>(step);
        return isDate(day) ? day : kNoDate;
    }
    const long month = monthIndex(first) + k * step;
    const long year = month / 12;
    if (year > 9999) return kNoDate;
    const int m = static_cast<int>(month % 12) + 1;
    const int wanted = s.dayOfMonth > 0 ? s.dayOfMonth : first.day;
    return serialFromDate(static_cast<int>(year), m,
                          std::min(wanted, daysInMonth(static_cast<int>(year), m)));
}

}  // namespace

std::vector<DaySerial> scheduleDates(const Schedule& s, DaySerial after, DaySerial through) {
    std::vector<DaySerial> dates;
    const std::optional<CivilDate> first = dateFromSerial(s.first);
    if (!first || s.interval < 1 || !(through > after)) return dates;
    // Index of the first date kept, and a start near `after` that is not past it.
    const long k0 = dateNumber(s, *first, 0) < s.first ? 1 : 0;
    long k = k0;
    if (after >= s.first) {
        const std::optional<CivilDate> a = dateFromSerial(after);
        if (!a) return dates;
        const long step = stepOf(s);
        const long near =
            inMonths(s.every)
                ? (monthIndex(*a) - monthIndex(*first)) / step - 1
                : static_cast<long>((std::floor(after) - s.first) / static_cast<double>(step)) - 1;
        k = std::max(k0, near);
    }
    for (;; ++k) {
        if (s.times && k - k0 >= *s.times) break;
        const DaySerial day = dateNumber(s, *first, k);
        if (!isDate(day) || day > through || (s.until && day > *s.until)) break;
        if (day > after) dates.push_back(day);
    }
    return dates;
}

std::vector<DaySerial> unpostedDates(const Schedule& s, DaySerial through) {
    return scheduleDates(s, s.lastPosted ? *s.lastPosted : s.first - 1, through);
}

}  // namespace qbk

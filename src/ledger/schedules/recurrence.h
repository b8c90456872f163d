// The dates a schedule comes due on.
//
// A schedule's dates are the dates d(k), k = 0, 1, 2, ..., of its recurrence, less
// those before its first date, cut at its until date or after its number of times:
//   every N days or weeks:   d(k) = first + k * N days (or weeks);
//   every N months or years: the month of `first` plus k * N months (or years), on the
//                            day of the month (the first date's day when none is set),
//                            or on the month's last day when it is shorter.
// So a schedule on the 31st, or from 31 January, falls on 28 or 29 February and on 31
// March; one from 29 February of a leap year falls on 28 February in the other years.
// Only d(0) can lie before the first date (a day of the month below the first date's).
#ifndef QBK_SCHEDULES_RECURRENCE_H_
#define QBK_SCHEDULES_RECURRENCE_H_

#include <vector>

#include "platform/dates.h"
#include "schedules/schedule_file.h"

namespace qbk {

// The dates of `schedule` after `after` and through `through`, in order (empty when
// `through` is not after `after`). Dates past the year 9999 are never reached.
std::vector<DaySerial> scheduleDates(const Schedule& schedule, DaySerial after, DaySerial through);

// The dates the schedule has not posted yet, through `through`: scheduleDates after its
// last posted date (from its first date when it posted none).
std::vector<DaySerial> unpostedDates(const Schedule& schedule, DaySerial through);

}  // namespace qbk

#endif  // QBK_SCHEDULES_RECURRENCE_H_

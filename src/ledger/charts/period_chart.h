// Income, expense and net per week, month or fiscal year.
#ifndef QBK_CHARTS_PERIOD_CHART_H_
#define QBK_CHARTS_PERIOD_CHART_H_

#include <string>
#include <vector>

#include "platform/dates.h"
#include "platform/money.h"
#include "platform/regional.h"
#include "reports/report_files.h"

namespace qbk {

enum class PeriodLength { Week, Month, Year };

// Weeks for a range of fewer than 90 days, fiscal years for a range longer than five
// years (its last day is five calendar years after its first or later), months
// otherwise. Both days count.
PeriodLength periodLengthFor(DaySerial first, DaySerial last);

struct PeriodTotals {
    DaySerial first = 0;  // the period's first and last day (not cut to the range)
    DaySerial last = 0;
    // A week by its Monday as a short date ("06/04/2001"), a month as "Jun 2001", a
    // fiscal year by the calendar year it ends in: "2001", or "FY 2002" when fiscal
    // years do not begin on 1 January.
    std::string label;
    Money income, expense, net;  // expense negative
};

// One period for every week (Monday to Sunday), month or fiscal year (beginning on
// `fyMonth`/`fyDay`) from the one that holds `first` to the one that holds `last`, the
// range widened to hold every entry, with the sums of the entries in it. Empty when
// `first` is after `last` and there are no entries. Throws OperationError (Overflow)
// when a sum leaves the currency range.
std::vector<PeriodTotals> periodTotals(const ReportSplit& entries, DaySerial first, DaySerial last,
                                       PeriodLength length, int fyMonth, int fyDay,
                                       const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_CHARTS_PERIOD_CHART_H_

// Everything the three charts of a list draw, computed at once from its entries.
#ifndef QBK_CHARTS_CHART_DATA_H_
#define QBK_CHARTS_CHART_DATA_H_

#include <string>
#include <vector>

#include "charts/balance_chart.h"
#include "charts/category_chart.h"
#include "charts/period_chart.h"
#include "store/category_record.h"
#include "store/settings_record.h"

namespace qbk {

struct ChartData {
    DaySerial first = 0;  // the range charted, both days included
    DaySerial last = 0;
    std::string subject;  // what the list holds: "All Categories", "Word Search = FISH"...
    CategoryChart categories;
    PeriodLength periodLength = PeriodLength::Month;
    std::vector<PeriodTotals> periods;
    std::vector<BalancePoint> balance;
    // The balance ahead while the list shows a forecast: today's, then the end of every
    // day with entries to come; empty otherwise. `lowAhead` is its lowest point.
    std::vector<BalancePoint> ahead;
    BalancePoint lowAhead;
    bool empty = true;  // no entry at all (not even one of amount 0)
};

// The charts of `entries` over the range `first` to `last` (the main list's range; for
// a report list, the span of its entries), with the fiscal year of `settings`. Throws
// OperationError (Overflow) when a total leaves the currency range.
ChartData chartData(const ReportSplit& entries, DaySerial first, DaySerial last,
                    const std::vector<CategoryRecord>& categories, const SettingsRecord& settings,
                    const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_CHARTS_CHART_DATA_H_

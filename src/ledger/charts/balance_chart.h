// The running balance of the entries of a list over its range.
#ifndef QBK_CHARTS_BALANCE_CHART_H_
#define QBK_CHARTS_BALANCE_CHART_H_

#include <vector>

#include "platform/dates.h"
#include "platform/money.h"
#include "reports/report_files.h"

namespace qbk {

struct BalancePoint {
    DaySerial day = 0;
    Money balance;
    friend bool operator==(const BalancePoint&, const BalancePoint&) = default;
};

// The balance starts at 0 on `first`, before that day's entries, as the list's balance
// counts only what it lists. Then the balance at the end of every day with entries, in
// date order, and the final balance on `last` when no entry falls on it. The range is
// widened to hold every entry; empty when `first` is after `last` and there are no
// entries. Throws OperationError (Overflow) when the balance leaves the currency range.
std::vector<BalancePoint> runningBalance(const ReportSplit& entries, DaySerial first,
                                         DaySerial last);

}  // namespace qbk

#endif  // QBK_CHARTS_BALANCE_CHART_H_

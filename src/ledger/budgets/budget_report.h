// The budget report: per category the budget, the actual, the difference and the share
// of the budget used, money out first and money in second as in the summary report,
// with the totals and the balance; narrow for portrait pages, wide (with bars of the
// share used) for landscape ones. Lines end with CR LF.
#ifndef QBK_BUDGETS_BUDGET_REPORT_H_
#define QBK_BUDGETS_BUDGET_REPORT_H_

#include <string>
#include <string_view>

#include "budgets/budget_actual.h"
#include "platform/regional.h"
#include "reports/report_captions.h"

namespace qbk {

// A bar of the wide report is this many "|" for a budget used in full; beyond it "+"
// marks follow up to kBudgetBarMost characters in all.
inline constexpr int kBudgetBarFull = 25;
inline constexpr int kBudgetBarMost = 30;

struct BudgetReportHeading {
    std::string ownerName;  // as the settings keep it (40 characters)
    DaySerial today = 0;
};

// The whole text, with the English captions unless `captions` says otherwise. Throws
// OperationError (Overflow) when a difference leaves the range.
std::string budgetReportText(const BudgetStatement& statement, const BudgetReportHeading& heading,
                             const RegionalSettings& regional, bool wide,
                             const ReportCaptions& captions = reportCaptions(""));

// The bar of a share used: `percent` * kBudgetBarFull / 100 "|" (rounded half up), at
// most kBudgetBarFull, then one "+" per further 20 per cent (started) up to
// kBudgetBarMost characters; "" for no share or a share of 0 or below.
std::string budgetBar(std::optional<long long> percent);

// The comma-separated values of the statement: a heading line, then one line a
// category ("Expense" or "Income", code, name, budget, actual, difference, per cent
// used), then the totals and the balance; amounts as plain decimals with ".".
std::string budgetCsv(const BudgetStatement& statement);

}  // namespace qbk

#endif  // QBK_BUDGETS_BUDGET_REPORT_H_

// The charts of the Budget window: budget against actual per category over the view's
// range, and money out and in per budget month of a fiscal year, both drawn as the
// amounts' sizes (money out and money in alike upwards).
#ifndef QBK_BUDGETS_QT_BUDGET_CHARTS_H_
#define QBK_BUDGETS_QT_BUDGET_CHARTS_H_

#include <string>
#include <vector>

#include "budgets/budget_actual.h"
#include "platform/regional.h"

class QChart;
class QWidget;

namespace qbk {

// Two bars per category (budget, actual), money out first.
QChart* budgetCategoryChart(const BudgetStatement& statement, const RegionalSettings& regional);

// Four bars per month: budget and actual of money out, budget and actual of money in.
QChart* budgetMonthChart(const std::vector<MonthBudget>& months, const RegionalSettings& regional);

// The tab "Budget" of the Charts window: both charts side by side, for the days `first`
// to `last` and the fiscal year that holds `first`, from the files of `dataFolder`.
// Throws OperationError when a file cannot be read.
QWidget* budgetChartPage(const std::string& dataFolder, DaySerial first, DaySerial last,
                         FiscalStart fiscal, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_BUDGETS_QT_BUDGET_CHARTS_H_

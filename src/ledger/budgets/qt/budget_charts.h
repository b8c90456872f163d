// The charts of the Budget window: budget against actual per category over the view's
// range, and money out and in per budget month of a fiscal year, both drawn as the
// amounts' sizes (money out and money in alike upwards).
#ifndef QBK_BUDGETS_QT_BUDGET_CHARTS_H_
#define QBK_BUDGETS_QT_BUDGET_CHARTS_H_

#include <vector>

#include "budgets/budget_actual.h"
#include "platform/regional.h"

class QChart;

namespace qbk {

// Two bars per category (budget, actual), money out first.
QChart* budgetCategoryChart(const BudgetStatement& statement, const RegionalSettings& regional);

// Four bars per month: budget and actual of money out, budget and actual of money in.
QChart* budgetMonthChart(const std::vector<MonthBudget>& months, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_BUDGETS_QT_BUDGET_CHARTS_H_

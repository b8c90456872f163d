// A book's budget against what its entries came to, by category, over any span of days.
//
// Budget months follow the fiscal year (store/budget_file.h): each begins on the fiscal
// year's start day. A span that covers part of a budget month takes that share of the
// month's amount, by days: amount * days covered / days of the month, rounded to the
// ten-thousandth with halves away from zero, month by month. So a whole month or a
// whole fiscal year shows the amounts as typed, and thirty days from the 15th take
// about half of two months.
//
// A category is income or expense by the sign of its budget over the span, and when it
// has none there, by the sign of its entries' total; its difference is actual minus
// budget, so a negative difference is always the worse side (spent more, or earned
// less, than planned).
#ifndef QBK_BUDGETS_BUDGET_ACTUAL_H_
#define QBK_BUDGETS_BUDGET_ACTUAL_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/dates.h"
#include "platform/money.h"
#include "store/budget_file.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk {

// The fiscal year's start, as the settings keep it (FYMonth, FYDay).
struct FiscalStart {
    int month = 1;
    int day = 1;
};

// The first day of budget month `month`, and the budget month holding `day` (a date).
DaySerial budgetMonthStart(BudgetMonth month, FiscalStart fiscal);
BudgetMonth budgetMonthOf(DaySerial day, FiscalStart fiscal);
// The twelve budget months of the fiscal year that begins in `fyStartYear`.
std::vector<BudgetMonth> fiscalYearMonths(int fyStartYear, FiscalStart fiscal);

// The budget of `code` over the days `first` to `last` (both included), prorated as
// above. Throws OperationError (Overflow) when the sum leaves the currency range.
Money budgetOver(const Budget& budget, std::string_view code, DaySerial first, DaySerial last,
                 FiscalStart fiscal);

// One category's line.
struct BudgetRow {
    std::string code;  // without surrounding blanks
    std::string name;  // the category's name, or its code when the category file lacks it
    Money budget;      // prorated over the span
    Money actual;      // the live entries of the span
    Money difference() const { return actual - budget; }
    // Per cent of the budget used (actual / budget), rounded half away from zero, kept
    // within a trillion either way;
    // nullopt without a budget.
    std::optional<long long> percentUsed() const;
    // Over budget: the difference is negative (more spent, or less earned, than planned).
    bool over() const { return difference().isNegative(); }
};

struct BudgetSection {
    std::vector<BudgetRow> rows;
    Money budget, actual;
    Money difference() const { return actual - budget; }
};

// Every category with a budget or entries in the span, in the category file's order
// (codes without a category after them, by code), split into income and expense.
struct BudgetStatement {
    DaySerial first = 0, last = 0;
    BudgetSection income, expense;
    Money budgetBalance() const { return income.budget + expense.budget; }
    Money actualBalance() const { return income.actual + expense.actual; }
};

// The statement of the span `first` to `last` from the budget, the categories and the
// record file's content (entries marked deleted left out). Throws OperationError
// (Overflow) when a total leaves the currency range.
BudgetStatement budgetAgainstActual(const Budget& budget,
                                    const std::vector<CategoryRecord>& categories,
                                    const RecordFileContent& records, DaySerial first,
                                    DaySerial last, FiscalStart fiscal);

// The same from the files of the data folder `dataFolder`.
BudgetStatement budgetAgainstActual(const std::string& dataFolder, DaySerial first, DaySerial last,
                                    FiscalStart fiscal);

// The totals of one budget month, for the month-by-month chart.
struct MonthBudget {
    BudgetMonth month;
    BudgetSection income, expense;  // totals only: rows left empty
};

// The twelve months of the fiscal year that begins in `fyStartYear`, each a statement of
// its own days, from the files of the data folder (read once).
std::vector<MonthBudget> budgetByMonth(const std::string& dataFolder, int fyStartYear,
                                       FiscalStart fiscal);

}  // namespace qbk

#endif  // QBK_BUDGETS_BUDGET_ACTUAL_H_

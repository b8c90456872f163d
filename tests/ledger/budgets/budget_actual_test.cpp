#include "budgets/budget_actual.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "mainwindow/date_range.h"
#include "platform/files.h"
#include "store/book_files.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;

// The budget month of a day, from its calendar date alone: the month's start day is
// the fiscal day, or the month's last day when it is shorter.
BudgetMonth monthOfDay(DaySerial day, int fyDay) {
    const CivilDate d = *dateFromSerial(day);
    if (d.day >= std::min(fyDay, daysInMonth(d.year, d.month))) return {d.year, d.month};
    return d.month == 1 ? BudgetMonth{d.year - 1, 12} : BudgetMonth{d.year, d.month - 1};
}

long long roundedShare(long long amount, long long covered, long long length) {
    const long long product = amount * covered;
    return product >= 0 ? (product + length / 2) / length : -((-product + length / 2) / length);
}

TEST(BudgetActual, FiscalMonthsBeginOnTheFiscalDay) {
    const FiscalStart fiscal{4, 31};  // 31 April is 30 April; February's is its last day
    EXPECT_EQ(budgetMonthStart({2026, 2}, fiscal), serialFromDate(2026, 2, 28));
    EXPECT_EQ(budgetMonthOf(serialFromDate(2026, 3, 30), fiscal), (BudgetMonth{2026, 2}));
    EXPECT_EQ(budgetMonthOf(serialFromDate(2026, 3, 31), fiscal), (BudgetMonth{2026, 3}));
    const std::vector<BudgetMonth> months = fiscalYearMonths(2025, fiscal);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months.front(), (BudgetMonth{2025, 4}));
    EXPECT_EQ(months.back(), (BudgetMonth{2026, 3}));
}

// Every number of the statement against a day-by-day count on random books, budgets,
// fiscal starts and spans.
TEST(BudgetActual, MatchesADayByDayCountOnRandomBooks) {
    std::mt19937 random(20261209);
    const std::vector<std::string> codes = {"A", "B", "CAR", "FOOD", "PAY"};
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const DaySerial origin = serialFromDate(2025, 1, 1);
    for (int round = 0; round < 60; ++round) {
        const FiscalStart fiscal{pick(1, 12), pick(1, 31)};
        std::vector<EntryRecord> entries;
        for (int i = pick(0, 150); i > 0; --i) {
            const CivilDate d = *dateFromSerial(origin + pick(0, 730));
            EntryRecord r = entry(d.year, d.month, d.day, codes[pick(0, 4)], pick(-90000, 90000));
            if (pick(0, 9) == 0) r.deletedMark = "Y";
            entries.push_back(r);
        }
        Budget budget;
        for (int i = pick(0, 40); i > 0; --i)
            setBudgetAmount(budget, {pick(2024, 2026), pick(1, 12)}, codes[pick(0, 4)],
                            Money::fromRaw(pick(-500000, 500000) * 10 + pick(0, 9)));
        const DaySerial first = origin + pick(-40, 700);
        const DaySerial last = first + pick(0, pick(0, 1) ? 40 : 400);

        std::map<BudgetMonth, long long> length, covered;
        for (DaySerial d = first - 800; d <= last + 800; ++d) {
            const BudgetMonth m = monthOfDay(d, fiscal.day);
            ++length[m];
            if (d >= first && d <= last) ++covered[m];
        }
        std::map<std::string, long long> budgetOf, actualOf;
        for (const BudgetLine& line : budget)
            if (covered[line.month] > 0)
                budgetOf[line.code] +=
                    roundedShare(line.amount.raw(), covered[line.month], length[line.month]);
        for (const EntryRecord& r : entries)
            if (!r.isDeleted() && r.entryDate >= first && r.entryDate <= last)
                actualOf[std::string(trimBlanks(r.categoryCode))] += r.amount.raw();

        const BudgetStatement s =
            budgetAgainstActual(budget, testing::categoriesOf({{"FOOD", "Food"}, {"PAY", "Pay"}}),
                                testing::contentOf(entries), first, last, fiscal);
        std::map<std::string, long long> seenBudget, seenActual;
        long long incomeBudget = 0, expenseActual = 0;
        for (const BudgetSection* section : {&s.income, &s.expense})
            for (const BudgetRow& row : section->rows) {
                EXPECT_FALSE(row.budget.isZero() && row.actual.isZero());
                const bool income = section == &s.income;
                if (!row.budget.isZero()) {
                    EXPECT_EQ(income, !row.budget.isNegative());
                }
                seenBudget[row.code] = row.budget.raw();
                seenActual[row.code] = row.actual.raw();
                if (income) incomeBudget += row.budget.raw();
                if (!income) expenseActual += row.actual.raw();
            }
        for (const std::string& code : codes) {
            EXPECT_EQ(seenBudget[code], budgetOf[code]) << "round " << round << " " << code;
            EXPECT_EQ(seenActual[code], actualOf[code]) << "round " << round << " " << code;
        }
        EXPECT_EQ(s.income.budget.raw(), incomeBudget);
        EXPECT_EQ(s.expense.actual.raw(), expenseActual);
    }
}

TEST(BudgetActual, OrdersByTheCategoryFileAndSharesThePerCent) {
    Budget budget;
    setBudgetAmount(budget, {2026, 3}, "FOOD", Money::fromUnits(-300));
    setBudgetAmount(budget, {2026, 3}, "GONE", Money::fromUnits(-10));
    const BudgetStatement s = budgetAgainstActual(
        budget, testing::categoriesOf({{"RENT", "Rent"}, {"FOOD", "Food"}}),
        testing::contentOf({entry(2026, 3, 2, "FOOD", -20000), entry(2026, 3, 9, "FOOD", -14000),
                            entry(2026, 3, 3, "RENT", -90000), entry(2026, 3, 1, "PAY", 5000)}),
        serialFromDate(2026, 3, 1), serialFromDate(2026, 3, 31), {1, 1});
    ASSERT_EQ(s.expense.rows.size(), 3u);
    EXPECT_EQ(s.expense.rows[0].name, "Rent");
    EXPECT_EQ(s.expense.rows[0].percentUsed(), std::nullopt);
    EXPECT_EQ(s.expense.rows[1].name, "Food");
    EXPECT_EQ(s.expense.rows[1].percentUsed(), 113);
    EXPECT_TRUE(s.expense.rows[1].over());
    EXPECT_EQ(s.expense.rows[2].name, "GONE");
    EXPECT_FALSE(s.expense.rows[2].over());
    ASSERT_EQ(s.income.rows.size(), 1u);
    EXPECT_EQ(s.income.rows[0].name, "PAY");
    EXPECT_EQ(s.budgetBalance(), Money::fromUnits(-310));
    EXPECT_EQ(s.actualBalance(), Money::fromUnits(50 - 200 - 140 - 900));
}

// Whole months need no share of days: the twelve months add up to their fiscal year.
TEST(BudgetActual, TheMonthsOfAFiscalYearAddUpToIt) {
    testing::TempFolder dir;
    writeCategories(dir.file("category.dat"), testing::categoriesOf({{"FOOD", "Food"}}));
    dir.write(
        "quillbank.dat",
        testing::fileOf({entry(2026, 4, 14, "FOOD", -1000), entry(2026, 4, 15, "FOOD", -2000),
                         entry(2027, 4, 14, "FOOD", -4000), entry(2027, 4, 15, "PAY", 9000)}));
    dir.write("budget.txt",
              "2026-03\t-7.00\tFOOD\r\n2026-04\t-10.00\tFOOD\r\n"
              "2027-03\t-33.3333\tFOOD\r\n2027-03\t50.00\tPAY\r\n");
    const FiscalStart fiscal{4, 15};
    const std::vector<MonthBudget> months = budgetByMonth(dir.path(), 2026, fiscal);
    ASSERT_EQ(months.size(), 12u);
    const BudgetStatement year = budgetAgainstActual(dir.path(), fiscalYearStart(2026, 4, 15),
                                                     fiscalYearStart(2027, 4, 15) - 1, fiscal);
    Money budget, actual, income;
    for (const MonthBudget& m : months) {
        budget += m.expense.budget;
        actual += m.expense.actual;
        income += m.income.budget;
    }
    EXPECT_EQ(budget, year.expense.budget);
    EXPECT_EQ(budget, Money::fromRaw(-433333));
    EXPECT_EQ(actual, Money::fromUnits(-60));
    EXPECT_EQ(income, Money::fromUnits(50));
    EXPECT_EQ(months.front().expense.actual, Money::fromUnits(-20));
}

}  // namespace
}  // namespace qbk

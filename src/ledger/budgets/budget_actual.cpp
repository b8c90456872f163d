#include "budgets/budget_actual.h"

#include <algorithm>
#include <map>

#include "mainwindow/date_range.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_file.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

// Exact products of amounts and day counts or per cents.
__extension__ using Wide = __int128;

// a * n / d rounded half away from zero (d > 0, 0 <= n <= d), exact in 128 bits.
Money share(Money amount, long long n, long long d) {
    const Wide product = static_cast<Wide>(amount.raw()) * n;
    const Wide half = d / 2;
    const Wide q = product >= 0 ? (product + half) / d : -((-product + half) / d);
    return Money::fromRaw(static_cast<std::int64_t>(q));
}

long long roundedRatioPercent(Money part, Money whole) {
    const Wide p = static_cast<Wide>(part.raw()) * 100;
    Wide w = whole.raw();
    Wide n = p;
    if (w < 0) {
        w = -w;
        n = -n;
    }
    const Wide q = n >= 0 ? (n + w / 2) / w : -((-n + w / 2) / w);
    // A share past a trillion per cent says nothing more than one at the bound.
    constexpr Wide kBound = 1'000'000'000'000;
    return static_cast<long long>(std::clamp(q, -kBound, kBound));
}

struct Sums {
    Money budget, actual;
};

}  // namespace

DaySerial budgetMonthStart(BudgetMonth month, FiscalStart fiscal) {
    return fiscalYearStart(month.year, month.month, fiscal.day);
}

BudgetMonth budgetMonthOf(DaySerial day, FiscalStart fiscal) {
    const std::optional<CivilDate> d = dateFromSerial(day);
    if (!d) return {};
    const BudgetMonth calendar{d->year, d->month};
    return day < budgetMonthStart(calendar, fiscal) ? calendar.plus(-1) : calendar;
}

std::vector<BudgetMonth> fiscalYearMonths(int fyStartYear, FiscalStart fiscal) {
    std::vector<BudgetMonth> months;
    const BudgetMonth first = BudgetMonth{fyStartYear, 1}.plus(fiscal.month - 1);
    for (int k = 0; k < 12; ++k)
        months.push_back(first.plus(k));
    return months;
}

Money budgetOver(const Budget& budget, std::string_view code, DaySerial first, DaySerial last,
                 FiscalStart fiscal) {
    Money sum;
    if (!(first <= last)) return sum;
    for (const BudgetLine& line : budget) {
        if (line.code != code) continue;
        const DaySerial start = budgetMonthStart(line.month, fiscal);
        const DaySerial next = budgetMonthStart(line.month.plus(1), fiscal);
        const DaySerial from = std::max(start, first), to = std::min(next - 1, last);
        if (!(from <= to)) continue;
        sum += share(line.amount, static_cast<long long>(to - from + 1),
                     static_cast<long long>(next - start));
    }
    return sum;
}

std::optional<long long> BudgetRow::percentUsed() const {
    if (budget.isZero()) return std::nullopt;
    return roundedRatioPercent(actual, budget);
}

BudgetStatement budgetAgainstActual(const Budget& budget,
                                    const std::vector<CategoryRecord>& categories,
                                    const RecordFileContent& records, DaySerial first,
                                    DaySerial last, FiscalStart fiscal) {
    std::map<std::string, Sums> sums;
    for (const BudgetLine& line : budget)
        sums.try_emplace(line.code);
    for (auto& [code, s] : sums)
        s.budget = budgetOver(budget, code, first, last, fiscal);
    for (std::size_t i = 1; i <= records.count(); ++i) {
        const char* r = records.at(i);
        if (entry_bytes::isDeleted(r)) continue;
        const DaySerial day = entry_bytes::entryDate(r);
        if (!(day >= first && day <= last)) continue;
        const std::string code = fromWindows1252(trimBlanks(entry_bytes::categoryCode(r)));
        sums[code].actual += entry_bytes::amount(r);
    }

    BudgetStatement statement;
    statement.first = first;
    statement.last = last;
    auto place = [&](const std::string& code, const std::string& name) {
        const auto found = sums.find(code);
        if (found == sums.end()) return;
        const Sums s = found->second;
        sums.erase(found);
        if (s.budget.isZero() && s.actual.isZero()) return;
        const bool income = s.budget.isZero() ? !s.actual.isNegative() : !s.budget.isNegative();
        BudgetSection& section = income ? statement.income : statement.expense;
        section.rows.push_back({code, name, s.budget, s.actual});
        section.budget += s.budget;
        section.actual += s.actual;
    };
    for (const CategoryRecord& c : categories) {
        const std::string code(trimBlanks(c.catCode));
        place(code, std::string(trimBlanks(c.catName)));
    }
    std::vector<std::string> rest;
    for (const auto& [code, s] : sums)
        rest.push_back(code);
    for (const std::string& code : rest)
        place(code, code);
    return statement;
}

BudgetStatement budgetAgainstActual(const std::string& dataFolder, DaySerial first, DaySerial last,
                                    FiscalStart fiscal) {
    const BookPaths paths(dataFolder);
    return budgetAgainstActual(readBudget(budgetFilePath(dataFolder)),
                               readCategories(paths.categories()), readRecordFile(paths.records()),
                               first, last, fiscal);
}

std::vector<MonthBudget> budgetByMonth(const std::string& dataFolder, int fyStartYear,
                                       FiscalStart fiscal) {
    const BookPaths paths(dataFolder);
    const Budget budget = readBudget(budgetFilePath(dataFolder));
    const std::vector<CategoryRecord> categories = readCategories(paths.categories());
    const RecordFileContent records = readRecordFile(paths.records());
    std::vector<MonthBudget> months;
    for (const BudgetMonth& m : fiscalYearMonths(fyStartYear, fiscal)) {
        BudgetStatement s =
            budgetAgainstActual(budget, categories, records, budgetMonthStart(m, fiscal),
                                budgetMonthStart(m.plus(1), fiscal) - 1, fiscal);
        s.income.rows.clear();
        s.expense.rows.clear();
        months.push_back({m, std::move(s.income), std::move(s.expense)});
    }
    return months;
}

}  // namespace qbk

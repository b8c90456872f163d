#include "store/budget_file.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/book_files.h"

namespace qbk {
namespace {

using namespace budget_layout;

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The amount of a line: a sign, digits, the point and two to four decimals.
std::optional<Money> parseAmount(std::string_view text) {
    const std::size_t point = text.find(kDecimalPoint);
    if (point == std::string_view::npos) return std::nullopt;
    std::string_view whole = text.substr(0, point);
    if (!whole.empty() && whole.front() == '-') whole.remove_prefix(1);
    const std::string_view decimals = text.substr(point + 1);
    if (!isDigits(whole) || !isDigits(decimals) || decimals.size() < kLeastDecimals ||
        decimals.size() > kMostDecimals)
        return std::nullopt;
    return Money::parseDecimal(text, kDecimalPoint);
}

bool lineBefore(const BudgetLine& a, const BudgetLine& b) {
    if (a.month != b.month) return a.month < b.month;
    return toWindows1252(a.code) < toWindows1252(b.code);
}

[[noreturn]] void damaged(const std::string& path, std::size_t number, std::string_view line,
                          const std::string& why) {
    throw OperationError(errnum::kTypeMismatch, "Line " + std::to_string(number) +
                                                    " of the budget " + path + " " + why + ": " +
                                                    std::string(line));
}

}  // namespace

BudgetMonth BudgetMonth::plus(int count) const {
    const int index = year * 12 + (month - 1) + count;
    return {index / 12, index % 12 + 1};
}

std::string budgetMonthText(BudgetMonth month) {
    std::string year = std::to_string(month.year);
    std::string number = std::to_string(month.month);
    return std::string(4 - std::min<std::size_t>(4, year.size()), '0') + year + kMonthDash +
           (month.month < 10 ? "0" : "") + number;
}

std::optional<BudgetMonth> parseBudgetMonth(std::string_view text) {
    if (text.size() != kMonthTextWidth || text[4] != kMonthDash) return std::nullopt;
    const std::string_view year = text.substr(0, 4), month = text.substr(5, 2);
    if (!isDigits(year) || !isDigits(month)) return std::nullopt;
    const BudgetMonth m{std::stoi(std::string(year)), std::stoi(std::string(month))};
    if (m.year < kFirstYear || m.year > kLastYear || m.month < 1 || m.month > 12)
        return std::nullopt;
    return m;
}

std::string budgetAmountText(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t size = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : raw;
    std::string decimals = std::to_string(size % Money::kScale);
    decimals.insert(0, kMostDecimals - decimals.size(), '0');
    while (decimals.size() > kLeastDecimals && decimals.back() == '0')
        decimals.pop_back();
    return (raw < 0 ? "-" : "") + std::to_string(size / Money::kScale) + kDecimalPoint + decimals;
}

std::string budgetCodeProblem(std::string_view code) {
    if (trimBlanks(code).empty()) return "has no category code";
    if (trimBlanks(code) != code) return "has blanks around its category code";
    if (charCount(code) > kMostCodeCharacters)
        return "has a category code longer than 10 characters";
    if (code.find_first_of("\t\r\n") != std::string_view::npos)
        return "has a TAB or a line end in its category code";
    return "";
}

Budget readBudget(const std::string& path) {
    Budget budget;
    if (!fileExists(path)) return budget;
    const std::string text = fromWindows1252(readFile(path));
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        const std::string& line = lines[n - 1];
        if (trimBlanks(line).empty()) continue;
        const std::size_t first = line.find(kSeparator);
        const std::size_t second =
            first == std::string::npos ? first : line.find(kSeparator, first + 1);
        if (second == std::string::npos) damaged(path, n, line, "is not MONTH TAB AMOUNT TAB CODE");
        const auto month = parseBudgetMonth(std::string_view(line).substr(0, first));
        if (!month) damaged(path, n, line, "has no month YYYY-MM");
        const auto amount =
            parseAmount(std::string_view(line).substr(first + 1, second - first - 1));
        if (!amount || amount->isZero()) damaged(path, n, line, "has no amount such as -400.00");
        BudgetLine entry{*month, line.substr(second + 1), *amount};
        if (const std::string problem = budgetCodeProblem(entry.code); !problem.empty())
            damaged(path, n, line, problem);
        if (!budget.empty() && !lineBefore(budget.back(), entry)) {
            if (budget.back().month == entry.month && budget.back().code == entry.code)
                damaged(path, n, line, "repeats a month and category of the line before");
            damaged(path, n, line, "is out of order (lines go by month, then code)");
        }
        budget.push_back(std::move(entry));
    }
    return budget;
}

std::string budgetFileBytes(const Budget& budget) {
    std::string text;
    for (const BudgetLine& line : budget) {
        if (line.amount.isZero()) continue;
        text += budgetMonthText(line.month);
        text += kSeparator;
        text += budgetAmountText(line.amount);
        text += kSeparator;
        text += line.code;
        text += kLineEnd;
    }
    return toWindows1252(text);
}

void writeBudget(const std::string& path, Budget budget) {
    std::stable_sort(budget.begin(), budget.end(), lineBefore);
    writeFileAtomically(path, budgetFileBytes(budget));
}

Money budgetAmount(const Budget& budget, BudgetMonth month, std::string_view code) {
    for (const BudgetLine& line : budget)
        if (line.month == month && line.code == code) return line.amount;
    return Money();
}

bool setBudgetAmount(Budget& budget, BudgetMonth month, std::string_view code, Money amount) {
    const BudgetLine wanted{month, std::string(code), amount};
    const auto at = std::lower_bound(budget.begin(), budget.end(), wanted, lineBefore);
    const bool present = at != budget.end() && at->month == month && at->code == code;
    if (present) {
        if (at->amount == amount) return false;
        if (amount.isZero())
            budget.erase(at);
        else
            at->amount = amount;
        return true;
    }
    if (amount.isZero()) return false;
    budget.insert(at, wanted);
    return true;
}

bool recodeBudget(Budget& budget, std::string_view oldCode, std::string_view newCode) {
    if (oldCode == newCode) return false;
    Budget moved;
    for (const BudgetLine& line : budget)
        if (line.code == oldCode) moved.push_back({line.month, std::string(newCode), line.amount});
    if (moved.empty()) return false;
    std::erase_if(budget, [&](const BudgetLine& line) {
        if (line.code == oldCode) return true;
        return line.code == newCode &&
               std::any_of(moved.begin(), moved.end(),
                           [&](const BudgetLine& m) { return m.month == line.month; });
    });
    budget.insert(budget.end(), moved.begin(), moved.end());
    std::stable_sort(budget.begin(), budget.end(), lineBefore);
    return true;
}

bool dropBudgetCategory(Budget& budget, std::string_view code) {
    return std::erase_if(budget, [&](const BudgetLine& line) { return line.code == code; }) > 0;
}

std::string budgetFilePath(const std::string& dataFolder) {
    return joinPath(dataFolder, kBudgetFileName);
}

void recodeBudgetFile(const std::string& dataFolder, std::string_view oldCode,
                      std::string_view newCode) {
    const std::string path = budgetFilePath(dataFolder);
    Budget budget = readBudget(path);
    if (recodeBudget(budget, trimBlanks(oldCode), trimBlanks(newCode))) writeBudget(path, budget);
}

void dropBudgetFileCategory(const std::string& dataFolder, std::string_view code) {
    const std::string path = budgetFilePath(dataFolder);
    Budget budget = readBudget(path);
    if (dropBudgetCategory(budget, trimBlanks(code))) writeBudget(path, budget);
}

}  // namespace qbk

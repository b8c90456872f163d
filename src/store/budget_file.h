// The budget of a book: an amount planned per category and budget month, kept in the
// plain text file kBudgetFileName of the data folder, Windows-1252 like the other text
// files there, so that it can also be read and kept with a text editor.
//
// A budget month is one of the twelve months of a fiscal year: it begins on the fiscal
// year's start day (FYDay, or the month's last day when the month is shorter) of a
// calendar month and ends the day before the next one begins. It is named by that
// calendar month ("2026-04"), so a line keeps its meaning whatever fiscal year it falls
// in; the budget of a fiscal year is the lines of its twelve months.
//
// Byte layout, one line per category and month, each ended by CR LF:
//
//     <YYYY-MM> TAB <amount> TAB <code>
//
//   YYYY-MM  the budget month: four-digit year 0001..9999, "-", two-digit month
//   amount   signed decimal text with "." and two to four decimals ("-400.00"): income
//            positive and expense negative, as entries carry them; never 0
//   code     the category code without surrounding blanks (1 to 10 characters, no TAB),
//            the rest of the line
//
// Lines are sorted by month, then by the code's bytes; a month and code stand once.
// Blank lines are passed over when read.
#ifndef QBK_STORE_BUDGET_FILE_H_
#define QBK_STORE_BUDGET_FILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/money.h"

namespace qbk {

namespace budget_layout {
inline constexpr char kSeparator = '\t';
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::size_t kMonthTextWidth = 7;  // "YYYY-MM"
inline constexpr char kMonthDash = '-';
inline constexpr char kDecimalPoint = '.';
inline constexpr int kLeastDecimals = 2;
inline constexpr int kMostDecimals = 4;
inline constexpr std::size_t kMostCodeCharacters = 10;
inline constexpr int kFirstYear = 1, kLastYear = 9999;
}  // namespace budget_layout

// A budget month, named by the calendar month it begins in.
struct BudgetMonth {
    int year = 0;
    int month = 0;  // 1..12
    friend auto operator<=>(const BudgetMonth&, const BudgetMonth&) = default;
    // The month `count` months later (earlier for a negative count).
    BudgetMonth plus(int count) const;
};

struct BudgetLine {
    BudgetMonth month;
    std::string code;  // UTF-8, without surrounding blanks
    Money amount;
    friend bool operator==(const BudgetLine&, const BudgetLine&) = default;
};

// Sorted by month, then code; no zero amounts, a month and code once.
using Budget = std::vector<BudgetLine>;

// "YYYY-MM", and back; nullopt for any other text or a year outside 1..9999.
std::string budgetMonthText(BudgetMonth month);
std::optional<BudgetMonth> parseBudgetMonth(std::string_view text);

// The amount as the file writes it: "." and two decimals, more when the amount has them.
std::string budgetAmountText(Money amount);

// The budget in the file at `path`; empty when the file is missing. Throws
// OperationError (type mismatch) naming the file, the line's number and its text when a
// line does not follow the layout, or repeats a month and code, so that a mistyped line
// is mended rather than lost.
Budget readBudget(const std::string& path);

// The file's bytes for `budget` (Windows-1252).
std::string budgetFileBytes(const Budget& budget);

// Replaces the file at `path` atomically with `budget` (sorted, zero amounts left out).
void writeBudget(const std::string& path, Budget budget);

// Why `code` cannot stand in the budget (blank, longer than 10 characters, holding a
// TAB or a line end), or "" when it can.
std::string budgetCodeProblem(std::string_view code);

// The amount of `code` for `month`, 0 when it has none.
Money budgetAmount(const Budget& budget, BudgetMonth month, std::string_view code);

// Sets the amount of `code` for `month` (0 removes the line), keeping the order.
// Returns whether the budget changed.
bool setBudgetAmount(Budget& budget, BudgetMonth month, std::string_view code, Money amount);

// Gives the lines of `oldCode` the code `newCode`; they replace any lines `newCode`
// had for the same months. Returns whether the budget changed.
bool recodeBudget(Budget& budget, std::string_view oldCode, std::string_view newCode);

// Removes every line of `code`. Returns whether the budget changed.
bool dropBudgetCategory(Budget& budget, std::string_view code);

// The budget file of the data folder `dataFolder`.
std::string budgetFilePath(const std::string& dataFolder);

// What a category rename and a category delete do to the budget file of `dataFolder`,
// as part of the change the caller makes under the book's lock: the file is written
// only when its lines change.
void recodeBudgetFile(const std::string& dataFolder, std::string_view oldCode,
                      std::string_view newCode);
void dropBudgetFileCategory(const std::string& dataFolder, std::string_view code);

}  // namespace qbk

#endif  // QBK_STORE_BUDGET_FILE_H_

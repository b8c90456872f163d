#include "budgets/budget_report.h"

#include "platform/windows1252.h"
#include "reports/money_text.h"
#include "reports/report_lines.h"
#include "store/category_record.h"

namespace qbk {
namespace {

constexpr std::size_t kIndent = 3;
constexpr std::size_t kUsedWidth = 5;  // "113" right-aligned, then " %"

std::string right(std::string_view text, std::size_t width) {
    const std::size_t n = charCount(text);
    return n >= width ? std::string(text) : std::string(width - n, ' ') + std::string(text);
}

struct Columns {
    const RegionalSettings& regional;
    std::size_t width;
    bool wide;
    const ReportCaptions& captions;

    std::string money(Money m) const { return MoneyRight(m, regional, width); }

    std::string line(std::string_view name, Money budget, Money actual,
                     std::optional<long long> percent) const {
        std::string out(kIndent, ' ');
        out += fitField(name, category_layout::kCatNameWidth);
        out += "  " + money(budget) + "  " + money(actual) + "  " + money(actual - budget);
        out += ' ';  // one blank: the widest money still fits the narrow rule
        out += percent ? right(std::to_string(*percent), kUsedWidth) + " %"
                       : std::string(kUsedWidth + 2, ' ');
        if (wide) out += "  " + budgetBar(percent);
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        return out;
    }

    std::string heading() const {
        std::string out(kIndent, ' ');
        const ReportCaptions& c = captions;
        out += fitField(c.category, category_layout::kCatNameWidth);
        out += "  " + right(c.budget, width) + "  " + right(c.actual, width) + "  " +
               right(c.difference, width) + " " + right(c.used, kUsedWidth + 2);
        if (wide) out += "  " + std::string(c.graph);
        return out;
    }
};

std::optional<long long> percentOf(Money actual, Money budget) {
    BudgetRow row;
    row.budget = budget;
    row.actual = actual;
    return row.percentUsed();
}

void writeSection(std::string& out, const Columns& c, std::string_view title,
                  std::string_view total, const BudgetSection& section) {
    addLine(out, title);
    addLine(out, "");
    addLine(out, c.heading());
    addLine(out, "");
    for (const BudgetRow& row : section.rows)
        addLine(out, c.line(row.name, row.budget, row.actual, row.percentUsed()));
    addLine(out, "");
    addLine(out, c.line(total, section.budget, section.actual,
                        percentOf(section.actual, section.budget)));
    addLine(out, "");
}

std::string csvField(std::string_view text) {
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

void csvLine(std::string& out, std::string_view kind, std::string_view code, std::string_view name,
             Money budget, Money actual, bool used = true) {
    const std::optional<long long> percent =
        used ? percentOf(actual, budget) : std::optional<long long>();
    out += csvField(kind) + "," + csvField(code) + "," + csvField(name) + "," +
           budgetAmountText(budget) + "," + budgetAmountText(actual) + "," +
           budgetAmountText(actual - budget) + "," + (percent ? std::to_string(*percent) : "") +
           "\r\n";
}

}  // namespace

std::string budgetBar(std::optional<long long> percent) {
    if (!percent || *percent <= 0) return "";
    const long long bars =
        std::min<long long>((*percent * kBudgetBarFull + 50) / 100, kBudgetBarFull);
    std::string out(static_cast<std::size_t>(bars), '|');
    if (*percent > 100) {
        const long long more =
            std::min<long long>((*percent - 100 + 19) / 20, kBudgetBarMost - kBudgetBarFull);
        out += std::string(static_cast<std::size_t>(more), '+');
    }
    return out;
}

std::string budgetReportText(const BudgetStatement& statement, const BudgetReportHeading& heading,
                             const RegionalSettings& regional, bool wide,
                             const ReportCaptions& captions) {
    const std::size_t ruleWidth = wide ? kWideRuleWidth : kNarrowRuleWidth;
    const Columns c{regional, moneyWidth(regional), wide, captions};
    std::string out;
    addLine(out, std::string(captions.cashflowRecordFor) + fieldText(heading.ownerName) +
                     (wide ? std::string(34, ' ') : std::string()) + std::string(captions.printed) +
                     regional.shortDate(heading.today));
    addRule(out, ruleWidth);
    addLine(out, std::string(captions.budgetPeriod) + regional.shortDate(statement.first) +
                     std::string(captions.through) + regional.shortDate(statement.last) +
                     std::string(captions.inclusive));
    addRule(out, ruleWidth);
    writeSection(out, c, captions.budgetOut, captions.budgetTotalExpense, statement.expense);
    writeSection(out, c, captions.budgetIn, captions.budgetTotalIncome, statement.income);
    addLine(out, c.line(captions.balance, statement.budgetBalance(), statement.actualBalance(),
                        std::nullopt));
    addLine(out, "");
    addRule(out, ruleWidth);
    addLine(out, "   " + std::string(captions.endOfReport));
    return out;
}

std::string budgetCsv(const BudgetStatement& statement) {
    std::string out =
        "\"Kind\",\"Code\",\"Category\",\"Budget\",\"Actual\",\"Difference\",\"Used %\"\r\n";
    for (const BudgetRow& row : statement.expense.rows)
        csvLine(out, "Expense", row.code, row.name, row.budget, row.actual);
    for (const BudgetRow& row : statement.income.rows)
        csvLine(out, "Income", row.code, row.name, row.budget, row.actual);
    csvLine(out, "Total Expense", "", "", statement.expense.budget, statement.expense.actual);
    csvLine(out, "Total Income", "", "", statement.income.budget, statement.income.actual);
    csvLine(out, "Balance", "", "", statement.budgetBalance(), statement.actualBalance(), false);
    return out;
}

}  // namespace qbk

// qbk3-cli budget set|list|copy: the budget of a book per category and budget month
// (store/budget_file.h), kept beside the entries. Amounts carry the sign of entries:
// money out is negative ("-400"), money in positive, as the report and the window show
// them.
#include <algorithm>

#include "budgets/budget_actual.h"
#include "cli/command.h"
#include "mainwindow/date_range.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/amount.h"
#include "store/book_files.h"
#include "store/budget_file.h"
#include "store/category_record.h"

namespace qbk {
namespace {

struct BudgetArguments {
    std::string folder, code, amount, format = "tsv";
    std::optional<std::string> month, fiscalYear, fromYear, toYear;
};

FiscalStart fiscalStartOf(const SettingsRecord& settings) {
    return {settings.fyMonth(), settings.fyDay()};
}

int yearOption(const std::optional<std::string>& typed, const CliContext& cx,
               const SettingsRecord& settings) {
    if (typed) return integerOption(*typed, 100, 9998);
    return FiscalYearOf(cx.clock.today(), settings.fyMonth(), settings.fyDay());
}

// AMOUNT in the regional settings; a leading "-" makes it money out.
Money budgetAmountOption(const CliContext& cx, std::string_view typed) {
    std::string_view text = trimBlanks(typed);
    const bool out = !text.empty() && text.front() == '-';
    if (out) text.remove_prefix(1);
    const std::optional<Money> amount = typedAmount(text, cx.regional, !out);
    if (!amount) throw UsageError{"not an amount: " + std::string(typed)};
    return *amount;
}

std::vector<CategoryRecord> categoriesOf(const std::string& folder) {
    return readCategories(joinPath(folder, kCategoryFileName));
}

std::string categoryName(const std::vector<CategoryRecord>& categories, const std::string& code) {
    for (const CategoryRecord& c : categories)
        if (trimBlanks(c.catCode) == code) return std::string(trimBlanks(c.catName));
    return code;
}

int setBudget(const BudgetArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const SettingsRecord settings = programSettings(cx);
    const std::string code(trimBlanks(a.code));
    const Money amount = budgetAmountOption(cx, a.amount);
    std::vector<BudgetMonth> months;
    if (a.month) {
        const std::optional<BudgetMonth> month = parseBudgetMonth(*a.month);
        if (!month) throw UsageError{"not a month YYYY-MM: " + *a.month};
        months.push_back(*month);
    } else {
        months = fiscalYearMonths(yearOption(a.fiscalYear, cx, settings), fiscalStartOf(settings));
    }
    return asOneChange(cx, folder, [&](CliContext& in) {
        const auto categories = categoriesOf(folder);
        if (std::none_of(categories.begin(), categories.end(),
                         [&](const CategoryRecord& c) { return trimBlanks(c.catCode) == code; }))
            throw UsageError{"no such category: " + code};
        const std::string path = budgetFilePath(folder);
        Budget budget = readBudget(path);
        bool changed = false;
        for (const BudgetMonth& m : months)
            changed |= setBudgetAmount(budget, m, code, amount);
        if (changed) writeBudget(path, budget);
        const std::string span = months.size() == 1 ? budgetMonthText(months.front())
                                                    : budgetMonthText(months.front()) + " to " +
                                                          budgetMonthText(months.back());
        in.out << "The budget of " << code << " is " << budgetAmountText(amount) << " a month for "
               << span << (changed ? "" : " (unchanged)") << ".\n";
        return kExitDone;
    });
}

std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(ch >> 4) & 0xF];
            out += kHex[ch & 0xF];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

int listBudget(const BudgetArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const SettingsRecord settings = programSettings(cx);
    const int year = yearOption(a.fiscalYear, cx, settings);
    const std::vector<BudgetMonth> months = fiscalYearMonths(year, fiscalStartOf(settings));
    const Budget budget = readBudget(budgetFilePath(folder));
    const auto categories = categoriesOf(folder);
    // The codes with a line in the year: the category file's first, in its order.
    std::vector<std::string> codes;
    auto inYear = [&](const std::string& code) {
        return std::any_of(budget.begin(), budget.end(), [&](const BudgetLine& l) {
            return l.code == code && l.month >= months.front() && l.month <= months.back();
        });
    };
    for (const CategoryRecord& c : categories)
        if (const std::string code(trimBlanks(c.catCode)); inYear(code)) codes.push_back(code);
    for (const BudgetLine& l : budget)
        if (std::find(codes.begin(), codes.end(), l.code) == codes.end() && inYear(l.code))
            codes.push_back(l.code);

    const bool json = a.format == "json";
    if (json) {
        cx.out << "{\"fiscalYear\":" << year << ",\"months\":[";
        for (std::size_t k = 0; k < months.size(); ++k)
            cx.out << (k ? "," : "") << '"' << budgetMonthText(months[k]) << '"';
        cx.out << "],\"categories\":[";
    } else {
        cx.out << "Code\tName";
        for (const BudgetMonth& m : months)
            cx.out << '\t' << budgetMonthText(m);
        cx.out << "\tYear\n";
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string& code = codes[i];
        Money total;
        std::string amounts;
        for (std::size_t k = 0; k < months.size(); ++k) {
            const Money m = budgetAmount(budget, months[k], code);
            total += m;
            amounts += (json ? (k ? "," : "") : "\t") + budgetAmountText(m);
        }
        if (json)
            cx.out << (i ? ",\n" : "\n") << "{\"code\":" << jsonText(code)
                   << ",\"name\":" << jsonText(categoryName(categories, code)) << ",\"amounts\":["
                   << amounts << "],\"year\":" << budgetAmountText(total) << "}";
        else
            cx.out << code << '\t' << categoryName(categories, code) << amounts << '\t'
                   << budgetAmountText(total) << '\n';
    }
    if (json) cx.out << "]}\n";
    return kExitDone;
}

int copyBudget(const BudgetArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const SettingsRecord settings = programSettings(cx);
    const int from = integerOption(*a.fromYear, 100, 9998);
    const int to = integerOption(*a.toYear, 100, 9998);
    if (from == to) throw UsageError{"--from-year and --to-year name one fiscal year"};
    const auto source = fiscalYearMonths(from, fiscalStartOf(settings));
    const auto target = fiscalYearMonths(to, fiscalStartOf(settings));
    return asOneChange(cx, folder, [&](CliContext& in) {
        const std::string path = budgetFilePath(folder);
        Budget budget = readBudget(path);
        Budget copied;
        for (const BudgetLine& l : budget)
            if (l.month >= source.front() && l.month <= source.back())
                copied.push_back({l.month.plus((to - from) * 12), l.code, l.amount});
        if (copied.empty())
            return refuse(in, "The fiscal year " + std::to_string(from) +
                                  " has no budget; nothing has been copied.");
        std::erase_if(budget, [&](const BudgetLine& l) {
            return l.month >= target.front() && l.month <= target.back();
        });
        budget.insert(budget.end(), copied.begin(), copied.end());
        writeBudget(path, budget);
        in.out << "Copied " << copied.size() << " budget lines of the fiscal year " << from
               << " to " << to << " (its earlier lines replaced).\n";
        return kExitDone;
    });
}

}  // namespace

Subcommand makeBudgetCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("budget", "Set, list or copy the budget per category and month.");
    c->require_subcommand(1);
    auto a = std::make_shared<BudgetArguments>();

    auto* set = c->add_subcommand(
        "set",
        "Budget AMOUNT a month for the category CODE (every month of the fiscal year "
        "unless --month).");
    addFolder(*set, a->folder);
    set->add_option("CODE", a->code, "the category's code as listed")->required();
    set->add_option("AMOUNT", a->amount,
                    "money per month: -400 for money out, 400 for money in, 0 removes")
        ->required()
        ->allow_extra_args(false);
    auto* month =
        set->add_option("--month", a->month, "one budget month only")->type_name("YYYY-MM");
    set->add_option("--fiscal-year", a->fiscalYear,
                    "every month of the fiscal year that begins in YEAR (default: this one)")
        ->type_name("YEAR")
        ->excludes(month);

    auto* list = c->add_subcommand("list", "Print the budget of a fiscal year, a line a category.");
    addFolder(*list, a->folder);
    list->add_option("--fiscal-year", a->fiscalYear, "the fiscal year that begins in YEAR")
        ->type_name("YEAR");
    list->add_option("--format", a->format, "tsv (default) or json")
        ->check(CLI::IsMember({"tsv", "json"}));

    auto* copy = c->add_subcommand(
        "copy", "Make one fiscal year's budget the same as another's, month by month.");
    addFolder(*copy, a->folder);
    copy->add_option("--from-year", a->fromYear, "the fiscal year copied")
        ->type_name("YEAR")
        ->required();
    copy->add_option("--to-year", a->toYear, "the fiscal year whose budget it replaces")
        ->type_name("YEAR")
        ->required();

    return {c, [=, &cx] {
                if (set->parsed()) return setBudget(*a, cx);
                if (list->parsed()) return listBudget(*a, cx);
                return copyBudget(*a, cx);
            }};
}

}  // namespace qbk

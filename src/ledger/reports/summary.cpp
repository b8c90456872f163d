#include "reports/summary.h"

#include "platform/windows1252.h"
#include "reports/report_lines.h"
#include "reports/user_field_columns.h"

namespace qbk {
namespace {

// "   Category                  Sub Total             Graph" in English.
std::string columnHeading(const ReportCaptions& c) {
    return "   " + padCaption(c.category, 26) + padCaption(c.subTotal, 22) + std::string(c.graph);
}

// A money line's caption, "   Total Expense:        ", the money after it.
std::string moneyCaption(std::string_view caption) {
    return "   " + padCaption(caption, 22);
}

// The wide open items' heading starts with the date heading padded to the date's
// column, then "Note" padded to the note's width when it comes first.
constexpr std::size_t kWideDateWidth = 15, kNoteWidth = 61, kNarrowDateWidth = 12;
// Between an item's date and its fields in the wide layout.
constexpr std::string_view kWideItemGap = "     ";

struct Layout {
    std::size_t ruleWidth;
    int barWidth;
    bool userFields;
};

// The lines of one money section: a line per category with a subtotal other than 0.
void writeCategoryLines(std::string& out, const ReportSources& s, const CategoryIndex& index,
                        Money total, const Layout& layout) {
    const Money largest = GetLargestCategory(index, s.categories);
    for (const CategoryLine& c : categoryLines(index, s.categories)) {
        std::string line = "   ";
        line += fitField(c.category->catName, category_layout::kCatNameWidth);
        line += "  ";
        line += s.money(c.sum);
        line += "  (";
        line += shareText(c.sum, total, s.regional);
        line += " %)  ";
        line += barText(c.sum, largest, layout.barWidth);
        addLine(out, line);
    }
}

void writeOpenItems(std::string& out, const ReportSources& s, const Layout& layout) {
    const ReportCaptions& c = s.captions;
    const UserFieldColumns columns(s.settings.gridOrder());
    const std::string shortPrefix = "   " + padCaption(c.date, kWideDateWidth);
    const std::string heading =
        layout.userFields ? columns.heading(shortPrefix + padCaption(c.note, kNoteWidth),
                                            shortPrefix, fieldText(s.settings.udf1Name()),
                                            fieldText(s.settings.udf2Name()), c.note)
                          : "   " + padCaption(c.date, kNarrowDateWidth) + std::string(c.note);
    for (const CategoryRecord& category : s.categories) {
        const CategoryGroup* group = s.todo.find(category);
        if (group == nullptr) continue;
        addLine(out, "");
        addLine(out, "   " + std::string(c.category) + ": " +
                         fitField(category.catName, category_layout::kCatNameWidth));
        addLine(out, "");
        addLine(out, heading);
        addLine(out, "");
        for (std::uint32_t i : *group) {
            const EntryRecord r = s.todo.content().record(i);
            std::string line = "   ";
            line += s.regional.shortDate(r.entryDate);
            if (layout.userFields) {
                line += kWideItemGap;
                columns.appendItem(line, r.note, r.userField1, r.userField2);
            } else {
                line += "  ";
                line += trimBlanks(r.note);
            }
            addLine(out, line);
        }
    }
}

void writeSummary(std::string& out, const ReportSources& s, const Layout& layout) {
    const Money totalIncome = TotalUp(s.income.content());
    const Money totalExpense = TotalUp(s.expense.content());

    const ReportCaptions& c = s.captions;
    const std::string kColumnHeading = columnHeading(c);
    addLine(out, c.summaryOut);
    addLine(out, "");
    addLine(out, kColumnHeading);
    addLine(out, "");
    writeCategoryLines(out, s, s.expense, totalExpense, layout);
    addLine(out, "");
    addLine(out, moneyCaption(c.totalExpense) + s.money(totalExpense));
    addLine(out, "");

    addLine(out, c.summaryIn);
    addLine(out, "");
    addLine(out, kColumnHeading);
    addLine(out, "");
    writeCategoryLines(out, s, s.income, totalIncome, layout);
    addLine(out, "");
    addLine(out, moneyCaption(c.totalIncome) + s.money(totalIncome));
    addLine(out, "");

    const Money spent = totalExpense.abs();
    if (totalIncome > spent)
        addLine(out, moneyCaption(c.surplus) + s.money(totalIncome - spent));
    else if (totalIncome < spent)
        addLine(out, moneyCaption(c.deficit) + s.money(spent - totalIncome));
    addLine(out, "");

    addRule(out, layout.ruleWidth);
    addLine(out, "   " + std::string(c.openItems));
    addRule(out, layout.ruleWidth);
    writeOpenItems(out, s, layout);
}

}  // namespace

void WriteSummary(std::string& out, const ReportSources& sources) {
    writeSummary(out, sources, {kNarrowRuleWidth, kNarrowBarWidth, false});
}

void WriteWideSummary(std::string& out, const ReportSources& sources) {
    writeSummary(out, sources, {kWideRuleWidth, kWideBarWidth, true});
}

}  // namespace qbk

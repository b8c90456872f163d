#include "reports/summary.h"

#include "platform/windows1252.h"
#include "reports/report_lines.h"
#include "reports/user_field_columns.h"

namespace qbk {
namespace {

constexpr std::string_view kColumnHeading =
    "   Category                  Sub Total             Graph";

// Pieces of the wide open items' heading: the date heading with "Note" padded to the
// note's width, or without it.
const std::string kWideItemsLong = "   Date           Note" + std::string(57, ' ');
constexpr std::string_view kWideItemsShort = "   Date           ";
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
    const UserFieldColumns columns(s.settings.gridOrder());
    const std::string heading =
        layout.userFields
            ? columns.heading(kWideItemsLong, kWideItemsShort, fieldText(s.settings.udf1Name()),
                              fieldText(s.settings.udf2Name()))
            : std::string("   Date        Note");
    for (const CategoryRecord& category : s.categories) {
        const CategoryGroup* group = s.todo.find(category);
        if (group == nullptr) continue;
        addLine(out, "");
        addLine(out, "   Category: " + fitField(category.catName, category_layout::kCatNameWidth));
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

    addLine(out, " --- Summary of money that went OUT ---");
    addLine(out, "");
    addLine(out, kColumnHeading);
    addLine(out, "");
    writeCategoryLines(out, s, s.expense, totalExpense, layout);
    addLine(out, "");
    addLine(out, "   Total Expense:        " + s.money(totalExpense));
    addLine(out, "");

    addLine(out, " --- Summary of money that came IN ---");
    addLine(out, "");
    addLine(out, kColumnHeading);
    addLine(out, "");
    writeCategoryLines(out, s, s.income, totalIncome, layout);
    addLine(out, "");
    addLine(out, "   Total Income :        " + s.money(totalIncome));
    addLine(out, "");

    const Money spent = totalExpense.abs();
    if (totalIncome > spent)
        addLine(out, "   A SURPLUS of          " + s.money(totalIncome - spent));
    else if (totalIncome < spent)
        addLine(out, "   A DEFICIT of          " + s.money(spent - totalIncome));
    addLine(out, "");

    addRule(out, layout.ruleWidth);
    addLine(out, "   Open Items");
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

#include "reports/full_report.h"

#include <algorithm>

#include "platform/windows1252.h"
#include "reports/report_lines.h"
#include "reports/user_field_columns.h"

namespace qbk {
namespace {

// Pieces of the wide line items' heading: date and amount headings with "Note" padded
// to the note's width, or without it.
const std::string kWideDetailsLong = "Date               Amount  Note" + std::string(57, ' ');
constexpr std::string_view kWideDetailsShort = "Date               Amount  ";

void writeHeader(std::string& out, const ReportHeading& heading, const ReportSources& s,
                 std::string_view beforePrinted, std::size_t ruleWidth) {
    const RegionalSettings& rs = s.regional;
    addLine(out, "Cashflow Record for " + fieldText(s.settings.ownerName()) +
                     std::string(beforePrinted) + "Printed: " + rs.shortDate(heading.today));
    addRule(out, ruleWidth);
    addLine(out, "Searched the period " + heading.rangeStart + " through " + heading.rangeEnd +
                     ", inclusive.");
    addLine(out, "Records found span  " + rs.shortDate(heading.firstEntry) + " through " +
                     rs.shortDate(heading.lastEntry) + ", inclusive.");
    addRule(out, ruleWidth);
}

void writeItems(std::string& out, const ReportSources& s, const CategoryIndex& index, bool wide) {
    const UserFieldColumns columns(s.settings.gridOrder());
    const std::string heading =
        wide ? columns.heading(kWideDetailsLong, kWideDetailsShort,
                               fieldText(s.settings.udf1Name()), fieldText(s.settings.udf2Name()))
             : std::string("Date             Amount  Note");
    std::string line;
    for (const CategoryRecord& category : s.categories) {
        const CategoryGroup* group = index.find(category);
        if (group == nullptr) continue;
        addLine(out, "");
        addLine(out, "Category: " + fitField(category.catName, category_layout::kCatNameWidth));
        addLine(out, "");
        addLine(out, heading);
        addLine(out, "");
        for (std::uint32_t i : *group) {
            const EntryRecord r = index.content().record(i);
            line = s.regional.shortDate(r.entryDate);
            if (wide) line += "  ";
            line += s.money(r.amount.abs());
            line += "  ";
            if (wide)
                columns.appendItem(line, r.note, r.userField1, r.userField2);
            else
                line += trimBlanks(r.note);
            addLine(out, line);
        }
    }
}

void writeDetails(std::string& out, const ReportSources& s, std::size_t ruleWidth, bool wide) {
    addLine(out, "");
    addRule(out, ruleWidth);
    addLine(out, "   Expense Line Items...");
    addRule(out, ruleWidth);
    writeItems(out, s, s.expense, wide);
    addLine(out, "");
    addRule(out, ruleWidth);
    addLine(out, "   Income Line Items...");
    addRule(out, ruleWidth);
    writeItems(out, s, s.income, wide);
}

void writeEnd(std::string& out, std::size_t ruleWidth) {
    addRule(out, ruleWidth);
    addLine(out, "   End of report");
}

}  // namespace

void setEntrySpan(ReportHeading& heading, const RecordFileContent& reportList) {
    if (reportList.count() == 0) return;
    heading.firstEntry = heading.lastEntry = entry_bytes::entryDate(reportList.at(1));
    for (std::size_t i = 2; i <= reportList.count(); ++i) {
        const DaySerial day = entry_bytes::entryDate(reportList.at(i));
        heading.firstEntry = std::min(heading.firstEntry, day);
        heading.lastEntry = std::max(heading.lastEntry, day);
    }
}

void WriteReportHeader(std::string& out, const ReportHeading& heading, const ReportSources& s) {
    writeHeader(out, heading, s, "", kNarrowRuleWidth);
}

void WriteWideReportHeader(std::string& out, const ReportHeading& heading, const ReportSources& s) {
    writeHeader(out, heading, s, std::string(34, ' '), kWideRuleWidth);
}

void WriteDetails(std::string& out, const ReportSources& s) {
    writeDetails(out, s, kNarrowRuleWidth, false);
}

void WriteWideDetails(std::string& out, const ReportSources& s) {
    writeDetails(out, s, kWideRuleWidth, true);
}

void WriteReportEnd(std::string& out) {
    writeEnd(out, kNarrowRuleWidth);
}

void WriteWideReportEnd(std::string& out) {
    writeEnd(out, kWideRuleWidth);
}

}  // namespace qbk

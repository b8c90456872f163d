#include "reports/full_report.h"

#include <algorithm>

#include "platform/windows1252.h"
#include "reports/report_lines.h"
#include "reports/user_field_columns.h"

namespace qbk {
namespace {

// The line items' headings: the date heading, then the amount heading ending where the
// amounts end (column 23, or 25 in the wide layout), then "Note" (padded to the note's
// width when user fields follow it).
constexpr std::size_t kNarrowAmountEnd = 23, kWideAmountEnd = 25, kNoteWidth = 61;

std::string dateAndAmount(const ReportCaptions& c, std::size_t amountEnd) {
    const std::size_t amount = captionWidth(c.amount);
    return padCaption(c.date, amountEnd > amount ? amountEnd - amount : 0) + std::string(c.amount) +
           "  ";
}

void writeHeader(std::string& out, const ReportHeading& heading, const ReportSources& s,
                 std::string_view beforePrinted, std::size_t ruleWidth) {
    const RegionalSettings& rs = s.regional;
    const ReportCaptions& c = s.captions;
    addLine(out, std::string(c.cashflowRecordFor) + fieldText(s.settings.ownerName()) +
                     std::string(beforePrinted) + std::string(c.printed) +
                     rs.shortDate(heading.today));
    addRule(out, ruleWidth);
    // The two lines' dates stand one above the other.
    const std::size_t column =
        std::max(captionWidth(c.searchedPeriod), captionWidth(c.recordsSpan));
    addLine(out, padCaption(c.searchedPeriod, column) + heading.rangeStart +
                     std::string(c.through) + heading.rangeEnd + std::string(c.inclusive));
    addLine(out, padCaption(c.recordsSpan, column) + rs.shortDate(heading.firstEntry) +
                     std::string(c.through) + rs.shortDate(heading.lastEntry) +
                     std::string(c.inclusive));
    addRule(out, ruleWidth);
}

void writeItems(std::string& out, const ReportSources& s, const CategoryIndex& index, bool wide) {
    const ReportCaptions& c = s.captions;
    const UserFieldColumns columns(s.settings.gridOrder());
    const std::string wideShort = dateAndAmount(c, kWideAmountEnd);
    const std::string heading = wide ? columns.heading(wideShort + padCaption(c.note, kNoteWidth),
                                                       wideShort, fieldText(s.settings.udf1Name()),
                                                       fieldText(s.settings.udf2Name()), c.note)
                                     : dateAndAmount(c, kNarrowAmountEnd) + std::string(c.note);
    std::string line;
    for (const CategoryRecord& category : s.categories) {
        const CategoryGroup* group = index.find(category);
        if (group == nullptr) continue;
        addLine(out, "");
        addLine(out, std::string(c.category) + ": " +
                         fitField(category.catName, category_layout::kCatNameWidth));
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
    addLine(out, "   " + std::string(s.captions.expenseLineItems));
    addRule(out, ruleWidth);
    writeItems(out, s, s.expense, wide);
    addLine(out, "");
    addRule(out, ruleWidth);
    addLine(out, "   " + std::string(s.captions.incomeLineItems));
    addRule(out, ruleWidth);
    writeItems(out, s, s.income, wide);
}

void writeEnd(std::string& out, std::size_t ruleWidth, const ReportCaptions& c) {
    addRule(out, ruleWidth);
    addLine(out, "   " + std::string(c.endOfReport));
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

void WriteReportEnd(std::string& out, const ReportCaptions& captions) {
    writeEnd(out, kNarrowRuleWidth, captions);
}

void WriteWideReportEnd(std::string& out, const ReportCaptions& captions) {
    writeEnd(out, kWideRuleWidth, captions);
}

}  // namespace qbk

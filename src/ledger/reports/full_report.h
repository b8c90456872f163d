// The report frame: the heading, the line items of the full reports and the end line.
#ifndef QBK_REPORTS_FULL_REPORT_H_
#define QBK_REPORTS_FULL_REPORT_H_

#include <string>

#include "platform/dates.h"
#include "reports/report_sources.h"
#include "store/record_file.h"

namespace qbk {

// What the heading shows besides the owner's name.
struct ReportHeading {
    std::string rangeStart;  // the displayed range, as its date texts
    std::string rangeEnd;
    DaySerial today = 0;
    DaySerial firstEntry = 0;  // earliest and latest EntryDate of the report list file
    DaySerial lastEntry = 0;
};

// The earliest and latest entry dates of every record of the report list file (rows
// removed from the list and entries listed twice count alike), into `heading`.
// `reportList` must hold at least one record.
void setEntrySpan(ReportHeading& heading, const RecordFileContent& reportList);

// WriteReportHeader / WriteWideReportHeader: the five heading lines, with rules of 79
// or 113 characters; in the wide heading 34 blanks stand before "Printed: ".
void WriteReportHeader(std::string& out, const ReportHeading& heading, const ReportSources& s);
void WriteWideReportHeader(std::string& out, const ReportHeading& heading, const ReportSources& s);

// WriteDetails / WriteWideDetails: the line items of money out and money in by
// category, amounts without sign; the wide ones with the user-defined fields in the
// column order of GridOrder.
void WriteDetails(std::string& out, const ReportSources& s);
void WriteWideDetails(std::string& out, const ReportSources& s);

// WriteReportEnd / WriteWideReportEnd: a rule and "   End of report" (in `captions`).
void WriteReportEnd(std::string& out, const ReportCaptions& captions = reportCaptions(""));
void WriteWideReportEnd(std::string& out, const ReportCaptions& captions = reportCaptions(""));

}  // namespace qbk

#endif  // QBK_REPORTS_FULL_REPORT_H_

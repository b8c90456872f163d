// The four report commands: from the report list to the report text file.
#ifndef QBK_REPORTS_REPORT_COMMAND_H_
#define QBK_REPORTS_REPORT_COMMAND_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/regional.h"
#include "reports/full_report.h"
#include "reports/report_files.h"
#include "store/settings_record.h"

namespace qbk {

// The reports, and the sections each writes in order:
//   Summary      narrow heading, summary, end
//   Full         narrow heading, summary, line items, end
//   WideSummary  wide heading, wide summary, wide end
//   WideFull     wide heading, wide summary, wide line items, wide end
enum class ReportKind { Summary, Full, WideSummary, WideFull };

// True for the two wide reports (WideReport of the window, which selects the page
// layout of printing; the window sets it before the report is built, also when the
// report is refused).
bool isWide(ReportKind kind);

// The whole text of a report (lines ended by CR LF). Throws OperationError (Overflow)
// when a total leaves the currency range.
std::string reportText(ReportKind kind, const ReportHeading& heading, const ReportSources& sources);

struct ReportRequest {
    ReportKind kind = ReportKind::Summary;
    // The stamps of the report list's rows, top to bottom (the rows the user kept).
    std::vector<double> rowStamps;
    std::string categoryFilePath;  // the data folder's category.dat
    SettingsRecord settings;       // ProgramSettings
    RegionalSettings regional;
    std::string rangeStart;  // the displayed range as its date texts
    std::string rangeEnd;
    DaySerial today = 0;
    // The language of the captions ("de", "fr", "es"); empty for the English ones.
    std::string captionLanguage;
};

// A report command. nullopt when the report list file holds no entry (the caller shows
// emptyListMessage() and nothing changes). Otherwise splits the report list by the
// rows' stamps, writes the report, replaces the three split files and qbk_rep.tmp
// together and returns the report text. Throws OperationError when a file cannot be
// read or written or a total overflows; the previous report's files then remain.
std::optional<std::string> buildReport(const ReportPaths& paths, const ReportRequest& request);

// The refusal of a report of an empty list ("Nothing to do!").
Message emptyListMessage();

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_COMMAND_H_

#include "reports/report_command.h"

#include <utility>

#include "platform/files.h"
#include "reports/summary.h"
#include "store/category_record.h"

namespace qbk {

bool isWide(ReportKind kind) {
    return kind == ReportKind::WideSummary || kind == ReportKind::WideFull;
}

std::string reportText(ReportKind kind, const ReportHeading& heading,
                       const ReportSources& sources) {
    std::string out;
    out.reserve(4096 + (sources.income.content().count() + sources.expense.content().count() +
                        sources.todo.content().count()) *
                           (isWide(kind) ? 130 : 80));
    switch (kind) {
        case ReportKind::Summary:
            WriteReportHeader(out, heading, sources);
            WriteSummary(out, sources);
            WriteReportEnd(out, sources.captions);
            break;
        case ReportKind::Full:
            WriteReportHeader(out, heading, sources);
            WriteSummary(out, sources);
            WriteDetails(out, sources);
            WriteReportEnd(out, sources.captions);
            break;
        case ReportKind::WideSummary:
            WriteWideReportHeader(out, heading, sources);
            WriteWideSummary(out, sources);
            WriteWideReportEnd(out, sources.captions);
            break;
        case ReportKind::WideFull:
            WriteWideReportHeader(out, heading, sources);
            WriteWideSummary(out, sources);
            WriteWideDetails(out, sources);
            WriteWideReportEnd(out, sources.captions);
            break;
    }
    return out;
}

std::optional<std::string> buildReport(const ReportPaths& paths, const ReportRequest& request) {
    // A list file without one whole record has no entry to report (and no span of
    // dates for the heading).
    if (fileLength(paths.reportList) < entry_layout::kSize) return std::nullopt;
    const RecordFileContent reportList = readRecordFile(paths.reportList);
    if (reportList.count() == 0) return std::nullopt;

    const ReportSplit split = splitReportList(reportList, request.rowStamps);
    const std::vector<CategoryRecord> categories = readCategories(request.categoryFilePath);
    const ReportSources sources(categories, split, request.settings, request.regional,
                                reportCaptions(request.captionLanguage));
    ReportHeading heading{request.rangeStart, request.rangeEnd, request.today, 0, 0};
    setEntrySpan(heading, reportList);
    std::string text = reportText(request.kind, heading, sources);

    auto files = splitFiles(paths, split);
    files.emplace_back(paths.reportText, std::move(text));
    writeFilesTogether(files);
    return std::move(files.back().second);
}

Message emptyListMessage() {
    return {
        "You must first build a list of items in order to generate a report. Please select "
        "categories and/or perform word searches to build your list.",
        "Nothing to do!", Icon::Information, Buttons::Ok, 1};
}

}  // namespace qbk

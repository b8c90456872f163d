#include "charts/chart_entries.h"

#include <algorithm>

namespace qbk {

ReportSplit listedEntries(const std::string& recordFilePath, const ListQuery& query,
                          const SettingsRecord& settings) {
    const ListFilter filter(query, settings);
    ReportSplit split;
    scanRecordFile(recordFilePath, [&](std::size_t, const char* r) {
        if (filter.keeps(r)) addToSplit(split, r);
    });
    return split;
}

ReportSplit reportListEntries(const std::string& recordFilePath,
                              const std::vector<ListQuery>& queries,
                              const SettingsRecord& settings) {
    std::vector<std::string> found = listedRecords(recordFilePath, queries, settings);
    RecordFileContent reportList;
    std::vector<double> rowStamps;
    for (std::string& records : found) {
        for (std::size_t at = 0; at < records.size(); at += entry_layout::kSize)
            rowStamps.push_back(entry_bytes::recordStamp(records.data() + at));
        reportList.records += records;
        std::string().swap(records);
    }
    return splitReportList(reportList, rowStamps);
}

std::optional<std::pair<DaySerial, DaySerial>> entrySpan(const ReportSplit& entries) {
    std::optional<std::pair<DaySerial, DaySerial>> span;
    for (const RecordFileContent* file : {&entries.income, &entries.expense, &entries.todo}) {
        for (std::size_t i = 1; i <= file->count(); ++i) {
            const DaySerial day = entry_bytes::entryDate(file->at(i));
            if (!span)
                span.emplace(day, day);
            else
                span = std::pair(std::min(span->first, day), std::max(span->second, day));
        }
    }
    return span;
}

}  // namespace qbk

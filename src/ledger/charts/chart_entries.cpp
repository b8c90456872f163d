#include "charts/chart_entries.h"

#include <algorithm>

namespace qbk {

ReportSplit listedEntries(const RecordFileContent& book, const ListQuery& query,
                          const SettingsRecord& settings) {
    const ListFilter filter(query, settings);
    ReportSplit split;
    for (std::size_t i = 1; i <= book.count(); ++i) {
        if (filter.keeps(book.at(i))) addToSplit(split, book.at(i));
    }
    return split;
}

ReportSplit reportListEntries(const RecordFileContent& book, const std::vector<ListQuery>& queries,
                              const SettingsRecord& settings) {
    RecordFileContent reportList;
    std::vector<double> rowStamps;
    for (const ListQuery& query : queries) {
        const ListFilter filter(query, settings);
        for (std::size_t i = 1; i <= book.count(); ++i) {
            const char* r = book.at(i);
            if (!filter.keeps(r)) continue;
            reportList.records.append(r, entry_layout::kSize);
            rowStamps.push_back(entry_bytes::recordStamp(r));
        }
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

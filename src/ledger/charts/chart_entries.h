// The entries a chart is drawn from: those of a list, split by the sign of their amounts
// as the reports split the report list (money in, money out, open items).
#ifndef QBK_CHARTS_CHART_ENTRIES_H_
#define QBK_CHARTS_CHART_ENTRIES_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/list_refresh.h"
#include "reports/report_files.h"
#include "store/record_file.h"
#include "store/settings_record.h"

namespace qbk {

// The entries that the main list shows for `query` in the record file at
// `recordFilePath`, in file order: the entries behind the status bar's totals. The file
// is read block by block; only the entries found are held. Throws OperationError.
ReportSplit listedEntries(const std::string& recordFilePath, const ListQuery& query,
                          const SettingsRecord& settings);

// The entries of a report list built the way report mode builds it: each query in turn
// appends what the list shows for it (an entry found twice counts twice), and the list
// is split by its rows' stamps as the report commands split report.tmp. One pass over
// the file serves every query.
ReportSplit reportListEntries(const std::string& recordFilePath,
                              const std::vector<ListQuery>& queries,
                              const SettingsRecord& settings);

// The earliest and the latest entry date of `entries`; nullopt when it holds none.
std::optional<std::pair<DaySerial, DaySerial>> entrySpan(const ReportSplit& entries);

}  // namespace qbk

#endif  // QBK_CHARTS_CHART_ENTRIES_H_

// The summary section of every report: per category the money that went out and came
// in, with shares and bars, the totals, the surplus or deficit, and the open items.
#ifndef QBK_REPORTS_SUMMARY_H_
#define QBK_REPORTS_SUMMARY_H_

#include <string>

#include "reports/report_sources.h"

namespace qbk {

// Bars are drawn to these widths for the section's largest category.
inline constexpr int kNarrowBarWidth = 25;
inline constexpr int kWideBarWidth = 59;

// WriteSummary: appends the narrow summary (rules of 79 characters, bars of 25) to
// `out`. Throws OperationError (Overflow) when a total leaves the currency range.
void WriteSummary(std::string& out, const ReportSources& sources);

// WriteWideSummary: the same with rules of 113 characters, bars of 59, and the open
// items with the user-defined fields in the column order of GridOrder.
void WriteWideSummary(std::string& out, const ReportSources& sources);

}  // namespace qbk

#endif  // QBK_REPORTS_SUMMARY_H_

// The report work files in the program folder, and the split of the report list.
//
//   report.tmp    the report list file: every entry appended to the report list, in the
//                 order of appending (rows removed from the list stay in it)
//   income.tmp    split file of money in: the listed entries with Amount > 0
//   expense.tmp   split file of money out: the listed entries with Amount < 0
//   todo.tmp      split file of open items: the listed entries with Amount = 0
//   qbk_rep.tmp   the report text of the report last built (UTF-8, CR LF line ends)
//
// The four files of entry records hold 125-byte entry records; the split files are byte
// copies of records of report.tmp, in the order of the report list's rows. The split
// files and the report text are replaced as one set: a failure leaves the previous
// report's files as they were.
#ifndef QBK_REPORTS_REPORT_FILES_H_
#define QBK_REPORTS_REPORT_FILES_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/record_file.h"

namespace qbk {

namespace report_files {
inline constexpr std::string_view kReportList = "report.tmp";
inline constexpr std::string_view kIncome = "income.tmp";
inline constexpr std::string_view kExpense = "expense.tmp";
inline constexpr std::string_view kTodo = "todo.tmp";
inline constexpr std::string_view kReportText = "qbk_rep.tmp";
// The copy of the report text handed to the word processor, in the data folder.
inline constexpr std::string_view kEditorCopy = "qbk_rep.doc";
}  // namespace report_files

// Full paths of the work files in one folder (the program folder, or a folder of the
// command-line tool's own).
struct ReportPaths {
    explicit ReportPaths(std::string_view folder);
    std::string reportList, income, expense, todo, reportText;
};

// The report list split by the sign of the amounts.
struct ReportSplit {
    RecordFileContent income, expense, todo;
};

// Appends the 125-byte `record` to the split file of its amount's sign.
void addToSplit(ReportSplit& split, const char* record);

// The split: for each row stamp in order, the first record of `reportList` whose
// RecordStamp equals it exactly goes to the split file of its amount's sign; a stamp
// that matches no record adds nothing, a stamp given twice adds its record twice.
ReportSplit splitReportList(const RecordFileContent& reportList,
                            const std::vector<double>& rowStamps);

// The bytes of the three split files.
std::vector<std::pair<std::string, std::string>> splitFiles(const ReportPaths& paths,
                                                            const ReportSplit& split);

// MakeReportFiles: splits report.tmp by the stamps of the report list's rows, top to
// bottom, and replaces the three split files together. Returns the split. Throws
// OperationError when a file cannot be read or written (the old split files remain).
ReportSplit MakeReportFiles(const ReportPaths& paths, const std::vector<double>& rowStamps);

// The split files of the report last built, as they are on disk (missing files read
// as empty and are not created).
ReportSplit readReportFiles(const ReportPaths& paths);

// Deletes report.tmp (a new report list starts empty); a missing file is no error.
void discardReportList(const ReportPaths& paths);

// Replaces several files as one set: each is staged beside its target (synced) first,
// and only when all are written are they renamed over their targets. When a
// write fails, the siblings are removed, the targets are untouched and the
// OperationError is passed on.
void writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_FILES_H_

// The comma-delimited exports of the report last built: one line per entry (full) or
// one line per category and section (summary), for spreadsheets and the import.
//
// Line style by the file name's last three characters, compared without regard to
// case: "txt" quoted comma-delimited text ("a","b","c"), "csv" comma-separated values
// (a,b,c). A name that ends in neither gets the quoted text style, the first choice of
// the dialog, so that the fields of a line never run together.
//
// Every line is Q + field + S + field ... + Q and CR LF, without a header line. Text
// fields stand at their full width as stored; amounts are plain number text (decimal
// separator of the regional settings, no grouping, "-" for money out, no trailing
// zeros); dates are short date text. The file is UTF-8. In the "csv" style an amount
// that holds a comma (a decimal comma: "-12,5") is enclosed in double quotes, so that
// it stays one field; every other field of that style stands without quotes.
//
//   full export     amount, category code (10), note (60), date, user field 1 (10),
//                   user field 2 (10); note and user fields with every '"' and ','
//                   made a blank
//   summary export  category code (10), category name (20), total of the section
//
// Money out comes first, then money in; within each, categories in category-file
// order (entries in report-list order). Entries whose category is not in the category
// file, and open items (amount 0), are not exported; the summary has a line for every
// category in both sections, also with a total of 0.
#ifndef QBK_REPORTS_EXPORTS_H_
#define QBK_REPORTS_EXPORTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"
#include "platform/regional.h"
#include "reports/report_files.h"
#include "store/category_record.h"

namespace qbk {

enum class ExportKind { Full, Summary };

struct ExportStyle {
    std::string_view quote;      // Q
    std::string_view separator;  // S
};
inline constexpr ExportStyle kQuotedTextStyle{"\"", "\",\""};
inline constexpr ExportStyle kCommaSeparatedStyle{"", ","};

// The style for a chosen file name (above).
ExportStyle exportStyleFor(std::string_view fileName);

// StripQuoteAndComma: `text` with every double quote and comma replaced by a blank.
std::string StripQuoteAndComma(std::string_view text);

// The lines of an export of the split files `split` (income and expense are used).
// Throws OperationError (Overflow) when a summary total leaves the currency range.
std::string exportText(ExportKind kind, const ReportSplit& split,
                       const std::vector<CategoryRecord>& categories, ExportStyle style,
                       const RegionalSettings& regional);

// Appends the export of the split files at `paths` to the file `target` (created when
// missing), in one append that is cut back when it fails: the file holds its old
// content and all new lines, or its old content alone. Throws OperationError when a
// file cannot be read or written.
void writeExport(ExportKind kind, const ReportPaths& paths, const std::string& categoryFilePath,
                 const std::string& target, const RegionalSettings& regional);

// The dialogs and messages of the export commands.
FileDialog exportFileDialog();
Message exportAppendQuestion(const std::string& fileName);
Message exportCompleteMessage(ExportKind kind, const std::string& fileName);

// The export command: asks for a file name (a cancelled dialog ends it), asks before
// appending to an existing file of length > 0 (Cancel ends it), writes the export and
// shows exportCompleteMessage. Returns whether the file was written. Throws
// OperationError as writeExport does.
bool exportReport(Prompts& prompts, ExportKind kind, const ReportPaths& paths,
                  const std::string& categoryFilePath, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_REPORTS_EXPORTS_H_

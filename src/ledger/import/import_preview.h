// What the import window shows of a chosen file: its line count and the fields of its
// first lines, and how a field number is taken from the list into a link box.
#ifndef QBK_IMPORT_IMPORT_PREVIEW_H_
#define QBK_IMPORT_IMPORT_PREVIEW_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/import_batch.h"
#include "import/qif_reader.h"
#include "platform/ports.h"

namespace qbk {

// Lines of the file shown split into fields.
inline constexpr std::size_t kPreviewLines = 5;
// Fields shown of one line, and characters of one field: a damaged file (a line of
// millions of commas, no line ends) must not fill the window.
inline constexpr std::size_t kPreviewFields = 100;
inline constexpr std::size_t kPreviewFieldChars = 200;

// The open dialog of SelectFile_Click: every kind the import reads together (the
// filter chosen first), .txt and .csv files, bank statements (.ofx, .qfx, .qif, .sta,
// .mt940, .xml) and all files; no proposed name.
FileDialog importFileDialog();

// The instruction text of the import window, for comma-delimited files and for bank
// statements.
extern const std::string_view kImportInstructions;
extern const std::string_view kStatementInstructions;

struct ImportPreview {
    std::size_t lineCount = 0;
    std::string caption;             // of Label1
    std::vector<std::string> lines;  // of InputList
};

// SelectFile_Click once a file is chosen (and the internal backup offered): reads
// `path`; nullopt when its ending is neither TXT nor CSV (nothing is shown then).
// caption: the trimmed path + " appears to contain " + the count + " records.".
// lines: for each of the first five lines (fewer when the file has fewer), the header
// previewHeaderLine(n), then one line "k = field text" per field of that line, at most
// kPreviewFields of them (then "(n more fields)"), a field cut to kPreviewFieldChars
// characters followed by "...".
// Throws OperationError when the file cannot be read.
std::optional<ImportPreview> previewImportFile(const std::string& path);
// The same for a bank's layout: the five lines after layout.skipLines (each header
// naming its line of the file), split at the file's separator (fileSeparator); then
// the lines of `footer` (delimitedFooter), each under previewFooterLine.
std::optional<ImportPreview> previewImportFile(const std::string& path,
                                               const DelimitedLayout& layout,
                                               const DelimitedFooter& footer);

// "||||||||||| LINE n: NO ENTRY ||||||||||||", or "... LINE n: LEFT OUT ..." when the
// layout leaves the line out.
std::string previewFooterLine(std::size_t lineNumber, bool leftOut);

// Label1 for a statement: the trimmed path + " holds " + the count + " transactions.".
std::string statementCaption(std::string_view path, std::size_t transactions);

// The line under the preview table: "4 lines: 3 to import, 1 duplicate left out, 2
// without a category." (the last two parts only when there are such lines).
std::string previewSummary(const ImportBatch& batch);

// The question when a QIF file's dates read both ways (Yes month first, No day first,
// Cancel reads nothing); the default button is the regional settings' order.
Message dateOrderQuestion(const AmbiguousQifDate& example, DateOrder regional);

// The question before statement lines without a category go to IMPORT (Yes/No).
Message noCategoryQuestion(std::size_t lines);

// "||||||||||| RECORD " + n + " ||||||||||||".
std::string previewHeaderLine(std::size_t lineNumber);

// GetLinkNo: the link number text of a selected list line: empty, then at every "="
// among its first six characters (position i, from 1) the text before it less one
// character (the blank of " = "). A header line or no selection ("") gives "".
std::string GetLinkNo(std::string_view selectedLine);

// The field number a link box caption holds: its leading number (blanks skipped), 0
// for an empty caption or one without digits. Field numbers count from 1, so 0 links
// nothing.
std::size_t linkNumber(std::string_view caption);

}  // namespace qbk

#endif  // QBK_IMPORT_IMPORT_PREVIEW_H_

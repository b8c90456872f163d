// The import of comma-delimited text into the record file, all or nothing: every line
// is converted first, and only when every date and amount reads are the entries
// appended, in one atomic write, after all existing entries (the user sorts the file
// afterwards). Lines whose fields are all empty are passed over, and so is a first
// line of column names when the user says the file has one.
#ifndef QBK_IMPORT_COMMA_IMPORT_H_
#define QBK_IMPORT_COMMA_IMPORT_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "import/delimited_layout.h"
#include "import/delimited_line.h"
#include "platform/ports.h"
#include "platform/regional.h"
#include "platform/stamps.h"
#include "store/entry_record.h"

namespace qbk {

// The captions of the six link boxes: a field number as text, or empty when unlinked.
// Two boxes may hold the same number; one field then fills both entry fields.
struct ImportLinks {
    std::string date;      // DateLink   -> EntryDate, a date in the regional settings
    std::string amount;    // AmountLink -> Amount, with its sign (+ income, - expense)
    std::string note;      // NoteLink   -> Note, cut to 60
    std::string category;  // CatLink    -> CategoryCode as it stands, cut to 10
    std::string user1;     // UDF1Link   -> UserField1, cut to 10
    std::string user2;     // UDF2Link   -> UserField2, cut to 10
};

// The refusal when the date or the amount box is empty ("Nothing to do!").
bool importLinksComplete(const ImportLinks& links);
Message importNeedsDateAndAmountMessage();
// The question before the import (Yes/No, No the default, title "Ready...").
Message importReadyQuestion();
// The report at the end ("Finished"), with the number of duplicates left out when
// there were any.
Message importFinishedMessage(std::size_t imported, std::size_t duplicatesLeftOut = 0);
// The report of File > Import Bank File..., which sorts the record file with the import.
Message sortedImportFinishedMessage(std::size_t imported, std::size_t duplicatesLeftOut);

// The entries of every line of `text` (decoded), lines without a date (no date field,
// a date not after day 0, or every field empty) left out, and with `skipHeader` the
// first line too. Stamps are not set. Throws OperationError (type mismatch) at the first line
// that does not convert.
std::vector<EntryRecord> convertImportText(std::string_view text, DelimitedStyle style,
                                           const ImportLinks& links,
                                           const RegionalSettings& regional,
                                           bool skipHeader = false);

// The entries of `text` read in `layout`, and the choices made from the whole file.
// Lines before the entries and the footer's lines are passed over; the dates and the
// amounts of the others decide the date format and the decimal mark the layout leaves
// open (throws OperationError, type mismatch, when they do not decide: dates that read
// two ways, amounts written with both marks).
struct ConvertedText {
    std::vector<EntryRecord> entries;
    char separator = ',';
    DecimalMark mark = DecimalMark::Point;
    DateFormat dateFormat = DateFormat::MonthDayYear;
};
ConvertedText convertImportText(std::string_view text, DelimitedStyle style,
                                const ImportLinks& links, const RegionalSettings& regional,
                                const DelimitedLayout& layout);

// The lines at the end of `text` that are no entries: with layout.skipFooter, the lines
// with text it leaves out (`leftOut`); else, once a date field is linked, the lines with
// text but no figure in it that end the file after some entry (a balance, a total),
// which the import refuses until they are left out. `first` is 0 when there are none.
struct DelimitedFooter {
    std::size_t first = 0;  // its first line's number, from 1
    std::size_t count = 0;  // lines with text from there to the end
    bool leftOut = false;
};
DelimitedFooter delimitedFooter(std::string_view text, DelimitedStyle style,
                                const ImportLinks& links, const RegionalSettings& regional,
                                const DelimitedLayout& layout);

// How a file was read, for the user: "Read with dates as dmy and a decimal comma, fields
// separated by semicolons." (the separator only for .csv files).
std::string readLayoutText(const DelimitedLayout& asRead, DelimitedStyle style);

// Whether `firstLine` looks like a line of column names: its field `dateField` is not
// a date in the regional settings nor in any DateFormat (with no date linked yet, none
// of its fields is). A blank line is none.
bool looksLikeHeader(std::string_view firstLine, DelimitedStyle style, std::size_t dateField,
                     const RegionalSettings& regional, char separator = ',');

struct DelimitedImportResult {
    std::size_t added = 0;
    std::size_t duplicates = 0;  // left out; 0 when they were kept
    // How the file was read.
    char separator = ',';
    DecimalMark mark = DecimalMark::Point;
    DateFormat dateFormat = DateFormat::MonthDayYear;
};

// The import of a .txt or .csv file in `style` into the record file, with what
// delimitedBatch, markDuplicates and commitImport do for the window, without an entry
// in memory: the file is read in blocks and every line with a date encoded into one
// buffer; then, under the book lock, the lines the book or an earlier line holds are
// left out (kept with `keepDuplicates`; see import_batch.h) and the others appended
// with increasing stamps from `stamps`, in one atomic write. With `skipHeader` the
// first line is passed over. On any failure (unreadable file, a line that does not
// convert, a failed write) throws OperationError and the record file is as before.
DelimitedImportResult importDelimitedFile(const std::string& importPath, DelimitedStyle style,
                                          const std::string& recordFilePath,
                                          const ImportLinks& links,
                                          const RegionalSettings& regional, bool skipHeader,
                                          bool keepDuplicates, StampSource& stamps);
// The same, reading the file in `layout`; with `sortAfter` the record file is written
// sorted by date (as the sort command sorts it), in the same write.
DelimitedImportResult importDelimitedFile(const std::string& importPath, DelimitedStyle style,
                                          const std::string& recordFilePath,
                                          const ImportLinks& links,
                                          const RegionalSettings& regional,
                                          const DelimitedLayout& layout, bool keepDuplicates,
                                          StampSource& stamps, bool sortAfter = false);

// importDelimitedFile with the style by the file's name (a name ending neither in TXT
// nor CSV is an OperationError) and duplicates left out. Returns the
// number of entries appended. qbk3-cli's import goes through runImport (cli/import_run.h),
// which also reports the duplicates.
std::size_t importIntoRecordFile(const std::string& importPath, const std::string& recordFilePath,
                                 const ImportLinks& links, const RegionalSettings& regional,
                                 StampSource& stamps, const DelimitedLayout& layout = {});

}  // namespace qbk

#endif  // QBK_IMPORT_COMMA_IMPORT_H_

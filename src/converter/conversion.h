// The conversion: the entries and categories of version-2 files appended to the
// version-3 record and category files.
//
// Each version-2 file is converted whole or not at all: it is read and converted in
// memory first, and its records are appended in one atomic write, under the book's
// lock, with stamps above every stamp the record file holds. A file that cannot be read
// or holds a bad date adds nothing; the run goes on with the next file and reports the
// failures at the end. A write that fails stops the run.
//
// A run keeps a journal (kJournalFileName, in the target folder) of the entry files it
// has appended, with the first stamp each was given. The journal is removed when the run
// ends; a run that was interrupted leaves it, and the next run from the same folder
// converts only the files the journal does not show as appended. So a rerun after a
// crash, a kill or a full disk ends with the entries of one clean run.
#ifndef QBK_CONVERTER_CONVERSION_H_
#define QBK_CONVERTER_CONVERSION_H_

#include <cstddef>
#include <string>
#include <vector>

#include "converter/language_strings.h"
#include "converter/progress.h"
#include "converter/version2_format.h"
#include "platform/ports.h"
#include "platform/regional.h"
#include "platform/stamps.h"
#include "store/book_files.h"

namespace qbk::converter {

inline constexpr std::string_view kJournalFileName = kConverterJournalFileName;

struct ConversionPlan {
    std::string sourceFolder;                // the old folder, "/" at the end
    std::vector<std::string> entryFiles;     // names, in year order (as listed)
    std::vector<std::string> categoryFiles;  // names, in year order (as listed)
    std::string targetFolder;                // holds the version-3 files, "/" at the end
};

struct ConversionOptions {
    // How the date texts of the entries are read.
    RegionalSettings dates;
    // Ask before converting (the question warns of duplicates).
    bool askFirst = true;
    // Show the closing message and the report of skipped files.
    bool showSummary = true;
};

struct FileResult {
    v2::FileKind kind = v2::FileKind::Entries;
    std::string name;
    std::size_t added = 0;           // records appended
    std::size_t alreadyPresent = 0;  // categories whose code the file already held
    bool skipped = false;
    std::string reason;                // why it was skipped, in the current language
    std::vector<std::string> remarks;  // about a converted file, in the current language
    bool resumed = false;              // appended by an interrupted earlier run
};

enum class ConversionEnd {
    NoEntryFiles,   // nothing to convert
    TargetDamaged,  // a version-3 file ends with an incomplete record; nothing converted
    Failed,         // an unexpected failure, reported with the common error message
    WriteFailed,    // a version-3 file could not be written; the run stopped there
    Cancelled,      // the user answered Cancel; nothing converted
    Finished,       // every listed file was converted or skipped
};

struct ConversionResult {
    ConversionEnd end = ConversionEnd::Finished;
    std::vector<FileResult> files;  // in the order they were converted

    std::size_t entriesAdded() const;
    std::size_t categoriesAdded() const;
    std::size_t filesSkipped() const;
};

// Runs the conversion of `plan`:
//  - no entry file: the "no data files" message, and nothing more;
//  - a version-3 file whose last record is incomplete: a message, and nothing more;
//  - the ready question (when `options.askFirst`); Cancel ends the run;
//  - entry files from the last listed to the first (the newest year first), each
//    record with the date of its first six date characters and the year of the file
//    name, and a fresh stamp; files the journal of an interrupted run shows as
//    appended are not converted again;
//  - category files from the first to the last (the oldest year first), each category
//    whose code (blanks trimmed) the category file did not hold when the version-2
//    file was started; without category files, the "no category files" message;
//  - when `options.showSummary`: the closing message, then the report of skipped files
//    and remarks when there is one.
// A failed write of a version-3 file stops the run (no category is added after it):
// the end is WriteFailed, and with `options.showSummary` the report says so.
// Messages take their texts from `strings` in its current language.
ConversionResult runConversion(const ConversionPlan& plan, const ConversionOptions& options,
                               Prompts& prompts, Progress& progress, StampSource& stamps,
                               const LanguageStrings& strings);

// The report of the skipped files and of the remarks (lines separated by CR LF), in
// the current language; empty when there is nothing to report.
std::string reportText(const ConversionResult& result, const LanguageStrings& strings);

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_CONVERSION_H_

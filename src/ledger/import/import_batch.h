// What an import brings in, line by line, before anything is written: the entry each
// line becomes, where its category came from, and whether the book (or an earlier
// line of the same file) already holds it. The import window shows and edits a batch;
// commitImport writes the lines the user kept, all of them or none.
//
// Duplicates, counted as a multiset: a line is a duplicate only while the book holds
// more matching entries than earlier lines of the same file already matched, so that
// two equal lines of one file never make each other duplicates. An entry matches when
// its date, amount and note (as stored: cut to 60 characters, Windows-1252, without
// surrounding blanks) are the line's, and its user field 1 when the line has a check
// number; deleted entries count. A statement transaction with an id (OFX FITID, per
// account) matches the entry that id was imported into, when that entry still has the
// line's date and amount, and an id the file lists twice with the same date and amount
// is one transaction; an id seen before with another date or amount is a new
// transaction (the bank reused it), and the preview says so. Duplicates are left out
// unless the user includes them.
#ifndef QBK_IMPORT_IMPORT_BATCH_H_
#define QBK_IMPORT_IMPORT_BATCH_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "import/comma_import.h"
#include "import/imported_ids.h"
#include "import/payee_rules.h"
#include "import/statement.h"
#include "platform/stamps.h"
#include "store/category_record.h"
#include "store/entry_record.h"

namespace qbk {

// The category given to statement lines that no rule and no choice of the user
// placed, when the user leaves it to the program (qbk3-cli import, or Yes to the
// window's question). Created when the category file lacks it.
inline constexpr std::string_view kDefaultImportCategory = "IMPORT";
inline constexpr std::string_view kDefaultImportCategoryName = "Imported";

// The kinds of files the import reads, by the last three characters of the name
// upper-cased: TXT, CSV, OFX or QFX, QIF, STA or 940 (MT940).
enum class ImportFormat { QuotedText, SeparatedValues, Ofx, Qif, Mt940, Camt };
std::optional<ImportFormat> importFormatOf(std::string_view fileName);
inline bool isStatement(ImportFormat f) {
    return f == ImportFormat::Ofx || f == ImportFormat::Qif || f == ImportFormat::Mt940 ||
           f == ImportFormat::Camt;
}

enum class CategorySource {
    None,  // not placed yet (statement lines only)
    Link,  // the linked field of a comma-delimited line, as it stands
    File,  // the category a QIF line names, found in the category file
    Rule,  // a payee rule
    User,  // chosen in the preview
};

// IdReused is no duplicate: the id is known, but its entry has another date or amount.
// SameIdInFile: the bank listed one transaction twice (its id, date and amount again).
enum class Duplicate { None, InBook, SameIdInFile, IdReused };
inline bool isDuplicate(Duplicate d) {
    return d == Duplicate::InBook || d == Duplicate::SameIdInFile;
}

// The entry a line meets in the book (entry_matches.h).
struct EntryMatch {
    std::size_t record = 0;  // its number in the record file, from 1
    double stamp = 0;
    DaySerial date = 0;
    std::string note;  // without surrounding blanks
};

struct ImportRow {
    EntryRecord entry;         // no stamp until it is written
    std::size_t line = 0;      // statement lines: where the transaction begins
    std::string id;            // a statement transaction's id, or empty
    bool checkNumber = false;  // user field 1 holds a check number (it must match too)
    std::string payee;         // what a learned rule takes: the payee, else the memo
    std::string matchText;     // what rules are matched against: payee and memo
    std::string fileCategory;  // the category a QIF line names
    CategorySource categorySource = CategorySource::None;
    Duplicate duplicate = Duplicate::None;
    bool included = true;
    std::optional<EntryMatch> match;  // a typed entry this line is
    bool clearsMatch = true;          // included with a match: mark it cleared, add nothing
};

struct ImportBatch {
    ImportFormat format = ImportFormat::SeparatedValues;
    std::vector<ImportRow> rows;

    std::size_t duplicates() const;  // rows that are (isDuplicate)
    std::size_t includedCount() const;
    // Included lines that no field, rule or choice gave a category.
    std::size_t includedWithoutCategory() const;
};

// The rows of comma-delimited text (decoded), as convertImportText gives them. With a
// category field linked, each row's category is that field as it stands
// (CategorySource::Link); without one, the rows are placed as a statement's are: by the
// payee rules matched against the note (applyPayeeRules), the rest left without a
// category (for IMPORT). `asRead`, when given, receives `layout` with the choices made
// from the file (separator, decimal mark, date format).
ImportBatch delimitedBatch(std::string_view text, DelimitedStyle style, const ImportLinks& links,
                           const RegionalSettings& regional, bool skipHeader);
ImportBatch delimitedBatch(std::string_view text, DelimitedStyle style, const ImportLinks& links,
                           const RegionalSettings& regional, const DelimitedLayout& layout,
                           const PayeeRules& rules = {},
                           const std::vector<CategoryRecord>& categories = {},
                           DelimitedLayout* asRead = nullptr);

// The rows of a statement: date, amount, the note of payee and memo, user field 1 from
// the check number or the kind of transaction, and the category of applyPayeeRules.
ImportBatch statementBatch(const Statement& statement, ImportFormat format, const PayeeRules& rules,
                           const std::vector<CategoryRecord>& categories);

// Places the category of every statement row the user did not choose: the code of the
// matching payee rule; else the category the file names (QIF "L"), when a category has
// that code or name, or that of the part before ":" (compared without case); else none.
void applyPayeeRules(ImportBatch& batch, const PayeeRules& rules,
                     const std::vector<CategoryRecord>& categories);

// The user chose `code` for row `index`. When no rule had placed that row, a rule
// payee -> code is learned into `rules` and placed at once on every other row whose
// category the user did not choose. Returns whether a rule was learned.
bool chooseCategory(ImportBatch& batch, std::size_t index, std::string_view code, PayeeRules& rules,
                    const std::vector<CategoryRecord>& categories);

// What the duplicate check knows of a book.
struct BookIndex {
    // How many entries have each date, amount and note; and each of those with user
    // field 1.
    std::unordered_map<std::string, std::size_t> entryKeys, checkKeys;
    // Ids imported into the book, with the date and amount of their entry (still there).
    std::unordered_map<std::string, std::string> ids;
    // Those of them whose entry is cleared or reconciled: a line that matched a typed
    // entry keeps its id there, dated as the user typed it, not as the bank wrote.
    std::unordered_map<std::string, std::string> clearedIds;
    // The book's whole records, for the matching of typed entries.
    std::string_view records;
    std::shared_ptr<const std::string> ownedRecords;  // when readBookIndex read them
};
// Reads the record file and its ids file.
BookIndex readBookIndex(const std::string& recordFilePath);
// The index of the records `content` (whole encoded records) and the ids file `ids`.
BookIndex bookIndexOf(std::string_view records, const ImportedIds& ids);

// Marks every row's duplicate state and includes exactly the rows that are no
// duplicate; then matches the rows with the typed entries of the book
// (matchTypedEntries). A line whose id the book holds for a cleared entry of its amount
// dated within kMatchDays is a duplicate: it cleared that entry before.
void markDuplicates(ImportBatch& batch, const BookIndex& book);

// The same count of date, amount and note for encoded records, with no copy of a key:
// a table of where the book's records lie, for imports of millions of lines.
class DuplicateFinder {
  public:
    // Knows the whole records of `book`, which must outlive the finder.
    explicit DuplicateFinder(std::string_view book);
    // True when the book holds a record with the date, amount and note of the 125 bytes
    // at `record` that no earlier call matched; that record is then matched.
    bool take(const char* record);

  private:
    std::vector<const char*> records_;   // open addressing; nullptr marks a free slot
    std::vector<std::uint32_t> hashes_;  // the upper half of each record's hash
    std::vector<std::uint32_t> left_;    // book records of that key not matched yet
    std::size_t mask_ = 0;
};

struct ImportTarget {
    std::string recordFilePath;
    std::string categoryFilePath;
};

struct ImportCommit {
    std::size_t added = 0;
    // Rows included as no duplicates that were duplicates by the time of the write (the
    // book changed after the preview) and so were left out.
    std::size_t duplicatesLeftOut = 0;
    std::vector<std::string> createdCategories;  // codes, in the order created
    std::size_t cleared = 0;  // typed entries marked cleared by the lines they match
};

// Writes the included rows, under the book lock of the record file's folder. The
// duplicates are found again under the lock, from the files as they are then: a row
// the preview marked as no duplicate that is one now is left out, unless
// `keepDuplicates`; a row the user included although it was marked is written. Each
// row written gets
// a stamp from `stamps` (above every stamp of the record file), in row order; rows
// without a category get `defaultCategory`; the codes of rows that the category file
// lacks are added to it (not those of a linked field, which stand as the file has them) (named by
// their code, the default category kDefaultImportCategoryName); the ids of the statement rows join
// the ids file; the entries are appended after all existing ones (with `sortAfter`, the record file
// is then sorted by date as the sort command sorts it, in the same write). An included row that
// meets a typed entry of the book as it is then (matchTypedEntries; not with `keepDuplicates`) and
// whose `clearsMatch` holds marks that entry cleared instead, and its id joins the ids file under
// that entry's stamp. Each file is replaced atomically, the ids file before the record file; when a
// write fails, the category file is put back, so that the book is as before, and OperationError is
// thrown.
ImportCommit commitImport(const ImportBatch& batch, const ImportTarget& target,
                          std::string_view defaultCategory, StampSource& stamps,
                          bool keepDuplicates = false, bool sortAfter = false);

}  // namespace qbk

#endif  // QBK_IMPORT_IMPORT_BATCH_H_

#include "import/comma_import.h"

#include <algorithm>
#include <cstring>

#include "import/import_batch.h"
#include "import/import_preview.h"
#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/large_buffer.h"
#include "platform/windows1252.h"
#include "store/record_file.h"

namespace qbk {
namespace {

// A line shown in an error message is cut here, so that a runaway line (a file with
// no line ends) still gives a message that fits on the screen.
constexpr std::size_t kShownLineChars = 200;

// `field` is UTF-8; `line` is too, or Windows-1252 bytes with `windows1252`.
[[noreturn]] void failLine(std::size_t lineNumber, std::string_view line, bool windows1252,
                           std::string_view field, std::string_view what) {
    // A Windows-1252 byte is one character.
    std::string shown = windows1252 ? fromWindows1252(line.substr(0, kShownLineChars))
                                    : leftChars(line, kShownLineChars);
    if (windows1252 ? line.size() > kShownLineChars : shown.size() < line.size()) shown += "...";
    throw OperationError(errnum::kTypeMismatch,
                         "Type mismatch in line " + std::to_string(lineNumber) + " (\"" +
                             std::string(field) + "\" is not " + std::string(what) + "): " + shown);
}

struct LinkNumbers {
    std::size_t date, amount, note, category, user1, user2;
    std::size_t highest() const { return std::max({date, amount, note, category, user1, user2}); }
};

LinkNumbers numbersOf(const ImportLinks& links) {
    return {linkNumber(links.date),     linkNumber(links.amount), linkNumber(links.note),
            linkNumber(links.category), linkNumber(links.user1),  linkNumber(links.user2)};
}

// `field` as UTF-8: the view itself, or, for Windows-1252 bytes beyond ASCII, their
// decoded copy in `scratch`.
std::string_view asUtf8(std::string_view field, bool windows1252, std::string& scratch) {
    if (!windows1252 || std::all_of(field.begin(), field.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return field;
    scratch = fromWindows1252(field);
    return scratch;
}

// Stores the linked fields of one line into `out`, which takes date(), amount() and
// text(offset, width, field) with the entry_layout offset of a text field. The line and
// its fields are UTF-8, or Windows-1252 bytes with `windows1252`. False for a blank
// line (every field empty), which is skipped like a line without a date. Fields past
// the highest linked number are not read.
template <typename Fields>
bool convertInto(Fields& out, std::string_view line, std::size_t lineNumber, DelimitedStyle style,
                 const LinkNumbers& link, const RegionalSettings& regional, bool windows1252) {
    using namespace entry_layout;
    FieldReader reader(line, style);
    std::string scratch;
    const std::size_t highest = link.highest();
    for (std::size_t k = 1; k <= highest; ++k) {
        const std::optional<std::string_view> f = reader.next();
        if (!f) break;
        if (k == link.date) {
            const std::string_view text = asUtf8(*f, windows1252, scratch);
            const auto day = regional.parseDate(text);
            if (!day) {
                if (isBlankLine(line, style)) return false;
                failLine(lineNumber, line, windows1252, text, "a date");
            }
            out.date(*day);
        }
        if (k == link.amount) {
            const std::string_view text = asUtf8(*f, windows1252, scratch);
            const auto amount = regional.parseAmount(text);
            if (!amount) {
                if (isBlankLine(line, style)) return false;
                failLine(lineNumber, line, windows1252, text, "an amount");
            }
            out.amount(*amount);
        }
        if (k == link.note) out.text(kNote, kNoteWidth, *f);
        if (k == link.category) out.text(kCategoryCode, kCategoryCodeWidth, *f);
        if (k == link.user1) out.text(kUserField1, kUserFieldWidth, *f);
        if (k == link.user2) out.text(kUserField2, kUserFieldWidth, *f);
    }
    return true;
}

// The fields of a line into an entry record, for the window's batch.
struct RecordFields {
    EntryRecord& r;
    void date(DaySerial day) { r.entryDate = day; }
    void amount(Money amount) { r.amount = amount; }
    void text(std::size_t offset, std::size_t width, std::string_view field) {
        using namespace entry_layout;
        std::string& to = offset == kNote           ? r.note
                          : offset == kCategoryCode ? r.categoryCode
                          : offset == kUserField1   ? r.userField1
                                                    : r.userField2;
        to = fitField(field, width);
    }
};

// The fields of a line into the bytes of a blank encoded record, for the streamed
// import: the same bytes encodeEntry writes for the record RecordFields fills.
struct EncodedFields {
    char* record;
    bool windows1252;
    void date(DaySerial day) { entry_bytes::setEntryDate(record, day); }
    void amount(Money amount) { entry_bytes::setAmount(record, amount); }
    void text(std::size_t offset, std::size_t width, std::string_view field) {
        if (!windows1252) return putWindows1252Field(field, width, record + offset);
        // Each byte is a character already.
        const std::size_t n = std::min(field.size(), width);
        std::copy_n(field.data(), n, record + offset);
        std::fill_n(record + offset + n, width - n, ' ');
    }
};

// The entry of one line of decoded text; nullopt for a blank line.
std::optional<EntryRecord> convert(std::string_view line, std::size_t lineNumber,
                                   DelimitedStyle style, const LinkNumbers& link,
                                   const RegionalSettings& regional) {
    EntryRecord r;
    RecordFields fields{r};
    if (!convertInto(fields, line, lineNumber, style, link, regional, false)) return std::nullopt;
    return r;
}

// The records of every line of the file that has a date, encoded (without stamps) into
// one buffer: the file is read twice in blocks, first for its encoding and size.
std::string encodeImportFile(const std::string& path, DelimitedStyle style, const LinkNumbers& link,
                             const RegionalSettings& regional, bool skipHeader) {
    const ImportFileShape shape = importFileShape(path);
    const bool windows1252 = !shape.utf8;
    const std::string blank = encodeEntry(EntryRecord());
    std::string records;
    reserveLarge(records, shape.lines * entry_layout::kSize);
    forEachImportLine(path, [&](std::size_t number, std::string_view line) {
        if (skipHeader && number == 1) return;
        const std::size_t at = records.size();
        records += blank;
        EncodedFields fields{records.data() + at, windows1252};
        if (!convertInto(fields, line, number, style, link, regional, windows1252) ||
            !(entry_bytes::entryDate(fields.record) > 0))
            records.resize(at);
    });
    return records;
}

}  // namespace

bool importLinksComplete(const ImportLinks& links) {
    return !links.date.empty() && !links.amount.empty();
}

Message importNeedsDateAndAmountMessage() {
    return {
        "Records to be imported MUST have a least a Date field and an Amount field "
        "specified.",
        "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1};
}

Message importReadyQuestion() {
    return {
        "Ready to attempt data import. Please be advised that the import operation cannot "
        "tell whether or not the data being imported is valid!\r\n\r\nIMPORTANT: if you have "
        "not recently run a data backup then you are strongly advised to quit the import "
        "operation now and do so!\r\n\r\nProceed?",
        "Ready...", Icon::Question, Buttons::YesNo, 2};
}

Message importFinishedMessage(std::size_t imported, std::size_t duplicatesLeftOut) {
    std::string text = std::to_string(imported) + " records have been imported.";
    if (duplicatesLeftOut > 0)
        text += " " + std::to_string(duplicatesLeftOut) +
                (duplicatesLeftOut == 1 ? " duplicate was" : " duplicates were") + " left out.";
    return {text +
                "\r\n\r\nIMPORTANT: As soon as you return to the main "
                "screen, please sort the data file. Once sorting is complete, set the date range "
                "to encompass several years and carefully review the records. If it looks like "
                "the data is corrupted, then restore the internal backup file that you should "
                "have made before starting!",
            "Finished", Icon::Information, Buttons::Ok, 1};
}

EntryRecord convertImportLine(std::string_view line, std::size_t lineNumber, DelimitedStyle style,
                              const ImportLinks& links, const RegionalSettings& regional) {
    return convert(line, lineNumber, style, numbersOf(links), regional).value_or(EntryRecord{});
}

std::vector<EntryRecord> convertImportText(std::string_view text, DelimitedStyle style,
                                           const ImportLinks& links,
                                           const RegionalSettings& regional, bool skipHeader) {
    const LinkNumbers link = numbersOf(links);
    const std::vector<std::string_view> lines = importLines(text);
    std::vector<EntryRecord> entries;
    entries.reserve(lines.size());
    for (std::size_t i = skipHeader ? 1 : 0; i < lines.size(); ++i) {
        std::optional<EntryRecord> r = convert(lines[i], i + 1, style, link, regional);
        if (r && r->entryDate > 0) entries.push_back(std::move(*r));
    }
    return entries;
}

bool looksLikeHeader(std::string_view firstLine, DelimitedStyle style, std::size_t dateField,
                     const RegionalSettings& regional) {
    if (isBlankLine(firstLine, style)) return false;
    FieldReader reader(firstLine, style);
    for (std::size_t k = 1; const std::optional<std::string_view> f = reader.next(); ++k) {
        if (dateField == 0 && regional.parseDate(*f)) return false;
        if (k == dateField) return !regional.parseDate(*f);
    }
    return true;
}

DelimitedImportResult importDelimitedFile(const std::string& importPath, DelimitedStyle style,
                                          const std::string& recordFilePath,
                                          const ImportLinks& links,
                                          const RegionalSettings& regional, bool skipHeader,
                                          bool keepDuplicates, StampSource& stamps) {
    using entry_layout::kSize;
    std::string added = encodeImportFile(importPath, style, numbersOf(links), regional, skipHeader);
    // A missing folder fails here, before the lock, as it does for the window.
    ensureFileExists(recordFilePath);

    DelimitedImportResult result;
    const BookLock lock(parentFolder(recordFilePath));
    const RecordFileContent content = readRecordFile(recordFilePath);
    stamps.noteExisting(largestStamp(content));
    std::optional<DuplicateFinder> finder;
    if (!keepDuplicates) finder.emplace(content.records, added.size() / kSize);
    // The entries kept move down over the duplicates left out, in place.
    std::size_t kept = 0;
    for (std::size_t at = 0; at < added.size(); at += kSize) {
        char* const record = added.data() + kept;
        if (at != kept) std::memcpy(record, added.data() + at, kSize);
        if (finder && finder->offer(record)) {
            ++result.duplicates;
            continue;
        }
        entry_bytes::setRecordStamp(record, stamps.next());
        kept += kSize;
    }
    added.resize(kept);
    result.added = kept / kSize;
    if (result.added == 0) return result;
    const std::string_view pieces[] = {content.records, added, content.partialTail};
    writeFileAtomically(recordFilePath, pieces);
    return result;
}

std::size_t importIntoRecordFile(const std::string& importPath, const std::string& recordFilePath,
                                 const ImportLinks& links, const RegionalSettings& regional,
                                 StampSource& stamps) {
    const std::optional<DelimitedStyle> style = delimitedStyleOf(importPath);
    if (!style)
        throw OperationError(errnum::kInvalidCall, "Not a .txt or .csv file (" + importPath + ")");
    return importDelimitedFile(importPath, *style, recordFilePath, links, regional, false, false,
                               stamps)
        .added;
}

}  // namespace qbk

#include "import/comma_import.h"

#include <algorithm>

#include "import/import_batch.h"
#include "import/import_preview.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/record_file.h"

namespace qbk {
namespace {

// A line shown in an error message is cut here, so that a runaway line (a file with
// no line ends) still gives a message that fits on the screen.
constexpr std::size_t kShownLineChars = 200;

[[noreturn]] void failLine(std::size_t lineNumber, std::string_view line, std::string_view field,
                           std::string_view what) {
    std::string shown = leftChars(line, kShownLineChars);
    if (shown.size() < line.size()) shown += "...";
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

// The entry of one line; nullopt for a blank line (every field empty), which is
// skipped like a line without a date. Fields past the highest linked number are not
// read.
std::optional<EntryRecord> convert(std::string_view line, std::size_t lineNumber,
                                   DelimitedStyle style, const LinkNumbers& link,
                                   const RegionalSettings& regional) {
    EntryRecord r;
    FieldReader reader(line, style);
    const std::size_t highest = link.highest();
    for (std::size_t k = 1; k <= highest; ++k) {
        const std::optional<std::string_view> f = reader.next();
        if (!f) break;
        if (k == link.date) {
            const auto day = regional.parseDate(*f);
            if (!day) {
                if (isBlankLine(line, style)) return std::nullopt;
                failLine(lineNumber, line, *f, "a date");
            }
            r.entryDate = *day;
        }
        if (k == link.amount) {
            const auto amount = regional.parseAmount(*f);
            if (!amount) {
                if (isBlankLine(line, style)) return std::nullopt;
                failLine(lineNumber, line, *f, "an amount");
            }
            r.amount = *amount;
        }
        if (k == link.note) r.note = fitField(*f, entry_layout::kNoteWidth);
        if (k == link.category) r.categoryCode = fitField(*f, entry_layout::kCategoryCodeWidth);
        if (k == link.user1) r.userField1 = fitField(*f, entry_layout::kUserFieldWidth);
        if (k == link.user2) r.userField2 = fitField(*f, entry_layout::kUserFieldWidth);
    }
    return r;
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

std::size_t importIntoRecordFile(const std::string& importPath, const std::string& recordFilePath,
                                 const ImportLinks& links, const RegionalSettings& regional,
                                 StampSource& stamps) {
    const std::optional<DelimitedStyle> style = delimitedStyleOf(importPath);
    if (!style)
        throw OperationError(errnum::kInvalidCall, "Not a .txt or .csv file (" + importPath + ")");
    ImportBatch batch = delimitedBatch(readImportText(importPath), *style, links, regional, false);
    markDuplicates(batch, readBookIndex(recordFilePath));
    return commitImport(batch,
                        {recordFilePath, joinPath(parentFolder(recordFilePath), "category.dat")},
                        kDefaultImportCategory, stamps)
        .added;
}

}  // namespace qbk

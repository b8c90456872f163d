#include "import/comma_import.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>

#include "import/amount_column.h"
#include "import/import_batch.h"
#include "import/import_preview.h"
#include "import/layout_refusal.h"
#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/large_buffer.h"
#include "platform/windows1252.h"
#include "store/maintenance.h"
#include "store/record_file.h"

namespace qbk {
namespace {

// A line shown in an error message is cut here, so that a runaway line (a file with
// no line ends) still gives a message that fits on the screen.
constexpr std::size_t kShownLineChars = 200;

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

bool hasText(std::string_view line) {
    return !trimBlanks(line).empty();
}

// How the lines of one file are read: the links and the layout, with every choice
// that is made from the whole file made.
struct LineRule {
    LinkNumbers link;
    const DelimitedLayout& layout;
    DelimitedStyle style;
    char separator = ',';
    DecimalMark mark = DecimalMark::Point;
    DateFormat dateFormat = DateFormat::MonthDayYear;
    bool windows1252 = false;
    std::size_t firstEntry = 1;              // the first line that can be an entry
    std::size_t footerFrom = SIZE_MAX;       // lines from here on are left out
    std::size_t footerCount = 0;             // lines with text among them
    std::size_t trailingNoDates = SIZE_MAX;  // where the run of lines without a date
                                             // that ends the file begins
    std::size_t trailingCount = 0;
    std::size_t highest = 0;  // the highest field number read

    LineRule(const ImportLinks& links, const DelimitedLayout& l, DelimitedStyle s)
        : link(numbersOf(links)), layout(l), style(s) {
        highest = std::max({link.highest(), layout.debit, layout.credit, layout.sign});
        for (const std::size_t k : layout.noteFields)
            highest = std::max(highest, k);
    }
    bool twoColumns() const { return layout.debit != 0 || layout.credit != 0; }
    bool wanted(std::size_t k) const {
        return k == link.date || k == link.amount || k == link.note || k == link.category ||
               k == link.user1 || k == link.user2 || k == layout.debit || k == layout.credit ||
               k == layout.sign ||
               std::find(layout.noteFields.begin(), layout.noteFields.end(), k) !=
                   layout.noteFields.end();
    }
};

// The fields of a line that the rule reads, by number from 1; empty beyond the line,
// with `count` the number of fields the line has up to the highest one read.
struct LineFields {
    std::vector<std::string> text;
    std::size_t count = 0;
    const std::string* at(std::size_t k) const { return k == 0 || k > count ? nullptr : &text[k]; }
};

void readFields(std::string_view line, const LineRule& rule, LineFields& out) {
    out.text.assign(rule.highest + 1, std::string());
    out.count = 0;
    FieldReader reader(line, rule.style, rule.separator);
    for (std::size_t k = 1; k <= rule.highest; ++k) {
        const std::optional<std::string_view> f = reader.next();
        if (!f) break;
        out.count = k;
        if (rule.wanted(k)) out.text[k] = *f;
    }
}

// A failure in line `lineNumber`; a LayoutRefusal when the line stands at the top or the
// end of the file, where a choice of the layout leaves such lines out.
[[noreturn]] void failField(const LineRule& rule, std::size_t lineNumber, std::string_view line,
                            std::string_view field, std::string_view what) {
    std::string shown = rule.windows1252 ? fromWindows1252(line.substr(0, kShownLineChars))
                                         : leftChars(line, kShownLineChars);
    if (rule.windows1252 ? line.size() > kShownLineChars : shown.size() < line.size())
        shown += "...";
    const std::string failure = "Type mismatch in line " + std::to_string(lineNumber) + " (\"" +
                                std::string(field) + "\" is not " + std::string(what) +
                                "): " + shown;
    if (lineNumber >= rule.trailingNoDates && rule.trailingNoDates > rule.firstEntry)
        throw LayoutRefusal(failure + (rule.trailingCount == 1
                                           ? std::string(" - the last line is no entry")
                                           : " - the last " + std::to_string(rule.trailingCount) +
                                                 " lines are no entries"),
                            LayoutChoice::FooterLines, std::to_string(rule.trailingCount));
    if (lineNumber == rule.firstEntry && what == "a date" &&
        std::any_of(field.begin(), field.end(),
                    [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        throw LayoutRefusal(failure, LayoutChoice::HeaderLines);
    throw OperationError(errnum::kTypeMismatch, failure);
}

// The amount of one line by the rule: one signed field, or money in less money out
// from two, with the sign of a sign column and the file's sign turned.
Money lineAmount(const LineRule& rule, const LineFields& f, std::size_t lineNumber,
                 std::string_view line, const RegionalSettings& regional) {
    std::string scratch;
    const auto read = [&](const std::string& raw, bool emptyIsZero) -> Money {
        const std::string_view text = asUtf8(raw, rule.windows1252, scratch);
        if (emptyIsZero && trimBlanks(text).empty()) return Money();
        const AmountReading reading = regional.readAmount(text, rule.mark);
        if (!reading.value)
            failField(rule, lineNumber, line, text,
                      !regional.splitAmountText(text)   ? "an amount"
                      : rule.mark == DecimalMark::Point ? "an amount with a decimal point"
                                                        : "an amount with a decimal comma");
        return *reading.value;
    };
    Money amount;
    if (rule.twoColumns()) {
        if (const std::string* credit = f.at(rule.layout.credit))
            amount = read(*credit, true).abs();
        if (const std::string* debit = f.at(rule.layout.debit)) amount -= read(*debit, true).abs();
    } else {
        amount = read(*f.at(rule.link.amount), false);
    }
    if (const std::string* sign = f.at(rule.layout.sign)) {
        const std::string word = ansiUpper(trimBlanks(asUtf8(*sign, rule.windows1252, scratch)));
        const bool debit = std::any_of(rule.layout.debitWords.begin(), rule.layout.debitWords.end(),
                                       [&](const std::string& w) { return ansiUpper(w) == word; });
        amount = debit ? -amount.abs() : amount.abs();
    }
    return rule.layout.negate ? -amount : amount;
}

// Stores the linked fields of one line into `out`, which takes date(), amount() and
// text(offset, width, field) with the entry_layout offset of a text field. The line and
// its fields are UTF-8, or Windows-1252 bytes with the rule's `windows1252`. False for
// a line without a date (its date field beyond the line, or every field empty).
template <typename Fields>
bool convertInto(Fields& out, std::string_view line, std::size_t lineNumber, const LineRule& rule,
                 const RegionalSettings& regional, LineFields& f) {
    using namespace entry_layout;
    readFields(line, rule, f);
    const std::string* date = f.at(rule.link.date);
    if (!date || isBlankLine(line, rule.style, rule.separator)) return false;
    std::string scratch;
    const std::string_view dateText = asUtf8(*date, rule.windows1252, scratch);
    const std::optional<DaySerial> day = readDateAs(dateText, rule.dateFormat);
    if (!day) failField(rule, lineNumber, line, dateText, "a date");
    out.date(*day);
    if (rule.twoColumns() || f.at(rule.link.amount))
        out.amount(lineAmount(rule, f, lineNumber, line, regional));
    if (!rule.layout.noteFields.empty()) {
        std::string note;
        for (const std::size_t k : rule.layout.noteFields)
            if (const std::string* part = f.at(k); part && !part->empty())
                note += (note.empty() ? "" : " - ") + *part;
        out.text(kNote, kNoteWidth, note);
    } else if (const std::string* note = f.at(rule.link.note)) {
        out.text(kNote, kNoteWidth, *note);
    }
    if (const std::string* t = f.at(rule.link.category))
        out.text(kCategoryCode, kCategoryCodeWidth, *t);
    if (const std::string* t = f.at(rule.link.user1)) out.text(kUserField1, kUserFieldWidth, *t);
    if (const std::string* t = f.at(rule.link.user2)) out.text(kUserField2, kUserFieldWidth, *t);
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

using LineSource =
    std::function<void(const std::function<void(std::size_t, std::string_view)>& line)>;

// Makes the choices of `rule` that come from the whole file: the separator from its
// first lines, the lines at the end left out, the date format and the decimal mark
// from all the dates and amounts of the lines that are entries. Throws OperationError
// (type mismatch) when the dates or the amounts do not decide; without `decide` only
// the separator and the lines at the end are found.
void surveyFile(const LineSource& lines, LineRule& rule, const RegionalSettings& regional,
                bool decide = true) {
    const DelimitedLayout& layout = rule.layout;
    rule.firstEntry = layout.skipLines + (layout.skipHeader ? 1 : 0) + 1;
    rule.separator = rule.style == DelimitedStyle::Txt ? ',' : layout.separator;
    if (rule.separator == 0) {
        std::vector<std::string> first;
        lines([&](std::size_t number, std::string_view line) {
            if (number > layout.skipLines && first.size() < 50 && hasText(line))
                first.emplace_back(line);
        });
        rule.separator = detectSeparator(std::vector<std::string_view>(first.begin(), first.end()));
    }

    // The votes of a line wait while it may still be one of the footer's lines.
    struct Pending {
        std::size_t number;
        std::string date;
        std::vector<std::string> amounts;
    };
    std::deque<Pending> pending;
    DateFormatVote dates;
    DecimalMarkVote marks(regional);
    std::size_t runStart = SIZE_MAX, runCount = 0;
    LineFields f;
    std::string scratch;
    const auto vote = [&](const Pending& p) {
        if (!layout.dateFormat) {
            // Texts that are no date in any format fail when the line is read.
            bool any = false;
            for (int k = 0; k < 5 && !any; ++k)
                any = readDateAs(p.date, static_cast<DateFormat>(k)).has_value();
            if (any) dates.add(p.date);
        }
        for (const std::string& a : p.amounts)
            marks.add(a);
    };
    lines([&](std::size_t number, std::string_view line) {
        if (number < rule.firstEntry || !hasText(line)) return;
        readFields(line, rule, f);
        Pending p{number, {}, {}};
        if (const std::string* d = f.at(rule.link.date))
            p.date = asUtf8(*d, rule.windows1252, scratch);
        for (const std::size_t k :
             {rule.twoColumns() ? std::size_t{0} : rule.link.amount, layout.debit, layout.credit})
            if (const std::string* a = f.at(k); a && !a->empty())
                p.amounts.emplace_back(asUtf8(*a, rule.windows1252, scratch));
        // A footer's lines ("Saldo", "Total") have no figure where the date stands.
        const bool noDate =
            std::none_of(p.date.begin(), p.date.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (noDate) {
            if (runCount++ == 0) runStart = number;
        } else {
            runCount = 0;
        }
        pending.push_back(std::move(p));
        if (pending.size() > layout.skipFooter) {
            vote(pending.front());
            pending.pop_front();
        }
    });
    if (layout.skipFooter > 0 && !pending.empty()) {
        rule.footerFrom = pending.front().number;
        rule.footerCount = pending.size();
    }
    if (runCount > 0 && layout.skipFooter == 0) {
        rule.trailingNoDates = runStart;
        rule.trailingCount = runCount;
    }
    if (!decide) return;

    rule.dateFormat = layout.dateFormat.value_or(DateFormat::MonthDayYear);
    if (!layout.dateFormat) {
        const std::optional<DateFormat> decided = dates.decided();
        if (!decided) throw dates.refusal();
        rule.dateFormat = *decided;
    }
    rule.mark = layout.decimalMark ? *layout.decimalMark : marks.decide();
}

// The records of every entry line of the file that has a date, encoded (without
// stamps) into one buffer: the file is read in blocks, for its encoding and size, for
// the choices made from the whole file, and for the entries.
std::string encodeImportFile(const std::string& path, LineRule& rule,
                             const RegionalSettings& regional) {
    const ImportFileShape shape = importFileShape(path);
    rule.windows1252 = !shape.utf8;
    const LineSource lines = [&](const auto& line) { forEachImportLine(path, line); };
    surveyFile(lines, rule, regional);
    const std::string blank = encodeEntry(EntryRecord());
    std::string records;
    reserveLarge(records, shape.lines * entry_layout::kSize);
    LineFields f;
    lines([&](std::size_t number, std::string_view line) {
        if (number < rule.firstEntry || number >= rule.footerFrom) return;
        const std::size_t at = records.size();
        records += blank;
        EncodedFields fields{records.data() + at, rule.windows1252};
        if (!convertInto(fields, line, number, rule, regional, f) ||
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

Message sortedImportFinishedMessage(std::size_t imported, std::size_t duplicatesLeftOut) {
    std::string text = std::to_string(imported) +
                       " records have been imported, and the record file is sorted by date.";
    if (duplicatesLeftOut > 0)
        text += " " + std::to_string(duplicatesLeftOut) +
                (duplicatesLeftOut == 1 ? " duplicate was" : " duplicates were") + " left out.";
    return {text, "Finished", Icon::Information, Buttons::Ok, 1};
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

std::vector<EntryRecord> convertImportText(std::string_view text, DelimitedStyle style,
                                           const ImportLinks& links,
                                           const RegionalSettings& regional, bool skipHeader) {
    DelimitedLayout layout;
    layout.skipHeader = skipHeader;
    return convertImportText(text, style, links, regional, layout).entries;
}

ConvertedText convertImportText(std::string_view text, DelimitedStyle style,
                                const ImportLinks& links, const RegionalSettings& regional,
                                const DelimitedLayout& layout) {
    LineRule rule(links, layout, style);
    const std::vector<std::string_view> all = importLines(text);
    const LineSource lines = [&](const auto& each) {
        for (std::size_t i = 0; i < all.size(); ++i)
            each(i + 1, all[i]);
    };
    surveyFile(lines, rule, regional);
    ConvertedText out;
    out.separator = rule.separator;
    out.mark = rule.mark;
    out.dateFormat = rule.dateFormat;
    out.entries.reserve(all.size());
    LineFields f;
    for (std::size_t n = rule.firstEntry; n <= all.size() && n < rule.footerFrom; ++n) {
        EntryRecord r;
        RecordFields fields{r};
        if (convertInto(fields, all[n - 1], n, rule, regional, f) && r.entryDate > 0)
            out.entries.push_back(std::move(r));
    }
    return out;
}

DelimitedFooter delimitedFooter(std::string_view text, DelimitedStyle style,
                                const ImportLinks& links, const RegionalSettings& regional,
                                const DelimitedLayout& layout) {
    LineRule rule(links, layout, style);
    const std::vector<std::string_view> all = importLines(text);
    surveyFile(
        [&](const auto& each) {
            for (std::size_t i = 0; i < all.size(); ++i)
                each(i + 1, all[i]);
        },
        rule, regional, false);
    DelimitedFooter footer;
    if (rule.footerFrom != SIZE_MAX) {
        footer.first = rule.footerFrom;
        footer.count = rule.footerCount;
        footer.leftOut = true;
    } else if (rule.link.date != 0 && rule.trailingNoDates != SIZE_MAX &&
               rule.trailingNoDates > rule.firstEntry) {
        footer.first = rule.trailingNoDates;
        footer.count = rule.trailingCount;
    }
    return footer;
}

std::string readLayoutText(const DelimitedLayout& asRead, DelimitedStyle style) {
    std::string text =
        "Read with dates as " +
        std::string(dateFormatName(asRead.dateFormat.value_or(DateFormat::MonthDayYear))) +
        " and a decimal " +
        std::string(decimalMarkName(asRead.decimalMark.value_or(DecimalMark::Point)));
    if (style == DelimitedStyle::Csv)
        text += std::string(", fields separated by ") + (asRead.separator == ';'    ? "semicolons"
                                                         : asRead.separator == '\t' ? "tabs"
                                                                                    : "commas");
    return text + ".";
}

bool looksLikeHeader(std::string_view firstLine, DelimitedStyle style, std::size_t dateField,
                     const RegionalSettings& regional, char separator) {
    if (isBlankLine(firstLine, style, separator)) return false;
    const auto isDate = [&](std::string_view f) {
        if (regional.parseDate(f)) return true;
        for (int k = 0; k < 5; ++k)
            if (readDateAs(f, static_cast<DateFormat>(k))) return true;
        return false;
    };
    FieldReader reader(firstLine, style, separator);
    for (std::size_t k = 1; const std::optional<std::string_view> f = reader.next(); ++k) {
        if (dateField == 0 && isDate(*f)) return false;
        if (k == dateField) return !isDate(*f);
    }
    return true;
}

DelimitedImportResult importDelimitedFile(const std::string& importPath, DelimitedStyle style,
                                          const std::string& recordFilePath,
                                          const ImportLinks& links,
                                          const RegionalSettings& regional, bool skipHeader,
                                          bool keepDuplicates, StampSource& stamps) {
    DelimitedLayout layout;
    layout.skipHeader = skipHeader;
    return importDelimitedFile(importPath, style, recordFilePath, links, regional, layout,
                               keepDuplicates, stamps);
}

DelimitedImportResult importDelimitedFile(const std::string& importPath, DelimitedStyle style,
                                          const std::string& recordFilePath,
                                          const ImportLinks& links,
                                          const RegionalSettings& regional,
                                          const DelimitedLayout& layout, bool keepDuplicates,
                                          StampSource& stamps, bool sortAfter) {
    using entry_layout::kSize;
    LineRule rule(links, layout, style);
    std::string added = encodeImportFile(importPath, rule, regional);
    // A missing folder fails here, before the lock, as it does for the window.
    ensureFileExists(recordFilePath);

    DelimitedImportResult result;
    result.separator = rule.separator;
    result.mark = rule.mark;
    result.dateFormat = rule.dateFormat;
    const BookLock lock(parentFolder(recordFilePath));
    const RecordFileContent content = readRecordFile(recordFilePath);
    stamps.noteExisting(largestStamp(content));
    std::optional<DuplicateFinder> finder;
    if (!keepDuplicates) finder.emplace(content.records);
    // The entries kept move down over the duplicates left out, in place. The lines are
    // matched against the book as it is under the lock, never against each other.
    std::size_t kept = 0;
    for (std::size_t at = 0; at < added.size(); at += kSize) {
        char* const record = added.data() + kept;
        if (at != kept) std::memcpy(record, added.data() + at, kSize);
        if (finder && finder->take(record)) {
            ++result.duplicates;
            continue;
        }
        entry_bytes::setRecordStamp(record, stamps.next());
        kept += kSize;
    }
    added.resize(kept);
    result.added = kept / kSize;
    if (result.added == 0) return result;
    checkTotalsFit(content.records, added);
    if (sortAfter) {
        RecordFileContent sorted{content.records + added, content.partialTail};
        sortRecords(sorted);
        writeRecordFile(recordFilePath, sorted);
        return result;
    }
    const std::string_view pieces[] = {content.records, added, content.partialTail};
    writeFileAtomically(recordFilePath, pieces);
    return result;
}

std::size_t importIntoRecordFile(const std::string& importPath, const std::string& recordFilePath,
                                 const ImportLinks& links, const RegionalSettings& regional,
                                 StampSource& stamps, const DelimitedLayout& layout) {
    const std::optional<DelimitedStyle> style = delimitedStyleOf(importPath);
    if (!style)
        throw OperationError(errnum::kInvalidCall, "Not a .txt or .csv file (" + importPath + ")");
    return importDelimitedFile(importPath, *style, recordFilePath, links, regional, layout, false,
                               stamps)
        .added;
}

}  // namespace qbk

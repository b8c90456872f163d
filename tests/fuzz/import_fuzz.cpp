// Comma-delimited text of any bytes, in both styles: every line splits into one field
// more than it has separators (a quoted .csv field may hold some), each without
// surrounding blanks; the import takes all lines or none, and every entry it takes has
// a date; a bank layout of any options (separator, skipped lines, footer, debit and
// credit, sign column) takes all lines or refuses with a type mismatch. And a full export of
// entries made from the input reads back through the import as the same entries.
#include <algorithm>
#include <tuple>

#include "fuzz/fuzz_support.h"
#include "import/comma_import.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "reports/exports.h"
#include "store/record_file.h"

namespace qbk {
namespace {

const ImportLinks kAllLinks{"1", "2", "3", "4", "5", "6"};
// The columns of a full export: amount, code, note, date, user fields.
const ImportLinks kExportLinks{"4", "1", "3", "2", "5", "6"};

std::size_t separators(std::string_view line, DelimitedStyle style) {
    if (style == DelimitedStyle::Csv)
        return static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
    std::size_t n = 0;
    for (std::size_t at = line.find("\",\""); at != std::string_view::npos;
         at = line.find("\",\"", at + 1))
        ++n;
    return n;
}

void checkLines(std::string_view text, DelimitedStyle style) {
    for (const std::string_view line : importLines(text)) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        const std::vector<std::string> fields = splitFields(line, style);
        const std::size_t most = line.empty() ? 0 : separators(line, style) + 1;
        // A quoted .csv field may hold commas, so only a line without quotes splits at
        // every comma.
        const bool quoted =
            style == DelimitedStyle::Csv && line.find('"') != std::string_view::npos;
        FUZZ_CHECK(quoted ? fields.size() <= most && (line.empty() || !fields.empty())
                          : fields.size() == most);
        for (const std::string& f : fields)
            FUZZ_CHECK(trimBlanks(f) == f);
    }
}

// All or nothing: the record file grows by exactly the converted entries that are no
// duplicates, or stays.
void checkImport(const std::string& text, DelimitedStyle style, const RegionalSettings& regional) {
    const std::string importPath =
        fuzz::scratchFolder() + (style == DelimitedStyle::Csv ? "in.csv" : "in.txt");
    const std::string recordPath = fuzz::scratchFolder() + "quillbank.dat";
    fuzz::writeBytes(importPath, text);
    const std::string book = encodeEntry(EntryRecord());
    fuzz::writeBytes(recordPath, book);

    std::vector<EntryRecord> converted;
    bool refused = false;
    try {
        converted = convertImportText(decodeImportBytes(text), style, kAllLinks, regional);
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
        refused = true;
    }
    for (const EntryRecord& r : converted)
        FUZZ_CHECK(isDate(r.entryDate));
    // The book holds one entry: the first line with its date, amount and note is a
    // duplicate and left out; lines never make each other duplicates.
    std::vector<EntryRecord> kept;
    bool bookEntryLeft = true;
    for (const EntryRecord& r : converted) {
        if (bookEntryLeft && r.entryDate == EntryRecord().entryDate &&
            r.amount == EntryRecord().amount && r.note == EntryRecord().note) {
            bookEntryLeft = false;
            continue;
        }
        kept.push_back(r);
    }

    ManualClock clock(45000, 100);
    StampSource stamps(clock);
    try {
        const std::size_t n =
            importIntoRecordFile(importPath, recordPath, kAllLinks, regional, stamps);
        FUZZ_CHECK(!refused && n == kept.size());
    } catch (const OperationError& e) {
        FUZZ_CHECK(refused && e.number() == errnum::kTypeMismatch);
        FUZZ_CHECK(fuzz::readBytes(recordPath) == book);
        return;
    }
    const RecordFileContent after = readRecordFile(recordPath);
    FUZZ_CHECK(after.count() == 1 + kept.size());
    FUZZ_CHECK(std::string(after.at(1), entry_layout::kSize) == book);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EntryRecord r = kept[i];
        r.recordStamp = entry_bytes::recordStamp(after.at(i + 2));
        FUZZ_CHECK(r.recordStamp > 45000);
        FUZZ_CHECK(std::string(after.at(i + 2), entry_layout::kSize) == encodeEntry(r));
    }
}

// A text field of an entry as the export can carry it: no line end, and (for the code,
// which the export writes as it stands) no quote or comma.
std::string fieldOf(fuzz::Input& in, std::size_t width, bool code) {
    std::string bytes(in.bytes(width));
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || (code && (c == '"' || c == ','))) c = ' ';
    return fromWindows1252(bytes);
}

using Row = std::tuple<double, std::int64_t, std::string, std::string, std::string, std::string>;

Row rowOf(const EntryRecord& r) {
    return {r.entryDate,
            r.amount.raw(),
            std::string(trimBlanks(r.categoryCode)),
            std::string(trimBlanks(StripQuoteAndComma(r.note))),
            std::string(trimBlanks(StripQuoteAndComma(r.userField1))),
            std::string(trimBlanks(StripQuoteAndComma(r.userField2)))};
}

void checkExportReadsBack(fuzz::Input& in, DelimitedStyle style, const RegionalSettings& regional) {
    ReportSplit split;
    std::vector<CategoryRecord> categories;
    std::vector<Row> expected;
    const std::size_t n = in.byte() % 8;
    for (std::size_t i = 0; i < n; ++i) {
        EntryRecord r;
        r.entryDate = 1 + in.value<std::uint32_t>() % 2958465;
        r.amount = Money::fromRaw(in.value<std::int64_t>());
        r.categoryCode = fitField(fieldOf(in, 10, true), 10);
        r.note = fitField(fieldOf(in, in.byte() % 61, false), 60);
        r.userField1 = fitField(fieldOf(in, 10, false), 10);
        r.userField2 = fitField(fieldOf(in, 10, false), 10);
        if (r.amount.isZero()) continue;  // open items are not exported
        (r.amount.isNegative() ? split.expense : split.income).records += encodeEntry(r);
        CategoryRecord c;
        c.catCode = r.categoryCode;
        if (std::find(categories.begin(), categories.end(), c) == categories.end())
            categories.push_back(c);
        expected.push_back(rowOf(r));
    }
    const std::string text = exportText(
        ExportKind::Full, split, categories,
        style == DelimitedStyle::Csv ? kCommaSeparatedStyle : kQuotedTextStyle, regional);
    // The export writes the dates and amounts of the regional settings; a file of them
    // alone may not tell which those are, so the import is told.
    DelimitedLayout layout;
    layout.dateFormat = regional.dateOrder == DateOrder::DayMonthYear ? DateFormat::DayMonthYear
                                                                      : DateFormat::MonthDayYear;
    layout.decimalMark = regional.decimalSeparator == "," ? DecimalMark::Comma : DecimalMark::Point;
    std::vector<Row> read;
    for (const EntryRecord& r :
         convertImportText(decodeImportBytes(text), style, kExportLinks, regional, layout).entries)
        read.push_back(rowOf(r));
    std::sort(expected.begin(), expected.end());
    std::sort(read.begin(), read.end());
    FUZZ_CHECK(read == expected);
}

// A bank layout of any options over any bytes: entries with dates, or a type mismatch.
void checkLayout(fuzz::Input& in, const RegionalSettings& regional) {
    DelimitedLayout layout;
    const std::uint8_t options = in.byte();
    layout.separator = "\0,;\t"[options % 4];
    layout.skipLines = in.byte() % 4;
    layout.skipHeader = options & 4;
    layout.skipFooter = in.byte() % 3;
    if (options & 8) layout.decimalMark = options & 16 ? DecimalMark::Comma : DecimalMark::Point;
    if (options & 32) layout.dateFormat = static_cast<DateFormat>(in.byte() % 5);
    if (options & 64) {
        layout.debit = in.byte() % 5;
        layout.credit = in.byte() % 5;
    }
    if (options & 128) layout.sign = in.byte() % 5;
    layout.negate = in.byte() & 1;
    if (in.byte() & 1) layout.noteFields = {3, 1};
    try {
        for (const EntryRecord& r :
             convertImportText(decodeImportBytes(in.rest()), DelimitedStyle::Csv, kAllLinks,
                               regional, layout)
                 .entries)
            FUZZ_CHECK(isDate(r.entryDate));
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
    }
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    static const RegionalSettings us = RegionalSettings::unitedStates();
    static const RegionalSettings de = RegionalSettings::germany();
    fuzz::Input in(data, size);
    const std::uint8_t mode = in.byte();
    const DelimitedStyle style = mode & 1 ? DelimitedStyle::Csv : DelimitedStyle::Txt;
    const RegionalSettings& regional = mode & 2 ? de : us;
    if (mode & 8) {
        checkLayout(in, regional);
        return 0;
    }
    if (mode & 4) {
        // Not for comma-decimal amounts in comma-separated values: the export quotes
        // them for spreadsheets, and the import's splitting keeps quotes.
        if (style != DelimitedStyle::Csv || &regional == &us)
            checkExportReadsBack(in, style, regional);
        return 0;
    }
    const std::string text(in.rest());
    checkLines(decodeImportBytes(text), style);
    checkImport(text, style, regional);
    return 0;
}

// Bank statements of any bytes, OFX (both forms) and QIF: a file reads the same way
// twice, either into transactions that each have a day of the years 1 to 9999 and
// clean texts, or into a refusal that names a line of the file. Imported into a book
// the way qbk3-cli does it, a statement that reads appends exactly its transactions
// that are no duplicates, and one that does not read leaves every file of the book as
// it was; a second import of the same file adds nothing.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "cli/import_run.h"
#include "fuzz/fuzz_support.h"
#include "import/delimited_line.h"
#include "import/imported_ids.h"
#include "import/ofx_reader.h"
#include "import/payee_rules.h"
#include "import/qif_reader.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

struct Read {
    Statement transactions;
    std::string refusal;  // the message, or "" when the file read
};

using Shown = std::tuple<std::size_t, double, std::int64_t, std::string, std::string, std::string,
                         std::string, std::string>;

std::vector<Shown> shown(const Statement& s) {
    std::vector<Shown> out;
    for (const StatementTransaction& t : s)
        out.emplace_back(t.line, t.date, t.amount.raw(), t.payee, t.memo, t.number, t.id,
                         t.category);
    return out;
}

Read read(const std::string& text, bool qif, std::optional<DateOrder> order) {
    Read r;
    try {
        std::size_t investments = 0;
        r.transactions = qif ? readQif(text, order).transactions : readOfx(text, &investments);
        if (r.transactions.empty() && investments > 0)
            r.refusal = "This file holds only investment transactions (" +
                        std::to_string(investments) +
                        "): buys, sells and the like of securities are not entries of a "
                        "cashflow book, and nothing was imported.";
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kTypeMismatch);
        r.refusal = e.what();
        FUZZ_CHECK(!r.refusal.empty());
    }
    return r;
}

// Lines as either reader counts them: it ends no line at a lone CR, so no count of
// line ends falls short.
std::size_t lineCount(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                    std::count(text.begin(), text.end(), '\r')) +
           1;
}

bool clean(std::string_view text) {
    return isValidUtf8(text) && trimBlanks(text) == text;
}

void checkRead(const std::string& text, const Read& r, bool qif) {
    const std::size_t lines = lineCount(text);
    if (!r.refusal.empty()) {
        const std::string prefix = qif ? "Damaged QIF file, line " : "Damaged OFX file, line ";
        FUZZ_CHECK(r.refusal.starts_with(prefix));
        const std::size_t digits = r.refusal.find(':', prefix.size());
        FUZZ_CHECK(digits != std::string::npos && digits > prefix.size());
        const std::string number = r.refusal.substr(prefix.size(), digits - prefix.size());
        FUZZ_CHECK(number.find_first_not_of("0123456789") == std::string::npos);
        FUZZ_CHECK(number.size() < 12 && std::stoull(number) >= 1 && std::stoull(number) <= lines);
        FUZZ_CHECK(r.transactions.empty());
        return;
    }
    std::size_t previousLine = 0;
    for (const StatementTransaction& t : r.transactions) {
        FUZZ_CHECK(isDate(t.date) && t.date == std::floor(t.date));
        FUZZ_CHECK(t.line >= previousLine && t.line >= 1 && t.line <= lines);
        // OFX writes the day as YYYYMMDD: a date that is not in the file was made up.
        FUZZ_CHECK(qif || text.find(yyyymmdd(t.date)) != std::string::npos);
        previousLine = t.line;
        FUZZ_CHECK(clean(t.payee) && clean(t.memo) && clean(t.number) && clean(t.category));
        FUZZ_CHECK(isValidUtf8(t.id));
    }
}

// The book before each import: one entry (which a statement can repeat) and one
// category, plus a payee rule that names a category the book lacks.
EntryRecord bookEntry() {
    EntryRecord r;
    r.entryDate = serialFromDate(2026, 1, 3);
    r.amount = Money::fromRaw(-47500);
    r.note = fitField("COFFEE", entry_layout::kNoteWidth);
    r.recordStamp = 46000.5;
    // Cleared, so that no line is taken for it as the entry the user typed: what is
    // checked here is the duplicate check.
    r.setCleared(ClearedState::Cleared);
    return r;
}

struct Book {
    std::string folder = fuzz::scratchFolder();
    std::string records = folder + "quillbank.dat";
    std::string categories = folder + "category.dat";
    std::string ids = folder + "quillbank.ids";

    std::string bytes() const {
        return fuzz::readBytes(records) + '\0' + fuzz::readBytes(categories) + '\0' +
               fuzz::readBytes(ids);
    }
};

Book freshBook() {
    Book book;
    std::filesystem::remove(book.ids);
    fuzz::writeBytes(book.records, encodeEntry(bookEntry()));
    CategoryRecord food;
    food.catCode = fitField("FOOD", category_layout::kCatCodeWidth);
    food.catName = fitField("Groceries", category_layout::kCatNameWidth);
    writeCategories(book.categories, {food});
    fuzz::writeBytes(book.folder + std::string(kPayeeRulesFileName), "rent -> HOUSE\r\n");
    return book;
}

// The stored date, amount and note of an entry, as the duplicate check compares them.
std::tuple<double, std::int64_t, std::string> key(const EntryRecord& r) {
    const std::string bytes = encodeEntry(r);
    return {r.entryDate, r.amount.raw(),
            std::string(trimBlanks(
                std::string_view(bytes).substr(entry_layout::kNote, entry_layout::kNoteWidth)))};
}

EntryRecord entryOf(const StatementTransaction& t) {
    EntryRecord r;
    r.entryDate = t.date;
    r.amount = t.amount;
    r.note = fitField(statementNote(t), entry_layout::kNoteWidth);
    r.userField1 = fitField(t.number, entry_layout::kUserFieldWidth);
    return r;
}

void checkImport(const std::string& bytes, const Read& r, bool qif, DateOrder order) {
    const Book book = freshBook();
    const std::string before = fuzz::readBytes(book.records);
    const std::string beforeAll = book.bytes();
    const std::string importPath = book.folder + (qif ? "in.qif" : "in.ofx");
    fuzz::writeBytes(importPath, bytes);

    // What the import keeps: a transaction with an id unless an earlier one of the file
    // has that id, date and amount; one without an id unless it is the first to
    // match the one entry of the book (date, amount and note, and user field 1 when it
    // has a check number). Lines never make each other duplicates otherwise.
    std::vector<EntryRecord> kept;
    std::vector<std::tuple<std::string, double, std::int64_t>> listed;
    bool bookEntryLeft = true;
    for (const StatementTransaction& t : r.transactions) {
        EntryRecord e = entryOf(t);
        const std::string id = cleanImportedId(t.id);
        if (!id.empty()) {
            const auto entry = std::make_tuple(id, e.entryDate, e.amount.raw());
            if (std::find(listed.begin(), listed.end(), entry) != listed.end()) continue;
            listed.push_back(entry);
        } else {
            const bool check =
                !t.number.empty() && t.number.find_first_not_of("0123456789") == std::string::npos;
            if (bookEntryLeft && key(e) == key(bookEntry()) &&
                (!check || trimBlanks(e.userField1) == trimBlanks(bookEntry().userField1))) {
                bookEntryLeft = false;
                continue;
            }
        }
        kept.push_back(std::move(e));
    }

    ManualClock clock(46100, 100);
    StampSource stamps(clock);
    ImportRequest request;
    request.dataFolder = book.folder;
    request.importPath = importPath;
    request.ambiguousDateOrder = order;
    try {
        const ImportSummary summary = runImport(request, RegionalSettings::unitedStates(), stamps);
        FUZZ_CHECK(r.refusal.empty() && summary.added == kept.size());
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.what() == r.refusal);
        FUZZ_CHECK(book.bytes() == beforeAll);
        return;
    }
    const RecordFileContent after = readRecordFile(book.records);
    FUZZ_CHECK(after.count() == 1 + kept.size() && after.partialTail.empty());
    FUZZ_CHECK(std::string(after.at(1), entry_layout::kSize) == before);
    const std::vector<CategoryRecord> categories = readCategories(book.categories);
    double previousStamp = bookEntry().recordStamp;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const char* stored = after.at(i + 2);
        EntryRecord e = kept[i];
        e.recordStamp = entry_bytes::recordStamp(stored);
        FUZZ_CHECK(e.recordStamp > previousStamp);
        previousStamp = e.recordStamp;
        // Every entry goes to a category of the book (made for it when missing).
        e.categoryCode = decodeEntry(stored).categoryCode;
        FUZZ_CHECK(!trimBlanks(e.categoryCode).empty());
        FUZZ_CHECK(std::any_of(categories.begin(), categories.end(), [&](const CategoryRecord& c) {
            return c.catCode == e.categoryCode;
        }));
        FUZZ_CHECK(std::string(stored, entry_layout::kSize) == encodeEntry(e));
    }

    // The same statement again: everything in it is a duplicate now.
    const std::string once = book.bytes();
    const ImportSummary again = runImport(request, RegionalSettings::unitedStates(), stamps);
    FUZZ_CHECK(again.added == 0);
    FUZZ_CHECK(book.bytes() == once);
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const std::uint8_t mode = in.byte();
    const bool qif = mode & 1;
    const DateOrder order = mode & 2 ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
    const std::string bytes(in.rest());
    const std::string text = decodeImportBytes(bytes);

    const Read first = read(text, qif, order);
    checkRead(text, first, qif);
    const Read second = read(text, qif, order);
    FUZZ_CHECK(second.refusal == first.refusal &&
               shown(second.transactions) == shown(first.transactions));
    if (qif) {
        // Without an order the reader gives the transactions only when the dates tell it.
        // Its dates are checked only once the order is known.
        try {
            const QifStatement asked = readQif(text, std::nullopt);
            FUZZ_CHECK(asked.ambiguous ? asked.transactions.empty()
                                       : first.refusal.empty() && shown(asked.transactions) ==
                                                                      shown(first.transactions));
        } catch (const OperationError& e) {
            FUZZ_CHECK(e.what() == first.refusal);
        }
    }
    checkImport(bytes, first, qif, order);
    return 0;
}

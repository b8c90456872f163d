// A record file of any bytes: it reads back byte for byte, the list refresh shows
// exactly the live entries dated inside its range with totals that add up, and the
// sort and the insertion keep every record.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "mainwindow/list_refresh.h"
#include "platform/errors.h"
#include "platform/stamps.h"
#include "store/maintenance.h"
#include "store/record_file.h"

namespace qbk {
namespace {

constexpr std::size_t kRecord = entry_layout::kSize;

std::vector<std::string> recordsOf(const RecordFileContent& content) {
    std::vector<std::string> records;
    for (std::size_t i = 1; i <= content.count(); ++i)
        records.emplace_back(content.at(i), kRecord);
    return records;
}

// The rows the list must show for `query`, by the rules of the list, and its sums;
// nullopt for a sum that leaves the 64-bit range.
struct Expected {
    std::vector<double> stamps;
    std::optional<std::int64_t> income = 0, expense = 0, balance = 0;
};

void add(std::optional<std::int64_t>& sum, std::int64_t amount) {
    std::int64_t result = 0;
    if (sum && !__builtin_add_overflow(*sum, amount, &result))
        sum = result;
    else
        sum.reset();
}

Expected expectedList(const RecordFileContent& content, const ListQuery& query) {
    Expected e;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const char* r = content.at(i);
        if (entry_bytes::isDeleted(r)) continue;
        const DaySerial date = entry_bytes::entryDate(r);
        if (!query.macroMode &&
            !(isDate(date) && query.rangeStart <= date && date <= query.rangeEnd))
            continue;
        e.stamps.push_back(entry_bytes::recordStamp(r));
        const std::int64_t amount = entry_bytes::amount(r).raw();
        add(amount < 0 ? e.expense : e.income, amount);
        add(e.balance, amount);
    }
    return e;
}

void checkListView(const std::string& path, const RecordFileContent& content,
                   const ListQuery& query, const Expected& expected, bool inMemory);

void checkList(const std::string& path, const RecordFileContent& content, const ListQuery& query) {
    const Expected expected = expectedList(content, query);
    // Read block by block (the command line) and whole into memory (the window) alike.
    for (const bool inMemory : {false, true})
        checkListView(path, content, query, expected, inMemory);
}

void checkListView(const std::string& path, const RecordFileContent& content,
                   const ListQuery& query, const Expected& expected, bool inMemory) {
    static const RegionalSettings us = RegionalSettings::unitedStates();
    static const SettingsRecord settings = SettingsRecord::defaults();
    ListView view;
    try {
        CachedFile book;
        view = inMemory ? PopMainGrid(path, book, query, settings, us)
                        : PopMainGrid(path, query, settings, us);
    } catch (const OperationError& e) {
        // Only a total out of the currency range may stop the list.
        FUZZ_CHECK(e.number() == errnum::kOverflow);
        FUZZ_CHECK(!expected.income || !expected.expense || !expected.balance);
        return;
    }
    FUZZ_CHECK(view.recordCount == content.count());
    FUZZ_CHECK(view.size() == expected.stamps.size());
    for (std::size_t i = 0; i < view.size(); ++i) {
        const double stamp = view.stamp(i);
        FUZZ_CHECK(std::memcmp(&stamp, &expected.stamps[i], sizeof stamp) == 0);
        if (query.macroMode) continue;
        const std::optional<DaySerial> shown = us.parseDate(view.cell(i, 0));
        FUZZ_CHECK(shown && query.rangeStart <= *shown && *shown <= query.rangeEnd);
        FUZZ_CHECK(view.cell(i, 6) == stampText(stamp));
    }
    FUZZ_CHECK(expected.income && view.income.raw() == *expected.income);
    FUZZ_CHECK(expected.expense && view.expense.raw() == *expected.expense);
    FUZZ_CHECK(expected.balance && view.balance.raw() == *expected.balance);
}

// Newest day first, no date last (as the oldest), and nothing lost or added.
void checkSort(const RecordFileContent& content) {
    RecordFileContent sorted = content;
    sortRecords(sorted);
    std::vector<std::string> before = recordsOf(content), after = recordsOf(sorted);
    const auto dayOf = [](const std::string& r) {
        const DaySerial d = entry_bytes::entryDate(r.data());
        return isDate(d) ? std::floor(d) : -1e300;
    };
    for (std::size_t i = 1; i < after.size(); ++i)
        FUZZ_CHECK(dayOf(after[i - 1]) >= dayOf(after[i]));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    FUZZ_CHECK(before == after);
    FUZZ_CHECK(sorted.partialTail == content.partialTail);
    FUZZ_CHECK(!sortRecords(sorted));
}

// A new entry goes in at one place; every other record keeps its bytes and order.
void checkInsert(const RecordFileContent& content, DaySerial date) {
    RecordFileContent grown = content;
    EntryRecord r;
    r.entryDate = date;
    r.recordStamp = 1;
    SortKeyMemory memory;
    const std::size_t at = insertInKeyOrder(grown, r, memory);
    FUZZ_CHECK(at >= 1 && at <= content.count() + 1);
    FUZZ_CHECK(grown.count() == content.count() + 1);
    FUZZ_CHECK(std::string(grown.at(at), kRecord) == encodeEntry(r));
    grown.records.erase((at - 1) * kRecord, kRecord);
    FUZZ_CHECK(grown.records == content.records);
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const auto day = static_cast<double>(in.value<std::int32_t>() % 4000000);
    const auto span = static_cast<double>(in.byte()) * 40;
    const std::string_view bytes = in.rest();
    const std::string path = fuzz::scratchFolder() + "quillbank.dat";
    fuzz::writeBytes(path, bytes);

    const RecordFileContent content = readRecordFile(path);
    FUZZ_CHECK(content.records + content.partialTail == bytes);
    FUZZ_CHECK(content.partialTail.size() < entry_layout::kSize);
    for (std::size_t i = 1; i <= content.count(); ++i)
        FUZZ_CHECK(encodeEntry(content.record(i)) ==
                   std::string(content.at(i), entry_layout::kSize));

    ListQuery query;
    query.categoryFilterCode = std::string(10, ' ');
    query.rangeStart = day;
    query.rangeEnd = day + span;
    checkList(path, content, query);
    query.rangeStart = kFirstDaySerial;
    query.rangeEnd = kLastDaySerial;
    checkList(path, content, query);
    query.macroMode = true;
    checkList(path, content, query);

    checkSort(content);
    checkInsert(content, day);
    return 0;
}

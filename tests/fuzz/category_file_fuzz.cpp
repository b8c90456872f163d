// A category file and a record file of any bytes: categories read back byte for byte,
// the sort orders them by upper-cased code and keeps equal codes in their order (and
// leaves a sorted file alone), the look-up finds the first category of a code, the
// recoding changes exactly the entries of the old code, and the list narrowed to a
// category shows exactly its live entries.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "mainwindow/list_refresh.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/category_file.h"
#include "store/record_file.h"

namespace qbk {
namespace {

constexpr std::size_t kCategory = category_layout::kSize;
constexpr std::size_t kRecord = entry_layout::kSize;

std::string codeKey(std::string_view categoryBytes) {
    return ansiUpperBytes(categoryBytes.substr(0, category_layout::kCatCodeWidth));
}

void checkCategories(const std::string& path, std::string_view bytes) {
    const std::vector<CategoryRecord> read = readCategories(path);
    const std::size_t n = bytes.size() / kCategory;
    FUZZ_CHECK(read.size() == n);
    for (std::size_t i = 0; i < n; ++i)
        FUZZ_CHECK(encodeCategory(read[i]) == bytes.substr(i * kCategory, kCategory));

    std::string name = "unchanged";
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t first = 0;
        while (read[first].catCode != read[i].catCode)
            ++first;
        FUZZ_CHECK(getlabel(path, read[i].catCode, name) && name == read[first].catName);
    }

    SortCategoryFile(path);
    const std::string sorted = fuzz::readBytes(path);
    std::vector<std::pair<std::string, std::size_t>> keys;  // key, position in the old file
    for (std::size_t i = 0; i < n; ++i)
        keys.emplace_back(codeKey(bytes.substr(i * kCategory)), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bool moved = false;
    for (std::size_t i = 0; i < n; ++i)
        moved = moved || keys[i].second != i;
    if (!moved) {
        FUZZ_CHECK(sorted == bytes);  // a sorted file keeps every byte, a partial tail too
        return;
    }
    FUZZ_CHECK(sorted.size() == n * kCategory);
    for (std::size_t i = 0; i < n; ++i)
        FUZZ_CHECK(sorted.substr(i * kCategory, kCategory) ==
                   bytes.substr(keys[i].second * kCategory, kCategory));
    SortCategoryFile(path);
    FUZZ_CHECK(fuzz::readBytes(path) == sorted);
}

void checkNarrowedList(const std::string& path, const RecordFileContent& content,
                       const std::string& codeBytes) {
    ListQuery query;
    query.categoryFilterCode = fromWindows1252(codeBytes);
    query.rangeStart = kFirstDaySerial;
    query.rangeEnd = kLastDaySerial;
    const bool all = trimBlanks(codeBytes).empty();
    std::vector<double> expected;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const char* r = content.at(i);
        if (entry_bytes::isDeleted(r) || !isDate(entry_bytes::entryDate(r))) continue;
        if (all || entry_bytes::categoryCode(r) == codeBytes)
            expected.push_back(entry_bytes::recordStamp(r));
    }
    ListView view;
    try {
        view =
            PopMainGrid(path, query, SettingsRecord::defaults(), RegionalSettings::unitedStates());
    } catch (const OperationError& e) {
        FUZZ_CHECK(e.number() == errnum::kOverflow);
        return;
    }
    FUZZ_CHECK(view.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double stamp = view.stamp(i);
        FUZZ_CHECK(std::memcmp(&stamp, &expected[i], sizeof(double)) == 0);
    }
}

void checkChaseCat(const std::string& path, const RecordFileContent& content,
                   const std::string& oldCode, bool markDeleted) {
    const std::string newCode = "RECODED";
    const std::size_t changed = ChaseCat(path, fromWindows1252(oldCode), newCode, markDeleted);
    const RecordFileContent after = readRecordFile(path);
    FUZZ_CHECK(after.count() == content.count() && after.partialTail == content.partialTail);
    std::size_t expected = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        std::string before(content.at(i), kRecord);
        const std::string now(after.at(i), kRecord);
        if (trimBlanks(entry_bytes::categoryCode(before.data())) == trimBlanks(oldCode)) {
            ++expected;
            before.replace(entry_layout::kCategoryCode, 10, "RECODED   ");
            if (markDeleted) before[entry_layout::kDeletedMark] = 'Y';
        }
        FUZZ_CHECK(now == before);
    }
    FUZZ_CHECK(changed == expected);
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const std::size_t categoryLength = in.value<std::uint16_t>();
    const bool markDeleted = in.byte() & 1;
    const std::string categories(in.bytes(categoryLength));
    const std::string records(in.rest());
    const std::string categoryPath = fuzz::scratchFolder() + "category.dat";
    const std::string recordPath = fuzz::scratchFolder() + "quillbank.dat";
    fuzz::writeBytes(categoryPath, categories);
    fuzz::writeBytes(recordPath, records);

    checkCategories(categoryPath, categories);

    const RecordFileContent content = readRecordFile(recordPath);
    std::string code = categories.size() >= 10 ? categories.substr(0, 10) : std::string(10, ' ');
    if (content.count() > 0 && (markDeleted || categories.size() < 10))
        code = std::string(entry_bytes::categoryCode(content.at(1)));
    checkNarrowedList(recordPath, content, code);
    checkChaseCat(recordPath, content, code, markDeleted);
    return 0;
}

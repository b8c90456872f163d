#include "store/category_file.h"

#include <algorithm>

#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk {

void sortCategories(std::vector<CategoryRecord>& records) {
    std::vector<std::pair<std::string, CategoryRecord>> keyed;
    keyed.reserve(records.size());
    for (CategoryRecord& r : records)
        keyed.emplace_back(ansiUpperBytes(toWindows1252(fitField(r.catCode, 10))), std::move(r));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    records.clear();
    for (auto& k : keyed)
        records.push_back(std::move(k.second));
}

void SortCategoryFile(const std::string& path) {
    const BookLock lock(parentFolder(path));
    std::vector<CategoryRecord> records = readCategories(path);
    const std::vector<CategoryRecord> before = records;
    sortCategories(records);
    if (records != before) writeCategories(path, records);
}

bool getlabel(const std::string& path, std::string_view code, std::string& name) {
    const std::string wanted = fitField(code, 10);
    for (const CategoryRecord& r : readCategories(path)) {
        if (r.catCode == wanted) {
            name = r.catName;
            return true;
        }
    }
    return false;
}

std::size_t ChaseCat(const std::string& recordPath, std::string_view oldCode,
                     std::string_view newCode, bool markDeleted) {
    const BookLock lock(parentFolder(recordPath));
    RecordFileContent content = readRecordFile(recordPath);
    const std::string oldBytes = toWindows1252(trimBlanks(oldCode));
    const std::string newField = toWindows1252(fitField(trimBlanks(newCode), 10));
    std::size_t changed = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        char* r = content.records.data() + (i - 1) * entry_layout::kSize;
        if (trimBlanks(entry_bytes::categoryCode(r)) != oldBytes) continue;
        std::copy(newField.begin(), newField.end(), r + entry_layout::kCategoryCode);
        if (markDeleted) r[entry_layout::kDeletedMark] = 'Y';
        ++changed;
    }
    if (changed > 0) writeRecordFile(recordPath, content);
    return changed;
}

}  // namespace qbk

#include "reports/category_totals.h"

#include <algorithm>

#include "platform/windows1252.h"

namespace qbk {

CategoryIndex::CategoryIndex(const RecordFileContent& content) : content_(content) {
    for (std::size_t i = 1; i <= content.count(); ++i) {
        groups_[entry_bytes::categoryCode(content.at(i))].push_back(static_cast<std::uint32_t>(i));
    }
}

Money CategoryIndex::sum(const CategoryGroup& group) const {
    Money total;
    for (std::uint32_t i : group)
        total += entry_bytes::amount(content_.at(i));
    return total;
}

Money CategoryIndex::absoluteSum(const CategoryGroup& group) const {
    Money total;
    for (std::uint32_t i : group)
        total += entry_bytes::amount(content_.at(i)).abs();
    return total;
}

const CategoryGroup* CategoryIndex::find(const CategoryRecord& category) const {
    const std::string code = categoryCodeBytes(category);
    const auto it = groups_.find(code);
    return it == groups_.end() ? nullptr : &it->second;
}

std::vector<CategoryLine> categoryLines(const CategoryIndex& index,
                                        const std::vector<CategoryRecord>& categories) {
    std::vector<CategoryLine> lines;
    for (const CategoryRecord& category : categories) {
        const CategoryGroup* group = index.find(category);
        if (group == nullptr) continue;
        const Money sum = index.sum(*group);
        if (!sum.isZero()) lines.push_back({&category, sum});
    }
    return lines;
}

std::string categoryCodeBytes(const CategoryRecord& category) {
    return toWindows1252(fitField(category.catCode, category_layout::kCatCodeWidth));
}

Money TotalUp(const RecordFileContent& content) {
    Money total;
    for (std::size_t i = 1; i <= content.count(); ++i)
        total += entry_bytes::amount(content.at(i));
    return total;
}

Money TotalUp(const std::string& path) {
    return TotalUp(readRecordFile(path));
}

Money GetLargestCategory(const CategoryIndex& index,
                         const std::vector<CategoryRecord>& categories) {
    Money largest;
    for (const CategoryRecord& category : categories)
        if (const CategoryGroup* group = index.find(category))
            largest = std::max(largest, index.absoluteSum(*group));
    return largest;
}

Money GetLargestCategory(const std::string& path, const std::vector<CategoryRecord>& categories) {
    const RecordFileContent content = readRecordFile(path);
    return GetLargestCategory(CategoryIndex(content), categories);
}

}  // namespace qbk

// The entries of a split file grouped by category, and the two totals the summaries use.
//
// A record belongs to a category when its CategoryCode equals the category record's
// CatCode exactly: all 10 characters, trailing blanks included, case-sensitive. Records
// whose code matches no category record count in the file's total but in no category.
#ifndef QBK_REPORTS_CATEGORY_TOTALS_H_
#define QBK_REPORTS_CATEGORY_TOTALS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/money.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk {

// The record numbers (in file order) of one category code in a file of entry records.
using CategoryGroup = std::vector<std::uint32_t>;

// One pass over a file's records, grouped by the 10 bytes of their category code, so
// that the report sections visit each category's records without a scan per category.
// `content` must outlive the index.
class CategoryIndex {
  public:
    explicit CategoryIndex(const RecordFileContent& content);

    // The group of `category`'s code; nullptr when no record has it.
    const CategoryGroup* find(const CategoryRecord& category) const;
    const RecordFileContent& content() const { return content_; }

    // The sum of the amounts of a group, and of their absolute values. Throw
    // OperationError (Overflow) when the sum leaves the currency range.
    Money sum(const CategoryGroup& group) const;
    Money absoluteSum(const CategoryGroup& group) const;

  private:
    const RecordFileContent& content_;
    std::unordered_map<std::string_view, CategoryGroup> groups_;
};

// A category line of a summary section: a category record whose records in the file
// add up to a sum other than 0.
struct CategoryLine {
    const CategoryRecord* category;
    Money sum;
};

// The category lines of a file, in the order of `categories` (a category that stands
// twice there gets two lines). Throws OperationError (Overflow) when a sum leaves the
// currency range.
std::vector<CategoryLine> categoryLines(const CategoryIndex& index,
                                        const std::vector<CategoryRecord>& categories);

// The stored bytes of a category's code (Windows-1252, 10 bytes), as entries hold it.
std::string categoryCodeBytes(const CategoryRecord& category);

// TotalUp: the sum of the Amount of every record (0 for an empty file). Throws
// OperationError (Overflow) when the sum leaves the currency range.
Money TotalUp(const RecordFileContent& content);
Money TotalUp(const std::string& path);

// GetLargestCategory: the greatest, over the categories, of the sum of the absolute
// amounts of the records that belong to the category; 0 when no record belongs to any.
Money GetLargestCategory(const CategoryIndex& index, const std::vector<CategoryRecord>& categories);
Money GetLargestCategory(const std::string& path, const std::vector<CategoryRecord>& categories);

}  // namespace qbk

#endif  // QBK_REPORTS_CATEGORY_TOTALS_H_

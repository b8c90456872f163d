// The category record: one category of category.dat, 540 bytes, kept in ascending
// order of the upper-cased code.
//
// Layout (no padding; text is Windows-1252, blank padded):
//
//   offset  width  field           meaning
//        0     10  CatCode         the key that entries store in CategoryCode
//       10     20  CatName         the name shown in lists and reports
//       30    500  CatDescription  free description
//      530     10  CatReserved     zero bytes in new records, kept as read
//
// The record count is the file length divided by 540.
#ifndef QBK_STORE_CATEGORY_RECORD_H_
#define QBK_STORE_CATEGORY_RECORD_H_

#include <cstddef>
#include <string>
#include <vector>

namespace qbk {

namespace category_layout {
inline constexpr std::size_t kSize = 540;
inline constexpr std::size_t kCatCode = 0, kCatCodeWidth = 10;
inline constexpr std::size_t kCatName = 10, kCatNameWidth = 20;
inline constexpr std::size_t kCatDescription = 30, kCatDescriptionWidth = 500;
inline constexpr std::size_t kCatReserved = 530, kCatReservedWidth = 10;
static_assert(kCatName == kCatCode + kCatCodeWidth && kCatDescription == kCatName + kCatNameWidth &&
              kCatReserved == kCatDescription + kCatDescriptionWidth &&
              kCatReserved + kCatReservedWidth == kSize);
}  // namespace category_layout

// One category in memory; text fields as stored (UTF-8, padded to their widths).
struct CategoryRecord {
    std::string catCode = std::string(category_layout::kCatCodeWidth, ' ');
    std::string catName = std::string(category_layout::kCatNameWidth, ' ');
    std::string catDescription = std::string(category_layout::kCatDescriptionWidth, ' ');
    std::string catReserved = std::string(category_layout::kCatReservedWidth, '\0');
    friend bool operator==(const CategoryRecord&, const CategoryRecord&) = default;
};

void encodeCategory(const CategoryRecord& record, char* out);
std::string encodeCategory(const CategoryRecord& record);
CategoryRecord decodeCategory(const char* in);

// All records of a category file in file order, creating it empty when missing. A
// partial last record is ignored.
std::vector<CategoryRecord> readCategories(const std::string& path);

// Replaces the category file with `records` atomically.
void writeCategories(const std::string& path, const std::vector<CategoryRecord>& records);

}  // namespace qbk

#endif  // QBK_STORE_CATEGORY_RECORD_H_

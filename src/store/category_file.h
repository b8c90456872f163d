// Whole-file operations on the category file and the category look-up.
#ifndef QBK_STORE_CATEGORY_FILE_H_
#define QBK_STORE_CATEGORY_FILE_H_

#include <string>
#include <string_view>
#include <vector>

#include "store/category_record.h"

namespace qbk {

// The order of the category file: ascending by the upper-cased 10-character code
// (blanks included), compared by character code; equal codes keep their order. This
// is the result of an exchange sort of adjacent records that swaps only when the first
// code is strictly greater and makes as many passes as there are records.
void sortCategories(std::vector<CategoryRecord>& records);

// SortCategoryFile: sorts the category file at `path` (in memory, written atomically).
void SortCategoryFile(const std::string& path);

// getlabel: the CatName (20 characters as stored) of the first category whose CatCode
// equals `code` as a 10-character field (case-sensitive); `name` is left unchanged when
// there is none. Returns whether one was found.
bool getlabel(const std::string& path, std::string_view code, std::string& name);

// ChaseCat: every entry of the record file at `recordPath` whose category code, without
// blanks, equals `oldCode` without blanks (case-sensitive; deleted entries too) gets
// `newCode` without blanks; with `markDeleted` it is also marked deleted ("Y"). Other
// entries are not touched. The file is written atomically. Returns the entries changed.
std::size_t ChaseCat(const std::string& recordPath, std::string_view oldCode,
                     std::string_view newCode, bool markDeleted);

}  // namespace qbk

#endif  // QBK_STORE_CATEGORY_FILE_H_

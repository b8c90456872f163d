// The pick lists of user-field values, udf1.dat and udf2.dat in the data folder: plain
// text, one value per line, each line ended by CR LF, in the order values were first
// used. A value the program writes is at most 10 characters. The program writes
// Windows-1252, like every file of the data folder; it reads UTF-8 lists (written by
// early versions of this program) too.
#ifndef QBK_STORE_PICK_LIST_H_
#define QBK_STORE_PICK_LIST_H_

#include <string>
#include <string_view>
#include <vector>

namespace qbk {

inline constexpr std::size_t kPickListValueWidth = 10;

// The lines of the pick list at `path`, as read; the file is created empty when missing.
// Text that is not valid UTF-8 is read as Windows-1252.
std::vector<std::string> readPickList(const std::string& path);

// Remembers `typed`: appends its first 10 characters, as typed, unless a line equal to
// them (both without surrounding blanks, exact) is there already or they are blank.
// Returns whether a line was added.
bool rememberPickListValue(const std::string& path, std::string_view typed);

// Removes every line whose trimmed text equals `value` trimmed (duplicates included),
// keeping the others unchanged; written atomically. Returns the lines removed.
std::size_t removePickListValue(const std::string& path, std::string_view value);

}  // namespace qbk

#endif  // QBK_STORE_PICK_LIST_H_

// A program and its arguments written as one line of text, as the user types the
// name of an editor in the settings.
#ifndef QBK_PLATFORM_COMMAND_LINE_H_
#define QBK_PLATFORM_COMMAND_LINE_H_

#include <string>
#include <string_view>
#include <vector>

namespace qbk {

// The words of `line`: separated by blanks and tabs; a double quote starts or ends a
// quoted part in which blanks belong to the word, and is itself dropped ("" gives an
// empty word). Backslashes are ordinary characters, so folder paths need no doubling.
// The first word is the program. An empty or blank line gives no word.
std::vector<std::string> splitCommandLine(std::string_view line);

}  // namespace qbk

#endif  // QBK_PLATFORM_COMMAND_LINE_H_

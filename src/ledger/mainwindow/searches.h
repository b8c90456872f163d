// The searches of the record list: the prompts that ask for a word or a fragment, and
// the search text of a value picked from a user field's pick list. The matching itself
// is the list refresh's (list_refresh.h).
#ifndef QBK_MAINWINDOW_SEARCHES_H_
#define QBK_MAINWINDOW_SEARCHES_H_

#include <string>
#include <string_view>

namespace qbk {

inline constexpr std::string_view kCompleteWordTitle = "Search for a complete word or phrase";
inline constexpr std::string_view kFragmentTitle = "Search for a word or phrase fragment";

// The texts of the two search prompts (lines separated by CR LF).
std::string completeWordPrompt();
std::string fragmentPrompt();

// SearchText of a pick-list search: "|udf1|" or "|udf2|" and the value picked without
// its surrounding blanks, upper-cased.
std::string pickListSearchText(int field, std::string_view value);

// Caption of the picker's prompt button: "Select " and the field's name as stored.
std::string pickerCaption(std::string_view fieldName);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_SEARCHES_H_

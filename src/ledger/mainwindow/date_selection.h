// Choosing dates with buttons: the date selector (its questions and the check of Select
// Dates) and the date buttons of the entry form. Dates are shown as short date texts
// with the full year, and every button reads the text back before it moves it.
#ifndef QBK_MAINWINDOW_DATE_SELECTION_H_
#define QBK_MAINWINDOW_DATE_SELECTION_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/ports.h"
#include "platform/regional.h"

namespace qbk {

inline constexpr std::string_view kEarliestDateQuestion =
    "What is the earliest date you wish to see?";
inline constexpr std::string_view kLatestDateQuestion = "What is the latest date you wish to see?";
inline constexpr std::string_view kDateSelectedCaption = "Date Selected >>>";

// The date of `text` (surrounding blanks removed) moved by `days`, as a short date
// text; nullopt when `text` is not a date or the result leaves the calendar
// (before 1 January 100 or after 31 December 9999).
std::optional<std::string> stepDateText(std::string_view text, int days,
                                        const RegionalSettings& regional);

// The message when the latest date chosen with Select Dates is older than the earliest;
// nullopt when the two make a range (equal dates make a one-day range).
std::optional<Message> selectedDatesRefusal(const std::string& start, const std::string& end,
                                            const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_DATE_SELECTION_H_

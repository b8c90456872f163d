#include "mainwindow/date_selection.h"

#include "platform/windows1252.h"

namespace qbk {
namespace {

// The days a date text can name and be read back from.
const DaySerial kFirstDay = serialFromDate(100, 1, 1);
const DaySerial kLastDay = serialFromDate(9999, 12, 31);

}  // namespace

std::optional<std::string> stepDateText(std::string_view text, int days,
                                        const RegionalSettings& regional) {
    const std::optional<DaySerial> day = regional.parseDate(trimBlanks(text));
    if (!day) return std::nullopt;
    const DaySerial moved = *day + days;
    if (moved < kFirstDay || moved > kLastDay) return std::nullopt;
    return regional.shortDate(moved);
}

std::optional<Message> selectedDatesRefusal(const std::string& start, const std::string& end,
                                            const RegionalSettings& regional) {
    const std::optional<DaySerial> first = regional.parseDate(start);
    const std::optional<DaySerial> last = regional.parseDate(end);
    if (first && last && *last >= *first) return std::nullopt;
    return Message{"The latest date you have selected: " + end +
                       "\r\n\r\n is older than the earliest: " + start +
                       "\r\n\r\nPlease try again.",
                   "Nothing to do!", Icon::Information, Buttons::Ok, 1};
}

}  // namespace qbk

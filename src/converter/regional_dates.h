// Short date texts read by the user's regional settings, and day serials.
#ifndef QBK_CONVERTER_REGIONAL_DATES_H_
#define QBK_CONVERTER_REGIONAL_DATES_H_

#include <optional>
#include <string_view>

namespace qbk::converter {

enum class DateOrder { MonthFirst, DayFirst, YearFirst };

// The parts of the regional settings that reading a short date needs.
struct DateSettings {
    DateOrder order = DateOrder::MonthFirst;
    char separator = '/';

    // The settings described by a strftime date format such as the locale's D_FMT
    // ("%m/%d/%y", "%d.%m.%Y", "%Y-%m-%d", "%D", "%F"). A format whose order cannot be
    // told gives the United States settings (month first, "/").
    static DateSettings fromFormat(std::string_view format);
    // The settings of the current C locale (LC_TIME); the C and POSIX locales give the
    // United States settings.
    static DateSettings fromCurrentLocale();

    friend bool operator==(const DateSettings&, const DateSettings&) = default;
};

// Days since 30 December 1899 of a calendar date; nullopt when there is no such day
// or the year is outside 100..9999.
std::optional<double> daySerial(int year, int month, int day);

// The day serial of a short date text of three numbers: a four-digit year, and a month
// and a day of one or two digits. A leading year is followed by month and day; before
// a trailing year, day-first settings read day then month, the others month then day.
// Separators are "/", "-", "." or the separator of the settings; blanks around the
// text are ignored. nullopt when the text is not a date.
std::optional<double> parseShortDate(std::string_view text, const DateSettings& settings);

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_REGIONAL_DATES_H_

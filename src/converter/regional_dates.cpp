#include "converter/regional_dates.h"

#include <langinfo.h>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "platform/windows1252.h"

namespace qbk::converter {
namespace {

// Expands the composite conversions that stand for a whole date.
std::string expandComposites(std::string_view format) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char c = format[i + 1];
            if (c == 'D') {
                out += "%m/%d/%y";
                ++i;
                continue;
            }
            if (c == 'F') {
                out += "%Y-%m-%d";
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

bool isSeparator(char c, const DateSettings& settings) {
    return c == '/' || c == '-' || c == '.' || c == settings.separator;
}

}  // namespace

DateSettings DateSettings::fromFormat(std::string_view format) {
    const std::string f = expandComposites(format);
    // Position of the first conversion of each kind, and the first literal character
    // that follows a conversion.
    std::size_t dayAt = std::string::npos, monthAt = std::string::npos, yearAt = std::string::npos;
    char separator = 0;
    for (std::size_t i = 0; i + 1 < f.size(); ++i) {
        if (f[i] != '%') continue;
        std::size_t k = i + 1;
        while (k < f.size() && (f[k] == 'E' || f[k] == 'O' || f[k] == '-' || f[k] == '_' ||
                                f[k] == '0' || f[k] == '^' || f[k] == '#')) {
            ++k;
        }
        if (k >= f.size()) break;
        const char c = f[k];
        if ((c == 'd' || c == 'e') && dayAt == std::string::npos) dayAt = i;
        if ((c == 'm' || c == 'b' || c == 'B' || c == 'h') && monthAt == std::string::npos) {
            monthAt = i;
        }
        if ((c == 'y' || c == 'Y' || c == 'C') && yearAt == std::string::npos) yearAt = i;
        if (separator == 0 && k + 1 < f.size() && f[k + 1] != '%') separator = f[k + 1];
        i = k;
    }
    if (dayAt == std::string::npos || monthAt == std::string::npos || yearAt == std::string::npos) {
        return DateSettings{};
    }
    DateSettings s;
    if (yearAt < monthAt && yearAt < dayAt) {
        s.order = DateOrder::YearFirst;
    } else if (dayAt < monthAt) {
        s.order = DateOrder::DayFirst;
    } else {
        s.order = DateOrder::MonthFirst;
    }
    // Only a single printable ASCII character can separate the numbers of a date text.
    s.separator = (separator > ' ' && separator < 0x7F) ? separator : '/';
    return s;
}

DateSettings DateSettings::fromCurrentLocale() {
    const char* format = nl_langinfo(D_FMT);
    return fromFormat(format != nullptr ? format : "");
}

std::optional<double> daySerial(int year, int month, int day) {
    using namespace std::chrono;
    if (year < 100 || year > 9999) return std::nullopt;
    const year_month_day date{std::chrono::year{year},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (month < 1 || month > 12 || day < 1 || !date.ok()) return std::nullopt;
    constexpr sys_days kEpoch = std::chrono::year{1899} / December / 30;
    return static_cast<double>((sys_days{date} - kEpoch).count());
}

std::optional<double> parseShortDate(std::string_view text, const DateSettings& settings) {
    const std::string_view t = trimBlanks(text);
    struct Number {
        int value = 0;
        std::size_t digits = 0;
    };
    std::vector<Number> numbers;
    std::size_t i = 0;
    while (i < t.size()) {
        Number n;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && n.digits < 5) {
            n.value = n.value * 10 + (t[i] - '0');
            ++n.digits;
            ++i;
        }
        if (n.digits == 0) return std::nullopt;
        numbers.push_back(n);
        if (i == t.size()) break;
        if (!isSeparator(t[i], settings) || numbers.size() == 3) return std::nullopt;
        ++i;
        if (i == t.size()) return std::nullopt;
    }
    if (numbers.size() != 3) return std::nullopt;

    // A leading year is always followed by month and day; before a trailing year the
    // settings decide which of the two comes first.
    Number year, first, second;
    bool dayFirst = false;
    if (numbers[0].digits == 4) {
        year = numbers[0];
        first = numbers[1];
        second = numbers[2];
    } else if (numbers[2].digits == 4) {
        first = numbers[0];
        second = numbers[1];
        year = numbers[2];
        dayFirst = settings.order == DateOrder::DayFirst;
    } else {
        return std::nullopt;
    }
    if (first.digits > 2 || second.digits > 2) return std::nullopt;
    const int month = dayFirst ? second.value : first.value;
    const int day = dayFirst ? first.value : second.value;
    return daySerial(year.value, month, day);
}

}  // namespace qbk::converter

// The user's regional settings: how money, plain numbers and dates are written and read.
//
// Built once from the POSIX locale of the environment. When the locale is C or POSIX
// the United States conventions apply: $1,234.56, negative ($1,234.56), short date
// 12/31/2000. Short dates always carry a four-digit year and leading zeros, so that a
// date text read back is the same day. All formatting here is independent of the
// process's C locale (Qt changes it at start-up).
#ifndef QBK_PLATFORM_REGIONAL_H_
#define QBK_PLATFORM_REGIONAL_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/dates.h"
#include "platform/money.h"

namespace qbk {

// The text shown for a value that has no text of its own: an open (zero) amount in
// the record list, a day serial that is no date, a stamp that is no stamp.
inline constexpr std::string_view kNoValueText = "****?****";

// What a number text reads as: its value, or why it has none, naming the text (and,
// when it reads two ways, both values).
struct AmountReading {
    std::optional<Money> value;
    std::string problem;   // empty when there is a value
    bool twoWays = false;  // refused because it reads as two values
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// How many digits the year of a date text may have.
enum class YearDigits {
    TwoOrFour,  // as users type dates
    Four,       // as the version-2 files hold them
};

// Where the sign of a negative money text goes (the POSIX n_sign_posn values).
enum class NegativeSign {
    Parentheses,   // ($1.00)
    BeforeAll,     // -$1.00
    AfterAll,      // $1.00-
    BeforeSymbol,  // -$1.00 / 1.00 -€
    AfterSymbol,   // $-1.00 / 1.00 €-
};

struct RegionalSettings {
    // Plain numbers.
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";

    // Money.
    std::string currencySymbol = "$";
    std::string moneyDecimalSeparator = ".";
    std::string moneyGroupSeparator = ",";
    int currencyDigits = 2;
    bool symbolBefore = true;  // positive amounts
    bool symbolSpaced = false;
    bool negativeSymbolBefore = true;  // negative amounts
    bool negativeSymbolSpaced = false;
    NegativeSign negativeSign = NegativeSign::Parentheses;

    // Dates and times.
    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator = "/";
    bool twelveHourClock = true;
    std::string amText = "AM";
    std::string pmText = "PM";

    static RegionalSettings unitedStates();
    // A comma-decimal setting as in Germany: 1.234,56 €, -1.234,56 €, 31.12.2000, 24-hour.
    static RegionalSettings germany();
    // The settings of the environment's locale (LC_ALL, LC_MONETARY, LC_NUMERIC,
    // LC_TIME, LANG), United States ones for C or POSIX.
    static RegionalSettings fromEnvironment();

    // Takes the date order and separator of a strftime date format such as a locale's
    // D_FMT ("%m/%d/%y", "%d.%m.%Y", "%Y-%m-%d", "%D", "%F", "%e %B %Y"); the order is
    // that of the first day, month and year conversions. A format whose order cannot be
    // told changes nothing; a separator that is not plain ASCII (a locale's year sign)
    // becomes "/".
    void takeDateFormat(std::string_view format);

    // "Currency" text: symbol, grouping, `currencyDigits` decimals (rounded half away
    // from zero), negative in the negative form.
    std::string currencyText(Money amount) const;
    // Plain number text: decimal separator, no grouping, no trailing zeros, "-" for
    // negatives: 12.5, 1000, -0.25.
    std::string numberText(Money amount) const;

    // How figures (digits, "." and "," only: a typed amount after the filter that keeps
    // those, or the figures of an imported one) read here. This is the one rule of every
    // amount the user types or imports:
    //   - by the decimal and group separators of these settings when they fit (groups
    //     of three after the first), so 1,234.56 here and 1.234,56 in Germany;
    //   - else by the other convention when only that fits, or when the ways that fit
    //     give the same value (12,50 in the United States, 223.77 in the Netherlands);
    //   - else refused: no digit, separators that fit no way (1.2.3, 12,5.0), or two
    //     ways with two values (1.234 where a blank groups digits).
    // Rounded to four decimals, halves to even.
    AmountReading readFigures(std::string_view figures) const;
    // readFigures' value; nullopt when it refuses.
    std::optional<Money> parseTypedAmount(std::string_view filtered) const;

    // A number or money text as users and other programs write it: blanks, a sign
    // before or after, parentheses for negatives, the currency symbol, group separators
    // (those of these settings and blanks as well); the figures read by readFigures, or,
    // with `mark`, by that decimal mark alone (a column of a file decided as a whole).
    AmountReading readAmount(std::string_view text,
                             std::optional<DecimalMark> mark = std::nullopt) const;
    // readAmount's value; nullopt when it refuses.
    std::optional<Money> parseAmount(std::string_view text) const;
    // The sign and the figures of a money text, as readAmount sees them; nullopt when
    // it holds anything else (letters, two signs, digits after the end of the number).
    struct AmountText {
        bool negative = false;
        std::string figures;
    };
    std::optional<AmountText> splitAmountText(std::string_view text) const;

    // Short date text ("general date" of a date without time): 12/31/2000, 31.12.2000;
    // kNoValueText for no date.
    std::string shortDate(DaySerial day) const;
    // Reads a date: the short date form with one- or two-digit day and month and a two-
    // or four-digit year (two digits: 00-29 are 2000-2029, 30-99 are 1930-1999), with
    // "/", "-", "." or blank between the parts, or year first as 2000-12-31. A time of
    // day after a blank (15:04, 3:04:05 PM, 3 PM) is allowed and ignored. nullopt when it
    // is not a valid date, or when anything else follows it.
    // With YearDigits::Four only three numbers are read: a four-digit year (100 to
    // 9999) first, followed by month and day, or last, after day and month in day-first
    // settings and month and day in the others; one or two digits of month and day;
    // "/", "-", "." or the settings' separator between them, no blank and no time.
    std::optional<DaySerial> parseDate(std::string_view text,
                                       YearDigits years = YearDigits::TwoOrFour) const;

    // Date and time text ("general date" with a time): 12/31/2000 3:04:05 PM;
    // kNoValueText for no date.
    std::string dateTimeText(DaySerial day, int secondsOfDay) const;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_REGIONAL_H_

#include "platform/regional.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/windows1252.h"

namespace qbk {
namespace {

// Digits of `magnitude` ten-thousandths rounded half away from zero to `digits`
// decimals, as integer and fraction digit strings.
void splitDigits(std::uint64_t magnitude, int digits, std::string& whole, std::string& fraction) {
    std::uint64_t divisor = 1;
    for (int i = digits; i < 4; ++i)
        divisor *= 10;
    std::uint64_t scaled = magnitude / divisor;
    if ((magnitude % divisor) * 2 >= divisor && divisor > 1) ++scaled;
    std::uint64_t unit = 1;
    for (int i = 0; i < digits; ++i)
        unit *= 10;
    whole = std::to_string(scaled / unit);
    fraction.clear();
    if (digits > 0) {
        fraction = std::to_string(scaled % unit);
        fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
    }
}

std::uint64_t magnitudeOf(Money m) {
    const std::int64_t raw = m.raw();
    return raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
}

std::string grouped(const std::string& digits, const std::string& separator) {
    if (separator.empty() || digits.size() <= 3) return digits;
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += separator;
        out.append(digits, i, 3);
    }
    return out;
}

void appendTwoDigits(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10 % 10);
    out += static_cast<char>('0' + v % 10);
}

void appendYear(std::string& out, int y) {
    char buf[8];
    int n = 0;
    int v = y < 0 ? -y : y;
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n < 4)
        buf[n++] = '0';
    if (y < 0) out += '-';
    while (n > 0)
        out += buf[--n];
}

bool isC(const char* name) {
    if (name == nullptr || *name == '\0') return true;
    const std::string_view n(name);
    return n == "C" || n == "POSIX" || n.starts_with("C.");
}

// The locale name in force for one category, by the POSIX precedence of variables.
const char* localeNameFor(const char* categoryVariable) {
    for (const char* var : {"LC_ALL", categoryVariable, "LANG"}) {
        const char* value = std::getenv(var);
        if (value != nullptr && *value != '\0') return value;
    }
    return nullptr;
}

// Expands the conversions that stand for a whole date.
std::string expandDateComposites(std::string_view format) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == 'D' || format[i + 1] == 'F')) {
            out += format[i + 1] == 'D' ? "%m/%d/%y" : "%Y-%m-%d";
            ++i;
            continue;
        }
        out += format[i];
    }
    return out;
}

bool isPrintableAscii(std::string_view text) {
    for (const char c : text)
        if (c < ' ' || c >= 0x7F) return false;
    return !text.empty();
}

int expandYear(int value, std::size_t digits) {
    if (digits <= 2) return value < 30 ? 2000 + value : 1900 + value;
    return value;
}

// Reads up to `maxDigits` digits at `i` into `value`; false when there is none.
bool readNumber(std::string_view t, std::size_t& i, std::size_t maxDigits, int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < t.size() && i - start < maxDigits && std::isdigit(static_cast<unsigned char>(t[i])))
        value = value * 10 + (t[i++] - '0');
    return i > start;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (std::size_t k = 0; k < prefix.size(); ++k)
        if (std::toupper(static_cast<unsigned char>(text[k])) !=
            std::toupper(static_cast<unsigned char>(prefix[k])))
            return false;
    return true;
}

// A time of day after a date: H:MM or H:MM:SS, 0-23 hours, or 1-12 hours followed by
// the morning or afternoon marker (also "3 PM"). A date with anything else after it is
// no date, so that a mistyped or damaged value is refused rather than cut short.
bool isTimeOfDay(std::string_view t, const RegionalSettings& rs) {
    std::size_t i = 0;
    int hour = 0, minute = 0, second = 0;
    if (!readNumber(t, i, 2, hour)) return false;
    const bool hasMinutes = i < t.size() && t[i] == ':';
    if (hasMinutes) {
        const std::size_t at = ++i;
        if (!readNumber(t, i, 2, minute) || i - at != 2 || minute > 59) return false;
        if (i < t.size() && t[i] == ':') {
            const std::size_t secondsAt = ++i;
            if (!readNumber(t, i, 2, second) || i - secondsAt != 2 || second > 59) return false;
        }
    }
    std::string_view rest = trimBlanks(t.substr(i));
    if (rest.empty()) return hasMinutes && hour <= 23;
    for (const std::string_view marker : {std::string_view(rs.amText), std::string_view(rs.pmText),
                                          std::string_view("AM"), std::string_view("PM")})
        if (rest.size() == marker.size() && startsWithNoCase(rest, marker))
            return hour >= 1 && hour <= 12;
    return false;
}

// A date of three numbers with a four-digit year first or last, one or two digits of
// month and day, one separator between them and nothing else.
std::optional<DaySerial> parseFourDigitYearDate(std::string_view text, const RegionalSettings& rs) {
    const std::string_view t = trimBlanks(text);
    std::pair<int, std::size_t> parts[3];  // value, digit count
    std::size_t count = 0, i = 0;
    while (count < 3) {
        const std::size_t at = i;
        if (!readNumber(t, i, 5, parts[count].first)) return std::nullopt;
        parts[count++].second = i - at;
        if (i == t.size()) break;
        if (count == 3) return std::nullopt;
        if (!rs.dateSeparator.empty() && t.substr(i).starts_with(rs.dateSeparator))
            i += rs.dateSeparator.size();
        else if (t[i] == '/' || t[i] == '-' || t[i] == '.')
            ++i;
        else
            return std::nullopt;
    }
    if (count != 3) return std::nullopt;
    int year, first, second;
    bool dayFirst = false;
    if (parts[0].second == 4) {
        year = parts[0].first;
        first = parts[1].first;
        second = parts[2].first;
    } else if (parts[2].second == 4) {
        first = parts[0].first;
        second = parts[1].first;
        year = parts[2].first;
        dayFirst = rs.dateOrder == DateOrder::DayMonthYear;
    } else {
        return std::nullopt;
    }
    if (parts[1].second > 2 || parts[parts[0].second == 4 ? 2 : 0].second > 2) return std::nullopt;
    const int month = dayFirst ? second : first;
    const int day = dayFirst ? first : second;
    if (year < 100 || !isValidDate(year, month, day)) return std::nullopt;
    return serialFromDate(year, month, day);
}

}  // namespace

RegionalSettings RegionalSettings::unitedStates() {
    return RegionalSettings();
}

RegionalSettings RegionalSettings::germany() {
    RegionalSettings rs;
    rs.decimalSeparator = ",";
    rs.groupSeparator = ".";
    rs.currencySymbol = "€";
    rs.moneyDecimalSeparator = ",";
    rs.moneyGroupSeparator = ".";
    rs.symbolBefore = false;
    rs.symbolSpaced = true;
    rs.negativeSymbolBefore = false;
    rs.negativeSymbolSpaced = true;
    rs.negativeSign = NegativeSign::BeforeAll;
    rs.dateOrder = DateOrder::DayMonthYear;
    rs.dateSeparator = ".";
    rs.twelveHourClock = false;
    return rs;
}

RegionalSettings RegionalSettings::fromEnvironment() {
    RegionalSettings rs;
    locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return rs;
    const locale_t previous = uselocale(loc);
    const lconv* lc = localeconv();

    if (!isC(localeNameFor("LC_NUMERIC"))) {
        rs.decimalSeparator = lc->decimal_point;
        rs.groupSeparator = lc->thousands_sep;
        if (rs.decimalSeparator.empty()) rs.decimalSeparator = ".";
    }
    if (!isC(localeNameFor("LC_MONETARY"))) {
        rs.currencySymbol = lc->currency_symbol;
        rs.moneyDecimalSeparator =
            *lc->mon_decimal_point ? lc->mon_decimal_point : rs.decimalSeparator.c_str();
        rs.moneyGroupSeparator = lc->mon_thousands_sep;
        if (lc->frac_digits >= 0 && lc->frac_digits <= 4) rs.currencyDigits = lc->frac_digits;
        rs.symbolBefore = lc->p_cs_precedes == 1;
        rs.symbolSpaced = lc->p_sep_by_space == 1;
        rs.negativeSymbolBefore = lc->n_cs_precedes == 1;
        rs.negativeSymbolSpaced = lc->n_sep_by_space == 1;
        switch (lc->n_sign_posn) {
            case 0:
                rs.negativeSign = NegativeSign::Parentheses;
                break;
            case 2:
                rs.negativeSign = NegativeSign::AfterAll;
                break;
            case 3:
                rs.negativeSign = NegativeSign::BeforeSymbol;
                break;
            case 4:
                rs.negativeSign = NegativeSign::AfterSymbol;
                break;
            default:
                rs.negativeSign = NegativeSign::BeforeAll;
                break;
        }
    }
    if (!isC(localeNameFor("LC_TIME"))) {
        rs.takeDateFormat(nl_langinfo(D_FMT));
        const std::string_view timeFormat = nl_langinfo(T_FMT);
        rs.twelveHourClock = timeFormat.find("%I") != std::string_view::npos ||
                             timeFormat.find("%r") != std::string_view::npos;
        if (*nl_langinfo(AM_STR)) rs.amText = nl_langinfo(AM_STR);
        if (*nl_langinfo(PM_STR)) rs.pmText = nl_langinfo(PM_STR);
    }
    uselocale(previous);
    freelocale(loc);
    return rs;
}

std::string RegionalSettings::currencyText(Money amount) const {
    std::string whole, fraction;
    splitDigits(magnitudeOf(amount), currencyDigits, whole, fraction);
    std::string number = grouped(whole, moneyGroupSeparator);
    if (!fraction.empty()) number += moneyDecimalSeparator + fraction;
    const bool negative = amount.isNegative() &&
                          (whole != "0" || fraction.find_first_not_of('0') != std::string::npos);
    if (!negative) {
        if (symbolBefore) return currencySymbol + (symbolSpaced ? " " : "") + number;
        return number + (symbolSpaced ? " " : "") + currencySymbol;
    }
    const std::string gap = negativeSymbolSpaced ? " " : "";
    std::string symbol = currencySymbol;
    if (negativeSign == NegativeSign::BeforeSymbol) symbol = "-" + symbol;
    if (negativeSign == NegativeSign::AfterSymbol) symbol += "-";
    std::string text = negativeSymbolBefore ? symbol + gap + number : number + gap + symbol;
    switch (negativeSign) {
        case NegativeSign::Parentheses:
            return "(" + text + ")";
        case NegativeSign::BeforeAll:
            return "-" + text;
        case NegativeSign::AfterAll:
            return text + "-";
        default:
            return text;
    }
}

std::string RegionalSettings::numberText(Money amount) const {
    const std::uint64_t magnitude = magnitudeOf(amount);
    std::string text = amount.isNegative() ? "-" : "";
    text += std::to_string(magnitude / Money::kScale);
    std::uint64_t fraction = magnitude % Money::kScale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += decimalSeparator + digits;
    }
    return text;
}

AmountReading RegionalSettings::readFigures(std::string_view figures) const {
    const DecimalMark own = decimalSeparator == "," ? DecimalMark::Comma : DecimalMark::Point;
    const bool ownGroups = groupSeparator == (own == DecimalMark::Comma ? "." : ",");
    if (const auto value = Money::parseFigures(figures, own, ownGroups)) return {value, {}};
    const auto point = Money::parseFigures(figures, DecimalMark::Point);
    const auto comma = Money::parseFigures(figures, DecimalMark::Comma);
    const std::string quoted = "\"" + std::string(figures) + "\"";
    if (point && comma && *point != *comma)
        return {std::nullopt,
                quoted + " reads two ways: " + numberText(*point) +
                    " with \".\" as the decimal mark, or " + numberText(*comma) +
                    " with \",\" as the decimal mark",
                true};
    if (point || comma) return {point ? point : comma, {}};
    return {std::nullopt, quoted + " is not an amount"};
}

std::optional<Money> RegionalSettings::parseTypedAmount(std::string_view filtered) const {
    return readFigures(filtered).value;
}

std::optional<RegionalSettings::AmountText> RegionalSettings::splitAmountText(
    std::string_view text) const {
    std::string_view t = trimBlanks(text);
    AmountText out;
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
        out.negative = true;
        t = trimBlanks(t.substr(1, t.size() - 2));
    }
    // Group separators that cannot be taken for a decimal mark (blanks, "'", the
    // narrow no-break space of French settings) are only skipped between figures.
    const auto otherGroup = [](const std::string& g) { return !g.empty() && g != "." && g != ","; };
    bool seenDigit = false, signSeen = out.negative, digitsEnded = false;
    for (std::size_t i = 0; i < t.size();) {
        const char c = t[i];
        if ((c >= '0' && c <= '9') || c == '.' || c == ',') {
            if (digitsEnded) return std::nullopt;
            out.figures += c;
            seenDigit = seenDigit || (c >= '0' && c <= '9');
            ++i;
        } else if (seenDigit && !digitsEnded && otherGroup(groupSeparator) &&
                   t.substr(i).starts_with(groupSeparator) &&
                   i + groupSeparator.size() < t.size() &&
                   std::isdigit(static_cast<unsigned char>(t[i + groupSeparator.size()]))) {
            i += groupSeparator.size();
        } else if (seenDigit && !digitsEnded && otherGroup(moneyGroupSeparator) &&
                   t.substr(i).starts_with(moneyGroupSeparator) &&
                   i + moneyGroupSeparator.size() < t.size() &&
                   std::isdigit(static_cast<unsigned char>(t[i + moneyGroupSeparator.size()]))) {
            i += moneyGroupSeparator.size();
        } else if (c == '-' || c == '+') {
            if (signSeen) return std::nullopt;
            signSeen = true;
            out.negative = c == '-';
            if (seenDigit) digitsEnded = true;
            ++i;
        } else if (c == ' ') {
            if (seenDigit) digitsEnded = true;
            ++i;
        } else if (!currencySymbol.empty() && t.substr(i).starts_with(currencySymbol)) {
            if (seenDigit) digitsEnded = true;
            i += currencySymbol.size();
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    return out;
}

AmountReading RegionalSettings::readAmount(std::string_view text,
                                           std::optional<DecimalMark> mark) const {
    const std::optional<AmountText> split = splitAmountText(text);
    if (!split) return {std::nullopt, "\"" + std::string(trimBlanks(text)) + "\" is not an amount"};
    AmountReading reading;
    if (mark) {
        reading.value = Money::parseFigures(split->figures, *mark);
        if (!reading.value)
            reading.problem = "\"" + std::string(trimBlanks(text)) + "\" is not an amount with \"" +
                              (*mark == DecimalMark::Point ? "." : ",") + "\" as the decimal mark";
    } else {
        reading = readFigures(split->figures);
    }
    if (reading.value && split->negative) reading.value = -*reading.value;
    return reading;
}

std::optional<Money> RegionalSettings::parseAmount(std::string_view text) const {
    return readAmount(text).value;
}

std::string RegionalSettings::shortDate(DaySerial day) const {
    const std::optional<CivilDate> date = dateFromSerial(day);
    if (!date) return std::string(kNoValueText);
    const CivilDate& d = *date;
    std::string out;
    out.reserve(12);
    switch (dateOrder) {
        case DateOrder::MonthDayYear:
            appendTwoDigits(out, d.month);
            out += dateSeparator;
            appendTwoDigits(out, d.day);
            out += dateSeparator;
            appendYear(out, d.year);
            break;
        case DateOrder::DayMonthYear:
            appendTwoDigits(out, d.day);
            out += dateSeparator;
            appendTwoDigits(out, d.month);
            out += dateSeparator;
            appendYear(out, d.year);
            break;
        case DateOrder::YearMonthDay:
            appendYear(out, d.year);
            out += dateSeparator;
            appendTwoDigits(out, d.month);
            out += dateSeparator;
            appendTwoDigits(out, d.day);
            break;
    }
    return out;
}

void RegionalSettings::takeDateFormat(std::string_view format) {
    const std::string f = expandDateComposites(format);
    // Where the first conversion of each part stands, and the literal text after the
    // first conversion of all.
    std::size_t dayAt = std::string::npos, monthAt = std::string::npos, yearAt = std::string::npos;
    std::string separator;
    bool first = true;
    for (std::size_t i = 0; i + 1 < f.size(); ++i) {
        if (f[i] != '%') continue;
        std::size_t k = i + 1;
        while (k < f.size() && std::string_view("EO-_0^#").find(f[k]) != std::string_view::npos)
            ++k;
        if (k >= f.size()) break;
        const char c = f[k];
        if ((c == 'd' || c == 'e') && dayAt == std::string::npos) dayAt = i;
        if ((c == 'm' || c == 'b' || c == 'B' || c == 'h') && monthAt == std::string::npos)
            monthAt = i;
        if ((c == 'y' || c == 'Y' || c == 'C') && yearAt == std::string::npos) yearAt = i;
        if (first) {
            for (std::size_t j = k + 1; j < f.size() && f[j] != '%'; ++j)
                separator += f[j];
            first = false;
        }
        i = k;
    }
    if (dayAt == std::string::npos || monthAt == std::string::npos || yearAt == std::string::npos)
        return;
    if (yearAt < monthAt && yearAt < dayAt)
        dateOrder = DateOrder::YearMonthDay;
    else if (dayAt < monthAt)
        dateOrder = DateOrder::DayMonthYear;
    else
        dateOrder = DateOrder::MonthDayYear;
    // A date is typed and read back with a separator of plain characters; a locale's
    // year, month and day signs are no separator.
    dateSeparator = isPrintableAscii(separator) ? separator : "/";
}

std::optional<DaySerial> RegionalSettings::parseDate(std::string_view text,
                                                     YearDigits years) const {
    if (years == YearDigits::Four) return parseFourDigitYearDate(text, *this);
    const std::string_view t = trimBlanks(text);
    std::vector<std::pair<int, std::size_t>> parts;  // value, digit count
    std::size_t i = 0;
    while (i < t.size() && parts.size() < 3) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return std::nullopt;
        int value = 0;
        std::size_t digits = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            if (digits >= 4) return std::nullopt;
            value = value * 10 + (t[i] - '0');
            ++digits;
            ++i;
        }
        parts.emplace_back(value, digits);
        if (parts.size() == 3) break;
        // One separator between parts: the locale's own, or "/", "-", "." or a blank.
        if (!dateSeparator.empty() && t.substr(i).starts_with(dateSeparator)) {
            i += dateSeparator.size();
        } else if (i < t.size() && (t[i] == '/' || t[i] == '-' || t[i] == '.' || t[i] == ' ')) {
            ++i;
        } else {
            return std::nullopt;
        }
        while (i < t.size() && t[i] == ' ')
            ++i;
    }
    if (parts.size() != 3) return std::nullopt;
    // Whatever follows must be a time of day after a blank (or a closing "." as in
    // 31.12.2000.).
    if (i < t.size() && !(t[i] == '.' && i + 1 == t.size()) &&
        !(t[i] == ' ' && isTimeOfDay(trimBlanks(t.substr(i)), *this)))
        return std::nullopt;

    int year, month, day;
    if (parts[0].second >= 3 || dateOrder == DateOrder::YearMonthDay) {
        year = expandYear(parts[0].first, parts[0].second);
        month = parts[1].first;
        day = parts[2].first;
    } else if (dateOrder == DateOrder::DayMonthYear) {
        day = parts[0].first;
        month = parts[1].first;
        year = expandYear(parts[2].first, parts[2].second);
    } else {
        month = parts[0].first;
        day = parts[1].first;
        year = expandYear(parts[2].first, parts[2].second);
    }
    if (!isValidDate(year, month, day)) return std::nullopt;
    return serialFromDate(year, month, day);
}

std::string RegionalSettings::dateTimeText(DaySerial day, int secondsOfDay) const {
    if (!isDate(day)) return std::string(kNoValueText);
    int h = secondsOfDay / 3600;
    const int m = secondsOfDay / 60 % 60;
    const int s = secondsOfDay % 60;
    std::string out = shortDate(day) + " ";
    if (twelveHourClock) {
        const bool pm = h >= 12;
        h %= 12;
        if (h == 0) h = 12;
        out += std::to_string(h);
        out += ':';
        appendTwoDigits(out, m);
        out += ':';
        appendTwoDigits(out, s);
        out += ' ';
        out += pm ? pmText : amText;
    } else {
        appendTwoDigits(out, h);
        out += ':';
        appendTwoDigits(out, m);
        out += ':';
        appendTwoDigits(out, s);
    }
    return out;
}

}  // namespace qbk

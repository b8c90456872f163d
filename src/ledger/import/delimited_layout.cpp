#include "import/delimited_layout.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "import/delimited_line.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr std::array<std::string_view, 5> kFormatNames = {"dmy", "mdy", "ymd", "yyyymmdd",
                                                          "d-mon-y"};

// Month names in English, German, French, Dutch and Spanish, lower case (UTF-8).
constexpr std::array<std::array<std::string_view, 5>, 12> kMonthNames = {{
    {"january", "januar", "janvier", "januari", "enero"},
    {"february", "februar", "février", "februari", "febrero"},
    {"march", "märz", "mars", "maart", "marzo"},
    {"april", "april", "avril", "april", "abril"},
    {"may", "mai", "mai", "mei", "mayo"},
    {"june", "juni", "juin", "juni", "junio"},
    {"july", "juli", "juillet", "juli", "julio"},
    {"august", "august", "août", "augustus", "agosto"},
    {"september", "september", "septembre", "september", "septiembre"},
    {"october", "oktober", "octobre", "oktober", "octubre"},
    {"november", "november", "novembre", "november", "noviembre"},
    {"december", "dezember", "décembre", "december", "diciembre"},
}};

// Short forms that are no beginning of their month's name.
constexpr std::array<std::pair<std::string_view, int>, 4> kMonthShortForms = {
    {{"mrt", 3}, {"maerz", 3}, {"mrz", 3}, {"sept", 9}}};

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // The capitals of the month names beyond ASCII.
    for (const auto& [upper, lower] :
         {std::pair<std::string_view, std::string_view>{"Ä", "ä"}, {"É", "é"}, {"Û", "û"}})
        for (std::size_t at = out.find(upper); at != std::string::npos; at = out.find(upper, at))
            out.replace(at, upper.size(), lower);
    return out;
}

// The month a name or a short form of three or more letters names; 0 for none or for a
// short form of two months (ju).
int monthNamed(std::string_view word) {
    std::string w = lowerAscii(word);
    if (w.ends_with('.')) w.pop_back();
    if (w.size() < 3) return 0;
    for (const auto& [form, month] : kMonthShortForms)
        if (w == form) return month;
    int found = 0;
    for (int m = 0; m < 12; ++m)
        for (const std::string_view name : kMonthNames[static_cast<std::size_t>(m)])
            if (name.starts_with(w)) {
                if (found != 0 && found != m + 1) return 0;
                found = m + 1;
            }
    return found;
}

int expandYear(int value, std::size_t digits) {
    if (digits <= 2) return value < 30 ? 2000 + value : 1900 + value;
    return value;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one to `most` digits at `i` into `value`.
bool digitsAt(std::string_view t, std::size_t& i, std::size_t least, std::size_t most, int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < t.size() && isDigit(t[i]) && i - start < most)
        value = value * 10 + (t[i++] - '0');
    return i - start >= least;
}

// A time of day: 10:15, 10:15:00, 10:15:00.123, then a zone (Z, +01:00, -0500) or a
// morning or afternoon marker (3:04 PM).
bool isTimeOfDay(std::string_view t) {
    std::size_t i = 0;
    int hour = 0, minute = 0, second = 0;
    if (!digitsAt(t, i, 1, 2, hour) || i >= t.size() || t[i++] != ':' ||
        !digitsAt(t, i, 2, 2, minute) || minute > 59)
        return false;
    if (i < t.size() && t[i] == ':') {
        ++i;
        if (!digitsAt(t, i, 2, 2, second) || second > 59) return false;
        if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
            ++i;
            int fraction = 0;
            if (!digitsAt(t, i, 1, 9, fraction)) return false;
        }
    }
    std::string_view rest = t.substr(i);
    if (rest.empty() || rest == "Z") return hour <= 23;
    if (rest.front() == '+' || rest.front() == '-') {
        std::size_t k = 1;
        int zoneHours = 0, zoneMinutes = 0;
        if (!digitsAt(rest, k, 2, 2, zoneHours)) return false;
        if (k < rest.size() && rest[k] == ':') ++k;
        if (k < rest.size() && !digitsAt(rest, k, 2, 2, zoneMinutes)) return false;
        return k == rest.size() && hour <= 23;
    }
    rest = trimBlanks(rest);
    const bool marker = rest == "AM" || rest == "PM" || rest == "am" || rest == "pm";
    return marker && hour >= 1 && hour <= 12;
}

// What may follow a date: nothing, a closing ".", or a time of day after a blank or a
// "T" (ISO 8601).
bool endsWell(std::string_view rest) {
    if (rest.empty() || rest == ".") return true;
    if (rest.front() != ' ' && rest.front() != 'T') return false;
    return isTimeOfDay(trimBlanks(rest.substr(1)));
}

struct Part {
    int value = 0;
    std::size_t digits = 0;
    std::string_view word;  // letters instead of digits
};

// Three parts with one separator between them ("/", "-", "." or blanks); the rest
// after them in `rest`.
std::optional<std::array<Part, 3>> readParts(std::string_view t, std::string_view& rest) {
    std::array<Part, 3> parts;
    std::size_t i = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || std::string_view("/-. ").find(t[i]) == std::string_view::npos)
                return std::nullopt;
            const char separator = t[i++];
            // "28. Mär. 2020": a blank may follow a ".".
            while (i < t.size() && t[i] == ' ' && separator != ' ')
                ++i;
        }
        const std::size_t start = i;
        if (i < t.size() && isDigit(t[i])) {
            while (i < t.size() && isDigit(t[i]) && i - start < 4)
                parts[k].value = parts[k].value * 10 + (t[i++] - '0');
            parts[k].digits = i - start;
            if (i < t.size() && isDigit(t[i])) return std::nullopt;
        } else {
            while (i < t.size() && std::string_view("/-. ").find(t[i]) == std::string_view::npos &&
                   !isDigit(t[i]))
                ++i;
            // A short month name may end in "." before a blank or a digit.
            if (i < t.size() && t[i] == '.' && (i + 1 == t.size() || t[i + 1] == ' ')) ++i;
            parts[k].word = t.substr(start, i - start);
            if (parts[k].word.empty()) return std::nullopt;
        }
    }
    rest = t.substr(i);
    return parts;
}

std::optional<DaySerial> dayOf(int year, int month, int day) {
    if (!isValidDate(year, month, day)) return std::nullopt;
    return serialFromDate(year, month, day);
}

}  // namespace

std::string_view dateFormatName(DateFormat format) {
    return kFormatNames[static_cast<std::size_t>(format)];
}

std::optional<DateFormat> dateFormatNamed(std::string_view name) {
    for (std::size_t k = 0; k < kFormatNames.size(); ++k)
        if (kFormatNames[k] == name) return static_cast<DateFormat>(k);
    return std::nullopt;
}

std::optional<DaySerial> readDateAs(std::string_view text, DateFormat format) {
    const std::string_view t = trimBlanks(text);
    if (format == DateFormat::Compact) {
        if (t.size() < 8) return std::nullopt;
        int v[3] = {0, 0, 0};
        for (std::size_t i = 0; i < 8; ++i) {
            if (!isDigit(t[i])) return std::nullopt;
            int& part = v[i < 4 ? 0 : i < 6 ? 1 : 2];
            part = part * 10 + (t[i] - '0');
        }
        if (t.size() > 8 && isDigit(t[8])) return std::nullopt;
        if (!endsWell(t.substr(8))) return std::nullopt;
        return dayOf(v[0], v[1], v[2]);
    }
    std::string_view rest;
    const auto parts = readParts(t, rest);
    if (!parts || !endsWell(rest)) return std::nullopt;
    const Part& a = (*parts)[0];
    const Part& b = (*parts)[1];
    const Part& c = (*parts)[2];
    if (!a.word.empty() || !c.word.empty() || c.digits == 3 || c.digits == 0) return std::nullopt;
    if (format == DateFormat::DayMonthName) {
        if (b.word.empty() || a.digits > 2) return std::nullopt;
        return dayOf(expandYear(c.value, c.digits), monthNamed(b.word), a.value);
    }
    if (!b.word.empty() || a.digits == 0 || b.digits == 0 || b.digits > 2) return std::nullopt;
    switch (format) {
        case DateFormat::DayMonthYear:
            if (a.digits > 2) return std::nullopt;
            return dayOf(expandYear(c.value, c.digits), b.value, a.value);
        case DateFormat::MonthDayYear:
            if (a.digits > 2) return std::nullopt;
            return dayOf(expandYear(c.value, c.digits), a.value, b.value);
        default:  // YearMonthDay
            if (a.digits != 4 || c.digits > 2) return std::nullopt;
            return dayOf(a.value, b.value, c.value);
    }
}

void DateFormatVote::add(std::string_view dateText) {
    const std::string_view text = trimBlanks(dateText);
    ++texts_;
    std::optional<DaySerial> day[kFormats];
    for (int f = 0; f < kFormats; ++f) {
        day[f] = readDateAs(text, static_cast<DateFormat>(f));
        if (day[f])
            ++fits_[f];
        else if (unreadable_[f].empty())
            unreadable_[f] = text.empty() ? "(empty)" : std::string(text);
    }
    for (int f = 0; f < kFormats; ++f)
        for (int g = f + 1; g < kFormats; ++g)
            if (day[f] && day[g] && *day[f] != *day[g] && !differs_[f][g]) {
                differs_[f][g] = true;
                if (twoWays_.empty()) twoWays_ = text;
            }
}

std::optional<DateFormat> DateFormatVote::decided() const {
    std::vector<int> all;
    for (int f = 0; f < kFormats; ++f)
        if (fits_[f] == texts_) all.push_back(f);
    if (all.empty()) return std::nullopt;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (differs_[all[i]][all[j]]) return std::nullopt;
    return static_cast<DateFormat>(all.front());
}

LayoutRefusal DateFormatVote::refusal() const {
    std::vector<int> all;
    for (int f = 0; f < kFormats; ++f)
        if (fits_[f] == texts_) all.push_back(f);
    if (all.empty()) {
        const int best = static_cast<int>(std::max_element(fits_, fits_ + kFormats) - fits_);
        return LayoutRefusal("The dates of this file fit no one format: \"" + unreadable_[best] +
                                 "\" is no date as " +
                                 std::string(kFormatNames[static_cast<std::size_t>(best)]),
                             LayoutChoice::DateFormat);
    }
    std::string names;
    for (const int f : all)
        names += std::string(names.empty() ? "" : " or ") +
                 std::string(kFormatNames[static_cast<std::size_t>(f)]);
    return LayoutRefusal("The dates of this file read more than one way (such as \"" + twoWays_ +
                             "\"); say which format they have",
                         LayoutChoice::DateFormat, names);
}

char detectSeparator(const std::vector<std::string_view>& lines) {
    char best = ',';
    std::size_t bestLines = 0, bestFields = 0;
    for (const char separator : {',', ';', '\t'}) {
        std::vector<std::size_t> counts;
        for (const std::string_view line : lines) {
            std::size_t n = 0;
            FieldReader reader(line, DelimitedStyle::Csv, separator);
            while (reader.next())
                ++n;
            if (n >= 2) counts.push_back(n);
        }
        // The most common number of fields, and on how many lines it stands.
        std::sort(counts.begin(), counts.end());
        for (std::size_t i = 0; i < counts.size();) {
            std::size_t j = i;
            while (j < counts.size() && counts[j] == counts[i])
                ++j;
            if (j - i > bestLines || (j - i == bestLines && counts[i] > bestFields)) {
                best = separator;
                bestLines = j - i;
                bestFields = counts[i];
            }
            i = j;
        }
    }
    return best;
}

char fileSeparator(const std::vector<std::string_view>& lines, const DelimitedLayout& layout) {
    if (layout.separator != 0) return layout.separator;
    std::vector<std::string_view> first;
    for (std::size_t n = layout.skipLines; n < lines.size() && first.size() < 50; ++n)
        if (!trimBlanks(lines[n]).empty()) first.push_back(lines[n]);
    return detectSeparator(first);
}

std::vector<std::string> listWords(std::string_view list) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view word = trimBlanks(list.substr(start, comma - start));
        if (!word.empty()) words.emplace_back(word);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return words;
}

}  // namespace qbk

#include "schedules/schedule_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

namespace L = schedule_layout;

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find(L::kSeparator, start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

std::optional<DaySerial> dateField(std::string_view text) {
    if (text.size() != 8) return {};
    const std::optional<int> year = wholeNumber(text.substr(0, 4)),
                             month = wholeNumber(text.substr(4, 2)),
                             day = wholeNumber(text.substr(6, 2));
    if (!year || !month || !day || !isValidDate(*year, *month, *day)) return {};
    return serialFromDate(*year, *month, *day);
}

std::string amountText(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t size = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : raw;
    std::string fraction = std::to_string(size % Money::kScale);
    fraction.insert(0, 4 - fraction.size(), '0');
    if (fraction.ends_with("00")) fraction.resize(2);
    return (raw < 0 ? "-" : "") + std::to_string(size / Money::kScale) + "." + fraction;
}

bool fitsWindows1252(std::string_view text) {
    return fromWindows1252(toWindows1252(text)) == text;
}

std::optional<std::string> textProblem(std::string_view what, std::string_view text,
                                       std::size_t width) {
    if (charCount(text) > width)
        return "has " + std::string(what) + " longer than " + std::to_string(width) + " characters";
    if (text.find_first_of("\t\r\n") != std::string_view::npos)
        return "has a tab or line break in " + std::string(what);
    if (!fitsWindows1252(text))
        return "has a character in " + std::string(what) + " that the file cannot hold";
    return std::nullopt;
}

// The schedule of one line, or what is wrong with it.
std::optional<std::string> parseLine(std::string_view line, Schedule& s) {
    const std::vector<std::string_view> f = fieldsOf(line);
    if (f.size() <= L::kWhat) return "has too few fields";
    const std::optional<int> id = wholeNumber(f[L::kId]);
    if (!id || *id < 1) return "has no id";
    s.id = *id;
    const std::optional<Every> every = everyFromWord(f[L::kEvery]);
    if (!every) return "has no recurrence (day, week, month or year)";
    s.every = *every;
    const std::optional<int> interval = wholeNumber(f[L::kInterval]);
    const std::optional<int> day = wholeNumber(f[L::kDay]);
    if (!interval) return "has no interval";
    if (!day) return "has no day of the month";
    s.interval = *interval;
    s.dayOfMonth = *day;
    const std::optional<DaySerial> from = dateField(f[L::kFrom]);
    if (!from) return "has no first date";
    s.first = *from;
    if (f[L::kUntil] != L::kNone) {
        s.until = dateField(f[L::kUntil]);
        if (!s.until) return "has no until date";
    }
    if (f[L::kTimes] != L::kNone) {
        s.times = wholeNumber(f[L::kTimes]);
        if (!s.times) return "has no number of times";
    }
    if (f[L::kPosted] != L::kNone) {
        s.lastPosted = dateField(f[L::kPosted]);
        if (!s.lastPosted) return "has no last posted date";
    }
    if (f[L::kWhat] == L::kMacro) {
        if (f.size() != L::kMacroFields) return "is a macro schedule with other than 10 fields";
        s.macroPath = std::string(f[L::kMacroPath]);
        if (s.macroPath->empty()) return "has no macro file";
    } else if (f[L::kWhat] == L::kEntry) {
        if (f.size() != L::kEntryFields) return "is an entry schedule with other than 14 fields";
        const std::optional<Money> amount = Money::parseDecimal(f[L::kAmount]);
        if (!amount) return "has no amount";
        s.amount = *amount;
        s.categoryCode = std::string(f[L::kCategory]);
        s.note = std::string(f[L::kNote]);
        s.userField1 = std::string(f[L::kUser1]);
        s.userField2 = std::string(f[L::kUser2]);
    } else {
        return "is neither an entry nor a macro";
    }
    if (std::optional<std::string> problem = scheduleProblem(s)) return problem;
    return std::nullopt;
}

std::string dateText(std::optional<DaySerial> day) {
    return day ? yyyymmdd(*day) : std::string(L::kNone);
}

}  // namespace

std::string_view everyWord(Every every) {
    switch (every) {
        case Every::Day:
            return "day";
        case Every::Week:
            return "week";
        case Every::Month:
            return "month";
        case Every::Year:
            return "year";
    }
    return "month";
}

std::optional<Every> everyFromWord(std::string_view word) {
    for (const Every e : {Every::Day, Every::Week, Every::Month, Every::Year})
        if (word == everyWord(e)) return e;
    return std::nullopt;
}

Schedules readSchedules(const std::string& path) {
    Schedules schedules;
    if (!fileExists(path)) return schedules;
    const std::vector<std::string> lines = splitLines(fromWindows1252(readFile(path)));
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        const std::string& line = lines[n - 1];
        if (trimBlanks(line).empty() || line[0] == L::kRemark) continue;
        Schedule s;
        std::optional<std::string> problem = parseLine(line, s);
        if (!problem)
            for (const Schedule& other : schedules)
                if (other.id == s.id) problem = "has the id of an earlier schedule";
        if (problem)
            throw OperationError(errnum::kTypeMismatch, "Line " + std::to_string(n) + " of " +
                                                            path + " " + *problem + ": " + line);
        schedules.push_back(std::move(s));
    }
    return schedules;
}

std::string schedulesText(const Schedules& schedules) {
    const std::string tab(1, L::kSeparator);
    std::string text = std::string(L::kHeader) + std::string(L::kLineEnd);
    for (const Schedule& s : schedules) {
        text += std::to_string(s.id) + tab + std::string(everyWord(s.every)) + tab +
                std::to_string(s.interval) + tab + std::to_string(s.dayOfMonth) + tab +
                yyyymmdd(s.first) + tab + dateText(s.until) + tab +
                (s.times ? std::to_string(*s.times) : std::string(L::kNone)) + tab +
                dateText(s.lastPosted) + tab;
        if (s.macroPath)
            text += std::string(L::kMacro) + tab + *s.macroPath;
        else
            text += std::string(L::kEntry) + tab + amountText(s.amount) + tab + s.categoryCode +
                    tab + s.note + tab + s.userField1 + tab + s.userField2;
        text += L::kLineEnd;
    }
    return text;
}

void writeSchedules(const std::string& path, const Schedules& schedules) {
    writeFileAtomically(path, toWindows1252(schedulesText(schedules)));
}

std::optional<std::string> scheduleProblem(const Schedule& s) {
    if (s.interval < 1) return "has an interval below 1";
    if (s.dayOfMonth < 0 || s.dayOfMonth > L::kLastDay) return "has a day of the month above 31";
    if (!isDate(s.first) || s.first != std::floor(s.first)) return "has no first date";
    if (s.until && (!isDate(*s.until) || *s.until < s.first))
        return "has an until date before its first date";
    if (s.times && *s.times < 1) return "has a number of times below 1";
    if (s.until && s.times) return "has both an until date and a number of times";
    if (s.macroPath) {
        if (s.macroPath->empty()) return "has no macro file";
        if (std::optional<std::string> p =
                textProblem("the macro file's name", *s.macroPath, std::string::npos))
            return p;
        return std::nullopt;
    }
    if (s.categoryCode.empty()) return "has no category code";
    for (const auto& [what, text, width] :
         {std::tuple{"the category code", &s.categoryCode, entry_layout::kCategoryCodeWidth},
          std::tuple{"the note", &s.note, entry_layout::kNoteWidth},
          std::tuple{"user field 1", &s.userField1, entry_layout::kUserFieldWidth},
          std::tuple{"user field 2", &s.userField2, entry_layout::kUserFieldWidth}})
        if (std::optional<std::string> p = textProblem(what, *text, width)) return p;
    if (s.categoryCode != trimBlanks(s.categoryCode)) return "has blanks around its category code";
    return std::nullopt;
}

int nextScheduleId(const Schedules& schedules) {
    int largest = 0;
    for (const Schedule& s : schedules)
        largest = std::max(largest, s.id);
    return largest + 1;
}

}  // namespace qbk

#include "cli/command.h"

#include <charconv>
#include <sstream>

#include "mainwindow/date_selection.h"
#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "store/book_files.h"

namespace qbk {

int refuse(CliContext& cx, const std::string& text) {
    cx.err << "qbk3-cli: " << oneLine(text) << '\n';
    return kExitFailed;
}

int asOneChange(CliContext& cx, const std::string& folder,
                const std::function<int(CliContext&)>& work) {
    std::ostringstream out;
    CliContext inner{out, cx.err, cx.clock, cx.regional, cx.programFolder};
    int status = kExitDone;
    {
        BookLock lock(folder);
        status = work(inner);
        lock.commit();
    }
    cx.out << out.str();
    return status;
}

std::string oneLine(std::string_view text) {
    std::string line;
    bool pendingBlank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            while (i + 1 < text.size() &&
                   (text[i + 1] == ' ' || text[i + 1] == '\r' || text[i + 1] == '\n'))
                ++i;
            pendingBlank = !line.empty();
            continue;
        }
        if (pendingBlank) line += ' ';
        pendingBlank = false;
        line += c;
    }
    return line;
}

SettingsRecord programSettings(const CliContext& cx) {
    return readSettings(cx.programFolder + std::string(kSettingsFileName));
}

std::string dataFolder(const std::string& typed) {
    if (!folderExists(typed)) throw UsageError{"no such folder: " + typed};
    return withTrailingSlash(typed);
}

CLI::Option* addFolder(CLI::App& command, std::string& folder) {
    return command.add_option("FOLDER", folder, "the data folder of the book")->required();
}

int integerOption(const std::string& text, int least, int most) {
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || value < least || value > most)
        throw UsageError{"not a whole number from " + std::to_string(least) + " to " +
                         std::to_string(most) + ": " + text};
    return value;
}

DaySerial dateOption(const CliContext& cx, const std::string& text) {
    const auto day = cx.regional.parseDate(text);
    if (!day) throw UsageError{"not a date: " + text};
    return *day;
}

void addRangeOptions(CLI::App& command, RangeChoice& choice) {
    auto* year = command.add_option("--fiscal-year", choice.fiscalYear,
                                    "the fiscal year that begins in YEAR");
    year->type_name("YEAR");
    command.add_option("--days", choice.days, "N days back from today")
        ->type_name("N")
        ->excludes(year);
}

DateRange chosenRange(const RangeChoice& choice, const SettingsRecord& settings,
                      const CliContext& cx) {
    const DaySerial today = cx.clock.today();
    if (choice.fiscalYear)
        return fiscalYearRange(integerOption(*choice.fiscalYear, 100, 9998), settings.fyMonth(),
                               settings.fyDay(), cx.regional);
    if (choice.days) {
        const int mostDays = static_cast<int>(today - serialFromDate(100, 1, 1));
        return dayCountRange(integerOption(*choice.days, 0, mostDays), 0, today, cx.regional);
    }
    const int fyStart = FiscalYearOf(today, settings.fyMonth(), settings.fyDay());
    return SetRange(settings.startupRange(), 0, fyStart, settings.fyMonth(), settings.fyDay(),
                    today, cx.regional);
}

ListedDays listedDays(const DateRange& range, const std::optional<std::string>& from,
                      const std::optional<std::string>& to, const CliContext& cx) {
    const auto start = cx.regional.parseDate(range.start);
    const auto end = cx.regional.parseDate(range.end);
    // Far-out fiscal-year settings give no dates; the window refuses them the same way.
    if (!start || !end)
        throw OperationError(errnum::kTypeMismatch,
                             "Type mismatch (range " + range.start + " - " + range.end + ")");
    ListedDays days{*start, *end, range.start, range.end};
    if (from) {
        days.first = dateOption(cx, *from);
        days.firstText = cx.regional.shortDate(days.first);
    }
    if (to) {
        days.last = dateOption(cx, *to);
        days.lastText = cx.regional.shortDate(days.last);
    }
    if (const auto refusal = selectedDatesRefusal(days.firstText, days.lastText, cx.regional))
        throw UsageError{oneLine(refusal->text)};
    return days;
}

}  // namespace qbk

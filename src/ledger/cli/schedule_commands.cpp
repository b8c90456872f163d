// The commands of schedules and the balance ahead: schedule add, list and delete; due
// and post (for a cron job: each date is posted once, however often it runs); forecast.
#include <cmath>

#include "cli/command.h"
#include "cli/entry_formats.h"
#include "macros/macro_file.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "schedules/forecast.h"
#include "schedules/posting.h"
#include "store/amount.h"
#include "store/book_files.h"
#include "store/category_record.h"

namespace qbk {
namespace {

struct ScheduleArguments {
    std::string folder;
    std::optional<std::string> macro, income, expense, category, note, user1, user2;
    std::string every;
    std::optional<std::string> interval, day, from, until, times;
    std::string id;
};

std::string schedulesPath(const std::string& folder) {
    return joinPath(folder, kSchedulesFileName);
}

// A whole or decimal amount as the user types it, without a sign.
Money amountOption(const CliContext& cx, const std::string& text) {
    const std::optional<Money> amount = cx.regional.parseAmount(text);
    if (!amount || amount->isNegative())
        throw UsageError{"not an amount (give it without a sign): " + text};
    return *amount;
}

std::string everyText(const Schedule& s) {
    const std::string word(everyWord(s.every));
    std::string text = s.interval == 1 ? "every " + word
                                       : "every " + std::to_string(s.interval) + " " + word + "s";
    if (s.dayOfMonth == schedule_layout::kLastDay)
        text += " on the last day";
    else if (s.dayOfMonth > 0)
        text += " on day " + std::to_string(s.dayOfMonth);
    return text;
}

// What a schedule makes, for the tool's lines: the entry or the macro file.
std::string whatText(const Schedule& s, const CliContext& cx) {
    if (s.macroPath) return "macro " + *s.macroPath;
    return s.categoryCode + "\t" + cx.regional.currencyText(s.amount) + "\t" + s.note;
}

std::string entryLine(const EntryRecord& r, const CliContext& cx) {
    return cx.regional.shortDate(r.entryDate) + "\t" + std::string(trimBlanks(r.categoryCode)) +
           "\t" + cx.regional.currencyText(r.amount) + "\t" + std::string(trimBlanks(r.note));
}

DaySerial toOption(const CliContext& cx, const std::optional<std::string>& to) {
    return to ? dateOption(cx, *to) : std::floor(cx.clock.today());
}

int addSchedule(const ScheduleArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    Schedule s;
    const std::optional<Every> every = everyFromWord(a.every);
    if (!every) throw UsageError{"--every takes day, week, month or year"};
    s.every = *every;
    if (a.interval) s.interval = integerOption(*a.interval, 1, 999);
    if (a.day) {
        if (s.every == Every::Day || s.every == Every::Week)
            throw UsageError{"--day is for schedules every month or year"};
        s.dayOfMonth = integerOption(*a.day, 1, schedule_layout::kLastDay);
    }
    if (!a.from) throw UsageError{"schedule add needs --from DATE"};
    s.first = std::floor(dateOption(cx, *a.from));
    if (a.until) s.until = std::floor(dateOption(cx, *a.until));
    if (a.times) s.times = integerOption(*a.times, 1, 100000);
    if (a.macro) {
        if (a.income || a.expense || a.category || a.note || a.user1 || a.user2)
            throw UsageError{"a macro schedule takes no entry of its own"};
        const std::string path =
            a.macro->starts_with('/') ? *a.macro : joinPath(currentFolder(), *a.macro);
        if (!fileExists(path)) throw UsageError{"no such file: " + path};
        if (const std::optional<Message> refusal = checkMacroForPlay(path))
            throw UsageError{oneLine(refusal->text)};
        s.macroPath = path;
    } else {
        if (a.income.has_value() == a.expense.has_value())
            throw UsageError{"schedule add takes --macro FILE, or one of --income and --expense"};
        if (!a.category || trimBlanks(*a.category).empty())
            throw UsageError{"schedule add needs --category CODE"};
        s.amount = amountOption(cx, a.income ? *a.income : *a.expense);
        if (a.expense) s.amount = -s.amount;
        s.categoryCode = std::string(trimBlanks(*a.category));
        bool known = false;
        const std::string field = fitField(s.categoryCode, entry_layout::kCategoryCodeWidth);
        for (const CategoryRecord& c : readCategories(joinPath(folder, kCategoryFileName)))
            known = known || c.catCode == field;
        if (!known) throw UsageError{"no such category: " + *a.category};
        s.note = std::string(trimBlanks(a.note.value_or("")));
        s.userField1 = std::string(trimBlanks(a.user1.value_or("")));
        s.userField2 = std::string(trimBlanks(a.user2.value_or("")));
    }
    Schedules all = readSchedules(schedulesPath(folder));
    s.id = nextScheduleId(all);
    if (const std::optional<std::string> problem = scheduleProblem(s))
        throw UsageError{"the schedule " + *problem};
    all.push_back(s);
    writeSchedules(schedulesPath(folder), all);
    cx.out << "Added schedule " << s.id << ", " << everyText(s) << " from "
           << cx.regional.shortDate(s.first) << ".\n";
    return kExitDone;
}

int listSchedules(const ScheduleArguments& a, CliContext& cx) {
    cx.out << "Id\tEvery\tFrom\tUntil\tTimes\tLast posted\tCategory\tAmount\tNote\n";
    for (const Schedule& s : readSchedules(schedulesPath(dataFolder(a.folder))))
        cx.out << s.id << '\t' << everyText(s) << '\t' << cx.regional.shortDate(s.first) << '\t'
               << (s.until ? cx.regional.shortDate(*s.until) : "") << '\t'
               << (s.times ? std::to_string(*s.times) : "") << '\t'
               << (s.lastPosted ? cx.regional.shortDate(*s.lastPosted) : "") << '\t'
               << whatText(s, cx) << '\n';
    return kExitDone;
}

int deleteSchedule(const ScheduleArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const int id = integerOption(a.id, 1, 1 << 30);
    Schedules all = readSchedules(schedulesPath(folder));
    if (std::erase_if(all, [&](const Schedule& s) { return s.id == id; }) == 0)
        return refuse(cx, "no schedule " + a.id + " in " + schedulesPath(folder));
    writeSchedules(schedulesPath(folder), all);
    cx.out << "Deleted schedule " << id << ".\n";
    return kExitDone;
}

struct DueArguments {
    std::string folder;
    std::optional<std::string> to;
};

int due(const DueArguments& a, CliContext& cx) {
    const DaySerial to = toOption(cx, a.to);
    const std::vector<PlannedEntry> entries = dueEntries(dataFolder(a.folder), to);
    cx.out << "Date\tCategory\tAmount\tNote\tSchedule\n";
    for (const PlannedEntry& p : entries)
        cx.out << entryLine(p.record, cx) << '\t' << p.scheduleId << '\n';
    cx.out << entries.size() << " entries due through " << cx.regional.shortDate(to) << ".\n";
    return kExitDone;
}

int post(const DueArguments& a, CliContext& cx) {
    const DaySerial to = toOption(cx, a.to);
    StampSource stamps(cx.clock);
    SortKeyMemory keys;
    const std::vector<PlannedEntry> posted = postDue(dataFolder(a.folder), to, stamps, keys);
    for (const PlannedEntry& p : posted)
        cx.out << entryLine(p.record, cx) << '\t' << p.scheduleId << '\n';
    cx.out << "Posted " << posted.size() << " entries due through " << cx.regional.shortDate(to)
           << ".\n";
    return kExitDone;
}

struct ForecastArguments {
    std::string folder;
    std::string to;
    std::optional<std::string> below;
    std::string format = "tsv";
};

void printForecastTsv(const Forecast& f, CliContext& cx) {
    const RegionalSettings& r = cx.regional;
    cx.out << "Date\tCategory\tAmount\tNote\tPlanned\tBalance\n";
    cx.out << r.shortDate(f.today) << "\t\t\tBalance today\t\t" << r.currencyText(f.opening)
           << '\n';
    for (const ForecastRow& row : f.rows)
        cx.out << entryLine(row.record, cx) << '\t' << (row.planned ? "planned" : "") << '\t'
               << r.currencyText(row.balance) << '\n';
    cx.out << "Lowest balance\t" << r.currencyText(f.low) << " on " << r.shortDate(f.lowDate)
           << '\n'
           << "First day below " << r.currencyText(f.threshold) << '\t'
           << (f.firstBelow ? r.shortDate(*f.firstBelow) : "none") << '\n';
}

void printForecastJson(const Forecast& f, CliContext& cx) {
    std::string out = "{\"today\": \"" + isoDate(f.today).value_or("") + "\", \"balance\": \"" +
                      decimalAmountText(f.opening) + "\",\n \"entries\": [";
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const ForecastRow& row = f.rows[i];
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"date\": \"" + isoDate(row.record.entryDate).value_or("") + "\", \"category\": ";
        appendJsonString(out, trimBlanks(row.record.categoryCode));
        out += ", \"amount\": \"" + decimalAmountText(row.record.amount) + "\", \"note\": ";
        appendJsonString(out, trimBlanks(row.record.note));
        out += std::string(", \"planned\": ") + (row.planned ? "true" : "false") +
               ", \"balance\": \"" + decimalAmountText(row.balance) + "\"}";
    }
    out += "],\n \"low\": {\"date\": \"" + isoDate(f.lowDate).value_or("") + "\", \"balance\": \"" +
           decimalAmountText(f.low) + "\"},\n \"threshold\": \"" + decimalAmountText(f.threshold) +
           "\", \"firstBelow\": " +
           (f.firstBelow ? "\"" + isoDate(*f.firstBelow).value_or("") + "\"" : "null") + "}\n";
    cx.out << out;
}

int forecast(const ForecastArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const DaySerial to = std::floor(dateOption(cx, a.to));
    Money threshold;
    if (a.below) {
        const std::optional<Money> value = cx.regional.parseAmount(*a.below);
        if (!value) throw UsageError{"not an amount: " + *a.below};
        threshold = *value;
    }
    const Forecast f = forecastBook(folder, std::floor(cx.clock.today()), to, threshold);
    if (a.format == "json")
        printForecastJson(f, cx);
    else
        printForecastTsv(f, cx);
    return kExitDone;
}

}  // namespace

Subcommand makeScheduleCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("schedule", "Add, list or delete the entries that come due.");
    c->require_subcommand(1);
    auto a = std::make_shared<ScheduleArguments>();

    auto* add = c->add_subcommand("add", "Schedule an entry, or a macro file, that comes due.");
    addFolder(*add, a->folder);
    add->add_option("--macro", a->macro, "play this macro file on every date")->type_name("FILE");
    add->add_option("--income", a->income, "money in")->type_name("AMOUNT");
    add->add_option("--expense", a->expense, "money out")->type_name("AMOUNT");
    add->add_option("--category", a->category, "a category of the book's category list")
        ->type_name("CODE");
    add->add_option("--note", a->note, "up to 60 characters")->type_name("TEXT");
    add->add_option("--user1", a->user1, "user field 1, up to 10 characters")->type_name("TEXT");
    add->add_option("--user2", a->user2, "user field 2, up to 10 characters")->type_name("TEXT");
    add->add_option("--every", a->every, "day, week, month or year")
        ->check(CLI::IsMember({"day", "week", "month", "year"}))
        ->required()
        ->type_name("UNIT");
    add->add_option("--interval", a->interval, "every N units (default 1)")->type_name("N");
    add->add_option("--day", a->day,
                    "day of the month, 31 for the last day (default: the first date's)")
        ->type_name("N");
    add->add_option("--from", a->from, "the first date")->type_name("DATE")->required();
    auto* until = add->add_option("--until", a->until, "the last date")->type_name("DATE");
    add->add_option("--times", a->times, "how many dates in all")->type_name("N")->excludes(until);

    auto* list = c->add_subcommand("list", "Print every schedule of the book.");
    addFolder(*list, a->folder);

    auto* remove = c->add_subcommand("delete", "Delete a schedule; what it posted stays.");
    addFolder(*remove, a->folder);
    remove->add_option("ID", a->id, "the schedule's id as listed")->required();

    return {c, [=, &cx] {
                if (list->parsed()) return listSchedules(*a, cx);
                return asOneChange(cx, dataFolder(a->folder), [&](CliContext& in) {
                    return add->parsed() ? addSchedule(*a, in) : deleteSchedule(*a, in);
                });
            }};
}

Subcommand makeDueCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("due", "List the scheduled entries due and not yet posted.");
    auto a = std::make_shared<DueArguments>();
    addFolder(*c, a->folder);
    c->add_option("--to", a->to, "due up to DATE (default today)")->type_name("DATE");
    return {c, [a, &cx] { return due(*a, cx); }};
}

Subcommand makePostCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "post", "Post the scheduled entries due, each on its own date, once however often run.");
    auto a = std::make_shared<DueArguments>();
    addFolder(*c, a->folder);
    c->add_option("--to", a->to, "due up to DATE (default today)")->type_name("DATE");
    return {c, [a, &cx] {
                return asOneChange(cx, dataFolder(a->folder),
                                   [&](CliContext& in) { return post(*a, in); });
            }};
}

Subcommand makeForecastCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "forecast", "Print the balance ahead: entries to come, planned ones, the low point.");
    auto a = std::make_shared<ForecastArguments>();
    addFolder(*c, a->folder);
    c->add_option("--to", a->to, "the last day ahead")->type_name("DATE")->required();
    c->add_option("--below", a->below, "the threshold of the first day below (default 0)")
        ->type_name("AMOUNT");
    c->add_option("--format", a->format, "tsv or json")
        ->check(CLI::IsMember({"tsv", "json"}))
        ->type_name("FORMAT");
    return {c, [a, &cx] { return forecast(*a, cx); }};
}

}  // namespace qbk

#include "cli/cli.h"

#include <charconv>
#include <map>
#include <optional>

#include "mainwindow/date_range.h"
#include "mainwindow/grid_layout.h"
#include "mainwindow/list_refresh.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/record_file.h"
#include "store/settings_record.h"

namespace qbk {
namespace {

int list(const std::vector<std::string>& args, CliContext& cx) {
    const std::string folder = dataFolderArgument(args);
    const Options opt(args, 2,
                      {"from", "to", "category", "search", "order", "fiscal-year", "days"});
    SettingsRecord settings = programSettings(cx);
    if (const auto order = opt.get("order")) {
        if (!gridColumns(*order)) throw UsageError{"unknown column order: " + *order};
        settings.setGridOrder(*order);
    }

    const DaySerial today = cx.clock.today();
    const auto fiscalYear = opt.get("fiscal-year");
    const auto days = opt.get("days");
    if (fiscalYear && days) throw UsageError{"--fiscal-year and --days exclude each other"};
    DateRange range;
    if (fiscalYear) {
        range = fiscalYearRange(integerOption(*fiscalYear, 100, 9998), settings.fyMonth(),
                                settings.fyDay(), cx.regional);
    } else if (days) {
        const int mostDays = static_cast<int>(today - serialFromDate(100, 1, 1));
        range = dayCountRange(integerOption(*days, 0, mostDays), 0, today, cx.regional);
    } else {
        const int fyStart = FiscalYearOf(today, settings.fyMonth(), settings.fyDay());
        range = SetRange(settings.startupRange(), 0, fyStart, settings.fyMonth(), settings.fyDay(),
                         today, cx.regional);
    }
    ListQuery query;
    query.rangeStart = *cx.regional.parseDate(range.start);
    query.rangeEnd = *cx.regional.parseDate(range.end);
    if (const auto from = opt.get("from")) query.rangeStart = dateOption(cx, *from);
    if (const auto to = opt.get("to")) query.rangeEnd = dateOption(cx, *to);
    query.categoryFilterCode = fitField("", 10);
    query.categoryFilterName = "All Categories";
    if (const auto code = opt.get("category")) {
        query.categoryFilterCode = fitField(*code, 10);
        query.categoryFilterName = *code;
        for (const CategoryRecord& c : readCategories(folder + "category.dat"))
            if (c.catCode == query.categoryFilterCode) query.categoryFilterName = c.catName;
    }
    if (const auto text = opt.get("search")) query.searchArgument = ansiUpper(*text);

    const ListView view = PopMainGrid(folder + "quillbank.dat", query, settings, cx.regional);
    std::string header;
    for (const HeaderColumn& c : parseHeaderFormat(view.headerFormat)) {
        if (!header.empty()) header += '\t';
        header += trimBlanks(c.title);
    }
    cx.out << header << '\n';
    for (std::size_t i = 0; i < view.rows.size(); ++i)
        cx.out << view.rowText(i) << '\n';
    for (const std::string& panel : view.panels)
        cx.out << panel << '\n';
    return 0;
}

int dump(const std::vector<std::string>& args, CliContext& cx) {
    if (args.size() != 2) throw UsageError{"dump takes one FILE"};
    const std::string& path = args[1];
    if (!fileExists(path)) throw UsageError{"no such file: " + path};
    const RecordFileContent content = readRecordFile(path);
    cx.out << "#\tEntryDate\tCategoryCode\tAmount\tNote\tUserField1\tUserField2\tRecordStamp"
              "\tDeletedMark\n";
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const EntryRecord r = content.record(i);
        cx.out << i << '\t'
               << (isDate(r.entryDate) ? cx.regional.shortDate(r.entryDate) : "no date") << '\t'
               << r.categoryCode << '\t' << cx.regional.numberText(r.amount) << '\t'
               << trimBlanks(r.note) << '\t' << r.userField1 << '\t' << r.userField2 << '\t'
               << (isStamp(r.recordStamp) ? stampText(r.recordStamp) : "no stamp") << '\t'
               << r.deletedMark << '\n';
    }
    if (!content.partialTail.empty())
        cx.err << "qbk3-cli: " << path << " ends with " << content.partialTail.size()
               << " bytes that are not a whole record\n";
    return 0;
}

// Every command of the tool: its name, its usage line and its handler.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>&, CliContext&);
};

const Command kCommands[] = {
    {"list",
     "list FOLDER [--fiscal-year YEAR | --days N] [--from DATE] [--to DATE] [--category CODE] "
     "[--search TEXT] [--order CODE]",
     list},
    {"dump", "dump FILE", dump},
    {"add",
     "add FOLDER --income|--expense AMOUNT --category CODE [--date DATE] [--note TEXT] "
     "[--user1 TEXT] [--user2 TEXT]",
     addCommand},
    {"sort", "sort FOLDER", sortCommand},
    {"purge", "purge FOLDER", purgeCommand},
    {"play", "play FOLDER MACROFILE DATE", playCommand},
    {"import",
     "import FOLDER FILE --date N --amount N [--note N] [--category N] [--user1 N] [--user2 N]",
     importCommand},
    {"report",
     "report FOLDER (summary|full) [--wide] [--category CODE]... [--search TEXT]... [--from DATE] "
     "[--to DATE]",
     reportCommand},
    {"export",
     "export FOLDER (full|summary) FILE [--category CODE]... [--search TEXT]... [--from DATE] "
     "[--to DATE]",
     exportCommand},
};

std::string usage() {
    std::string text = "usage:";
    for (const Command& c : kCommands)
        text += std::string("  qbk3-cli ") + c.usage + "\n      ";
    text.resize(text.size() - 6);
    return text;
}

}  // namespace

SettingsRecord programSettings(const CliContext& cx) {
    return readSettings(cx.programFolder + "qbk3.ini");
}

std::string dataFolderArgument(const std::vector<std::string>& args) {
    if (args.size() < 2) throw UsageError{"missing FOLDER"};
    if (!folderExists(args[1])) throw UsageError{"no such folder: " + args[1]};
    return withTrailingSlash(args[1]);
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

Options::Options(const std::vector<std::string>& args, std::size_t first,
                 const std::vector<std::string>& known, const std::vector<std::string>& flags) {
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto is = [&](const std::vector<std::string>& names) {
            for (const auto& k : names)
                if (a == "--" + k) return true;
            return false;
        };
        if (is(flags)) {
            values_[a.substr(2)].push_back("");
            continue;
        }
        if (!is(known)) throw UsageError{"unknown option: " + a};
        if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
        values_[a.substr(2)].push_back(args[++i]);
    }
}

std::optional<std::string> Options::get(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Options::all(const std::string& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

int runCli(const std::vector<std::string>& args, CliContext& cx) {
    try {
        if (args.empty()) throw UsageError{"missing command"};
        for (const Command& c : kCommands)
            if (args[0] == c.name) return c.run(args, cx);
        throw UsageError{"unknown command: " + args[0]};
    } catch (const UsageError& e) {
        cx.err << "qbk3-cli: " << e.message << '\n' << usage() << '\n';
        return 2;
    } catch (const OperationError& e) {
        cx.err << "qbk3-cli: " << e.what() << " (error " << e.number() << ")\n";
        return 1;
    }
}

}  // namespace qbk

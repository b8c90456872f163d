// The commands that show a book without changing it: list (the record grid as the main
// window shows it, or its entries as data), range (the date range the window would
// show) and dump (every record of a record file).
#include <cmath>

#include "cli/command.h"
#include "cli/entry_formats.h"
#include "mainwindow/grid_layout.h"
#include "mainwindow/list_refresh.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "schedules/forecast_list.h"
#include "schedules/posting.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

struct ListArguments {
    std::string folder;
    RangeChoice range;
    std::optional<std::string> from, to, category, search, order, forecast;
    std::string format = "tsv";
};

std::string headerText(const SettingsRecord& settings) {
    std::string header;
    for (const HeaderColumn& c : parseHeaderFormat(listHeaderFormat(settings))) {
        if (!header.empty()) header += '\t';
        header += trimBlanks(c.title);
    }
    return header;
}

// The grid continued to the last day ahead: the planned rows above the book's, each row
// with two more cells (planned or not, the running balance), then the status panels and
// the forecast's line.
void printForecastGrid(const std::string& folder, const ListQuery& query,
                       const SettingsRecord& settings, DaySerial through, CliContext& cx) {
    const BookPaths book(folder);
    CachedFile file;
    const std::shared_ptr<const std::string> bytes = file.read(book.records());
    const ListView listed = PopMainGrid(book.records(), file, query, settings, cx.regional);
    const ForecastList f =
        forecastList(bytes, listed, query, settings, cx.regional, dueEntries(folder, through),
                     std::floor(cx.clock.today()), through);
    cx.out << headerText(settings) << "\tPlanned\tBalance\n";
    for (std::size_t row = 0; row < f.planned.size(); ++row)
        cx.out << f.planned.rowText(row) << "\tplanned\t"
               << cx.regional.currencyText(f.plannedBalance[row]) << '\n';
    for (std::size_t row = 0; row < listed.size(); ++row)
        cx.out << listed.rowText(row) << "\t\t" << cx.regional.currencyText(f.bookBalance[row])
               << '\n';
    for (const std::string& panel : listed.panels)
        cx.out << panel << '\n';
    cx.out << forecastStatusText(f.forecast, cx.regional) << '\n';
}

// The grid as text: the header, the rows as they are made, then the status panels.
// The header waits for the first row, so that a book that cannot be read prints nothing.
void printGrid(const std::string& recordFile, const ListQuery& query,
               const SettingsRecord& settings, CliContext& cx) {
    bool headerPrinted = false;
    const auto printHeader = [&] {
        cx.out << headerText(settings) << '\n';
        headerPrinted = true;
    };
    const ListView view =
        PopMainGrid(recordFile, query, settings, cx.regional, [&](std::string_view row) {
            if (!headerPrinted) printHeader();
            cx.out << row << '\n';
        });
    if (!headerPrinted) printHeader();
    for (const std::string& panel : view.panels)
        cx.out << panel << '\n';
}

int list(const ListArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    SettingsRecord settings = programSettings(cx);
    if (a.order) {
        if (!gridColumns(*a.order)) throw UsageError{"unknown column order: " + *a.order};
        settings.setGridOrder(*a.order);
    }
    const ListedDays days = listedDays(chosenRange(a.range, settings, cx), a.from, a.to, cx);
    ListQuery query;
    query.rangeStart = days.first;
    query.rangeEnd = days.last;
    query.showAllCategories();
    if (a.category) {
        query.categoryFilterCode = fitField(*a.category, category_layout::kCatCodeWidth);
        query.categoryFilterName = *a.category;
        for (const CategoryRecord& c : readCategories(folder + std::string(kCategoryFileName)))
            if (c.catCode == query.categoryFilterCode) query.categoryFilterName = c.catName;
    }
    if (a.search) query.searchArgument = ansiUpper(*a.search);

    const std::string recordFile = folder + std::string(kRecordFileName);
    if (a.forecast) {
        if (a.format != "tsv") throw UsageError{"--forecast lists the grid (tsv) only"};
        const DaySerial through = std::floor(dateOption(cx, *a.forecast));
        query.rangeEnd = std::max(query.rangeEnd, through);
        printForecastGrid(folder, query, settings, through, cx);
        return kExitDone;
    }
    if (a.format == "tsv") {
        printGrid(recordFile, query, settings, cx);
        return kExitDone;
    }
    // The records the list shows, in file order, each written as the scan reaches it.
    const ListFilter filter(query, settings);
    EntryWriter writer(cx.out, a.format == "json" ? EntryFormat::Json : EntryFormat::Csv);
    scanRecordFile(recordFile, [&](std::size_t, const char* record) {
        if (filter.keeps(record)) writer.write(decodeEntry(record));
    });
    writer.finish();
    return kExitDone;
}

int dump(const std::string& path, CliContext& cx) {
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
    return kExitDone;
}

}  // namespace

Subcommand makeListCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "list", "Print the record list as the main window shows it, or its entries as data.");
    auto a = std::make_shared<ListArguments>();
    addFolder(*c, a->folder);
    addRangeOptions(*c, a->range);
    c->add_option("--from", a->from, "list from DATE on (regional short date)")->type_name("DATE");
    c->add_option("--to", a->to, "list up to DATE")->type_name("DATE");
    c->add_option("--category", a->category, "only the entries of the category CODE")
        ->type_name("CODE");
    c->add_option("--search", a->search, "only the entries whose note or user fields hold TEXT")
        ->type_name("TEXT");
    c->add_option("--order", a->order, "the column order of the grid (a code of the settings)")
        ->type_name("CODE");
    c->add_option("--forecast", a->forecast,
                  "continue the list to DATE with the planned entries and a running balance")
        ->type_name("DATE");
    c->add_option("--format", a->format, "tsv (the grid, tab-separated), csv or json")
        ->check(CLI::IsMember({"tsv", "csv", "json"}))
        ->type_name("FORMAT");
    return {c, [a, &cx] { return list(*a, cx); }};
}

Subcommand makeRangeCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "range", "Print the date range the main window shows: its label, first and last day.");
    auto choice = std::make_shared<RangeChoice>();
    addRangeOptions(*c, *choice);
    return {c, [choice, &cx] {
                const DateRange range = chosenRange(*choice, programSettings(cx), cx);
                const ListedDays days = listedDays(range, std::nullopt, std::nullopt, cx);
                cx.out << range.label << '\n' << days.firstText << '\n' << days.lastText << '\n';
                return kExitDone;
            }};
}

Subcommand makeDumpCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand("dump", "Print every record of a record file, deleted ones too.");
    auto path = std::make_shared<std::string>();
    c->add_option("FILE", *path, "a record file (quillbank.dat, a macro file)")->required();
    return {c, [path, &cx] { return dump(*path, cx); }};
}

}  // namespace qbk

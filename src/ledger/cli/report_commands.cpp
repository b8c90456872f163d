// qbk3-cli report and export: the report list built the way report mode builds it, then
// the report text or the comma-delimited export, on the core the window uses.
#include "budgets/budget_report.h"
#include "cli/command.h"
#include "cli/work_folder.h"
#include "mainwindow/list_refresh.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/exports.h"
#include "reports/report_command.h"
#include "reports/report_files.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

// One --category or --search, in the order given.
struct ListStep {
    bool category = false;
    std::string value;
};

struct ReportArguments {
    std::string folder, kind, target;
    bool wide = false, csv = false;
    std::vector<ListStep> steps;
    std::optional<std::string> from, to;
    RangeChoice range;  // the budget report's --fiscal-year
};

struct ReportList {
    std::vector<double> rowStamps;
    std::string rangeStart, rangeEnd;
};

// Appends to the report list (report.tmp of `paths`) what each --category and --search
// finds, in the order given, within --from/--to (or the start-up range of the settings):
// the list report mode builds with one refresh per step, made here in one pass over the
// book, each step collecting its records in file order.
ReportList buildReportList(const ReportArguments& a, const std::string& dataFolder,
                           const SettingsRecord& settings, const CliContext& cx,
                           const ReportPaths& paths) {
    const ListedDays days = listedDays(chosenRange({}, settings, cx), a.from, a.to, cx);
    ReportList list{{}, days.firstText, days.lastText};
    std::vector<ListQuery> queries;
    for (const ListStep& step : a.steps) {
        ListQuery query;
        query.rangeStart = days.first;
        query.rangeEnd = days.last;
        if (step.category) {
            query.categoryFilterCode = fitField(step.value, category_layout::kCatCodeWidth);
        } else {
            query.searchArgument = ansiUpper(step.value);
            query.categoryFilterCode = allCategoriesCode();
        }
        queries.push_back(std::move(query));
    }
    const std::vector<std::string> found =
        listedRecords(joinPath(dataFolder, std::string(kRecordFileName)), queries, settings);
    for (const std::string& records : found) {
        if (records.empty()) continue;
        appendToFile(paths.reportList, records);
        for (std::size_t at = 0; at < records.size(); at += entry_layout::kSize)
            list.rowStamps.push_back(entry_bytes::recordStamp(records.data() + at));
    }
    return list;
}

int refuseEmptyList(CliContext& cx) {
    return refuse(cx, emptyListMessage().text);
}

// The budget report of the chosen days: the fiscal year, or the start-up range, with
// --from and --to moving its ends.
int budgetReport(const ReportArguments& a, CliContext& cx) {
    if (!a.steps.empty()) throw UsageError{"the budget report takes no --category or --search"};
    const std::string folder = dataFolder(a.folder);
    const SettingsRecord settings = programSettings(cx);
    const ListedDays days = listedDays(chosenRange(a.range, settings, cx), a.from, a.to, cx);
    const BudgetStatement statement =
        budgetAgainstActual(folder, days.first, days.last, {settings.fyMonth(), settings.fyDay()});
    const std::string text =
        a.csv ? budgetCsv(statement)
              : budgetReportText(statement, {settings.ownerName(), cx.clock.today()}, cx.regional,
                                 a.wide);
    for (const std::string& line : splitLines(text))
        cx.out << line << '\n';
    return kExitDone;
}

int report(const ReportArguments& a, CliContext& cx) {
    if (a.kind == "budget") return budgetReport(a, cx);
    if (a.range.fiscalYear || a.csv)
        throw UsageError{"--fiscal-year and --csv are options of the budget report"};
    const std::string folder = dataFolder(a.folder);
    const bool full = a.kind == "full";
    const WorkFolder work;
    const ReportPaths paths(work.path());
    const SettingsRecord settings = programSettings(cx);
    const ReportList list = buildReportList(a, folder, settings, cx, paths);
    ReportRequest request;
    request.kind = a.wide ? (full ? ReportKind::WideFull : ReportKind::WideSummary)
                          : (full ? ReportKind::Full : ReportKind::Summary);
    request.rowStamps = list.rowStamps;
    request.categoryFilePath = joinPath(folder, std::string(kCategoryFileName));
    request.settings = settings;
    request.regional = cx.regional;
    request.rangeStart = list.rangeStart;
    request.rangeEnd = list.rangeEnd;
    request.today = cx.clock.today();
    const std::optional<std::string> text = buildReport(paths, request);
    if (!text) return refuseEmptyList(cx);
    for (const std::string& line : splitLines(*text))
        cx.out << line << '\n';
    return kExitDone;
}

int exportList(const ReportArguments& a, CliContext& cx) {
    const std::string folder = dataFolder(a.folder);
    const WorkFolder work;
    const ReportPaths paths(work.path());
    const ReportList list = buildReportList(a, folder, programSettings(cx), cx, paths);
    if (fileLength(paths.reportList) < entry_layout::kSize) return refuseEmptyList(cx);
    MakeReportFiles(paths, list.rowStamps);
    writeExport(a.kind == "full" ? ExportKind::Full : ExportKind::Summary, paths,
                joinPath(folder, std::string(kCategoryFileName)), a.target, cx.regional);
    return kExitDone;
}

// The options that build the report list; --category and --search keep their order.
void addListOptions(CLI::App& c, ReportArguments& a) {
    c.add_option_function<std::string>(
         "--category",
         [&a](const std::string& code) {
             a.steps.push_back({true, code});
         },
         "add the entries of the category CODE to the list (may repeat)")
        ->type_name("CODE")
        ->trigger_on_parse();
    c.add_option_function<std::string>(
         "--search",
         [&a](const std::string& text) {
             a.steps.push_back({false, text});
         },
         "add the entries whose note or user fields hold TEXT (may repeat)")
        ->type_name("TEXT")
        ->trigger_on_parse();
    c.add_option("--from", a.from, "from DATE on (default: the start-up range)")->type_name("DATE");
    c.add_option("--to", a.to, "up to DATE")->type_name("DATE");
}

}  // namespace

Subcommand makeReportCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "report", "Print a report of the entries each --category and --search finds, in order.");
    auto a = std::make_shared<ReportArguments>();
    addFolder(*c, a->folder);
    c->add_option("KIND", a->kind, "summary, full or budget")
        ->required()
        ->check(CLI::IsMember({"summary", "full", "budget"}));
    c->add_flag("--wide", a->wide, "the wide layout");
    addListOptions(*c, *a);
    c->add_option("--fiscal-year", a->range.fiscalYear,
                  "budget: the fiscal year that begins in YEAR")
        ->type_name("YEAR");
    c->add_flag("--csv", a->csv, "budget: comma-separated values instead of the report text");
    return {c, [a, &cx] { return report(*a, cx); }};
}

Subcommand makeExportCommand(CLI::App& tool, CliContext& cx) {
    auto* c = tool.add_subcommand(
        "export", "Append the comma-delimited export of such a report list to FILE.");
    auto a = std::make_shared<ReportArguments>();
    addFolder(*c, a->folder);
    c->add_option("KIND", a->kind, "full or summary")
        ->required()
        ->check(CLI::IsMember({"full", "summary"}));
    c->add_option("FILE", a->target, "the file the export is appended to")->required();
    addListOptions(*c, *a);
    return {c, [a, &cx] { return exportList(*a, cx); }};
}

}  // namespace qbk

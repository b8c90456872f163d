// qbk3-cli report and export: the report list built the way report mode builds it, then
// the report text or the comma-delimited export, on the core the window uses.
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "cli/cli.h"
#include "mainwindow/date_range.h"
#include "mainwindow/list_refresh.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/exports.h"
#include "reports/report_command.h"
#include "reports/report_files.h"

namespace qbk {
namespace {

const std::vector<std::string> kListOptions = {"category", "search", "from", "to"};

// The report work files of one run, in a fresh folder of the tool's own (never the
// program folder, where a running window keeps its report), removed at the end.
class WorkFolder {
  public:
    WorkFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qbk3-cli-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw OperationError::fromErrno(errno, pattern);
        path_ = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

struct ReportList {
    std::vector<double> rowStamps;
    std::string rangeStart, rangeEnd;
};

// Appends to the report list (report.tmp of `paths`) what each --category and --search
// finds, in the order given on the command line, within the range of --from/--to (or
// the start-up range of the settings).
ReportList buildReportList(const std::vector<std::string>& args, std::size_t first,
                           const std::string& dataFolder, const SettingsRecord& settings,
                           const CliContext& cx, const ReportPaths& paths) {
    const Options opt(args, first, kListOptions, {"wide"});
    const DaySerial today = cx.clock.today();
    const int fyStart = FiscalYearOf(today, settings.fyMonth(), settings.fyDay());
    const DateRange startup = SetRange(settings.startupRange(), 0, fyStart, settings.fyMonth(),
                                       settings.fyDay(), today, cx.regional);
    ReportList list{{}, startup.start, startup.end};
    ListQuery query;
    query.rangeStart = *cx.regional.parseDate(startup.start);
    query.rangeEnd = *cx.regional.parseDate(startup.end);
    if (const auto from = opt.get("from")) {
        query.rangeStart = dateOption(cx, *from);
        list.rangeStart = cx.regional.shortDate(query.rangeStart);
    }
    if (const auto to = opt.get("to")) {
        query.rangeEnd = dateOption(cx, *to);
        list.rangeEnd = cx.regional.shortDate(query.rangeEnd);
    }

    const std::string recordFile = joinPath(dataFolder, "quillbank.dat");
    for (std::size_t i = first; i < args.size(); ++i) {
        if (args[i] == "--wide") continue;
        const std::string& name = args[i];
        const std::string& value = args[++i];  // Options checked that every option has one
        if (name == "--category") {
            query.searchArgument.clear();
            query.categoryFilterCode = fitField(value, 10);
            query.categoryFilterName = value;
        } else if (name == "--search") {
            query.searchArgument = ansiUpper(value);
            query.categoryFilterCode = fitField("", 10);
            query.categoryFilterName = "All Categories";
        } else {
            continue;
        }
        const ListView view =
            PopMainGrid(recordFile, query, settings, cx.regional, &paths.reportList);
        for (const ListRow& row : view.rows)
            list.rowStamps.push_back(row.stamp);
    }
    return list;
}

int refuseEmptyList(CliContext& cx) {
    cx.err << "qbk3-cli: " << emptyListMessage().text << '\n';
    return 1;
}

}  // namespace

int reportCommand(const std::vector<std::string>& args, CliContext& cx) {
    const std::string folder = dataFolderArgument(args);
    if (args.size() < 3 || (args[2] != "summary" && args[2] != "full"))
        throw UsageError{"report needs summary or full"};
    const bool full = args[2] == "full";
    const bool wide = Options(args, 3, kListOptions, {"wide"}).has("wide");

    const WorkFolder work;
    const ReportPaths paths(work.path());
    const SettingsRecord settings = programSettings(cx);
    const ReportList list = buildReportList(args, 3, folder, settings, cx, paths);
    ReportRequest request;
    request.kind = wide ? (full ? ReportKind::WideFull : ReportKind::WideSummary)
                        : (full ? ReportKind::Full : ReportKind::Summary);
    request.rowStamps = list.rowStamps;
    request.categoryFilePath = joinPath(folder, "category.dat");
    request.settings = settings;
    request.regional = cx.regional;
    request.rangeStart = list.rangeStart;
    request.rangeEnd = list.rangeEnd;
    request.today = cx.clock.today();
    const std::optional<std::string> text = buildReport(paths, request);
    if (!text) return refuseEmptyList(cx);
    for (const std::string& line : splitLines(*text))
        cx.out << line << '\n';
    return 0;
}

int exportCommand(const std::vector<std::string>& args, CliContext& cx) {
    const std::string folder = dataFolderArgument(args);
    if (args.size() < 4 || (args[2] != "summary" && args[2] != "full"))
        throw UsageError{"export needs full or summary, then FILE"};
    const ExportKind kind = args[2] == "full" ? ExportKind::Full : ExportKind::Summary;
    const std::string& target = args[3];
    Options(args, 4, kListOptions);  // no --wide: exports have one layout

    const WorkFolder work;
    const ReportPaths paths(work.path());
    const ReportList list = buildReportList(args, 4, folder, programSettings(cx), cx, paths);
    if (fileLength(paths.reportList) < entry_layout::kSize) return refuseEmptyList(cx);
    MakeReportFiles(paths, list.rowStamps);
    writeExport(kind, paths, joinPath(folder, "category.dat"), target, cx.regional);
    return 0;
}

}  // namespace qbk

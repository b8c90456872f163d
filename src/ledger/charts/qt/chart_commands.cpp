#include "charts/qt/chart_commands.h"

#include <QTableView>
#include <cmath>

#include "budgets/qt/budget_charts.h"
#include "charts/chart_entries.h"
#include "charts/qt/chart_window.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "reports/report_command.h"
#include "reports/report_files.h"
#include "schedules/forecast.h"
#include "schedules/posting.h"
#include "store/category_record.h"

namespace qbk {
namespace {

Message emptyMainListMessage() {
    return {
        "There are no entries in this list to chart. Please choose a range, a category or "
        "a search that lists some.",
        "Nothing to do!", Icon::Information, Buttons::Ok, 1};
}

}  // namespace

ChartCommands::ChartCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("ChartCommands"));
    window.setCommand("mu_ListCharts", [this] { mu_ListCharts_Click(); });
    window.setCommand("mu_ReportCharts", [this] { mu_ReportCharts_Click(); });
}

void ChartCommands::mu_ListCharts_Click() {
    if (window_.state().MacroMode) return;
    std::optional<ChartData> data;
    std::optional<OperationError> failure;
    {
        WaitCursor wait;
        try {
            data = window_.state().ReportMode ? reportListCharts() : mainListCharts();
        } catch (const OperationError& e) {
            failure = e;
        }
    }
    if (failure) {
        window_.showError(*failure);
        return;
    }
    if (!data) return;
    const DaySerial first = data->first, last = data->last;
    auto* charts = new ChartWindow(std::move(*data), window_.regional(), window_.prompts(),
                                   window_.services().printer, &window_);
    // The budget against the actual of the same days (all categories), beside them.
    window_.prompts().attempt([&] {
        const SettingsRecord& settings = window_.state().ProgramSettings;
        charts->tabs()->addTab(
            budgetChartPage(window_.state().DataFolder, first, last,
                            {settings.fyMonth(), settings.fyDay()}, window_.regional()),
            QStringLiteral("B&udget"));
    });
    connect(charts, &ChartWindow::categoryChosen, this, &ChartCommands::narrowTo);
    charts->show();
    chartWindow_ = charts;
}

ChartWindow* ChartCommands::chartWindow() const {
    return chartWindow_;
}

std::optional<ChartData> ChartCommands::reportListCharts() {
    const MainState& state = window_.state();
    const ReportSplit entries = splitReportList(
        readRecordFile(window_.services().programFolder + std::string(report_files::kReportList)),
        window_.mainGridModel()->stamps());
    const auto span = entrySpan(entries);
    if (!span) {
        window_.prompts().message(emptyListMessage());
        return std::nullopt;
    }
    ChartData data =
        chartData(entries, span->first, span->second, readCategories(state.CategoryFilePath),
                  state.ProgramSettings, window_.regional());
    data.subject =
        "Report list of " + std::to_string(window_.mainGridModel()->rowCount()) + " items";
    return data;
}

// The balance ahead of the forecast the list shows: today's and each day's end after.
void ChartCommands::addBalanceAhead(ChartData& data, DaySerial through) {
    const MainState& state = window_.state();
    const DaySerial today = std::floor(window_.services().clock.today());
    const Forecast f = forecastFrom(readFile(state.RecordFilePath),
                                    dueEntries(state.DataFolder, through), today, through);
    data.ahead.push_back({today, f.opening});
    for (const ForecastRow& row : f.rows) {
        const DaySerial day = std::max(std::floor(row.record.entryDate), today);
        if (data.ahead.back().day == day)
            data.ahead.back().balance = row.balance;
        else
            data.ahead.push_back({day, row.balance});
    }
    if (data.ahead.back().day < through) data.ahead.push_back({through, data.ahead.back().balance});
    data.lowAhead = {f.lowDate, f.low};
}

std::optional<ChartData> ChartCommands::mainListCharts() {
    const MainState& state = window_.state();
    ListQuery query;
    query.searchArgument = window_.searchArgument();
    query.categoryFilterCode = state.CategoryFilterCode;
    query.categoryFilterName = state.CategoryFilterName;
    const auto start = window_.regional().parseDate(state.RangeStart);
    const auto end = window_.regional().parseDate(state.RangeEnd);
    if (!start || !end) {
        throw OperationError(errnum::kTypeMismatch, "Type mismatch (range " + state.RangeStart +
                                                        " - " + state.RangeEnd + ")");
    }
    query.rangeStart = *start;
    query.rangeEnd = *end;
    const ReportSplit entries = listedEntries(state.RecordFilePath, query, state.ProgramSettings);
    if (!entrySpan(entries)) {
        window_.prompts().message(emptyMainListMessage());
        return std::nullopt;
    }
    ChartData data = chartData(entries, *start, *end, readCategories(state.CategoryFilePath),
                               state.ProgramSettings, window_.regional());
    data.subject = std::string(
        trimBlanks(utf8(window_.displayStatusBar()->panelText(display_panel::kSubject))));
    if (state.ForecastTo) addBalanceAhead(data, *state.ForecastTo);
    return data;
}

void ChartCommands::narrowTo(const std::string& code) {
    window_.listCategory(code);
}

}  // namespace qbk

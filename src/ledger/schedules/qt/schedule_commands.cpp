#include "schedules/qt/schedule_commands.h"

#include <QFrame>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <cmath>
#include <set>

#include "mainwindow/qt/date_selector.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "platform/qt/qt_text.h"
#include "schedules/due_settings.h"
#include "schedules/forecast_list.h"
#include "schedules/posting.h"
#include "schedules/qt/coming_due_dialog.h"

namespace qbk {
namespace {

// How often the window looks whether the date has changed.
constexpr int kDateWatchMs = 60 * 1000;
// The day the forecast question starts from: three months ahead.
constexpr int kForecastDays = 91;

}  // namespace

ScheduleCommands::ScheduleCommands(QBK_3_Main& window, DateSelector& dates)
    : QObject(&window), window_(window), dates_(dates) {
    setObjectName(QStringLiteral("ScheduleCommands"));
    window.setCommand("mu_ComingDue", [this] { mu_ComingDue_Click(); });
    window.setCommand("mu_Forecast", [this] { mu_Forecast_Click(); });
    connect(&window, &QBK_3_Main::startupDone, this, [this] {
        // After the start-up window and the first list: the dialog stands over the book.
        QTimer::singleShot(0, this, [this] { checkDue(false); });
        watchTheDate();
    });
    connect(&window, &QBK_3_Main::listRefreshed, this, &ScheduleCommands::continueList);
}

void ScheduleCommands::watchTheDate() {
    if (dayTimer_ != nullptr) return;
    dayTimer_ = new QTimer(this);
    connect(dayTimer_, &QTimer::timeout, this, [this] {
        if (std::floor(window_.services().clock.today()) != lastChecked_) checkDue(false);
    });
    dayTimer_->start(kDateWatchMs);
}

void ScheduleCommands::checkDue(bool byHand) {
    MainState& state = window_.state();
    // Macro editing and report mode show other lists, and an open form or date question
    // is the user's work: the check waits for the book (the date watch comes back).
    if (state.MacroMode || state.ReportMode || state.DataFolder.empty()) {
        if (byHand)
            window_.prompts().message(
                {"Scheduled entries go into the book: quit macro edit or "
                 "report mode first.",
                 "Nothing to do!", Icon::Information, Buttons::Ok, 1});
        return;
    }
    if (!byHand && (window_.editFrame()->isVisible() || window_.dateDialFrame()->isVisible()))
        return;
    const DaySerial today = std::floor(window_.services().clock.today());
    lastChecked_ = today;
    std::vector<PlannedEntry> due;
    bool withoutAsking = false;
    if (!window_.prompts().attempt([&] {
            due = dueEntries(state.DataFolder, today);
            withoutAsking = postsWithoutAsking(window_.services().programFolder);
        }))
        return;
    if (due.empty()) {
        if (byHand)
            window_.prompts().message({"No scheduled entry is due.", "Nothing to do!",
                                       Icon::Information, Buttons::Ok, 1});
        return;
    }
    if (withoutAsking && !byHand) return postAll(today);

    ComingDueDialog dialog(due, withoutAsking, window_.regional(), &window_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (dialog.postWithoutAsking() != withoutAsking) {
        window_.prompts().attempt([&] {
            setPostsWithoutAsking(window_.services().programFolder, dialog.postWithoutAsking());
        });
    }
    if (!accepted) return;
    const std::vector<bool> checked = dialog.checked();
    // The entries chosen, by schedule and date: what the check under the lock finds due
    // again is posted when it was chosen.
    std::set<std::pair<int, DaySerial>> chosen;
    for (std::size_t i = 0; i < due.size(); ++i)
        if (checked[i]) chosen.insert({due[i].scheduleId, due[i].record.entryDate});
    if (chosen.empty()) return;
    BookWriteScope scope(window_);
    if (!window_.prompts().attempt([&] {
            postDue(state.DataFolder, today, window_.stamps(), window_.sortKeys(),
                    [&](const PlannedEntry& p) {
                        return chosen.count({p.scheduleId, p.record.entryDate}) > 0;
                    });
        }))
        return;
    window_.refreshList();
}

void ScheduleCommands::postAll(DaySerial through) {
    BookWriteScope scope(window_);
    if (!window_.prompts().attempt([&] {
            postDue(window_.state().DataFolder, through, window_.stamps(), window_.sortKeys());
        }))
        return;
    window_.refreshList();
}

void ScheduleCommands::mu_Forecast_Click() {
    MainState& state = window_.state();
    // A refresh in report mode adds to the report list; the forecast is of the book's list.
    if (state.ReportMode || state.MacroMode) {
        window_.prompts().message(
            {"The forecast continues the record list: quit report mode "
             "first.",
             "Nothing to do!", Icon::Information, Buttons::Ok, 1});
        return;
    }
    const RegionalSettings& regional = window_.regional();
    const DaySerial today = std::floor(window_.services().clock.today());
    const std::optional<std::string> answer =
        dates_.ask("Please provide the last day of the forecast...",
                   regional.shortDate(state.ForecastTo.value_or(today + kForecastDays)));
    if (!answer) return;
    const std::optional<DaySerial> last = regional.parseDate(*answer);
    if (!last || std::floor(*last) <= today) {
        window_.prompts().message({"The forecast looks ahead: please choose a day after today.",
                                   "Nothing to do!", Icon::Information, Buttons::Ok, 1});
        return;
    }
    const DaySerial to = std::floor(*last);
    const std::optional<DaySerial> end = regional.parseDate(state.RangeEnd);
    if (!end || *end < to) state.RangeEnd = regional.shortDate(to);
    window_.setRangeLabel("Forecast to " + regional.shortDate(to));
    state.ForecastTo = to;
    window_.refreshList();
    window_.focusMainGrid();
}

void ScheduleCommands::continueList(const ListQuery& query) {
    const MainState& state = window_.state();
    if (!state.ForecastTo || state.MacroMode) return;
    MainGridModel* model = window_.mainGridModel();
    const ListView* listed = model->listView();
    if (listed == nullptr) return;
    const RegionalSettings& regional = window_.regional();
    const DaySerial today = std::floor(window_.services().clock.today());
    window_.prompts().attempt([&] {
        const ForecastList f = forecastList(
            window_.bookCache().read(state.RecordFilePath), *listed, query, state.ProgramSettings,
            regional, dueEntries(state.DataFolder, *state.ForecastTo), today, *state.ForecastTo);
        model->setForecast(f.planned, f.plannedBalance, f.bookBalance,
                           [regional](Money m) { return regional.currencyText(m); });
        showBalanceBesideTheAmount();
        window_.generalStatusBar()->setPanelText(
            general_panel::kMessage, qs("Forecast to " + regional.shortDate(*state.ForecastTo) +
                                        " - " + forecastStatusText(f.forecast, regional)));
    });
}

}  // namespace qbk

namespace qbk {

void ScheduleCommands::showBalanceBesideTheAmount() {
    MainGridModel* model = window_.mainGridModel();
    QHeaderView* header = window_.mainGrid()->horizontalHeader();
    const int balance = model->columnCount() - 1;
    for (int column = 0; column < balance; ++column) {
        if (model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() !=
            MainGridModel::tr("Amount"))
            continue;
        header->moveSection(header->visualIndex(balance), header->visualIndex(column) + 1);
        header->resizeSection(balance, header->sectionSize(column));
        return;
    }
}

}  // namespace qbk

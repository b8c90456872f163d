#include "mainwindow/qt/range_commands.h"

#include <string>

#include "mainwindow/date_range.h"
#include "mainwindow/date_selection.h"
#include "mainwindow/qt/date_selector.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "platform/qt/qt_text.h"

namespace qbk {

RangeCommands::RangeCommands(QBK_3_Main& window, DateSelector& selector)
    : QObject(&window), window_(window), selector_(selector) {
    setObjectName(QStringLiteral("RangeCommands"));
    window.setCommand("mu_DefaultRange", [this] { mu_DefaultRange_Click(); });
    window.setCommand("mu_FiscalYear", [this] { mu_FiscalYear_Click(); });
    window.setCommand("mu_previousYear", [this] { mu_previousYear_Click(); });
    window.setCommand("mu_NextYear", [this] { mu_NextYear_Click(); });
    window.setCommand("mu_SelectDates", [this] { mu_SelectDates_Click(); });
    static constexpr struct {
        const char* item;
        int days;
    } kDayItems[] = {{"mu_30Days", 30},     {"mu_60days", 60},     {"mu_90days", 90},
                     {"mu_180days", 180},   {"mu_365days", 365},   {"mu_730days", 730},
                     {"mu_1095days", 1095}, {"mu_1460days", 1460}, {"mu_1825days", 1825}};
    for (const auto& d : kDayItems)
        window.setCommand(d.item, [this, n = d.days] { days(n); });
}

void RangeCommands::mu_DefaultRange_Click() {
    window_.SetRange(window_.state().ProgramSettings.startupRange(), 0);
    finish();
}

void RangeCommands::mu_FiscalYear_Click() {
    MainState& state = window_.state();
    const SettingsRecord& s = state.ProgramSettings;
    state.FYStartYear = FiscalYearOf(window_.services().clock.today(), s.fyMonth(), s.fyDay());
    showFiscalYear();
}

void RangeCommands::mu_previousYear_Click() {
    --window_.state().FYStartYear;
    showFiscalYear();
}

void RangeCommands::mu_NextYear_Click() {
    ++window_.state().FYStartYear;
    showFiscalYear();
}

void RangeCommands::showFiscalYear() {
    window_.SetRange(0, 0);
    finish();
}

void RangeCommands::days(int numDays) {
    window_.SetRange(numDays, 0);
    finish();
}

void RangeCommands::mu_SelectDates_Click() {
    MainState& state = window_.state();
    const std::string oldStart = state.RangeStart;
    const std::string oldEnd = state.RangeEnd;
    const QString oldLabel = window_.generalStatusBar()->panelText(general_panel::kMessage);
    auto restore = [&] {
        // An Esc meanwhile showed the default range; the list goes back with the range.
        const bool moved = state.RangeStart != oldStart || state.RangeEnd != oldEnd;
        state.RangeStart = oldStart;
        state.RangeEnd = oldEnd;
        window_.setRangeLabel(utf8(oldLabel));
        if (moved) finish();
    };
    for (;;) {
        const auto range = selector_.askRange(state.RangeStart, state.RangeEnd);
        if (!range) return restore();
        const auto& [start, end] = *range;
        // A typed text that is not a date is named as such before the two are compared.
        std::optional<Message> refusal;
        for (const std::string& typed : {start, end})
            if (!refusal && !window_.regional().parseDate(typed))
                refusal =
                    Message{"The date \"" + typed + "\" is not a date.\r\n\r\nPlease try again.",
                            "Nothing to do!", Icon::Information, Buttons::Ok, 1};
        if (!refusal) refusal = selectedDatesRefusal(start, end, window_.regional());
        if (refusal) {
            window_.prompts().message(*refusal);
            restore();
            continue;
        }
        // Typed dates are kept in the short date form ("1/6/2001" becomes "01/06/2001").
        state.RangeStart = window_.regional().shortDate(*window_.regional().parseDate(start));
        state.RangeEnd = window_.regional().shortDate(*window_.regional().parseDate(end));
        window_.setRangeLabel(selectedRangeLabel(state.RangeStart, state.RangeEnd));
        finish();
        return;
    }
}

void RangeCommands::finish() {
    if (window_.state().ReportMode) return;
    window_.refreshList();
    window_.focusMainGrid();
}

}  // namespace qbk

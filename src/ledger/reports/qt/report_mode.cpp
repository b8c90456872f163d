#include "reports/qt/report_mode.h"

#include <QAction>
#include <QColor>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolBar>

#include "mainwindow/list_refresh.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"

namespace qbk {
namespace {

// Menus of list mode that report mode closes.
constexpr const char* kListMenus[] = {"mu_File", "mu_Categories", "mu_Records", "mu_Macro",
                                      "mu_Notes"};
// Open in report mode from its start: leaving it, the four reports and the charts.
constexpr const char* kReportItems[] = {"mu_QuitReports",       "mu_ReportSummary",
                                        "mu_ReportFull",        "mu_ReportFullUser",
                                        "mu_ReportSummaryWide", "mu_ReportCharts"};
// Open once a report has been built.
constexpr const char* kOutputItems[] = {"mu_ReturnToList",     "mu_PrintReport", "mu_SaveAsPdf",
                                        "mu_EditReport",       "mu_WriteText",   "mu_WriteComma",
                                        "mu_WriteCommaSummary"};
// ReportToolBar: buttons 1 to 4, then 5 to 9.
constexpr const char* kReportButtons[] = {"New", "Quit", "Quick", "Full", "Charts"};
constexpr const char* kOutputButtons[] = {"Build", "Print", "Edit", "File", "Export"};

constexpr const char* kReportListTip = QT_TRANSLATE_NOOP(
    "qbk::ReportMode", "Highlight item and press DELETE key to remove from report");
// The main window's own tip, in its context.
constexpr const char* kRecordListTip =
    QT_TRANSLATE_NOOP("qbk::QBK_3_Main", "Double-click any line item to edit");

const QColor kReportColour(0, 255, 255);

}  // namespace

ReportMode::ReportMode(QBK_3_Main& window)
    : QObject(&window), window_(window), paths_(window.services().programFolder) {
    setObjectName(QStringLiteral("ReportMode"));
    window.setCommand("mu_NewReport", [this] { mu_NewReport_Click(); });
    window.setCommand("mu_QuitReports", [this] { mu_QuitReports_Click(); });
    window.setCommand("mu_ReturnToList", [this] { mu_ReturnToList_Click(); });
    window.setCommand("mu_ReportSummary", [this] { mu_ReportSummary_Click(); });
    window.setCommand("mu_ReportFull", [this] { mu_ReportFull_Click(); });
    window.setCommand("mu_ReportSummaryWide", [this] { mu_ReportSummaryWide_Click(); });
    window.setCommand("mu_ReportFullUser", [this] { mu_ReportFullUser_Click(); });
    window.setCommand("mu_PrintReport", [this] { mu_PrintReport_Click(); });
    window.setCommand("mu_SaveAsPdf", [this] { mu_SaveAsPdf_Click(); });
    window.setCommand("mu_WriteText", [this] { mu_WriteText_Click(); });
    window.setCommand("mu_EditReport", [this] { mu_EditReport_Click(); });
    window.setCommand("mu_WriteComma", [this] { mu_WriteComma_Click(); });
    window.setCommand("mu_WriteCommaSummary", [this] { mu_WriteCommaSummary_Click(); });
    connect(&window, &QBK_3_Main::reportModeEndRequested, this, &ReportMode::TurnReportsOff);
    connect(&window, &QBK_3_Main::removeReportLineRequested, this, &ReportMode::removeReportLine);
}

void ReportMode::mu_NewReport_Click() {
    if (!window_.prompts().attempt([&] { discardReportList(paths_); })) return;
    window_.viewer()->hide();
    TurnReportsOn();
    window_.focusMainGrid();
}

void ReportMode::mu_QuitReports_Click() {
    // A report list file that cannot be deleted does no harm: the next report list
    // starts by deleting it again. Report mode is left all the same.
    window_.prompts().attempt([&] { discardReportList(paths_); });
    TurnReportsOff();
    MainState& state = window_.state();
    state.showAllCategories();
    window_.refreshList();
    window_.focusMainGrid();
}

void ReportMode::mu_ReturnToList_Click() {
    window_.viewer()->hide();
    window_.focusMainGrid();
}

void ReportMode::TurnReportsOn() {
    window_.mainToolBar()->hide();
    window_.reportToolBar()->show();
    window_.viewer()->clear();
    window_.mainGridModel()->clear();
    setMainGridToolTip(kReportListTip);
    window_.state().ReportMode = true;
    setReportColours(true);

    StatusPanels* panels = window_.displayStatusBar();
    panels->setPanelVisible(1, false);
    panels->setPanelVisible(2, false);
    panels->setPanelText(display_panel::kReport, shownText(reportPanelText(0)));
    panels->setPanelVisible(4, false);
    panels->setPanelVisible(5, false);

    for (const char* name : kListMenus)
        window_.menu(name)->setEnabled(false);
    for (const char* name : kReportItems)
        window_.action(name)->setEnabled(true);
    for (const char* key : kReportButtons)
        window_.reportToolButton(key)->setEnabled(true);
    setOutputsEnabled(false);
}

void ReportMode::TurnReportsOff() {
    window_.reportToolBar()->hide();
    window_.mainToolBar()->show();
    window_.mainGridModel()->clear();
    setMainGridToolTip(kRecordListTip);
    window_.state().ReportMode = false;
    setReportColours(false);

    StatusPanels* panels = window_.displayStatusBar();
    for (int panel : {2, 1, 4, 5})
        panels->setPanelVisible(panel, true);

    for (const char* name : kListMenus)
        window_.menu(name)->setEnabled(true);
    for (const char* name : kReportItems)
        window_.action(name)->setEnabled(false);
    setOutputsEnabled(false);
    window_.viewer()->hide();
}

void ReportMode::removeReportLine() {
    QTableView* grid = window_.mainGrid();
    MainGridModel* model = window_.mainGridModel();
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid() || model->rowCount() < 2) return;
    model->removeDataRow(current.row());
    setReportColours(true);
    window_.displayStatusBar()->setPanelText(
        display_panel::kReport,
        shownText(reportPanelText(static_cast<std::size_t>(model->rowCount()))));
}

void ReportMode::setReportColours(bool reportMode) {
    const QColor colour = reportMode ? kReportColour : QColor();
    window_.setGridBackground(window_.mainGrid(), colour);
    window_.setGridBackground(window_.categoryGrid(), colour);
}

void ReportMode::setOutputsEnabled(bool enabled) {
    for (const char* name : kOutputItems)
        window_.action(name)->setEnabled(enabled);
    for (const char* key : kOutputButtons)
        window_.reportToolButton(key)->setEnabled(enabled);
}

void ReportMode::setMainGridToolTip(const char* text) {
    if (window_.state().ProgramSettings.toolTipsFlag() == "Y")
        window_.mainGrid()->setToolTip(text == kRecordListTip ? QBK_3_Main::tr(text) : tr(text));
}

}  // namespace qbk

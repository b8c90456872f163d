// The report commands of report mode: building a report into Viewer, and printing,
// saving, editing and exporting the report last built.
#include <QAction>
#include <QPlainTextEdit>
#include <QToolBar>
#include <optional>

#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/wait_cursor.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "reports/editor_command.h"
#include "reports/print_pages.h"
#include "reports/qt/report_mode.h"
#include "reports/report_captions.h"
#include "reports/report_output.h"
#include "reports/viewer_text.h"

namespace qbk {

void ReportMode::runReport(ReportKind kind) {
    MainState& state = window_.state();
    // Printing follows the layout last asked for, also when the report is refused.
    state.WideReport = isWide(kind);

    ReportRequest request;
    request.kind = kind;
    request.rowStamps = window_.mainGridModel()->stamps();
    request.categoryFilePath = state.CategoryFilePath;
    request.settings = state.ProgramSettings;
    request.regional = window_.regional();
    request.rangeStart = state.RangeStart;
    request.rangeEnd = state.RangeEnd;
    request.today = window_.services().clock.today();
    request.captionLanguage =
        reportCaptionLanguage(window_.services().programFolder, utf8(installedLanguage()));

    std::optional<std::string> text;
    std::optional<OperationError> failure;
    {
        WaitCursor wait;
        try {
            text = buildReport(paths_, request);
        } catch (const OperationError& e) {
            failure = e;
        }
    }
    if (failure) {
        window_.showError(*failure);
        return;
    }
    if (!text) {
        window_.prompts().message(emptyListMessage());
        return;
    }

    // The split went through the list row by row and leaves the last row current: a
    // Delete after Return to List takes that one.
    window_.selectMainGridRow(window_.mainGridModel()->rowCount() - 1);
    QPlainTextEdit* viewer = window_.viewer();
    viewer->setPlainText(qs(viewerText(*text)));
    viewer->show();
    viewer->raise();
    viewer->setFocus();
    setOutputsEnabled(true);
}

void ReportMode::mu_PrintReport_Click() {
    Printer& printer = window_.services().printer;
    if (!printer.available()) {
        if (window_.prompts().message(noPrinterQuestion()) == Answer::Yes) mu_SaveAsPdf_Click();
        return;
    }
    std::optional<OperationError> failure;
    {
        WaitCursor wait;
        try {
            printReport(paths_.reportText, window_.state().WideReport, printer);
        } catch (const OperationError& e) {
            failure = e;
        }
    }
    if (failure) window_.showError(*failure);
}

void ReportMode::mu_SaveAsPdf_Click() {
    window_.prompts().attempt([&] {
        saveReportAsPdf(window_.prompts(), paths_.reportText, window_.state().WideReport,
                        window_.services().printer);
    });
}

void ReportMode::mu_WriteText_Click() {
    window_.prompts().attempt([&] { writeReportToTextFile(window_.prompts(), paths_.reportText); });
}

void ReportMode::mu_EditReport_Click() {
    const MainState& state = window_.state();
    window_.prompts().attempt([&] {
        if (const auto refusal =
                editReport(paths_.reportText, state.DataFolder, state.ProgramSettings.editorName(),
                           window_.services().shell))
            window_.prompts().message(*refusal);
    });
}

void ReportMode::runExport(ExportKind kind) {
    window_.prompts().attempt([&] {
        exportReport(window_.prompts(), kind, paths_, window_.state().CategoryFilePath,
                     window_.regional());
    });
}

}  // namespace qbk

// Report mode of the main window: the record list becomes the report list, which every
// list refresh extends instead of replacing, and the report menu and ReportToolBar build
// reports from it and take them out of the program.
//
//   list mode               MainToolBar, the record list in white grids
//   report mode, list view  ReportToolBar, the report list in cyan grids, the count of
//                           its items in panel 3 of DisplayStatusBar
//   report mode, report     Viewer over both grids, holding the report last built
//
// The report output commands (Return to List, Print, Edit, Write, the exports and
// toolbar buttons 5 to 9) are enabled from the first report until report mode is
// entered again or left: after Return to List they still act on the report last built.
// Every file failure shows the common error message and ends the command; the report
// work files of the report last built then stay as they were.
#ifndef QBK_REPORTS_QT_REPORT_MODE_H_
#define QBK_REPORTS_QT_REPORT_MODE_H_

#include <QObject>

#include "reports/exports.h"
#include "reports/report_command.h"
#include "reports/report_files.h"

namespace qbk {

class QBK_3_Main;

class ReportMode : public QObject {
    Q_OBJECT
  public:
    // Attaches the report menu, the window's start-up and its Delete key; owned by the
    // window.
    explicit ReportMode(QBK_3_Main& window);

    // Throws the report list away and starts an empty one (in either mode).
    void mu_NewReport_Click();
    // Leaves report mode: the report list is thrown away (the files of the report last
    // built stay), the list shows all categories again.
    void mu_QuitReports_Click();
    // Hides the report so that the list can be extended or pruned.
    void mu_ReturnToList_Click();

    void mu_ReportSummary_Click() { runReport(ReportKind::Summary); }
    void mu_ReportFull_Click() { runReport(ReportKind::Full); }
    void mu_ReportSummaryWide_Click() { runReport(ReportKind::WideSummary); }
    void mu_ReportFullUser_Click() { runReport(ReportKind::WideFull); }

    // Prints on the default printer; without one, offers a PDF file instead.
    void mu_PrintReport_Click();
    // Prints into a PDF file that the user names, with the printer's pages.
    void mu_SaveAsPdf_Click();
    void mu_WriteText_Click();
    void mu_EditReport_Click();
    void mu_WriteComma_Click() { runExport(ExportKind::Full); }
    void mu_WriteCommaSummary_Click() { runExport(ExportKind::Summary); }

    // Enter and leave report mode: toolbars, grid colours and tool tip, status panels,
    // menus. Leaving empties the list; the caller refreshes it.
    void TurnReportsOn();
    void TurnReportsOff();

    // The Delete key on the report list: the current row leaves the list (its entry
    // stays in report.tmp, where no later split finds a row for it).
    void removeReportLine();

  private:
    void runReport(ReportKind kind);
    void runExport(ExportKind kind);
    void setReportColours(bool reportMode);
    void setOutputsEnabled(bool enabled);
    void setMainGridToolTip(const char* text);

    QBK_3_Main& window_;
    const ReportPaths paths_;
};

}  // namespace qbk

#endif  // QBK_REPORTS_QT_REPORT_MODE_H_

// The Charts commands of the main window: "Charts" of the report menu and the report
// toolbar (the report list as the reports see it: the rows kept on the list, looked up
// in report.tmp), and "Charts of this List" (the list as shown: its range, category or
// search). Clicking a category in a Charts window narrows the main list to it, as a
// double-click on the category list does. A tab "Budget" beside the charts draws the
// budget against the actual of the same days.
#ifndef QBK_CHARTS_QT_CHART_COMMANDS_H_
#define QBK_CHARTS_QT_CHART_COMMANDS_H_

#include <QObject>
#include <QPointer>
#include <optional>
#include <string>

#include "charts/chart_data.h"

namespace qbk {

class ChartWindow;
class QBK_3_Main;

class ChartCommands : public QObject {
    Q_OBJECT
  public:
    // Attaches mu_ReportCharts and mu_ListCharts; owned by the window.
    explicit ChartCommands(QBK_3_Main& window);

    // Opens a Charts window for the list the main window shows (the report list in
    // report mode). An empty list is refused with a message.
    void mu_ListCharts_Click();
    void mu_ReportCharts_Click() { mu_ListCharts_Click(); }

    // The Charts window opened last, while it is open.
    ChartWindow* chartWindow() const;

  private:
    std::optional<ChartData> reportListCharts();
    std::optional<ChartData> mainListCharts();
    void addBalanceAhead(ChartData& data, DaySerial through);
    void narrowTo(const std::string& code);

    QBK_3_Main& window_;
    QPointer<ChartWindow> chartWindow_;
};

}  // namespace qbk

#endif  // QBK_CHARTS_QT_CHART_COMMANDS_H_

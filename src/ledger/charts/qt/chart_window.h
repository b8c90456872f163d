// The Charts window: the entries of a list as three charts on tabs (by category, period
// by period, balance), with Save Picture, Copy, Print and Close for the chart shown.
//
// The window shows the list as it was when it opened. Clicking a category's bar or
// slice reports the category (categoryChosen); the main window narrows its list to it.
#ifndef QBK_CHARTS_QT_CHART_WINDOW_H_
#define QBK_CHARTS_QT_CHART_WINDOW_H_

#include <QWidget>
#include <string>
#include <vector>

#include "charts/chart_data.h"
#include "charts/qt/chart_pictures.h"
#include "platform/errors.h"
#include "platform/ports.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace qbk {

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    // Tabs, in this order.
    // BalanceAhead is there when the list shows a forecast.
    enum Tab { ByCategory = 0, ByPeriod = 1, Balance = 2, BalanceAhead = 3 };

    // `printer` tells whether a printer is installed (without one, Print offers a PDF
    // file); `prompts` asks for file names and shows messages.
    ChartWindow(ChartData data, const RegionalSettings& regional, Prompts& prompts,
                Printer& printer, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    QChartView* chartView(Tab tab) const;
    // The category bars drawn, top to bottom.
    const std::vector<CategoryBar>& categoryBars() const { return bars_; }

    // The commands of the buttons, for the chart of the current tab.
    void saveChart();
    void copyChart();
    void printChart();

  signals:
    // A category's bar or slice was clicked: its CatCode and CatName as stored.
    void categoryChosen(const std::string& code);

  private:
    void createControls();
    void createTabs();
    void showCategories();
    QChartView* currentView() const;

    const ChartData data_;
    const RegionalSettings regional_;
    Prompts& prompts_;
    Printer& printer_;
    std::vector<CategoryBar> bars_;

    QTabWidget* tabs_ = nullptr;
    QChartView* categoryView_ = nullptr;
    QChartView* periodView_ = nullptr;
    QChartView* balanceView_ = nullptr;
    QChartView* aheadView_ = nullptr;
    QComboBox* sectionBox_ = nullptr;
    QCheckBox* pieBox_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace qbk

#endif  // QBK_CHARTS_QT_CHART_WINDOW_H_

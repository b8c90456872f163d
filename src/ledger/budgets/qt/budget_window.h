// The Budget window: on the tab "Plan" a grid of the categories and the twelve budget
// months of a fiscal year, where an amount is typed per month, or once in "Every month"
// for all twelve, and Save writes the year as one change of the book; on the tab
// "Budget" each category's budget, actual, difference and per cent used over the main
// window's range, with bars, the worse side of the plan in red, and the totals of
// money out, money in and the balance. A double-click on a category of the "Budget"
// tab reports it (categoryChosen); the main window lists its entries. The view's report
// (budget_report.h) can be printed, saved as PDF, written to a text file or exported
// as CSV. The tab
// "Charts" draws budget against actual per category (the view's range) and per month
// (the plan's fiscal year).
//
// Amounts are typed in the regional settings; a leading "-" or "(" makes money out, as
// the budget file keeps it (store/budget_file.h).
#ifndef QBK_BUDGETS_QT_BUDGET_WINDOW_H_
#define QBK_BUDGETS_QT_BUDGET_WINDOW_H_

#include <QWidget>
#include <string>
#include <vector>

#include "budgets/budget_actual.h"
#include "platform/errors.h"
#include "platform/ports.h"
#include "platform/regional.h"

class QChartView;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace qbk {

class BudgetWindow : public QWidget {
    Q_OBJECT
  public:
    enum Tab { Plan = 0, View = 1, Charts = 2 };

    struct Book {
        std::string dataFolder;
        FiscalStart fiscal;
        int fiscalYear = 0;             // the year the plan shows first
        DaySerial first = 0, last = 0;  // the range of the "Budget" tab
        std::string rangeLabel;
        std::string ownerName;  // for the report's heading, as the settings keep it
        DaySerial today = 0;
        std::string captionLanguage;  // of the report's captions, "" for English
    };

    BudgetWindow(Book book, const RegionalSettings& regional, Prompts& prompts, Printer& printer,
                 QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* planGrid() const { return planGrid_; }
    QTableWidget* viewGrid() const { return viewGrid_; }
    QChartView* categoryChart() const { return categoryChart_; }
    QChartView* monthChart() const { return monthChart_; }
    QSpinBox* yearBox() const { return yearBox_; }

    // Save: the plan's year replaces that year's budget of the shown categories, as one
    // change under the book's lock; refused with a message, writing nothing, when the
    // category file no longer holds the categories shown. Returns whether it was written.
    bool saveBudget();
    // Reads the plan of the year in the year box, and the view, from the files again.
    void reload();
    // The view's output: the report printed, or the report text or the CSV written to a
    // file the user names (an existing one replaced after the question).
    void printReport();
    void writeReportFile(bool csv);
    // Save as PDF: the pages of the printer in a file the user names (also offered
    // when no printer is installed).
    void saveReportAsPdf();
    // The report text of the view (narrow).
    std::string reportText() const;

    // Columns of the plan grid.
    static constexpr int kEveryMonthColumn = 1, kFirstMonthColumn = 2;

  signals:
    void categoryChosen(const std::string& code);

  private:
    void createPlanTab();
    void createViewTab();
    void createChartTab();
    void loadCharts();
    void loadPlan();
    void loadView();
    void planCellChanged(int row, int column);
    void viewCellDoubleClicked(int row);
    std::optional<Money> typedBudget(const QString& text) const;

    Book book_;
    const RegionalSettings regional_;
    Prompts& prompts_;
    Printer& printer_;
    BudgetStatement statement_;
    std::vector<std::string> planCodes_;  // a row's category, without blanks
    std::vector<std::string> viewCodes_;  // "" for headings and totals
    bool loading_ = false;

    QTabWidget* tabs_ = nullptr;
    QSpinBox* yearBox_ = nullptr;
    QTableWidget* planGrid_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* viewLabel_ = nullptr;
    QTableWidget* viewGrid_ = nullptr;
    QChartView* categoryChart_ = nullptr;
    QChartView* monthChart_ = nullptr;
};

}  // namespace qbk

#endif  // QBK_BUDGETS_QT_BUDGET_WINDOW_H_

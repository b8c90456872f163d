// The Budget window from the report menu: a year's plan typed and saved as one change,
// and the view of the main window's range that lists a category's entries.
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "budgets/qt/budget_commands.h"
#include "budgets/qt/budget_window.h"
#include "platform/qt/readable_colours.h"
#include "platform/undo_history.h"
#include "support/accessibility_check.h"
#include "support/keyboard_check.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;

class BudgetWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeCategories(program.file("category.dat"),
                        testing::categoriesOf(
                            {{"CAR", "Car upkeep"}, {"FOOD", "Groceries"}, {"PAY", "Salary"}}));
        writeBook(
            {entry(2001, 6, 2, "FOOD", -45050, "", 1), entry(2001, 6, 1, "PAY", 280000, "", 2),
             entry(2001, 5, 1, "FOOD", -10000, "", 3), entry(2001, 6, 3, "CAR", -6000, "", 4)});
        start();
    }
    BudgetWindow* budget() const {
        auto* commands = window->findChild<BudgetCommands*>(QStringLiteral("BudgetCommands"));
        return commands ? commands->budgetWindow() : nullptr;
    }
    void type(int row, int column, const QString& text) {
        budget()->planGrid()->item(row, column)->setText(text);
        QApplication::processEvents();
    }
    QString viewCell(int row, int column) const {
        const QTableWidgetItem* item = budget()->viewGrid()->item(row, column);
        return item ? item->text() : QString();
    }
    void picture(const QString& name) const {
        if (const QByteArray folder = qgetenv("QBK_PICTURES"); !folder.isEmpty())
            budget()->grab().save(QString::fromUtf8(folder) + "/" + name);
    }
};

TEST_F(BudgetWindowTest, APlanTypedOnceForEveryMonthIsSavedAsOneChange) {
    window->runCommand("mu_Budget");
    ASSERT_NE(budget(), nullptr);
    EXPECT_EQ(budget()->tabs()->currentIndex(), BudgetWindow::Plan);
    EXPECT_EQ(budget()->yearBox()->value(), 2001);
    EXPECT_EQ(testing::unnamedControls(budget()), "");
    type(1, BudgetWindow::kEveryMonthColumn, "-400");
    EXPECT_EQ(budget()->planGrid()->item(1, BudgetWindow::kFirstMonthColumn + 11)->text(),
              "($400.00)");
    EXPECT_EQ(budget()->planGrid()->item(1, BudgetWindow::kFirstMonthColumn + 12)->text(),
              "($4,800.00)");
    type(2, BudgetWindow::kFirstMonthColumn + 5, "3,000");
    const std::size_t shown = prompts.messages.size();
    type(2, BudgetWindow::kFirstMonthColumn + 6, "lots");
    ASSERT_EQ(prompts.messages.size(), shown + 1);
    EXPECT_EQ(prompts.messages.back().title, "Nothing to do!");
    EXPECT_EQ(budget()->planGrid()->item(2, BudgetWindow::kFirstMonthColumn + 6)->text(), "");
    picture(QStringLiteral("budget-plan.png"));
    ASSERT_TRUE(budget()->saveBudget());

    std::string lines;
    for (int m = 1; m <= 12; ++m) {
        lines +=
            std::string(m < 10 ? "2001-0" : "2001-") + std::to_string(m) + "\t-400.00\tFOOD\r\n";
        if (m == 6) lines += "2001-06\t3000.00\tPAY\r\n";
    }
    EXPECT_EQ(program.read("budget.txt"), lines);
    EXPECT_EQ(undoLastChange(program.path()), UndoResult::Done);
    EXPECT_FALSE(program.exists("budget.txt"));

    // A category renamed meanwhile (by another program): nothing is saved under its old code.
    writeCategories(program.file("category.dat"),
                    testing::categoriesOf({{"AUTO", "Car upkeep"}, {"FOOD", "Groceries"}}));
    EXPECT_FALSE(budget()->saveBudget());
    EXPECT_EQ(prompts.messages.back().title, "Nothing to do!");
    EXPECT_FALSE(program.exists("budget.txt"));
}

TEST_F(BudgetWindowTest, TheViewShowsTheRangeAndListsACategory) {
    program.write("budget.txt",
                  "2001-06\t-100.00\tCAR\r\n2001-06\t-400.00\tFOOD\r\n2001-06\t3000.00\tPAY\r\n");
    window->runCommand("mu_BudgetRange");
    ASSERT_NE(budget(), nullptr);
    EXPECT_EQ(budget()->tabs()->currentIndex(), BudgetWindow::View);
    QStringList lines;
    for (int r = 0; r < budget()->viewGrid()->rowCount(); ++r)
        lines << QStringList{viewCell(r, 0), viewCell(r, 1), viewCell(r, 2), viewCell(r, 3),
                             viewCell(r, 4)}
                     .join('|');
    EXPECT_EQ(lines,
              (QStringList{"Money that went OUT||||", "Car upkeep|($100.00)|($60.00)|$40.00|60 %",
                           "Groceries|($400.00)|($550.50)|($150.50)|138 %",
                           "Total Expense|($500.00)|($610.50)|($110.50)|122 %",
                           "Money that came IN||||", "Salary|$3,000.00|$2,800.00|($200.00)|93 %",
                           "Total Income|$3,000.00|$2,800.00|($200.00)|93 %",
                           "Balance|$2,500.00|$2,189.50|($310.50)|"}));
    // Over budget reads in red, as money out does.
    EXPECT_EQ(budget()->viewGrid()->item(2, 3)->foreground().color().red() > 100, true);
    picture(QStringLiteral("budget-view.png"));
    // The chart of the same range: budget and actual as sizes, the first category on top.
    auto* bars =
        qobject_cast<QHorizontalBarSeries*>(budget()->categoryChart()->chart()->series().at(0));
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets().at(0)->at(0), 3000.0);
    EXPECT_EQ(bars->barSets().at(0)->at(1), 400.0);
    EXPECT_EQ(bars->barSets().at(1)->at(1), 550.5);
    budget()->tabs()->setCurrentIndex(BudgetWindow::Charts);
    picture(QStringLiteral("budget-charts.png"));
    budget()->tabs()->setCurrentIndex(BudgetWindow::View);
    // The report of the view goes to a text file the user names.
    prompts.fileAnswers.push_back(program.file("budget report.txt"));
    budget()->writeReportFile(false);
    EXPECT_EQ(program.read("budget report.txt"), budget()->reportText());
    EXPECT_NE(budget()->reportText().find("   Groceries                 ($400.00)      ($550.50)"),
              std::string::npos);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().title, "Finished");
    // And to a PDF file with the printer's pages.
    prompts.fileAnswers.push_back(program.file("budget.pdf"));
    budget()->saveReportAsPdf();
    ASSERT_EQ(printer.pdfs.size(), 1u);
    EXPECT_TRUE(printer.pdfs[0].closed);
    ASSERT_FALSE(printer.pdfs[0].jobs.empty());
    EXPECT_NE(std::find(printer.pdfs[0].jobs[0].lines.begin(), printer.pdfs[0].jobs[0].lines.end(),
                        "\t   Balance                   $2,500.00      $2,189.50      ($310.50)"),
              printer.pdfs[0].jobs[0].lines.end());
    emit budget()->viewGrid()->cellDoubleClicked(2, 0);
    QApplication::processEvents();
    EXPECT_EQ(window->state().CategoryFilterCode, fitField("FOOD", 10));
    EXPECT_EQ(rows(), 2);
}

// On a dark palette the red of an over-budget difference is shaded until it reads.
TEST_F(BudgetWindowTest, OverBudgetRedReadsOnADarkPalette) {
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    program.write("budget.txt", "2001-06\t-400.00\tFOOD\r\n");
    window->runCommand("mu_BudgetRange");
    ASSERT_NE(budget(), nullptr);
    const QColor red = budget()->viewGrid()->item(2, 3)->foreground().color();
    EXPECT_GE(contrastRatio(red, QColor(42, 42, 42)), kReadableContrast);
    EXPECT_GT(red.red(), red.green());
    QApplication::setPalette(saved);
}

}  // namespace
}  // namespace qbk

// The Charts window from the main list and from the report list: what it draws, the
// click that narrows the list, and the picture files.
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QTabWidget>

#include "charts/qt/chart_commands.h"
#include "charts/qt/chart_window.h"
#include "ledger/reports/qt/report_window.h"
#include "reports/report_command.h"
#include "support/accessibility_check.h"
#include "support/keyboard_check.h"

namespace qbk {
namespace {

using testing::ReportWindowTest;

class ChartWindowTest : public ReportWindowTest {
  protected:
    ChartWindow* charts() const {
        auto* commands = window->findChild<ChartCommands*>(QStringLiteral("ChartCommands"));
        return commands ? commands->chartWindow() : nullptr;
    }
    std::vector<std::string> barTexts() const {
        std::vector<std::string> texts;
        for (const CategoryBar& b : charts()->categoryBars())
            texts.push_back(b.label + " " + regional.currencyText(b.amount) + " " + b.share);
        return texts;
    }
    QStringList tabTitles() const {
        QStringList titles;
        for (int i = 0; i < charts()->tabs()->count(); ++i)
            titles << charts()->tabs()->tabText(i);
        return titles;
    }
    RegionalSettings regional = RegionalSettings::unitedStates();
};

TEST_F(ChartWindowTest, OpensForTheMainListAndForTheReportList) {
    key(window->mainGrid(), Qt::Key_F6);
    ASSERT_NE(charts(), nullptr);
    EXPECT_TRUE(charts()->isVisible());
    EXPECT_EQ(charts()->windowTitle(), "Charts - Category = All Categories");
    EXPECT_EQ(tabTitles(), (QStringList{"By &Category", "&Month by Month", "&Balance", "B&udget"}));
    EXPECT_EQ(testing::keyboardGaps(charts()), "");
    EXPECT_EQ(testing::unnamedControls(charts()), "");
    // The budget of the same days stands beside them; its chart copies like the others.
    charts()->tabs()->setCurrentIndex(3);
    ASSERT_NE(charts()->findChild<QChartView*>(QStringLiteral("BudgetCategoryChart")), nullptr);
    charts()->copyChart();
    charts()->tabs()->setCurrentIndex(ChartWindow::ByCategory);
    // The chart's text alternative: its title, then each bar with its money.
    const QString described =
        charts()->findChild<QWidget*>(QStringLiteral("CategoryChart"))->accessibleDescription();
    EXPECT_TRUE(described.startsWith(QStringLiteral("Money out by category")))
        << described.toStdString();
    EXPECT_TRUE(described.contains(QLatin1Char('$'))) << described.toStdString();
    // The fiscal year 2001: the entry of December 2000 is not on the list.
    EXPECT_EQ(barTexts(),
              (std::vector<std::string>{"Car upkeep ($40.00) 67.23", "Groceries ($19.50) 32.77"}));
    charts()->close();
    QApplication::processEvents();
    EXPECT_EQ(charts(), nullptr);

    newReport();
    window->reportToolButton("Charts")->trigger();
    EXPECT_EQ(prompts.last(), emptyListMessage());
    EXPECT_EQ(charts(), nullptr);

    pickCategory(kFood);
    window->reportToolButton("Charts")->trigger();
    ASSERT_NE(charts(), nullptr);
    EXPECT_EQ(charts()->windowTitle(), "Charts - Report list of 3 items");
    EXPECT_EQ(barTexts(), (std::vector<std::string>{"Groceries ($19.50) 100"}));
    // A report list spans its entries' days: weeks.
    EXPECT_EQ(charts()->tabs()->tabText(ChartWindow::ByPeriod), "&Week by Week");
}

TEST_F(ChartWindowTest, ClickingACategoryBarNarrowsTheList) {
    window->runCommand("mu_ListCharts");
    ASSERT_NE(charts(), nullptr);
    QChart* chart = charts()->chartView(ChartWindow::ByCategory)->chart();
    auto* series = qobject_cast<QHorizontalBarSeries*>(chart->series().value(0));
    ASSERT_NE(series, nullptr);
    // The largest bar is on top, the last one Qt draws: Groceries is the first drawn.
    emit series->barSets().value(0)->clicked(0);
    QApplication::processEvents();
    EXPECT_EQ(window->state().CategoryFilterCode, fitField("FOOD", 10));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = Groceries ");

    // "Money in" shows the salary; no message was needed on the way.
    charts()->findChild<QComboBox*>(QStringLiteral("ChartSection"))->setCurrentIndex(1);
    EXPECT_EQ(barTexts(), (std::vector<std::string>{"Salary $2,500.00 100"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ChartWindowTest, SavesPngSvgAndPdfAndAsksBeforeReplacing) {
    window->runCommand("mu_ListCharts");
    ASSERT_NE(charts(), nullptr);
    prompts.fileAnswers = {program.file("bars.png"), program.file("balance")};
    charts()->saveChart();
    charts()->tabs()->setCurrentIndex(ChartWindow::Balance);
    charts()->saveChart();
    EXPECT_EQ(program.read("bars.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_GT(program.read("bars.png").size(), 5000u);
    EXPECT_EQ(program.read("balance.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(prompts.fileDialogs.at(0).filter,
              "PNG picture|*.png|SVG drawing|*.svg|PDF document|*.pdf");

    charts()->tabs()->setCurrentIndex(ChartWindow::ByPeriod);
    prompts.fileAnswers = {program.file("months.SVG")};
    charts()->saveChart();
    const std::string svg = program.read("months.SVG");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Month by Month"), std::string::npos);

    // An existing file: replaced only after OK.
    prompts.fileAnswers = {program.file("bars.png")};
    prompts.answers = {Answer::Cancel};
    charts()->saveChart();
    EXPECT_EQ(prompts.last().title, "Confirm file over-write");
    EXPECT_EQ(program.read("bars.png").substr(0, 8), "\x89PNG\r\n\x1a\n");

    // No printer: a PDF file instead, when the user wants one.
    printer.installed = false;
    prompts.answers = {Answer::Yes};
    prompts.fileAnswers = {program.file("printed")};
    charts()->printChart();
    EXPECT_EQ(prompts.messages.back().text,
              "No printer is installed. Save the chart as a PDF document instead?");
    EXPECT_EQ(program.read("printed.pdf").substr(0, 5), "%PDF-");

    // A folder that does not exist: the common error message, nothing written.
    prompts.fileAnswers = {program.file("gone/x.png")};
    charts()->saveChart();
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    prompts.expectAllUsed();
}

}  // namespace
}  // namespace qbk

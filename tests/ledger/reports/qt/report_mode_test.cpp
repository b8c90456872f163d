// Report mode of the main window: the mode table, the report list and its keys.
#include "report_window.h"

#include <QDir>

namespace qbk {
namespace {

using testing::ReportWindowTest;

constexpr const char* kListMenus[] = {"mu_File", "mu_Categories", "mu_Records", "mu_Macro",
                                      "mu_Notes"};
constexpr const char* kReportItems[] = {"mu_QuitReports", "mu_ReportSummary", "mu_ReportFull",
                                        "mu_ReportFullUser", "mu_ReportSummaryWide"};
constexpr const char* kOutputItems[] = {"mu_ReturnToList", "mu_PrintReport",
                                        "mu_EditReport",   "mu_WriteText",
                                        "mu_WriteComma",   "mu_WriteCommaSummary"};
constexpr const char* kFirstButtons[] = {"New", "Quit", "Quick", "Full"};
constexpr const char* kOutputButtons[] = {"Build", "Print", "Edit", "File", "Export"};

class ReportModeTest : public ReportWindowTest {
  protected:
    enum class Mode { List, ReportList, Report };

    // The enabled items, toolbars, colours and panels of a mode.
    void expectMode(Mode mode, const char* where) {
        SCOPED_TRACE(where);
        const bool report = mode != Mode::List;
        for (const char* name : kListMenus)
            EXPECT_EQ(menuEnabled(name), !report) << name;
        EXPECT_TRUE(enabled("mu_NewReport"));
        for (const char* name : kReportItems)
            EXPECT_EQ(enabled(name), report) << name;
        for (const char* name : kOutputItems)
            EXPECT_EQ(enabled(name), mode == Mode::Report) << name;
        EXPECT_EQ(window->mainToolBar()->isVisible(), !report);
        EXPECT_EQ(window->reportToolBar()->isVisible(), report);
        if (report) {
            for (const char* key : kFirstButtons)
                EXPECT_TRUE(buttonEnabled(key)) << key;
            for (const char* key : kOutputButtons)
                EXPECT_EQ(buttonEnabled(key), mode == Mode::Report) << key;
        }
        const QColor colour = report ? QColor(0, 255, 255) : QColor(255, 255, 255);
        EXPECT_EQ(background(window->mainGrid()), colour);
        EXPECT_EQ(background(window->categoryGrid()), colour);
        for (int panel : {1, 2, 4, 5})
            EXPECT_EQ(window->displayStatusBar()->isPanelVisible(panel), !report) << panel;
        EXPECT_EQ(window->state().ReportMode, report);
    }
};

TEST_F(ReportModeTest, MenusToolbarsColoursAndPanelsFollowTheMode) {
    expectMode(Mode::List, "at start-up");
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "5 Items");

    newReport();
    expectMode(Mode::ReportList, "after New Report");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "Reporting: 0 items selected.");

    pickCategory(kFood);
    key(window->mainGrid(), Qt::Key_A, Qt::ControlModifier);
    expectMode(Mode::Report, "after a report");
    EXPECT_TRUE(window->viewer()->isVisible());

    window->reportToolButton("Build")->trigger();
    expectMode(Mode::Report, "after Return to List");
    EXPECT_FALSE(window->viewer()->isVisible());
    EXPECT_TRUE(window->mainGrid()->hasFocus());

    window->reportToolButton("New")->trigger();
    expectMode(Mode::ReportList, "after New Report in report mode");

    window->reportToolButton("Quit")->trigger();
    expectMode(Mode::List, "after Quit Reports");
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "5 Items");
}

TEST_F(ReportModeTest, AllNineButtonsStayOnTheReportToolbar) {
    newReport();
    for (int width : {1180, 900}) {
        window->resize(width, 700);
        QApplication::processEvents();
        QToolBar* bar = window->reportToolBar();
        for (QAction* button : bar->actions()) {
            const QWidget* w = bar->widgetForAction(button);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isVisible()) << width << " " << utf8(button->text());
            EXPECT_LE(w->geometry().right(), bar->width()) << width << " " << utf8(button->text());
        }
    }
}

// Items of the closed menus keep their keys closed too: F2 makes no entry in report mode.
TEST_F(ReportModeTest, KeysOfTheClosedMenusDoNothing) {
    int created = 0;
    window->setCommand("mu_NewEntry", [&] { ++created; });
    window->menu("mu_Records")->menuAction()->setVisible(true);
    key(window->mainGrid(), Qt::Key_F2);
    newReport();
    key(window->mainGrid(), Qt::Key_F2);
    key(window->mainGrid(), Qt::Key_Insert);
    EXPECT_EQ(created, 1);
}

TEST_F(ReportModeTest, EveryRefreshAppendsTheEntriesNotListedYet) {
    newReport();
    pickCategory(kFood);
    pickCategory(kFood);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5, 3, 2}));
    EXPECT_EQ(panel(window->displayStatusBar(), 3),
              "Reporting: 3 items selected. 3 were already listed.");

    // A search (F5) and a wider range (a year back) add below; what is listed stays.
    prompts.inputAnswers = {std::string("fuel")};
    key(window->mainGrid(), Qt::Key_F5);
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "Reporting: 4 items selected.");
    window->runCommand("mu_365days");
    EXPECT_EQ(rows(), 4);
    pickCategory(kFood);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5, 3, 2, 4, 1}));
    EXPECT_EQ(panel(window->displayStatusBar(), 3),
              "Reporting: 5 items selected. 3 were already listed.");
    // The list file keeps every entry found; the report counts each listed entry once.
    EXPECT_EQ(program.read("report.tmp"), recordsOf({5, 3, 2, 5, 3, 2, 4, 5, 3, 2, 1}));
    key(window->mainGrid(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(program.read("expense.tmp"), recordsOf({5, 3, 4, 1}));
    EXPECT_EQ(program.read("todo.tmp"), recordsOf({2}));
    EXPECT_EQ(program.read("income.tmp"), "");

    // A row taken off the list comes back when its category is added again.
    window->runCommand("mu_ReturnToList");
    selectRow(0);
    key(window->mainGrid(), Qt::Key_Delete);
    pickCategory(kFood);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2, 4, 1, 5}));
}

TEST_F(ReportModeTest, TheReportListOpensNoEntry) {
    newReport();
    pickCategory(kFood);
    const QModelIndex first = window->mainGridModel()->index(0, 2);
    QTest::mouseDClick(window->mainGrid()->viewport(), Qt::LeftButton, {},
                       window->mainGrid()->visualRect(first).center());
    key(window->mainGrid(), Qt::Key_Return);
    EXPECT_FALSE(window->editFrame()->isVisible());
    EXPECT_EQ(rows(), 3);
}

TEST_F(ReportModeTest, DeleteTakesTheRowOffTheListButKeepsItsEntryInTheListFile) {
    newReport();
    pickCategory(kFood);
    selectRow(1);
    key(window->mainGrid(), Qt::Key_Delete);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5, 2}));
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "Reporting: 2 items selected.");
    EXPECT_EQ(background(window->mainGrid()), QColor(0, 255, 255));
    EXPECT_EQ(program.read("report.tmp"), recordsOf({5, 3, 2}));

    key(window->mainGrid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(program.read("expense.tmp"), recordsOf({5}));
    EXPECT_EQ(program.read("todo.tmp"), recordsOf({2}));

    // The last item cannot be removed.
    window->runCommand("mu_ReturnToList");
    selectRow(0);
    key(window->mainGrid(), Qt::Key_Delete);
    key(window->mainGrid(), Qt::Key_Delete);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "Reporting: 1 items selected.");
}

TEST_F(ReportModeTest, AfterAReportTheLastRowIsCurrentAndDeleteTakesIt) {
    newReport();
    pickCategory(kFood);
    selectRow(0);
    key(window->mainGrid(), Qt::Key_A, Qt::ControlModifier);
    window->runCommand("mu_ReturnToList");
    EXPECT_EQ(window->mainGrid()->currentIndex().row(), 2);
    key(window->mainGrid(), Qt::Key_Delete);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5, 3}));
}

TEST_F(ReportModeTest, EscapeOnTheListLeavesReportModeAndKeepsTheLastReportsFiles) {
    newReport();
    pickCategory(kFood);
    pickCategory(kSalary);
    key(window->mainGrid(), Qt::Key_A, Qt::ControlModifier);
    const std::string reportText = program.read("qbk_rep.tmp");
    ASSERT_FALSE(reportText.empty());

    // Not while the report is shown.
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_TRUE(window->state().ReportMode);

    window->runCommand("mu_ReturnToList");
    key(window->mainGrid(), Qt::Key_Escape);
    expectMode(Mode::List, "after Esc");
    EXPECT_FALSE(program.exists("report.tmp"));
    EXPECT_EQ(program.read("qbk_rep.tmp"), reportText);
    EXPECT_EQ(program.read("expense.tmp"), recordsOf({5, 3}));
    EXPECT_EQ(program.read("income.tmp"), recordsOf({6}));
    EXPECT_EQ(window->state().CategoryFilterCode, std::string(10, ' '));
    EXPECT_EQ(listedStamps(), (std::vector<double>{6, 5, 4, 3, 2}));
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = All Categories ");
    EXPECT_TRUE(window->mainGrid()->hasFocus());
}

TEST_F(ReportModeTest, NewReportStartsAnEmptyListAndKeepsTheLastReportsFiles) {
    newReport();
    pickCategory(kCar);
    window->reportToolButton("Full")->trigger();
    ASSERT_TRUE(window->viewer()->isVisible());

    press(QKeySequence(QStringLiteral("Ctrl+Q")));  // from the report itself
    EXPECT_FALSE(window->state().ReportMode);
    newReport();
    pickCategory(kFood);
    window->reportToolButton("New")->trigger();
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(program.exists("report.tmp"));
    EXPECT_TRUE(window->viewer()->toPlainText().isEmpty());
    EXPECT_EQ(program.read("expense.tmp"), recordsOf({4}));
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "Reporting: 0 items selected.");
}

TEST_F(ReportModeTest, AListFileThatCannotBeDeletedKeepsTheListMode) {
    QDir(QString::fromStdString(program.path())).mkdir(QStringLiteral("report.tmp"));
    newReport();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    expectMode(Mode::List, "after the failure");
}

TEST_F(ReportModeTest, TheListsToolTipFollowsTheMode) {
    newReport();
    EXPECT_EQ(window->mainGrid()->toolTip(),
              "Highlight item and press DELETE key to remove from report");
    window->runCommand("mu_QuitReports");
    EXPECT_EQ(window->mainGrid()->toolTip(), "Double-click any line item to edit");
}

class ReportModeWithoutToolTips : public ReportModeTest {
    void settings(SettingsRecord& s) override { s.setToolTipsFlag("N"); }
};

TEST_F(ReportModeWithoutToolTips, TheListGetsNoToolTip) {
    newReport();
    EXPECT_EQ(window->mainGrid()->toolTip(), "");
    window->runCommand("mu_QuitReports");
    EXPECT_EQ(window->mainGrid()->toolTip(), "");
}

}  // namespace
}  // namespace qbk

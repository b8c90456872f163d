// The main window as a screen reader meets it: every control named in each of its
// states (the list, the entry form, the category form, the date selector, a report),
// the grids' cells read without their padding and without the stamp column.
#include <QAccessible>
#include <QPlainTextEdit>

#include "entry_window.h"
#include "support/accessibility_check.h"

namespace qbk {
namespace {

class AccessibilityTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override { writeSampleBook(); }
};

TEST_F(AccessibilityTest, EveryControlOfEveryFrameHasAName) {
    startWith();
    window->show();
    EXPECT_EQ(testing::unnamedControls(window.get()), "") << "list";
    openRow(0);
    EXPECT_EQ(testing::unnamedControls(window.get()), "") << "entry form";
    click("CloseButton");
    window->runCommand("mu_NewCategory");
    EXPECT_EQ(testing::unnamedControls(window.get()), "") << "category form";
    click("QuitCat");
    std::string dates;
    answerDateSelector({[&] {
        dates = testing::unnamedControls(window.get());
        click("DateDialQuit");
    }});
    window->runCommand("mu_SelectDates");
    EXPECT_EQ(dates, "") << "date selector";
    window->runCommand("mu_NewReport");
    doubleClickCategory(1);
    window->runCommand("mu_ReportSummary");
    ASSERT_TRUE(window->viewer()->isVisible());
    EXPECT_EQ(testing::unnamedControls(window.get()), "") << "report";
}

TEST_F(AccessibilityTest, GridCellsAreReadWithoutPaddingAndTheStampColumnIsBlank) {
    startWith();
    window->show();
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->mainGrid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(QAccessible::Name), "Entries");
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), "many fish");
    EXPECT_EQ(table->cellAt(0, 6)->text(QAccessible::Name), "");
    QAccessibleTableInterface* categories =
        QAccessible::queryAccessibleInterface(window->categoryGrid())->tableInterface();
    EXPECT_EQ(categories->cellAt(0, 0)->text(QAccessible::Name), "CAR");
    // The date buttons are read by what they do.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button("DateDn30"))->text(QAccessible::Name),
              "Change date - 30 days lower");
}

}  // namespace
}  // namespace qbk

// Cleared marks in the window: the grid's column, Toggle Cleared, the cleared balance of
// the status bar, and the Reconcile dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "mainwindow/cleared_marks.h"
#include "mainwindow/qt/reconcile_dialog.h"
#include "store/record_file.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class ClearedTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
        EntryRecord old = entry(2001, 5, 1, "PAY", 100000, "salary", 1);
        old.setCleared(ClearedState::Reconciled);
        writeBook({entry(2001, 6, 3, "FOOD", -1250, "fish", 4),
                   entry(2001, 6, 2, "CAR", -4000, "fuel", 3),
                   entry(2001, 6, 1, "FOOD", -700, "bread", 2), old});
        writeCategories(program.file("category.dat"),
                        testing::categoriesOf({{"CAR", "Car"}, {"FOOD", "Food"}, {"PAY", "Pay"}}));
    }
    // The marks of the record file in file order: "-" none, "C", "R".
    std::string marks() const {
        std::string m;
        for (const EntryRecord& r : readRecords(program.file("quillbank.dat")))
            m += "-CR"[static_cast<int>(r.cleared())];
        return m;
    }
    QString markCell(int row) const {
        const MainGridModel* model = window->mainGridModel();
        return model->data(model->index(row, MainGridModel::kClearedColumn), Qt::DisplayRole)
            .toString();
    }
    void picture(QWidget* w, const char* name) {
        const QByteArray folder = qgetenv("QBK_PICTURES");
        if (folder.isEmpty()) return;
        QApplication::processEvents();
        w->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }
};

TEST_F(ClearedTest, CtrlKMarksTheSelectedEntriesInOneUndoStep) {
    start();
    window->resize(1100, 600);
    window->show();
    activate();
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(markCell(3), "R");
    EXPECT_EQ(window->mainGridModel()->headerData(MainGridModel::kClearedColumn, Qt::Horizontal,
                                                  Qt::ToolTipRole),
              "Cleared: c the bank has the entry, R reconciled");
    QAction* toggle = window->action("mu_ToggleCleared");
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->text(), "Toggle &Cleared");
    EXPECT_TRUE(window->menu("mu_Records")->actions().contains(toggle));
    EXPECT_TRUE(window->menu("mu_Records")->actions().contains(window->action("mu_Reconcile")));

    QTableView* grid = window->mainGrid();
    grid->selectionModel()->select(window->mainGridModel()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid->selectionModel()->select(window->mainGridModel()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    key(grid, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(marks(), "C-CR");
    EXPECT_EQ(markCell(0), "c");
    EXPECT_EQ(markCell(1), "");
    EXPECT_EQ(window->mainGridModel()->data(window->mainGridModel()->index(0, 7), Qt::ToolTipRole),
              "Cleared: the bank has this entry");
    // Opening 0 + the reconciled salary + the two cleared.
    EXPECT_EQ(panel(window->displayStatusBar(), 6), "Cleared balance $980.50");
    EXPECT_TRUE(window->displayStatusBar()->isPanelVisible(6));
    picture(window.get(), "cleared-list");
    // The same two are still selected: the key takes the marks off again.
    key(grid, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(marks(), "---R");

    key(grid, Qt::Key_K, Qt::ControlModifier);
    window->action("mu_Undo")->trigger();
    EXPECT_EQ(marks(), "---R");
    window->resize(700, 600);
    QApplication::processEvents();
    EXPECT_FALSE(window->displayStatusBar()->isPanelVisible(6));

    // A reconciled entry alone loses its mark only on Yes.
    window->selectMainGridRow(3);
    prompts.answers = {Answer::No, Answer::Yes};
    key(grid, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(prompts.last(), unreconcileQuestion(1));
    EXPECT_EQ(marks(), "---R");
    key(grid, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(marks(), "----");
    prompts.expectAllUsed();
}

TEST_F(ClearedTest, ReconcileFinishesOnlyAtNoDifferenceAndBooksWhatIsLeftOnAQuestion) {
    start();
    window->resize(1100, 600);
    ReconcileDialog dialog(*window);
    dialog.StatementDateBox->setText("06/02/2001");
    dialog.ListButton_Click();
    // Up to 2 June, not reconciled: fuel and bread, in file order.
    ASSERT_EQ(dialog.EntryList->rowCount(), 2);
    EXPECT_EQ(dialog.EntryList->item(0, 3)->text(), "fuel");
    EXPECT_FALSE(dialog.OpeningBalanceBox->isEnabled());  // a reconcile was made before
    dialog.EndingBalanceBox->setText("993");
    EXPECT_EQ(dialog.DifferenceLabel->text(), "Difference: ($7.00)");
    EXPECT_FALSE(dialog.FinishButton->isEnabled());
    dialog.EntryList->item(1, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.DifferenceLabel->text(), "Difference: $0.00");
    ASSERT_TRUE(dialog.FinishButton->isEnabled());
    dialog.show();
    picture(&dialog, "reconcile");
    dialog.FinishButton->click();
    EXPECT_EQ(marks(), "--RR");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // 50 cents the bank took that nobody wrote down: booked after a question.
    ReconcileDialog next(*window);
    next.StatementDateBox->setText("06/03/2001");
    next.ListButton_Click();
    ASSERT_EQ(next.EntryList->rowCount(), 2);  // fish and fuel
    next.EntryList->item(0, 0)->setCheckState(Qt::Checked);
    next.EntryList->item(1, 0)->setCheckState(Qt::Checked);
    next.EndingBalanceBox->setText("940");
    EXPECT_EQ(next.DifferenceLabel->text(), "Difference: ($0.50)");
    next.AdjustCategoryBox->setCurrentIndex(next.AdjustCategoryBox->findData("FOOD"));
    prompts.answers.push_back(Answer::No);
    next.AdjustButton->click();
    EXPECT_EQ(marks(), "--RR");
    EXPECT_EQ(prompts.messages.back().text,
              "Book the difference of ($0.50) as an adjustment entry of 06/03/2001 in Food, and "
              "finish the reconcile?");
    prompts.answers.push_back(Answer::Yes);
    next.AdjustButton->click();
    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 5u);
    std::string m;
    for (const EntryRecord& r : records) {
        m += "-CR"[static_cast<int>(r.cleared())];
        if (trimBlanks(r.note) == "Reconcile adjustment") {
            EXPECT_EQ(r.amount, Money::fromRaw(-5000));
            EXPECT_EQ(r.entryDate, serialFromDate(2001, 6, 3));
            EXPECT_EQ(trimBlanks(r.categoryCode), "FOOD");
        }
    }
    EXPECT_EQ(m, "RRRRR");
    // One change: one undo takes the whole reconcile back.
    window->action("mu_Undo")->trigger();
    EXPECT_EQ(marks(), "--RR");
}

}  // namespace
}  // namespace qbk

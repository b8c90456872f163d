// Schedules in the window: the coming-due dialog at start-up, and the list continued
// past today by Range, Forecast.
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>

#include "charts/qt/chart_window.h"
#include "ledger/mainwindow/qt/entry_window.h"
#include "schedules/posting.h"
#include "schedules/qt/coming_due_dialog.h"

namespace qbk {
namespace {

class ScheduleWindowTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        writeSampleBook();
        // Due through 15 June: the lease of 31 May, the wages of 1 and 15 June.
        program.write("schedules.txt",
                      "1\tmonth\t1\t31\t20010430\t-\t-\t20010430\tentry\t-700\tCAR\tlease\t\t\r\n"
                      "2\tweek\t2\t0\t20010601\t-\t-\t-\tentry\t900\tFOOD\twages\t\t\r\n");
    }
    // Runs `answer` on the coming-due dialog once it is shown (it is modal).
    void answerComingDue(std::function<void(ComingDueDialog&)> answer) {
        auto* poll = new QTimer(window ? static_cast<QObject*>(window.get()) : qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            auto* dialog = qobject_cast<ComingDueDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            poll->deleteLater();
            poll->stop();
            answer(*dialog);
        });
        poll->start(10);
    }
    static void press(ComingDueDialog& dialog, const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    std::vector<std::string> bookLines() const {
        std::vector<std::string> lines;
        for (const EntryRecord& r : records())
            lines.push_back(yyyymmdd(r.entryDate) + " " + std::string(trimBlanks(r.note)));
        return lines;
    }
};

TEST_F(ScheduleWindowTest, StartUpPostsTheCheckedEntriesAsOneChange) {
    std::vector<std::string> listed;
    answerComingDue([&](ComingDueDialog& dialog) {
        auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("DueList"));
        for (int row = 0; row < list->rowCount(); ++row)
            listed.push_back(utf8(list->item(row, 0)->text() + " " + list->item(row, 3)->text() +
                                  " " + list->item(row, 2)->text()));
        if (const QByteArray folder = qgetenv("QBK_PICTURES"); !folder.isEmpty())
            dialog.grab().save(QString::fromUtf8(folder) + QStringLiteral("/coming-due.png"));
        list->item(1, 0)->setCheckState(Qt::Unchecked);  // the wages of 1 June
        press(dialog, "PostButton");
    });
    startWith();
    EXPECT_EQ(listed,
              (std::vector<std::string>{"05/31/2001 lease ($700.00)", "06/01/2001 wages $900.00",
                                        "06/15/2001 wages $900.00"}));
    EXPECT_EQ(bookLines(), (std::vector<std::string>{"20010615 wages", "20010610 many fish",
                                                     "20010608 fuel", "20010606 bluefish refund",
                                                     "20010531 lease", "20010528 spaced"}));
    EXPECT_EQ(rows(), 6);  // the list shows them
    // The wages of 1 June were passed over: nothing is due now.
    EXPECT_TRUE(dueEntries(program.path(), clock.today()).empty());
    window->runCommand("mu_Undo");
    EXPECT_EQ(records().size(), 4u);
    EXPECT_EQ(dueEntries(program.path(), clock.today()).size(), 3u);
}

TEST_F(ScheduleWindowTest, NotNowPostsNothingAndTheSettingPostsWithoutAsking) {
    answerComingDue([](ComingDueDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("PostWithoutAsking"))->setChecked(true);
        press(dialog, "NotNowButton");
    });
    startWith();
    EXPECT_EQ(records().size(), 4u);
    EXPECT_EQ(program.read("qbk3-due.ini"), "PostWithoutAsking=Y\r\n");
    window.reset();
    startWith();  // asks nothing: an unexpected dialog would wait for ever
    EXPECT_EQ(records().size(), 7u);
}

TEST_F(ScheduleWindowTest, ForecastContinuesTheListWithPlannedEntriesAndBalances) {
    answerComingDue([](ComingDueDialog& dialog) { press(dialog, "NotNowButton"); });
    startWith();
    answerDateSelector({[&] {
        box("DateDialDisplay")->setText("7/15/2001");
        click("DateDialOK");
    }});
    window->runCommand("mu_Forecast");
    MainGridModel& model = *window->mainGridModel();
    // Planned, newest first: wages 13 July, lease 30 June, wages 29 and 15 June, 1 June,
    // lease 31 May (due, not posted); then the book.
    ASSERT_EQ(rows(), 6 + 4);
    std::vector<std::string> planned;
    for (int row = 0; row < rows(); ++row)
        planned.push_back(
            (model.isPlanned(row) ? "planned " : "") + cell(row, 0) + " " +
            utf8(model.data(model.index(row, MainGridModel::kBalanceColumn), Qt::DisplayRole)
                     .toString()));
    // The book's four entries come to -$33.50; what is due counts from today on.
    EXPECT_EQ(planned, (std::vector<std::string>{
                           "planned 07/13/2001 $2,166.50", "planned 06/30/2001 $1,266.50",
                           "planned 06/29/2001 $1,966.50", "planned 06/15/2001 $1,066.50",
                           "planned 06/01/2001 $166.50", "planned 05/31/2001 ($733.50)",
                           "06/10/2001 ($33.50)", "06/08/2001 ($21.00)", "06/06/2001 $19.00",
                           "05/28/2001 ($1.00)"}));
    EXPECT_EQ(model.recordNumber(0), 0u);
    EXPECT_EQ(utf8(panel(window->generalStatusBar(), 1)),
              "Forecast to 07/15/2001 - Lowest balance ahead: $1,066.50 on 06/15/2001; never "
              "below $0.00");
    if (const QByteArray folder = qgetenv("QBK_PICTURES"); !folder.isEmpty()) {
        window->resize(1100, 420);
        QApplication::processEvents();
        window->grab().save(QString::fromUtf8(folder) + QStringLiteral("/forecast.png"));
    }
    // The Charts window of the list draws the balance ahead too.
    window->runCommand("mu_ListCharts");
    auto* charts = window->findChild<ChartWindow*>();
    ASSERT_NE(charts, nullptr);
    ASSERT_EQ(charts->tabs()->count(), 5);  // and the budget after it
    EXPECT_EQ(charts->tabs()->tabText(ChartWindow::BalanceAhead), "Balance &Ahead");
    EXPECT_TRUE(charts->chartView(ChartWindow::BalanceAhead)
                    ->chart()
                    ->title()
                    .contains("Lowest balance ahead: $1,066.50 on 06/15/2001"));
    if (const QByteArray folder = qgetenv("QBK_PICTURES"); !folder.isEmpty()) {
        charts->tabs()->setCurrentIndex(ChartWindow::BalanceAhead);
        charts->resize(800, 500);
        charts->grab().save(QString::fromUtf8(folder) + QStringLiteral("/balance-ahead.png"));
    }
    charts->close();
    window->runCommand("mu_DefaultRange");
    EXPECT_EQ(rows(), 4);
    QHeaderView* header = window->mainGrid()->horizontalHeader();
    // The balance column goes; the cleared mark stays first, the others in their order.
    EXPECT_EQ(header->count(), MainGridModel::kBalanceColumn);
    EXPECT_EQ(header->visualIndex(MainGridModel::kClearedColumn), 0);
    for (int column = 0; column < MainGridModel::kClearedColumn; ++column)
        EXPECT_EQ(header->visualIndex(column), column + 1);
}

}  // namespace
}  // namespace qbk

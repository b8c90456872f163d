// A main window with a small book (two categories, four entries, pick lists) and the
// ways a user reaches the entry form, the date selector and the searches.
#ifndef QBK_TESTS_LEDGER_MAINWINDOW_QT_ENTRY_WINDOW_H_
#define QBK_TESTS_LEDGER_MAINWINDOW_QT_ENTRY_WINDOW_H_

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "mainwindow/qt/date_selector.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/window_fixture.h"

namespace qbk::testing {

// Stamps of the book's entries, as the stamp source makes them (day plus seconds).
inline constexpr double kStamp1 = 37052.5, kStamp2 = 37050.25, kStamp3 = 37048.125,
                        kStamp4 = 37040.75;

class EntryWindowTest : public WindowTest {
  protected:
    // The book: newest first, dated in the fiscal year of the clock (2001).
    void writeSampleBook() {
        writeBook({entry(2001, 6, 10, "FOOD", -1250, "many fish", kStamp1, "card"),
                   entry(2001, 6, 8, "CAR", -4000, "fuel", kStamp2, "cash", "trip"),
                   entry(2001, 6, 6, "FOOD", 2000, "bluefish refund", kStamp3),
                   entry(2001, 5, 28, "OLD", -100, "  spaced  ", kStamp4)});
        std::vector<CategoryRecord> categories(2);
        categories[0].catCode = fitField("CAR", 10);
        categories[0].catName = fitField("Car upkeep", 20);
        categories[1].catCode = fitField("FOOD", 10);
        categories[1].catName = fitField("Groceries", 20);
        writeCategories(program.file("category.dat"), categories);
    }
    QBK_3_Main& startWith(const SettingsRecord& settings = SettingsRecord::defaults()) {
        writeSettings(settings);
        return start();
    }

    template <typename T>
    T* find(const char* name) const {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    std::string text(const char* name) const {
        if (auto* c = window->findChild<QComboBox*>(QString::fromUtf8(name)))
            return utf8(c->currentText());
        return utf8(box(name)->text());
    }
    void type(const char* name, const std::string& value) {
        if (auto* c = window->findChild<QComboBox*>(QString::fromUtf8(name)))
            c->setEditText(qs(value));
        else
            box(name)->setText(qs(value));
    }
    void click(const char* name) {
        QPushButton* b = button(name);
        ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    bool formOpen() const { return window->editFrame()->isVisible(); }

    // A click on a category row (CategoryGrid_Click) and a double-click on a list row.
    void clickCategory(int row) {
        QTableView* grid = window->categoryGrid();
        const QRect r = grid->visualRect(window->categoryGridModel()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    void doubleClickCategory(int row) {
        QTableView* grid = window->categoryGrid();
        grid->setCurrentIndex(window->categoryGridModel()->index(row, 0));
        window->CategoryGrid_DblClick();
    }
    void doubleClickRow(int row) {
        QTableView* grid = window->mainGrid();
        const QRect r = grid->visualRect(window->mainGridModel()->index(row, 2));
        // The events of a real double-click: the second press arrives as a double-click.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    // Enter on a row of the list.
    void openRow(int row) {
        window->selectMainGridRow(row);
        key(window->mainGrid(), Qt::Key_Return);
    }

    std::vector<EntryRecord> records() const { return readRecords(program.file("quillbank.dat")); }

    // Answers the date selector's questions one after the other: each step runs once
    // its question waits (clicks on the selector's buttons, a key, ...).
    void answerDateSelector(std::deque<std::function<void()>> steps) {
        dateSteps_ = std::move(steps);
        auto* selector = window->findChild<DateSelector*>(QStringLiteral("DateSelector"));
        ASSERT_NE(selector, nullptr);
        QObject::disconnect(dateConnection_);
        dateConnection_ = QObject::connect(selector, &DateSelector::waiting, window.get(), [this] {
            if (dateSteps_.empty()) {
                ADD_FAILURE() << "unexpected date question";
                QTimer::singleShot(0, window.get(), [this] { click("DateDialQuit"); });
                return;
            }
            auto step = std::move(dateSteps_.front());
            dateSteps_.pop_front();
            QTimer::singleShot(0, window.get(), std::move(step));
        });
    }
    std::string dateDialQuestion() const { return utf8(find<QLabel>("DateDialDialog")->text()); }

  private:
    std::deque<std::function<void()>> dateSteps_;
    QMetaObject::Connection dateConnection_;
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_LEDGER_MAINWINDOW_QT_ENTRY_WINDOW_H_

// A main window on a small book for the report mode tests: money out in two categories,
// money in, an open item, and an entry before the displayed range (the fiscal year
// 2001).
#ifndef QBK_TESTS_REPORTS_QT_REPORT_WINDOW_H_
#define QBK_TESTS_REPORTS_QT_REPORT_WINDOW_H_

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolBar>

#include "platform/windows1252.h"
#include "reports/qt/report_mode.h"
#include "store/category_record.h"
#include "support/window_fixture.h"

namespace qbk::testing {

class ReportWindowTest : public WindowTest {
  protected:
    // Category rows of the category list (category file order).
    static constexpr int kCar = 0, kFood = 1, kSalary = 2;

    void SetUp() override {
        SettingsRecord s = SettingsRecord::defaults();
        s.setOwnerName("Ann Example");
        settings(s);
        writeSettings(s);
        book = {entry(2001, 6, 10, "SALARY", 250000, "june pay", 6, "transfer"),
                entry(2001, 6, 5, "FOOD", -1250, "fish, \"fresh\"", 5, "card", "market"),
                entry(2001, 6, 3, "CAR", -4000, "fuel", 4, "cash"),
                entry(2001, 6, 2, "FOOD", -700, "bakery", 3),
                entry(2001, 6, 1, "FOOD", 0, "call the baker", 2),
                entry(2000, 12, 20, "FOOD", -300, "last year", 1)};
        writeBook(book);
        std::vector<CategoryRecord> categories(3);
        const char* codes[] = {"CAR", "FOOD", "SALARY"};
        const char* names[] = {"Car upkeep", "Groceries", "Salary"};
        for (std::size_t i = 0; i < 3; ++i) {
            categories[i].catCode = fitField(codes[i], 10);
            categories[i].catName = fitField(names[i], 20);
        }
        writeCategories(program.file("category.dat"), categories);
        start();
    }
    // Changes to the settings before the window starts.
    virtual void settings(SettingsRecord&) {}

    // The user's ways into the commands.
    void newReport() { window->mainToolButton("Reports")->trigger(); }
    void pickCategory(int row) {
        window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(row, 0));
        window->CategoryGrid_DblClick();
    }
    void selectRow(int row) { window->selectMainGridRow(row); }
    void press(const QKeySequence& keys) {
        QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keySequence(w, keys);
        QApplication::processEvents();
    }

    bool enabled(const char* item) const { return window->action(item)->isEnabled(); }
    // A menu is open when it and its title in the menu bar are (a menu with no item yet
    // has no title there).
    bool menuEnabled(const char* name) const {
        const QMenu* m = window->menu(name);
        const QAction* title = m->menuAction();
        return m->isEnabled() && (!title->isVisible() || title->isEnabled());
    }
    bool buttonEnabled(const char* key) const { return window->reportToolButton(key)->isEnabled(); }
    QColor background(QTableView* grid) const { return grid->palette().color(QPalette::Base); }
    std::string viewerText() const { return utf8(window->viewer()->toPlainText()); }
    // The stored bytes of the book's entries with these stamps, in this order.
    std::string recordsOf(std::initializer_list<double> stamps) const {
        std::string bytes;
        for (double stamp : stamps)
            for (const EntryRecord& r : book)
                if (r.recordStamp == stamp) bytes += encodeEntry(r);
        return bytes;
    }

    std::vector<EntryRecord> book;  // newest first, stamps 6 down to 1
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_REPORTS_QT_REPORT_WINDOW_H_

// A main window with every subsystem's commands installed, on fake ports, a fixed
// clock (15 June 2001, noon) and United States regional settings, in a fresh program
// folder that is also the default data folder.
#ifndef QBK_TESTS_SUPPORT_WINDOW_FIXTURE_H_
#define QBK_TESTS_SUPPORT_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <memory>

#include "app/qt/controllers.h"
#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/main_grid_model.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/qt/status_panels.h"
#include "platform/qt/qt_text.h"
#include "store/category_record.h"
#include "store/settings_record.h"
#include "support/fake_ports.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        services = std::make_unique<Services>(Services{prompts, shell, printer, help, clock,
                                                       RegionalSettings::unitedStates(),
                                                       program.path(), [this] { ++programEnded; }});
    }
    ~WindowTest() override {
        if (window) window->hide();
    }

    // Writes a settings file before the start (otherwise the first start creates one).
    void writeSettings(const SettingsRecord& s) { program.write("qbk3.ini", s.bytes()); }
    void writeBook(const std::vector<EntryRecord>& records) {
        program.write("quillbank.dat", fileOf(records));
    }

    // Creates the window with every command attached and runs its start-up.
    QBK_3_Main& start() {
        window = std::make_unique<QBK_3_Main>(*services);
        window->setWindowStateFile(windowStateFile);
        installControllers(*window);
        window->Form_Load();
        QApplication::processEvents();
        if (window->isVisible()) activate();
        return *window;
    }
    void activate() {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    // Gives a widget the focus and sends it a key, as the user would.
    void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        w->setFocus();
        QApplication::processEvents();
        QTest::keyClick(w, k, m);
        QApplication::processEvents();
    }

    QString panel(StatusPanels* bar, int i) const { return bar->panelText(i); }
    int rows() const { return window->mainGridModel()->rowCount(); }
    std::string cell(int row, int column) const {
        return std::string(window->mainGridModel()->cell(row, column));
    }
    std::vector<double> listedStamps() const { return window->mainGridModel()->stamps(); }

    TempFolder program;
    ScriptedPrompts prompts;
    FakeShell shell;
    FakePrinter printer;
    FakeHelpViewer help;
    ManualClock clock{serialFromDate(2001, 6, 15), 43200};
    int programEnded = 0;
    QString windowStateFile;  // empty: the window remembers nothing
    std::unique_ptr<Services> services;
    std::unique_ptr<QBK_3_Main> window;
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_WINDOW_FIXTURE_H_

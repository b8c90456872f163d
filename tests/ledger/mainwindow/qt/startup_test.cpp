// Start-up, the start-up password and the end of the program.
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>

#include <filesystem>

#include "mainwindow/qt/splash.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/qt/help_window.h"
#include "support/keyboard_check.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::WindowTest;

SettingsRecord withPassword(const std::string& password) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setUserPassword(password);
    return s;
}

TEST_F(WindowTest, FirstStartCreatesTheSettingsAndShowsTheNoticeOnce) {
    start();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Upgrading?");
    EXPECT_EQ(prompts.messages[0].icon, Icon::Information);
    EXPECT_EQ(prompts.messages[0].text, upgradeNoticeText());
    EXPECT_EQ(program.read("qbk3.ini"), SettingsRecord::defaults().bytes());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->splash()->isVisible());
    // The default start-up range is the fiscal year of today.
    EXPECT_EQ(panel(window->generalStatusBar(), 1), "FY 2001 - 01/01/2001  >>  12/31/2001");
    EXPECT_EQ(panel(window->generalStatusBar(), 2), qs(program.path()));
    window.reset();

    prompts.messages.clear();
    start();
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WindowTest, TheListShowsTheStartUpRangeWithItsTotals) {
    writeSettings(SettingsRecord::defaults());
    writeBook({testing::entry(2001, 6, 1, "FOOD", -1250, "lunch", 3),
               testing::entry(2001, 5, 1, "PAY", 100000, "salary", 2),
               testing::entry(2000, 5, 1, "PAY", 100000, "last year", 1)});
    start();
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(cell(0, 1), "($12.50)");
    EXPECT_EQ(panel(window->displayStatusBar(), 1), "(+) $1,000.00");
    EXPECT_EQ(panel(window->displayStatusBar(), 2), "(-) ($12.50)");
    EXPECT_EQ(panel(window->displayStatusBar(), 3), "(=) $987.50");
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "2 Items");
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = All Categories ");
    auto* model = window->mainGridModel();
    // Red as dark as reading on white needs (4.5:1); money in in the text colour.
    EXPECT_EQ(model->data(model->index(0, 1), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(237, 0, 0));
    EXPECT_EQ(model->data(model->index(1, 1), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 0, 0));
    // The stamp column is blank on screen and to assistive technology; cells are read
    // without their padding.
    EXPECT_EQ(model->data(model->index(0, 6), Qt::DisplayRole).toString(), "");
    EXPECT_EQ(model->data(model->index(0, 6), Qt::AccessibleTextRole).toString(), "");
    EXPECT_EQ(model->data(model->index(0, 2), Qt::AccessibleTextRole).toString(), "lunch");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Amount");
    EXPECT_EQ(window->mainGrid()->currentIndex().row(), 0);
}

TEST_F(WindowTest, TheRightPasswordOpensTheWindow) {
    writeSettings(withPassword("Secret  "));
    start();
    EXPECT_FALSE(window->isVisible());
    qbk3Splash* splash = window->splash();
    ASSERT_TRUE(splash->isVisible());
    EXPECT_EQ(qbk::testing::keyboardGaps(splash), "");
    auto* box = splash->findChild<QLineEdit*>("UserPasswordBox");
    box->setText("  Secret ");  // both sides are trimmed
    splash->findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(programEnded, 0);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WindowTest, ThreeWrongPasswordsAndTheNextPressEndsTheProgram) {
    writeSettings(withPassword("Secret"));
    start();
    qbk3Splash* splash = window->splash();
    auto* box = splash->findChild<QLineEdit*>("UserPasswordBox");
    auto* button = splash->findChild<QPushButton*>("Command1");
    box->setText("secret");  // the comparison is case-sensitive
    for (int left : {2, 1, 0}) {
        button->click();
        ASSERT_EQ(prompts.last().title, "Incorrect Password!");
        EXPECT_EQ(prompts.last().icon, Icon::Exclamation);
        EXPECT_EQ(
            prompts.last().text,
            "This program is password protected. You must enter the correct password in the box in "
            "order to enter.\r\n\r\nYou may make " +
                std::to_string(left) + " more attempts to enter the correct code.");
    }
    EXPECT_EQ(programEnded, 0);
    box->setText("Secret");  // too late: the next press ends the program whatever was typed
    button->click();
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ASettingsFileThatCannotBeReadEndsTheProgramNamingIt) {
    const std::string path = program.file("qbk3.ini");
    const auto expectEnd = [&](int number, const std::string& description) {
        prompts.messages.clear();
        programEnded = 0;
        start();
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.last(),
                  (Message{commonErrorText(number, description), "Error - operation aborted",
                           Icon::Critical, Buttons::Ok, 1}));
        EXPECT_EQ(programEnded, 1);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->splash()->isVisible());
        window.reset();
    };
    // Damaged: the password it holds is never skipped.
    program.write("qbk3.ini", withPassword("Secret").bytes().substr(0, 100));
    expectEnd(59, "Bad record length (" + path + ")");
    SettingsRecord farOut = withPassword("Secret");
    farOut.setFyMonth(-32768);
    writeSettings(farOut);
    expectEnd(5, "FYMonth -32768 out of range 1 to 12 (" + path + ")");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    expectEnd(75, "Is a directory (" + path + ")");
    EXPECT_FALSE(program.exists("quillbank.dat"));
}

TEST_F(WindowTest, ThePasswordBoxTakesWhatTheFieldHolds) {
    writeSettings(withPassword("zł0123456789"));  // "ł" is stored as "?"
    start();
    auto* box = window->splash()->findChild<QLineEdit*>("UserPasswordBox");
    box->setText("zł0123456789");
    EXPECT_EQ(box->text(), "zł01234567");
    window->splash()->findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WindowTest, ClosingTheStartUpWindowWithoutThePasswordEndsTheProgram) {
    writeSettings(withPassword("Secret"));
    start();
    window->splash()->close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, WithoutAPasswordTheButtonIsDisabled) {
    writeSettings(SettingsRecord::defaults());
    start();
    EXPECT_FALSE(window->splash()->findChild<QPushButton*>("Command1")->isEnabled());
}

TEST_F(WindowTest, TheSettingsAreWrittenWhenTheWindowCloses) {
    writeSettings(SettingsRecord::defaults());
    start();
    window->runCommand("mu_GridFormat");
    EXPECT_EQ(program.read("qbk3.ini"), SettingsRecord::defaults().bytes());  // kept in memory
    window->runCommand("mu_Exit");
    EXPECT_EQ(loadSettings(program.file("qbk3.ini")).settings.gridOrder(), "-1n2-");
    EXPECT_EQ(help.quits, 1);
}

TEST_F(WindowTest, ToolTipsOffIsWrittenAtOnceAndHoldsAtTheNextStart) {
    writeSettings(SettingsRecord::defaults());
    start();
    EXPECT_FALSE(window->action("mu_ToolTipsOn")->isVisible());
    QWidget* newButton = window->mainToolBar()->widgetForAction(window->mainToolButton("New"));
    const auto tipShown = [&] {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), newButton->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(newButton, &hover);
        return QToolTip::isVisible() ? utf8(QToolTip::text()) : std::string();
    };
    EXPECT_EQ(tipShown(), "Create a new income or expense record");
    window->runCommand("mu_ToolTipsOff");
    EXPECT_EQ(loadSettings(program.file("qbk3.ini")).settings.toolTipsFlag(), "N");
    EXPECT_TRUE(window->mainGrid()->toolTip().isEmpty());
    EXPECT_EQ(tipShown(), "");
    EXPECT_TRUE(window->action("mu_ToolTipsOn")->isVisible());
    window.reset();
    start();
    EXPECT_TRUE(window->categoryGrid()->toolTip().isEmpty());
    EXPECT_FALSE(window->action("mu_ToolTipsOff")->isVisible());
    window->runCommand("mu_ToolTipsOn");
    EXPECT_EQ(prompts.last().text,
              "The Tool Tips will reappear the next time you start the program.");
    EXPECT_EQ(prompts.last().title, "Tool Tips On");
    EXPECT_EQ(loadSettings(program.file("qbk3.ini")).settings.toolTipsFlag(), "Y");
}

TEST_F(WindowTest, HelpContentsOpenInTheHelpViewer) {
    writeSettings(SettingsRecord::defaults());
    start();
    window->runCommand("mu_HelpContents");
    EXPECT_EQ(help.shown, 1);
    window->mainToolButton("Help")->trigger();
    EXPECT_EQ(help.shown, 2);
    key(window->mainGrid(), Qt::Key_F1);
    EXPECT_EQ(help.shown, 3);
}

TEST_F(WindowTest, TheHelpWindowGoesBackAndForwardAndEscClosesIt) {
    program.write("help.html",
                  "<a href='#keys'>Keys</a><p style='margin-top:2000px'>"
                  "<a name='keys'>Keys</a></p>");
    HelpWindow viewer(QUrl::fromLocalFile(qs(program.file("help.html"))).toString());
    viewer.showContents();
    QWidget* shown = viewer.window();
    auto* browser = shown->findChild<QTextBrowser*>("HelpBrowser");
    auto* back = shown->findChild<QAction*>("HelpBack");
    auto* forward = shown->findChild<QAction*>("HelpForward");
    EXPECT_FALSE(back->isEnabled());
    browser->setSource(QUrl(browser->source().toString() + "#keys"));
    EXPECT_EQ(browser->source().fragment(), "keys");
    back->trigger();
    EXPECT_EQ(browser->source().fragment(), "");
    ASSERT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(browser->source().fragment(), "keys");
    QApplication::setActiveWindow(shown);
    key(browser, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isShown());
}

}  // namespace
}  // namespace qbk

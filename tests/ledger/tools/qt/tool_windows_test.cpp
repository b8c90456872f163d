// The calculator and game windows, driven by clicks as the user drives them.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/qt_prompts.h"
#include "support/window_fixture.h"
#include "tools/qt/accessory_commands.h"

namespace qbk {
namespace {

class ToolWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
        start();
        commands = window->findChild<AccessoryCommands*>();
        ASSERT_NE(commands, nullptr);
    }
    AccessoryCommands* commands = nullptr;
};

class CalculatorTest : public ToolWindowTest {
  protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        window->runCommand("mu_TinyCalc");
        calc = commands->calculator();
        ASSERT_NE(calc, nullptr);
    }
    void type(const char* box, const QString& text) {
        auto* edit = calc->findChild<QLineEdit*>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void press(const char* button) {
        QTest::mouseClick(calc->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QString text(const char* name) const {
        if (auto* label = calc->findChild<QLabel*>(name)) return label->text();
        return calc->findChild<QLineEdit*>(name)->text();
    }
    TinyCalc* calc = nullptr;
};

TEST_F(CalculatorTest, OperationsChainThroughResultOnTop) {
    EXPECT_TRUE(calc->isVisible());
    EXPECT_EQ(text("TCOp"), "?");
    type("TCTopNum", "12.5");
    type("TCBotNum", "3");
    press("TCAdd");
    EXPECT_EQ(text("TCResult"), " 15.5");
    EXPECT_EQ(text("TCOp"), "+");
    press("TCRepeat");
    EXPECT_EQ(text("TCTopNum"), " 15.5");
    EXPECT_EQ(text("TCBotNum"), "");
    EXPECT_EQ(text("TCResult"), "");
    type("TCBotNum", "20");
    press("TCSub");
    EXPECT_EQ(text("TCResult"), "-4.5");
    EXPECT_EQ(text("TCOp"), "-");
    press("TCRepeat");
    type("TCBotNum", "2");
    press("TCMul");
    EXPECT_EQ(text("TCResult"), "-9");
    EXPECT_EQ(text("TCOp"), "x");
}

TEST_F(CalculatorTest, ErrorsLeaveTheDisplayAsItWas) {
    type("TCTopNum", "123456.78");
    type("TCBotNum", "1");
    press("TCAdd");
    EXPECT_EQ(text("TCResult"), " 123457.78");
    type("TCBotNum", "0");
    press("TCDiv");
    EXPECT_EQ(text("TCResult"), " 123457.78");
    EXPECT_EQ(text("TCOp"), "/");
    // Text that is no number keeps the previous operand (0 is the last bottom value).
    type("TCTopNum", "1234567.89");
    type("TCBotNum", "abc");
    press("TCAdd");
    EXPECT_EQ(text("TCResult"), " 1234567.89");
    press("TCClear");
    EXPECT_EQ(text("TCTopNum"), "");
    EXPECT_EQ(text("TCResult"), "");
    press("TCAdd");
    EXPECT_EQ(text("TCResult"), " 0");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CalculatorTest, AClickOnTheResultCopiesItAndExitClosesTheWindow) {
    type("TCTopNum", "2");
    type("TCBotNum", "2.5");
    press("TCMul");
    QGuiApplication::clipboard()->setText("before");
    QTest::mouseDClick(calc->findChild<QLabel*>("TCResult"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 5");
    EXPECT_EQ(calc->findChild<QLabel*>("TCResult")->toolTip(),
              "Double-click to place in clipboard!");

    // The menu item again shows the same window.
    window->runCommand("mu_TinyCalc");
    EXPECT_EQ(commands->calculator(), calc);
    calc->findChild<QAction*>("tcmnuExit")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands->calculator(), nullptr);
}

class GameTest : public ToolWindowTest {
  protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        window->runCommand("mu_Game");
        game = commands->game();
        ASSERT_NE(game, nullptr);
    }
    void click(int index) { QTest::mouseClick(game->button(index), Qt::LeftButton); }
    QString label(const char* name) const { return game->findChild<QLabel*>(name)->text(); }
    QBKGame* game = nullptr;
};

TEST_F(GameTest, TheBoardIsACrossOfMarks) {
    EXPECT_EQ(game->windowTitle(), "48 Squares Game - Quillbank 3");
    EXPECT_EQ(game->findChildren<QPushButton*>("Button").size(), 64);
    int visible = 0;
    for (int i = 0; i < 64; ++i) {
        visible += game->button(i)->isVisible();
        EXPECT_EQ(game->button(i)->text(), "X");
    }
    EXPECT_EQ(visible, 48);
    EXPECT_FALSE(game->button(9)->isVisible());
    EXPECT_TRUE(game->button(2)->isVisible());
    EXPECT_EQ(label("Label2"), "");
    EXPECT_EQ(label("best"), "");
}

TEST_F(GameTest, AFirstEmptySquareThenJumpsAndRefusals) {
    click(27);
    EXPECT_EQ(game->button(27)->text(), "");
    EXPECT_EQ(label("Label2"), "from...");
    click(43);  // two rows down, over 35
    EXPECT_EQ(label("Label2"), "to...");
    EXPECT_TRUE(game->button(43)->isDown());
    click(27);
    EXPECT_EQ(game->button(27)->text(), "X");
    EXPECT_EQ(game->button(35)->text(), "");
    EXPECT_EQ(game->button(43)->text(), "");
    EXPECT_FALSE(game->button(43)->isDown());
    EXPECT_EQ(label("Label2"), "from...");
    EXPECT_EQ(label("Label3"), "");

    click(26);  // onto a marked square
    click(28);
    EXPECT_EQ(label("Label3"), "no good");
    EXPECT_EQ(game->button(28)->text(), "X");
    click(41);  // the next click clears the feedback
    EXPECT_EQ(label("Label3"), "");
    EXPECT_EQ(label("Label2"), "to...");
    click(43);
    EXPECT_EQ(game->button(43)->text(), "X");
    EXPECT_EQ(game->game().marksLeft(), 45);
}

TEST_F(GameTest, AJumpAcrossTheEndOfARowIsRefused) {
    click(25);  // row 3, column 1
    click(23);  // row 2, column 7: two indices before 25, but on another row
    click(25);
    EXPECT_EQ(label("Label3"), "no good");
    EXPECT_EQ(game->button(24)->text(), "X");
    EXPECT_EQ(game->button(25)->text(), "");
}

TEST_F(GameTest, NewGameScoresTheBoardAndHelpExplains) {
    click(27);
    click(43);
    click(27);
    game->findChild<QAction*>("mu_new")->trigger();
    EXPECT_EQ(label("LastScore"), "46");
    EXPECT_EQ(label("best"), "46");
    EXPECT_EQ(game->button(27)->text(), "X");
    EXPECT_EQ(label("Label2"), "");
    game->findChild<QAction*>("mu_new")->trigger();
    EXPECT_EQ(label("LastScore"), "48");
    EXPECT_EQ(label("best"), "46");

    game->findChild<QAction*>("mu_GameHelp")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "How to play");
    EXPECT_EQ(prompts.last().text.substr(0, 40), "First click on any box  to be the starti");
    EXPECT_NE(prompts.last().text.find("begin).\r\n\r\nAfter this first one,"), std::string::npos);
}

TEST_F(GameTest, HowToPlayStandsOverTheGameAndEscClosesEitherWindow) {
    // The message boxes of the desktop, over the window the user works in.
    QtPrompts desktop(window.get());
    game->activateWindow();
    QApplication::setActiveWindow(game);
    QWidget* owner = nullptr;
    QTimer::singleShot(0, game, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->accept();
    });
    desktop.message({"How to play", "How to play", Icon::None, Buttons::Ok, 1});
    EXPECT_EQ(owner, game);

    QApplication::setActiveWindow(game);
    key(game, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands->game(), nullptr);
    window->runCommand("mu_TinyCalc");
    TinyCalc* calc = commands->calculator();
    QApplication::setActiveWindow(calc);
    key(calc->findChild<QLineEdit*>("TCTopNum"), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands->calculator(), nullptr);
}

}  // namespace
}  // namespace qbk

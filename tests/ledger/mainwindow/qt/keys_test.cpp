// The usual keys of a desktop program in the main window: Del on the list, Enter on a
// focused button, Ctrl+F, the user fields' completion and type-ahead in the category list.
#include <QAbstractItemView>
#include <QCompleter>
#include <QPlainTextEdit>

#include "entry_window.h"
#include "mainwindow/qt/entry_form.h"
#include "store/category_file.h"

namespace qbk {
namespace {

using testing::kStamp1;
using testing::kStamp2;
using testing::kStamp3;
using testing::kStamp4;

class KeysTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        writeSampleBook();
        program.write("udf1.dat", "card\r\ncash\r\n");
    }
    std::vector<char> deletedMarks() const {
        std::vector<char> marks;
        for (const EntryRecord& r : records())
            marks.push_back(r.deletedMark[0]);
        return marks;
    }
};

TEST_F(KeysTest, DelOnTheListDeletesTheEntryAfterTheQuestion) {
    startWith();
    window->selectMainGridRow(1);
    prompts.answers = {Answer::No};
    key(window->mainGrid(), Qt::Key_Delete);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"Delete record?", "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(deletedMarks(), (std::vector<char>{'N', 'N', 'N', 'N'}));

    prompts.answers = {Answer::Yes};
    key(window->mainGrid(), Qt::Key_Delete);
    EXPECT_EQ(deletedMarks(), (std::vector<char>{'N', 'Y', 'N', 'N'}));
    // The next entry takes the row, so Del goes on down the list.
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp3, kStamp4}));
    EXPECT_EQ(window->mainGrid()->currentIndex().row(), 1);
    EXPECT_TRUE(window->mainGrid()->hasFocus());

    // Records > Delete Entry shows Del and does the same.
    QAction* item = window->action("mu_DeleteEntry");
    EXPECT_EQ(item->text(), "De&lete Entry");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_Delete));
    prompts.answers = {Answer::Yes};
    item->trigger();
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp4}));

    // In a box of the entry form Del deletes a character, not the entry.
    openRow(0);
    box("NoteBox")->setText("fish");
    box("NoteBox")->setCursorPosition(0);
    key(box("NoteBox"), Qt::Key_Delete);
    EXPECT_EQ(text("NoteBox"), "ish");
    EXPECT_EQ(prompts.messages.size(), 3u);
    prompts.expectAllUsed();
}

TEST_F(KeysTest, EnterPressesTheFocusedButtonOfEachFrame) {
    startWith();
    openRow(0);
    key(button("CloseButton"), Qt::Key_Return);
    EXPECT_FALSE(formOpen());

    window->runCommand("mu_NewCategory");
    ASSERT_TRUE(window->categoryFrame()->isVisible());
    key(button("QuitCat"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(window->categoryFrame()->isVisible());

    answerDateSelector({[&] {
        button("DateDialQuit")->setFocus();
        key(button("DateDialQuit"), Qt::Key_Return);
    }});
    window->runCommand("mu_SelectDates");
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
    EXPECT_EQ(window->state().RangeStart, "01/01/2001");
}

TEST_F(KeysTest, CtrlFOpensTheWordSearch) {
    startWith();
    prompts.inputAnswers = {std::string("fish")};
    key(window->mainGrid(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(prompts.inputCalls.size(), 1u);
    EXPECT_EQ(prompts.inputCalls[0].title, "Search for a word or phrase fragment");
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp3}));
    EXPECT_EQ(
        window->action("mu_SearchFragment")->shortcuts(),
        (QList<QKeySequence>{QKeySequence(Qt::Key_F5), QKeySequence(QStringLiteral("Ctrl+F"))}));
}

TEST_F(KeysTest, TheCompletionListOfAUserFieldClosesWithTheForm) {
    startWith();
    openRow(1);
    QComboBox* field = combo("UserList1");
    field->lineEdit()->clear();
    key(field->lineEdit(), Qt::Key_C);
    QAbstractItemView* popup = field->completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    prompts.answers = {Answer::Yes};
    window->findChild<EntryForm*>()->ReplaceExpenseButton_Click();
    EXPECT_FALSE(formOpen());
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(KeysTest, TypingInTheCategoryListFindsTheFirstCodeFromTheTop) {
    std::vector<CategoryRecord> categories(3);
    for (std::size_t i = 0; i < 3; ++i)
        categories[i].catCode = fitField(std::vector<std::string>{"CAR", "CASH", "FOOD"}[i], 10);
    writeCategories(program.file("category.dat"), categories);
    startWith();
    QTableView* grid = window->categoryGrid();
    const auto typed = [&](const char* letters) {
        grid->setFocus();
        QTest::keyClicks(grid, QString::fromUtf8(letters));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        return grid->currentIndex().row();
    };
    EXPECT_EQ(typed("f"), 2);
    EXPECT_EQ(typed("c"), 0);
    EXPECT_EQ(typed("c"), 0);  // again from the top, not the next C
    EXPECT_EQ(typed("cas"), 1);
    EXPECT_EQ(typed("x"), 1);  // no code begins with X: the list stays
}

}  // namespace
}  // namespace qbk

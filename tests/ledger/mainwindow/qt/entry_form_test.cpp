// The entry form: new entries, opening, replacing and deleting entries, the date
// buttons, the category list and the user-field pick lists.
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCompleter>
#include <filesystem>

#include "entry_window.h"
#include "mainwindow/entry_editing.h"
#include "platform/errors.h"
#include "platform/qt/typed_date_box.h"
#include "platform/stamps.h"
#include "support/file_size_limit.h"
#include "support/keyboard_check.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using testing::kStamp1;
using testing::kStamp2;
using testing::kStamp3;
using testing::kStamp4;

// 15 June 2001, noon: the first stamp the window's stamp source gives.
const double kNewStamp = serialFromDate(2001, 6, 15) + 43200;

class EntryFormTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        writeSampleBook();
        program.write("udf1.dat", "card\r\n shop \r\ncash\r\n");
    }
    void newEntry() {
        key(window->mainGrid(), Qt::Key_F2);
        ASSERT_TRUE(formOpen());
    }
    QColor amountColour() const { return box("AmountBox")->palette().color(QPalette::Text); }
};

// ---- New entries ----

TEST_F(EntryFormTest, NewEntryStartsEmptyWithTodayAndOnlyTheSavingButtons) {
    startWith();
    newEntry();
    EXPECT_EQ(text("DateBox"), "06/15/2001");
    EXPECT_EQ(text("AmountBox"), "");
    EXPECT_EQ(amountColour(), QColor(0, 0, 0));
    EXPECT_EQ(text("CategoryCodeBox"), "");
    EXPECT_EQ(text("CategoryBox"), "");
    EXPECT_EQ(text("UserList1"), "");
    EXPECT_EQ(combo("UserList1")->count(), 3);
    EXPECT_EQ(combo("UserList1")->itemText(1), " shop ");
    EXPECT_EQ(find<QLabel>("User1Label")->text(), "user &1    ");  // Alt+1 leads to its list
    // The date box is the first of the form's inputs: Shift+Tab from the amount.
    EXPECT_EQ(qbk::testing::keyboardGaps(window.get(), {"MainGrid", "CategoryGrid", "DateBox"}),
              "");
    for (const char* name : {"NewIncomeButton", "NewExpenseButton", "CloseButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    for (const char* name : {"DeleteButton", "ReplaceIncomeButton", "ReplaceExpenseButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    // The list takes no input until the form closes; the category list has the focus.
    EXPECT_FALSE(window->mainGrid()->isEnabled());
    EXPECT_FALSE(window->allCategoryButton()->isEnabled());
    EXPECT_TRUE(window->categoryGrid()->hasFocus());
    EXPECT_EQ(window->state().EditStamp, 0);
}

TEST_F(EntryFormTest, ANewEntryStartsInTheCategoryTheListIsNarrowedTo) {
    startWith();
    doubleClickCategory(1);
    key(window->mainGrid(), Qt::Key_Insert);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(text("CategoryCodeBox"), "FOOD      ");
    EXPECT_EQ(text("CategoryBox"), "Groceries           ");
    key(window->categoryGrid(), Qt::Key_Escape);
    window->mainToolButton("New")->trigger();
    EXPECT_TRUE(formOpen());
}

TEST_F(EntryFormTest, NewExpenseGoesIntoTheFileInDateOrderAndTheFormCloses) {
    startWith();
    newEntry();
    clickCategory(0);
    EXPECT_EQ(text("CategoryCodeBox"), "CAR       ");
    EXPECT_EQ(text("CategoryBox"), "Car upkeep          ");
    click("DateDn");
    click("DateDn30");
    click("DateUp30");
    for (int i = 0; i < 5; ++i)
        click("DateDn");
    EXPECT_EQ(text("DateBox"), "06/09/2001");
    type("AmountBox", "12.50");
    type("NoteBox", "oil change");
    type("UserList1", "visa card 1234");
    type("UserList2", "trip");
    click("NewExpenseButton");

    EXPECT_FALSE(formOpen());
    EXPECT_TRUE(prompts.messages.empty());
    const std::vector<EntryRecord> book = records();
    ASSERT_EQ(book.size(), 5u);
    // 9 June 2001 goes between the entries of 10 and 8 June.
    EntryRecord expected =
        entry(2001, 6, 9, "CAR", -1250, "oil change", kNewStamp, "visa card ", "trip");
    EXPECT_EQ(book[0].recordStamp, kStamp1);
    EXPECT_EQ(book[1], expected);
    EXPECT_EQ(program.read("udf1.dat"), "card\r\n shop \r\ncash\r\nvisa card \r\n");
    EXPECT_EQ(program.read("udf2.dat"), "trip\r\n");
    // The click on CAR narrowed the next refresh to that category.
    EXPECT_EQ(listedStamps(), (std::vector<double>{kNewStamp, kStamp2}));
    EXPECT_TRUE(window->mainGrid()->isEnabled());
    EXPECT_TRUE(window->allCategoryButton()->isEnabled());
    EXPECT_TRUE(window->mainGrid()->hasFocus());
    EXPECT_EQ(window->state().EditStamp, 0);
}

TEST_F(EntryFormTest, TwoEntriesSavedAtOneClockReadingGetDifferentStamps) {
    startWith();
    for (const char* save : {"NewIncomeButton", "NewIncomeButton"}) {
        newEntry();
        clickCategory(1);
        type("AmountBox", "-12.50");
        click(save);
    }
    const std::vector<EntryRecord> book = records();
    ASSERT_EQ(book.size(), 6u);
    EXPECT_EQ(book[0].amount, Money::fromRaw(125000));
    EXPECT_EQ(book[1].amount, Money::fromRaw(125000));
    EXPECT_NE(book[0].recordStamp, book[1].recordStamp);
    EXPECT_GT(std::max(book[0].recordStamp, book[1].recordStamp), kNewStamp);
}

TEST_F(EntryFormTest, AnEmptyAmountIsStoredAsZero) {
    startWith();
    newEntry();
    clickCategory(1);
    type("AmountBox", "   ");
    click("NewIncomeButton");
    EXPECT_EQ(records()[0].amount, Money());
    EXPECT_EQ(cell(0, 1), "****?****");
}

TEST_F(EntryFormTest, NewWithoutCategoryOrWithoutANumberIsRefusedAndKeepsTheForm) {
    startWith();
    const std::string before = program.read("quillbank.dat");
    newEntry();
    type("AmountBox", "12");
    type("UserList1", "fresh");
    click("NewExpenseButton");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), missingCategoryMessage());
    EXPECT_TRUE(formOpen());

    clickCategory(1);
    type("AmountBox", "twelve");
    click("NewExpenseButton");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last().text,
              "The amount \"twelve\" is not a number - please type the amount in figures.\r\n\r\n"
              "New record entry failed.");
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(text("AmountBox"), "twelve");
    EXPECT_EQ(text("UserList1"), "fresh");
    EXPECT_EQ(program.read("quillbank.dat"), before);
    EXPECT_EQ(program.read("udf1.dat"), "card\r\n shop \r\ncash\r\n");
}

TEST_F(EntryFormTest, ANumberTooLargeForAnAmountIsSaidToBeSo) {
    startWith();
    newEntry();
    clickCategory(1);
    type("AmountBox", "12345678901234567890123");
    click("NewIncomeButton");
    EXPECT_EQ(prompts.last().text,
              "The amount \"12345678901234567890123\" is too large - amounts go up to "
              "$922,337,203,685,477.58.\r\n\r\nNew record entry failed.");
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(records().size(), 4u);
}

TEST_F(EntryFormTest, TabGoesFromTheAmountThroughTheTypedBoxesToTheButtons) {
    startWith();
    newEntry();
    activate();
    box("AmountBox")->setFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 6; ++i) {
        QWidget* focus = QApplication::focusWidget();
        // An editable combo box has the focus through its line edit.
        if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
        visited.push_back(utf8(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"AmountBox", "NoteBox", "UserList1", "UserList2",
                                                 "NewIncomeButton", "NewExpenseButton"}));
    key(box("AmountBox"), Qt::Key_Backtab);
    EXPECT_TRUE(box("DateBox")->hasFocus());
    for (const char* name : {"CategoryCodeBox", "CategoryBox"})
        EXPECT_FALSE(box(name)->focusPolicy() & Qt::TabFocus) << name;
}

TEST_F(EntryFormTest, ButtonsAnswerTheirAltKeys) {
    startWith();
    newEntry();
    clickCategory(1);
    type("AmountBox", "5");
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"NewIncomeButton", "New &Income"},
        {"NewExpenseButton", "New Ex&pense"},
        {"ReplaceIncomeButton", "Replace Inc&ome"},
        {"ReplaceExpenseButton", "Replace E&xpense"},
        {"DeleteButton", "&Delete"},
        {"CloseButton", "C&lose"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(button(name)->text(), caption);
    activate();
    key(box("NoteBox"), Qt::Key_P, Qt::AltModifier);
    QTest::qWait(200);  // a mnemonic shows the button pressed before it clicks
    EXPECT_FALSE(formOpen());
    EXPECT_EQ(records()[0].amount, Money::fromUnits(-5));
}

TEST_F(EntryFormTest, ARecordFileThatCannotBeWrittenKeepsWhatWasTyped) {
    startWith();
    // The folder of the record file has gone (a removed drive, a deleted folder).
    window->state().RecordFilePath = program.file("gone/quillbank.dat");
    newEntry();
    clickCategory(1);
    type("AmountBox", "7.25");
    type("NoteBox", "typed");
    click("NewIncomeButton");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    EXPECT_NE(prompts.last().text.find("Error number: 76"), std::string::npos);
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(text("AmountBox"), "7.25");
    EXPECT_EQ(text("NoteBox"), "typed");
    EXPECT_FALSE(program.exists("gone"));
}

// The list lets go of the book while the entry is written; a failed write fills it again.
TEST_F(EntryFormTest, ANewEntryTheDiskCannotHoldLeavesTheListAsItWas) {
    startWith();
    const std::string before = program.read("quillbank.dat");
    newEntry();
    clickCategory(1);
    type("AmountBox", "7.25");
    {
        const testing::FileSizeLimit full(before.size());
        click("NewIncomeButton");
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.last().text.find("Error number: 61"), std::string::npos);
    const int shown = rows();  // the entries of the category taken, as any refresh shows
    EXPECT_GT(shown, 0);
    window->refreshList();
    EXPECT_EQ(rows(), shown);
    EXPECT_EQ(program.read("quillbank.dat"), before);
}

// ---- Opening and closing ----

TEST_F(EntryFormTest, DoubleClickOpensTheEntryWithItsAmountWithoutSign) {
    startWith();
    doubleClickRow(0);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(window->state().EditStamp, kStamp1);
    EXPECT_EQ(text("DateBox"), "06/10/2001");
    EXPECT_EQ(text("AmountBox"), "12.5");
    EXPECT_EQ(amountColour(), QColor(237, 0, 0));  // red that reads on white
    EXPECT_EQ(text("CategoryCodeBox"), "FOOD      ");
    EXPECT_EQ(text("CategoryBox"), "Groceries           ");
    EXPECT_EQ(text("NoteBox"), "many fish");
    EXPECT_EQ(text("UserList1"), "card");
    EXPECT_EQ(text("UserList2"), "");
    for (const char* name : {"NewIncomeButton", "NewExpenseButton", "ReplaceIncomeButton",
                             "ReplaceExpenseButton", "DeleteButton", "CloseButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    // Not on a date button, where Space would change the date.
    EXPECT_TRUE(box("AmountBox")->hasFocus());
    // The list stays live: another entry opens over this one.
    EXPECT_TRUE(window->mainGrid()->isEnabled());
    doubleClickRow(2);
    EXPECT_EQ(window->state().EditStamp, kStamp3);
    EXPECT_EQ(text("AmountBox"), "20");
    EXPECT_EQ(amountColour(), QColor(0, 0, 0));
    // A code the category file does not have shows no name; the note loses its blanks.
    doubleClickRow(3);
    EXPECT_EQ(text("CategoryCodeBox"), "OLD       ");
    EXPECT_EQ(text("CategoryBox"), "");
    EXPECT_EQ(text("NoteBox"), "spaced");
}

TEST_F(EntryFormTest, EnterOpensAndEscapeClosesWithoutWriting) {
    startWith();
    const std::string before = program.read("quillbank.dat");
    openRow(1);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(text("NoteBox"), "fuel");
    type("NoteBox", "changed");
    key(box("NoteBox"), Qt::Key_Escape);
    EXPECT_FALSE(formOpen());
    EXPECT_EQ(window->state().EditStamp, 0);
    EXPECT_EQ(program.read("quillbank.dat"), before);
    EXPECT_EQ(window->mainGrid()->currentIndex().row(), 1);
    EXPECT_TRUE(window->mainGrid()->hasFocus());
    // Edit Entry opens the selected entry too; Close is the same as Esc.
    window->runCommand("mu_EditEntry");
    EXPECT_TRUE(formOpen());
    click("CloseButton");
    EXPECT_FALSE(formOpen());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EntryFormTest, AnEntryChangedOutsideTheProgramOpensNoFormAndTheListIsRefreshed) {
    startWith();
    writeBook({entry(2001, 6, 8, "CAR", -4000, "fuel", kStamp2, "cash", "trip")});
    doubleClickRow(0);
    EXPECT_FALSE(formOpen());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), entryGoneMessage());
    EXPECT_EQ(prompts.last().text,
              "This record is no longer in the record file - the file was changed outside the "
              "program.\r\n\r\nThe list has been refreshed.");
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp2}));
    EXPECT_EQ(window->state().EditStamp, 0);
}

TEST_F(EntryFormTest, NothingOpensFromAnEmptyListOrInReportMode) {
    startWith();
    window->state().ReportMode = true;
    window->runCommand("mu_EditEntry");
    EXPECT_FALSE(formOpen());
    window->state().ReportMode = false;
    writeBook({});
    window->refreshList();
    window->runCommand("mu_EditEntry");
    EXPECT_FALSE(formOpen());
    EXPECT_TRUE(prompts.messages.empty());
}

// ---- Replace and Delete ----

TEST_F(EntryFormTest, ReplaceKeepsTheFilePositionAndGivesANewStamp) {
    startWith();
    const std::vector<EntryRecord> before = records();
    openRow(1);
    click("DateDn30");
    type("AmountBox", "$45.10");
    type("NoteBox", "fuel and oil");
    prompts.answers = {Answer::No, Answer::Yes};
    click("ReplaceIncomeButton");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(records(), before);
    click("ReplaceIncomeButton");
    EXPECT_FALSE(formOpen());
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1], replaceQuestion());

    const std::vector<EntryRecord> after = records();
    ASSERT_EQ(after.size(), 4u);
    // 9 May is older than the entries below it, yet the entry stays second.
    EXPECT_EQ(after[1], entry(2001, 5, 9, "CAR", 4510, "fuel and oil", kNewStamp, "cash", "trip"));
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(window->state().EditStamp, 0);
    EXPECT_EQ(cell(1, 1), "$45.10");
    prompts.expectAllUsed();
}

TEST_F(EntryFormTest, ReplaceKeepsTheClearedMarkUntilTheAmountOrTheDateChanges) {
    std::vector<EntryRecord> book = records();
    book[1].setCleared(ClearedState::Reconciled);
    writeBook(book);
    startWith();
    openRow(1);
    type("NoteBox", "fuel, receipt kept");
    prompts.answers = {Answer::Yes, Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(records()[1].cleared(), ClearedState::Reconciled);
    openRow(1);
    type("AmountBox", "40.01");
    click("ReplaceExpenseButton");
    EXPECT_EQ(records()[1].cleared(), ClearedState::None);
    EXPECT_EQ(encodeEntry(records()[1]).substr(115), std::string(10, ' '));
}

TEST_F(EntryFormTest, ReplaceOfAnEntryGoneMeanwhileKeepsTheFormToSaveItAsNew) {
    startWith();
    openRow(0);
    writeBook({entry(2001, 6, 8, "CAR", -4000, "fuel", kStamp2)});
    const std::string changed = program.read("quillbank.dat");
    type("AmountBox", "99");
    prompts.answers = {Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(prompts.last(), entryGoneMessage());
    EXPECT_EQ(program.read("quillbank.dat"), changed);
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(text("AmountBox"), "99");
    click("NewExpenseButton");
    EXPECT_EQ(records()[0].amount, Money::fromUnits(-99));
}

TEST_F(EntryFormTest, ReplaceThatCannotWriteLeavesTheFileAndTheForm) {
    startWith();
    const std::string before = program.read("quillbank.dat");
    openRow(0);
    window->state().RecordFilePath = program.file("gone/quillbank.dat");
    type("NoteBox", "kept in the form");
    prompts.answers = {Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(text("NoteBox"), "kept in the form");
    EXPECT_EQ(program.read("quillbank.dat"), before);
}

TEST_F(EntryFormTest, ReplaceRefusesAnAmountWithoutANumberBeforeAsking) {
    startWith();
    openRow(0);
    type("AmountBox", "-");
    click("ReplaceExpenseButton");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), amountRefusal("-", EntryCommand::Replace));
    EXPECT_TRUE(formOpen());
}

TEST_F(EntryFormTest, ReplaceInMacroEditModeTakesTodayForAnExpenseAndKeepsTheDateOfIncome) {
    startWith();
    window->state().MacroMode = true;
    window->refreshList();
    EXPECT_EQ(cell(0, 0), "(macro)");
    openRow(0);
    prompts.answers = {Answer::Yes, Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(records()[0].entryDate, serialFromDate(2001, 6, 15));
    openRow(1);
    click("DateDn30");  // whatever the box shows, it is not read in macro mode
    click("ReplaceIncomeButton");
    EXPECT_EQ(records()[1].entryDate, serialFromDate(2001, 6, 8));
    EXPECT_EQ(records()[1].amount, Money::fromUnits(40));
}

TEST_F(EntryFormTest, DeleteMarksTheEntryAsLoadedAndHidesIt) {
    startWith();
    const std::vector<EntryRecord> before = records();
    openRow(1);
    type("NoteBox", "typed but not applied");
    prompts.answers = {Answer::No, Answer::Yes};
    click("DeleteButton");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(records(), before);
    click("DeleteButton");
    EXPECT_EQ(prompts.last(), deleteQuestion());
    EXPECT_FALSE(formOpen());
    EntryRecord deleted = before[1];
    deleted.deletedMark = "Y";
    EXPECT_EQ(records(), (std::vector<EntryRecord>{before[0], deleted, before[2], before[3]}));
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp3, kStamp4}));
}

TEST_F(EntryFormTest, ControlAndAltDeleteDeleteOnlyAnOpenedEntry) {
    startWith();
    newEntry();
    key(box("AmountBox"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(prompts.messages.empty());
    click("CloseButton");

    openRow(0);
    prompts.answers = {Answer::Yes};
    key(box("NoteBox"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(records()[0].deletedMark, "Y");
    openRow(0);
    EXPECT_EQ(window->state().EditStamp, kStamp2);
    prompts.answers = {Answer::Yes};
    key(box("NoteBox"), Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(records()[1].deletedMark, "Y");
    EXPECT_EQ(prompts.messages.size(), 2u);
}

// ---- The boxes ----

TEST_F(EntryFormTest, DateButtonsMoveTheDateAndTodayComesBack) {
    startWith();
    openRow(0);
    std::vector<std::string> dates;
    for (const char* name : {"DateUp", "DateUp30", "DateDn", "DateDn30", "DateDn", "TodayButton"}) {
        click(name);
        dates.push_back(text("DateBox"));
    }
    EXPECT_EQ(dates, (std::vector<std::string>{"06/11/2001", "07/11/2001", "07/10/2001",
                                               "06/10/2001", "06/09/2001", "06/15/2001"}));
    // A date typed in the short date form is stepped and saved as typed.
    box("DateBox")->clear();
    QTest::keyClicks(box("DateBox"), QStringLiteral("6/1/2001"));
    click("DateUp");
    EXPECT_EQ(text("DateBox"), "06/02/2001");
    prompts.answers.push_back(Answer::Yes);
    click("ReplaceExpenseButton");
    const auto all = records();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const EntryRecord& r) {
        return r.entryDate == serialFromDate(2001, 6, 2) && r.note.starts_with("many fish");
    }));
}

TEST_F(EntryFormTest, ADateThatIsNoDateIsRefusedAndTheCalendarPicksOne) {
    startWith();
    openRow(0);
    box("DateBox")->setText("13/01/2001");
    click("ReplaceExpenseButton");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().text.substr(0, 36), "The date \"13/01/2001\" is not a date.");
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(records()[0].entryDate, serialFromDate(2001, 6, 10));
    // The calendar opens on today when the box holds no date; Alt+Down opens it.
    key(box("DateBox"), Qt::Key_Down, Qt::AltModifier);
    auto* date = static_cast<TypedDateBox*>(box("DateBox"));
    ASSERT_NE(date->calendar(), nullptr);
    EXPECT_EQ(date->calendar()->selectedDate(), QDate(2001, 6, 15));
    QTest::keyClick(date->calendar()->focusWidget(), Qt::Key_Left);
    QTest::keyClick(date->calendar()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text("DateBox"), "06/14/2001");
}

TEST_F(EntryFormTest, EnterOnTheCategoryListTakesTheCategoryAndGoesToTheAmount) {
    startWith();
    newEntry();
    window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(1, 0));
    key(window->categoryGrid(), Qt::Key_Return);
    EXPECT_EQ(text("CategoryCodeBox"), "FOOD      ");
    EXPECT_TRUE(box("AmountBox")->hasFocus());
    EXPECT_TRUE(formOpen());
}

// ---- Pick lists ----

TEST_F(EntryFormTest, PickListValuesAreFoundAgainWithoutTheirBlanksAndCutToTen) {
    startWith();
    newEntry();
    clickCategory(1);
    type("UserList1", "shop");
    type("UserList2", "fourteen chars");
    click("NewExpenseButton");
    EXPECT_EQ(program.read("udf1.dat"), "card\r\n shop \r\ncash\r\n");
    EXPECT_EQ(program.read("udf2.dat"), "fourteen c\r\n");
    newEntry();
    EXPECT_EQ(combo("UserList2")->count(), 1);
    EXPECT_EQ(combo("UserList2")->itemText(0), "fourteen c");
}

TEST_F(EntryFormTest, RememberedValuesAreOfferedButNotFilledIn) {
    program.write("udf1.dat", "shopping\r\ncard\r\n");
    startWith();
    newEntry();
    clickCategory(1);
    activate();
    QLineEdit* typed = combo("UserList1")->lineEdit();
    typed->setFocus();
    QTest::keyClicks(typed, "shopp");
    EXPECT_EQ(typed->text(), "shopp");
    EXPECT_EQ(typed->selectedText(), "");
    QCompleter* offered = combo("UserList1")->completer();
    EXPECT_TRUE(offered->popup()->isVisible());
    EXPECT_EQ(offered->completionCount(), 1);
    EXPECT_EQ(offered->currentCompletion(), "shopping");
    offered->popup()->hide();
    click("NewExpenseButton");
    EXPECT_EQ(records()[0].userField1, "shopp     ");
    EXPECT_EQ(program.read("udf1.dat"), "shopping\r\ncard\r\nshopp\r\n");
}

TEST_F(EntryFormTest, AnOpenedEntryKeepsTheLeadingBlanksOfItsUserFields) {
    writeBook({entry(2001, 6, 10, "FOOD", -1250, "many fish", kStamp1, "  lead", " x y")});
    startWith();
    openRow(0);
    EXPECT_EQ(text("UserList1"), "  lead");
    EXPECT_EQ(text("UserList2"), " x y");
    prompts.answers = {Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(records()[0].userField1, "  lead    ");
    EXPECT_EQ(records()[0].userField2, " x y      ");
}

TEST_F(EntryFormTest, AFieldWithoutAPickListRemembersNothing) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setUdf2Save("N");
    startWith(s);
    newEntry();
    clickCategory(1);
    type("UserList1", "new");
    type("UserList2", "free text");
    click("NewExpenseButton");
    EXPECT_EQ(program.read("udf1.dat"), "card\r\n shop \r\ncash\r\nnew\r\n");
    EXPECT_EQ(program.read("udf2.dat"), "");
    EXPECT_EQ(records()[0].userField2, "free text ");
}

TEST_F(EntryFormTest, RemovingAValueRemovesEveryLineOfItAndReloadsTheList) {
    program.write("udf1.dat", "shop\r\ncard\r\n shop \r\ncash\r\nshopping\r\n");
    startWith();
    newEntry();
    type("UserList1", "shop");
    prompts.answers = {Answer::No, Answer::Yes};
    click("UDF1Delete");
    EXPECT_EQ(program.read("udf1.dat"), "shop\r\ncard\r\n shop \r\ncash\r\nshopping\r\n");
    EXPECT_EQ(text("UserList1"), "shop");
    click("UDF1Delete");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last(), removePickValueQuestion("shop"));
    EXPECT_EQ(program.read("udf1.dat"), "card\r\ncash\r\nshopping\r\n");
    EXPECT_EQ(text("UserList1"), "");
    EXPECT_EQ(combo("UserList1")->count(), 3);
    // The entries that carry the value keep it.
    EXPECT_TRUE(formOpen());
}

}  // namespace
}  // namespace qbk

// The Macro menu in the window: macro-edit mode, its way out, and play-back.
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

#include "ledger/mainwindow/qt/entry_window.h"
#include "support/message_print.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class MacroEditTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        // One alternate folder set: leaving the mode enables only that one.
        SettingsRecord s = SettingsRecord::defaults();
        s.setAltFolder1Path(program.path());
        writeSettings(s);
        writeSampleBook();
        writeBook(book);
        start();
        // Commands of the items this mode switches that other subsystems attach.
        for (const char* name : {"mu_PlayMacro", "mu_NewEntry", "mu_NotesOpen", "mu_SearchFragment",
                                 "mu_NewReport", "mu_HelpWeb"})
            if (!window->hasCommand(name)) window->setCommand(name, [] {});
        rangeLabel = panel(window->generalStatusBar(), 1);
    }
    void enterMacroEdit(const std::string& path) {
        prompts.fileAnswers.push_back(path);
        window->runCommand("mu_MacroCreate");
    }
    QColor gridBackground() const {
        return window->mainGrid()->palette().color(QPalette::Active, QPalette::Base);
    }
    bool menuEnabled(const char* name) const { return window->menu(name)->isEnabled(); }
    bool itemEnabled(const char* name) const { return window->action(name)->isEnabled(); }
    bool buttonEnabled(const char* key) const { return window->mainToolButton(key)->isEnabled(); }

    // The state of everything macro-edit mode switches, in one text.
    std::string modeLook() const {
        std::string look;
        for (const char* m : {"mu_File", "mu_Categories", "mu_Search", "mu_DisplayRange",
                              "mu_ReportS", "mu_Records", "mu_Macro"})
            look += std::string(m) + (menuEnabled(m) ? "+ " : "- ");
        for (const char* i :
             {"mu_PlayMacro", "mu_MacroCreate", "mu_MacroQuit", "mu_DefaultDataFolder",
              "mu_AlternateFolder1", "mu_AlternateFolder2", "mu_SelectDataFolder", "mu_SortData",
              "mu_PurgeDeletedRecords", "mu_NewEntry"})
            look += std::string(i) + (itemEnabled(i) ? "+ " : "- ");
        for (const char* b : {"New", "Macro", "Notes", "Search", "Reports", "Web", "Help"})
            look += std::string(b) + (buttonEnabled(b) ? "+ " : "- ");
        return look;
    }

    const std::vector<EntryRecord> book = {entry(2001, 6, 3, "FOOD", -1250, "fish", 3),
                                           entry(2001, 6, 2, "CAR", -4000, "fuel", 2)};
    testing::TempFolder macros;
    QString rangeLabel;
};

constexpr const char* kNormalLook =
    "mu_File+ mu_Categories+ mu_Search+ mu_DisplayRange+ mu_ReportS+ mu_Records+ mu_Macro+ "
    "mu_PlayMacro+ mu_MacroCreate+ mu_MacroQuit+ mu_DefaultDataFolder+ mu_AlternateFolder1+ "
    "mu_AlternateFolder2- mu_SelectDataFolder+ mu_SortData+ mu_PurgeDeletedRecords+ "
    "mu_NewEntry+ New+ Macro+ Notes+ Search+ Reports+ Web+ Help+ ";
constexpr const char* kMacroLook =
    "mu_File- mu_Categories- mu_Search- mu_DisplayRange- mu_ReportS- mu_Records+ mu_Macro+ "
    "mu_PlayMacro- mu_MacroCreate- mu_MacroQuit+ mu_DefaultDataFolder- mu_AlternateFolder1- "
    "mu_AlternateFolder2- mu_SelectDataFolder- mu_SortData+ mu_PurgeDeletedRecords+ "
    "mu_NewEntry+ New+ Macro- Notes+ Search- Reports- Web+ Help+ ";

TEST_F(MacroEditTest, ANewMacroFileIsCreatedEmptyAndShownInTheYellowList) {
    EXPECT_EQ(modeLook(), kNormalLook);
    EXPECT_EQ(gridBackground(), QColor(255, 255, 255));
    const std::string path = macros.file("bills.qbk");
    enterMacroEdit(path);

    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "Select a file...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Quillbank 3.x Macro Files|*.qbk");
    EXPECT_EQ(prompts.fileDialogs[0].fileName, "");
    EXPECT_TRUE(macros.exists("bills.qbk"));
    EXPECT_EQ(macros.read("bills.qbk"), "");
    EXPECT_TRUE(window->state().MacroMode);
    EXPECT_EQ(window->state().RecordFilePath, path);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "0 Items");
    EXPECT_EQ(panel(window->generalStatusBar(), 1), qs("Macro Edit!!! File: " + path));
    EXPECT_FALSE(window->generalStatusBar()->isPanelVisible(2));
    EXPECT_EQ(window->categoryGrid()->toolTip(), "Click category to select (during record edit)");
    EXPECT_EQ(gridBackground(), QColor(255, 255, 0));
    EXPECT_EQ(modeLook(), kMacroLook);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MacroEditTest, TheListShowsEveryLiveEntryOfTheMacroAsMacroDated) {
    EntryRecord gone = entry(2001, 6, 1, "CAR", -100, "old", 7);
    gone.deletedMark = "Y";
    macros.write("month.qbk", fileOf({entry(1999, 1, 1, "RENT", -50000, "rent", 5), gone,
                                      entry(2030, 1, 1, "PAY", 250000, "salary", 6)}));
    enterMacroEdit(macros.file("month.qbk"));
    EXPECT_EQ(listedStamps(), (std::vector<double>{5, 6}));
    EXPECT_EQ(cell(0, 0), "(macro)");
    EXPECT_EQ(cell(1, 1), "$2,500.00");
}

TEST_F(MacroEditTest, QuitMacroEditGoesBackToTheBookTheDefaultRangeAndTheNormalMenus) {
    window->SetRange(30, 0);
    enterMacroEdit(macros.file("bills.qbk"));
    window->runCommand("mu_MacroQuit");
    EXPECT_FALSE(window->state().MacroMode);
    EXPECT_EQ(window->state().RecordFilePath, program.file("quillbank.dat"));
    EXPECT_EQ(panel(window->generalStatusBar(), 1), rangeLabel);
    EXPECT_TRUE(window->generalStatusBar()->isPanelVisible(2));
    EXPECT_EQ(window->categoryGrid()->toolTip(), "Double-click any category to narrow your view");
    EXPECT_EQ(gridBackground(), QColor(255, 255, 255));
    EXPECT_EQ(modeLook(), kNormalLook);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
    EXPECT_EQ(cell(0, 0), "06/03/2001");
}

TEST_F(MacroEditTest, EscapeLeavesMacroEditAndOutsideItPutsTheDefaultRangeAndItsListBack) {
    enterMacroEdit(macros.file("bills.qbk"));
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_FALSE(window->state().MacroMode);
    EXPECT_EQ(window->state().RecordFilePath, program.file("quillbank.dat"));
    EXPECT_EQ(modeLook(), kNormalLook);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));

    window->SetRange(1, 0);
    window->refreshList();
    EXPECT_EQ(rows(), 0);
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_EQ(panel(window->generalStatusBar(), 1), rangeLabel);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
    EXPECT_EQ(modeLook(), kNormalLook);
}

TEST_F(MacroEditTest, TipsTurnedOffStayOffThroughTheMode) {
    window->runCommand("mu_ToolTipsOff");
    enterMacroEdit(macros.file("bills.qbk"));
    EXPECT_EQ(window->categoryGrid()->toolTip(), "");
    key(window->mainGrid(), Qt::Key_Escape);
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_EQ(window->categoryGrid()->toolTip(), "");
}

TEST_F(MacroEditTest, ShortcutsOfDisabledMenusDoNothingInMacroEdit) {
    int searched = 0, ranged = 0;
    window->setCommand("mu_SearchFragment", [&] { ++searched; });
    window->setCommand("mu_FiscalYear", [&] { ++ranged; });
    window->menu("mu_DisplayRange")->menuAction()->setVisible(true);
    enterMacroEdit(macros.file("bills.qbk"));
    activate();
    key(window->mainGrid(), Qt::Key_F5);
    key(window->mainGrid(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(searched + ranged, 0);
    window->runCommand("mu_MacroQuit");
    activate();
    key(window->mainGrid(), Qt::Key_F5);
    key(window->mainGrid(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(searched, 1);
    EXPECT_EQ(ranged, 1);
}

TEST_F(MacroEditTest, ACorruptFileOrACancelledDialogKeepsTheBook) {
    macros.write("odd.qbk", std::string(130, 'x'));
    enterMacroEdit(macros.file("odd.qbk"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"This file does not contain Quillbank 3.x records, or they are corrupt. "
                       "The macro edit operation has been aborted.",
                       "Error", Icon::Critical, Buttons::Ok, 1}));
    EXPECT_EQ(macros.read("odd.qbk"), std::string(130, 'x'));

    enterMacroEdit("");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(window->state().MacroMode);
    EXPECT_EQ(window->state().RecordFilePath, program.file("quillbank.dat"));
    EXPECT_EQ(modeLook(), kNormalLook);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
}

TEST_F(MacroEditTest, ACopyOfTheRecordFileIsAMacroFile) {
    macros.write("copy.qbk", fileOf(book));
    enterMacroEdit(macros.file("copy.qbk"));
    EXPECT_TRUE(window->state().MacroMode);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
    EXPECT_EQ(cell(1, 0), "(macro)");
}

// The old macro is kept beside it: the book's internal backup stays as it was.
TEST_F(MacroEditTest, PurgeInMacroEditWorksOnTheMacroAndKeepsItBesideIt) {
    EntryRecord gone = entry(2001, 6, 1, "CAR", -100, "old", 7);
    gone.deletedMark = "Y";
    const std::string macro = fileOf({entry(2001, 1, 1, "RENT", -50000, "rent", 5), gone});
    macros.write("month.qbk", macro);
    enterMacroEdit(macros.file("month.qbk"));
    prompts.answers = {Answer::Yes};
    window->runCommand("mu_PurgeDeletedRecords");
    EXPECT_EQ(prompts.last().text,
              "1 records which were marked for deletion have been removed. "
              "The file as it was before is kept as " +
                  macros.file("month.qbk.bak") + ".");
    EXPECT_EQ(macros.read("month.qbk"), fileOf({entry(2001, 1, 1, "RENT", -50000, "rent", 5)}));
    EXPECT_EQ(macros.read("month.qbk.bak"), macro);
    EXPECT_FALSE(program.exists("quillbank.bak"));
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
    EXPECT_TRUE(window->state().MacroMode);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5}));
}

TEST_F(MacroEditTest, TheEntryFormWritesNewEntriesIntoTheMacroWithoutDateButtons) {
    const char* dateButtons[] = {"DateUp", "DateDn", "DateUp30", "DateDn30", "TodayButton"};
    enterMacroEdit(macros.file("bills.qbk"));
    activate();
    key(window->mainGrid(), Qt::Key_F2);
    ASSERT_TRUE(formOpen());
    for (const char* name : dateButtons)
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    clickCategory(0);
    type("AmountBox", "80");
    type("NoteBox", "phone bill");
    click("NewExpenseButton");

    const std::vector<EntryRecord> macro = readRecords(macros.file("bills.qbk"));
    ASSERT_EQ(macro.size(), 1u);
    EXPECT_EQ(macro[0].entryDate, serialFromDate(2001, 6, 15));
    EXPECT_EQ(macro[0].categoryCode, "CAR       ");
    EXPECT_EQ(macro[0].amount, Money::fromRaw(-800000));
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 0), "(macro)");

    // Esc with the form open closes it and leaves macro editing in the same key press.
    key(window->mainGrid(), Qt::Key_F2);
    ASSERT_TRUE(formOpen());
    key(button("CloseButton"), Qt::Key_Escape);
    EXPECT_FALSE(formOpen());
    EXPECT_FALSE(window->state().MacroMode);
    for (const char* name : dateButtons)
        EXPECT_TRUE(button(name)->isEnabled()) << name;
}

// ---- Play-back ----

class PlayMacroTest : public MacroEditTest {
  protected:
    // Three live entries and one deleted, dated anyhow: play-back gives the date.
    std::string threeEntries() {
        EntryRecord gone = entry(1990, 1, 1, "CAR", -999, "cancelled", 8);
        gone.deletedMark = "Y";
        return fileOf({entry(1990, 1, 1, "HOUSE", -90000, "rent", 5), gone,
                       entry(2030, 1, 1, "PAY", 250000, "salary", 6),
                       entry(0, 0, 0, "PHONE", -4500, "phone", 7, "card")});
    }
    DateSelector* selector() const {
        return window->findChild<DateSelector*>(QStringLiteral("DateSelector"));
    }
    void play(const std::string& path) {
        prompts.fileAnswers.push_back(path);
        window->runCommand("mu_PlayMacro");
    }
};

TEST_F(PlayMacroTest, AMacroOfDeletedEntriesOnlySaysThatNothingWasAdded) {
    EntryRecord gone = entry(1990, 1, 1, "CAR", -999, "cancelled", 8);
    gone.deletedMark = "Y";
    macros.write("gone.qbk", fileOf({gone, gone}));
    const std::string before = program.read("quillbank.dat");
    answerDateSelector({[&] { click("DateDialOK"); }});
    prompts.answers = {Answer::Yes};
    play(macros.file("gone.qbk"));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last().text, "No entries were added: every entry of the macro file\r\n\r\n" +
                                       macros.file("gone.qbk") +
                                       "\r\n\r\nis marked deleted. To play them, open the file "
                                       "with Create / Edit Macro and restore them (Records, "
                                       "Restore Deleted Records).");
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_EQ(program.read("quillbank.dat"), before);
}

TEST_F(PlayMacroTest, ThreeEntriesArePlayedUnderTheChosenDateInDateOrder) {
    writeBook({book[0], book[1], entry(2001, 3, 1, "OLD", -100, "march", 1)});
    macros.write("month.qbk", threeEntries());
    std::string question, startDate;
    answerDateSelector({[&] {
        question = dateDialQuestion();
        startDate = selector()->displayText();
        selector()->setDisplayText("04/01/2001");
        click("DateDialOK");
    }});
    prompts.answers = {Answer::Yes};
    play(macros.file("month.qbk"));

    EXPECT_EQ(question, "Please provide a date for these entries...");
    EXPECT_EQ(startDate, "06/15/2001");
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "Select a file...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Quillbank 3.x Macro Files|*.qbk");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), (Message{"Ready to play macro file " + macros.file("month.qbk") +
                                           " with 04/01/2001 as the date for the entries. Proceed?",
                                       "Confirm", Icon::Question, Buttons::YesNo, 1}));

    const std::vector<EntryRecord> all = records();
    ASSERT_EQ(all.size(), 6u);
    std::vector<std::string> order;
    for (const EntryRecord& r : all)
        order.push_back(std::string(trimBlanks(r.categoryCode)) + " " + r.deletedMark);
    // Each new entry goes in at the top of its day, as a typed one would.
    EXPECT_EQ(order, (std::vector<std::string>{"FOOD N", "CAR N", "PHONE N", "PAY N", "HOUSE N",
                                               "OLD N"}));
    const EntryRecord &phone = all[2], &pay = all[3], &house = all[4];
    for (const EntryRecord* r : {&phone, &pay, &house})
        EXPECT_EQ(r->entryDate, serialFromDate(2001, 4, 1));
    EXPECT_EQ(phone.userField1, "card      ");
    EXPECT_EQ(phone.amount, Money::fromRaw(-450000));
    EXPECT_EQ(phone.note, fitField("phone", 60));
    // Each its own stamp from the clock (day and seconds of 15 June, noon), increasing in
    // the order played.
    const double noon = serialFromDate(2001, 6, 15) + 43200;
    EXPECT_EQ(house.recordStamp, noon);
    EXPECT_LT(house.recordStamp, pay.recordStamp);
    EXPECT_LT(pay.recordStamp, phone.recordStamp);
    EXPECT_LT(phone.recordStamp, noon + 1);

    EXPECT_EQ(macros.read("month.qbk"), threeEntries());
    EXPECT_EQ(rows(), 6);
    EXPECT_EQ(cell(2, 0), "04/01/2001");
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
    EXPECT_FALSE(window->state().DateDialDone);

    // The macro can be played again.
    answerDateSelector({[&] { click("DateDialOK"); }});
    prompts.answers = {Answer::Yes};
    play(macros.file("month.qbk"));
    EXPECT_EQ(records().size(), 9u);
    EXPECT_EQ(records()[0].entryDate, serialFromDate(2001, 6, 15));
    prompts.expectAllUsed();
}

TEST_F(PlayMacroTest, NoToTheQuestionOrQuitInTheDateSelectorAddsNothing) {
    macros.write("month.qbk", threeEntries());
    answerDateSelector({[&] { click("DateDialOK"); }});
    prompts.answers = {Answer::No};
    play(macros.file("month.qbk"));
    EXPECT_EQ(prompts.messages.size(), 1u);

    answerDateSelector({[&] { click("DateDialQuit"); }});
    play(macros.file("month.qbk"));
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(window->dateDialFrame()->isVisible());

    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
    prompts.expectAllUsed();
}

TEST_F(PlayMacroTest, MacroEditEnteredWhileTheDateIsChosenAbandonsThePlayBack) {
    macros.write("month.qbk", threeEntries());
    answerDateSelector({[&] {
        enterMacroEdit(macros.file("month.qbk"));
        click("DateDialOK");
    }});
    play(macros.file("month.qbk"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(macros.read("month.qbk"), threeEntries());
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
    prompts.expectAllUsed();
}

TEST_F(PlayMacroTest, EscapeInTheDateSelectorTakesTheDateShown) {
    macros.write("month.qbk", threeEntries());
    answerDateSelector({[&] {
        selector()->setDisplayText("04/01/2001");
        key(window->mainGrid(), Qt::Key_Escape);
    }});
    prompts.answers = {Answer::Yes};
    play(macros.file("month.qbk"));
    EXPECT_NE(prompts.last().text.find(" with 04/01/2001 as the date"), std::string::npos);
    EXPECT_EQ(records().size(), 5u);
}

TEST_F(PlayMacroTest, AnEmptyOrCorruptMacroIsRefusedBeforeAnyQuestion) {
    macros.write("empty.qbk", "");
    macros.write("odd.qbk", threeEntries() + "x");
    const Message refusal{
        "This file does not contain Quillbank 3.x records, or they are corrupt. "
        "The macro play operation has been aborted.",
        "Error", Icon::Critical, Buttons::Ok, 1};
    play(macros.file("empty.qbk"));
    play(macros.file("odd.qbk"));
    play(macros.file("missing.qbk"));
    play("");
    ASSERT_EQ(prompts.messages.size(), 3u);
    for (const Message& m : prompts.messages)
        EXPECT_EQ(m, refusal);
    EXPECT_FALSE(macros.exists("missing.qbk"));
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
}

TEST_F(PlayMacroTest, F3AndTheToolbarButtonPlayOutsideMacroEditOnly) {
    activate();
    prompts.fileAnswers = {"", ""};
    key(window->mainGrid(), Qt::Key_F3);
    window->mainToolButton("Macro")->trigger();
    EXPECT_EQ(prompts.fileDialogs.size(), 2u);
    EXPECT_EQ(window->mainToolButton("Macro")->toolTip(),
              "Play back a previously recorded macro file");

    enterMacroEdit(macros.file("bills.qbk"));
    activate();
    key(window->mainGrid(), Qt::Key_F3);
    window->runCommand("mu_PlayMacro");
    EXPECT_EQ(prompts.fileDialogs.size(), 3u);
}

}  // namespace
}  // namespace qbk

// The Macro menu in the window: macro-edit mode and its way out.
#include <QMenu>
#include <QToolBar>

#include "support/message_print.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class MacroEditTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
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
    "mu_AlternateFolder2+ mu_SelectDataFolder+ mu_SortData+ mu_PurgeDeletedRecords+ "
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

TEST_F(MacroEditTest, EscapeLeavesMacroEditAndOutsideItOnlyPutsTheDefaultRangeBack) {
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
    EXPECT_EQ(rows(), 0);  // the list is not rebuilt
    EXPECT_EQ(modeLook(), kNormalLook);
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

TEST_F(MacroEditTest, PurgeInMacroEditWorksOnTheMacroAndKeepsItAsTheBackup) {
    EntryRecord gone = entry(2001, 6, 1, "CAR", -100, "old", 7);
    gone.deletedMark = "Y";
    const std::string macro = fileOf({entry(2001, 1, 1, "RENT", -50000, "rent", 5), gone});
    macros.write("month.qbk", macro);
    enterMacroEdit(macros.file("month.qbk"));
    prompts.answers = {Answer::Yes};
    window->runCommand("mu_PurgeDeletedRecords");
    EXPECT_EQ(prompts.last().text, "1 records which were marked for deletion have been removed.");
    EXPECT_EQ(macros.read("month.qbk"), fileOf({entry(2001, 1, 1, "RENT", -50000, "rent", 5)}));
    EXPECT_EQ(program.read("quillbank.bak"), macro);
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
    EXPECT_TRUE(window->state().MacroMode);
    EXPECT_EQ(listedStamps(), (std::vector<double>{5}));
}

}  // namespace
}  // namespace qbk

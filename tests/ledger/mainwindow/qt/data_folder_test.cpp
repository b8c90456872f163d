// Switching between the default, the alternate and a selected data folder.
#include "platform/files.h"
#include "store/category_record.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class DataFolderTest : public testing::WindowTest {
  protected:
    void startWith(const std::string& alt1, const std::string& alt2 = "") {
        SettingsRecord s = SettingsRecord::defaults();
        if (!alt1.empty()) s.setAltFolder1Path(alt1);
        if (!alt2.empty()) s.setAltFolder2Path(alt2);
        writeSettings(s);
        writeBook({entry(2001, 6, 1, "HOME", 100, "at home", 1)});
        other.write("quillbank.dat", fileOf({entry(2001, 6, 2, "AWAY", 200, "elsewhere", 7),
                                             entry(2001, 6, 1, "AWAY", 200, "elsewhere", 8)}));
        start();
    }
    testing::TempFolder other;
};

TEST_F(DataFolderTest, AnAlternateFolderShowsItsOwnBookAndTheDefaultComesBack) {
    startWith(other.path());
    EXPECT_EQ(window->action("mu_AlternateFolder1")->text(), qs("Data Folder: " + other.path()));
    EXPECT_EQ(window->action("mu_AlternateFolder2")->text(), "Alternate Data Folder &2");
    window->runCommand("mu_AlternateFolder1");
    EXPECT_EQ(window->state().DataFolder, other.path());
    EXPECT_EQ(window->state().RecordFilePath, other.file("quillbank.dat"));
    EXPECT_EQ(listedStamps(), (std::vector<double>{7, 8}));
    EXPECT_EQ(panel(window->generalStatusBar(), 2), qs(other.path()));
    window->runCommand("mu_DefaultDataFolder");
    EXPECT_EQ(listedStamps(), (std::vector<double>{1}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DataFolderTest, AMissingAlternateFolderIsAnErrorAndChangesNothing) {
    startWith(other.file("gone"));
    window->runCommand("mu_AlternateFolder1");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    EXPECT_NE(prompts.last().text.find("Error number: 76"), std::string::npos);
    EXPECT_EQ(window->state().DataFolder, program.path());
    EXPECT_EQ(listedStamps(), (std::vector<double>{1}));
}

TEST_F(DataFolderTest, AnAlternateFolderNotSetIsDisabledAndDoesNothing) {
    startWith("");
    EXPECT_FALSE(window->action("mu_AlternateFolder1")->isEnabled());
    EXPECT_FALSE(window->action("mu_AlternateFolder2")->isEnabled());
    window->state().ProgramSettings.setAltFolder1Path(other.path());
    window->updateAlternateFolderItems();
    EXPECT_TRUE(window->action("mu_AlternateFolder1")->isEnabled());
    EXPECT_EQ(window->action("mu_AlternateFolder1")->text(), qs("Data Folder: " + other.path()));
    window->runCommand("mu_AlternateFolder2");
    EXPECT_EQ(window->state().DataFolder, program.path());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DataFolderTest, SelectTakesTheFolderOfTheChosenFileAndCancelKeepsTheOld) {
    startWith("");
    prompts.fileAnswers.push_back("");
    window->runCommand("mu_SelectDataFolder");
    EXPECT_EQ(window->state().DataFolder, program.path());
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "Select a folder...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Quillbank Data Files|quillbank.dat");
    EXPECT_EQ(prompts.fileDialogs[0].fileName, "quillbank.dat");

    prompts.fileAnswers.push_back(other.file("quillbank.dat"));
    window->runCommand("mu_SelectDataFolder");
    EXPECT_EQ(window->state().DataFolder, other.path());
    EXPECT_EQ(listedStamps(), (std::vector<double>{7, 8}));
    EXPECT_EQ(window->state().CategoryFilterName, "All Categories");
    prompts.expectAllUsed();
}

TEST_F(DataFolderTest, AFolderWithoutFilesShowsEmptyLists) {
    testing::TempFolder empty;
    startWith(empty.path());
    window->runCommand("mu_AlternateFolder1");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "0 Items");
    EXPECT_EQ(window->categoryGridModel()->rowCount(), 0);
}

}  // namespace
}  // namespace qbk

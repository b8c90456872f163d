// The full data backup window: source and target, the refusal of the source folder
// as target, and the copy of every data file.
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <filesystem>

#include "import/qt/backup_window.h"
#include "support/keyboard_check.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

// The folder as the file system names it, without "/" at its end.
std::string realPath(const std::string& folder) {
    return std::filesystem::canonical(folder).string();
}

class BackupWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
        writeBook({entry(2001, 6, 1, "FOOD", -500, "bread", 5)});
        program.write("category.dat", std::string(540, 'c'));
        program.write("udf2.dat", "two");
        program.write("Rent.qbk", fileOf({entry(2001, 6, 1, "RENT", -90000, "rent")}));
        program.write("notes.txt", "not data");
        start();
        backupWindow = std::make_unique<frmBackup>(*window);
    }
    QString text(const char* label) const {
        return backupWindow->findChild<QLabel*>(label)->text();
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        auto* list = backupWindow->findChild<QListWidget*>("BackMeUp");
        for (int i = 0; i < list->count(); ++i)
            names.push_back(utf8(list->item(i)->text()));
        return names;
    }

    testing::TempFolder target;
    std::unique_ptr<frmBackup> backupWindow;
};

TEST_F(BackupWindowTest, SourceAndTargetStartAtTheDataFolderAndAreRefusedAsOne) {
    EXPECT_EQ(text("Backuplist"), qs(program.path()));
    EXPECT_EQ(text("BackUpTarget"), qs(program.path()));
    EXPECT_EQ(files(), (std::vector<std::string>{"category.dat", "qbk3.ini", "quillbank.dat",
                                                 "Rent.qbk", "udf2.dat"}));
    backupWindow->RunBackup_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"Target and source are the same! Please select a different target folder.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_EQ(text("BackUpProgress"), "progress");
}

TEST_F(BackupWindowTest, ALinkToTheDataFolderIsTheSameFolder) {
    const std::string link = target.file("book");
    ASSERT_EQ(::symlink(program.path().c_str(), link.c_str()), 0);
    ASSERT_TRUE(backupWindow->setTargetFolder(qs(link)));
    backupWindow->RunBackup_Click();
    EXPECT_EQ(prompts.last().text,
              "Target and source are the same! Please select a different target folder.");
}

TEST_F(BackupWindowTest, EveryDataFileIsCopiedOverTheTargetsOwn) {
    target.write("udf2.dat", "old pick list");
    target.write("other.txt", "kept");
    ASSERT_TRUE(backupWindow->setTargetFolder(qs(target.path())));
    EXPECT_EQ(text("BackUpTarget"), qs(realPath(target.path())));
    EXPECT_EQ(backupWindow->dirPath(), qs(realPath(target.path())));

    backupWindow->RunBackup_Click();
    EXPECT_EQ(prompts.last(),
              (Message{"Backup completed!", "Finished", Icon::Information, Buttons::Ok, 1}));
    // The settings are part of the book's backup; a user's own text files are not.
    for (const char* name : {"category.dat", "qbk3.ini", "quillbank.dat", "Rent.qbk", "udf2.dat"})
        EXPECT_EQ(target.read(name), program.read(name)) << name;
    EXPECT_FALSE(target.exists("notes.txt"));
    EXPECT_EQ(target.read("other.txt"), "kept");
    // The labels end in "/"; the progress shows the last file copied.
    EXPECT_EQ(text("BackUpTarget"), qs(realPath(target.path()) + "/"));
    EXPECT_EQ(text("Backuplist"), qs(program.path()));
    EXPECT_EQ(text("BackUpProgress"), "Copying: udf2.dat");
    EXPECT_EQ(backupWindow->findChild<QListWidget*>("BackMeUp")->currentRow(), 4);
}

TEST_F(BackupWindowTest, ATargetGoneBeforeTheCopyIsReportedAndNothingIsWritten) {
    const std::string gone = target.file("stick");
    std::filesystem::create_directory(gone);
    ASSERT_TRUE(backupWindow->setTargetFolder(qs(gone)));
    std::filesystem::remove(gone);
    backupWindow->RunBackup_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_NE(prompts.last().text.find("Error number: 76"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(gone));
    EXPECT_TRUE(backupWindow->findChild<QPushButton*>("RunBackup")->isEnabled());
}

// A failed copy leaves the target as it was: the backup is one change of it.
TEST_F(BackupWindowTest, AFailedCopyNamesTheFileAndStopsThere) {
    // A folder where the record file would go cannot be replaced by the copy.
    std::filesystem::create_directories(target.file("quillbank.dat") + "/inside");
    ASSERT_TRUE(backupWindow->setTargetFolder(qs(target.path())));
    backupWindow->RunBackup_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_NE(prompts.last().text.find("Error name: Could not copy quillbank.dat"),
              std::string::npos);
    EXPECT_FALSE(target.exists("category.dat"));
    EXPECT_FALSE(target.exists("qbk3.ini"));
    EXPECT_FALSE(target.exists("Rent.qbk"));
    EXPECT_FALSE(target.exists("udf2.dat"));
    EXPECT_EQ(text("BackUpProgress"), "Copying: quillbank.dat");
}

TEST_F(BackupWindowTest, ChoosingADriveMakesItsRootTheTarget) {
    auto* drives = backupWindow->findChild<QComboBox*>("BackUpDrive");
    const int root = drives->findText("/");
    ASSERT_GE(root, 0);
    drives->setCurrentIndex(root);
    backupWindow->BackUpDrive_Change();
    EXPECT_EQ(text("BackUpTarget"), "/");
    EXPECT_EQ(backupWindow->dirPath(), "/");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(BackupWindowTest, TheKeyboardPicksTheTargetCopiesAndCloses) {
    // The drive list sits between the two that have keys, one Tab from the folders.
    EXPECT_EQ(testing::keyboardGaps(backupWindow.get(), {"BackUpDrive"}), "");
    backupWindow->show();
    QApplication::setActiveWindow(backupWindow.get());
    QApplication::processEvents();
    auto* folders = backupWindow->findChild<QTreeView*>("BackUpDir");
    EXPECT_EQ(QApplication::focusWidget(), folders);
    key(folders, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "BackMeUp");
    key(folders, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), folders);

    ASSERT_TRUE(backupWindow->setTargetFolder(qs(target.path())));
    key(folders, Qt::Key_Return);  // Enter copies
    EXPECT_EQ(prompts.last().text, "Backup completed!");
    EXPECT_EQ(target.read("udf2.dat"), "two");
    key(folders, Qt::Key_Escape);
    EXPECT_FALSE(backupWindow->isVisible());
}

TEST_F(BackupWindowTest, AFolderThatDoesNotExistCannotBePicked) {
    EXPECT_FALSE(backupWindow->setTargetFolder(qs(target.file("missing"))));
    EXPECT_EQ(text("BackUpTarget"), qs(program.path()));
}

TEST_F(BackupWindowTest, TheMenuItemOpensTheWindowModally) {
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        shown = modal->objectName() + " " + modal->windowTitle();
        modal->findChild<QPushButton*>("StopBackup")->click();
    });
    window->runCommand("mu_Backup");
    EXPECT_EQ(shown, "frmBackup Quillbank Data Backup");
}

}  // namespace
}  // namespace qbk

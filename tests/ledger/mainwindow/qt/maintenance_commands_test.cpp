// The record-file maintenance commands in the window: sort, purge and restore of
// deleted entries, and the internal backup.
#include <sys/time.h>

#include <QMenu>
#include <QProgressBar>
#include <ctime>

#include "support/message_print.h"
#include "support/window_fixture.h"

namespace qbk {

namespace {

using testing::deleted;
using testing::entry;
using testing::fileOf;

class MaintenanceTest : public testing::WindowTest {
  protected:
    void SetUp() override { writeSettings(SettingsRecord::defaults()); }

    // Three entries of June 2001, the middle one deleted, and one of 2000 (outside the range).
    std::string threeLiveOneDeleted() {
        return fileOf({entry(2001, 6, 3, "FOOD", -1250, "fish", 4),
                       deleted(entry(2001, 6, 2, "CAR", -4000, "fuel", 3)),
                       deleted(entry(2001, 6, 1, "CAR", -700, "tyres", 2), "y"),
                       entry(2000, 5, 1, "GIFT", 2500, "cheque", 1)});
    }
    std::string book() const { return program.read("quillbank.dat"); }
    std::string backup() const { return program.read("quillbank.bak"); }
    std::string description(const char* whose, const char* counts) const {
        return std::string("Your ") + whose + " " + program.path() + " data file contains " +
               counts + " of which are marked for deletion. The file was last modified ";
    }
};

TEST_F(MaintenanceTest, TheCommandsStandInTheirMenusWithoutShortcuts) {
    start();
    struct Item {
        const char* name;
        const char* menu;
        const char* caption;
    };
    for (const Item& i :
         {Item{"mu_SortData", "mu_File", "S&ort Data"},
          Item{"mu_CreateBackup", "mu_File", "&Create Internal Backup File"},
          Item{"mu_RestoreBackup", "mu_File", "&Restore Internal Backup File"},
          Item{"mu_PurgeDeletedRecords", "mu_Records", "&Purge Deleted Records"},
          Item{"mu_RestoreDeletedRecords", "mu_Records", "&Restore Deleted Records"}}) {
        QAction* a = window->action(i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_TRUE(a->isVisible()) << i.name;
        EXPECT_EQ(a->text(), i.caption);
        EXPECT_TRUE(a->shortcut().isEmpty()) << i.name;
        EXPECT_TRUE(window->menu(i.menu)->actions().contains(a)) << i.name;
    }
}

// ---- Sort ----

class SortTest : public MaintenanceTest {
  protected:
    // What the window showed when the progress bar appeared.
    struct Seen : QObject {
        QBK_3_Main* window = nullptr;
        int shown = 0, maximum = -1;
        QString panel1;
        bool panel2Visible = true;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) {
                ++shown;
                maximum = window->progressBar()->maximum();
                panel1 = window->generalStatusBar()->panelText(1);
                panel2Visible = window->generalStatusBar()->isPanelVisible(2);
            }
            return false;
        }
    } seen;
    void watchProgress() {
        seen.window = window.get();
        window->progressBar()->installEventFilter(&seen);
    }
};

TEST_F(SortTest, SortPutsTheNewestFirstWithProgressAndResetsTheView) {
    writeBook({entry(2001, 6, 1, "FOOD", -100, "", 1), entry(2001, 6, 3, "FOOD", -300, "", 3),
               entry(2001, 6, 2, "CAR", -200, "", 2), entry(2001, 6, 2, "BANK", 900, "", 4)});
    start();
    const QString rangeLabel = panel(window->generalStatusBar(), 1);
    window->SetRange(30, 0);
    window->state().SearchText = "nothing";
    window->refreshList();
    EXPECT_EQ(rows(), 0);
    watchProgress();

    window->runCommand("mu_SortData");

    EXPECT_EQ(seen.shown, 1);
    EXPECT_EQ(seen.maximum, 4);
    EXPECT_EQ(seen.panel1,
              qs("Sorting " + program.file("quillbank.dat") + " ... press <ESC> to stop "));
    EXPECT_FALSE(seen.panel2Visible);
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_TRUE(window->generalStatusBar()->isPanelVisible(2));
    EXPECT_EQ(panel(window->generalStatusBar(), 1), rangeLabel);
    EXPECT_EQ(panel(window->generalStatusBar(), 2), qs(program.path()));
    EXPECT_TRUE(window->state().SearchText.empty());
    // Within a day, by category code.
    EXPECT_EQ(
        book(),
        fileOf({entry(2001, 6, 3, "FOOD", -300, "", 3), entry(2001, 6, 2, "BANK", 900, "", 4),
                entry(2001, 6, 2, "CAR", -200, "", 2), entry(2001, 6, 1, "FOOD", -100, "", 1)}));
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 4, 2, 1}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SortTest, AnEscapeBeforeTheSortDoesNotStopIt) {
    writeBook({entry(2001, 6, 1, "A", 100, "", 1), entry(2001, 6, 2, "A", 200, "", 2)});
    start();
    key(window->mainGrid(), Qt::Key_Escape);
    ASSERT_TRUE(window->state().DateDialDone);
    window->runCommand("mu_SortData");
    EXPECT_FALSE(window->state().DateDialDone);
    EXPECT_EQ(book(),
              fileOf({entry(2001, 6, 2, "A", 200, "", 2), entry(2001, 6, 1, "A", 100, "", 1)}));
}

TEST_F(SortTest, EmptyAndOneRecordFilesOnlyRebuildTheView) {
    start();
    watchProgress();
    window->runCommand("mu_SortData");
    EXPECT_EQ(seen.maximum, 0);
    EXPECT_EQ(book(), "");
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "0 Items");

    const std::string one = fileOf({entry(2001, 6, 1, "A", 100, "", 1)});
    program.write("quillbank.dat", one);
    window->runCommand("mu_SortData");
    EXPECT_EQ(seen.maximum, 1);
    EXPECT_EQ(book(), one);
    EXPECT_EQ(listedStamps(), (std::vector<double>{1}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SortTest, AnUnreadableRecordFileIsReportedAndTheWindowIsRestored) {
    start();
    window->state().RecordFilePath = program.file("gone/quillbank.dat");
    window->runCommand("mu_SortData");
    ASSERT_GE(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Error - operation aborted");
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_TRUE(window->generalStatusBar()->isPanelVisible(2));
}

// ---- Purge and restore of deleted entries ----

TEST_F(MaintenanceTest, PurgeRemovesOnlyUpperCaseMarksAndKeepsTheOldFileAsBackup) {
    const std::string old = threeLiveOneDeleted();
    program.write("quillbank.dat", old);
    start();
    prompts.answers = {Answer::No};
    window->runCommand("mu_PurgeDeletedRecords");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"When records are deleted, they are not actually removed, but just marked "
                       "for deletion. This function, however, actually removes all records "
                       "which are so marked. Proceed?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(book(), old);
    EXPECT_FALSE(program.exists("quillbank.bak"));

    prompts.answers = {Answer::Yes};
    window->runCommand("mu_PurgeDeletedRecords");
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.last(),
              (Message{"1 records which were marked for deletion have been removed.", "Finished!",
                       Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(book(), fileOf({entry(2001, 6, 3, "FOOD", -1250, "fish", 4),
                              deleted(entry(2001, 6, 1, "CAR", -700, "tyres", 2), "y"),
                              entry(2000, 5, 1, "GIFT", 2500, "cheque", 1)}));
    EXPECT_EQ(backup(), old);
    EXPECT_FALSE(program.exists("temp.dat"));
    EXPECT_EQ(listedStamps(), (std::vector<double>{4, 2}));
}

TEST_F(MaintenanceTest, PurgeOfAnEmptyFileStillReplacesTheBackup) {
    program.write("quillbank.bak", threeLiveOneDeleted());
    start();
    prompts.answers = {Answer::Yes};
    window->runCommand("mu_PurgeDeletedRecords");
    EXPECT_EQ(prompts.last().text, "0 records which were marked for deletion have been removed.");
    EXPECT_EQ(book(), "");
    EXPECT_TRUE(program.exists("quillbank.bak"));
    EXPECT_EQ(backup(), "");
}

TEST_F(MaintenanceTest, RestoreDeletedMarksUpperCaseMarksLiveAgain) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    start();
    EXPECT_EQ(listedStamps(), (std::vector<double>{4, 2}));
    prompts.answers = {Answer::No, Answer::Yes};
    window->runCommand("mu_RestoreDeletedRecords");
    EXPECT_EQ(book(), threeLiveOneDeleted());
    window->runCommand("mu_RestoreDeletedRecords");
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[0],
              (Message{"When records are deleted, they are not actually removed, but just marked "
                       "for deletion. This function restores all records which are so marked. "
                       "Proceed?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(prompts.last(),
              (Message{"1 records that were marked for deletion have been restored.", "Finished!",
                       Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(book(), fileOf({entry(2001, 6, 3, "FOOD", -1250, "fish", 4),
                              entry(2001, 6, 2, "CAR", -4000, "fuel", 3),
                              deleted(entry(2001, 6, 1, "CAR", -700, "tyres", 2), "y"),
                              entry(2000, 5, 1, "GIFT", 2500, "cheque", 1)}));
    EXPECT_EQ(listedStamps(), (std::vector<double>{4, 3, 2}));
}

// ---- The internal backup ----

TEST_F(MaintenanceTest, TheFirstBackupIsMadeWithoutAQuestion) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    start();
    window->runCommand("mu_CreateBackup");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"New backup file created!", "Finished", Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(backup(), threeLiveOneDeleted());
}

TEST_F(MaintenanceTest, ABackupHoldingRecordsIsReplacedOnlyOnYes) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    const std::string older = fileOf({entry(2001, 1, 1, "OLD", 100, "", 9)});
    program.write("quillbank.bak", older);
    ASSERT_TRUE(testing::setModified(program.file("quillbank.dat"), 2001, 6, 14, 15, 4, 5));
    ASSERT_TRUE(testing::setModified(program.file("quillbank.bak"), 2001, 6, 10, 9, 30, 0));
    start();

    prompts.answers = {Answer::No, Answer::Yes};
    window->runCommand("mu_CreateBackup");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(
        prompts.last(),
        (Message{description("current", "4 records, 1") + "06/14/2001 3:04:05 PM\r\n\r\n" +
                     description("backup", "1 records, 0") +
                     "06/10/2001 9:30:00 AM\r\n\r\nDo you wish to replace the existing backup "
                     "file with the current data? If you answer yes, you will be able to "
                     "restore your current data in the event you are displeased with an "
                     "import operation. Note, however, that this will over-write the "
                     "existing backup set!",
                 "Create backup data file?", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(backup(), older);

    window->runCommand("mu_CreateBackup");
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.last().text, "New backup file created!");
    EXPECT_EQ(backup(), threeLiveOneDeleted());
}

TEST_F(MaintenanceTest, RestoreWithoutABackupCreatesItEmptyAndHasNothingToDo) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    start();
    window->runCommand("mu_RestoreBackup");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), (Message{"Your backup data file for " + program.path() +
                                           "\r\ndoes not contain any records!",
                                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_TRUE(program.exists("quillbank.bak"));
    EXPECT_EQ(backup(), "");
    EXPECT_EQ(book(), threeLiveOneDeleted());
}

TEST_F(MaintenanceTest, RestoreAfterAPurgeBringsBackThePrePurgeFile) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    start();
    prompts.answers = {Answer::Yes};
    window->runCommand("mu_PurgeDeletedRecords");
    const std::string purged = book();
    ASSERT_TRUE(testing::setModified(program.file("quillbank.dat"), 2001, 6, 15, 12, 0, 0));
    ASSERT_TRUE(testing::setModified(program.file("quillbank.bak"), 2001, 6, 14, 23, 59, 59));
    prompts.messages.clear();

    prompts.answers = {Answer::No, Answer::Yes};
    window->runCommand("mu_RestoreBackup");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{description("current", "3 records, 0") + "06/15/2001 12:00:00 PM\r\n\r\n" +
                           description("backup", "4 records, 1") +
                           "06/14/2001 11:59:59 PM\r\n\r\nDo you wish to replace the current set "
                           "with the backup?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(book(), purged);

    window->runCommand("mu_RestoreBackup");
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.last(),
              (Message{"Previous data restored!", "Finished", Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(book(), threeLiveOneDeleted());
    EXPECT_EQ(backup(), threeLiveOneDeleted());
    EXPECT_EQ(listedStamps(), (std::vector<double>{4, 2}));
}

TEST_F(MaintenanceTest, ABackupWithoutOneWholeEntryIsNotRestored) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    program.write("quillbank.bak", std::string(60, 'x'));
    start();
    window->runCommand("mu_RestoreBackup");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_EQ(book(), threeLiveOneDeleted());
}

TEST_F(MaintenanceTest, BackupCommandsInAMissingFolderReportTheErrorAndChangeNothing) {
    program.write("quillbank.dat", threeLiveOneDeleted());
    start();
    window->state().DataFolder = program.path() + "gone/";
    for (const char* command : {"mu_CreateBackup", "mu_RestoreBackup"}) {
        prompts.messages.clear();
        window->runCommand(command);
        ASSERT_EQ(prompts.messages.size(), 1u) << command;
        EXPECT_EQ(prompts.last().title, "Error - operation aborted");
        EXPECT_EQ(prompts.last().icon, Icon::Critical);
    }
    EXPECT_FALSE(program.exists("gone"));
    EXPECT_EQ(book(), threeLiveOneDeleted());
}

}  // namespace
}  // namespace qbk

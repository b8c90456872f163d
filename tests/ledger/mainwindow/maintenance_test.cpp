#include "store/maintenance.h"
#include "mainwindow/maintenance_texts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cmath>
#include <ctime>
#include <filesystem>
#include <functional>
#include <random>

#include "exchange_sort.h"
#include "platform/errors.h"
#include "support/error_number.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::deleted;
using testing::entry;
using testing::errorNumberOf;
using testing::fileOf;
using testing::TempFolder;

std::vector<double> stampsOf(const RecordFileContent& content) {
    std::vector<double> s;
    for (std::size_t i = 1; i <= content.count(); ++i)
        s.push_back(entry_bytes::recordStamp(content.at(i)));
    return s;
}

RecordFileContent contentOf(const std::vector<EntryRecord>& records) {
    RecordFileContent c;
    c.records = fileOf(records);
    return c;
}

// ---- Sort ----

TEST(SortRecords, NewestDayFirstThenUpperCasedCodeWithBlanksThenOldOrder) {
    RecordFileContent c = contentOf({
        entry(2001, 3, 31, "b", 1, "", 1),
        entry(2001, 4, 1, "food", 1, "", 2),
        entry(2001, 4, 1, "A B", 1, "", 3),
        entry(2001, 4, 1, "AB", 1, "", 4),
        entry(2001, 4, 2, "x", 1, "", 5),
        entry(2001, 4, 1, "FOOD", 1, "", 6),
        entry(2001, 4, 1, "A", 1, "", 7),
        entry(2001, 4, 1, "\xC3\xA9t\xC3\xA9", 1, "", 8),  // "été" upper-cases to "ÉTÉ" (0xC9)
        entry(2001, 4, 1, "Zoo", 1, "", 9),
    });
    EXPECT_TRUE(sortRecords(c));
    // "A" + blanks < "A B" < "AB" (a blank is code 32); FOOD and food are equal keys.
    EXPECT_EQ(stampsOf(c), (std::vector<double>{5, 7, 3, 4, 2, 6, 9, 8, 1}));
}

TEST(SortRecords, KeepsASortedFileAndItsPartialTailAsTheyAre) {
    RecordFileContent empty;
    EXPECT_FALSE(sortRecords(empty));
    RecordFileContent one = contentOf({entry(2001, 4, 1, "A", 1, "", 1)});
    EXPECT_FALSE(sortRecords(one));

    RecordFileContent c =
        contentOf({entry(2001, 4, 1, "B", 1, "", 1), entry(2001, 4, 2, "A", 1, "", 2)});
    c.partialTail = "tail";
    const std::string second(c.at(2), entry_layout::kSize);
    EXPECT_TRUE(sortRecords(c));
    EXPECT_EQ(c.records.substr(0, entry_layout::kSize), second);
    EXPECT_EQ(c.partialTail, "tail");
    EXPECT_FALSE(sortRecords(c));
}

TEST(SortRecords, NoDateSortsAsTheOldestAndTimesOfDayDoNotCount) {
    EntryRecord broken = entry(2001, 4, 1, "A", 1, "", 1);
    broken.entryDate = std::nan("");
    EntryRecord huge = entry(2001, 4, 1, "A", 1, "", 5);
    huge.entryDate = 1e100;
    EntryRecord lateInTheDay = entry(2001, 4, 1, "B", 1, "", 2);
    lateInTheDay.entryDate += 0.75;
    RecordFileContent c = contentOf({broken, huge, lateInTheDay, entry(2001, 4, 1, "A", 1, "", 3),
                                     entry(1, 1, 1, "A", 1, "", 4)});
    sortRecords(c);
    EXPECT_EQ(stampsOf(c), (std::vector<double>{3, 2, 4, 1, 5}));
    // Records keep every byte, a NaN's included.
    EXPECT_EQ(c.records.substr(3 * entry_layout::kSize, entry_layout::kSize), encodeEntry(broken));
}

TEST(SortRecordFile, WritesTheSortedFileAndCountsItsRecords) {
    TempFolder dir;
    const std::vector<EntryRecord> r = {entry(2001, 4, 1, "B", 1, "", 1),
                                        entry(2001, 4, 3, "A", 1, "", 2)};
    dir.write("quillbank.dat", fileOf(r) + "xy");
    EXPECT_EQ(sortRecordFile(dir.file("quillbank.dat")), 2u);
    EXPECT_EQ(dir.read("quillbank.dat"), fileOf({r[1], r[0]}) + "xy");
    EXPECT_EQ(sortRecordFile(dir.file("missing.dat")), 0u);
    EXPECT_EQ(dir.read("missing.dat"), "");
    EXPECT_EQ(sortingStatusText("/books/quillbank.dat"),
              "Sorting /books/quillbank.dat ... press <ESC> to stop ");
}

// The exchange sort on keys whose tie digit depends on the record keyed just before
// ends in the order above, except that the first record of the newest day may be held
// out of it by the tie digit left from earlier keys. Without that record the two
// results are the same.
TEST(SortRecords, AgreesWithTheExchangeSortOfKeysApartFromItsFirstRecord) {
    const std::vector<std::string> codes = {"A",
                                            "a",
                                            "B",
                                            "b",
                                            "AB",
                                            "ab",
                                            "A B",
                                            " A",
                                            "",
                                            "Z",
                                            "z",
                                            "a b",
                                            "AB1",
                                            "AB-",
                                            "FOOD",
                                            "food",
                                            "\xC3\xA9t\xC3\xA9",
                                            "\xC3\x89T\xC3\x89"};
    const int kFiles = 5000;
    std::mt19937 random(2001);
    SortKeyMemory memory;  // one previous category for the whole run, as in the program
    int exact = 0, firstHeldOut = 0;
    for (int file = 0; file < kFiles; ++file) {
        const int n = static_cast<int>(random() % 13);
        const int days = 1 + static_cast<int>(random() % 3);
        std::vector<EntryRecord> records;
        for (int i = 0; i < n; ++i)
            records.push_back(entry(2001, 4, 1 + static_cast<int>(random() % days),
                                    codes[random() % codes.size()], 1, "", i + 1));
        // Other work of the program keys records between two sorts.
        if (random() % 4 == 0)
            sortformat(records.empty() ? 0 : records[0].entryDate,
                       fitField(codes[random() % codes.size()], 10), memory);

        RecordFileContent literal = contentOf(records);
        testing::exchangeSortByKeys(literal, memory);
        RecordFileContent fast = contentOf(records);
        sortRecords(fast);

        std::vector<double> a = stampsOf(literal), b = stampsOf(fast);
        if (a == b) {
            ++exact;
            continue;
        }
        ++firstHeldOut;
        const double first = a.front();
        a.erase(a.begin());
        b.erase(std::find(b.begin(), b.end(), first));
        ASSERT_EQ(a, b) << "file " << file;
    }
    // Both outcomes occur (about two files in three come out the same).
    EXPECT_GT(exact, 2500);
    EXPECT_GT(firstHeldOut, 500);
}

// ---- Purge and restore of deleted entries ----

class PurgeTest : public ::testing::Test {
  protected:
    std::string records() const { return dir.file("quillbank.dat"); }
    TempFolder dir;
};

TEST_F(PurgeTest, RemovesExactlyTheEntriesMarkedYAndKeepsTheOldFileAsBackup) {
    const std::vector<EntryRecord> r = {
        entry(2001, 4, 3, "A", 1, "", 1), deleted(entry(2001, 4, 2, "A", 1, "", 2)),
        deleted(entry(2001, 4, 1, "A", 1, "", 3), "y"), entry(2001, 3, 1, "B", 1, "", 4),
        deleted(entry(2001, 2, 1, "A", 1, "", 5))};
    const std::string before = fileOf(r) + "abc";
    dir.write("quillbank.dat", before);
    dir.write("quillbank.bak", "an older backup");
    EXPECT_EQ(purgeDeletedRecords(records(), dir.path()), 2u);
    EXPECT_EQ(dir.read("quillbank.dat"), fileOf({r[0], r[2], r[3]}) + "abc");
    EXPECT_EQ(dir.read("quillbank.bak"), before);
    EXPECT_FALSE(dir.exists("temp.dat"));
    EXPECT_EQ(purgeFinishedMessage(2),
              (Message{"2 records which were marked for deletion have been removed.", "Finished!",
                       Icon::Information, Buttons::Ok, 1}));
}

TEST_F(PurgeTest, TheNewFileAndTheBackupAreAsPrivateAsTheRecordFile) {
    dir.write("quillbank.dat", fileOf({deleted(entry(2001, 4, 1, "A", 1))}));
    ::chmod(records().c_str(), 0600);
    purgeDeletedRecords(records(), dir.path());
    struct stat st {};
    ::stat(records().c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::stat(dir.file("quillbank.bak").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    std::filesystem::remove(dir.file("quillbank.bak"));
    createInternalBackup(dir.path());
    ::stat(dir.file("quillbank.bak").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(PurgeTest, ALinkedRecordFileStaysALinkAndItsTargetIsPurged) {
    TempFolder elsewhere;  // any folder, as a link may point to another file system
    const std::vector<EntryRecord> r = {deleted(entry(2001, 4, 1, "A", 1, "", 1)),
                                        entry(2001, 4, 1, "B", 1, "", 2)};
    elsewhere.write("real.dat", fileOf(r));
    std::filesystem::create_symlink(elsewhere.file("real.dat"), records());
    EXPECT_EQ(purgeDeletedRecords(records(), dir.path()), 1u);
    EXPECT_TRUE(std::filesystem::is_symlink(records()));
    EXPECT_EQ(elsewhere.read("real.dat"), fileOf({r[1]}));
    EXPECT_EQ(dir.read("quillbank.bak"), fileOf(r));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"quillbank.bak", "quillbank.dat"}));
}

TEST_F(PurgeTest, AnEmptyFileStillReplacesTheBackup) {
    dir.write("quillbank.dat", "");
    dir.write("quillbank.bak", fileOf({entry(2001, 4, 1, "A", 1)}));
    EXPECT_EQ(purgeDeletedRecords(records(), dir.path()), 0u);
    EXPECT_EQ(dir.read("quillbank.bak"), "");
    EXPECT_EQ(dir.read("quillbank.dat"), "");
    EXPECT_EQ(purgeFinishedMessage(0).text,
              "0 records which were marked for deletion have been removed.");
}

// The book's internal backup stays: the old macro file is kept beside the macro.
TEST_F(PurgeTest, AMacroFileIsPurgedInPlaceWithItsBackupBesideIt) {
    TempFolder elsewhere;
    const std::vector<EntryRecord> m = {deleted(entry(2001, 4, 1, "A", 1, "", 1)),
                                        entry(2001, 4, 1, "B", 1, "", 2)};
    elsewhere.write("bills.qbk", fileOf(m));
    dir.write("quillbank.dat", fileOf({entry(2001, 1, 1, "C", 1)}));
    EXPECT_EQ(purgeDeletedRecords(elsewhere.file("bills.qbk"), dir.path()), 1u);
    EXPECT_EQ(elsewhere.read("bills.qbk"), fileOf({m[1]}));
    EXPECT_EQ(elsewhere.read("bills.qbk.bak"), fileOf(m));
    EXPECT_FALSE(dir.exists("quillbank.bak"));
    EXPECT_EQ(purgeFinishedMessage(1, elsewhere.file("bills.qbk.bak")).text,
              "1 records which were marked for deletion have been removed. The file as it was "
              "before is kept as " +
                  elsewhere.file("bills.qbk.bak") + ".");
    EXPECT_EQ(dir.read("quillbank.dat"), fileOf({entry(2001, 1, 1, "C", 1)}));
    EXPECT_FALSE(dir.exists("temp.dat"));
    EXPECT_FALSE(elsewhere.exists("temp.dat"));
}

TEST_F(PurgeTest, AFailingStepLeavesTheRecordFileAndNoWorkFile) {
    const std::string before = fileOf({deleted(entry(2001, 4, 1, "A", 1, "", 1))});
    dir.write("quillbank.dat", before);
    // The backup cannot be replaced: a folder of that name is in the way.
    std::filesystem::create_directories(dir.file("quillbank.bak/inside"));
    EXPECT_NE(errorNumberOf([&] { purgeDeletedRecords(records(), dir.path()); }), 0);
    EXPECT_EQ(dir.read("quillbank.dat"), before);
    EXPECT_FALSE(dir.exists("temp.dat"));

    // The work file cannot be written.
    std::filesystem::remove_all(dir.file("quillbank.bak"));
    std::filesystem::create_directories(dir.file("temp.dat/inside"));
    EXPECT_NE(errorNumberOf([&] { purgeDeletedRecords(records(), dir.path()); }), 0);
    EXPECT_EQ(dir.read("quillbank.dat"), before);
    EXPECT_FALSE(dir.exists("quillbank.bak"));

    // A missing data folder.
    EXPECT_EQ(errorNumberOf(
                  [&] { purgeDeletedRecords(dir.file("gone/quillbank.dat"), dir.file("gone/")); }),
              errnum::kPathNotFound);
}

TEST_F(PurgeTest, RestoreMarksOnlyEntriesMarkedYLive) {
    const std::vector<EntryRecord> r = {deleted(entry(2001, 4, 2, "A", 1, "", 1)),
                                        deleted(entry(2001, 4, 1, "A", 1, "", 2), "y"),
                                        entry(2001, 3, 1, "A", 1, "", 3)};
    dir.write("quillbank.dat", fileOf(r));
    EXPECT_EQ(restoreDeletedRecords(records()), 1u);
    EXPECT_EQ(dir.read("quillbank.dat"), fileOf({deleted(r[0], "N"), r[1], r[2]}));
    EXPECT_EQ(restoreDeletedRecords(records()), 0u);
    EXPECT_EQ(restoreDeletedFinishedMessage(1),
              (Message{"1 records that were marked for deletion have been restored.", "Finished!",
                       Icon::Information, Buttons::Ok, 1}));
}

TEST(PurgeQuestions, AskBeforeTouchingTheFile) {
    EXPECT_EQ(purgeQuestion(),
              (Message{"When records are deleted, they are not actually removed, but just marked "
                       "for deletion. This function, however, actually removes all records which "
                       "are so marked. Proceed?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(restoreDeletedQuestion(),
              (Message{"When records are deleted, they are not actually removed, but just marked "
                       "for deletion. This function restores all records which are so marked. "
                       "Proceed?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
}

// ---- The internal backup ----

class BackupTest : public ::testing::Test {
  protected:
    TempFolder dir;
    RegionalSettings us = RegionalSettings::unitedStates();
};

TEST_F(BackupTest, DescriptionsCountRecordsAndDeletedOnesAndShowTheTime) {
    dir.write("quillbank.dat",
              fileOf({entry(2001, 4, 1, "A", 1), deleted(entry(2001, 4, 1, "A", 1)),
                      deleted(entry(2001, 4, 1, "A", 1), "y")}));
    ASSERT_TRUE(testing::setModified(dir.file("quillbank.dat"), 2001, 4, 1, 15, 4, 5));
    dir.write("quillbank.bak", fileOf({entry(2001, 4, 1, "A", 1)}) + "12345");
    ASSERT_TRUE(testing::setModified(dir.file("quillbank.bak"), 2000, 12, 31, 0, 0, 9));
    const BackupDescriptions d = describeBackupFiles(dir.path(), us);
    EXPECT_EQ(d.current.text, "Your current " + dir.path() +
                                  " data file contains 3 records, 1 of which are marked for "
                                  "deletion. The file was last modified 04/01/2001 3:04:05 PM");
    EXPECT_EQ(d.backup.text, "Your backup " + dir.path() +
                                 " data file contains 1.04 records, 0 of which are marked for "
                                 "deletion. The file was last modified 12/31/2000 12:00:09 AM");
    EXPECT_TRUE(d.backup.holdsRecords());
    EXPECT_EQ(recordCountText(130, RegionalSettings::germany()), "1,04");
    EXPECT_EQ(recordCountText(250, us), "2");

    EXPECT_EQ(createBackupQuestion(d),
              (Message{d.current.text + "\r\n\r\n" + d.backup.text +
                           "\r\n\r\nDo you wish to replace the existing backup file with the "
                           "current data? If you answer yes, you will be able to restore your "
                           "current data in the event you are displeased with an import "
                           "operation. Note, however, that this will over-write the existing "
                           "backup set!",
                       "Create backup data file?", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(restoreBackupQuestion(d),
              (Message{d.current.text + "\r\n\r\n" + d.backup.text +
                           "\r\n\r\nDo you wish to replace the current set with the backup?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
}

TEST_F(BackupTest, WithoutABackupCreateAsksNothingAndRestoreHasNothingToDo) {
    const std::string book = fileOf({entry(2001, 4, 1, "A", 1, "", 1)});
    dir.write("quillbank.dat", book);
    const BackupDescriptions d = describeBackupFiles(dir.path(), us);
    EXPECT_TRUE(dir.exists("quillbank.bak"));
    EXPECT_FALSE(d.backup.holdsRecords());
    EXPECT_EQ(d.current.records, 1.0);
    EXPECT_FALSE(restoreInternalBackup(dir.path()));
    EXPECT_EQ(dir.read("quillbank.dat"), book);
    EXPECT_EQ(
        nothingToRestoreMessage(dir.path()),
        (Message{"Your backup data file for " + dir.path() + "\r\ndoes not contain any records!",
                 "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));

    createInternalBackup(dir.path());
    EXPECT_EQ(dir.read("quillbank.bak"), book);
    EXPECT_EQ(backupCreatedMessage(),
              (Message{"New backup file created!", "Finished", Icon::Information, Buttons::Ok, 1}));
}

TEST_F(BackupTest, RestoreAfterAPurgeBringsBackTheDeletedEntries) {
    const std::string book =
        fileOf({entry(2001, 4, 1, "A", 1, "", 1), deleted(entry(2001, 3, 1, "A", 1, "", 2))});
    dir.write("quillbank.dat", book);
    purgeDeletedRecords(dir.file("quillbank.dat"), dir.path());
    EXPECT_TRUE(restoreInternalBackup(dir.path()));
    EXPECT_EQ(dir.read("quillbank.dat"), book);
    EXPECT_EQ(dir.read("quillbank.bak"), book);
    EXPECT_EQ(backupRestoredMessage(),
              (Message{"Previous data restored!", "Finished", Icon::Information, Buttons::Ok, 1}));
}

TEST_F(BackupTest, FailuresChangeNothing) {
    // No record file to copy.
    dir.write("quillbank.bak", "backup");
    EXPECT_EQ(errorNumberOf([&] { createInternalBackup(dir.path()); }), errnum::kFileNotFound);
    EXPECT_EQ(dir.read("quillbank.bak"), "backup");

    // A folder in the way of the record file.
    std::filesystem::create_directories(dir.file("quillbank.dat/inside"));
    EXPECT_NE(errorNumberOf([&] { restoreInternalBackup(dir.path()); }), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("quillbank.dat/inside")));
    EXPECT_EQ(dir.read("quillbank.bak"), "backup");

    EXPECT_EQ(errorNumberOf([&] { describeBackupFiles(dir.file("gone/"), us); }),
              errnum::kPathNotFound);
    EXPECT_EQ(errorNumberOf([&] { restoreInternalBackup(dir.file("gone/")); }),
              errnum::kPathNotFound);
}

}  // namespace
}  // namespace qbk

// Undo and redo of the changes of a book: the files come back byte for byte, and a
// change another program made since is never overwritten.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/book_lock.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/undo_history.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/maintenance.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class UndoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setUndoWriter("window-1");
        EntryRecord deleted = entry(2001, 3, 1, "B", -5, "old", 2);
        deleted.deletedMark = "Y";
        dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 100, "", 1), deleted,
                                           entry(2001, 5, 1, "C", 7, "", 3)}));
    }
    std::string book() const { return dir.read("quillbank.dat"); }
    std::string path() const { return dir.file("quillbank.dat"); }
    UndoResult undo() { return undoLastChange(dir.path()); }
    UndoResult redo() { return redoLastChange(dir.path()); }

    testing::TempFolder dir;
    ManualClock clock{serialFromDate(2001, 6, 1), 100};
    StampSource stamps{clock};
    SortKeyMemory memory;
};

TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneByteForByte) {
    const std::string original = book();
    // New entry, replace in place, sort, purge (which also writes quillbank.bak).
    EntryRecord added = entry(2001, 6, 1, "D", 1);
    FileNewEntry(path(), added, memory, stamps);
    const std::string afterNew = book();
    EntryRecord replaced = entry(2001, 6, 2, "E", 2);
    replaceOpened(path(), *openRecord(path(), 1, 2), replaced, &stamps);
    const std::string afterReplace = book();
    sortRecordFile(path());
    const std::string afterSort = book();
    purgeDeletedRecords(path(), dir.path());
    const std::string afterPurge = book();
    ASSERT_NE(afterSort, afterPurge);

    for (const std::string* expected : {&afterSort, &afterReplace, &afterNew, &original}) {
        ASSERT_EQ(undo(), UndoResult::Done);
        EXPECT_EQ(book(), *expected);
    }
    EXPECT_FALSE(dir.exists("quillbank.bak"));
    EXPECT_EQ(undo(), UndoResult::NothingToUndo);
    for (const std::string* expected : {&afterNew, &afterReplace, &afterSort, &afterPurge}) {
        ASSERT_EQ(redo(), UndoResult::Done);
        EXPECT_EQ(book(), *expected);
    }
    EXPECT_EQ(redo(), UndoResult::NothingToUndo);
}

TEST_F(UndoTest, AChangeMadeSinceBlocksTheUndoAndANewChangeEndsTheRedo) {
    EntryRecord added = entry(2001, 6, 1, "D", 1);
    FileNewEntry(path(), added, memory, stamps);
    // Another program writes the book without this history (as the Windows program would).
    const std::string outside = book() + fileOf({entry(2001, 1, 1, "X", 9, "", 99)});
    dir.write("quillbank.dat", outside);
    EXPECT_EQ(undo(), UndoResult::ChangedSince);
    EXPECT_EQ(book(), outside);

    dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 100, "", 1)}));
    EntryRecord again = entry(2001, 6, 3, "F", 1);
    FileNewEntry(path(), again, memory, stamps);
    ASSERT_EQ(undo(), UndoResult::Done);
    EntryRecord third = entry(2001, 6, 4, "G", 1);
    FileNewEntry(path(), third, memory, stamps);
    EXPECT_EQ(redo(), UndoResult::NothingToUndo);
}

// A category recode writes two files in one change; a window undoes only its own.
TEST_F(UndoTest, AChangeOfTwoFilesComesBackWholeAndAWindowUndoesOnlyItsOwn) {
    const std::string original = book();
    {
        const BookLock lock(dir.path());
        CategoryRecord food;
        food.catCode = fitField("FOOD", 10);
        writeCategories(dir.file("category.dat"), {food});
        EntryRecord added = entry(2001, 6, 1, "FOOD", 1);
        FileNewEntry(path(), added, memory, stamps);
    }
    setUndoWriter("qbk3-cli-7");
    EntryRecord other = entry(2001, 6, 2, "D", 1);
    FileNewEntry(path(), other, memory, stamps);
    EXPECT_EQ(undoLastChange(dir.path(), "window-1"), UndoResult::OtherWriter);
    EXPECT_EQ(undoLastChange(dir.path()), UndoResult::Done);
    EXPECT_EQ(undoLastChange(dir.path(), "window-1"), UndoResult::Done);
    EXPECT_EQ(book(), original);
    EXPECT_FALSE(dir.exists("category.dat"));
}

// A change that fails part way is no change: the files it wrote come back at once.
TEST_F(UndoTest, AChangeLeftByAnExceptionPutsEveryFileBack) {
    const std::string original = book();
    try {
        const BookLock lock(dir.path());
        writeCategories(dir.file("category.dat"), testing::categoriesOf({{"FOOD", "Food"}}));
        EntryRecord added = entry(2001, 6, 1, "FOOD", 1);
        FileNewEntry(path(), added, memory, stamps);
        throw OperationError(errnum::kDiskFull, "Disk full");
    } catch (const OperationError&) {
    }
    EXPECT_EQ(book(), original);
    EXPECT_FALSE(dir.exists("category.dat"));
    EXPECT_EQ(undo(), UndoResult::NothingToUndo);
}

// An undo store entry this program did not write is refused, and nothing changes: a
// step that is a link, a patch far past the end of the file, a name that undo leaves
// alone, bytes that are no manifest.
TEST_F(UndoTest, ATamperedUndoStoreIsRefusedAndChangesNothing) {
    useBookFileRules();
    const std::string entryFolder = dir.file(".quillbank-undo/1");
    const auto tamper = [&](const std::string& manifest, const std::function<void()>& more) {
        std::filesystem::remove_all(dir.file(".quillbank-undo"));
        EntryRecord added = entry(2001, 6, 1, "D", 1);
        FileNewEntry(path(), added, memory, stamps);
        const std::string now = book();
        const std::string sig = dir.read(".quillbank-undo/1/manifest");
        const std::string after = sig.substr(sig.find("after "));
        if (!manifest.empty()) dir.write(".quillbank-undo/1/manifest", manifest + after);
        if (more) more();
        EXPECT_EQ(undo(), UndoResult::Unreadable) << manifest;
        EXPECT_EQ(book(), now);
    };
    tamper("by x\nwhole 1 quillbank.dat\n", [&] {
        dir.write("elsewhere", "outside");
        std::filesystem::remove(dir.file(".quillbank-undo/1/step0"));
        std::filesystem::create_symlink(dir.file("elsewhere"), entryFolder + "/step0");
    });
    tamper("by x\npatch 1 1000000000000 375 0 quillbank.dat\n", nullptr);
    tamper("by x\nwhole 1 qbk3.ini\nwhole 1 ../quillbank.dat\n", nullptr);
    tamper("", [&] { dir.write(".quillbank-undo/1/manifest", "\x01\x02 random bytes\n"); });
    EXPECT_EQ(undoResultText(UndoResult::Unreadable, "Undo"),
              "The undo history of the book was not written by this program and cannot be "
              "used; nothing was done.");
    EXPECT_FALSE(std::filesystem::exists(dir.file("qbk3.ini")));
}

}  // namespace
}  // namespace qbk

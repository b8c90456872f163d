// Which record the window writes: books of the Windows program hold records that share a
// stamp and stamps of 16-17 digits, and another program may change the book while the
// window shows it.
#include <QElapsedTimer>
#include <QtTest>
#include <fstream>

#include "entry_window.h"
#include "mainwindow/entry_editing.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

// 00:00:42.1875 on 5 November 2039: 17 significant digits, never read back from text.
constexpr double kLongStamp = 51082.00048828125;

class EntryIdentityTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        writeSampleBook();
        book = {entry(2001, 6, 10, "FOOD", -1250, "first twin", 37000.5),
                entry(2001, 6, 8, "CAR", -4000, "second twin", 37000.5),
                entry(2001, 6, 6, "FOOD", 2000, "long stamp", kLongStamp)};
        writeBook(book);
        startWith();
    }
    // The file with record `i` (from 0) changed as `change` says, the others as before.
    std::string bookWith(std::size_t i, const EntryRecord& changed) const {
        std::vector<EntryRecord> expected = book;
        expected[i] = changed;
        return fileOf(expected);
    }
    std::vector<EntryRecord> book;
};

TEST_F(EntryIdentityTest, EachTwinAndTheLongStampOpenAndReplaceTheirOwnRecord) {
    for (std::size_t row = 0; row < 3; ++row) {
        writeBook(book);
        window->refreshList();
        openRow(static_cast<int>(row));
        ASSERT_TRUE(formOpen()) << row;
        EXPECT_EQ(text("NoteBox"), trimBlanks(book[row].note)) << row;
        type("NoteBox", "edited");
        prompts.answers = {Answer::Yes};
        click(book[row].amount.isNegative() ? "ReplaceExpenseButton" : "ReplaceIncomeButton");
        ASSERT_FALSE(formOpen()) << row;
        const std::vector<EntryRecord> after = records();
        for (std::size_t other = 0; other < 3; ++other) {
            if (other == row) {
                EXPECT_EQ(trimBlanks(after[row].note), "edited");
            } else {
                EXPECT_EQ(encodeEntry(after[other]), encodeEntry(book[other])) << row << other;
            }
        }
    }
}

TEST_F(EntryIdentityTest, EachTwinAndTheLongStampDeleteTheirOwnRecord) {
    for (std::size_t row = 0; row < 3; ++row) {
        writeBook(book);
        window->refreshList();
        openRow(static_cast<int>(row));
        prompts.answers = {Answer::Yes};
        click("DeleteButton");
        EntryRecord deleted = book[row];
        deleted.deletedMark = "Y";
        EXPECT_EQ(program.read("quillbank.dat"), bookWith(row, deleted)) << row;
    }
}

TEST_F(EntryIdentityTest, AnOpenedRecordChangedByAnotherProgramIsNotOverwritten) {
    openRow(2);
    EntryRecord outside = book[2];
    outside.note = fitField("changed outside", 60);
    writeBook({book[0], book[1], outside});
    const std::string changed = program.read("quillbank.dat");
    prompts.answers = {Answer::Yes};
    click("DeleteButton");
    EXPECT_EQ(prompts.last(), entryGoneMessage());
    EXPECT_EQ(program.read("quillbank.dat"), changed);
    EXPECT_TRUE(formOpen());
}

// What qbk3-cli add does to the book while the window shows it: the list follows, and
// the entry that was current stays current.
TEST_F(EntryIdentityTest, TheListFollowsAnEntryAddedByAnotherProgram) {
    window->selectMainGridRow(2);
    ManualClock otherClock(serialFromDate(2001, 6, 15), 50000);
    StampSource otherStamps(otherClock);
    SortKeyMemory memory;
    EntryRecord added = entry(2001, 6, 12, "CAR", -700, "added outside", 0);
    FileNewEntry(program.file("quillbank.dat"), added, memory, otherStamps);
    QElapsedTimer waited;
    waited.start();
    while (rows() < 4 && waited.elapsed() < 5000)
        QTest::qWait(20);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(records()[0].note.substr(0, 13), "added outside");
    EXPECT_EQ(listedStamps()[0], records()[0].recordStamp);
    EXPECT_EQ(window->mainGrid()->currentIndex().row(), 3);  // the long stamp, moved down
}

// Records > Undo takes back this window's last change, byte for byte, and nothing that
// another program changed since.
TEST_F(EntryIdentityTest, UndoAndRedoTheWindowsLastChange) {
    const std::string before = program.read("quillbank.dat");
    openRow(2);
    prompts.answers = {Answer::Yes};
    click("DeleteButton");
    const std::string deleted = program.read("quillbank.dat");
    ASSERT_NE(deleted, before);
    window->findChild<QAction*>("mu_Undo")->trigger();
    EXPECT_EQ(program.read("quillbank.dat"), before);
    EXPECT_EQ(rows(), 3);
    window->findChild<QAction*>("mu_Redo")->trigger();
    EXPECT_EQ(program.read("quillbank.dat"), deleted);
    EXPECT_EQ(rows(), 2);

    writeBook(book);  // another program, without this history
    window->findChild<QAction*>("mu_Undo")->trigger();
    EXPECT_EQ(prompts.last().text, "The book has changed since; nothing was done.");
    EXPECT_EQ(program.read("quillbank.dat"), fileOf(book));
}

// The window follows the book by its path: after its own purge replaced the file (the
// old one lives on in the undo history), a change another program makes in place shows.
TEST_F(EntryIdentityTest, TheListFollowsTheBookAfterTheWindowReplacedIt) {
    prompts.answers = {Answer::Yes, Answer::Ok};
    window->findChild<QAction*>("mu_PurgeDeletedRecords")->trigger();
    ASSERT_EQ(rows(), 3);
    std::ofstream(program.file("quillbank.dat"), std::ios::app | std::ios::binary)
        << fileOf({entry(2001, 6, 12, "CAR", -100, "appended elsewhere", 37001)});
    QTRY_COMPARE_WITH_TIMEOUT(rows(), 4, 5000);
}

}  // namespace
}  // namespace qbk

// Every command that changes several files of a book, failed at every file operation it
// makes, once as a crash (the process ends on the spot) and once as a full disk: the
// next writer finds the book's files all as they were or all as the command left them,
// and undo still takes the change back.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <sstream>

#include "cli/cli.h"
#include "platform/book_lock.h"
#include "platform/fault_injection.h"
#include "platform/undo_history.h"
#include "platform/windows1252.h"
#include "store/book_files.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using testing::TempFolder;

// The book's files by name, without the undo store.
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const TempFolder& book, bool undoableOnly = false) {
    Snapshot files;
    for (const std::string& name : book.names()) {
        if (name[0] == '.' || (undoableOnly && !isUndoneWithTheBook(name))) continue;
        files[name] = book.read(name);
    }
    return files;
}

class TransactionFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        setUndoWriter("faults");
        // Thousands of synced writes: on a memory file system a sync costs nothing.
        if (::access("/dev/shm", W_OK) == 0) ::setenv("TMPDIR", "/dev/shm", 1);
    }

    int run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        CliContext cx{out, err, clock, RegionalSettings::unitedStates(), program.path()};
        return runCli(args, cx);
    }
    // `args` with BOOK standing for the data folder.
    std::vector<std::string> in(const TempFolder& book, std::vector<std::string> args) {
        for (std::string& a : args)
            if (a == "BOOK") a = book.path();
        return args;
    }
    void makeBook(const TempFolder& book) {
        writeCategories(book.file("category.dat"),
                        testing::categoriesOf({{"CAR", "Car"}, {"FOOD", "Food"}, {"PAY", "Pay"}}));
        EntryRecord bread = entry(2001, 5, 3, "FOOD", -1250, "bread", 37000.5);
        bread.setCleared(ClearedState::Cleared);
        book.write("quillbank.dat",
                   fileOf({bread, entry(2001, 5, 1, "CAR", -4000, "fuel", 37000.25),
                           entry(2001, 4, 9, "FOOD", -800, "milk", 37000.125),
                           entry(2001, 6, 1, "PAY", 250000, "salary", 37000.75)}));
        book.write("udf1.dat", "");
        if (withSchedules)
            book.write("schedules.txt",
                       "1\tmonth\t1\t31\t20010131\t-\t-\t20010430\tentry\t-700\tCAR\tlease\t\t\r\n"
                       "2\tweek\t1\t0\t20010601\t-\t3\t-\tentry\t250\tPAY\ttips\t\t\r\n");
        // Category renames and deletes rewrite the budget in their change.
        book.write("budget.txt", "2001-05\t-100.00\tFOOD\r\n2001-06\t-50.00\tCAR\r\n");
        // One change already kept, which a rolled-back command must not disturb.
        ASSERT_EQ(run(in(book, {"add", "BOOK", "--expense", "3", "--category", "CAR"})), 0);
    }

    // Fails `args` at every file operation, both ways, and checks each outcome: a change
    // that stands is taken back by `takeBack` (undo, or redo for an undo).
    void failEverywhere(const std::vector<std::string>& args, bool undoIt = true) {
        TempFolder base;
        makeBook(base);
        const Snapshot before = snapshot(base);
        const Snapshot beforeUndoable = snapshot(base, true);
        TempFolder clean;
        makeBook(clean);
        ASSERT_EQ(run(in(clean, args)), 0) << args[0];
        const Snapshot after = snapshot(clean);
        ASSERT_NE(after, before) << args[0];

        for (const fault::Kind kind : {fault::Kind::Crash, fault::Kind::DiskFull}) {
            const char* how = kind == fault::Kind::Crash ? "crash" : "full disk";
            bool finished = false;
            for (std::uint64_t n = 1; !finished && n < 2000; ++n) {
                TempFolder book;
                makeBook(book);
                if (kind == fault::Kind::Crash) {
                    const pid_t child = ::fork();
                    if (child == 0) {
                        fault::arm(kind, n);
                        ::_exit(run(in(book, args)));
                    }
                    int status = 0;
                    ::waitpid(child, &status, 0);
                    finished = WIFEXITED(status) && WEXITSTATUS(status) != fault::kCrashExit;
                } else {
                    fault::arm(kind, n);
                    const int status = run(in(book, args));
                    finished = fault::pointsPassed() < n;
                    fault::disarm();
                    if (finished) {
                        EXPECT_EQ(status, 0) << how << " never came";
                    }
                }
                { const BookLock next(book.path()); }
                const Snapshot now = snapshot(book);
                ASSERT_TRUE(now == before || now == after)
                    << args[0] << ": " << how << " at file operation " << n << " tore the book";
                if (now == before) continue;
                // A change that stands can be undone, back to the book as it was.
                const UndoResult undone =
                    undoIt ? undoLastChange(book.path()) : redoLastChange(book.path());
                ASSERT_EQ(undone, UndoResult::Done) << args[0] << ": " << how << " at " << n;
                if (kind == fault::Kind::Crash) {
                    EXPECT_EQ(snapshot(book, true), beforeUndoable)
                        << args[0] << ": crash at " << n;
                }
            }
            EXPECT_TRUE(finished) << args[0] << " ran past 2000 file operations";
        }
    }

    bool withSchedules = false;
    TempFolder program;
    ManualClock clock{serialFromDate(2001, 6, 15), 43200};
};

TEST_F(TransactionFaults, EntriesWithNewPickListValues) {
    failEverywhere({"add", "BOOK", "--expense", "9.99", "--category", "FOOD", "--user1", "NEWSHOP",
                    "--user2", "CASH"});
}

TEST_F(TransactionFaults, CategoryRenameAndDeleteWithTheirEntries) {
    failEverywhere({"category", "rename", "BOOK", "FOOD", "MEALS"});
    failEverywhere({"category", "delete", "BOOK", "CAR", "--mark-entries-deleted"});
}

TEST_F(TransactionFaults, BudgetSetAndCopy) {
    failEverywhere({"budget", "set", "BOOK", "FOOD", "-400"});
    failEverywhere({"budget", "copy", "BOOK", "--from-year", "2001", "--to-year", "2002"});
}

TEST_F(TransactionFaults, SortPurgeAndPlayBack) {
    failEverywhere({"sort", "BOOK"});
    failEverywhere({"purge", "BOOK"});
    TempFolder macros;
    macros.write("bills.qbk", fileOf({entry(2001, 1, 1, "CAR", -100, "insurance", 1),
                                      entry(2001, 1, 1, "FOOD", -200, "box", 2)}));
    failEverywhere({"play", "BOOK", macros.file("bills.qbk"), "06/20/2001"});
}

TEST_F(TransactionFaults, ImportOfAStatement) {
    failEverywhere({"import", "BOOK", std::string(QBK_TEST_STATEMENTS) + "/checking.ofx"});
}

TEST_F(TransactionFaults, PostingAndAddingSchedules) {
    withSchedules = true;
    failEverywhere({"post", "BOOK"});
    failEverywhere({"schedule", "add", "BOOK", "--income", "10", "--category", "PAY", "--every",
                    "day", "--from", "06/01/2001"});
}

// Posts started together post every due entry once: each checks, under the lock, what
// the one before it posted.
TEST_F(TransactionFaults, PostsAtTheSameTimePostEachDateOnce) {
    withSchedules = true;
    TempFolder book;
    makeBook(book);
    // Forked before the lock is taken (a fork would share it), started once it is held.
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> posts;
    for (int i = 0; i < 3; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            char byte;
            if (::read(go[0], &byte, 1) != 1) ::_exit(99);
            ::_exit(run(in(book, {"post", "BOOK"})));
        }
        posts.push_back(child);
    }
    {
        const BookLock held(book.path());
        ASSERT_EQ(::write(go[1], "abc", 3), 3);
        ::usleep(200000);
    }
    for (const pid_t child : posts) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TempFolder once;
    makeBook(once);
    ASSERT_EQ(run(in(once, {"post", "BOOK"})), 0);
    // May 31 lease; tips on June 1, 8 and 15.
    EXPECT_EQ(book.read("quillbank.dat").size(), once.read("quillbank.dat").size());
    EXPECT_EQ(once.read("quillbank.dat").size(), 9 * entry_layout::kSize);
    EXPECT_EQ(book.read("schedules.txt"), once.read("schedules.txt"));
}

TEST_F(TransactionFaults, ClearedMarksAndAReconcileWithItsOpeningBalance) {
    failEverywhere({"clear", "BOOK", "--from", "05/01/2001", "--to", "05/31/2001"});
    failEverywhere(
        {"reconcile", "BOOK", "--to", "05/31/2001", "--balance", "87.50", "--opening", "100"});
}

TEST_F(TransactionFaults, UndoAndRedoThemselves) {
    failEverywhere({"undo", "BOOK"}, false);
}

// Two programs at once end as the one after the other would: every check of a change is
// made under the lock. This test holds the lock while the others start, so they wait
// for it whatever the timing.
TEST_F(TransactionFaults, ChangesAtTheSameTimeEqualSomeSerialOrder) {
    TempFolder book;
    makeBook(book);
    // The others are forked before the lock is taken (a fork would share it) and start
    // once it is held.
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const auto startWaiting = [&](std::vector<std::string> args) {
        const pid_t child = ::fork();
        if (child == 0) {
            char byte;
            if (::read(go[0], &byte, 1) != 1) ::_exit(99);
            ::_exit(run(in(book, std::move(args))));
        }
        return child;
    };
    const auto exitOf = [](pid_t child) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string statement = std::string(QBK_TEST_STATEMENTS) + "/checking.ofx";
    const pid_t add = startWaiting({"add", "BOOK", "--expense", "1", "--category", "PAY"});
    const pid_t first = startWaiting({"import", "BOOK", statement});
    const pid_t second = startWaiting({"import", "BOOK", statement});
    {
        const BookLock held(book.path());
        ASSERT_EQ(::write(go[1], "abc", 3), 3);
        ::usleep(200000);
        // The category goes while the add waits: the add then finds no such category.
        ASSERT_EQ(run(in(book, {"category", "delete", "BOOK", "PAY", "--mark-entries-deleted"})),
                  0);
    }
    EXPECT_EQ(exitOf(add), 2);
    EXPECT_EQ(exitOf(first), 0);
    EXPECT_EQ(exitOf(second), 0);
    TempFolder once;
    makeBook(once);
    ASSERT_EQ(run(in(once, {"import", "BOOK", statement})), 0);
    const std::string records = book.read("quillbank.dat");
    EXPECT_EQ(records.size(), once.read("quillbank.dat").size()) << "the statement went in twice";
    for (std::size_t at = 0; at < records.size(); at += entry_layout::kSize)
        EXPECT_FALSE(trimBlanks(entry_bytes::categoryCode(records.data() + at)) == "PAY" &&
                     !entry_bytes::isDeleted(records.data() + at))
            << "a live entry of a deleted category";
}

// What a crash leaves beside the book is cleared by the next writer, and only that: a
// user's dated copy of the record file stays.
TEST_F(TransactionFaults, TheNextWriterRemovesOnlyTemporaries) {
    TempFolder book;
    makeBook(book);
    book.write("quillbank.dat.20261208", "a copy");
    book.write("photo.qbk.cafebabe", "a photo");
    book.write("quillbank.dat.qbk-tmp-0badf00d", "left by a crash");
    ASSERT_EQ(run(in(book, {"sort", "BOOK"})), 0);
    EXPECT_EQ(book.names(),
              (std::vector<std::string>{"budget.txt", "category.dat", "photo.qbk.cafebabe",
                                        "quillbank.dat", "quillbank.dat.20261208", "udf1.dat"}));
}

}  // namespace
}  // namespace qbk

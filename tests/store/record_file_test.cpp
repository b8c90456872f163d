#include "store/record_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/clock.h"
#include "platform/errors.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using testing::TempFolder;

class RecordFileTest : public ::testing::Test {
  protected:
    std::string path() const { return dir.file("quillbank.dat"); }
    std::vector<double> stamps() const {
        std::vector<double> s;
        for (const EntryRecord& r : readRecords(path()))
            s.push_back(r.recordStamp);
        return s;
    }
    TempFolder dir;
    SortKeyMemory memory;
};

TEST_F(RecordFileTest, InsertIntoAnEmptyFileWritesExactlyOneRecord) {
    const EntryRecord r = entry(2001, 4, 1, "FOOD", -1250, "lunch", 1);
    EXPECT_EQ(FileNewEntry(path(), r, memory), 1u);
    EXPECT_EQ(dir.read("quillbank.dat"), encodeEntry(r));
}

TEST_F(RecordFileTest, NewestDateGoesFirstAndMovesTheOthersDown) {
    dir.write("quillbank.dat",
              fileOf({entry(2001, 3, 31, "A", 100, "", 1), entry(2001, 3, 30, "A", 100, "", 2)}));
    EXPECT_EQ(FileNewEntry(path(), entry(2001, 4, 1, "A", 100, "", 3), memory), 1u);
    EXPECT_EQ(stamps(), (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(dir.read("quillbank.dat").size(), 375u);
}

TEST_F(RecordFileTest, AnEntryOlderThanAllIsAppended) {
    dir.write("quillbank.dat", fileOf({entry(2001, 3, 31, "A", 100, "", 1)}));
    EXPECT_EQ(FileNewEntry(path(), entry(1999, 1, 1, "A", 100, "", 2), memory), 2u);
    EXPECT_EQ(stamps(), (std::vector<double>{1, 2}));
}

TEST_F(RecordFileTest, WithinOneDayTheTieDigitFollowsTheScanOrder) {
    // New "B" keys 0 against the initial "1"; then "A" keys 1 after "B": greater, so the
    // scan goes past it and the new entry lands after the same-day "A".
    dir.write("quillbank.dat",
              fileOf({entry(2001, 4, 1, "A", 100, "", 1), entry(2001, 3, 1, "A", 100, "", 2)}));
    EXPECT_EQ(FileNewEntry(path(), entry(2001, 4, 1, "B", 100, "", 3), memory), 2u);
    EXPECT_EQ(stamps(), (std::vector<double>{1, 3, 2}));
    // The previous category now is the last code keyed ("A"): "a" keys 0 and stops at
    // the first record.
    EXPECT_EQ(FileNewEntry(path(), entry(2001, 4, 1, "a", 100, "", 4), memory), 1u);
}

TEST_F(RecordFileTest, SortKeyIsTheDateDigitsAndATieDigit) {
    SortKeyMemory m;
    EXPECT_EQ(sortformat(entry(2001, 4, 1, "FOOD", 1), m), 200104010.0);  // "1" < "FOOD"
    EXPECT_EQ(sortformat(entry(2001, 4, 1, "CAR", 1), m), 200104011.0);   // "FOOD" > "CAR"
    EXPECT_EQ(sortformat(entry(2001, 4, 1, "car", 1), m), 200104010.0);   // upper-cased: equal
    EXPECT_EQ(m.previous(), "CAR       ");
    // No date keys below every date.
    EXPECT_EQ(sortformat(1e100, "BUS       ", m), 1.0);
    EXPECT_EQ(sortformat(std::nan(""), "BUS       ", m), 0.0);
}

TEST_F(RecordFileTest, APartialLastRecordIsIgnoredByReadersAndKeptByWriters) {
    const std::string whole = fileOf({entry(2001, 3, 31, "A", 100, "", 1)});
    dir.write("quillbank.dat", whole + "partial");
    EXPECT_EQ(readRecords(path()).size(), 1u);
    EXPECT_EQ(dir.read("quillbank.dat"), whole + "partial");  // a read never truncates
    FileNewEntry(path(), entry(2001, 4, 1, "A", 100, "", 2), memory);
    const std::string after = dir.read("quillbank.dat");
    EXPECT_EQ(after.size(), 250u + 7);
    EXPECT_EQ(after.substr(250), "partial");
    EXPECT_EQ(stamps(), (std::vector<double>{2, 1}));
}

TEST_F(RecordFileTest, ReplaceKeepsThePositionEvenWhenTheDateChanges) {
    dir.write("quillbank.dat",
              fileOf({entry(2001, 4, 1, "A", 100, "", 1), entry(2001, 3, 1, "A", 100, "", 2),
                      entry(2001, 2, 1, "A", 100, "", 3)}));
    EntryRecord changed = entry(1990, 1, 1, "B", -500, "moved", 9);
    EXPECT_TRUE(replaceOpened(path(), *openRecord(path(), 2, 2), changed));
    const auto records = readRecords(path());
    EXPECT_EQ(records[1], changed);
    EXPECT_EQ(stamps(), (std::vector<double>{1, 9, 3}));
}

// Books of the Windows program hold records that share a stamp, and stamps of 16-17
// digits: the record opened is the record written, and no other byte changes.
TEST_F(RecordFileTest, TheOpenedRecordIsTheOneWrittenWhateverItsStamp) {
    const double longStamp = 51082.00048828125;
    const std::string before =
        fileOf({entry(2001, 4, 1, "TOP", 100, "", 7), entry(2001, 3, 1, "BOTTOM", 100, "", 7),
                entry(2001, 2, 1, "LONG", 100, "", longStamp)});
    dir.write("quillbank.dat", before);
    for (std::size_t number : {1u, 2u}) {
        dir.write("quillbank.dat", before);
        const OpenedRecord opened = *openRecord(path(), 7, number);
        EntryRecord r = opened.record();
        r.note = "edited";
        ASSERT_TRUE(replaceOpened(path(), opened, r));
        std::string expected = before;
        expected.replace((number - 1) * 125, 125, encodeEntry(r));
        EXPECT_EQ(dir.read("quillbank.dat"), expected) << number;
    }
    // Listed as record 3, or looked for anywhere after the file changed.
    EXPECT_EQ(openRecord(path(), longStamp, 3)->record().categoryCode, "LONG      ");
    EXPECT_EQ(openRecord(path(), longStamp, 1)->number, 3u);
    EXPECT_FALSE(openRecord(path(), 7, 3).has_value());  // two hold it: ambiguous
}

TEST_F(RecordFileTest, ARecordChangedOrGoneSinceItWasOpenedIsNotWritten) {
    dir.write("quillbank.dat",
              fileOf({entry(2001, 4, 1, "A", 100, "", 1), entry(2001, 3, 1, "B", 100, "", 2)}));
    const OpenedRecord opened = *openRecord(path(), 2, 2);
    // Another program inserts a newer entry: the record moved down, unchanged.
    FileNewEntry(path(), entry(2002, 1, 1, "C", 1, "", 3), memory);
    EntryRecord edited = opened.record();
    edited.note = "moved";
    ASSERT_TRUE(replaceOpened(path(), opened, edited));
    EXPECT_EQ(readRecords(path())[2].note.substr(0, 5), "moved");

    // Changed by another program since: nothing is written.
    const std::string bytes = dir.read("quillbank.dat");
    EXPECT_FALSE(replaceOpened(path(), opened, edited));
    EXPECT_FALSE(openRecord(path(), 99, 1).has_value());
    EXPECT_EQ(dir.read("quillbank.dat"), bytes);
}

TEST_F(RecordFileTest, DeletingIsAReplaceThatOnlyChangesTheMark) {
    const EntryRecord r = entry(2001, 4, 1, "A", 100, "keep me", 5, "u1", "u2");
    dir.write("quillbank.dat", fileOf({r}));
    const OpenedRecord opened = *openRecord(path(), 5, 1);
    EntryRecord deleted = opened.record();
    deleted.deletedMark = "Y";
    replaceOpened(path(), opened, deleted);
    std::string expected = encodeEntry(r);
    expected[114] = 'Y';
    EXPECT_EQ(dir.read("quillbank.dat"), expected);
}

// Stamps given by a writer are above every stamp already in the book, whatever the
// clock says: a second program, or a run after one whose stamps went ahead of it.
TEST_F(RecordFileTest, NewStampsAreAboveEveryStampOfTheFile) {
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 100, "", 45700.5)}));
    ManualClock clock(45000, 10);
    StampSource source(clock);
    EntryRecord r = entry(2001, 1, 1, "B", 1);
    FileNewEntry(path(), r, memory, source);
    std::vector<EntryRecord> more{entry(2001, 1, 2, "C", 1), entry(2001, 1, 3, "D", 1)};
    appendRecords(path(), more, source);
    EntryRecord replaced = entry(2001, 1, 4, "E", 1);
    replaceOpened(path(), *openRecord(path(), 45700.5, 1), replaced, &source);
    const double s = 1.0 / 512;
    EXPECT_EQ(stamps(), (std::vector<double>{45700.5 + 4 * s, 45700.5 + s, 45700.5 + 2 * s,
                                             45700.5 + 3 * s}));
}

// A damaged record's stamp that is no stamp at all does not hide the real ones.
TEST_F(RecordFileTest, AStampOutOfRangeDoesNotHideTheLargestStamp) {
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 100, "", 45700.5),
                                       entry(2001, 4, 2, "Z", 100, "", 1e300)}));
    ManualClock clock(45000, 10);
    StampSource source(clock);
    std::vector<EntryRecord> more{entry(2001, 1, 2, "C", 1)};
    appendRecords(path(), more, source);
    EXPECT_EQ(stamps(), (std::vector<double>{45700.5, 1e300, 45700.5 + 1.0 / 512}));
}

TEST_F(RecordFileTest, AMissingFileIsCreatedEmptyAndAMissingFolderIsAnError) {
    EXPECT_TRUE(readRecords(path()).empty());
    EXPECT_TRUE(dir.exists("quillbank.dat"));
    try {
        FileNewEntry(dir.file("gone/quillbank.dat"), entry(2001, 1, 1, "A", 1), memory);
        FAIL();
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kPathNotFound);
    }
}

TEST_F(RecordFileTest, AppendAddsAfterEveryRecordInOneWrite) {
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 100, "", 1)}));
    appendRecords(path(), {entry(2005, 1, 1, "B", 1, "", 2), entry(1990, 1, 1, "C", 1, "", 3)});
    EXPECT_EQ(stamps(), (std::vector<double>{1, 2, 3}));
}

}  // namespace
}  // namespace qbk

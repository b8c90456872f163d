#include "store/record_file.h"

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_TRUE(ReplaceRecord(path(), 2, changed));
    const auto records = readRecords(path());
    EXPECT_EQ(records[1], changed);
    EXPECT_EQ(stamps(), (std::vector<double>{1, 9, 3}));
}

TEST_F(RecordFileTest, ReplaceFromTheBottomAndReadFromTheTop) {
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 1, "TOP", 100, "", 7),
                                       entry(2001, 3, 1, "BOTTOM", 100, "", 7)}));
    EXPECT_EQ(readByIdentity(path(), 7)->categoryCode, "TOP       ");
    EXPECT_TRUE(ReplaceRecord(path(), 7, entry(2001, 3, 1, "NEW", 100, "", 8)));
    EXPECT_EQ(readRecords(path())[1].categoryCode, "NEW       ");
    EXPECT_EQ(readRecords(path())[0].categoryCode, "TOP       ");
}

TEST_F(RecordFileTest, AStampThatIsNotThereChangesNothing) {
    const std::string bytes = fileOf({entry(2001, 4, 1, "A", 100, "", 1)});
    dir.write("quillbank.dat", bytes);
    EXPECT_FALSE(ReplaceRecord(path(), 99, entry(2001, 1, 1, "Z", 1, "", 99)));
    EXPECT_FALSE(readByIdentity(path(), 99).has_value());
    EXPECT_EQ(dir.read("quillbank.dat"), bytes);
}

TEST_F(RecordFileTest, DeletingIsAReplaceThatOnlyChangesTheMark) {
    const EntryRecord r = entry(2001, 4, 1, "A", 100, "keep me", 5, "u1", "u2");
    dir.write("quillbank.dat", fileOf({r}));
    EntryRecord deleted = *readByIdentity(path(), 5);
    deleted.deletedMark = "Y";
    ReplaceRecord(path(), 5, deleted);
    std::string expected = encodeEntry(r);
    expected[114] = 'Y';
    EXPECT_EQ(dir.read("quillbank.dat"), expected);
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

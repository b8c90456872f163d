#include "macros/macro_playback.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/files.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class PlaybackTest : public ::testing::Test {
  protected:
    std::string book() const { return dir.file("quillbank.dat"); }
    std::string macro() const { return dir.file("month.qbk"); }
    MacroPlayback play(DaySerial date) { return playMacro(macro(), book(), date, stamps, memory); }
    testing::TempFolder dir;
    const DaySerial today = serialFromDate(2001, 6, 15);
    ManualClock clock{today, 43200};
    StampSource stamps{clock};
    SortKeyMemory memory;
};

TEST_F(PlaybackTest, ThreeEntriesOnTheFirstOfAprilGoInDateOrderWithTheirOwnStamps) {
    const EntryRecord newer = entry(2001, 4, 2, "A", 100, "newer", 1);
    const EntryRecord older = entry(2001, 3, 31, "A", 100, "older", 2);
    dir.write("quillbank.dat", fileOf({newer, older}));
    EntryRecord rent = entry(1999, 1, 1, "RENT", -50000, "rent", 9, "flat", "bank");
    rent.reserved = "kept as is";
    const EntryRecord food = entry(1999, 1, 1, "FOOD", -2000, "food", 9);
    const EntryRecord pay = entry(1999, 1, 1, "PAY", 100000, "salary", 9);
    const std::string macroBytes = fileOf({rent, food, pay});
    dir.write("month.qbk", macroBytes);

    const MacroPlayback p = play(serialFromDate(2001, 4, 1));
    EXPECT_FALSE(p.refusal);
    EXPECT_EQ(p.played, 3u);
    EXPECT_EQ(p.skipped, 0u);

    // The stamps the program's stamp source gives, one after the other.
    StampSource same{clock};
    const double s1 = same.next(), s2 = same.next(), s3 = same.next();
    EXPECT_EQ(s1, today + 43200);
    EXPECT_LT(s2, s3);
    auto played = [](EntryRecord r, double stamp) {
        r.entryDate = serialFromDate(2001, 4, 1);
        r.recordStamp = stamp;
        return r;
    };
    // Each lands where inserting it at that moment puts it; the tie digit of the keys
    // (carried from the entry keyed before) puts PAY ahead of FOOD.
    EXPECT_EQ(dir.read("quillbank.dat"),
              fileOf({newer, played(pay, s3), played(food, s2), played(rent, s1), older}));
    EXPECT_EQ(dir.read("month.qbk"), macroBytes);

    // The same as three inserts one after the other.
    testing::TempFolder other;
    other.write("quillbank.dat", fileOf({newer, older}));
    SortKeyMemory fresh;
    FileNewEntry(other.file("quillbank.dat"), played(rent, s1), fresh);
    FileNewEntry(other.file("quillbank.dat"), played(food, s2), fresh);
    FileNewEntry(other.file("quillbank.dat"), played(pay, s3), fresh);
    EXPECT_EQ(other.read("quillbank.dat"), dir.read("quillbank.dat"));
}

TEST_F(PlaybackTest, EntriesMarkedDeletedInTheMacroAreNotPlayed) {
    EntryRecord gone = entry(2000, 1, 1, "OLD", -1, "", 5);
    gone.deletedMark = "Y";
    EntryRecord live = entry(2000, 1, 1, "NEW", -1, "", 6);
    live.deletedMark = "y";  // only "Y" marks a deleted entry
    dir.write("month.qbk", fileOf({gone, live}));
    const MacroPlayback p = play(serialFromDate(2001, 4, 1) + 0.5);
    EXPECT_EQ(p.played, 1u);
    EXPECT_EQ(p.skipped, 1u);
    const auto r = readRecords(book());
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].categoryCode, "NEW       ");
    EXPECT_EQ(r[0].deletedMark, "y");
    EXPECT_EQ(r[0].entryDate, serialFromDate(2001, 4, 1));
    EXPECT_EQ(r[0].recordStamp, today + 43200);

    // Playing the same macro again adds it again, with a later stamp.
    EXPECT_EQ(play(serialFromDate(2001, 4, 1)).played, 1u);
    const auto twice = readRecords(book());
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_NE(twice[0].recordStamp, twice[1].recordStamp);
}

TEST_F(PlaybackTest, AnEmptyOrDamagedMacroAddsNothing) {
    const std::string before = fileOf({entry(2001, 4, 2, "A", 100, "", 1)});
    dir.write("quillbank.dat", before);
    const Message refused{
        "This file does not contain Quillbank 3.x records, or they are corrupt. The macro play "
        "operation has been aborted.",
        "Error", Icon::Critical, Buttons::Ok, 1};
    dir.write("month.qbk", "");
    EXPECT_EQ(play(serialFromDate(2001, 4, 1)).refusal, refused);
    dir.write("month.qbk", fileOf({entry(2001, 4, 2, "A", 100)}) + "partial");
    const MacroPlayback p = play(serialFromDate(2001, 4, 1));
    EXPECT_EQ(p.refusal, refused);
    EXPECT_EQ(p.played, 0u);
    EXPECT_EQ(dir.read("quillbank.dat"), before);
    EXPECT_EQ(stamps.last(), 0);
}

TEST_F(PlaybackTest, AnUnwritableRecordFileIsAnErrorAndAddsNothing) {
    dir.write("month.qbk", fileOf({entry(2001, 4, 2, "A", 100)}));
    EXPECT_THROW(playMacro(macro(), dir.file("gone/quillbank.dat"), serialFromDate(2001, 4, 1),
                           stamps, memory),
                 OperationError);
    EXPECT_FALSE(folderExists(dir.file("gone")));
}

TEST(PlaybackQuestion, NamesTheFileAndTheDate) {
    EXPECT_EQ(playMacroQuestion("/home/u/month.qbk", "04/01/2001"),
              (Message{"Ready to play macro file /home/u/month.qbk with 04/01/2001 as the date "
                       "for the entries. Proceed?",
                       "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(kMacroDatePrompt, "Please provide a date for these entries...");
}

}  // namespace
}  // namespace qbk

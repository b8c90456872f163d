#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/record_file.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class MaintenanceCommandsTest : public testing::CliFixture {
  protected:
    static EntryRecord gone(EntryRecord r) {
        r.deletedMark = "Y";
        return r;
    }
};

TEST_F(MaintenanceCommandsTest, SortPutsTheNewestDayFirst) {
    const EntryRecord a = entry(2001, 4, 1, "B", 1, "", 1), b = entry(2001, 4, 1, "A", 1, "", 2),
                      c = entry(2001, 4, 2, "Z", 1, "", 3);
    data.write("quillbank.dat", fileOf({a, b, c}));
    ASSERT_EQ(run({"sort", data.path()}), 0) << err.str();
    EXPECT_EQ(out.str(), "Sorted 3 records.\n");
    EXPECT_EQ(data.read("quillbank.dat"), fileOf({c, b, a}));
}

TEST_F(MaintenanceCommandsTest, PurgeRemovesDeletedEntriesAndKeepsTheBackup) {
    const std::string book =
        fileOf({entry(2001, 4, 2, "A", 1, "", 1), gone(entry(2001, 4, 1, "A", 1, "", 2))});
    data.write("quillbank.dat", book);
    ASSERT_EQ(run({"purge", data.path()}), 0) << err.str();
    EXPECT_EQ(out.str(), "1 records which were marked for deletion have been removed.\n");
    EXPECT_EQ(data.read("quillbank.dat"), fileOf({entry(2001, 4, 2, "A", 1, "", 1)}));
    EXPECT_EQ(data.read("quillbank.bak"), book);
}

TEST_F(MaintenanceCommandsTest, PlayAddsTheLiveEntriesOfAMacroUnderOneDate) {
    data.write("month.qbk",
               fileOf({entry(1999, 1, 1, "RENT", -500, "rent"), gone(entry(1999, 1, 1, "OLD", -1)),
                       entry(1999, 1, 1, "PAY", 900, "salary")}));
    ASSERT_EQ(run({"play", data.path(), data.file("month.qbk"), "4/1/2001"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Played 2 entries of " + data.file("month.qbk") +
                             " with the date 04/01/2001.\nSkipped 1 entries marked deleted.\n");
    const auto r = readRecords(data.file("quillbank.dat"));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].entryDate, serialFromDate(2001, 4, 1));
    EXPECT_EQ(r[1].entryDate, serialFromDate(2001, 4, 1));
    EXPECT_NE(r[0].recordStamp, r[1].recordStamp);
    EXPECT_GE(std::min(r[0].recordStamp, r[1].recordStamp), serialFromDate(2001, 6, 15) + 43200);
}

TEST_F(MaintenanceCommandsTest, BadArgumentsAndBadMacrosAreRefused) {
    data.write("empty.qbk", "");
    EXPECT_EQ(run({"play", data.path(), data.file("empty.qbk"), "4/1/2001"}), 1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: This file does not contain Quillbank 3.x records, or they are corrupt. "
              "The macro play operation has been aborted.\n");
    EXPECT_FALSE(data.exists("quillbank.dat"));
    EXPECT_EQ(run({"play", data.path(), data.file("none.qbk"), "4/1/2001"}), 2);
    EXPECT_EQ(err.str().rfind("qbk3-cli: no such file: " + data.file("none.qbk") + "\n", 0), 0u);
    EXPECT_EQ(run({"play", data.path(), data.file("empty.qbk"), "4/31/2001"}), 2);
    EXPECT_EQ(err.str().substr(0, 31), "qbk3-cli: not a date: 4/31/2001");
    EXPECT_EQ(run({"sort"}), 2);
    EXPECT_EQ(run({"purge", data.path(), "extra"}), 2);
    EXPECT_EQ(err.str(),
              "qbk3-cli: The following argument was not expected: extra\n"
              "Usage: qbk3-cli purge [OPTIONS] FOLDER\n"
              "Run 'qbk3-cli purge --help' for more information.\n");
    EXPECT_EQ(run({"sort", data.file("nowhere")}), 2);
}

}  // namespace
}  // namespace qbk

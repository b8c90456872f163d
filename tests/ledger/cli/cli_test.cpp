#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "store/settings_record.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"
#include "version.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class CliTest : public testing::CliFixture {};

TEST_F(CliTest, ListPrintsHeaderRowsAndPanelsLikeTheGrid) {
    data.write("quillbank.dat", fileOf({entry(2001, 4, 1, "FOOD", -1250, "lunch", 89200.5),
                                        entry(2000, 4, 1, "FOOD", -1, "last year", 2)}));
    ASSERT_EQ(run({"list", data.path()}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Date\tAmount\tNote\tuser 1\tuser 2\tCategory\t\n"
              "04/01/2001\t($12.50)\tlunch\t          \t          \tFOOD      \t89200.5\n"
              "(+) $0.00\n(-) ($12.50)\n(=) ($12.50)\n1 Items\nCategory = All Categories \n");
}

TEST_F(CliTest, ListTakesRangeCategorySearchAndOrder) {
    data.write("quillbank.dat", fileOf({entry(2001, 4, 1, "FOOD", -1250, "lunch", 1),
                                        entry(2000, 4, 1, "CAR", -1, "fuel", 2)}));
    ASSERT_EQ(run({"list", data.path(), "--from", "1/1/2000", "--to", "12/31/2001", "--category",
                   "CAR", "--order", "--n12"}),
              0);
    EXPECT_NE(out.str().find("Date\tAmount\tCategory\tNote"), std::string::npos);
    EXPECT_NE(out.str().find("CAR       \tfuel"), std::string::npos);
    EXPECT_NE(out.str().find("1 Items\nCategory = CAR \n"), std::string::npos);
    ASSERT_EQ(run({"list", data.path(), "--from", "1/1/2000", "--search", "Lun"}), 0);
    EXPECT_NE(out.str().find("Word Search = LUN \n"), std::string::npos);
}

TEST_F(CliTest, BadArgumentsExplainThemselves) {
    EXPECT_EQ(run({"list", data.path(), "--from", "31/31/2000"}), 2);
    EXPECT_EQ(err.str().substr(0, 33), "qbk3-cli: not a date: 31/31/2000\n");
    EXPECT_EQ(run({"list", data.file("nowhere")}), 2);
    EXPECT_NE(err.str().find("no such folder"), std::string::npos);
    EXPECT_EQ(run({"list", data.path(), "--order", "x"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({}), 2);
}

TEST_F(CliTest, HelpVersionAndErrorsHaveTheUsualManners) {
    ASSERT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out.str(), "qbk3-cli " + std::string(kVersion) + "\n");
    ASSERT_EQ(run({"category", "add", "--help"}), 0);
    EXPECT_NE(out.str().find("Usage: qbk3-cli category add [OPTIONS] FOLDER CODE [NAME]\n"),
              std::string::npos);
    EXPECT_EQ(err.str(), "");
    // A value the work cannot use: one line, no usage.
    EXPECT_EQ(run({"list", data.file("nowhere")}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: no such folder: " + data.file("nowhere") + "\n");
    // A malformed line: the problem, then the usage of the command it reached.
    EXPECT_EQ(run({"list", data.path(), "--from"}), 2);
    EXPECT_EQ(err.str(),
              "qbk3-cli: --from: 1 required DATE missing\n"
              "Usage: qbk3-cli list [OPTIONS] FOLDER\n"
              "Run 'qbk3-cli list --help' for more information.\n");
    EXPECT_EQ(run({"frobnicate", "--help"}), 2);
    EXPECT_EQ(err.str(),
              "qbk3-cli: unknown command: frobnicate\nUsage: qbk3-cli [OPTIONS] SUBCOMMAND\n"
              "Run 'qbk3-cli --help' for more information.\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliTest, ListRefusesAFromAfterTheToAsSelectDatesDoes) {
    EXPECT_EQ(run({"list", data.path(), "--from=2/1/2001", "--to=1/31/2001"}), 2);
    EXPECT_EQ(err.str(),
              "qbk3-cli: The latest date you have selected: 01/31/2001 is older than the "
              "earliest: 02/01/2001 Please try again.\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(run({"list", data.path(), "--from=2/1/2001", "--to=2/1/2001"}), 0);
}

TEST_F(CliTest, ListGivesTheListedEntriesAsTypedData) {
    EntryRecord gone = entry(2001, 4, 3, "FOOD", -1, "deleted");
    gone.deletedMark = "Y";
    data.write("quillbank.dat",
               fileOf({gone,
                       [] {
                           EntryRecord e =
                               entry(2001, 4, 2, "FOOD", -1250, "fish, \"fresh\"", 89200.5, "card");
                           e.setCleared(ClearedState::Cleared);
                           return e;
                       }(),
                       [] {
                           EntryRecord e = entry(2001, 4, 1, "PAY", 0, "salary", 1.25e-7);
                           e.amount = Money::fromRaw(123456789);
                           e.setCleared(ClearedState::Reconciled);
                           return e;
                       }()}));
    ASSERT_EQ(run({"list", data.path(), "--format", "json"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "[\n"
              "{\"date\":\"2001-04-02\",\"amount\":\"-12.50\",\"category\":\"FOOD\",\"note\":"
              "\"fish, \\\"fresh\\\"\",\"user1\":\"card\",\"user2\":\"\",\"stamp\":89200.5,"
              "\"deleted\":false,\"cleared\":\"cleared\"},\n"
              "{\"date\":\"2001-04-01\",\"amount\":\"12345.6789\",\"category\":\"PAY\",\"note\":"
              "\"salary\",\"user1\":\"\",\"user2\":\"\",\"stamp\":1.25e-07,\"deleted\":false,"
              "\"cleared\":\"reconciled\"}\n"
              "]\n");
    ASSERT_EQ(run({"list", data.path(), "--format=csv", "--category", "FOOD"}), 0);
    EXPECT_EQ(out.str(),
              "date,amount,category,note,user1,user2,stamp,deleted,cleared\n"
              "2001-04-02,-12.50,FOOD,\"fish, \"\"fresh\"\"\",card,,89200.5,false,cleared\n");
    ASSERT_EQ(run({"list", data.path(), "--format", "json", "--search", "nothing"}), 0);
    EXPECT_EQ(out.str(), "[]\n");
    ASSERT_EQ(run({"list", data.path(), "--format", "csv", "--search", "nothing"}), 0);
    EXPECT_EQ(out.str(), "date,amount,category,note,user1,user2,stamp,deleted,cleared\n");
    EXPECT_EQ(run({"list", data.path(), "--format", "xml"}), 2);
}

TEST_F(CliTest, RangePrintsWhatTheWindowWouldShow) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setFyMonth(4);
    program.write("qbk3.ini", s.bytes());
    ASSERT_EQ(run({"range"}), 0) << err.str();
    EXPECT_EQ(out.str(), "FY 2002 - 04/01/2001  >>  03/31/2002\n04/01/2001\n03/31/2002\n");
    ASSERT_EQ(run({"range", "--days=30"}), 0);
    EXPECT_EQ(out.str(), "30 Days - 05/16/2001  >>  06/15/2001\n05/16/2001\n06/15/2001\n");
    ASSERT_EQ(run({"range", "--fiscal-year", "1999"}), 0);
    EXPECT_EQ(out.str(), "FY 2000 - 04/01/1999  >>  03/31/2000\n04/01/1999\n03/31/2000\n");
}

TEST_F(CliTest, DumpShowsEveryRecordAndWarnsOfAPartialOne) {
    EntryRecord gone = entry(2001, 4, 1, "A", 1250, "old", 7, "u1");
    gone.deletedMark = "Y";
    data.write("book.dat", fileOf({gone}) + "xyz");
    ASSERT_EQ(run({"dump", data.file("book.dat")}), 0);
    EXPECT_EQ(out.str(),
              "#\tEntryDate\tCategoryCode\tAmount\tNote\tUserField1\tUserField2\tRecordStamp\tDelet"
              "edMark\n"
              "1\t04/01/2001\tA         \t12.5\told\tu1        \t          \t7\tY\n");
    EXPECT_NE(err.str().find("ends with 3 bytes"), std::string::npos);
}

TEST_F(CliTest, DumpSaysNoDateAndNoStampPlainly) {
    EntryRecord a = entry(2001, 4, 1, "A", 100, "", 1e100),
                b = entry(2001, 4, 1, "B", 100, "", 5e-324);
    a.entryDate = std::nan("");
    b.entryDate = -1e100;
    data.write("book.dat", fileOf({a, b}));
    ASSERT_EQ(run({"dump", data.file("book.dat")}), 0);
    EXPECT_EQ(out.str().substr(out.str().find('\n') + 1),
              "1\tno date\tA         \t1\t\t          \t          \tno stamp\tN\n"
              "2\tno date\tB         \t1\t\t          \t          \t0." +
                  std::string(323, '0') + "5\tN\n");
}

TEST_F(CliTest, SettingsOutOfRangeAreRefusedAsInTheWindow) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setFyMonth(-32768);
    program.write("qbk3.ini", s.bytes());
    data.write("quillbank.dat", fileOf({entry(2001, 4, 1, "FOOD", -1250, "lunch", 1)}));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", data.path()}, {"report", data.path(), "summary"}}) {
        EXPECT_EQ(run(args), 1);
        EXPECT_EQ(err.str(), "qbk3-cli: FYMonth -32768 out of range 1 to 12 (" +
                                 program.file("qbk3.ini") + ") (error 5)\n");
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace qbk

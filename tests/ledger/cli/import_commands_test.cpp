#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

class ImportCommand : public ::testing::Test {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        CliContext cx{out, err, clock, RegionalSettings::unitedStates(), program.path()};
        return runCli(args, cx);
    }
    testing::TempFolder program, data;
    ManualClock clock{serialFromDate(2001, 6, 15), 43200};
    std::ostringstream out, err;
};

TEST_F(ImportCommand, AppendsEveryLineWithTheLinkedFields) {
    data.write("quillbank.dat", testing::fileOf({testing::entry(2001, 6, 1, "A", 100, "old", 7)}));
    data.write("bank.csv", "x,12/31/2000,-12.50,Lunch,FOOD\r\ny,1/2/2001,3,Pay,JOB\r\n");
    ASSERT_EQ(run({"import", data.path(), data.file("bank.csv"), "--date", "2", "--amount", "3",
                   "--note", "4", "--category", "5", "--user1", "1"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "2 records have been imported.\n"
              "Read with dates as mdy and a decimal point, fields separated by commas.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    const auto r = readRecords(data.file("quillbank.dat"));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[1], ([&] {
                  EntryRecord e = testing::entry(2000, 12, 31, "FOOD", -1250, "Lunch", 0, "x");
                  e.recordStamp = r[1].recordStamp;
                  return e;
              })());
    EXPECT_GT(r[1].recordStamp, serialFromDate(2001, 6, 15));
    EXPECT_GT(r[2].recordStamp, r[1].recordStamp);
}

TEST_F(ImportCommand, ALineThatDoesNotConvertImportsNothing) {
    data.write("bank.txt", "\"Date\",\"Amount\"\r\n\"1/13/2001\",\"5\"\r\n");
    EXPECT_EQ(run({"import", data.path(), data.file("bank.txt"), "--date", "1", "--amount", "2"}),
              1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: Type mismatch in line 1 (\"Date\" is not a date): \"Date\",\"Amount\" - "
              "a first line of column names is left out with --skip-header, lines before it "
              "with --skip-lines N (error 13)\n");
    EXPECT_EQ(data.read("quillbank.dat"), "");
}

TEST_F(ImportCommand, BadArgumentsExplainThemselves) {
    data.write("bank.csv", "1/2/2001,5\n");
    const std::string file = data.file("bank.csv");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "1"}), 2);
    EXPECT_EQ(err.str().substr(0, 95),
              "qbk3-cli: Records to be imported MUST have a least a Date field and an Amount field "
              "specified.\n");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "0", "--amount", "2"}), 2);
    EXPECT_EQ(err.str().substr(0, 48), "qbk3-cli: --date needs a field number from 1: 0\n");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "1", "--amount", "two"}), 2);
    EXPECT_EQ(run({"import", data.path(), data.file("bank.dat"), "--date", "1", "--amount", "2"}),
              2);
    EXPECT_NE(err.str().find("FILE must end in .txt, .csv, .ofx, .qfx or .qif"), std::string::npos);
    EXPECT_EQ(run({"import", data.path(), data.file("gone.csv"), "--date", "1", "--amount", "2"}),
              2);
    EXPECT_NE(err.str().find("no such file"), std::string::npos);
    EXPECT_EQ(run({"import", data.path(), "--date", "1"}), 2);
    EXPECT_EQ(err.str().substr(0, 28), "qbk3-cli: FILE is required\nU");
    EXPECT_FALSE(data.exists("quillbank.dat"));
}

// A bank statement twice: the second time every transaction is a duplicate.
TEST_F(ImportCommand, AStatementImportedTwiceAddsNothingTheSecondTime) {
    const std::string statement = std::string(QBK_TEST_STATEMENTS) + "/checking.ofx";
    ASSERT_EQ(run({"import", data.path(), statement}), 0) << err.str();
    const std::size_t added = readRecords(data.file("quillbank.dat")).size();
    ASSERT_GT(added, 0u);
    EXPECT_NE(out.str().find(std::to_string(added) + " records have been imported."),
              std::string::npos)
        << out.str();
    ASSERT_EQ(run({"import", data.path(), statement}), 0) << err.str();
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), added);
    EXPECT_NE(out.str().find("0 records have been imported."), std::string::npos) << out.str();
    ASSERT_EQ(run({"import", data.path(), statement, "--keep-duplicates"}), 0);
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), 2 * added);
}

}  // namespace
}  // namespace qbk

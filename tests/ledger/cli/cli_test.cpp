#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class CliTest : public ::testing::Test {
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

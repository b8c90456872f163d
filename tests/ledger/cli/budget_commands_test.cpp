// qbk3-cli budget and report budget: the budget file's bytes after each change, and
// undo of each.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/category_record.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;

class BudgetCommands : public testing::CliFixture {
  protected:
    void SetUp() override {
        writeCategories(data.file("category.dat"),
                        testing::categoriesOf({{"FOOD", "Groceries"}, {"PAY", "Salary"}}));
        data.write("quillbank.dat", testing::fileOf({entry(2001, 6, 2, "FOOD", -12050, "", 1),
                                                     entry(2001, 6, 1, "PAY", 300000, "", 2)}));
    }
    std::string budget() const { return data.read("budget.txt"); }
};

std::string yearOf(int year, const std::string& amount, const std::string& code) {
    std::string lines;
    for (int m = 1; m <= 12; ++m)
        lines += std::to_string(year) + (m < 10 ? "-0" : "-") + std::to_string(m) + "\t" + amount +
                 "\t" + code + "\r\n";
    return lines;
}

TEST_F(BudgetCommands, SetCopyAndUndoEach) {
    ASSERT_EQ(run({"budget", "set", data.path(), "FOOD", "-400"}), 0) << err.str();
    EXPECT_EQ(out.str(), "The budget of FOOD is -400.00 a month for 2001-01 to 2001-12.\n");
    EXPECT_EQ(budget(), yearOf(2001, "-400.00", "FOOD"));
    ASSERT_EQ(run({"budget", "set", data.path(), "PAY", "3,100.5", "--month", "2001-06"}), 0);
    const std::string withPay =
        yearOf(2001, "-400.00", "FOOD").insert(6 * 22, "2001-06\t3100.50\tPAY\r\n");
    EXPECT_EQ(budget(), withPay);
    ASSERT_EQ(run({"budget", "copy", data.path(), "--from-year", "2001", "--to-year", "2002"}), 0);
    EXPECT_EQ(out.str(),
              "Copied 13 budget lines of the fiscal year 2001 to 2002 (its earlier lines "
              "replaced).\n");
    EXPECT_EQ(budget().substr(0, withPay.size()), withPay);
    EXPECT_EQ(budget().substr(withPay.size()),
              yearOf(2002, "-400.00", "FOOD").insert(6 * 22, "2002-06\t3100.50\tPAY\r\n"));

    ASSERT_EQ(run({"undo", data.path()}), 0) << err.str();
    EXPECT_EQ(budget(), withPay);
    ASSERT_EQ(run({"undo", data.path()}), 0);
    EXPECT_EQ(budget(), yearOf(2001, "-400.00", "FOOD"));
    ASSERT_EQ(run({"undo", data.path()}), 0);
    EXPECT_FALSE(data.exists("budget.txt"));
}

TEST_F(BudgetCommands, RefusesWhatItCannotUse) {
    EXPECT_EQ(run({"budget", "set", data.path(), "CAR", "-5"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: no such category: CAR\n");
    EXPECT_EQ(run({"budget", "set", data.path(), "FOOD", "lots"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: not an amount: lots\n");
    EXPECT_EQ(run({"budget", "set", data.path(), "FOOD", "-5", "--month", "2001-13"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: not a month YYYY-MM: 2001-13\n");
    EXPECT_EQ(run({"budget", "copy", data.path(), "--from-year", "2005", "--to-year", "2006"}), 1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: The fiscal year 2005 has no budget; nothing has been copied.\n");
    EXPECT_FALSE(data.exists("budget.txt"));
    data.write("budget.txt", "2001-06\t-5\tFOOD\r\n");
    EXPECT_EQ(run({"budget", "set", data.path(), "FOOD", "-5"}), 1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: Line 1 of the budget " + data.path() +
                  "budget.txt has no amount such as -400.00: 2001-06\t-5\tFOOD (error 13)\n");
    EXPECT_EQ(budget(), "2001-06\t-5\tFOOD\r\n");
}

TEST_F(BudgetCommands, ListAndReport) {
    ASSERT_EQ(run({"budget", "set", data.path(), "FOOD", "-400", "--month", "2001-06"}), 0);
    ASSERT_EQ(run({"budget", "list", data.path(), "--format", "json"}), 0);
    EXPECT_EQ(out.str(),
              "{\"fiscalYear\":2001,\"months\":[\"2001-01\",\"2001-02\",\"2001-03\",\"2001-04\","
              "\"2001-05\",\"2001-06\",\"2001-07\",\"2001-08\",\"2001-09\",\"2001-10\","
              "\"2001-11\",\"2001-12\"],\"categories\":[\n{\"code\":\"FOOD\",\"name\":"
              "\"Groceries\",\"amounts\":[0.00,0.00,0.00,0.00,0.00,-400.00,0.00,0.00,0.00,0.00,"
              "0.00,0.00],\"year\":-400.00}]}\n");
    ASSERT_EQ(run({"report", data.path(), "budget", "--from", "06/01/2001", "--to", "06/15/2001",
                   "--csv"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "\"Kind\",\"Code\",\"Category\",\"Budget\",\"Actual\",\"Difference\",\"Used %\"\n"
              "\"Expense\",\"FOOD\",\"Groceries\",-200.00,-120.50,79.50,60\n"
              "\"Income\",\"PAY\",\"Salary\",0.00,3000.00,3000.00,\n"
              "\"Total Expense\",\"\",\"\",-200.00,-120.50,79.50,60\n"
              "\"Total Income\",\"\",\"\",0.00,3000.00,3000.00,\n"
              "\"Balance\",\"\",\"\",-200.00,2879.50,3079.50,\n");
    ASSERT_EQ(run({"report", data.path(), "budget", "--fiscal-year", "2001"}), 0);
    EXPECT_NE(out.str().find("Budget against actual for the period 01/01/2001 through "
                             "12/31/2001, inclusive.\n"),
              std::string::npos);
    EXPECT_EQ(run({"report", data.path(), "summary", "--fiscal-year", "2001"}), 2);
}

}  // namespace
}  // namespace qbk

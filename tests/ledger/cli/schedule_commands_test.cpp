// The schedule, due, post and forecast commands, and list --forecast.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/category_record.h"
#include "store/record_file.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class ScheduleCommandsTest : public testing::CliFixture {
  protected:
    void SetUp() override {
        writeCategories(data.file("category.dat"),
                        testing::categoriesOf({{"RENT", "Rent"}, {"PAY", "Pay"}}));
        data.write("quillbank.dat", fileOf({entry(2001, 6, 1, "PAY", 100000, "start", 37000.5)}));
    }
    void addRentAndPay() {
        ASSERT_EQ(run({"schedule", "add", data.path(), "--expense", "700", "--category", "RENT",
                       "--note", "flat", "--every", "month", "--day", "31", "--from", "1/31/2001"}),
                  0)
            << err.str();
        EXPECT_EQ(out.str(), "Added schedule 1, every month on the last day from 01/31/2001.\n");
        ASSERT_EQ(run({"schedule", "add", data.path(), "--income", "500", "--category", "PAY",
                       "--note", "wages", "--every", "week", "--interval", "2", "--from",
                       "6/8/2001", "--times", "3"}),
                  0)
            << err.str();
    }
};

TEST_F(ScheduleCommandsTest, AddListAndDelete) {
    addRentAndPay();
    ASSERT_EQ(run({"schedule", "list", data.path()}), 0);
    EXPECT_EQ(out.str(),
              "Id\tEvery\tFrom\tUntil\tTimes\tLast posted\tCategory\tAmount\tNote\n"
              "1\tevery month on the last day\t01/31/2001\t\t\t\tRENT\t($700.00)\tflat\n"
              "2\tevery 2 weeks\t06/08/2001\t\t3\t\tPAY\t$500.00\twages\n");
    EXPECT_EQ(run({"schedule", "delete", data.path(), "1"}), 0);
    EXPECT_EQ(run({"schedule", "delete", data.path(), "1"}), 1);
    EXPECT_EQ(err.str(), "qbk3-cli: no schedule 1 in " + data.file("schedules.txt") + "\n");
    EXPECT_EQ(run({"schedule", "add", data.path(), "--expense", "1", "--category", "CAR", "--every",
                   "month", "--from", "1/1/2001"}),
              2);
    EXPECT_EQ(err.str(), "qbk3-cli: no such category: CAR\n");
    EXPECT_EQ(run({"schedule", "add", data.path(), "--expense", "1", "--category", "RENT",
                   "--every", "week", "--day", "3", "--from", "1/1/2001"}),
              2);
    EXPECT_EQ(err.str(), "qbk3-cli: --day is for schedules every month or year\n");
}

TEST_F(ScheduleCommandsTest, PostFilesWhatIsDueOnceHoweverOftenItRuns) {
    addRentAndPay();
    ASSERT_EQ(run({"due", data.path(), "--to", "6/30/2001"}), 0);
    EXPECT_EQ(out.str(),
              "Date\tCategory\tAmount\tNote\tSchedule\n"
              "01/31/2001\tRENT\t($700.00)\tflat\t1\n"
              "02/28/2001\tRENT\t($700.00)\tflat\t1\n"
              "03/31/2001\tRENT\t($700.00)\tflat\t1\n"
              "04/30/2001\tRENT\t($700.00)\tflat\t1\n"
              "05/31/2001\tRENT\t($700.00)\tflat\t1\n"
              "06/08/2001\tPAY\t$500.00\twages\t2\n"
              "06/22/2001\tPAY\t$500.00\twages\t2\n"
              "06/30/2001\tRENT\t($700.00)\tflat\t1\n"
              "8 entries due through 06/30/2001.\n");
    ASSERT_EQ(run({"post", data.path()}), 0) << err.str();  // through today, 15 June
    EXPECT_EQ(out.str().substr(out.str().rfind("Posted")),
              "Posted 6 entries due through 06/15/2001.\n");
    ASSERT_EQ(run({"post", data.path()}), 0);
    EXPECT_EQ(out.str(), "Posted 0 entries due through 06/15/2001.\n");
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), 7u);
    ASSERT_EQ(run({"undo", data.path()}), 0) << err.str();
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), 1u);
    ASSERT_EQ(run({"due", data.path()}), 0);
    EXPECT_EQ(out.str().substr(out.str().rfind('\n', out.str().size() - 2) + 1),
              "6 entries due through 06/15/2001.\n");
}

TEST_F(ScheduleCommandsTest, ForecastNamesTheLowPointAndTheFirstDayBelow) {
    addRentAndPay();
    ASSERT_EQ(run({"post", data.path()}), 0);
    // $1,000 + $500 - 5 * $700 = -$2,000 today; then pay on 22 June, rent on 30 June.
    ASSERT_EQ(run({"forecast", data.path(), "--to", "7/31/2001", "--below", "-1000"}), 0)
        << err.str();
    EXPECT_EQ(out.str(),
              "Date\tCategory\tAmount\tNote\tPlanned\tBalance\n"
              "06/15/2001\t\t\tBalance today\t\t($2,000.00)\n"
              "06/22/2001\tPAY\t$500.00\twages\tplanned\t($1,500.00)\n"
              "06/30/2001\tRENT\t($700.00)\tflat\tplanned\t($2,200.00)\n"
              "07/06/2001\tPAY\t$500.00\twages\tplanned\t($1,700.00)\n"
              "07/31/2001\tRENT\t($700.00)\tflat\tplanned\t($2,400.00)\n"
              "Lowest balance\t($2,400.00) on 07/31/2001\n"
              "First day below ($1,000.00)\t06/15/2001\n");
    ASSERT_EQ(run({"forecast", data.path(), "--to", "6/22/2001", "--format", "json"}), 0);
    EXPECT_EQ(out.str(),
              "{\"today\": \"2001-06-15\", \"balance\": \"-2000.00\",\n \"entries\": [\n"
              "  {\"date\": \"2001-06-22\", \"category\": \"PAY\", \"amount\": \"500.00\", "
              "\"note\": \"wages\", \"planned\": true, \"balance\": \"-1500.00\"}],\n"
              " \"low\": {\"date\": \"2001-06-15\", \"balance\": \"-2000.00\"},\n"
              " \"threshold\": \"0.00\", \"firstBelow\": \"2001-06-15\"}\n");
    ASSERT_EQ(run({"list", data.path(), "--from", "6/1/2001", "--forecast", "6/30/2001"}), 0)
        << err.str();
    const std::string listed = out.str();
    const std::string blank(10, ' ');
    EXPECT_EQ(listed.substr(0, listed.find("(+)")),
              "Date\tAmount\tNote\tuser 1\tuser 2\tCategory\t\tPlanned\tBalance\n"
              "06/30/2001\t($700.00)\tflat\t" +
                  blank + "\t" + blank +
                  "\tRENT      \t****?****"
                  "\tplanned\t($2,200.00)\n"
                  "06/22/2001\t$500.00\twages\t" +
                  blank + "\t" + blank +
                  "\tPAY       \t****?****"
                  "\tplanned\t($1,500.00)\n"
                  "06/08/2001\t$500.00\twages\t" +
                  blank + "\t" + blank +
                  "\tPAY       \t80257.01953125"
                  "\t\t($2,000.00)\n"
                  "06/01/2001\t$1,000.00\tstart\t" +
                  blank + "\t" + blank +
                  "\tPAY       \t37000.5"
                  "\t\t($2,500.00)\n");
    EXPECT_NE(listed.find("Lowest balance ahead: ($2,200.00) on 06/30/2001; below $0.00 from "
                          "06/15/2001\n"),
              std::string::npos)
        << listed;
}

}  // namespace
}  // namespace qbk

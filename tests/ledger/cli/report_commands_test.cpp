// qbk3-cli report and export.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "platform/files.h"
#include "store/category_record.h"
#include "store/settings_record.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

CategoryRecord category(const std::string& code, const std::string& name) {
    CategoryRecord c;
    c.catCode = fitField(code, 10);
    c.catName = fitField(name, 20);
    return c;
}

class ReportCommands : public testing::CliFixture {
  protected:
    void SetUp() override {
        clock.setToday(serialFromDate(2001, 4, 2));
        // Newest first, as the record file keeps them; one deleted entry.
        EntryRecord gone = entry(2001, 3, 20, "FOOD", -999, "deleted", 6);
        gone.deletedMark = "Y";
        data.write("quillbank.dat",
                   fileOf({gone, entry(2001, 3, 18, "FOOD", -2000, "fish market", 5, "card"),
                           entry(2001, 3, 10, "PAY", 150000, "salary", 4),
                           entry(2001, 3, 5, "FOOD", -500, "bread", 3, "cash"),
                           entry(2001, 3, 2, "CAR", 0, "wash the car", 2),
                           entry(2000, 12, 31, "FOOD", -100, "last year", 1)}));
        data.write("category.dat", encodeCategory(category("CAR", "Car")) +
                                       encodeCategory(category("FOOD", "Groceries")) +
                                       encodeCategory(category("PAY", "Pay")));
    }
    std::vector<std::string> outLines() const { return splitLines(out.str()); }

    testing::TempFolder target;
};

TEST_F(ReportCommands, ReportPrintsTheReportOfTheListBuiltInOrder) {
    ASSERT_EQ(run({"report", data.path(), "full", "--search", "fish", "--category", "FOOD",
                   "--from", "3/1/2001", "--to", "3/31/2001"}),
              0)
        << err.str();
    const std::vector<std::string> lines = outLines();
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[0],
              "Cashflow Record for Your Name Here" + std::string(26, ' ') + "Printed: 04/02/2001");
    EXPECT_EQ(lines[2], "Searched the period 03/01/2001 through 03/31/2001, inclusive.");
    EXPECT_EQ(lines[3], "Records found span  03/05/2001 through 03/18/2001, inclusive.");
    // The search found the fish entry, then the category added it again and the bread.
    EXPECT_EQ(lines[9],
              "   Groceries                  ($45.00)  (  100 %)  |||||||||||||||||||||||||");
    const std::vector<std::string> items(lines.end() - 11, lines.end() - 6);
    EXPECT_EQ(items,
              (std::vector<std::string>{
                  "Date             Amount  Note", "", "03/18/2001       $20.00  fish market",
                  "03/18/2001       $20.00  fish market", "03/05/2001        $5.00  bread"}));
    EXPECT_EQ(lines.back(), "   End of report");
    EXPECT_EQ(out.str().find('\r'), std::string::npos);
    // The work files stay out of the program folder.
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
}

TEST_F(ReportCommands, WideReportsUseTheSettingsOfTheProgramFolder) {
    SettingsRecord settings = SettingsRecord::defaults();
    settings.setOwnerName("Ann");
    settings.setGridOrder("-1n2-");
    SaveConfig(program.file("qbk3.ini"), settings);
    ASSERT_EQ(run({"report", data.path(), "summary", "--wide", "--category", "CAR", "--from",
                   "1/1/2001"}),
              0)
        << err.str();
    const std::vector<std::string> lines = outLines();
    EXPECT_EQ(lines[0],
              "Cashflow Record for Ann" + std::string(37 + 34, ' ') + "Printed: 04/02/2001");
    // Without --to the range ends where the start-up range (the fiscal year) ends.
    EXPECT_EQ(lines[2], "Searched the period 01/01/2001 through 12/31/2001, inclusive.");
    const std::vector<std::string> end(lines.end() - 5, lines.end());
    EXPECT_EQ(
        end, (std::vector<std::string>{
                 "   Date           user 1      Note" + std::string(57, ' ') + "user 2    ", "",
                 "   03/02/2001     " + std::string(10, ' ') + "  " + fitField("wash the car", 60) +
                     " " + std::string(10, ' '),
                 std::string(113, '-'), "   End of report"}));
}

TEST_F(ReportCommands, ExportAppendsTheExportOfTheList) {
    ASSERT_EQ(run({"export", data.path(), "full", target.file("out.csv"), "--category", "FOOD",
                   "--category", "PAY", "--from", "1/1/2001"}),
              0)
        << err.str();
    EXPECT_EQ(target.read("out.csv"), "-20,FOOD      ,fish market" + std::string(49, ' ') +
                                          ",03/18/2001,card      ,          \r\n"
                                          "-5,FOOD      ,bread" +
                                          std::string(55, ' ') +
                                          ",03/05/2001,cash      ,          \r\n"
                                          "1500,PAY       ,salary" +
                                          std::string(54, ' ') +
                                          ",03/10/2001,          ,          \r\n");
    ASSERT_EQ(run({"export", data.path(), "summary", target.file("out.csv"), "--search", "salary",
                   "--from", "1/1/2001"}),
              0);
    const std::string all = target.read("out.csv");
    const std::string last = "PAY       ,Pay                 ,1500\r\n";
    EXPECT_EQ(all.substr(all.size() - last.size()), last);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
}

TEST_F(ReportCommands, AnEmptyListIsRefused) {
    EXPECT_EQ(run({"report", data.path(), "summary", "--category", "NONE", "--from", "1/1/2001"}),
              1);
    EXPECT_EQ(
        err.str(),
        "qbk3-cli: You must first build a list of items in order to generate a report. Please "
        "select categories and/or perform word searches to build your list.\n");
    EXPECT_EQ(run({"report", data.path(), "full"}), 1);
    EXPECT_EQ(run({"export", data.path(), "full", target.file("x.txt")}), 1);
    EXPECT_FALSE(target.exists("x.txt"));
}

TEST_F(ReportCommands, BadArgumentsExplainThemselves) {
    EXPECT_EQ(run({"report", data.path()}), 2);
    EXPECT_EQ(err.str().substr(0, 28), "qbk3-cli: KIND is required\nU");
    EXPECT_EQ(run({"report", data.path(), "long"}), 2);
    EXPECT_EQ(run({"report", data.path(), "full", "--category"}), 2);
    EXPECT_EQ(run({"report", data.path(), "full", "--from", "13/13/2001"}), 2);
    EXPECT_EQ(run({"export", data.path(), "full"}), 2);
    EXPECT_EQ(run({"export", data.path(), "full", "x.txt", "--wide"}), 2);
    EXPECT_NE(err.str().find("argument was not expected: --wide"), std::string::npos);
    EXPECT_EQ(run({"export", data.path(), "full", target.file("gone/x.txt"), "--category", "FOOD"}),
              1);
    EXPECT_NE(err.str().find("Path not found"), std::string::npos);
}

}  // namespace
}  // namespace qbk

// Charts rendered without a window into picture files.
#include <gtest/gtest.h>

#include <sstream>

#include "charts/qt/chart_command_line.h"
#include "store/category_record.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;

class ChartCommandLineTest : public ::testing::Test {
  protected:
    ChartCommandLineTest() {
        dir.write("quillbank.dat", testing::fileOf({entry(2001, 6, 10, "PAY", 250000, "pay"),
                                                    entry(2001, 6, 5, "FOOD", -1250, "fish"),
                                                    entry(2001, 6, 3, "CAR", -4000, "fuel")}));
        writeCategories(dir.file("category.dat"),
                        testing::categoriesOf({{"FOOD", "Groceries"}, {"CAR", "Car upkeep"}}));
        request.folder = dir.path();
        request.from = "1/1/2001";
        request.to = "12/31/2001";
    }
    int run() {
        err.str("");
        return runChartCommand(request, SettingsRecord::defaults(),
                               RegionalSettings::unitedStates(), serialFromDate(2001, 6, 15), err);
    }

    testing::TempFolder dir;
    ChartRequest request;
    std::ostringstream err;
};

TEST_F(ChartCommandLineTest, WritesEachChartAsPngOrSvg) {
    for (const char* kind : {"categories", "months", "balance"}) {
        request.kind = kind;
        request.out = dir.file(std::string(kind) + ".png");
        EXPECT_EQ(run(), 0) << kind << err.str();
        EXPECT_EQ(dir.read(std::string(kind) + ".png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    }
    request.kind = "categories";
    request.out = dir.file("fish.svg");
    request.searches = {"fish"};
    EXPECT_EQ(run(), 0) << err.str();
    const std::string svg = dir.read("fish.svg");
    EXPECT_NE(svg.find("Word Search = FISH"), std::string::npos);
    EXPECT_NE(svg.find("Groceries"), std::string::npos);
    EXPECT_EQ(svg.find("Car upkeep"), std::string::npos);
}

TEST_F(ChartCommandLineTest, BadRequestsAndEmptyListsWriteNothing) {
    request.kind = "categories";
    request.out = dir.file("x.png");
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { request.kind = "pies"; },
         "qbk3-cli: chart: the chart is categories, months or balance, not pies\n"},
        {[&] { request.out = dir.file("x.jpg"); },
         "qbk3-cli: chart: --out names a .png or .svg file\n"},
        {[&] { request.from = "31/31/2001"; }, "qbk3-cli: chart: not a date: 31/31/2001\n"},
        {[&] { request.categories = {"PAY"}; }, "qbk3-cli: chart: no such category: PAY\n"},
        {[&] { request.folder = dir.file("gone"); },
         "qbk3-cli: chart: no such folder: " + dir.file("gone") + "\n"},
    };
    for (const auto& [change, message] : cases) {
        const ChartRequest kept = request;
        change();
        EXPECT_EQ(run(), 2);
        EXPECT_EQ(err.str(), message);
        request = kept;
    }
    request.from = "1/1/2002";
    request.to = "12/31/2002";
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(err.str(), "qbk3-cli: chart: the list holds no entries to chart\n");
    EXPECT_FALSE(dir.exists("x.png"));
}

}  // namespace
}  // namespace qbk

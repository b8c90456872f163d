#include "store/pick_list.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qbk {
namespace {

TEST(PickList, AMissingListIsCreatedEmpty) {
    testing::TempFolder dir;
    EXPECT_TRUE(readPickList(dir.file("udf1.dat")).empty());
    EXPECT_TRUE(dir.exists("udf1.dat"));
}

TEST(PickList, RemembersNewValuesCutToTenAsTyped) {
    testing::TempFolder dir;
    const std::string path = dir.file("udf1.dat");
    EXPECT_TRUE(rememberPickListValue(path, "card"));
    EXPECT_FALSE(rememberPickListValue(path, "  card  "));  // found again without its blanks
    EXPECT_FALSE(rememberPickListValue(path, "   "));
    EXPECT_TRUE(rememberPickListValue(path, " fourteen chars"));
    EXPECT_EQ(dir.read("udf1.dat"), "card\r\n fourteen \r\n");
}

TEST(PickList, RemovesEveryLineOfTheValueAndKeepsTheRest) {
    testing::TempFolder dir;
    dir.write("udf2.dat", "home\r\nwork\r\n home \r\nshop\r\n");
    EXPECT_EQ(removePickListValue(dir.file("udf2.dat"), "home"), 2u);
    EXPECT_EQ(dir.read("udf2.dat"), "work\r\nshop\r\n");
}

TEST(PickList, ReadsOlderWindows1252Lists) {
    testing::TempFolder dir;
    dir.write("udf1.dat", "caf\xE9\r\nbar\n");
    EXPECT_EQ(readPickList(dir.file("udf1.dat")), (std::vector<std::string>{"café", "bar"}));
}

}  // namespace
}  // namespace qbk

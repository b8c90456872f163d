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
    EXPECT_FALSE(rememberPickListValue(path, " fourteen chars"));  // found as stored
    EXPECT_FALSE(rememberPickListValue(path, std::string(10, ' ') + "x"));
    EXPECT_EQ(dir.read("udf1.dat"), "card\r\n fourteen \r\n");
}

TEST(PickList, RemovesEveryLineOfTheValueAndKeepsTheRest) {
    testing::TempFolder dir;
    dir.write("udf2.dat", "home\r\nwork\r\n home \r\nshop\r\n");
    EXPECT_EQ(removePickListValue(dir.file("udf2.dat"), "home"), 2u);
    EXPECT_EQ(dir.read("udf2.dat"), "work\r\nshop\r\n");
}

TEST(PickList, IsWrittenAsWindows1252AndReadInEitherForm) {
    testing::TempFolder dir;
    dir.write("udf1.dat", "caf\xE9\r\nbar\n");
    EXPECT_EQ(readPickList(dir.file("udf1.dat")), (std::vector<std::string>{"café", "bar"}));
    EXPECT_TRUE(rememberPickListValue(dir.file("udf1.dat"), "€uro"));
    EXPECT_EQ(dir.read("udf1.dat"), "caf\xE9\r\nbar\r\n\x80uro\r\n");
    // A list an early version wrote in UTF-8 is rewritten in Windows-1252.
    dir.write("udf2.dat", "žluť\r\n");
    EXPECT_TRUE(rememberPickListValue(dir.file("udf2.dat"), "naïve"));
    EXPECT_EQ(dir.read("udf2.dat"), "\x9Elu?\r\nna\xEFve\r\n");
    EXPECT_EQ(removePickListValue(dir.file("udf2.dat"), "naïve"), 1u);
    EXPECT_EQ(dir.read("udf2.dat"), "\x9Elu?\r\n");
}

}  // namespace
}  // namespace qbk

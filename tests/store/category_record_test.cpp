#include "store/category_record.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qbk {
namespace {

TEST(CategoryRecordCodec, NewRecordsHaveZeroReservedBytes) {
    CategoryRecord r;
    r.catCode = "FOOD";
    r.catName = "Groceries";
    r.catDescription = "Week's shopping";
    const std::string bytes = encodeCategory(r);
    ASSERT_EQ(bytes.size(), 540u);
    EXPECT_EQ(bytes.substr(0, 10), "FOOD      ");
    EXPECT_EQ(bytes.substr(10, 20), "Groceries           ");
    EXPECT_EQ(bytes.substr(30, 15), "Week's shopping");
    EXPECT_EQ(bytes.substr(45, 485), std::string(485, ' '));
    EXPECT_EQ(bytes.substr(530), std::string(10, '\0'));
}

TEST(CategoryRecordCodec, ReservedBytesAreKeptAsRead) {
    std::string bytes(540, ' ');
    bytes.replace(530, 10, "RESERVED!!");
    const CategoryRecord r = decodeCategory(bytes.data());
    EXPECT_EQ(r.catReserved, "RESERVED!!");
    EXPECT_EQ(encodeCategory(r), bytes);
}

TEST(CategoryFile, ReadsWholeRecordsAndCreatesAMissingFile) {
    testing::TempFolder dir;
    EXPECT_TRUE(readCategories(dir.file("category.dat")).empty());
    EXPECT_TRUE(dir.exists("category.dat"));
    CategoryRecord a, b;
    a.catCode = "A         ";
    b.catCode = "B         ";
    writeCategories(dir.file("category.dat"), {a, b});
    dir.write("category.dat", dir.read("category.dat") + "half");
    const auto read = readCategories(dir.file("category.dat"));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].catCode, "B         ");
}

}  // namespace
}  // namespace qbk

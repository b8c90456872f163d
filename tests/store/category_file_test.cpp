#include "store/category_file.h"

#include <gtest/gtest.h>

#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

CategoryRecord category(const std::string& code, const std::string& name = "") {
    CategoryRecord r;
    r.catCode = fitField(code, 10);
    r.catName = fitField(name.empty() ? code : name, 20);
    return r;
}

std::vector<std::string> codes(const std::vector<CategoryRecord>& records) {
    std::vector<std::string> c;
    for (const auto& r : records)
        c.emplace_back(trimBlanks(r.catCode));
    return c;
}

TEST(SortCategoryFile, EqualCodesAfterUpperCasingKeepTheirOrder) {
    std::vector<CategoryRecord> bAa = {category("b"), category("A"), category("a")};
    sortCategories(bAa);
    EXPECT_EQ(codes(bAa), (std::vector<std::string>{"A", "a", "b"}));
    std::vector<CategoryRecord> baA = {category("b"), category("a"), category("A")};
    sortCategories(baA);
    EXPECT_EQ(codes(baA), (std::vector<std::string>{"a", "A", "b"}));
}

TEST(SortCategoryFile, ShortCodesCompareWithTheirBlanks) {
    std::vector<CategoryRecord> r = {category("AB1"), category("AB"), category("AB-")};
    sortCategories(r);  // blank (32) < "-" (45) < "1" (49)
    EXPECT_EQ(codes(r), (std::vector<std::string>{"AB", "AB-", "AB1"}));
}

TEST(SortCategoryFile, SortsTheFileInPlaceOfTheOldOne) {
    testing::TempFolder dir;
    writeCategories(dir.file("category.dat"), {category("ZED"), category("ALPHA")});
    SortCategoryFile(dir.file("category.dat"));
    EXPECT_EQ(codes(readCategories(dir.file("category.dat"))),
              (std::vector<std::string>{"ALPHA", "ZED"}));
}

TEST(GetLabel, FindsTheNameOrLeavesItAlone) {
    testing::TempFolder dir;
    writeCategories(dir.file("category.dat"), {category("FOOD", "Groceries")});
    std::string name = "unchanged";
    EXPECT_FALSE(getlabel(dir.file("category.dat"), "food", name));
    EXPECT_EQ(name, "unchanged");
    EXPECT_TRUE(getlabel(dir.file("category.dat"), "FOOD", name));
    EXPECT_EQ(name, "Groceries           ");
}

TEST(ChaseCat, RecodesEveryEntryOfTheCodeAndNoOther) {
    testing::TempFolder dir;
    EntryRecord gone = entry(2001, 1, 1, "FOOD", 1, "", 3);
    gone.deletedMark = "Y";
    dir.write("quillbank.dat", fileOf({entry(2001, 1, 3, "FOOD", 1, "", 1),
                                       entry(2001, 1, 2, "food", 1, "", 2), gone}));
    EXPECT_EQ(ChaseCat(dir.file("quillbank.dat"), "FOOD      ", "MEALS", false), 2u);
    const auto r = readRecords(dir.file("quillbank.dat"));
    EXPECT_EQ(r[0].categoryCode, "MEALS     ");
    EXPECT_EQ(r[1].categoryCode, "food      ");
    EXPECT_EQ(r[2].categoryCode, "MEALS     ");
    EXPECT_TRUE(r[2].isDeleted());
    EXPECT_FALSE(r[0].isDeleted());
    EXPECT_EQ(ChaseCat(dir.file("quillbank.dat"), "MEALS", "MEALS", true), 2u);
    EXPECT_TRUE(readRecords(dir.file("quillbank.dat"))[0].isDeleted());
}

}  // namespace
}  // namespace qbk

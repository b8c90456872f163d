// qbk3-cli category: a book kept from the command line alone.
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

class CategoryCommands : public testing::CliFixture {
  protected:
    std::string categories() {
        EXPECT_EQ(run({"category", "list", data.path()}), 0) << err.str();
        return out.str();
    }
};

TEST_F(CategoryCommands, ANewBookStartsWithItsFirstCategory) {
    const std::string book = data.file("Home/Book");
    ASSERT_EQ(run({"category", "add", book, "food", "Groceries", "--description", " weekly "}), 0)
        << err.str();
    EXPECT_EQ(out.str(), "Made the data folder " + book + ".\nAdded the category FOOD.\n");
    ASSERT_EQ(run({"add", book, "--expense=12.50", "--category", "FOOD"}), 0) << err.str();
    EXPECT_EQ(readRecords(book + "/quillbank.dat")[0].amount, Money::fromRaw(-125000));
    ASSERT_EQ(run({"category", "list", book}), 0);
    EXPECT_EQ(out.str(), "Code\tName\tDescription\nFOOD\tGroceries\tweekly\n");
}

TEST_F(CategoryCommands, AddKeepsTheRulesOfTheCategoryFrame) {
    ASSERT_EQ(run({"category", "add", data.path(), " payroll-2001 "}), 0);
    EXPECT_EQ(out.str(), "Added the category PAYROLL-20.\n");
    EXPECT_EQ(run({"category", "add", data.path(), "Payroll-2001x"}), 1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: The category code PAYROLL-20 is already in use by another category. Two "
              "categories cannot share one code, because every report gathers the entries of a "
              "category by its code; nothing has been changed.\n");
    EXPECT_EQ(run({"category", "add", data.path(), " "}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: You must provide a category code!\n");
    EXPECT_EQ(categories(), "Code\tName\tDescription\nPAYROLL-20\t\t\n");
}

TEST_F(CategoryCommands, RenameRecodesTheEntriesOfTheCategory) {
    std::vector<CategoryRecord> cats(2);
    cats[0].catCode = fitField("CAR", 10);
    cats[0].catName = fitField("Car", 20);
    cats[1].catCode = fitField("food", 10);
    writeCategories(data.file("category.dat"), cats);
    data.write("quillbank.dat", fileOf({entry(2001, 4, 2, "CAR", -100, "fuel", 2),
                                        entry(2001, 4, 1, "food", -100, "bread", 1)}));
    ASSERT_EQ(run({"category", "rename", data.path(), "CAR", "auto", "--name=Motoring"}), 0)
        << err.str();
    EXPECT_EQ(out.str(), "The category CAR is now AUTO; 1 entries recoded.\n");
    EXPECT_EQ(readRecords(data.file("quillbank.dat"))[0].categoryCode, fitField("AUTO", 10));
    EXPECT_EQ(categories(), "Code\tName\tDescription\nAUTO\tMotoring\t\nfood\t\t\n");

    EXPECT_EQ(run({"category", "rename", data.path(), "food", "auto"}), 1);
    EXPECT_EQ(err.str().substr(0, 46), "qbk3-cli: The category code AUTO is already in");
    EXPECT_EQ(run({"category", "rename", data.path(), "FOOD", "MEALS"}), 2);
    EXPECT_EQ(err.str(), "qbk3-cli: no such category: FOOD\n");
    EXPECT_EQ(readRecords(data.file("quillbank.dat"))[1].categoryCode, fitField("food", 10));
}

TEST_F(CategoryCommands, DeleteIsRefusedWhileLiveEntriesUseTheCategory) {
    std::vector<CategoryRecord> cats(2);
    cats[0].catCode = fitField("CAR", 10);
    cats[1].catCode = fitField("OLD", 10);
    writeCategories(data.file("category.dat"), cats);
    EntryRecord gone = entry(2001, 4, 3, "OLD", -1, "", 3);
    gone.deletedMark = "Y";
    const std::string book = fileOf({gone, entry(2001, 4, 2, "CAR", -100, "fuel", 2),
                                     entry(2001, 4, 1, "CAR", -100, "oil", 1)});
    data.write("quillbank.dat", book);

    ASSERT_EQ(run({"category", "delete", data.path(), "OLD"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Deleted the category OLD.\n");
    EXPECT_EQ(run({"category", "delete", data.path(), "CAR"}), 1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: 2 entries use the category CAR; nothing has been deleted. Give "
              "--mark-entries-deleted to mark them deleted with it, or rename the category "
              "instead.\n");
    EXPECT_EQ(data.read("quillbank.dat"), book);
    EXPECT_EQ(categories(), "Code\tName\tDescription\nCAR\t\t\n");

    ASSERT_EQ(run({"category", "delete", data.path(), "CAR", "--mark-entries-deleted"}), 0);
    EXPECT_EQ(out.str(),
              "Deleted the category CAR.\n"
              "Marked 2 entries deleted (restore them before a purge to keep them).\n");
    for (const EntryRecord& r : readRecords(data.file("quillbank.dat")))
        EXPECT_TRUE(r.isDeleted());
    EXPECT_EQ(categories(), "Code\tName\tDescription\n");
}

}  // namespace
}  // namespace qbk

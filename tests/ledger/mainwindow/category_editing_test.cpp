#include "mainwindow/category_editing.h"

#include <gtest/gtest.h>

#include "platform/undo_history.h"

#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

CategoryRecord category(const std::string& code, const std::string& name = "",
                        const std::string& description = "") {
    CategoryRecord r;
    r.catCode = fitField(code, 10);
    r.catName = fitField(name.empty() ? code : name, 20);
    r.catDescription = fitField(description, 500);
    return r;
}

class CategoryEditingTest : public ::testing::Test {
  protected:
    std::string categories() const { return dir.file("category.dat"); }
    std::string records() const { return dir.file("quillbank.dat"); }
    std::string codes() const {
        std::string c;
        for (const CategoryRecord& r : readCategories(categories()))
            c += std::string(trimBlanks(r.catCode)) + ";";
        return c;
    }
    testing::TempFolder dir;
};

TEST_F(CategoryEditingTest, SaveStoresTheTrimmedFormAndKeepsTheFileSorted) {
    EXPECT_TRUE(saveCategory(categories(), {"  ZED ", " Last one ", "  far down  "}).done);
    EXPECT_EQ(dir.read("category.dat"), encodeCategory(category("ZED", "Last one", "far down")));
    EXPECT_EQ(dir.read("category.dat").substr(530), std::string(10, '\0'));
    EXPECT_TRUE(saveCategory(categories(), {"FOOD", "Groceries", ""}).done);
    EXPECT_TRUE(saveCategory(categories(), {"food", "lower case", ""}).done);
    EXPECT_EQ(codes(), "FOOD;food;ZED;");
    EXPECT_TRUE(saveCategory(categories(), {"ABCDEFGHIJKL", "", ""}).done);
    EXPECT_EQ(codes(), "ABCDEFGHIJ;FOOD;food;ZED;");
}

TEST_F(CategoryEditingTest, SaveRefusesABlankOrTakenCodeAndWritesNothing) {
    writeCategories(categories(), {category("FOOD")});
    const std::string before = dir.read("category.dat");
    const CategoryChange blank = saveCategory(categories(), {"   ", "name", ""});
    EXPECT_FALSE(blank.done);
    EXPECT_EQ(blank.message, (Message{"You must provide a category code!", "Nothing to do!",
                                      Icon::Exclamation, Buttons::Ok, 1}));
    const CategoryChange taken = saveCategory(categories(), {" FOOD", "again", ""});
    EXPECT_FALSE(taken.done);
    EXPECT_EQ(taken.message,
              (Message{"The category code FOOD is already in use by another category. Two "
                       "categories cannot share one code, because every report gathers the "
                       "entries of a category by its code; nothing has been changed.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_EQ(dir.read("category.dat"), before);
}

TEST_F(CategoryEditingTest, EditFillsTheFormFromTheSelectionAndTheFile) {
    writeCategories(categories(), {category("CAR", "Car costs", "  fuel and repairs  ")});
    const CategoryEditStart e = editCategory(categories(), "CAR       ", "Car costs           ");
    EXPECT_EQ(e.form, (CategoryForm{"CAR", "Car costs", "fuel and repairs"}));
    EXPECT_FALSE(e.message);

    EXPECT_EQ(editCategory(categories(), "          ", "All Categories").message,
              (Message{"Please double-click a category on the right to select it for editing.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
    const CategoryEditStart gone = editCategory(categories(), "car", "car");
    EXPECT_FALSE(gone.form);
    EXPECT_EQ(gone.message->text,
              "The category car is not in the category file (it may have been changed outside "
              "the program). Please select the category again.");
}

TEST_F(CategoryEditingTest, ReplaceRecodesTheEntriesAndTheSelectionFollows) {
    CategoryRecord car = category("CAR", "Car");
    car.catReserved = "reserved!!";
    writeCategories(categories(), {category("BOOKS"), car, category("ZOO")});
    EntryRecord gone = entry(2001, 4, 1, "CAR", -100, "", 3);
    gone.deletedMark = "Y";
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 2, "CAR", -100, "", 1),
                                       entry(2001, 4, 2, "car", -100, "", 2), gone}));

    const CategoryChange c =
        replaceCategory(categories(), records(), "CAR       ", {" AUTO ", "Automobile", "d"});
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.filterCode, "AUTO");
    EXPECT_EQ(c.entriesChanged, 2u);
    EXPECT_EQ(codes(), "AUTO;BOOKS;ZOO;");
    CategoryRecord expected = category("AUTO", "Automobile", "d");
    expected.catReserved = "reserved!!";
    EXPECT_EQ(readCategories(categories())[0], expected);
    const auto r = readRecords(records());
    EXPECT_EQ(r[0].categoryCode, "AUTO      ");
    EXPECT_EQ(r[1].categoryCode, "car       ");
    EXPECT_EQ(r[2].categoryCode, "AUTO      ");
    EXPECT_TRUE(r[2].isDeleted());
    EXPECT_FALSE(r[0].isDeleted());

    // Only the name changes: the code is the category's own.
    EXPECT_TRUE(replaceCategory(categories(), records(), "AUTO", {"AUTO", "Cars", ""}).done);
    EXPECT_EQ(trimBlanks(readCategories(categories())[0].catName), "Cars");
}

TEST_F(CategoryEditingTest, ReplaceRefusesAndChangesNothing) {
    writeCategories(categories(), {category("CAR"), category("FOOD")});
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 2, "CAR", -100, "", 1)}));
    const std::string cats = dir.read("category.dat"), book = dir.read("quillbank.dat");

    const CategoryChange taken = replaceCategory(categories(), records(), "CAR", {"FOOD", "", ""});
    EXPECT_FALSE(taken.done);
    EXPECT_EQ(taken.message->title, "Nothing to do!");
    EXPECT_EQ(taken.message->text.substr(0, 32), "The category code FOOD is alread");
    EXPECT_EQ(replaceCategory(categories(), records(), "CAR", {"", "x", ""}).message,
              blankCategoryCodeMessage());
    EXPECT_EQ(replaceCategory(categories(), records(), "BIKE", {"CYCLE", "", ""}).message,
              categoryNotFoundMessage("BIKE"));
    EXPECT_EQ(dir.read("category.dat"), cats);
    EXPECT_EQ(dir.read("quillbank.dat"), book);
}

TEST_F(CategoryEditingTest, DeleteRemovesTheFirstOfTheCodeAndBlankCodes) {
    writeCategories(categories(), {category("ZED"), category("CAR", "first"), category(""),
                                   category("CAR", "second"), category("ALPHA")});
    EXPECT_FALSE(deleteCategoryRefusal(categories(), "CAR", " CAR "));
    const CategoryChange c = deleteCategory(categories(), "CAR       ", "CAR");
    EXPECT_TRUE(c.done);
    EXPECT_EQ(codes(), "ALPHA;CAR;ZED;");
    EXPECT_EQ(trimBlanks(readCategories(categories())[1].catName), "second");
}

TEST_F(CategoryEditingTest, DeleteRefusesAnotherCodeInTheFormOrAMissingCategory) {
    writeCategories(categories(), {category("AUTO"), category("CAR")});
    const std::string before = dir.read("category.dat");
    EXPECT_EQ(deleteCategoryRefusal(categories(), "CAR", "AUTO"),
              (Message{"The code in the form (AUTO) is not the code of the selected category "
                       "(CAR). Nothing has been deleted.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_FALSE(deleteCategory(categories(), "CAR", "AUTO").done);
    EXPECT_EQ(deleteCategory(categories(), "BIKE", "BIKE").message,
              categoryNotFoundMessage("BIKE"));
    const CategoryChange blank = deleteCategory(categories(), "CAR", "  ");
    EXPECT_FALSE(blank.done);
    EXPECT_FALSE(blank.message);
    EXPECT_EQ(dir.read("category.dat"), before);
}

TEST_F(CategoryEditingTest, DeletingTheEntriesMarksThemDeletedUnderTheirCode) {
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 2, "CAR", -100, "", 1),
                                       entry(2001, 4, 2, "CARS", -100, "", 2)}));
    EXPECT_EQ(deleteCategoryEntries(records(), "CAR       "), 1u);
    const auto r = readRecords(records());
    EXPECT_TRUE(r[0].isDeleted());
    EXPECT_EQ(r[0].categoryCode, "CAR       ");
    EXPECT_FALSE(r[1].isDeleted());
}

// The delete and the marking of its entries, with the questions between them, are one
// undo step; an unrelated change in between keeps them apart.
TEST_F(CategoryEditingTest, ADeleteAndItsEntriesAreOneUndoStep) {
    writeCategories(categories(), {category("CAR"), category("FOOD")});
    dir.write("quillbank.dat", fileOf({entry(2001, 4, 2, "CAR", -100, "", 1)}));
    const std::string categoriesBefore = dir.read("category.dat");
    const std::string recordsBefore = dir.read("quillbank.dat");
    ASSERT_TRUE(deleteCategory(categories(), "CAR", "CAR").done);
    EXPECT_EQ(deleteCategoryEntries(records(), "CAR"), 1u);
    ASSERT_EQ(undoLastChange(dir.path()), UndoResult::Done);
    EXPECT_EQ(dir.read("category.dat"), categoriesBefore);
    EXPECT_EQ(dir.read("quillbank.dat"), recordsBefore);
    EXPECT_EQ(undoLastChange(dir.path()), UndoResult::NothingToUndo);

    ASSERT_TRUE(deleteCategory(categories(), "CAR", "CAR").done);
    setUndoWriter("another program");
    saveCategory(categories(), {"NEW", "New", ""});
    setUndoWriter("");
    deleteCategoryEntries(records(), "CAR");
    ASSERT_EQ(undoLastChange(dir.path()), UndoResult::Done);
    EXPECT_EQ(dir.read("quillbank.dat"), recordsBefore);
    EXPECT_EQ(codes(), "FOOD;NEW;");
}

TEST(CategoryQuestions, NameTheCategory) {
    EXPECT_EQ(deleteCategoryQuestion("Car"),
              (Message{"Delete category?\r\n\r\nCar                 ", "Confirm", Icon::Question,
                       Buttons::YesNo, 1}));
    EXPECT_EQ(categoryDeletedQuestion("Car                 "),
              (Message{"Category Car has been deleted. Do you wish to delete any records that "
                       "were under that category as well?",
                       "Category deleted", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(areYouSureQuestion(),
              (Message{"Are you sure?", "Confirm", Icon::Critical, Buttons::YesNo, 2}));
}

}  // namespace
}  // namespace qbk

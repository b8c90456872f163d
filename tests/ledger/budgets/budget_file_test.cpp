#include "store/budget_file.h"

#include <gtest/gtest.h>

#include "mainwindow/category_editing.h"
#include "platform/errors.h"
#include "platform/undo_history.h"
#include "store/book_files.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::TempFolder;

Money cents(long long c) {
    return Money::fromRaw(c * 100);
}

TEST(BudgetFile, WritesSortedLinesAndReadsThemBack) {
    TempFolder dir;
    Budget budget;
    EXPECT_TRUE(setBudgetAmount(budget, {2026, 5}, "GROC", cents(-40000)));
    EXPECT_TRUE(setBudgetAmount(budget, {2026, 4}, "SAL\xC3\xA9", cents(250000)));
    EXPECT_TRUE(setBudgetAmount(budget, {2026, 4}, "GROC", Money::fromRaw(-4000005)));
    EXPECT_FALSE(setBudgetAmount(budget, {2026, 4}, "GROC", Money::fromRaw(-4000005)));
    EXPECT_FALSE(setBudgetAmount(budget, {2026, 6}, "GROC", Money()));
    const std::string path = budgetFilePath(dir.path());
    writeBudget(path, budget);
    EXPECT_EQ(dir.read("budget.txt"),
              "2026-04\t-400.0005\tGROC\r\n"
              "2026-04\t2500.00\tSAL\xE9\r\n"
              "2026-05\t-400.00\tGROC\r\n");
    EXPECT_EQ(readBudget(path), budget);
    EXPECT_TRUE(setBudgetAmount(budget, {2026, 5}, "GROC", Money()));
    EXPECT_EQ(budget.size(), 2u);
    EXPECT_EQ(budgetAmount(budget, {2026, 4}, "GROC"), Money::fromRaw(-4000005));
    EXPECT_TRUE(readBudget(dir.file("missing.txt")).empty());
}

TEST(BudgetFile, NamesTheDamagedLine) {
    TempFolder dir;
    const std::string path = dir.file("budget.txt");
    const std::pair<std::string, std::string> cases[] = {
        {"2026-04\t-400.00\tGROC\r\nrubbish\r\n",
         "Line 2 of the budget " + path + " is not MONTH TAB AMOUNT TAB CODE: rubbish"},
        {"2026-13\t-400.00\tGROC\r\n",
         "Line 1 of the budget " + path + " has no month YYYY-MM: 2026-13\t-400.00\tGROC"},
        {"\r\n2026-04\t-400\tGROC\r\n",
         "Line 2 of the budget " + path + " has no amount such as -400.00: 2026-04\t-400\tGROC"},
        {"2026-04\t0.00\tGROC\r\n",
         "Line 1 of the budget " + path + " has no amount such as -400.00: 2026-04\t0.00\tGROC"},
        {"2026-04\t1.00\tGROCERIES11\r\n",
         "Line 1 of the budget " + path +
             " has a category code longer than 10 characters: 2026-04\t1.00\tGROCERIES11"},
        {"2026-04\t1.00\tA\r\n2026-04\t2.00\tA\r\n",
         "Line 2 of the budget " + path +
             " repeats a month and category of the line before: 2026-04\t2.00\tA"},
        {"2026-05\t1.00\tA\r\n2026-04\t2.00\tA\r\n",
         "Line 2 of the budget " + path +
             " is out of order (lines go by month, then code): 2026-04\t2.00\tA"},
    };
    for (const auto& [bytes, message] : cases) {
        dir.write("budget.txt", bytes);
        try {
            readBudget(path);
            ADD_FAILURE() << "read " << bytes;
        } catch (const OperationError& e) {
            EXPECT_EQ(e.number(), errnum::kTypeMismatch);
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

// The category frame's Replace and Delete take the budget along, in their one change,
// and one undo puts the budget back with the categories.
TEST(BudgetFile, FollowsCategoryRenameAndDeleteAndUndo) {
    useBookFileRules();
    TempFolder dir;
    const std::string categories = dir.file("category.dat");
    const std::string records = dir.file("quillbank.dat");
    dir.write("category.dat", encodeCategory(testing::categoriesOf({{"FOOD", "Food"}})[0]) +
                                  encodeCategory(testing::categoriesOf({{"CAR", "Car"}})[0]));
    dir.write("quillbank.dat", testing::fileOf({testing::entry(2026, 4, 2, "FOOD", -1250)}));
    const std::string before =
        "2026-04\t-50.00\tCAR\r\n2026-04\t-400.00\tFOOD\r\n2026-04\t-9.00\tMEALS\r\n"
        "2026-05\t-410.00\tFOOD\r\n";
    dir.write("budget.txt", before);

    ASSERT_TRUE(replaceCategory(categories, records, "FOOD", {"MEALS", "Meals", ""}).done);
    EXPECT_EQ(dir.read("budget.txt"),
              "2026-04\t-50.00\tCAR\r\n2026-04\t-400.00\tMEALS\r\n2026-05\t-410.00\tMEALS\r\n");
    ASSERT_TRUE(deleteCategory(categories, "CAR", "CAR").done);
    EXPECT_EQ(dir.read("budget.txt"), "2026-04\t-400.00\tMEALS\r\n2026-05\t-410.00\tMEALS\r\n");

    EXPECT_EQ(undoLastChange(dir.path()), UndoResult::Done);
    EXPECT_EQ(dir.read("budget.txt"),
              "2026-04\t-50.00\tCAR\r\n2026-04\t-400.00\tMEALS\r\n2026-05\t-410.00\tMEALS\r\n");
    EXPECT_EQ(undoLastChange(dir.path()), UndoResult::Done);
    EXPECT_EQ(dir.read("budget.txt"), before);

    // A damaged budget stops the rename before anything is written.
    dir.write("budget.txt", "nonsense\r\n");
    const std::string categoryBytes = dir.read("category.dat");
    EXPECT_THROW(replaceCategory(categories, records, "FOOD", {"MEALS", "Meals", ""}),
                 OperationError);
    EXPECT_EQ(dir.read("category.dat"), categoryBytes);
    EXPECT_EQ(dir.read("budget.txt"), "nonsense\r\n");
}

}  // namespace
}  // namespace qbk

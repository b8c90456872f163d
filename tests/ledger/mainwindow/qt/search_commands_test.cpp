// The searches: complete words, fragments and values picked from a pick list.
#include "entry_window.h"
#include "mainwindow/searches.h"

namespace qbk {
namespace {

using testing::entry;

class SearchTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override {
        writeSampleBook();
        writeBook({entry(2001, 6, 9, "FOOD", -100, "many fish", 9, "shop"),
                   entry(2001, 6, 8, "FOOD", -100, "bluefish", 8, "SHOP", "fish"),
                   entry(2001, 6, 7, "FOOD", -100, "fish, chips", 7, "shopping"),
                   entry(2001, 6, 6, "CAR", -100, "FISH", 6, " Shop"),
                   entry(2001, 6, 5, "CAR", -100, "fuel", 5, "", "fish"),
                   entry(2000, 6, 5, "CAR", -100, "old fish", 4, "shop")});
        program.write("udf1.dat", " shop \r\nshopping\r\nlonger than ten\r\n");
    }
    void search(const char* item, std::optional<std::string> answer) {
        prompts.inputAnswers.push_back(std::move(answer));
        window->runCommand(item);
    }
    std::string searchPanel() const { return utf8(panel(window->displayStatusBar(), 5)); }
    void pick(int row) {
        QListWidget* list = window->udfSearchList();
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
};

TEST_F(SearchTest, ACompleteWordIsFoundOnlyBetweenBlanks) {
    startWith();
    search("mu_SearchComplete", "fish");
    ASSERT_EQ(prompts.inputCalls.size(), 1u);
    EXPECT_EQ(prompts.inputCalls[0].title, "Search for a complete word or phrase");
    EXPECT_EQ(prompts.inputCalls[0].prompt, completeWordPrompt());
    EXPECT_EQ(prompts.inputCalls[0].defaultText, "");
    // Not bluefish, not "fish," (a comma follows), not the entry of last year.
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6}));
    EXPECT_EQ(searchPanel(), "Word Search = FISH ");
    EXPECT_EQ(window->state().SearchText, "fish");
    EXPECT_TRUE(window->mainGrid()->hasFocus());
    // Opening the prompt again offers the word of the last time.
    search("mu_SearchComplete", "Fish");
    EXPECT_EQ(prompts.inputCalls[1].defaultText, "fish");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6}));
}

TEST_F(SearchTest, AFragmentIsFoundInsideLongerWords) {
    startWith();
    activate();
    prompts.inputAnswers.push_back("FiSh");
    key(window->mainGrid(), Qt::Key_F5);
    ASSERT_EQ(prompts.inputCalls.size(), 1u);
    EXPECT_EQ(prompts.inputCalls[0].title, "Search for a word or phrase fragment");
    EXPECT_EQ(prompts.inputCalls[0].prompt, fragmentPrompt());
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 8, 7, 6}));
    EXPECT_EQ(searchPanel(), "Word Search = FISH ");
    // The toolbar's Search button asks the same.
    search("mu_SearchComplete", std::nullopt);
    prompts.inputAnswers.push_back("blue");
    window->mainToolButton("Search")->trigger();
    EXPECT_EQ(prompts.inputCalls[2].defaultText, "FiSh");
    EXPECT_EQ(listedStamps(), (std::vector<double>{8}));
}

TEST_F(SearchTest, CancelOrNoAnswerChangesNothingButForgetsTheDefault) {
    startWith();
    search("mu_SearchComplete", "fish");
    search("mu_SearchComplete", std::nullopt);
    EXPECT_EQ(window->state().LastCompleteWord, "");
    EXPECT_EQ(window->state().SearchText, "fish");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6}));
    search("mu_SearchFragment", "");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6}));
    search("mu_SearchComplete", "fish");
    EXPECT_EQ(prompts.inputCalls[3].defaultText, "");
}

TEST_F(SearchTest, ACompleteWordSearchStaysOneAfterARangeChangeOrAnEdit) {
    startWith();
    search("mu_SearchComplete", "fish");
    window->runCommand("mu_1825days");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6, 4}));
    openRow(0);
    prompts.answers = {Answer::Yes};
    click("ReplaceExpenseButton");
    EXPECT_EQ(listedStamps().size(), 3u);
    EXPECT_EQ(searchPanel(), "Word Search = FISH ");
}

TEST_F(SearchTest, UserFieldsAreSearchedOnlyWhenTheyKeepNoPickList) {
    startWith();
    search("mu_SearchComplete", "fish");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 6}));
    SettingsRecord free = SettingsRecord::defaults();
    free.setUdf2Save("N");
    window.reset();
    startWith(free);
    search("mu_SearchComplete", "fish");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 8, 6, 5}));
}

TEST_F(SearchTest, APickedValueListsTheWholeFieldValueInAnyCase) {
    startWith();
    window->runCommand("mu_SearchUDF1");
    QListWidget* list = window->udfSearchList();
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(window->udfSearchPrompt()->isVisible());
    EXPECT_FALSE(window->categoryGrid()->isVisible());
    EXPECT_EQ(window->udfSearchPrompt()->text(), "Select user 1    ");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), " shop ");
    EXPECT_EQ(list->item(2)->text(), "longer than ten");
    EXPECT_EQ(rows(), 5);  // nothing changes before a value is picked

    pick(0);
    EXPECT_EQ(window->state().SearchText, "|udf1|SHOP");
    EXPECT_EQ(listedStamps(), (std::vector<double>{9, 8, 6}));
    EXPECT_EQ(searchPanel(), "user 1 = SHOP ");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(window->udfSearchPrompt()->isVisible());
    EXPECT_TRUE(window->categoryGrid()->isVisible());
    EXPECT_TRUE(window->mainGrid()->hasFocus());
}

TEST_F(SearchTest, TheSecondFieldsPickerWorksOnItsOwnList) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setUdf2Name("Project");
    startWith(s);
    window->runCommand("mu_SearchUDF2");
    EXPECT_EQ(window->udfSearchPrompt()->text(), "Select Project   ");
    EXPECT_EQ(window->udfSearchList()->count(), 0);
    EXPECT_TRUE(program.exists("udf2.dat"));
    window->udfSearchPrompt()->click();
    EXPECT_TRUE(window->categoryGrid()->isVisible());
    EXPECT_TRUE(window->state().SearchText.empty());

    program.write("udf2.dat", "fish\r\n");
    window->runCommand("mu_SearchUDF2");
    pick(0);
    EXPECT_EQ(listedStamps(), (std::vector<double>{8, 5}));
    EXPECT_EQ(searchPanel(), "Project = FISH ");
}

TEST_F(SearchTest, TheCategoryListAndF8EndASearch) {
    startWith();
    search("mu_SearchFragment", "fish");
    doubleClickCategory(0);
    EXPECT_TRUE(window->state().SearchText.empty());
    EXPECT_EQ(listedStamps(), (std::vector<double>{6, 5}));
    EXPECT_EQ(searchPanel(), "Category = Car upkeep ");
    search("mu_SearchComplete", "fish");
    EXPECT_EQ(searchPanel(), "Word Search = FISH ");
    activate();
    key(window->mainGrid(), Qt::Key_F8);
    EXPECT_EQ(rows(), 5);
    EXPECT_EQ(searchPanel(), "Category = All Categories ");
    EXPECT_FALSE(window->state().SearchCompleteWord);
}

}  // namespace
}  // namespace qbk

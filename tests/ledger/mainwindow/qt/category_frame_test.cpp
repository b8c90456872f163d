// The category frame: New, Edit, Save, Replace, Delete and Quit with every answer.
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "store/category_file.h"
#include "store/record_file.h"
#include "support/message_print.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;

CategoryRecord category(const std::string& code, const std::string& name,
                        const std::string& description = "") {
    CategoryRecord r;
    r.catCode = fitField(code, 10);
    r.catName = fitField(name, 20);
    r.catDescription = fitField(description, 500);
    return r;
}

class CategoryFrameTest : public testing::WindowTest {
  protected:
    void SetUp() override { writeSettings(SettingsRecord::defaults()); }

    void startWithBook() {
        writeBook({entry(2001, 6, 3, "FOOD", -1250, "fish market", 3),
                   entry(2001, 6, 2, "CAR", -4000, "fuel", 2),
                   entry(2001, 6, 1, "CAR", -700, "tyres", 1)});
        writeCategories(program.file("category.dat"),
                        {category("CAR", "Car upkeep", "Fuel, tyres\r\nand repairs"),
                         category("FOOD", "Groceries")});
        start();
    }
    std::string categoryBytes() const { return program.read("category.dat"); }
    std::vector<std::string> codes() const {
        std::vector<std::string> result;
        for (const CategoryRecord& r : readCategories(program.file("category.dat")))
            result.push_back(r.catCode);
        return result;
    }
    std::vector<std::string> entryCodes() const {
        std::vector<std::string> result;
        for (const EntryRecord& r : readRecords(program.file("quillbank.dat")))
            result.push_back(r.categoryCode + r.deletedMark);
        return result;
    }
    std::vector<std::string> gridCodes() const {
        std::vector<std::string> result;
        auto* model = window->categoryGridModel();
        for (int i = 0; i < model->rowCount(); ++i)
            result.push_back(model->code(i));
        return result;
    }
    // A double-click on a row of the category list.
    void select(int row) {
        window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(row, 0));
        window->CategoryGrid_DblClick();
    }
    template <class T>
    T* child(const char* name) const {
        T* w = window->categoryFrame()->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* codeBox() const { return child<QLineEdit>("CatCodeEd"); }
    QLineEdit* nameBox() const { return child<QLineEdit>("CatLabelEd"); }
    QPlainTextEdit* descriptionBox() const { return child<QPlainTextEdit>("CatDescriptionEd"); }
    void press(const char* button) { child<QPushButton>(button)->click(); }
    bool frameShown() const { return window->categoryFrame()->isVisible(); }
    void fill(const QString& code, const QString& name, const QString& description) {
        codeBox()->setText(code);
        nameBox()->setText(name);
        descriptionBox()->setPlainText(description);
    }
};

TEST_F(CategoryFrameTest, TheFrameHoldsItsControlsWithTheirTipsAndLimits) {
    startWithBook();
    struct Tip {
        const char* name;
        const char* tip;
    };
    for (const Tip& t : {Tip{"CatCodeEd", "Category code - up to ten characters"},
                         Tip{"CatLabelEd", "Category name - up to 20 characters"},
                         Tip{"CatDescriptionEd", "Category description - up to 500 characters"},
                         Tip{"SaveCat", "Save new category"},
                         Tip{"ReplaceCat", "Replace category with new name and/or code"},
                         Tip{"DeleteCat", "Delete this category"},
                         Tip{"QuitCat", "Quit category edit - no changes"}}) {
        QWidget* w = child<QWidget>(t.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), t.tip) << t.name;
    }
    EXPECT_EQ(codeBox()->maxLength(), 10);
    EXPECT_EQ(nameBox()->maxLength(), 20);
    EXPECT_EQ(descriptionBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Each line break of the description takes two of its 500 places in the file.
    descriptionBox()->setPlainText(QString(300, QLatin1Char('a')) + QLatin1Char('\n') +
                                   QString(300, QLatin1Char('b')));
    EXPECT_EQ(descriptionBox()->toPlainText(),
              QString(300, QLatin1Char('a')) + QLatin1Char('\n') + QString(198, QLatin1Char('b')));

    EXPECT_FALSE(frameShown());
    window->runCommand("mu_NewCategory");
    const QSize size = window->categoryFrame()->size();
    EXPECT_EQ(window->categoryFrame()->minimumSize(), size);
    EXPECT_EQ(window->categoryFrame()->maximumSize(), size);
    const QRect grid = window->mainGrid()->geometry();
    EXPECT_NEAR(window->categoryFrame()->geometry().center().x(), grid.center().x(), 1);
    EXPECT_NEAR(window->categoryFrame()->geometry().center().y(), grid.center().y(), 1);
}

TEST_F(CategoryFrameTest, NewCategoryIsSavedWithoutSurroundingBlanksIntoAnEmptyFile) {
    start();
    EXPECT_EQ(categoryBytes(), "");
    window->runCommand("mu_NewCategory");
    ASSERT_TRUE(frameShown());
    EXPECT_TRUE(codeBox()->text().isEmpty());
    EXPECT_FALSE(child<QPushButton>("ReplaceCat")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("DeleteCat")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("SaveCat")->isEnabled());

    fill("  GIFT ", " Presents  ", "  for birthdays\nand weddings  ");
    press("SaveCat");
    EXPECT_FALSE(frameShown());
    const CategoryRecord expected = category("GIFT", "Presents", "for birthdays\r\nand weddings");
    EXPECT_EQ(categoryBytes(), encodeCategory(expected));
    EXPECT_EQ(gridCodes(), (std::vector<std::string>{"GIFT      "}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CategoryFrameTest, SaveKeepsTheFileSortedAndRefusesABlankOrTakenCode) {
    startWithBook();
    const std::string before = categoryBytes();

    window->runCommand("mu_NewCategory");
    fill("   ", "Nameless", "");
    press("SaveCat");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), (Message{"You must provide a category code!", "Nothing to do!",
                                       Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(categoryBytes(), before);

    window->runCommand("mu_NewCategory");
    fill("FOOD", "Food again", "");
    press("SaveCat");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_EQ(prompts.last().text,
              "The category code FOOD is already in use by another category. Two categories "
              "cannot share one code, because every report gathers the entries of a category by "
              "its code; nothing has been changed.");
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(categoryBytes(), before);

    // Codes differ by case: food is a new one, sorted in by its upper-cased code.
    window->runCommand("mu_NewCategory");
    fill("food", "Eating out", "");
    press("SaveCat");
    EXPECT_EQ(codes(), (std::vector<std::string>{"CAR       ", "FOOD      ", "food      "}));
    EXPECT_EQ(gridCodes(), codes());

    window->runCommand("mu_NewCategory");
    fill("BOOKS", "Reading", "");
    press("SaveCat");
    EXPECT_EQ(codes(),
              (std::vector<std::string>{"BOOKS     ", "CAR       ", "FOOD      ", "food      "}));
    EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(CategoryFrameTest, EditNeedsASelectedCategoryThatIsStillInTheFile) {
    startWithBook();
    window->runCommand("mu_EditCategory");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"Please double-click a category on the right to select it for editing.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
    EXPECT_FALSE(frameShown());

    select(0);
    window->runCommand("mu_EditCategory");
    ASSERT_TRUE(frameShown());
    EXPECT_EQ(codeBox()->text(), "CAR");
    EXPECT_EQ(nameBox()->text(), "Car upkeep");
    EXPECT_EQ(descriptionBox()->toPlainText(), "Fuel, tyres\nand repairs");
    EXPECT_TRUE(child<QPushButton>("ReplaceCat")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("DeleteCat")->isEnabled());
    press("QuitCat");
    EXPECT_FALSE(frameShown());

    // The file changed behind the program's back.
    writeCategories(program.file("category.dat"), {category("FOOD", "Groceries")});
    window->runCommand("mu_EditCategory");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_EQ(prompts.last().text,
              "The category CAR is not in the category file (it may have been changed outside "
              "the program). Please select the category again.");
    EXPECT_FALSE(frameShown());
}

TEST_F(CategoryFrameTest, QuitAndSaveOfAnEditedCategoryAddACopyOnlyUnderANewCode) {
    startWithBook();
    select(1);
    const std::string before = categoryBytes();
    window->runCommand("mu_EditCategory");
    codeBox()->setText("MARKET");
    press("QuitCat");
    EXPECT_EQ(categoryBytes(), before);

    window->runCommand("mu_EditCategory");
    EXPECT_EQ(codeBox()->text(), "FOOD");
    codeBox()->setText("MARKET");
    press("SaveCat");
    EXPECT_EQ(codes(), (std::vector<std::string>{"CAR       ", "FOOD      ", "MARKET    "}));
    EXPECT_EQ(window->state().CategoryFilterCode, "FOOD      ");
}

TEST_F(CategoryFrameTest, ReplaceRecodesTheEntriesAndTheListStaysNarrowedUnderTheNewCode) {
    startWithBook();
    select(0);
    EXPECT_EQ(listedStamps(), (std::vector<double>{2, 1}));
    window->runCommand("mu_EditCategory");
    fill("AUTO", "Motoring", "all of it");
    press("ReplaceCat");

    EXPECT_FALSE(frameShown());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(codes(), (std::vector<std::string>{"AUTO      ", "FOOD      "}));
    EXPECT_EQ(readCategories(program.file("category.dat"))[0],
              category("AUTO", "Motoring", "all of it"));
    EXPECT_EQ(gridCodes(), codes());
    EXPECT_EQ(entryCodes(),
              (std::vector<std::string>{"FOOD      N", "AUTO      N", "AUTO      N"}));
    EXPECT_EQ(window->state().CategoryFilterCode, "AUTO      ");
    EXPECT_EQ(window->state().CategoryFilterName, "Car upkeep          ");
    EXPECT_EQ(listedStamps(), (std::vector<double>{2, 1}));
    EXPECT_EQ(cell(0, 5), "AUTO      ");
}

TEST_F(CategoryFrameTest, ReplaceRefusesABlankCodeAndACodeOfAnotherCategory) {
    startWithBook();
    select(0);
    const std::string categories = categoryBytes();
    const std::string book = program.read("quillbank.dat");

    window->runCommand("mu_EditCategory");
    fill("FOOD", "Car upkeep", "");
    press("ReplaceCat");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    EXPECT_EQ(prompts.last().icon, Icon::Exclamation);
    EXPECT_NE(prompts.last().text.find("The category code FOOD is already in use"),
              std::string::npos);
    // What was typed stays in the open frame.
    EXPECT_TRUE(frameShown());
    EXPECT_EQ(codeBox()->text(), "FOOD");

    codeBox()->setText(" ");
    press("ReplaceCat");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last().text, "You must provide a category code!");
    EXPECT_FALSE(frameShown());

    EXPECT_EQ(categoryBytes(), categories);
    EXPECT_EQ(program.read("quillbank.dat"), book);
    EXPECT_EQ(window->state().CategoryFilterCode, "CAR       ");
}

TEST_F(CategoryFrameTest, ReplaceOfACategoryGoneFromTheFileChangesNothing) {
    startWithBook();
    select(0);
    window->runCommand("mu_EditCategory");
    writeCategories(program.file("category.dat"), {category("FOOD", "Groceries")});
    const std::string categories = categoryBytes();
    const std::string book = program.read("quillbank.dat");
    codeBox()->setText("AUTO");
    press("ReplaceCat");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().text,
              "The category CAR is not in the category file (it may have been changed outside "
              "the program). Please select the category again.");
    EXPECT_EQ(categoryBytes(), categories);
    EXPECT_EQ(program.read("quillbank.dat"), book);
}

TEST_F(CategoryFrameTest, DeleteAskedThreeTimesWithYesMarksTheEntriesDeleted) {
    startWithBook();
    select(0);
    window->runCommand("mu_EditCategory");
    prompts.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    press("DeleteCat");

    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[0], (Message{"Delete category?\r\n\r\nCar upkeep          ",
                                            "Confirm", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(prompts.messages[1],
              (Message{"Category Car upkeep has been deleted. Do you wish to delete any records "
                       "that were under that category as well?",
                       "Category deleted", Icon::Question, Buttons::YesNo, 1}));
    EXPECT_EQ(prompts.messages[2],
              (Message{"Are you sure?", "Confirm", Icon::Critical, Buttons::YesNo, 2}));
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(codes(), (std::vector<std::string>{"FOOD      "}));
    EXPECT_EQ(gridCodes(), codes());
    EXPECT_EQ(entryCodes(),
              (std::vector<std::string>{"FOOD      N", "CAR       Y", "CAR       Y"}));
    EXPECT_EQ(window->state().CategoryFilterCode, std::string(10, ' '));
    EXPECT_EQ(window->state().CategoryFilterName, "All Categories");
    EXPECT_EQ(listedStamps(), (std::vector<double>{3}));
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = All Categories ");
}

TEST_F(CategoryFrameTest, DeleteWithoutItsEntriesLeavesThemListed) {
    for (const auto& answers : {std::deque<Answer>{Answer::Yes, Answer::No},
                                std::deque<Answer>{Answer::Yes, Answer::Yes, Answer::No}}) {
        SCOPED_TRACE(answers.size());
        startWithBook();
        select(0);
        window->runCommand("mu_EditCategory");
        prompts.messages.clear();
        prompts.answers = answers;
        press("DeleteCat");
        prompts.expectAllUsed();
        EXPECT_EQ(prompts.messages.size(), answers.size());
        EXPECT_EQ(codes(), (std::vector<std::string>{"FOOD      "}));
        EXPECT_EQ(entryCodes(),
                  (std::vector<std::string>{"FOOD      N", "CAR       N", "CAR       N"}));
        EXPECT_EQ(window->state().CategoryFilterName, "All Categories");
        EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2, 1}));
    }
}

TEST_F(CategoryFrameTest, DeleteStopsAtNoABlankCodeOrAFormNamingAnotherCategory) {
    startWithBook();
    select(1);
    const std::string categories = categoryBytes();
    window->runCommand("mu_EditCategory");

    prompts.answers = {Answer::No};
    press("DeleteCat");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(frameShown());

    codeBox()->setText("CAR");
    press("DeleteCat");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.last(),
              (Message{"The code in the form (CAR) is not the code of the selected category "
                       "(FOOD). Nothing has been deleted.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_TRUE(frameShown());

    codeBox()->clear();
    press("DeleteCat");
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_FALSE(frameShown());

    EXPECT_EQ(categoryBytes(), categories);
    EXPECT_EQ(window->state().CategoryFilterCode, "FOOD      ");
    prompts.expectAllUsed();
}

TEST_F(CategoryFrameTest, AnUnwritableCategoryFileShowsTheCommonErrorAndKeepsTheFrame) {
    startWithBook();
    window->state().CategoryFilePath = program.file("missing/category.dat");
    window->runCommand("mu_NewCategory");
    fill("GIFT", "Presents", "");
    press("SaveCat");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    EXPECT_TRUE(frameShown());
    EXPECT_EQ(codeBox()->text(), "GIFT");
}

}  // namespace
}  // namespace qbk

// The list and the category list of the main window, its keys and its layout.
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "mainwindow/qt/category_grid_model.h"
#include "mainwindow/qt/menu_layout.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;

class ListWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
        writeBook({entry(2001, 6, 3, "FOOD", -1250, "fish market", 3),
                   entry(2001, 6, 2, "CAR", -4000, "fuel", 2),
                   entry(2001, 6, 1, "FOOD", -700, "bakery", 1)});
        std::vector<CategoryRecord> categories(2);
        categories[0].catCode = fitField("CAR", 10);
        categories[0].catName = fitField("Car upkeep", 20);
        categories[1].catCode = fitField("FOOD", 10);
        categories[1].catName = fitField("Groceries", 20);
        writeCategories(program.file("category.dat"), categories);
        start();
    }
    void doubleClickCategory(int row) {
        window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(row, 0));
        window->CategoryGrid_DblClick();
    }
};

TEST_F(ListWindowTest, TheCategoryListShowsCodesAndNames) {
    auto* model = window->categoryGridModel();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->data(model->index(1, 0), Qt::DisplayRole).toString(), "FOOD      ");
    EXPECT_EQ(model->data(model->index(1, 1), Qt::DisplayRole).toString(), "Groceries           ");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Description");
}

TEST_F(ListWindowTest, DoubleClickNarrowsAndF8WidensAgain) {
    doubleClickCategory(1);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 1}));
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = Groceries ");
    EXPECT_EQ(window->state().CategoryFilterCode, "FOOD      ");
    window->state().SearchText = "fuel";
    activate();
    key(window->mainGrid(), Qt::Key_F8);
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Category = All Categories ");
    EXPECT_TRUE(window->state().SearchText.empty());
    EXPECT_EQ(window->state().CategoryFilterCode, std::string(10, ' '));
}

TEST_F(ListWindowTest, NinePressedSevenTimesReturnsToTheFirstColumnOrder) {
    activate();
    std::vector<std::string> thirdColumns;
    for (int i = 0; i < 7; ++i) {
        key(window->mainGrid(), Qt::Key_F9);
        thirdColumns.push_back(utf8(
            window->mainGridModel()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString()));
    }
    EXPECT_EQ(window->state().ProgramSettings.gridOrder(), "-n12-");
    EXPECT_EQ(thirdColumns, (std::vector<std::string>{"user 1", "user 1", "Note", "user 2",
                                                      "user 2", "Category", "Note"}));
    EXPECT_EQ(cell(0, 2), "fish market");
}

TEST_F(ListWindowTest, EnterAndInsertActOnTheListNotOnTheCategoryList) {
    int opened = 0, created = 0;
    // In place of the entry form.
    QObject::disconnect(&*window, &QBK_3_Main::openEntryRequested, nullptr, nullptr);
    QObject::connect(&*window, &QBK_3_Main::openEntryRequested, [&] { ++opened; });
    window->setCommand("mu_NewEntry", [&] { ++created; });
    activate();
    key(window->mainGrid(), Qt::Key_Return);
    key(window->mainGrid(), Qt::Key_Insert);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(created, 1);
    window->categoryGrid()->setCurrentIndex(window->categoryGridModel()->index(0, 0));
    key(window->categoryGrid(), Qt::Key_Insert);
    EXPECT_EQ(created, 1);
    // Enter on the category list narrows the list to that category instead.
    key(window->categoryGrid(), Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(listedStamps(), (std::vector<double>{2}));
}

TEST_F(ListWindowTest, EscapeOutsideReportModeIsTheDateSelectorsDoneAndMacroOff) {
    int macroOff = 0;
    QObject::disconnect(&*window, &QBK_3_Main::macroModeEndRequested, nullptr, nullptr);
    QObject::connect(&*window, &QBK_3_Main::macroModeEndRequested, [&] { ++macroOff; });
    activate();
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_TRUE(window->state().DateDialDone);
    EXPECT_EQ(macroOff, 1);
}

TEST_F(ListWindowTest, TheLayoutEndsBothGridsOnOneLine) {
    window->resize(1200, 800);
    QApplication::processEvents();
    const QRect grid = window->mainGrid()->geometry();
    const QRect categories = window->categoryGrid()->geometry();
    const QRect button = window->allCategoryButton()->geometry();
    EXPECT_EQ(button.left(), grid.right() + 1);
    EXPECT_EQ(categories.left(), button.left());
    EXPECT_EQ(categories.top(), button.bottom() + 1);
    EXPECT_NEAR(categories.bottom(), grid.bottom(), 2);
    EXPECT_EQ(grid.width() + categories.width(), window->centralWidget()->width());
    window->editFrame()->resize(400, 200);
    window->resize(1100, 700);
    QApplication::processEvents();
    const QRect frame = window->editFrame()->geometry();
    EXPECT_NEAR(frame.center().x(), window->mainGrid()->geometry().center().x(), 1);
    EXPECT_NEAR(frame.center().y(), window->mainGrid()->geometry().center().y(), 1);
}

TEST_F(ListWindowTest, AtItsFirstSizeTheListShowsEveryDataColumn) {
    const QSize screen = window->screen()->availableGeometry().size() * 0.95;
    EXPECT_EQ(window->size(), window->defaultSize().boundedTo(screen));
    window->resize(window->defaultSize());
    QApplication::processEvents();
    const QHeaderView* header = window->mainGrid()->horizontalHeader();
    EXPECT_EQ(
        utf8(window->mainGridModel()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString())
            .substr(0, 8),
        "Category");
    EXPECT_LE(header->sectionViewportPosition(5) + header->sectionSize(5),
              window->mainGrid()->viewport()->width());
}

TEST_F(ListWindowTest, SizeAndColumnWidthsAreRememberedOutsideTheSettingsFile) {
    windowStateFile = qs(program.file("config/qbk3-window.conf"));
    window.reset();
    start();
    window->resize(900, 640);
    window->mainGrid()->horizontalHeader()->resizeSection(2, 333);
    window->runCommand("mu_Exit");
    EXPECT_EQ(program.read("qbk3.ini"), SettingsRecord::defaults().bytes());
    window.reset();
    start();
    EXPECT_EQ(window->size(), QSize(900, 640));
    const QHeaderView* header = window->mainGrid()->horizontalHeader();
    EXPECT_EQ(header->sectionSize(2), 333);
    // Another column order has widths of its own; coming back brings the chosen ones.
    window->runCommand("mu_GridFormat");
    EXPECT_NE(header->sectionSize(2), 333);
    for (int i = 0; i < 6; ++i)
        window->runCommand("mu_GridFormat");
    EXPECT_EQ(header->sectionSize(2), 333);
}

TEST_F(ListWindowTest, MenuItemsWithoutACommandAreNotShown) {
    EXPECT_TRUE(window->action("mu_AllCats")->isVisible());
    EXPECT_EQ(window->action("mu_AllCats")->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(window->action("mu_GridFormat")->shortcut(), QKeySequence(Qt::Key_F9));
    for (const char* name :
         {"mu_AllCats", "mu_GridFormat", "mu_Exit", "mu_HelpContents", "mu_SelectDataFolder"})
        EXPECT_TRUE(window->hasCommand(name)) << name;
}

// With every room of the program built, each menu item and tool button has a command:
// a command bound under a misspelt name leaves its item without one, hidden.
TEST_F(ListWindowTest, EveryMenuItemAndToolButtonHasACommand) {
    for (const MenuItemDef& item : menuItemDefs()) {
        if (std::string_view(item.name) != "-") {
            EXPECT_TRUE(window->hasCommand(item.name)) << item.name;
        }
    }
    for (const auto defs : {mainToolBarDefs(), reportToolBarDefs()})
        for (const ToolButtonDef& button : defs)
            EXPECT_TRUE(window->hasCommand(button.command)) << button.key;
}

// Every item of a menu opens with its own letter once the menu is open; a user's field
// name with an & in it shows the & instead of taking a key.
TEST_F(ListWindowTest, EachMenuItemHasItsOwnAltKey) {
    for (QAction* top : window->menuBar()->actions()) {
        QStringList keys;
        for (const QAction* item : top->menu()->actions()) {
            if (item->isSeparator() || !item->isVisible() ||
                item == window->action("mu_SearchUDF1") || item == window->action("mu_SearchUDF2"))
                continue;
            const QString key = QKeySequence::mnemonic(item->text()).toString();
            EXPECT_FALSE(key.isEmpty()) << item->text().toStdString();
            EXPECT_FALSE(keys.contains(key))
                << key.toStdString() << " twice in " << top->text().toStdString();
            keys << key;
        }
    }
    SettingsRecord settings = SettingsRecord::defaults();
    settings.setUdf1Name("R&D");
    writeSettings(settings);
    start();
    EXPECT_EQ(window->action("mu_SearchUDF1")->text(), "Search by R&&D       ");
}

}  // namespace
}  // namespace qbk

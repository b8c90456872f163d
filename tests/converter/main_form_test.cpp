// The converter's window on the offscreen platform, driven through its named controls.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "converter/qt/folder_list.h"
#include "converter/qt/main_form.h"
#include "support/keyboard_check.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using namespace testing;

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class Window : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(program / "2001qbk.dat", "");
        writeFile(program / "1999QBK.DAT", "");
        writeFile(program / "1999cats.dat", "");
        std::filesystem::create_directory(old / "sub");
        form = std::make_unique<MainForm>(prompts, clock, program.path(), RegionalSettings{});
    }
    template <typename T>
    T* child(const char* name) const {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void chooseLanguage(const char* action) { child<QAction>(action)->trigger(); }

    TempFolder program, old;
    FixedClock clock{45000, 10000};
    ScriptedPrompts prompts;
    std::unique_ptr<MainForm> form;
};

TEST_F(Window, StartsInEnglishOnItsOwnFolder) {
    EXPECT_EQ(std::filesystem::current_path().string() + "/", program.path());
    EXPECT_EQ(form->NewDataFilePath(), program / "quillbank.dat");
    EXPECT_EQ(form->NewCategoryFilePath(), program / "category.dat");
    EXPECT_EQ(form->windowTitle(), "Quillbank 2.x to 3.x Data Converter");
    EXPECT_EQ(child<QPushButton>("StartButton")->text(), "&Start");
    EXPECT_EQ(child<QPushButton>("StartButton")->toolTip(),
              "Click to start the data conversion process");
    EXPECT_EQ(child<QPushButton>("HelpButton")->toolTip(), "Click for help on data conversion");
    EXPECT_EQ(child<QPushButton>("HelpButton")->text(), "&Help");
    EXPECT_EQ(child<QLabel>("DatListLabel")->text(), "&Data Files");
    EXPECT_EQ(child<QLabel>("CatListLabel")->text(), "&Category Files");
    EXPECT_EQ(itemsOf(child<QListWidget>("File1")), QStringList({"1999QBK.DAT", "2001qbk.dat"}));
    EXPECT_EQ(itemsOf(child<QListWidget>("File2")), QStringList({"1999cats.dat"}));
    EXPECT_EQ(child<FolderList>("Dir1")->path() + "/", QString::fromStdString(program.path()));
    EXPECT_FALSE(child<QProgressBar>("ProgressBar1")->isVisibleTo(form.get()));

    // Menus with Alt keys; the language in use is marked.
    EXPECT_EQ(child<QMenu>("mu_File")->title(), "&File");
    EXPECT_EQ(child<QAction>("mu_Exit")->text(), "E&xit");
    EXPECT_EQ(child<QMenu>("mu_Language")->title(), "&Language");
    QStringList languages;
    for (const QAction* a : child<QMenu>("mu_Language")->actions())
        languages << a->objectName() + (a->isChecked() ? "*" : "") + " " + a->text();
    EXPECT_EQ(languages, QStringList({"mu_English* &English", "mu_Spanish &Spanish",
                                      "mu_French &French", "mu_German &German"}));
    // The status bar says where the version-3 files are written.
    EXPECT_EQ(child<QLabel>("TargetLabel")->text(),
              QString::fromStdString(program / "quillbank.dat") + ",  " +
                  QString::fromStdString(program / "category.dat"));
}

TEST_F(Window, LanguageMenuChangesEveryCaptionAndNothingElse) {
    auto* drive = child<QComboBox>("Drive1");
    const int driveBefore = drive->currentIndex();
    struct Expected {
        const char* action;
        const char* title;
        const char* start;
        const char* startTip;
        const char* help;
        const char* dat;
        const char* cat;
        const char* helpTitle;
    };
    const Expected cases[] = {
        {"mu_French", "Matériau Converter", "&Activer",
         "Claquer à activer  matériau conversion procédé", "A&ider", "&Matériau Fichiers",
         "&Catégorie Fichiers", "Matériau converter aider"},
        {"mu_German", "Material Converter", "&Anstellen",
         "Klacken an anstellen  material conversion verfahren", "&Hilfe", "&Material Dateien",
         "&Kategorie Dateien", "Material converter hilfe"},
        {"mu_Spanish", "Material Converter", "&Salida",
         "Oprima a salida  material conversión process", "&Ayuda", "&Material Archivos",
         "&Category Archivos", "Material converter ayuda"},
        {"mu_English", "Quillbank 2.x to 3.x Data Converter", "&Start",
         "Click to start the data conversion process", "&Help", "&Data Files", "&Category Files",
         "Data converter help"},
    };
    for (const auto& e : cases) {
        chooseLanguage(e.action);
        EXPECT_TRUE(child<QAction>(e.action)->isChecked());
        EXPECT_EQ(form->windowTitle(), e.title);
        // Each caption takes the first letter that no other control has as its Alt key.
        EXPECT_EQ(child<QPushButton>("StartButton")->text(), e.start);
        EXPECT_EQ(child<QPushButton>("StartButton")->toolTip(), e.startTip);
        EXPECT_EQ(child<QPushButton>("HelpButton")->text(), e.help);
        EXPECT_EQ(child<QLabel>("DatListLabel")->text(), e.dat);
        EXPECT_EQ(child<QLabel>("CatListLabel")->text(), e.cat);
        EXPECT_EQ(qbk::testing::keyboardGaps(form.get(), {"Drive1", "Dir1"}), "");
        QTest::mouseClick(child<QPushButton>("HelpButton"), Qt::LeftButton);
        ASSERT_FALSE(prompts.messages.empty());
        EXPECT_EQ(prompts.messages.back().title, e.helpTitle);
        EXPECT_EQ(prompts.messages.back().icon, Icon::Information);

        EXPECT_EQ(itemsOf(child<QListWidget>("File1")),
                  QStringList({"1999QBK.DAT", "2001qbk.dat"}));
        EXPECT_EQ(child<FolderList>("Dir1")->path() + "/", QString::fromStdString(program.path()));
        EXPECT_EQ(drive->currentIndex(), driveBefore);
    }
    EXPECT_EQ(form->GetString("File1"), "");
}

TEST_F(Window, ConvertsTheFolderTheListsPointAt) {
    writeFile(old / "1998QBK.DAT", v2Entry("12/31/", "A", 1, "") + v2Entry("01/01/", "A", 2, ""));
    writeFile(old / "1999QBK.DAT", v2Entry("12/31/", "A", 3, ""));
    writeFile(old / "1998CATS.DAT", v2Category("A", "Alpha"));
    auto* dir = child<FolderList>("Dir1");
    ASSERT_TRUE(dir->setPath(QString::fromStdString(old.path())));
    EXPECT_EQ(itemsOf(child<QListWidget>("File1")), QStringList({"1998QBK.DAT", "1999QBK.DAT"}));
    EXPECT_EQ(itemsOf(child<QListWidget>("File2")), QStringList({"1998CATS.DAT"}));

    chooseLanguage("mu_Spanish");
    prompts.answers = {Answer::Ok};
    QTest::mouseClick(child<QPushButton>("StartButton"), Qt::LeftButton);
    EXPECT_EQ(readFile(program / "quillbank.dat").size(), 3 * 125u);
    EXPECT_EQ(readFile(program / "category.dat").size(), 540u);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].title, "Listo a convertir material");
    EXPECT_EQ(prompts.messages[1].title, "Acabado");
    // The oldest entry file was converted last.
    EXPECT_EQ(child<QListWidget>("File1")->currentRow(), 0);
    auto* bar = child<QProgressBar>("ProgressBar1");
    EXPECT_TRUE(bar->isVisibleTo(form.get()));
    EXPECT_EQ(bar->maximum(), 1);
    EXPECT_EQ(bar->value(), 1);  // full at the end
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Cancel converts nothing more; an empty folder has nothing to convert.
    prompts.messages.clear();
    prompts.answers = {Answer::Cancel};
    QTest::mouseClick(child<QPushButton>("StartButton"), Qt::LeftButton);
    EXPECT_EQ(readFile(program / "quillbank.dat").size(), 3 * 125u);
    ASSERT_TRUE(dir->setPath(QString::fromStdString(old / "sub")));
    QTest::mouseClick(child<QPushButton>("StartButton"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text,
              "No Quillbank 2.x material archivos edificar a esta carpeta. Contemplar otra vez.");
}

TEST_F(Window, DriveAndFolderListsNavigate) {
    auto* dir = child<FolderList>("Dir1");
    ASSERT_TRUE(dir->setPath(QString::fromStdString(old.path())));
    QListWidgetItem* sub = dir->findItems("sub", Qt::MatchEndsWith).value(0);
    ASSERT_NE(sub, nullptr);
    emit dir->itemActivated(sub);
    EXPECT_EQ(dir->path(), QString::fromStdString(old / "sub"));
    EXPECT_FALSE(dir->setPath(QString::fromStdString(old / "missing")));
    EXPECT_EQ(dir->path(), QString::fromStdString(old / "sub"));

    auto* drive = child<QComboBox>("Drive1");
    const int root = drive->findData("/");
    ASSERT_GE(root, 0);
    drive->setCurrentIndex(root);
    emit drive->activated(root);
    EXPECT_EQ(dir->path(), "/");
    EXPECT_EQ(dir->item(0)->text(), "/");
}

TEST_F(Window, ExitClosesTheWindow) {
    form->show();
    child<QAction>("mu_Exit")->trigger();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace qbk::converter

// Widgets need the application object for the whole run, and it must go before the
// static objects of Qt do. Without a platform named, the tests need no screen (test
// discovery runs the program outside the tests' environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The import window: choosing a file (with the internal backup offered), the preview,
// linking fields by clicking a list line and then a link box, and the import itself.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "import/import_preview.h"
#include "import/qt/import_window.h"
#include "platform/dates.h"
#include "store/record_file.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class ImportWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        writeSettings(SettingsRecord::defaults());
        book = fileOf({entry(2001, 6, 10, "FOOD", -500, "bread", 5)});
        program.write("quillbank.dat", book);
        start();
        importWindow = std::make_unique<qbk3cdi>(*window);
    }

    // Chooses `name` (written with `text` beforehand) with the file dialog.
    void choose(const std::string& name, const std::string& text) {
        program.write(name, text);
        prompts.fileAnswers.push_back(program.file(name));
        importWindow->SelectFile_Click();
    }
    QListWidget* list() const { return importWindow->findChild<QListWidget*>("InputList"); }
    QLabel* box(const char* name) const { return importWindow->findChild<QLabel*>(name); }
    std::vector<std::string> listLines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < list()->count(); ++i)
            lines.push_back(utf8(list()->item(i)->text()));
        return lines;
    }
    // Clicks list line `row`, then the link box `name`, as the user does.
    void link(int row, const char* name) {
        QListWidgetItem* item = list()->item(row);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(item).center());
        QTest::mouseClick(box(name), Qt::LeftButton);
    }

    std::string book;
    std::unique_ptr<qbk3cdi> importWindow;
};

constexpr const char* kBankCsv =
    "06/01/2001, -12.50 ,fish market,FOOD,cash\r\n"
    "06/02/2001,1000,\"salary\",PAY\r\n";

TEST_F(ImportWindowTest, AFileIsPreviewedLinkedAndAppendedAfterEveryEntry) {
    choose("bank.csv", kBankCsv);
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "Select a file...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, importFileDialog().filter);
    // The internal backup comes first: none held records, so it is made without asking.
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(),
              (Message{"New backup file created!", "Finished", Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(program.read("quillbank.bak"), book);

    EXPECT_EQ(box("Label1")->text(),
              qs(program.file("bank.csv") + " appears to contain 2 records."));
    EXPECT_EQ(importWindow->importLineCount(), 2u);
    EXPECT_EQ(listLines(),
              (std::vector<std::string>{"||||||||||| RECORD 1 ||||||||||||", "1 = 06/01/2001",
                                        "2 = -12.50", "3 = fish market", "4 = FOOD", "5 = cash",
                                        "||||||||||| RECORD 2 ||||||||||||", "1 = 06/02/2001",
                                        "2 = 1000", "3 = salary", "4 = PAY"}));

    link(1, "DateLink");
    link(2, "AmountLink");
    link(3, "NoteLink");
    link(4, "CatLink");
    link(5, "UDF2Link");
    EXPECT_EQ(importWindow->links().date, "1");
    EXPECT_EQ(importWindow->links().user2, "5");
    EXPECT_EQ(importWindow->linkNo(), "5");

    prompts.answers.push_back(Answer::Yes);
    importWindow->Command1_Click();
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[1].title, "Ready...");
    EXPECT_EQ(prompts.messages[1].defaultButton, 2);
    EXPECT_EQ(prompts.last(), importFinishedMessage(2));
    EXPECT_EQ(prompts.last().text.substr(0, 29), "2 records have been imported.");

    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(program.read("quillbank.dat").substr(0, 125), book);
    EXPECT_EQ(records[1].entryDate, serialFromDate(2001, 6, 1));
    EXPECT_EQ(records[1].amount, Money::fromRaw(-125000));
    EXPECT_EQ(records[1].note, fitField("fish market", 60));
    EXPECT_EQ(records[1].categoryCode, fitField("FOOD", 10));
    EXPECT_EQ(records[1].userField1, std::string(10, ' '));
    EXPECT_EQ(records[1].userField2, fitField("cash", 10));
    EXPECT_EQ(records[2].amount, Money::fromRaw(10000000));
    EXPECT_EQ(records[2].note, fitField("salary", 60));
    EXPECT_EQ(records[2].userField2, std::string(10, ' '));
    EXPECT_GT(records[1].recordStamp, serialFromDate(2001, 6, 15));
    EXPECT_GT(records[2].recordStamp, records[1].recordStamp);
    // The list is left as it was until the user sorts and refreshes.
    EXPECT_EQ(rows(), 1);
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, LinkBoxesFollowTheSelectedLineAndClearFieldsEmptiesThem) {
    choose("bank.txt", "\"06/01/2001\",\"-3\",\"tea\"\r\n");
    EXPECT_EQ(listLines(), (std::vector<std::string>{"||||||||||| RECORD 1 ||||||||||||",
                                                     "1 = 06/01/2001", "2 = -3", "3 = tea"}));
    link(3, "NoteLink");
    EXPECT_EQ(box("NoteLink")->text(), "3");
    // A record header line, or no selection, empties the box clicked.
    link(0, "NoteLink");
    EXPECT_EQ(box("NoteLink")->text(), "");
    link(2, "AmountLink");
    link(2, "CatLink");
    list()->clearSelection();
    QTest::mouseClick(box("CatLink"), Qt::LeftButton);
    EXPECT_EQ(box("CatLink")->text(), "");
    EXPECT_EQ(box("AmountLink")->text(), "2");

    importWindow->ClearFields_Click();
    for (const char* name :
         {"DateLink", "AmountLink", "NoteLink", "CatLink", "UDF1Link", "UDF2Link"})
        EXPECT_EQ(box(name)->text(), "") << name;
    EXPECT_EQ(list()->count(), 4);
}

TEST_F(ImportWindowTest, WithoutDateAndAmountOrWithoutAYesNothingIsImported) {
    choose("bank.csv", kBankCsv);
    link(1, "DateLink");
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last(),
              (Message{"Records to be imported MUST have a least a Date field and an Amount field "
                       "specified.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));

    link(2, "AmountLink");
    prompts.answers.push_back(Answer::No);
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last().title, "Ready...");
    EXPECT_EQ(program.read("quillbank.dat"), book);
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, ALineThatDoesNotConvertImportsNothingAtAll) {
    choose("bank.csv", "06/01/2001,5\r\nnot a date,6\r\n06/03/2001,7\r\n");
    link(1, "DateLink");
    link(2, "AmountLink");
    prompts.answers.push_back(Answer::Yes);
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(prompts.last().icon, Icon::Critical);
    EXPECT_NE(prompts.last().text.find("Error number: 13"), std::string::npos);
    EXPECT_EQ(program.read("quillbank.dat"), book);
}

TEST_F(ImportWindowTest, ABackupHoldingEntriesIsReplacedOnlyOnYes) {
    const std::string older = fileOf({entry(1999, 1, 1, "OLD", 100, "older", 1)});
    program.write("quillbank.bak", older);
    prompts.answers.push_back(Answer::No);
    choose("few.csv", "06/01/2001,5\r\n");
    EXPECT_EQ(prompts.messages[0].title, "Create backup data file?");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(program.read("quillbank.bak"), older);
    // The file is previewed all the same; fewer than five lines are no error.
    EXPECT_EQ(list()->count(), 3);

    prompts.answers.push_back(Answer::Yes);
    choose("few.csv", "06/01/2001,5\r\n");
    EXPECT_EQ(program.read("quillbank.bak"), book);
    EXPECT_EQ(prompts.last().text, "New backup file created!");
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, TheMenuItemOpensTheWindowModally) {
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        shown = modal->objectName() + " " + modal->windowTitle();
        modal->findChild<QPushButton*>("Command2")->click();
    });
    window->runCommand("mu_Import");
    EXPECT_EQ(shown, "qbk3cdi Comma-Delimited Import Field Selector");
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace qbk

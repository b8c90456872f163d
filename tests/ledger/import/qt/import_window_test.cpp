// The import window: choosing a file (with the internal backup offered), the preview,
// linking fields by clicking a list line and then a link box, and the import itself.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include "import/comma_import.h"
#include "import/import_preview.h"
#include "import/import_profiles.h"
#include "import/payee_rules.h"
#include "import/qt/backup_window.h"
#include "import/qt/import_window.h"
#include "import/qt/payee_rules_dialog.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/qt/translations.h"
#include "store/record_file.h"
#include "support/accessibility_check.h"
#include "support/keyboard_check.h"
#include "support/window_fixture.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

CategoryRecord categoryOf(const std::string& code) {
    CategoryRecord c;
    c.catCode = fitField(code, 10);
    c.catName = fitField(code, 20);
    return c;
}

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

    // The preview table: each row's texts from the Import box to the duplicate mark.
    std::vector<std::string> previewRows() const {
        const QAbstractItemModel* m = importWindow->findChild<QTableView*>("PreviewGrid")->model();
        std::vector<std::string> out;
        for (int r = 0; r < m->rowCount(); ++r) {
            std::string row =
                m->index(r, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked ? "[x]" : "[ ]";
            for (int c = 1; c < m->columnCount(); ++c)
                row += " | " + utf8(m->index(r, c).data().toString());
            out.push_back(row);
        }
        return out;
    }
    QAbstractItemModel* preview() const {
        return importWindow->findChild<QTableView*>("PreviewGrid")->model();
    }
    std::string status() const { return utf8(box("PreviewStatus")->text()); }
    void chooseSample(const std::string& name) {
        choose(name, readFile(std::string(QBK_STATEMENT_SAMPLES) + name));
    }

    // Picks item `index` of the combo box `name` as the user does.
    void pick(const char* name, int index) {
        auto* box = importWindow->findChild<QComboBox*>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QSpinBox* spin(const char* name) const { return importWindow->findChild<QSpinBox*>(name); }
    // With QBK_PICTURES set, the window as drawn goes to that folder.
    void picture(const char* name) {
        const QByteArray folder = qgetenv("QBK_PICTURES");
        if (folder.isEmpty()) return;
        importWindow->resize(900, 700);
        importWindow->show();
        QApplication::processEvents();
        importWindow->grab().save(folder + "/" + name);
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

    // The dates read both ways: the user says they are month first.
    auto* dates = importWindow->findChild<QComboBox*>("DateFormatBox");
    ASSERT_TRUE(dates->isEnabled());
    dates->setCurrentIndex(dates->findData(QStringLiteral("mdy")));
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

TEST_F(ImportWindowTest, TheKeyboardAloneLinksFieldsImportsAndCloses) {
    // Every input but the preview table, which Tab reaches after the list, has a key.
    EXPECT_EQ(testing::keyboardGaps(importWindow.get(), {"PreviewGrid"}), "");
    EXPECT_EQ(testing::unnamedControls(importWindow.get()), "");
    // A link box is read as the button it works as, with the field it links.
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(
        importWindow->findChild<QLabel*>(QStringLiteral("DateLink")));
    EXPECT_EQ(link->role(), QAccessible::Button);
    EXPECT_EQ(link->text(QAccessible::Name), "Date");
    choose("bank.txt", "\"06/01/2001\",\"-3\",\"tea\"\r\n");
    importWindow->show();
    QApplication::setActiveWindow(importWindow.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "SelectFile");

    // A label's Alt key links its box to the line chosen in the list.
    list()->setCurrentRow(3);
    key(list(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(box("NoteLink")->text(), "3");
    EXPECT_EQ(QApplication::focusWidget(), box("NoteLink"));
    key(box("NoteLink"), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), list());
    list()->setCurrentRow(0);
    key(box("NoteLink"), Qt::Key_Space);  // a header line empties the box
    EXPECT_EQ(box("NoteLink")->text(), "");
    // Tab into a box only moves there; Space or Enter links it.
    list()->setCurrentRow(2);
    key(box("AmountLink"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box("NoteLink"));
    EXPECT_EQ(box("NoteLink")->text(), "");
    key(box("AmountLink"), Qt::Key_Return);
    EXPECT_EQ(box("AmountLink")->text(), "2");
    EXPECT_EQ(prompts.messages.size(), 1u);  // only the backup's

    // Enter in the list presses Import, which wants a date first; Esc closes.
    key(list(), Qt::Key_Return);
    EXPECT_EQ(prompts.last().title, "Nothing to do!");
    key(list(), Qt::Key_Escape);
    EXPECT_FALSE(importWindow->isVisible());
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

TEST_F(ImportWindowTest, AStatementIsPreviewedMarkedAndImportedOnceOnly) {
    program.write("payee.rules", "parc -> DINE\r\n");
    chooseSample("checking.ofx");
    EXPECT_EQ(box("Label1")->text(), qs(program.file("checking.ofx") + " holds 4 transactions."));
    EXPECT_FALSE(box("DateLink")->isEnabled());
    EXPECT_FALSE(importWindow->findChild<QCheckBox*>("HeaderCheck")->isEnabled());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(previewRows(),
              (std::vector<std::string>{
                  "[x] | 01/03/2026 | ($4.75) | CAF\xC3\x89 DU PARC - Card 1234 | DINE | ",
                  "[x] | 01/05/2026 | ($1,250.00) | Rent for January |  | ",
                  "[x] | 01/15/2026 | $2,500.00 | ACME & SONS PAYROLL - Salary |  | ",
                  "[x] | 01/20/2026 | ($61.30) | AT&T WIRELESS |  | "}));
    EXPECT_EQ(status(), "4 lines: 4 to import, 3 without a category.");

    // Left without a category, lines go to IMPORT only on Yes.
    prompts.answers = {Answer::Yes, Answer::No};
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last(), noCategoryQuestion(3));
    EXPECT_EQ(program.read("quillbank.dat"), book);
    preview()->setData(preview()->index(3, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(status(), "4 lines: 3 to import, 2 without a category.");
    prompts.answers = {Answer::Yes, Answer::Yes};
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last(), importFinishedMessage(3));
    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2].categoryCode, fitField("IMPORT", 10));
    // The codes the lines got, made for the import.
    const std::vector<CategoryRecord> made = readCategories(program.file("category.dat"));
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].catCode + made[1].catCode, "DINE      IMPORT    ");
    EXPECT_EQ(previewRows()[1],
              "[ ] | 01/05/2026 | ($1,250.00) | Rent for January | IMPORT | in the book");
    EXPECT_EQ(status(), "4 lines: 1 to import, 3 duplicates left out, 1 without a category.");

    // Chosen again, the statement brings only what was left out.
    prompts.answers.push_back(Answer::No);  // no new internal backup
    chooseSample("checking.ofx");
    EXPECT_EQ(status(), "4 lines: 1 to import, 3 duplicates left out, 1 without a category.");
    prompts.answers = {Answer::Yes, Answer::Yes};
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last(), importFinishedMessage(1, 3));
    EXPECT_EQ(recordCount(program.file("quillbank.dat")), 5u);
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, AStatementLineClearsTheEntryTypedForItAndOffersItsBalance) {
    program.write("quillbank.dat",
                  book + fileOf({entry(2026, 1, 22, "PHONE", -6130, "phone bill", 6)}));
    chooseSample("checking.ofx");
    EXPECT_EQ(previewRows()[3],
              "[x] | 01/20/2026 | ($61.30) | AT&T WIRELESS |  | matches your entry of "
              "01/22/2026: phone bill (marked cleared, not added)");
    EXPECT_EQ(status(),
              "4 lines: 4 to import, 1 of them an entry you typed (marked cleared, not added), "
              "4 without a category.");
    if (!qgetenv("QBK_PICTURES").isEmpty()) {
        importWindow->resize(900, 600);
        importWindow->show();
        QApplication::processEvents();
        importWindow->grab().save(qgetenv("QBK_PICTURES") + "/import-match.png");
    }
    prompts.answers = {Answer::Yes, Answer::Yes};
    importWindow->Command1_Click();
    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].cleared(), ClearedState::Cleared);
    EXPECT_EQ(trimBlanks(records[1].note), "phone bill");
    EXPECT_EQ(records[4].cleared(), ClearedState::None);
    EXPECT_NE(prompts.last().text.find("1 entry you typed matches a line of the file"),
              std::string::npos);
    EXPECT_EQ(window->state().OfferedStatementBalance, Money::fromRaw(11839500));
    EXPECT_EQ(window->state().OfferedStatementDate, serialFromDate(2026, 1, 31));
}

TEST_F(ImportWindowTest, ACategoryPickedForAnUnplacedLineTeachesARule) {
    writeCategories(program.file("category.dat"), {categoryOf("FOOD"), categoryOf("PAY")});
    program.write("wallet.qif",
                  "!Type:Cash\r\nD03/04/2026\r\nT-1\r\nPBus 7\r\n^\r\nD03/05/2026\r\nT-2\r\n"
                  "PBus 7\r\n^\r\n");
    prompts.fileAnswers.push_back(program.file("wallet.qif"));
    prompts.answers.push_back(Answer::No);  // day first
    importWindow->SelectFile_Click();
    EXPECT_EQ(prompts.last(), dateOrderQuestion({2, "03/04/2026"}, DateOrder::MonthDayYear));
    EXPECT_EQ(prompts.last().text,
              "The dates of this file fit both orders, month first (MM/DD/YYYY) and day first "
              "(DD/MM/YYYY), such as \"03/04/2026\" in line 2.\r\n\r\nRead them month first? "
              "(No reads them day first.)");
    ASSERT_EQ(previewRows().size(), 2u);
    EXPECT_EQ(previewRows()[0], "[x] | 04/03/2026 | ($1.00) | Bus 7 |  | ");

    preview()->setData(preview()->index(0, 4), "PAY", Qt::EditRole);
    EXPECT_EQ(previewRows()[1], "[x] | 05/03/2026 | ($2.00) | Bus 7 | PAY | ");
    EXPECT_EQ(program.read("payee.rules"), "Bus 7 -> PAY\r\n");

    // The rules editor: a rule without a code is refused, then the rules are kept and
    // placed at once.
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<PayeeRulesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        auto* grid = editor->findChild<QTableWidget*>("RulesGrid");
        editor->findChild<QPushButton*>("AddRule")->click();
        grid->setItem(1, 0, new QTableWidgetItem("bus"));
        editor->findChild<QPushButton*>("OkButton")->click();
        grid->setItem(1, 1, new QTableWidgetItem("FOOD"));
        grid->item(0, 1)->setText("FOOD");
        editor->findChild<QPushButton*>("OkButton")->click();
    });
    importWindow->findChild<QPushButton*>("RulesButton")->click();
    EXPECT_EQ(prompts.last(), (Message{"Rule 2 has no category code.", "Nothing to do!",
                                       Icon::Exclamation, Buttons::Ok, 1}));
    EXPECT_EQ(program.read("payee.rules"), "Bus 7 -> FOOD\r\nbus -> FOOD\r\n");
    EXPECT_EQ(previewRows()[0], "[x] | 04/03/2026 | ($1.00) | Bus 7 | PAY | ");
    EXPECT_EQ(previewRows()[1], "[x] | 05/03/2026 | ($2.00) | Bus 7 | FOOD | ");
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, QuotedFieldsAHeaderLineAndBlankLinesOfABankCsv) {
    choose("bank.csv",
           "Date,Amount,Note,Category,Card\r\n"
           "12/13/2026,-7.5,\"Imported, quoted\",DINING,card\r\n"
           ",,,,\r\n"
           "12/13/2026,-7.5,\"Imported, quoted\",DINING,card\r\n");
    auto* header = importWindow->findChild<QCheckBox*>("HeaderCheck");
    EXPECT_TRUE(header->isEnabled());
    EXPECT_TRUE(header->isChecked());  // "Date" is no date
    EXPECT_EQ(status(), "Link the Date and Amount fields to see the entries here.");
    EXPECT_EQ(listLines()[9], "3 = Imported, quoted");
    link(7, "DateLink");
    link(8, "AmountLink");
    link(9, "NoteLink");
    link(10, "CatLink");
    link(11, "UDF1Link");
    EXPECT_EQ(
        previewRows(),
        // Two equal lines of one file are two entries.
        (std::vector<std::string>{"[x] | 12/13/2026 | ($7.50) | Imported, quoted | DINING | ",
                                  "[x] | 12/13/2026 | ($7.50) | Imported, quoted | DINING | "}));

    header->click();
    EXPECT_EQ(status(),
              "Type mismatch in line 1 (\"Date\" is not a date): Date,Amount,Note,Category,Card - "
              "a first line of column names is left out with \"First line holds column names\", "
              "lines before it with Skip lines at top");
    prompts.answers.push_back(Answer::Yes);
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(program.read("quillbank.dat"), book);

    header->click();
    prompts.answers.push_back(Answer::Yes);
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last(), importFinishedMessage(2, 0));
    const std::string added = program.read("quillbank.dat").substr(125);
    ASSERT_EQ(added.size(), 250u);
    EXPECT_EQ(added.substr(8, 10), "DINING    ");
    EXPECT_EQ(added.substr(26, 60), fitField("Imported, quoted", 60));
    EXPECT_EQ(added.substr(86, 10), "card      ");
    prompts.expectAllUsed();
}

// A German bank's export: a preamble, semicolons, decimal commas, the note from two
// fields and a balance line at the end, which is shown as no entry and left out only
// when the user says so.
constexpr const char* kGermanCsv =
    "Umsatzanzeige;Datei erstellt am: 05.03.2026\r\n"
    "IBAN;DE12 3456 7890\r\n"
    "\r\n"
    "Buchung;Valuta;Empf\xC3\xA4nger;Verwendungszweck;Betrag;W\xC3\xA4hrung\r\n"
    "27.02.2026;27.02.2026;B\xC3\xA4"
    "ckerei Korn;Br\xC3\xB6tchen;-3,20;EUR\r\n"
    "03.03.2026;03.03.2026;Arbeitgeber GmbH;Gehalt M\xC3\xA4rz;2.500,00;EUR\r\n"
    "Kontostand;;;;1.234,56;EUR\r\n";

TEST_F(ImportWindowTest, ASemicolonFileWithAPreambleAndAFooterIsReadInItsLayout) {
    choose("giro.csv", kGermanCsv);
    spin("SkipLinesBox")->setValue(3);
    const std::vector<std::string> shown = listLines();
    ASSERT_GE(shown.size(), 8u);
    EXPECT_EQ(
        std::vector<std::string>(shown.begin(), shown.begin() + 8),
        (std::vector<std::string>{"||||||||||| RECORD 4 ||||||||||||", "1 = Buchung", "2 = Valuta",
                                  "3 = Empf\xC3\xA4nger", "4 = Verwendungszweck", "5 = Betrag",
                                  "6 = W\xC3\xA4hrung", "||||||||||| RECORD 5 ||||||||||||"}));
    EXPECT_TRUE(importWindow->findChild<QCheckBox*>("HeaderCheck")->isChecked());
    link(8, "DateLink");
    link(12, "AmountLink");
    link(10, "NoteLink");
    link(11, "Note2Link");
    EXPECT_EQ(status(),
              "Line 7 is no entry (shown at the end of the list): set Footer lines to 1 to "
              "leave it out.");
    EXPECT_EQ(listLines()[listLines().size() - 7], "||||||||||| LINE 7: NO ENTRY ||||||||||||");
    EXPECT_TRUE(previewRows().empty());

    spin("FooterBox")->setValue(1);
    EXPECT_EQ(listLines()[listLines().size() - 7], "||||||||||| LINE 7: LEFT OUT ||||||||||||");
    EXPECT_EQ(previewRows(),
              (std::vector<std::string>{
                  "[x] | 02/27/2026 | ($3.20) | B\xC3\xA4"
                  "ckerei Korn - Br\xC3\xB6tchen |  | ",
                  "[x] | 03/03/2026 | $2,500.00 | Arbeitgeber GmbH - Gehalt M\xC3\xA4rz |  | "}));
    EXPECT_EQ(status(),
              "2 lines: 2 to import, 2 without a category. Read with dates as dmy and a decimal "
              "comma, fields separated by semicolons. 1 line at the end left out.");
    picture("import-layout.png");

    // Lines without a category field go to IMPORT after the question, as a statement's.
    prompts.answers = {Answer::Yes, Answer::Yes};
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.messages[prompts.messages.size() - 2], noCategoryQuestion(2));
    EXPECT_EQ(prompts.last(), importFinishedMessage(2));
    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].amount, Money::fromRaw(25000000));
    EXPECT_EQ(records[2].categoryCode, fitField("IMPORT", 10));
    prompts.expectAllUsed();
}

// Saved as a profile, the layout is chosen again for the next file with the same column
// names; a file of other columns starts from nothing linked.
TEST_F(ImportWindowTest, ASavedLayoutIsChosenAgainAndANewFileStartsUnlinked) {
    choose("march.csv", kGermanCsv);
    spin("SkipLinesBox")->setValue(3);
    spin("FooterBox")->setValue(1);
    link(8, "DateLink");
    link(12, "AmountLink");
    link(10, "NoteLink");
    link(11, "Note2Link");
    prompts.inputAnswers.push_back("Girokonto");
    importWindow->findChild<QPushButton*>("SaveLayout")->click();
    EXPECT_EQ(program.read("import.profiles"),
              "Girokonto\tBuchung;Valuta;Empf\xC3\xA4nger;Verwendungszweck;Betrag;W\xC3\xA4hrung"
              "\tdate=1\tamount=5\tnote=3\tcategory=\tuser1=\tuser2=\tnotes=3,4\tseparator="
              "semicolon\tdecimal=comma\tdates=dmy\tskiplines=3\theader=1\tfooter=1\tdebit=\t"
              "credit=\tsign=\tdebitwords=D,Af,Debit\tnegate=0\n");
    EXPECT_EQ(status(),
              "The layout was saved as the import profile Girokonto. 2 lines: 2 to import, 2 "
              "without a category. Read with dates as dmy and a decimal comma, fields separated "
              "by semicolons. 1 line at the end left out.");

    prompts.answers.push_back(Answer::No);  // no new internal backup
    std::string april = kGermanCsv;
    april.replace(april.find("05.03"), 5, "04.04");
    april.replace(april.find("Br\xC3\xB6tchen"), 9, "Kuchen");
    choose("april.csv", april);
    EXPECT_EQ(utf8(importWindow->findChild<QComboBox*>("ProfileBox")->currentText()), "Girokonto");
    EXPECT_EQ(importWindow->links().date, "1");
    EXPECT_EQ(previewRows()[0],
              "[x] | 02/27/2026 | ($3.20) | B\xC3\xA4"
              "ckerei Korn - Kuchen |  | ");
    EXPECT_EQ(status().substr(0, 74),
              "Read with the import profile Girokonto, saved for these column names. 2 li");

    prompts.answers.push_back(Answer::No);
    choose("bank.csv", kBankCsv);
    for (const char* name : {"DateLink", "AmountLink", "NoteLink", "Note2Link"})
        EXPECT_EQ(box(name)->text(), "") << name;
    EXPECT_EQ(spin("SkipLinesBox")->value(), 0);
    EXPECT_EQ(importWindow->findChild<QComboBox*>("ProfileBox")->currentIndex(), 0);
    EXPECT_EQ(listLines()[1], "1 = 06/01/2001");

    // Chosen by hand, the profile reads this file in its layout (all of it skipped).
    pick("ProfileBox", 1);
    EXPECT_EQ(spin("SkipLinesBox")->value(), 3);
    EXPECT_EQ(status(),
              "Read with the import profile Girokonto. 0 lines: 0 to import. Read with dates as "
              "dmy and a decimal comma, fields separated by semicolons.");
    prompts.expectAllUsed();
}

// In French, German and Spanish the import window (with each way of writing the
// amount), its payee rules and the backup window keep one Alt key for each control.
TEST_F(ImportWindowTest, EachLanguageKeepsOneAltKeyForEachControl) {
    for (const char* language : {"de_DE", "fr_FR", "es_ES"}) {
        ASSERT_EQ(installTranslations(*qApp, QLocale(QLatin1String(language))),
                  QString::fromLatin1(language, 2));
        qbk3cdi translated(*window);
        for (int kind = 0; kind < 3; ++kind) {
            auto* amountKind = translated.findChild<QComboBox*>("AmountKindBox");
            amountKind->setCurrentIndex(kind);
            emit amountKind->activated(kind);
            EXPECT_EQ(testing::keyboardGaps(&translated, {"PreviewGrid"}), "")
                << language << " " << kind;
        }
        EXPECT_NE(translated.windowTitle(), "Comma-Delimited Import Field Selector");
        // Its question before the import too, line by line.
        const QStringList question = shownMessage(importReadyQuestion().text).split('\n');
        EXPECT_EQ(question.size(), 5) << language;
        EXPECT_NE(question.back(), "Proceed?") << language;
        EXPECT_EQ(
            testing::keyboardGaps(std::make_unique<frmBackup>(*window).get(), {"BackUpDrive"}), "")
            << language;
        PayeeRulesDialog rules({}, prompts, window.get());
        EXPECT_EQ(testing::keyboardGaps(&rules, {"RulesGrid"}), "") << language;
    }
    installTranslations(*qApp, QLocale::c());
    EXPECT_EQ(qbk3cdi(*window).windowTitle(), "Comma-Delimited Import Field Selector");
}

// Money out and in in two fields (a UK bank), or one field and a sign field (a Dutch
// bank, which writes Af and Bij), and amounts written with the opposite sign.
TEST_F(ImportWindowTest, DebitAndCreditFieldsOrASignFieldGiveTheSign) {
    choose("uk.csv",
           "Date,Description,Debit,Credit\r\n28/03/2020,TESCO,12.50,\r\n"
           "30/03/2020,SALARY,,1500.00\r\n");
    EXPECT_FALSE(box("DebitLink")->isVisibleTo(importWindow.get()));
    pick("AmountKindBox", 1);
    EXPECT_FALSE(box("AmountLink")->isVisibleTo(importWindow.get()));
    EXPECT_TRUE(box("CreditLink")->isVisibleTo(importWindow.get()));
    EXPECT_EQ(testing::keyboardGaps(importWindow.get(), {"PreviewGrid"}), "");
    link(6, "DateLink");
    link(8, "DebitLink");
    link(7, "NoteLink");
    EXPECT_EQ(previewRows()[0], "[x] | 03/28/2020 | ($12.50) | TESCO |  | ");
    link(9, "CreditLink");
    picture("import-debit-credit.png");
    EXPECT_EQ(previewRows()[1], "[x] | 03/30/2020 | $1,500.00 | SALARY |  | ");

    prompts.answers.push_back(Answer::No);
    choose("nl.csv",
           "Datum,Naam,Af Bij,Bedrag\r\n20200328,Albert Heijn,Af,\"12,50\"\r\n"
           "20200330,Werkgever,Bij,\"1500,00\"\r\n");
    EXPECT_EQ(importWindow->findChild<QComboBox*>("AmountKindBox")->currentIndex(), 0);
    pick("AmountKindBox", 2);
    EXPECT_TRUE(box("SignLink")->isVisibleTo(importWindow.get()));
    EXPECT_EQ(testing::keyboardGaps(importWindow.get(), {"PreviewGrid"}), "");
    link(6, "DateLink");
    link(9, "AmountLink");
    link(7, "NoteLink");
    link(8, "SignLink");
    EXPECT_EQ(previewRows(),
              (std::vector<std::string>{"[x] | 03/28/2020 | ($12.50) | Albert Heijn |  | ",
                                        "[x] | 03/30/2020 | $1,500.00 | Werkgever |  | "}));
    importWindow->findChild<QCheckBox*>("NegateCheck")->click();
    EXPECT_EQ(previewRows()[0], "[x] | 03/28/2020 | $12.50 | Albert Heijn |  | ");
    EXPECT_EQ(status(),
              "2 lines: 2 to import, 2 without a category. Read with dates as yyyymmdd and a "
              "decimal comma, fields separated by commas.");
    prompts.expectAllUsed();
}

TEST_F(ImportWindowTest, AStatementOfSeveralAccountsNamesThem) {
    const std::string block =
        ":28C:1\r\n:60F:C200327EUR0,00\r\n:61:2003270327DR12,50NMSCREF1//B1\r\n"
        ":86:Brot\r\n:62F:D200327EUR12,50\r\n-\r\n";
    choose("two.sta", ":20:A\r\n:25:DE11\r\n" + block + ":20:B\r\n:25:DE22\r\n" + block);
    EXPECT_EQ(status(),
              "2 lines: 2 to import, 2 without a category. 2 accounts in this file: DE11, DE22.");
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

namespace qbk {
namespace {

// File > Import Bank File...: the same window, the book sorted with the import.
TEST_F(ImportWindowTest, TheBankFileItemSortsTheBookWithTheImport) {
    importWindow = std::make_unique<qbk3cdi>(*window, true);
    EXPECT_EQ(importWindow->windowTitle(), "Import Bank File");
    chooseSample("checking.ofx");
    prompts.answers.push_back(Answer::Yes);  // Ready...
    prompts.answers.push_back(Answer::Yes);  // lines without a category go to IMPORT
    importWindow->Command1_Click();
    EXPECT_EQ(prompts.last().text.substr(0, 32), "4 records have been imported, an");
    const std::vector<EntryRecord> records = readRecords(program.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 5u);
    for (std::size_t i = 1; i < records.size(); ++i)
        EXPECT_GE(records[i - 1].entryDate, records[i].entryDate);
}

}  // namespace
}  // namespace qbk

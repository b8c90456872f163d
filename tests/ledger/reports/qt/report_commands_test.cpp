// The report commands of report mode: the report in Viewer, printing, the text file,
// the word processor and the exports.
#include "platform/errors.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_prompts.h"
#include "report_window.h"
#include "reports/print_pages.h"
#include "reports/report_output.h"

#include <QClipboard>
#include <QDir>
#include <QTextCursor>
#include "support/file_size_limit.h"

namespace qbk {
namespace {

using testing::ReportWindowTest;

const std::string kNarrowRule(79, '-');
const std::string kWideRule(113, '-');

// The report lines of the report text file (CR LF line ends).
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

class ReportCommandsTest : public ReportWindowTest {
  protected:
    // A report list of money out (FOOD) and money in (SALARY).
    void buildList() {
        newReport();
        pickCategory(kFood);
        pickCategory(kSalary);
    }
    void ctrl(Qt::Key k) { key(window->mainGrid(), k, Qt::ControlModifier); }
    std::string reportText() const { return program.read("qbk_rep.tmp"); }
    Message commonError(int number, const std::string& description) const {
        return {commonErrorText(number, description), "Error - operation aborted", Icon::Critical,
                Buttons::Ok, 1};
    }
};

TEST_F(ReportCommandsTest, TheReportIsShownInTheViewerFromAnEmptyFirstLine) {
    buildList();
    ctrl(Qt::Key_A);
    EXPECT_TRUE(window->viewer()->isVisible());
    EXPECT_TRUE(window->viewer()->hasFocus());
    EXPECT_FALSE(window->state().WideReport);
    const std::string heading =
        "\nCashflow Record for Ann Example" + std::string(29, ' ') + "Printed: 06/15/2001\n" +
        kNarrowRule +
        "\nSearched the period 01/01/2001 through 12/31/2001, inclusive."
        "\nRecords found span  06/01/2001 through 06/10/2001, inclusive.\n" +
        kNarrowRule + "\n";
    const std::string shown = viewerText();
    EXPECT_EQ(shown.substr(0, heading.size()), heading);
    EXPECT_EQ(shown.substr(shown.size() - 17), "\n   End of report");
    // The file holds the same lines with CR LF ends.
    std::string file = "\n" + reportText();
    file.resize(file.size() - 2);
    for (std::size_t at; (at = file.find('\r')) != std::string::npos;)
        file.erase(at, 1);
    EXPECT_EQ(shown, file);
}

TEST_F(ReportCommandsTest, EachCommandBuildsItsReport) {
    buildList();
    struct Case {
        std::function<void()> run;
        bool wide, lineItems;
    };
    const Case cases[] = {
        {[&] { ctrl(Qt::Key_A); }, false, false},
        {[&] { ctrl(Qt::Key_B); }, false, true},
        {[&] { ctrl(Qt::Key_C); }, true, false},
        {[&] { ctrl(Qt::Key_D); }, true, true},
        {[&] { window->reportToolButton("Quick")->trigger(); }, false, false},
        {[&] { window->reportToolButton("Full")->trigger(); }, true, true},
        // The report's keys work in the report itself too.
        {[&] { press(QKeySequence(QStringLiteral("Ctrl+C"))); }, true, false},
        {[&] { press(QKeySequence(QStringLiteral("Ctrl+B"))); }, false, true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        if (i < 6)
            window->runCommand("mu_ReturnToList");
        else
            ASSERT_EQ(QApplication::focusWidget(), window->viewer());
        cases[i].run();
        const std::vector<std::string> lines = linesOf(reportText());
        ASSERT_GT(lines.size(), 5u);
        EXPECT_EQ(lines[1], cases[i].wide ? kWideRule : kNarrowRule);
        EXPECT_EQ(window->state().WideReport, cases[i].wide);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "   Expense Line Items..."),
                  cases[i].lineItems ? 1 : 0);
        EXPECT_TRUE(window->viewer()->isVisible());
    }
}

TEST_F(ReportCommandsTest, CtrlCCopiesTheTextChosenInTheReport) {
    buildList();
    ctrl(Qt::Key_A);  // narrow
    QPlainTextEdit* viewer = window->viewer();
    QTextCursor cursor = viewer->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    viewer->setTextCursor(cursor);
    const QString chosen = cursor.selectedText();
    QApplication::clipboard()->clear();
    press(QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(QApplication::clipboard()->text(), chosen);
    EXPECT_FALSE(window->state().WideReport);  // no report was built
    // Without a selection the key builds the wide summary, as the menu says.
    cursor.clearSelection();
    viewer->setTextCursor(cursor);
    press(QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_TRUE(window->state().WideReport);
}

TEST_F(ReportCommandsTest, AnEmptyListIsRefusedAndOnlyTheLayoutChanges) {
    newReport();
    ctrl(Qt::Key_D);
    EXPECT_EQ(prompts.last(),
              (Message{"You must first build a list of items in order to generate a report. "
                       "Please select categories and/or perform word searches to build your list.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
    EXPECT_TRUE(window->state().WideReport);
    EXPECT_FALSE(window->viewer()->isVisible());
    EXPECT_FALSE(enabled("mu_PrintReport"));
    EXPECT_FALSE(program.exists("qbk_rep.tmp"));
}

TEST_F(ReportCommandsTest, AFailedReportLeavesTheLastReportAsItWas) {
    buildList();
    ctrl(Qt::Key_A);
    const std::string text = reportText();
    const std::string expense = program.read("expense.tmp");
    window->runCommand("mu_ReturnToList");
    selectRow(0);
    key(window->mainGrid(), Qt::Key_Delete);
    const std::vector<std::string> names = program.names();
    {
        // The new split files fit under the limit, the new report text does not.
        testing::FileSizeLimit limit(1024);
        ctrl(Qt::Key_B);
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().title, "Error - operation aborted");
    EXPECT_EQ(reportText(), text);
    EXPECT_EQ(program.read("expense.tmp"), expense);
    EXPECT_EQ(program.names(), names);
    EXPECT_FALSE(window->viewer()->isVisible());
}

TEST_F(ReportCommandsTest, PrintingSendsTheReportLastBuiltInItsLayout) {
    buildList();
    ctrl(Qt::Key_A);
    const std::vector<std::string> lines = linesOf(reportText());
    window->runCommand("mu_ReturnToList");
    pickCategory(kCar);  // the list changes; the report does not
    ctrl(Qt::Key_P);
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& job = printer.jobs[0];
    EXPECT_EQ(job.setup.fontName, "Courier New");
    EXPECT_EQ(job.setup.pointSize, 10);
    EXPECT_TRUE(job.setup.bold);
    EXPECT_FALSE(job.setup.landscape);
    ASSERT_EQ(job.lines.size(), lines.size() + 3);
    EXPECT_EQ(job.lines[0], "");
    EXPECT_EQ(job.lines[3], "\t" + lines[0]);
    EXPECT_EQ(job.lines.back(), "\t   End of report");
    EXPECT_TRUE(job.ended);

    window->reportToolButton("Full")->trigger();
    window->reportToolButton("Print")->trigger();
    ASSERT_GE(printer.jobs.size(), 2u);
    EXPECT_TRUE(printer.jobs[1].setup.landscape);
    // A wide page holds 41 report lines; this one ends before the section title that
    // would have stood at its foot, and the next page begins with it.
    EXPECT_EQ(printer.jobs[1].lines.size(), 37u);
    ASSERT_GE(printer.jobs.size(), 3u);
    EXPECT_EQ(printer.jobs[2].lines[3], "\t" + std::string(113, '-'));
    EXPECT_EQ(printer.jobs[2].lines[4], "\t   Expense Line Items...");
}

TEST_F(ReportCommandsTest, WithoutAPrinterAPdfFileIsOffered) {
    printer.installed = false;
    buildList();
    ctrl(Qt::Key_A);
    prompts.answers = {Answer::No, Answer::Yes};
    ctrl(Qt::Key_P);
    EXPECT_EQ(prompts.last(), noPrinterQuestion());
    EXPECT_TRUE(printer.pdfs.empty());
    prompts.fileAnswers = {program.file("june.pdf")};
    window->reportToolButton("Print")->trigger();
    ASSERT_EQ(printer.pdfs.size(), 1u);
    EXPECT_EQ(printer.pdfs[0].path, program.file("june.pdf"));
    ASSERT_EQ(printer.pdfs[0].jobs.size(), 1u);
    EXPECT_EQ(printer.pdfs[0].jobs[0].lines.size(), linesOf(reportText()).size() + 3);
    EXPECT_EQ(prompts.last().title, "Finished");
    EXPECT_TRUE(printer.jobs.empty());
    // Save as PDF is there with or without a printer, in the layout of the report.
    EXPECT_EQ(window->action("mu_SaveAsPdf")->text(), "Save as P&DF...");
    window->reportToolButton("Full")->trigger();
    prompts.fileAnswers = {program.file("wide.pdf")};
    window->runCommand("mu_SaveAsPdf");
    ASSERT_EQ(printer.pdfs.size(), 2u);
    EXPECT_TRUE(printer.pdfs[1].jobs[0].setup.landscape);
    // 41 report lines less the heading block carried to the second page.
    EXPECT_EQ(printer.pdfs[1].jobs[0].lines.size(), 36u);
    prompts.expectAllUsed();
}

TEST_F(ReportCommandsTest, TheDesktopsPdfFileHoldsThePagesOfTheReport) {
    QtPrinter desktop;
    std::string report;
    for (int i = 1; i <= 60; ++i)
        report += "line " + std::to_string(i) + "\r\n";
    program.write("qbk_rep.tmp", report);
    printReportToPdf(program.file("qbk_rep.tmp"), false, desktop, program.file("r.pdf"));
    const std::string pdf = program.read("r.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    std::size_t pages = 0;
    for (std::size_t at = 0; (at = pdf.find("/Type /Page\n", at)) != std::string::npos; ++at)
        ++pages;
    EXPECT_EQ(pages, 2u);  // 57 lines, then 3
}

TEST_F(ReportCommandsTest, TheReportIsCopiedToATextFile) {
    buildList();
    ctrl(Qt::Key_A);
    const std::string chosen = program.file("june.txt");
    prompts.fileAnswers = {"", chosen, chosen, chosen};
    prompts.answers = {Answer::Cancel, Answer::Ok};
    ctrl(Qt::Key_T);  // cancelled
    EXPECT_FALSE(program.exists("june.txt"));
    EXPECT_EQ(prompts.fileDialogs[0].title, "Provide a file name...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Text files|*.txt");

    window->reportToolButton("File")->trigger();
    EXPECT_EQ(program.read("june.txt"), reportText());
    EXPECT_EQ(prompts.last(), (Message{"This report been copied to the file\r\n\r\n" + chosen,
                                       "Finished", Icon::Information, Buttons::Ok, 1}));

    program.write("june.txt", "keep me");
    ctrl(Qt::Key_T);  // Cancel to the question
    EXPECT_EQ(prompts.last(),
              (Message{chosen + " already exists! If you continue, the file will be over-written. "
                                "Proceed?",
                       "Confirm file over-write", Icon::Exclamation, Buttons::OkCancel, 2}));
    EXPECT_EQ(program.read("june.txt"), "keep me");
    ctrl(Qt::Key_T);
    EXPECT_EQ(program.read("june.txt"), reportText());
    prompts.expectAllUsed();
}

TEST_F(ReportCommandsTest, WithoutAnEditorTheDesktopOpensTheCopy) {
    buildList();
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_E);
    EXPECT_EQ(shell.documents, (std::vector<std::string>{program.file("qbk_rep.doc")}));
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_EQ(program.read("qbk_rep.doc"), reportText());
    // With no editor set and no program of the desktop for the copy, the user is told.
    shell.succeed = false;
    window->reportToolButton("Edit")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last().text, "No program was found to open the file\r\n\r\n" +
                                       program.file("qbk_rep.doc") +
                                       "\r\n\r\nName your word processor in File, Settings... "
                                       "(Editor), or choose a program for .doc files in your "
                                       "desktop's settings.");
    EXPECT_EQ(prompts.last().title, "No word processor");
}

class ReportEditorTest : public ReportCommandsTest {
    void settings(SettingsRecord& s) override { s.setEditorName("  mousepad --new   "); }
};

TEST_F(ReportEditorTest, TheEditorStartsWithTheCopyInTheDataFolder) {
    buildList();
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_E);
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, "mousepad");
    EXPECT_EQ(shell.starts[0].arguments, (std::vector<std::string>{"--new", "qbk_rep.doc"}));
    EXPECT_EQ(shell.starts[0].workingFolder + "/", program.path());
    EXPECT_EQ(program.read("qbk_rep.doc"), reportText());
    EXPECT_TRUE(shell.documents.empty());

    shell.succeed = false;
    ctrl(Qt::Key_E);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.last(), commonError(53, "File not found (mousepad)"));
}

TEST_F(ReportCommandsTest, TheExportsWriteTheReportsEntriesAndTotals) {
    buildList();
    ctrl(Qt::Key_A);
    window->runCommand("mu_ReturnToList");
    pickCategory(kCar);  // not in the report last built
    prompts.fileAnswers = {program.file("full.csv"), program.file("sum.txt"), ""};
    // Ctrl+F is the word search: the export has Ctrl+Shift+F.
    press(QKeySequence(QStringLiteral("Ctrl+Shift+F")));
    const auto pad = [](const std::string& text, std::size_t width) {
        return text + std::string(width - text.size(), ' ');
    };
    EXPECT_EQ(program.read("full.csv"),
              "-12.5,FOOD      ," + pad("fish   fresh ", 60) +
                  ",06/05/2001,card      ,market    \r\n" + "-7,FOOD      ," + pad("bakery", 60) +
                  ",06/02/2001,          ,          \r\n" + "2500,SALARY    ," +
                  pad("june pay", 60) + ",06/10/2001,transfer  ,          \r\n");
    EXPECT_EQ(prompts.last().title, "Export Complete");

    ctrl(Qt::Key_S);
    EXPECT_EQ(program.read("sum.txt"),
              "\"CAR       \",\"Car upkeep          \",\"0\"\r\n"
              "\"FOOD      \",\"Groceries           \",\"-19.5\"\r\n"
              "\"SALARY    \",\"Salary              \",\"0\"\r\n"
              "\"CAR       \",\"Car upkeep          \",\"0\"\r\n"
              "\"FOOD      \",\"Groceries           \",\"0\"\r\n"
              "\"SALARY    \",\"Salary              \",\"2500\"\r\n");
    EXPECT_EQ(prompts.last().text.substr(0, 30), "The data (category summary onl");

    const std::size_t shown = prompts.messages.size();
    window->reportToolButton("Export")->trigger();  // cancelled
    EXPECT_EQ(prompts.messages.size(), shown);
    prompts.expectAllUsed();
}

TEST(SaveDialog, ANewNameWithoutExtensionTakesThatOfTheChosenFilter) {
    const QStringList filters =
        qtNameFilters(
            "Comma-delimited text (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv|"
            "Quillbank 3.x Macro Files|*.qbk|Quillbank Data Files|quillbank.dat")
            .split(";;");
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(withFilterSuffix("/d/june", filters[0]), "/d/june.txt");
    EXPECT_EQ(withFilterSuffix("/d/june", filters[1]), "/d/june.csv");
    EXPECT_EQ(withFilterSuffix("/d/june.txt", filters[1]), "/d/june.txt");
    EXPECT_EQ(withFilterSuffix("/d/bills", filters[2]), "/d/bills.qbk");
    EXPECT_EQ(withFilterSuffix("/d/book", filters[3]), "/d/book");
}

}  // namespace
}  // namespace qbk

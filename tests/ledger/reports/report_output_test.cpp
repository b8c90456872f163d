// The report view, printing, the text-file copy and the word processor.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "reports/editor_command.h"
#include "reports/print_pages.h"
#include "reports/report_output.h"
#include "reports/viewer_text.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::FakePrinter;
using testing::FakeShell;
using testing::ScriptedPrompts;

// A report text of `n` lines "line 1" ... "line n", each ended by CR LF.
std::string reportOf(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

TEST(ViewerText, BeginsWithALineEndAndHasNoneAfterTheLastLine) {
    EXPECT_EQ(viewerText("Cashflow\r\n\r\n   End of report\r\n"), "\nCashflow\n\n   End of report");
    EXPECT_EQ(viewerText(""), "");
}

TEST(ViewerText, ShowsAtMost251LinesAndSaysSoFrom251On) {
    std::string shown250;
    for (int i = 1; i <= 250; ++i)
        shown250 += "\nline " + std::to_string(i);
    EXPECT_EQ(viewerText(reportOf(250)), shown250);
    const std::string notice = "\n\nNot all is displayed... Click Edit Report for options.";
    EXPECT_EQ(viewerText(reportOf(251)), shown250 + "\nline 251" + notice);
    EXPECT_EQ(viewerText(reportOf(400)), shown250 + "\nline 251" + notice);
}

std::vector<std::string> printed(const std::string& text, bool wide, FakePrinter& printer) {
    printReportText(text, wide, printer);
    std::vector<std::string> pages;
    for (const auto& job : printer.jobs) {
        EXPECT_TRUE(job.ended);
        EXPECT_EQ(job.setup.fontName, "Courier New");
        EXPECT_EQ(job.setup.pointSize, 10);
        EXPECT_TRUE(job.setup.bold);
        EXPECT_EQ(job.setup.landscape, wide);
        std::string page;
        for (const std::string& line : job.lines)
            page += line + "|";
        pages.push_back(page);
    }
    return pages;
}

// "||||" + lines from..to as printed ("\tline i|").
std::string page(int from, int to) {
    std::string p = "|||";
    for (int i = from; i <= to; ++i)
        p += "\tline " + std::to_string(i) + "|";
    return p;
}

TEST(Printing, NarrowPagesHold57LinesAfter3EmptyOnes) {
    FakePrinter printer;
    EXPECT_EQ(printed(reportOf(3), false, printer), (std::vector<std::string>{page(1, 3)}));
    FakePrinter full;
    EXPECT_EQ(printed(reportOf(57), false, full), (std::vector<std::string>{page(1, 57), "|||"}));
    FakePrinter over;
    EXPECT_EQ(printed(reportOf(58), false, over),
              (std::vector<std::string>{page(1, 57), page(58, 58)}));
    FakePrinter empty;
    EXPECT_EQ(printed("Title\r\n\r\n", false, empty), (std::vector<std::string>{"|||\tTitle|\t|"}));
}

TEST(Printing, WidePagesAreLandscapeWith41Lines) {
    FakePrinter printer;
    EXPECT_EQ(printed(reportOf(83), true, printer),
              (std::vector<std::string>{page(1, 41), page(42, 82), page(83, 83)}));
}

TEST(Printing, EachPageWithLinesIsNumberedOfTheirCount) {
    const auto numbers = [](int lines, bool wide) {
        FakePrinter printer;
        printReportText(reportOf(lines), wide, printer);
        std::string out;
        for (const auto& job : printer.jobs)
            out += std::to_string(job.setup.pageNumber) + "/" +
                   std::to_string(job.setup.pageCount) + " ";
        return out;
    };
    EXPECT_EQ(numbers(3, false), "1/1 ");
    EXPECT_EQ(numbers(57, false), "1/1 0/1 ");  // the empty last job has no foot
    EXPECT_EQ(numbers(83, true), "1/3 2/3 3/3 ");
}

TEST(Printing, AHeadingAtThePageFootBeginsTheNextPageWithItsFirstLine) {
    // Lines 1-52, then a category's heading block whose first entry would be line 58.
    std::string text;
    for (int i = 1; i <= 52; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    text += "\r\nCategory: Food\r\n\r\nDate             Amount  Note\r\n\r\n06/01/2001 x\r\n";
    FakePrinter printer;
    const std::vector<std::string> pages = printed(text, false, printer);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], page(1, 52) + "\t|");
    EXPECT_EQ(pages[1],
              "|||\tCategory: Food|\t|\tDate             Amount  Note|\t|\t06/01/2001 x|");
    EXPECT_EQ(printer.jobs[0].setup.pageCount, 2);
    // A page of headings only stays full.
    std::string rules;
    for (int i = 0; i < 60; ++i)
        rules += "-----\r\n";
    FakePrinter full;
    EXPECT_EQ(printed(rules, false, full).size(), 2u);
    EXPECT_EQ(full.jobs[0].lines.size(), 60u);
}

TEST(Printing, PrintsTheWholeReportFile) {
    testing::TempFolder program;
    program.write("qbk_rep.tmp", reportOf(300));
    FakePrinter printer;
    printReport(program.file("qbk_rep.tmp"), false, printer);
    ASSERT_EQ(printer.jobs.size(), 6u);  // 5 full pages and 15 lines
    EXPECT_EQ(printer.jobs[5].lines.back(), "\tline 300");
}

TEST(Printing, NoPrinterIsAnErrorBeforeAnythingIsPrinted) {
    FakePrinter printer;
    printer.installed = false;
    try {
        printReportText(reportOf(5), false, printer);
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kPrinterError);
        const std::string start =
            "An error has occurred, and this operation has been aborted...\r\n\r\nError name: "
            "No printer is installed\r\n\r\nError number: 482\r\n";
        EXPECT_EQ(commonErrorText(e).substr(0, start.size()), start);
    }
    EXPECT_TRUE(printer.jobs.empty());
}

TEST(Printing, ARefusedJobStopsPrinting) {
    // A printer that takes the first job and refuses the second.
    struct Refusing : Printer {
        bool available() override { return true; }
        std::unique_ptr<PdfFile> openPdf(const std::string&) override { return nullptr; }
        void beginJob(const PageSetup&) override { ++begun; }
        void printLine(const std::string&) override { ++lines; }
        void endJob() override {
            if (begun == 2) throw OperationError(errnum::kPrinterError, "Printer error");
        }
        int begun = 0, lines = 0;
    } printer;
    EXPECT_THROW(printReportText(reportOf(200), false, printer), OperationError);
    EXPECT_EQ(printer.begun, 2);
    EXPECT_EQ(printer.lines, 2 * 3 + 2 * 57);
}

TEST(Printing, APdfFileGetsThePagesOfThePrinterWithoutOne) {
    testing::TempFolder program;
    program.write("qbk_rep.tmp", reportOf(83));
    FakePrinter printer;
    printer.installed = false;
    printReportToPdf(program.file("qbk_rep.tmp"), true, printer, program.file("r.pdf"));
    FakePrinter paper;
    printReport(program.file("qbk_rep.tmp"), true, paper);
    ASSERT_EQ(printer.pdfs.size(), 1u);
    EXPECT_EQ(printer.pdfs[0].path, program.file("r.pdf"));
    EXPECT_TRUE(printer.pdfs[0].closed);
    ASSERT_EQ(printer.pdfs[0].jobs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(printer.pdfs[0].jobs[i].lines, paper.jobs[i].lines);
        EXPECT_TRUE(printer.pdfs[0].jobs[i].setup.landscape);
    }
    EXPECT_TRUE(printer.jobs.empty());
}

TEST(Printing, SaveAsPdfAsksForTheFileAndBeforeReplacingOne) {
    testing::TempFolder program;
    program.write("qbk_rep.tmp", reportOf(3));
    program.write("old.pdf", "%PDF");
    ScriptedPrompts prompts;
    FakePrinter printer;
    prompts.fileAnswers = {"", program.file("old.pdf"), program.file("old.pdf")};
    prompts.answers = {Answer::Cancel, Answer::Ok};
    EXPECT_FALSE(saveReportAsPdf(prompts, program.file("qbk_rep.tmp"), false, printer));
    EXPECT_FALSE(saveReportAsPdf(prompts, program.file("qbk_rep.tmp"), false, printer));
    EXPECT_TRUE(printer.pdfs.empty());
    EXPECT_TRUE(saveReportAsPdf(prompts, program.file("qbk_rep.tmp"), false, printer));
    ASSERT_EQ(printer.pdfs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].filter, "PDF files|*.pdf");
    EXPECT_EQ(prompts.messages[0], overwriteQuestion(program.file("old.pdf")));
    EXPECT_EQ(prompts.last().text,
              "This report has been saved as a PDF file\r\n\r\n" + program.file("old.pdf"));
}

class WriteTextFile : public ::testing::Test {
  protected:
    void SetUp() override { program.write("qbk_rep.tmp", "report\r\nlines\r\n"); }
    bool run() { return writeReportToTextFile(prompts, program.file("qbk_rep.tmp")); }
    testing::TempFolder program, target;
    ScriptedPrompts prompts;
};

TEST_F(WriteTextFile, ANewFileIsWrittenWithoutAQuestion) {
    prompts.fileAnswers = {target.file("out.txt")};
    EXPECT_TRUE(run());
    EXPECT_EQ(target.read("out.txt"), "report\r\nlines\r\n");
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].title, "Provide a file name...");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Text files|*.txt");
    EXPECT_EQ(prompts.fileDialogs[0].fileName, "");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0],
              (Message{"This report been copied to the file\r\n\r\n" + target.file("out.txt"),
                       "Finished", Icon::Information, Buttons::Ok, 1}));
}

TEST_F(WriteTextFile, AnExistingFileIsReplacedOnlyAfterOk) {
    target.write("out.txt", "keep me");
    prompts.fileAnswers = {target.file("out.txt"), target.file("out.txt")};
    prompts.answers = {Answer::Cancel, Answer::Ok};
    EXPECT_FALSE(run());
    EXPECT_EQ(target.read("out.txt"), "keep me");
    EXPECT_EQ(prompts.messages[0],
              (Message{target.file("out.txt") +
                           " already exists! If you continue, the file will be over-written. "
                           "Proceed?",
                       "Confirm file over-write", Icon::Exclamation, Buttons::OkCancel, 2}));
    EXPECT_TRUE(run());
    EXPECT_EQ(target.read("out.txt"), "report\r\nlines\r\n");
    EXPECT_EQ(prompts.messages.size(), 3u);
    // A link stays; the file it points to is replaced and keeps its permissions.
    target.write("real.txt", "keep me");
    ::chmod(target.file("real.txt").c_str(), 0604);
    std::filesystem::create_symlink("real.txt", target.file("link.txt"));
    prompts.fileAnswers = {target.file("link.txt")};
    prompts.answers = {Answer::Ok};
    EXPECT_TRUE(run());
    EXPECT_TRUE(std::filesystem::is_symlink(target.file("link.txt")));
    EXPECT_EQ(target.read("real.txt"), "report\r\nlines\r\n");
    EXPECT_EQ(std::filesystem::status(target.file("real.txt")).permissions(),
              std::filesystem::perms(0604));
}

TEST_F(WriteTextFile, AnEmptyFileIsReplacedWithoutAQuestion) {
    target.write("out.txt", "");
    prompts.fileAnswers = {target.file("out.txt")};
    EXPECT_TRUE(run());
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Finished");
}

TEST_F(WriteTextFile, ACancelledDialogDoesNothing) {
    prompts.fileAnswers = {""};
    EXPECT_FALSE(run());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WriteTextFile, AFolderThatIsGoneIsAnError) {
    prompts.fileAnswers = {target.file("gone/out.txt")};
    EXPECT_THROW(run(), OperationError);
    EXPECT_TRUE(prompts.messages.empty());
}

class EditReport : public ::testing::Test {
  protected:
    void SetUp() override { program.write("qbk_rep.tmp", "the report\r\n"); }
    std::optional<Message> edit(const std::string& editorName) {
        return editReport(program.file("qbk_rep.tmp"), data.path(), editorName, shell);
    }
    testing::TempFolder program, data;
    FakeShell shell;
};

TEST_F(EditReport, TheEditorGetsTheCopyInTheDataFolder) {
    edit("gedit" + std::string(75, ' '));
    EXPECT_EQ(data.read("qbk_rep.doc"), "the report\r\n");
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, "gedit");
    EXPECT_EQ(shell.starts[0].arguments, std::vector<std::string>{"qbk_rep.doc"});
    EXPECT_EQ(shell.starts[0].workingFolder + "/", data.path());
    EXPECT_TRUE(shell.documents.empty());
}

TEST_F(EditReport, AQuotedEditorPathKeepsItsBlanksAndArguments) {
    edit("\"/opt/My Editor/edit\" --plain");
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, "/opt/My Editor/edit");
    EXPECT_EQ(shell.starts[0].arguments, (std::vector<std::string>{"--plain", "qbk_rep.doc"}));
}

TEST_F(EditReport, ABlankEditorOpensTheCopyWithTheDesktopsProgram) {
    EXPECT_EQ(edit(std::string(80, ' ')), std::nullopt);
    shell.succeed = false;
    EXPECT_EQ(edit(std::string(80, '\0')), noEditorMessage(data.file("qbk_rep.doc")));
    EXPECT_EQ(shell.documents,
              (std::vector<std::string>{data.file("qbk_rep.doc"), data.file("qbk_rep.doc")}));
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(EditReport, AProgramThatCannotStartIsAnError) {
    shell.succeed = false;
    try {
        edit("no-such-editor");
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kFileNotFound);
        EXPECT_STREQ(e.what(), "File not found (no-such-editor)");
    }
}

TEST_F(EditReport, AMissingDataFolderIsAnErrorBeforeAnythingStarts) {
    std::filesystem::remove_all(data.path());
    EXPECT_THROW(edit("gedit"), OperationError);
    EXPECT_TRUE(shell.starts.empty());
}

}  // namespace
}  // namespace qbk

// The comma-delimited exports of the test books, byte for byte, and the export command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/errors.h"
#include "reports/exports.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "test_books.h"

namespace qbk {
namespace {

std::string pad(const std::string& text, std::size_t width) {
    return text + std::string(width - charCount(text), ' ');
}

class Export : public ::testing::Test {
  protected:
    void SetUp() override {
        book.write(program.path(), data.path());
        MakeReportFiles(paths, book.rowStamps);
    }
    void write(ExportKind kind, const std::string& name) {
        writeExport(kind, paths, data.file("category.dat"), target.file(name), book.regional);
    }
    testing::TestBook book = testing::unitedStatesBook();
    testing::TempFolder program, data, target;
    ReportPaths paths{program.path()};
};

TEST_F(Export, FullExportInQuotedTextStyle) {
    write(ExportKind::Full, "full.txt");
    const auto line = [](const std::string& amount, const std::string& code,
                         const std::string& note, const std::string& date, const std::string& u1,
                         const std::string& u2) {
        return "\"" + amount + "\",\"" + pad(code, 10) + "\",\"" + pad(note, 60) + "\",\"" + date +
               "\",\"" + pad(u1, 10) + "\",\"" + pad(u2, 10) + "\"\r\n";
    };
    // Money out, then money in, by category in file order; the category listed twice
    // exports its entries twice; no open items, no entry of an unknown category.
    EXPECT_EQ(target.read("full.txt"),
              line("-80", "CAR", "new  tyres ", "03/05/2001", "cash", "garage") +
                  line("-2", "FEES", "bank fee", "03/15/2001", "", "") +
                  line("-12.5", "FOOD", "bread  milk", "03/02/2001", "card", "shop") +
                  line("-17.5", "FOOD", "market", "03/11/2001", "cash", "") +
                  line("-120", "RENT", "March rent", "03/09/2001", "transfer", "home") +
                  line("-120", "RENT", "March rent", "03/09/2001", "transfer", "home") +
                  line("3000000", "BONUS", "bonus  paid early", "04/05/2001", "", "") +
                  line("5000000", "GIFT", "gift from aunt", "03/20/2001", "", "home") +
                  line("10000000", "SALARY", "salary March", "03/01/2001", "transfer", "work"));
}

TEST_F(Export, SummaryExportInCommaSeparatedStyle) {
    write(ExportKind::Summary, "summary.csv");
    std::string want;
    const char* expense[] = {"0", "-80", "-2", "-30", "0", "0", "-120", "-120", "0"};
    const char* income[] = {"3000000", "0", "0", "0", "5000000", "0", "0", "0", "10000000"};
    for (const char* const* totals : {expense, income})
        for (std::size_t i = 0; i < book.categories.size(); ++i)
            want += book.categories[i].catCode + "," + book.categories[i].catName + "," +
                    totals[i] + "\r\n";
    EXPECT_EQ(target.read("summary.csv"), want);
    EXPECT_EQ(want.substr(0, 34), "BONUS     ,Bonus               ,0\r");
}

TEST_F(Export, CommaDecimalSettingsInQuotedText) {
    book = testing::germanBook();
    book.write(program.path(), data.path());
    MakeReportFiles(paths, book.rowStamps);
    write(ExportKind::Summary, "de.txt");
    EXPECT_EQ(target.read("de.txt"),
              "\"GESCHENK  \",\"Geschenke           \",\"0\"\r\n"
              "\"LOHN      \",\"Lohn                \",\"0\"\r\n"
              "\"MIETE     \",\"Miete               \",\"-1200\"\r\n"
              "\"REPARATUR \",\"Reparaturen         \",\"0\"\r\n"
              "\"ZINS      \",\"Zinsen              \",\"0\"\r\n"
              "\"GESCHENK  \",\"Geschenke           \",\"200\"\r\n"
              "\"LOHN      \",\"Lohn                \",\"500\"\r\n"
              "\"MIETE     \",\"Miete               \",\"0\"\r\n"
              "\"REPARATUR \",\"Reparaturen         \",\"0\"\r\n"
              "\"ZINS      \",\"Zinsen              \",\"100\"\r\n");
    write(ExportKind::Full, "de-full.txt");
    const std::string first = "\"-900\",\"MIETE     \",\"" + pad("Miete Januar   warm ", 60) +
                              "\",\"02.01.2002\",\"Giro      \",\"Wohnung   \"\r\n\"-300\",";
    EXPECT_EQ(target.read("de-full.txt").substr(0, first.size()), first);
}

// A decimal comma inside comma-separated values would split the amount into two
// fields; such an amount is quoted there, and only there.
TEST_F(Export, CommaDecimalAmountsStayOneFieldOfCommaSeparatedValues) {
    book = testing::germanBook();
    book.reportList = {
        testing::entry(2002, 1, 2, "MIETE", -1250, "Miete, warm", 1, "Giro"),
        testing::entry(2002, 1, 3, "MIETE", -30000, "Nebenkosten", 2),
        testing::entry(2002, 1, 15, "ZINS", 1005, "Zinsen", 3),
    };
    book.rowStamps = {1, 2, 3};
    book.write(program.path(), data.path());
    MakeReportFiles(paths, book.rowStamps);

    write(ExportKind::Full, "de.csv");
    EXPECT_EQ(target.read("de.csv"),
              "\"-12,5\",MIETE     ," + pad("Miete  warm", 60) + ",02.01.2002,Giro      ," +
                  std::string(10, ' ') + "\r\n-300,MIETE     ," + pad("Nebenkosten", 60) +
                  ",03.01.2002,          ," + std::string(10, ' ') + "\r\n\"10,05\",ZINS      ," +
                  pad("Zinsen", 60) + ",15.01.2002,          ," + std::string(10, ' ') + "\r\n");

    write(ExportKind::Summary, "de-sum.csv");
    EXPECT_EQ(target.read("de-sum.csv"),
              "GESCHENK  ,Geschenke           ,0\r\n"
              "LOHN      ,Lohn                ,0\r\n"
              "MIETE     ,Miete               ,\"-312,5\"\r\n"
              "REPARATUR ,Reparaturen         ,0\r\n"
              "ZINS      ,Zinsen              ,0\r\n"
              "GESCHENK  ,Geschenke           ,0\r\n"
              "LOHN      ,Lohn                ,0\r\n"
              "MIETE     ,Miete               ,0\r\n"
              "REPARATUR ,Reparaturen         ,0\r\n"
              "ZINS      ,Zinsen              ,\"10,05\"\r\n");

    // The quoted text style quotes every field already: nothing changes there.
    write(ExportKind::Full, "de-full.txt");
    const std::string first = "\"-12,5\",\"MIETE     \",\"" + pad("Miete  warm", 60) +
                              "\",\"02.01.2002\",\"Giro      \",\"          \"\r\n";
    EXPECT_EQ(target.read("de-full.txt").substr(0, first.size()), first);
}

TEST_F(Export, NewLinesAreAppendedToAnExistingFile) {
    write(ExportKind::Summary, "alone.csv");
    const std::string lines = target.read("alone.csv");
    ASSERT_FALSE(lines.empty());
    target.write("sum.csv", "older line\r\n");
    write(ExportKind::Summary, "sum.csv");
    write(ExportKind::Summary, "sum.csv");
    EXPECT_EQ(target.read("sum.csv"), "older line\r\n" + lines + lines);
    // Through a link, into the file it points to, which keeps its permissions.
    target.write("real.csv", "older line\r\n");
    ::chmod(target.file("real.csv").c_str(), 0640);
    std::filesystem::create_symlink("real.csv", target.file("link.csv"));
    write(ExportKind::Summary, "link.csv");
    EXPECT_TRUE(std::filesystem::is_symlink(target.file("link.csv")));
    EXPECT_EQ(target.read("real.csv"), "older line\r\n" + lines);
    EXPECT_EQ(std::filesystem::status(target.file("real.csv")).permissions(),
              std::filesystem::perms(0640));
}

TEST(ExportStyle, ChosenByTheNamesEnding) {
    EXPECT_EQ(exportStyleFor("a.txt").separator, "\",\"");
    EXPECT_EQ(exportStyleFor("a.TXT").quote, "\"");
    EXPECT_EQ(exportStyleFor("a.csv").separator, ",");
    EXPECT_EQ(exportStyleFor("a.Csv").quote, "");
    EXPECT_EQ(exportStyleFor("/x.csv/data").separator, "\",\"");  // neither: quoted text
    EXPECT_EQ(exportStyleFor("cs").separator, "\",\"");
    EXPECT_EQ(StripQuoteAndComma("\"a\", b,,"), " a   b  ");
}

TEST_F(Export, TheCommandAsksBeforeAppendingAndReportsCompletion) {
    testing::ScriptedPrompts prompts;
    const auto run = [&](ExportKind kind) {
        return exportReport(prompts, kind, paths, data.file("category.dat"), book.regional);
    };
    prompts.fileAnswers = {"", target.file("new.csv"), target.file("new.csv"),
                           target.file("new.csv")};
    prompts.answers = {Answer::Cancel, Answer::Ok};
    EXPECT_FALSE(run(ExportKind::Full));  // cancelled dialog
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(prompts.fileDialogs[0].title, "Provide a file name...");
    EXPECT_EQ(prompts.fileDialogs[0].filter,
              "Comma-delimited text (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv");

    EXPECT_TRUE(run(ExportKind::Full));  // a new file: no question
    const std::string name = target.file("new.csv");
    EXPECT_EQ(
        prompts.messages.back(),
        (Message{"The data contained in this report been exported to the file\r\n\r\n" + name +
                     "\r\n\r\nThis file can be read by many different applications, "
                     "including spreadsheets, etc.",
                 "Export Complete", Icon::Information, Buttons::Ok, 1}));
    const std::string once = target.read("new.csv");

    EXPECT_FALSE(run(ExportKind::Summary));  // Cancel to the question
    EXPECT_EQ(prompts.messages.back(),
              (Message{name + " already exists! If you continue, the new data will be appended "
                              "to the existing file. Proceed?",
                       "Confirm", Icon::Exclamation, Buttons::OkCancel, 2}));
    EXPECT_EQ(target.read("new.csv"), once);

    EXPECT_TRUE(run(ExportKind::Summary));
    EXPECT_EQ(prompts.messages.back().text.substr(0, 85),
              "The data (category summary only) contained in this report been exported to the "
              "file\r\n");
    EXPECT_EQ(target.read("new.csv").substr(0, once.size()), once);
}

TEST_F(Export, AMissingTargetFolderIsAnError) {
    EXPECT_THROW(write(ExportKind::Full, "gone/x.txt"), OperationError);
}

}  // namespace
}  // namespace qbk

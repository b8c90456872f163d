#include "import/delimited_line.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using Fields = std::vector<std::string>;

Fields txt(std::string_view line) {
    return splitFields(line, DelimitedStyle::Txt);
}
Fields csv(std::string_view line) {
    return splitFields(line, DelimitedStyle::Csv);
}

TEST(DelimitedStyle, IsTheUpperCasedLastThreeCharactersOfTheName) {
    EXPECT_EQ(delimitedStyleOf("/home/u/bank.txt"), DelimitedStyle::Txt);
    EXPECT_EQ(delimitedStyleOf("BANK.TxT"), DelimitedStyle::Txt);
    EXPECT_EQ(delimitedStyleOf("/home/u/bank.Csv"), DelimitedStyle::Csv);
    EXPECT_EQ(delimitedStyleOf("statementcsv"), DelimitedStyle::Csv);
    EXPECT_EQ(delimitedStyleOf("bank.tsv"), std::nullopt);
    EXPECT_EQ(delimitedStyleOf("bank.txt "), std::nullopt);
    EXPECT_EQ(delimitedStyleOf("tx"), std::nullopt);
}

TEST(QuotedTextFields, QuoteCommaQuoteSeparatesAndTheQuotesGo) {
    EXPECT_EQ(txt(R"("12/31/2000","-12.50","lunch")"), (Fields{"12/31/2000", "-12.50", "lunch"}));
    // Blanks inside the quotes are trimmed; a comma inside a field stays.
    EXPECT_EQ(txt(R"(" a ","b, c","  ")"), (Fields{"a", "b, c", ""}));
    // Unquoted text: one field, whatever its commas.
    EXPECT_EQ(txt("1,2,3"), (Fields{"1,2,3"}));
    // Only quote-comma-quote separates: a blank after the comma joins the fields.
    EXPECT_EQ(txt(R"("a", "b")"), (Fields{R"(a", "b)"}));
    // A doubled quote is no escape.
    EXPECT_EQ(txt(R"("say ""hi""","x")"), (Fields{R"(say ""hi"")", "x"}));
}

TEST(QuotedTextFields, OnlyOneQuoteIsDroppedAtEachEnd) {
    EXPECT_EQ(txt(R"(""a"","b")"), (Fields{R"("a")", "b"}));
    EXPECT_EQ(txt(R"(a","b)"), (Fields{"a", "b"}));
    EXPECT_EQ(txt(R"("only)"), (Fields{"only"}));
}

TEST(QuotedTextFields, ASeparatorAtTheEndGivesOneMoreEmptyField) {
    EXPECT_EQ(txt(R"("a","b",")"), (Fields{"a", "b", ""}));
    EXPECT_EQ(txt(R"(",")"), (Fields{"", ""}));
    EXPECT_EQ(txt(R"(")"), (Fields{""}));
}

TEST(SeparatedValuesFields, CommasSeparateAndBlanksAroundGo) {
    EXPECT_EQ(csv("12/31/2000,-12.50,lunch"), (Fields{"12/31/2000", "-12.50", "lunch"}));
    EXPECT_EQ(csv("a,  spaced out  ,c"), (Fields{"a", "spaced out", "c"}));
    // Tabs are no blanks.
    EXPECT_EQ(csv("\ta\t,b"), (Fields{"\ta\t", "b"}));
}

TEST(SeparatedValuesFields, QuotedFieldsReadAsSpreadsheetsWriteThem) {
    EXPECT_EQ(csv(R"(12/03/2026,-7.5,"Imported, quoted",DINING,card)"),
              (Fields{"12/03/2026", "-7.5", "Imported, quoted", "DINING", "card"}));
    EXPECT_EQ(csv(R"("1,234.50",z)"), (Fields{"1,234.50", "z"}));
    EXPECT_EQ(csv(R"("say ""hi""", "x" ,"")"), (Fields{R"(say "hi")", "x", ""}));
    EXPECT_EQ(csv(R"("a",)"), (Fields{"a", ""}));
    // Text after the closing quote joins the field; an unclosed quote runs to the end.
    EXPECT_EQ(csv(R"("Big" Joe,5)"), (Fields{"Big Joe", "5"}));
    EXPECT_EQ(csv(R"(1,"open, never closed)"), (Fields{"1", "open, never closed"}));
    // A quote that does not begin a field is a character like any other.
    EXPECT_EQ(csv(R"(5" pipe,x"y")"), (Fields{R"(5" pipe)", R"(x"y")"}));
}

TEST(BothStyles, ALineOfEmptyFieldsIsBlank) {
    for (const char* line : {"", ",,,", " , ", R"("","")"})
        EXPECT_TRUE(isBlankLine(line, DelimitedStyle::Csv)) << line;
    EXPECT_TRUE(isBlankLine(R"("","",")", DelimitedStyle::Txt));
    EXPECT_FALSE(isBlankLine(",,x,", DelimitedStyle::Csv));
    EXPECT_FALSE(isBlankLine(R"("",".")", DelimitedStyle::Txt));
}

TEST(SeparatedValuesFields, EmptyFieldsAndASeparatorAtTheEnd) {
    EXPECT_EQ(csv("a,,c"), (Fields{"a", "", "c"}));
    EXPECT_EQ(csv("a,b,"), (Fields{"a", "b", ""}));
    EXPECT_EQ(csv(","), (Fields{"", ""}));
    EXPECT_EQ(csv(",,"), (Fields{"", "", ""}));
    EXPECT_EQ(csv(" "), (Fields{""}));
}

TEST(BothStyles, AnEmptyLineHasNoField) {
    EXPECT_EQ(txt(""), Fields{});
    EXPECT_EQ(csv(""), Fields{});
}

TEST(ImportText, ValidUtf8IsKeptAnyOtherIsWindows1252) {
    EXPECT_EQ(decodeImportBytes("Caf\xC3\xA9,\xE2\x82\xAC"
                                "5"),
              "Caf\xC3\xA9,\xE2\x82\xAC"
              "5");
    EXPECT_EQ(decodeImportBytes("\xEF\xBB\xBF"
                                "Caf\xC3\xA9"),
              "Caf\xC3\xA9");
    // One byte that is not UTF-8 makes the whole file Windows-1252.
    EXPECT_EQ(decodeImportBytes("Caf\xE9,\x80"
                                "5"),
              "Caf\xC3\xA9,\xE2\x82\xAC"
              "5");
    EXPECT_EQ(decodeImportBytes("\xEF\xBB\xBF"
                                "Caf\xE9"),
              "Caf\xC3\xA9");
    EXPECT_EQ(decodeImportBytes(""), "");
}

TEST(ImportText, LinesEndInCrLfLfOrCr) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(importLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(importLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(importLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(importLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(importLines(""), Lines{});
}

// The file read in blocks gives the lines of the text read whole, wherever a line end
// falls against the 1 MiB blocks: a CR LF split between two blocks ends one line.
TEST(ImportText, AFileReadInBlocksGivesTheLinesOfTheWholeText) {
    testing::TempFolder folder;
    constexpr std::size_t kBlock = 1 << 20;
    for (const std::string_view end : {"\r\n", "\r", "\n"}) {
        for (std::size_t before = kBlock - 3; before <= kBlock + 1; ++before) {
            const std::string text = "\xEF\xBB\xBF" + std::string(before - 3, 'x') +
                                     std::string(end) + "y" + std::string(kBlock, 'z') +
                                     std::string(end) + std::string(end) + "last";
            folder.write("big.csv", text);
            std::vector<std::string> lines;
            const std::size_t count = forEachImportLine(
                folder.file("big.csv"), [&](std::size_t number, std::string_view line) {
                    EXPECT_EQ(number, lines.size() + 1);
                    lines.emplace_back(line);
                });
            const std::vector<std::string_view> whole =
                importLines(std::string_view(text).substr(3));
            EXPECT_EQ(count, whole.size());
            EXPECT_EQ(lines, std::vector<std::string>(whole.begin(), whole.end()))
                << "line end "
                << (end == "\n"   ? "LF"
                    : end == "\r" ? "CR"
                                  : "CR LF")
                << " at " << before;
        }
    }
    // One byte that is not UTF-8, far beyond the first block, makes the file Windows-1252.
    folder.write("late.csv", "Caf\xC3\xA9\n" + std::string(3 * kBlock, 'a') + "\xE9\n");
    EXPECT_FALSE(importFileShape(folder.file("late.csv")).utf8);
    folder.write("utf8.csv", "Caf\xC3\xA9\n" + std::string(3 * kBlock, 'a') + "\n\n");
    EXPECT_TRUE(importFileShape(folder.file("utf8.csv")).utf8);
    EXPECT_EQ(importFileShape(folder.file("utf8.csv")).lines, 3u);
    EXPECT_THROW(importFileShape(folder.file("gone.csv")), OperationError);
}

TEST(ImportText, AFileThatIsNotThereIsAnError) {
    testing::TempFolder folder;
    folder.write("bank.csv",
                 "\xEF\xBB\xBF"
                 "a,b\r\n");
    EXPECT_EQ(readImportText(folder.file("bank.csv")), "a,b\r\n");
    try {
        readImportText(folder.file("gone.csv"));
        FAIL();
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(std::string(e.what()), "File not found (" + folder.file("gone.csv") + ")");
    }
}

}  // namespace
}  // namespace qbk

#include "import/import_preview.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using Lines = std::vector<std::string>;

TEST(ImportPreview, ShowsTheCountAndTheFieldsOfTheFirstFiveLines) {
    testing::TempFolder folder;
    folder.write("bank.txt",
                 "\"01/02/2001\",\"-5.00\",\"one\"\r\n\"01/03/2001\",\"7\"\r\n\r\nx\r\n"
                 "\"5\",\"five\"\r\nsix\r\nseven\r\n");
    const auto preview = previewImportFile(folder.file("bank.txt"));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->lineCount, 7u);
    EXPECT_EQ(preview->caption, folder.file("bank.txt") + " appears to contain 7 records.");
    EXPECT_EQ(preview->lines,
              (Lines{"||||||||||| RECORD 1 ||||||||||||", "1 = 01/02/2001", "2 = -5.00", "3 = one",
                     "||||||||||| RECORD 2 ||||||||||||", "1 = 01/03/2001", "2 = 7",
                     "||||||||||| RECORD 3 ||||||||||||", "||||||||||| RECORD 4 ||||||||||||",
                     "1 = x", "||||||||||| RECORD 5 ||||||||||||", "1 = 5", "2 = five"}));
}

TEST(ImportPreview, AShortFileShowsTheLinesItHas) {
    testing::TempFolder folder;
    folder.write("two.CSV", "a, b\nc,\n");
    const auto preview = previewImportFile(folder.file("two.CSV"));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->caption, folder.file("two.CSV") + " appears to contain 2 records.");
    EXPECT_EQ(preview->lines, (Lines{"||||||||||| RECORD 1 ||||||||||||", "1 = a", "2 = b",
                                     "||||||||||| RECORD 2 ||||||||||||", "1 = c", "2 = "}));

    folder.write("empty.csv", "");
    const auto none = previewImportFile(folder.file("empty.csv"));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->caption, folder.file("empty.csv") + " appears to contain 0 records.");
    EXPECT_EQ(none->lines, Lines{});
}

TEST(ImportPreview, OtherEndingsAreNotReadAndMissingFilesAreErrors) {
    testing::TempFolder folder;
    folder.write("bank.dat", "a,b\r\n");
    EXPECT_EQ(previewImportFile(folder.file("bank.dat")), std::nullopt);
    EXPECT_THROW(previewImportFile(folder.file("gone.csv")), OperationError);
}

TEST(ImportPreview, AHugeLineShowsItsFirstFieldsCut) {
    testing::TempFolder folder;
    folder.write("huge.csv", std::string(250, 'x') + std::string(10000000, ',') + "\r\n");
    const auto preview = previewImportFile(folder.file("huge.csv"));
    ASSERT_TRUE(preview);
    ASSERT_EQ(preview->lines.size(), 102u);
    EXPECT_EQ(preview->lines[1], "1 = " + std::string(200, 'x') + "...");
    EXPECT_EQ(preview->lines[100], "100 = ");
    EXPECT_EQ(preview->lines[101], "(9999901 more fields)");
}

TEST(ImportPreview, Windows1252FilesAreShownInTheirCharacters) {
    testing::TempFolder folder;
    folder.write("old.csv",
                 "Caf\xE9,\x80"
                 "5\r\n");
    EXPECT_EQ(previewImportFile(folder.file("old.csv"))->lines,
              (Lines{"||||||||||| RECORD 1 ||||||||||||", "1 = Caf\xC3\xA9",
                     "2 = \xE2\x82\xAC"
                     "5"}));
}

TEST(ImportPreview, TheFileDialogOffersTextAndCsvFiles) {
    const FileDialog d = importFileDialog();
    EXPECT_EQ(d.title, "Select a file...");
    EXPECT_EQ(d.filter,
              "Files to import (*.txt *.csv *.ofx *.qfx *.qif *.sta *.mt940 *.xml)|"
              "*.txt;*.csv;*.ofx;*.qfx;*.qif;*.sta;*.mt940;*.xml|"
              "Comma-delimited text (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv|"
              "Bank statements (*.ofx *.qfx *.qif *.sta *.mt940 "
              "*.xml)|*.ofx;*.qfx;*.qif;*.sta;*.mt940;*.xml|"
              "All files (*.*)|*.*");
    EXPECT_EQ(d.fileName, "");
    EXPECT_TRUE(
        kImportInstructions.ends_with("left empty. You MUST sort your data after importing!"));
}

TEST(LinkNumbers, GetLinkNoTakesTheTextBeforeTheEqualsSign) {
    EXPECT_EQ(GetLinkNo("3 = lunch"), "3");
    EXPECT_EQ(GetLinkNo("12 = 01/02/2001"), "12");
    EXPECT_EQ(GetLinkNo("1234 = x"), "1234");
    // An "=" further on within six characters moves the cut.
    EXPECT_EQ(GetLinkNo("1 = a=b"), "1 = ");
    EXPECT_EQ(GetLinkNo("1 = \xC3\xA9=b"), "1 = ");
    // Beyond the first six characters nothing is found.
    EXPECT_EQ(GetLinkNo("12345 = x"), "");
    EXPECT_EQ(GetLinkNo("||||||||||| RECORD 1 ||||||||||||"), "");
    EXPECT_EQ(GetLinkNo(""), "");
    EXPECT_EQ(GetLinkNo("="), "");
}

TEST(LinkNumbers, ACaptionIsReadByItsLeadingNumber) {
    EXPECT_EQ(linkNumber("3"), 3u);
    EXPECT_EQ(linkNumber("12"), 12u);
    EXPECT_EQ(linkNumber("1 = "), 1u);
    EXPECT_EQ(linkNumber(" 1 2"), 12u);
    EXPECT_EQ(linkNumber(""), 0u);
    EXPECT_EQ(linkNumber("x"), 0u);
}

}  // namespace
}  // namespace qbk

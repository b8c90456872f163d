#include "import/comma_import.h"
#include "import/layout_refusal.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "import/import_batch.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

const RegionalSettings kUs = RegionalSettings::unitedStates();
const ImportLinks kAllSix{"1", "2", "3", "4", "5", "6"};

ImportLinks linked(std::string date, std::string amount, std::string note = "",
                   std::string category = "", std::string user1 = "", std::string user2 = "") {
    return {date, amount, note, category, user1, user2};
}

class CommaImport : public ::testing::Test {
  protected:
    // Imports `text` written to a file named `name`; the records appended are returned.
    // Most files here have dates that read both ways; they are written month first.
    std::size_t import(const std::string& name, const std::string& text,
                       const ImportLinks& links = kAllSix, const RegionalSettings& regional = kUs,
                       std::optional<DateFormat> dates = DateFormat::MonthDayYear) {
        folder.write(name, text);
        DelimitedLayout layout;
        layout.dateFormat = dates;
        return importIntoRecordFile(folder.file(name), book(), links, regional, stamps, layout);
    }
    std::string book() const { return folder.file("quillbank.dat"); }
    std::vector<EntryRecord> records() const { return readRecords(book()); }
    // The message of the import failure of `text`, checking that the book did not change.
    std::string failure(const std::string& name, const std::string& text,
                        const ImportLinks& links = kAllSix) {
        const std::string before = folder.read("quillbank.dat");
        try {
            import(name, text, links);
        } catch (const OperationError& e) {
            EXPECT_EQ(folder.read("quillbank.dat"), before);
            return std::to_string(e.number()) + " " + e.what();
        }
        ADD_FAILURE() << "no failure";
        return {};
    }

    testing::TempFolder folder;
    ManualClock clock{serialFromDate(2001, 6, 15), 43200};
    StampSource stamps{clock};
};

TEST_F(CommaImport, EachLinkedFieldFillsItsEntryField) {
    ASSERT_EQ(import("bank.csv", "12/31/2000,-12.50,Lunch at Joe's,Food,cash,visa\r\n"), 1u);
    EntryRecord expected = entry(2000, 12, 31, "Food", -1250, "Lunch at Joe's", 0, "cash", "visa");
    expected.recordStamp = stamps.last();
    EXPECT_EQ(records(), std::vector<EntryRecord>{expected});
    // The record as stored: the texts padded with blanks, "N", ten blanks reserved.
    const std::string bytes = folder.read("quillbank.dat");
    ASSERT_EQ(bytes.size(), 125u);
    EXPECT_EQ(bytes.substr(8, 10), "Food      ");
    EXPECT_EQ(bytes.substr(26, 60), fitField("Lunch at Joe's", 60));
    EXPECT_EQ(bytes.substr(114, 11), "N          ");
}

TEST_F(CommaImport, LinksInAnyOrderAndTwiceAndUnlinkedFieldsStayCleared) {
    ASSERT_EQ(import("bank.txt", "\"x\",\"100\",\"1/2/2001\",\"ABC\"\r\n",
                     linked("3", "2", "", "4", "4", "9")),
              1u);
    const EntryRecord r = records().at(0);
    EXPECT_EQ(r.entryDate, serialFromDate(2001, 1, 2));
    EXPECT_EQ(r.amount, Money::fromUnits(100));  // no minus sign: income
    EXPECT_EQ(r.note, std::string(60, ' '));
    EXPECT_EQ(r.categoryCode, "ABC       ");
    EXPECT_EQ(r.userField1, "ABC       ");
    EXPECT_EQ(r.userField2, std::string(10, ' '));  // field 9 is beyond the line
}

TEST_F(CommaImport, TextsAreCutToTheirWidthsAndTheCategoryIsKeptAsTyped) {
    const std::string note(70, 'n');
    ASSERT_EQ(import("bank.csv", "1/2/2001,1," + note + ",lower case code,12345678901,x\n"), 1u);
    const EntryRecord r = records().at(0);
    EXPECT_EQ(r.note, std::string(60, 'n'));
    EXPECT_EQ(r.categoryCode, "lower case");
    EXPECT_EQ(r.userField1, "1234567890");
}

TEST_F(CommaImport, AmountsAndDatesAreReadInTheRegionalSettings) {
    ASSERT_EQ(import("us.txt", "\"1/3/2001\",\"$1,234.56\"\n\"1/4/2001\",\"(12.50)\"\n",
                     linked("1", "2")),
              2u);
    EXPECT_EQ(records().at(0).amount, Money::fromRaw(12345600));
    EXPECT_EQ(records().at(1).amount, Money::fromRaw(-125000));

    ASSERT_EQ(import("de.txt", "\"31.12.2000\",\"-1.234,56\"\n", linked("1", "2"),
                     RegionalSettings::germany(), std::nullopt),
              1u);
    EXPECT_EQ(records().at(2).entryDate, serialFromDate(2000, 12, 31));
    EXPECT_EQ(records().at(2).amount, Money::fromRaw(-12345600));
}

TEST_F(CommaImport, LinesWithoutADateAreLeftOutSilently) {
    ASSERT_EQ(import("bank.csv",
                     "1,first,1/2/2001\r\n"
                     "\r\n"                       // no field at all
                     "5,short\r\n"                // the date field is beyond the line
                     "5,day zero,12/30/1899\r\n"  // date 0
                     ",,,\r\n"                    // every field empty
                     " , \r\n"
                     "2,last,1/3/2001\r\n",
                     linked("3", "1", "2")),
              2u);
    const auto r = records();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(trimBlanks(r[0].note), "first");
    EXPECT_EQ(trimBlanks(r[1].note), "last");
}

TEST_F(CommaImport, EntriesGoAfterTheExistingOnesWithIncreasingStamps) {
    folder.write("quillbank.dat", fileOf({entry(2001, 6, 1, "A", 100, "old", 7)}));
    ASSERT_EQ(import("bank.csv", "1/2/2001,1\n1/3/2001,2\n1/1/1990,3\n", linked("1", "2")), 3u);
    const auto r = records();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].recordStamp, 7);
    EXPECT_EQ(r[1].entryDate, serialFromDate(2001, 1, 2));
    EXPECT_EQ(r[3].entryDate, serialFromDate(1990, 1, 1));
    // The clock stands still, yet every stamp is greater than the one before.
    EXPECT_GT(r[1].recordStamp, serialFromDate(2001, 6, 15) + 43199);
    EXPECT_GT(r[2].recordStamp, r[1].recordStamp);
    EXPECT_GT(r[3].recordStamp, r[2].recordStamp);
}

TEST_F(CommaImport, ALineThatDoesNotConvertStopsTheImportBeforeAnythingIsWritten) {
    folder.write("quillbank.dat", fileOf({entry(2001, 6, 1, "A", 100, "old", 7)}));
    // A header line of column names: the refusal asks for the choice of the header line,
    // which the window and the command-line tool each name in their own words.
    EXPECT_EQ(failure("bank.csv", "Date,Amount,Note\r\n1/2/2001,1,x\r\n"),
              "13 Type mismatch in line 1 (\"Date\" is not a date): Date,Amount,Note");
    try {
        import("bank.csv", "Date,Amount,Note\r\n1/2/2001,1,x\r\n");
        ADD_FAILURE();
    } catch (const LayoutRefusal& refusal) {
        EXPECT_EQ(refusal.choice(), LayoutChoice::HeaderLines);
    }
    // The last line's amount; every line before it converted.
    EXPECT_EQ(
        failure("bank.txt", "\"1/2/2001\",\"1\"\n\"1/3/2001\",\"2\"\n\"1/4/2001\",\"1O.5\"\n"),
        "13 Type mismatch in line 3 (\"1O.5\" is not an amount): \"1/4/2001\",\"1O.5\"");
    // An empty date or amount text is no value either.
    EXPECT_EQ(failure("bank.csv", "1/2/2001,\n"),
              "13 Type mismatch in line 1 (\"\" is not an amount): 1/2/2001,");
    EXPECT_EQ(failure("bank.csv", ",5\n"), "13 Type mismatch in line 1 (\"\" is not a date): ,5");
    // February 30th is no date, and a date is all there is to a date field.
    EXPECT_EQ(failure("bank.csv", "2/30/2001,5\n"),
              "13 Type mismatch in line 1 (\"2/30/2001\" is not a date): 2/30/2001,5");
    EXPECT_EQ(failure("bank.csv", "1/2/2001,5\n12/31/2000 rubbish,5\n"),
              "13 Type mismatch in line 2 (\"12/31/2000 rubbish\" is not a date): 12/31/2000 "
              "rubbish,5");
    EXPECT_EQ(failure("bank.txt", "\"1/2/2001 25:99:99\",\"5\"\n"),
              "13 Type mismatch in line 1 (\"1/2/2001 25:99:99\" is not a date): \"1/2/2001 "
              "25:99:99\",\"5\"");
    EXPECT_EQ(readRecords(book()).size(), 1u);
}

TEST_F(CommaImport, TheLineInAMessageIsShownInItsCharactersAndCutWhenLong) {
    const std::string longNote(300, 'z');
    const std::string message = failure("bank.csv", "bad\xE9," + longNote + "\n");
    EXPECT_EQ(message, "13 Type mismatch in line 1 (\"bad\xC3\xA9\" is not a date): bad\xC3\xA9," +
                           std::string(195, 'z') + "...");
}

TEST_F(CommaImport, OtherFilesAndMissingFoldersAreErrorsThatChangeNothing) {
    EXPECT_EQ(failure("bank.dat", "1/2/2001,1\n"),
              "5 Not a .txt or .csv file (" + folder.file("bank.dat") + ")");
    folder.write("bank.csv", "1/2/2001,1\n");
    EXPECT_THROW(importIntoRecordFile(folder.file("bank.csv"), folder.file("gone/quillbank.dat"),
                                      kAllSix, kUs, stamps),
                 OperationError);
    EXPECT_THROW(importIntoRecordFile(folder.file("none.csv"), book(), kAllSix, kUs, stamps),
                 OperationError);
    EXPECT_FALSE(folder.exists("gone"));
}

TEST_F(CommaImport, TextIsStoredInItsWindows1252Form) {
    // The same line written as UTF-8 (with and without a byte-order mark) and as
    // Windows-1252 gives the same record bytes.
    import("utf8.csv",
           "1/2/2001,1,Caf\xC3\xA9 \xE2\x82\xAC"
           "5 \xD0\xB6\n",
           linked("1", "2", "3"));
    import("bom.csv",
           "\xEF\xBB\xBF"
           "1/2/2001,2,Caf\xC3\xA9 \xE2\x82\xAC"
           "5 \xD0\xB6\n",
           linked("1", "2", "3"));
    import("ansi.csv",
           "1/2/2001,3,Caf\xE9 \x80"
           "5 ?\n",
           linked("1", "2", "3"));
    const std::string bytes = folder.read("quillbank.dat");
    ASSERT_EQ(bytes.size(), 375u);
    const std::string expected =
        "Caf\xE9 \x80"
        "5 ?" +
        std::string(51, ' ');
    EXPECT_EQ(bytes.substr(26, 60), expected);
    EXPECT_EQ(bytes.substr(125 + 26, 60), expected);
    EXPECT_EQ(bytes.substr(250 + 26, 60), expected);
    // Widths count characters: sixty-five accented letters keep sixty.
    std::string accents;
    for (int i = 0; i < 65; ++i)
        accents += "\xC3\xA9";
    import("wide.csv", "1/2/2001,1," + accents + "\n", linked("1", "2", "3"));
    EXPECT_EQ(folder.read("quillbank.dat").substr(375 + 26, 60), std::string(60, '\xE9'));
}

TEST_F(CommaImport, AHundredThousandLinesAreAllImported) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "\"" + std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1) +
                "/2000\",\"-" + std::to_string(i) + ".25\",\"entry " + std::to_string(i) +
                "\",\"FOOD\"\r\n";
    ASSERT_EQ(import("big.txt", text), 100000u);
    const RecordFileContent content = readRecordFile(book());
    ASSERT_EQ(content.count(), 100000u);
    const EntryRecord last = content.record(100000);
    EXPECT_EQ(last.entryDate, serialFromDate(2000, 99999 % 12 + 1, 99999 % 28 + 1));
    EXPECT_EQ(last.amount, Money::fromRaw(-999992500));
    EXPECT_EQ(trimBlanks(last.note), "entry 99999");
    EXPECT_GT(last.recordStamp, content.record(99999).recordStamp);
}

// The streamed import writes the bytes the window's batch writes (delimitedBatch,
// markDuplicates, commitImport), stamps included, and fails with the same message, on
// random files of both styles and encodings against a book holding some of the lines.
TEST(StreamedImport, WritesWhatTheWindowsBatchWrites) {
    static const char* const kDates[] = {"1/2/2001", " 12/31/2000 ", "12/30/1899", "1/3/2001"};
    static const char* const kAmounts[] = {"5", "-5", "5.00 ", "(5)", "$1,000.25"};
    static const char* const kTexts[] = {
        "fish",
        " fish ",
        "Caf\xC3\xA9 \xE2\x82\xAC",
        "Caf\xE9 \x80",
        "\xF0\x9F\x98\x80 smile",
        "a\"b",
        "",
        "\"q,uoted\"",
        "seventy n's nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"};
    static const char* const kEnds[] = {"\r\n", "\n", "\r"};
    std::mt19937 random(20261207);
    const auto pick = [&](const auto& pool) {
        return std::string(pool[random() % std::size(pool)]);
    };
    EntryRecord gone = entry(2001, 1, 2, "X", 500, " fish");
    gone.deletedMark = "Y";
    const std::string book =
        fileOf({entry(2000, 12, 31, "A", -500, "fish", 45000.5), gone}) + "partial";
    for (int round = 0; round < 400; ++round) {
        const bool csv = round % 2 == 0;
        const bool bad = round % 8 == 7;  // a date or amount that does not read
        const bool skipHeader = round % 3 == 0, keepDuplicates = round % 5 == 0;
        std::string text;
        for (int line = 0, lines = static_cast<int>(random() % 12); line < lines; ++line) {
            std::vector<std::string> fields = {pick(kDates), pick(kAmounts), pick(kTexts),
                                               pick(kTexts), pick(kTexts)};
            if (bad && random() % 4 == 0) fields[random() % 2] = "2/30/2001";
            if (random() % 8 == 0) fields.assign(3, " ");  // a blank line, passed over
            fields.resize(random() % 6);
            std::string joined;
            for (const std::string& f : fields)
                joined += (joined.empty() ? "" : csv ? "," : "\",\"") + f;
            text += (csv || fields.empty() ? joined : "\"" + joined + "\"") + pick(kEnds);
        }
        const ImportLinks links = round % 4 == 1 ? linked("1", "2", "3", "4", "5", "1")
                                                 : linked("1", "2", "3", "3", "", "4");
        const DelimitedStyle style = csv ? DelimitedStyle::Csv : DelimitedStyle::Txt;
        testing::TempFolder window, streamed;
        window.write("quillbank.dat", book);
        streamed.write("quillbank.dat", book);
        streamed.write(csv ? "in.csv" : "in.txt", text);
        const ManualClock clock(serialFromDate(2001, 6, 15), 45000);
        StampSource windowStamps(clock), streamedStamps(clock);

        std::string windowResult, streamedResult;
        try {
            ImportBatch batch =
                delimitedBatch(decodeImportBytes(text), style, links, kUs, skipHeader);
            markDuplicates(batch, readBookIndex(window.file("quillbank.dat")));
            const std::size_t duplicates = keepDuplicates ? 0 : batch.duplicates();
            for (ImportRow& row : batch.rows)
                row.included = row.included || keepDuplicates;
            const ImportCommit commit =
                commitImport(batch, {window.file("quillbank.dat"), window.file("category.dat")},
                             kDefaultImportCategory, windowStamps);
            windowResult = std::to_string(commit.added) + " " + std::to_string(duplicates);
        } catch (const OperationError& e) {
            windowResult = e.what();
        }
        try {
            const DelimitedImportResult r = importDelimitedFile(
                streamed.file(csv ? "in.csv" : "in.txt"), style, streamed.file("quillbank.dat"),
                links, kUs, skipHeader, keepDuplicates, streamedStamps);
            streamedResult = std::to_string(r.added) + " " + std::to_string(r.duplicates);
        } catch (const OperationError& e) {
            streamedResult = e.what();
        }
        ASSERT_EQ(streamedResult, windowResult) << "round " << round << ": " << text;
        ASSERT_EQ(streamed.read("quillbank.dat"), window.read("quillbank.dat"))
            << "round " << round << ": " << text;
    }
}

TEST(ImportHeader, AFirstLineWhoseDateFieldIsNoDateHoldsColumnNames) {
    const auto header = [](std::string_view line, std::size_t dateField) {
        return looksLikeHeader(line, DelimitedStyle::Csv, dateField, kUs);
    };
    EXPECT_TRUE(header("Date,Amount,Note", 1));
    EXPECT_FALSE(header("12/03/2026,-7.5,Date", 1));
    EXPECT_TRUE(header("12/03/2026,Posted", 2));
    // No date linked yet: a line without any date.
    EXPECT_TRUE(header("Posted,Amount", 0));
    EXPECT_FALSE(header("x,12/03/2026", 0));
    EXPECT_FALSE(header(",,,", 1));
    EXPECT_TRUE(looksLikeHeader(R"("Date","Amount")", DelimitedStyle::Txt, 1, kUs));

    const std::vector<EntryRecord> entries = convertImportText(
        "Date,Amount\r\n1/13/2001,5\r\n", DelimitedStyle::Csv, linked("1", "2"), kUs, true);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].amount, Money::fromUnits(5));
}

TEST(ImportMessages, TheirTextsTitlesAndButtons) {
    EXPECT_FALSE(importLinksComplete(linked("1", "")));
    EXPECT_FALSE(importLinksComplete(linked("", "2")));
    EXPECT_TRUE(importLinksComplete(linked("1", "1")));
    EXPECT_EQ(importNeedsDateAndAmountMessage(),
              (Message{"Records to be imported MUST have a least a Date field and an Amount field "
                       "specified.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
    const Message ready = importReadyQuestion();
    EXPECT_EQ(ready.title, "Ready...");
    EXPECT_EQ(ready.buttons, Buttons::YesNo);
    EXPECT_EQ(ready.defaultButton, 2);
    EXPECT_EQ(ready.text.substr(0, 38), "Ready to attempt data import. Please b");
    EXPECT_TRUE(ready.text.ends_with("quit the import operation now and do so!\r\n\r\nProceed?"));
    const Message done = importFinishedMessage(42);
    EXPECT_EQ(done.title, "Finished");
    EXPECT_EQ(done.icon, Icon::Information);
    EXPECT_EQ(done.text.substr(0, 73),
              "42 records have been imported.\r\n\r\nIMPORTANT: As soon as you return to the");
    EXPECT_EQ(importFinishedMessage(5, 1).text.substr(0, 60),
              "5 records have been imported. 1 duplicate was left out.\r\n\r\nI");
    EXPECT_EQ(importFinishedMessage(5, 2).text.substr(0, 57),
              "5 records have been imported. 2 duplicates were left out.");
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

// Random files of amounts in either convention (grouped or not) and dates in any of the
// formats, read in the settings of either country: every amount and date is read exactly
// or the file is refused, never read as another value.
TEST(ImportProperty, AmountsAndDatesReadExactlyOrAreRefused) {
    std::mt19937 random(20261209);
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::size_t read = 0, refused = 0;
    for (int round = 0; round < 400; ++round) {
        const bool comma = random() % 2 == 0, grouped = random() % 2 == 0;
        const int format = static_cast<int>(random() % 5);
        std::string text;
        std::vector<std::pair<DaySerial, Money>> expected;
        for (int line = 0, lines = 1 + static_cast<int>(random() % 6); line < lines; ++line) {
            const int y = 1990 + static_cast<int>(random() % 40);
            const int m = 1 + static_cast<int>(random() % 12);
            const int d = 1 + static_cast<int>(random() % 28);
            const std::int64_t cents = static_cast<std::int64_t>(random() % 100000000) - 50000000;
            const int decimals = static_cast<int>(random() % 3);  // 0, 1 or 2 shown
            std::int64_t magnitude = cents < 0 ? -cents : cents;
            if (decimals == 0) magnitude -= magnitude % 100;
            if (decimals == 1) magnitude -= magnitude % 10;
            std::string whole = std::to_string(magnitude / 100);
            if (grouped)
                for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
                    whole.insert(static_cast<std::size_t>(at), comma ? "." : ",");
            std::string amount = (cents < 0 ? "-" : "") + whole;
            if (decimals > 0) {
                const std::string fraction = std::to_string(100 + magnitude % 100).substr(1);
                amount += (comma ? "," : ".") + fraction.substr(0, decimals);
            }
            char date[32];
            const char* const pattern[] = {"%02d.%02d.%04d", "%02d/%02d/%04d", "%04d-%02d-%02d",
                                           "%04d%02d%02d", "%02d-%s-%04d"};
            if (format == 0) std::snprintf(date, sizeof date, pattern[0], d, m, y);
            if (format == 1) std::snprintf(date, sizeof date, pattern[1], m, d, y);
            if (format == 2) std::snprintf(date, sizeof date, pattern[2], y, m, d);
            if (format == 3) std::snprintf(date, sizeof date, pattern[3], y, m, d);
            if (format == 4) std::snprintf(date, sizeof date, pattern[4], d, kMonths[m - 1], y);
            text += std::string(date) + ";\"" + amount + "\"\n";
            expected.emplace_back(serialFromDate(y, m, d),
                                  Money::fromRaw((cents < 0 ? -magnitude : magnitude) * 100));
        }
        const RegionalSettings regional =
            random() % 2 ? RegionalSettings::germany() : RegionalSettings::unitedStates();
        try {
            const ConvertedText got = convertImportText(text, DelimitedStyle::Csv, linked("1", "2"),
                                                        regional, DelimitedLayout{});
            ASSERT_EQ(got.entries.size(), expected.size()) << text;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                ASSERT_EQ(got.entries[i].entryDate, expected[i].first) << text;
                ASSERT_EQ(got.entries[i].amount, expected[i].second) << text;
            }
            ++read;
        } catch (const OperationError& e) {
            ASSERT_EQ(e.number(), errnum::kTypeMismatch) << e.what();
            ++refused;
        }
    }
    // Most files decide by themselves.
    EXPECT_GT(read, refused);
}

}  // namespace
}  // namespace qbk

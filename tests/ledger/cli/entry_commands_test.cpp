#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"
#include "store/settings_record.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class EntryCommandsTest : public testing::CliFixture {
  protected:
    EntryCommandsTest() {
        std::vector<CategoryRecord> categories(2);
        categories[0].catCode = fitField("CAR", 10);
        categories[1].catCode = fitField("FOOD", 10);
        writeCategories(data.file("category.dat"), categories);
    }
    std::string firstErrorLine() const { return err.str().substr(0, err.str().find('\n')); }
};

TEST_F(EntryCommandsTest, AddSavesAnEntryAsTheFormDoes) {
    ASSERT_EQ(run({"add", data.path(), "--expense", "-$1,234.5", "--category", "FOOD", "--note",
                   "fish market", "--user1", "visa card 1234", "--user2", " home "}),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "Added an expense of ($1,234.50) dated 06/15/2001 as record 1 of " +
                             data.file("quillbank.dat") + ".\n");
    const double stamp = serialFromDate(2001, 6, 15) + 43200;
    EXPECT_EQ(data.read("quillbank.dat"), fileOf({entry(2001, 6, 15, "FOOD", -123450, "fish market",
                                                        stamp, "visa card ", " home ")}));
    EXPECT_EQ(data.read("udf1.dat"), "visa card \r\n");
    EXPECT_EQ(data.read("udf2.dat"), " home \r\n");
}

TEST_F(EntryCommandsTest, AddInsertsInDateOrderAndKeepsThePickLists) {
    data.write("quillbank.dat", fileOf({entry(2001, 6, 1, "CAR", -100, "", 2),
                                        entry(2001, 5, 1, "CAR", -100, "", 1)}));
    data.write("udf1.dat", "card\r\n");
    ASSERT_EQ(run({"add", data.path(), "--income", "20", "--category", "CAR", "--date", "5/15/2001",
                   "--user1", " card"}),
              0);
    EXPECT_EQ(out.str().find("Added income of $20.00 dated 05/15/2001 as record 2 of "), 0u);
    ASSERT_EQ(run({"add", data.path(), "--income", "", "--category", "CAR", "--date", "1/1/01"}),
              0);
    const std::vector<EntryRecord> book = readRecords(data.file("quillbank.dat"));
    ASSERT_EQ(book.size(), 4u);
    EXPECT_EQ(book[1].amount, Money::fromUnits(20));
    EXPECT_EQ(book[3].entryDate, serialFromDate(2001, 1, 1));
    EXPECT_EQ(book[3].amount, Money());
    EXPECT_EQ(data.read("udf1.dat"), "card\r\n");
}

TEST_F(EntryCommandsTest, AddRefusesWhatTheFormRefusesAndWritesNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--income", "5"}, "qbk3-cli: add needs --category CODE"},
        {{"--income", "5", "--category", " "}, "qbk3-cli: add needs --category CODE"},
        {{"--income", "5", "--category", "food"}, "qbk3-cli: no such category: food"},
        {{"--category", "FOOD"}, "qbk3-cli: add takes one of --income AMOUNT and --expense AMOUNT"},
        {{"--income", "5", "--expense", "5", "--category", "FOOD"},
         "qbk3-cli: add takes one of --income AMOUNT and --expense AMOUNT"},
        {{"--expense", "ten", "--category", "FOOD", "--user1", "x"},
         "qbk3-cli: The amount \"ten\" is not a number - please type the amount in figures. New "
         "record entry failed."},
        {{"--expense", "1", "--category", "FOOD", "--date", "2/30/2001"},
         "qbk3-cli: not a date: 2/30/2001"},
    };
    for (const auto& [options, message] : refused) {
        std::vector<std::string> args = {"add", data.path()};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(run(args), 2) << message;
        EXPECT_EQ(firstErrorLine(), message);
    }
    EXPECT_FALSE(data.exists("quillbank.dat"));
    EXPECT_FALSE(data.exists("udf1.dat"));
}

// Every total of the book must fit: an amount that would take the sum of the book's
// amounts out of range is refused where it enters, and the book stays listable.
TEST_F(EntryCommandsTest, AnAmountThatWouldOverflowTheTotalsIsRefused) {
    ASSERT_EQ(run({"add", data.path(), "--income", "900000000000000", "--category", "CAR"}), 0)
        << err.str();
    const std::string before = data.read("quillbank.dat");
    EXPECT_EQ(run({"add", data.path(), "--expense", "90000000000000", "--category", "CAR"}), 1);
    EXPECT_EQ(firstErrorLine(),
              "qbk3-cli: The amount -90000000000000.00 would take the totals of the book past the "
              "largest sum this program can add up (922337203685477.58); nothing was saved "
              "(error 6)");
    EXPECT_EQ(data.read("quillbank.dat"), before);
    testing::TempFolder macros;
    macros.write("big.qbk", fileOf({entry(2001, 1, 1, "CAR", 5000000000000000LL)}));
    EXPECT_EQ(run({"play", data.path(), macros.file("big.qbk"), "06/01/2001"}), 1);
    EXPECT_EQ(data.read("quillbank.dat"), before);
    EXPECT_EQ(run({"list", data.path(), "--fiscal-year", "2001"}), 0) << err.str();
}

TEST_F(EntryCommandsTest, ListShowsAFiscalYearOrADayCount) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setFyMonth(4);
    program.write("qbk3.ini", s.bytes());
    clock.setToday(serialFromDate(2001, 3, 1));
    data.write("quillbank.dat", fileOf({entry(2001, 4, 1, "A", 1, "next year", 5),
                                        entry(2001, 3, 31, "A", 1, "last day", 4),
                                        entry(2000, 4, 1, "A", 1, "first day", 3),
                                        entry(2000, 3, 1, "A", 1, "a year back", 2),
                                        entry(2000, 2, 29, "A", 1, "too old", 1)}));
    // The notes of the rows listed, one after the other.
    auto notes = [this] {
        std::string listed;
        std::istringstream lines(out.str());
        std::string line;
        std::getline(lines, line);  // the header
        while (std::getline(lines, line) && line.find('\t') != std::string::npos) {
            std::istringstream cells(line);
            std::string note;
            for (int i = 0; i < 3; ++i)
                std::getline(cells, note, '\t');
            listed += note + ";";
        }
        return listed;
    };
    ASSERT_EQ(run({"list", data.path(), "--fiscal-year", "2000"}), 0) << err.str();
    EXPECT_EQ(notes(), "last day;first day;");
    ASSERT_EQ(run({"list", data.path(), "--days", "365"}), 0);
    EXPECT_EQ(notes(), "first day;a year back;");
    ASSERT_EQ(run({"list", data.path(), "--days", "0", "--to", "12/31/2001"}), 0);
    EXPECT_EQ(notes(), "next year;last day;");

    EXPECT_EQ(run({"list", data.path(), "--days", "30", "--fiscal-year", "2000"}), 2);
    EXPECT_EQ(firstErrorLine(), "qbk3-cli: --fiscal-year excludes --days");
    EXPECT_EQ(run({"list", data.path(), "--fiscal-year", "20x"}), 2);
    EXPECT_EQ(firstErrorLine(), "qbk3-cli: not a whole number from 100 to 9998: 20x");
    EXPECT_EQ(run({"list", data.path(), "--days", "-1"}), 2);
}

}  // namespace
}  // namespace qbk

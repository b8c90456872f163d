// The converter writes the files the ledger program reads: its output, read with the
// ledger's own store, gives the fields it meant, and re-encoded gives the same bytes.
#include <gtest/gtest.h>

#include "converter/conversion.h"
#include "converter/files.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/record_file.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using namespace testing;

class LedgerAgreement : public ::testing::Test {
  protected:
    ConversionResult convert() {
        const Version2Files found = findVersion2Files(old.path());
        const ConversionPlan plan{old.path(), found.entryFiles, found.categoryFiles, target.path()};
        ConversionOptions options;
        options.showSummary = false;
        prompts.answers = {Answer::Ok};
        return runConversion(plan, options, prompts, progress, stamps, strings);
    }

    TempFolder old, target;
    FixedClock clock{45000, 10000};
    StampSource stamps{clock};
    ScriptedPrompts prompts;
    NoProgress progress;
    LanguageStrings strings;
};

TEST_F(LedgerAgreement, LedgerReadsConvertedEntriesAndCategories) {
    writeFile(old / "1998QBK.DAT", v2Entry("12/31/98", "FO", -1234567, "Caf\xE9 cr\xE8me") +
                                       v2Entry("01/02/98", "SA", 250000000, "Salary"));
    writeFile(old / "1998CATS.DAT", v2Category("FO", "Nourriture \xE9t\xE9"));
    convert();

    const std::string bytes = readFile(target / "quillbank.dat");
    const std::vector<EntryRecord> entries = readRecords(target / "quillbank.dat");
    ASSERT_EQ(entries.size(), 2u);
    const EntryRecord& first = entries[0];
    EXPECT_EQ(first.entryDate, 36160);
    EXPECT_EQ(first.categoryCode, "FO        ");
    EXPECT_EQ(first.amount.raw(), -1234567);
    EXPECT_EQ(first.note, "Caf\u00e9 cr\u00e8me" + std::string(50, ' '));
    EXPECT_EQ(first.userField1, std::string(10, ' '));
    EXPECT_EQ(first.userField2, std::string(10, ' '));
    EXPECT_EQ(first.recordStamp, 55000);
    EXPECT_FALSE(first.isDeleted());
    EXPECT_EQ(first.reserved, std::string(10, ' '));
    EXPECT_EQ(entries[1].amount.raw(), 250000000);
    EXPECT_EQ(entries[1].recordStamp, 55000 + 1.0 / 512);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(qbk::encodeEntry(entries[i]), bytes.substr(i * 125, 125)) << i;
    }

    const std::vector<CategoryRecord> categories = readCategories(target / "category.dat");
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0].catCode, "FO        ");
    EXPECT_EQ(categories[0].catName, "Nourriture \u00e9t\u00e9      ");
    EXPECT_EQ(categories[0].catDescription, std::string(500, ' '));
    EXPECT_EQ(categories[0].catReserved, std::string(10, '\0'));
    EXPECT_EQ(qbk::encodeCategory(categories[0]), readFile(target / "category.dat"));
}

TEST_F(LedgerAgreement, ConverterAppendsAfterWhatTheLedgerWrote) {
    EntryRecord mine;
    mine.entryDate = 45000;
    mine.categoryCode = "FO";
    mine.amount = Money::fromUnits(-3);
    mine.note = "typed in the ledger";
    mine.recordStamp = 45000 + 20000.5;  // ahead of the converter's clock
    appendRecords(target / "quillbank.dat", {mine});
    CategoryRecord food;
    food.catCode = "FO";
    food.catName = "Food";
    writeCategories(target / "category.dat", {food});
    const std::string ledgerRecords = readFile(target / "quillbank.dat");
    const std::string ledgerCategories = readFile(target / "category.dat");

    writeFile(old / "1998QBK.DAT", v2Entry("12/31/98", "FO", -1, ""));
    writeFile(old / "1998CATS.DAT", v2Category("FO", "Other food") + v2Category("CA", "Car"));
    convert();

    const std::vector<EntryRecord> entries = readRecords(target / "quillbank.dat");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(readFile(target / "quillbank.dat").substr(0, 125), ledgerRecords);
    EXPECT_GT(entries[1].recordStamp, mine.recordStamp);
    const std::vector<CategoryRecord> categories = readCategories(target / "category.dat");
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(readFile(target / "category.dat").substr(0, 540), ledgerCategories);
    EXPECT_EQ(categories[1].catCode, "CA        ");
}

}  // namespace
}  // namespace qbk::converter

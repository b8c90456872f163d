// Imports with the duplicate check, payee rules and the ids of imported statement
// transactions, from the file to the bytes of the book, as qbk3-cli runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/import_run.h"
#include "import/delimited_line.h"
#include "import/import_batch.h"
#include "import/imported_ids.h"
#include "import/ofx_reader.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using Lines = std::vector<std::string>;

const std::string kSamples = QBK_STATEMENT_SAMPLES;

class StatementImport : public ::testing::Test {
  protected:
    ImportSummary import(const std::string& sample, bool keepDuplicates = false) {
        ImportRequest request;
        request.dataFolder = book.path();
        request.importPath = kSamples + sample;
        request.keepDuplicates = keepDuplicates;
        return runImport(request, RegionalSettings::unitedStates(), stamps);
    }
    // Each entry of the book: date, amount, category, note, user field 1.
    Lines entries() const {
        Lines out;
        for (const EntryRecord& r : readRecords(book.file("quillbank.dat")))
            out.push_back(yyyymmdd(r.entryDate) + " " + std::to_string(r.amount.raw()) + " " +
                          std::string(trimBlanks(r.categoryCode)) + " [" +
                          std::string(trimBlanks(r.note)) + "] [" +
                          std::string(trimBlanks(r.userField1)) + "]");
        return out;
    }
    Lines categoryCodes() const {
        Lines out;
        for (const CategoryRecord& c : readCategories(book.file("category.dat")))
            out.push_back(std::string(trimBlanks(c.catCode)) + "/" +
                          std::string(trimBlanks(c.catName)));
        return out;
    }
    void addCategory(const std::string& code, const std::string& name) {
        std::vector<CategoryRecord> all = readCategories(book.file("category.dat"));
        CategoryRecord c;
        c.catCode = fitField(code, 10);
        c.catName = fitField(name, 20);
        all.push_back(c);
        writeCategories(book.file("category.dat"), all);
    }

    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 2, 1), 43200};
    StampSource stamps{clock};
};

TEST_F(StatementImport, AnOfxStatementImportedTwiceAddsNothingTheSecondTime) {
    EXPECT_EQ(import("checking.ofx").text,
              "4 records have been imported.\n"
              "The statement's ending balance is $1,183.95 on 01/31/2026 (qbk3-cli reconcile "
              "--to 01/31/2026 --balance 1183.95).\n"
              "Category IMPORT was created.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    EXPECT_EQ(entries(),
              (Lines{"20260103 -47500 IMPORT [CAF\xC3\x89 DU PARC - Card 1234] [DEBIT]",
                     "20260105 -12500000 IMPORT [Rent for January] [1043]",
                     "20260115 25000000 IMPORT [ACME & SONS PAYROLL - Salary] [DIRECTDEP]",
                     "20260120 -613000 IMPORT [AT&T WIRELESS] [POS]"}));
    EXPECT_EQ(categoryCodes(), Lines{"IMPORT/Imported"});
    // Each id with the stamp of the entry it became.
    const std::vector<EntryRecord> records = readRecords(book.file("quillbank.dat"));
    std::string ids;
    const char* const fitIds[] = {"20260103-001", "20260105-002", "20260115-003", "20260120-004"};
    for (std::size_t i = 0; i < 4; ++i)
        ids += stampText(records[i].recordStamp) + "\t4455667788:" + fitIds[i] + "\r\n";
    EXPECT_EQ(book.read("quillbank.ids"), ids);

    const std::string bytes = book.read("quillbank.dat");
    EXPECT_EQ(import("checking.ofx").text,
              "0 records have been imported.\n"
              "The statement's ending balance is $1,183.95 on 01/31/2026 (qbk3-cli reconcile "
              "--to 01/31/2026 --balance 1183.95).\n"
              "4 duplicates were skipped (--keep-duplicates imports them).\n");
    EXPECT_EQ(book.read("quillbank.dat"), bytes);
    EXPECT_EQ(book.read("quillbank.ids"), ids);

    const ImportSummary again = import("checking.ofx", true);
    EXPECT_EQ(again.added, 4u);
    EXPECT_EQ(again.duplicatesSkipped, 0u);
}

TEST_F(StatementImport, IdsCountOnlyWhileTheirEntriesAreInTheBook) {
    book.write("quillbank.dat", fileOf({entry(2025, 12, 1, "OLD", 100, "old", 7)}));
    const std::string before = book.read("quillbank.dat");
    import("checking.ofx");
    // The user restores the backup made before the import: the ids of the entries that
    // went with it no longer count, and the next import brings them in again.
    book.write("quillbank.dat", before);
    const ImportSummary again = import("checking.ofx");
    EXPECT_EQ(again.added, 4u);
    const std::vector<EntryRecord> records = readRecords(book.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 5u);
    const std::string ids = book.read("quillbank.ids");
    EXPECT_EQ(ids.substr(0, ids.find('\t')), stampText(records[1].recordStamp));
    EXPECT_EQ(std::count(ids.begin(), ids.end(), '\n'), 4);
}

TEST_F(StatementImport, AQfxRepeatingATransactionKeepsOneOfThem) {
    const ImportSummary first = import("card.qfx");
    EXPECT_EQ(first.added, 3u);
    EXPECT_EQ(first.duplicatesSkipped, 1u);
    EXPECT_EQ(entries().at(0),
              "20260202 -899000 IMPORT [B\xC3\xA4"
              "ckerei M\xC3\xBCller - Geb\xC3\xA4"
              "ck <fr\xC3\xBCh>] [DEBIT]");
    // The note is stored in Windows-1252, the euro sign included.
    EXPECT_EQ(book.read("quillbank.dat").substr(125 + 26, 13),
              "Refund \x80"
              "15.50");
    EXPECT_EQ(import("card.qfx").text,
              "0 records have been imported.\n"
              "The statement's ending balance is ($225.60) on 02/28/2026 (qbk3-cli reconcile "
              "--to 02/28/2026 --balance -225.60).\n"
              "4 duplicates were skipped (--keep-duplicates imports them).\n");
}

TEST_F(StatementImport, QifLinesAreDuplicatesByDateAmountAndNote) {
    // Already in the book, though marked deleted: the same date, amount and note.
    EntryRecord deleted = entry(2026, 1, 20, "PHONE", -6130, "AT&T Wireless", 5);
    deleted.deletedMark = "Y";
    book.write("quillbank.dat", fileOf({deleted}));
    addCategory("FOOD", "Food");
    addCategory("DINE", "Dining");
    book.write("payee.rules", "rent -> HOUSE\r\n");
    EXPECT_EQ(import("savings.qif").text,
              "5 records have been imported.\n"
              "1 duplicate was skipped (--keep-duplicates imports them).\n"
              "Category HOUSE was created.\n"
              "Category IMPORT was created.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    // A payee rule first, then the category the file names, by name or code.
    EXPECT_EQ(entries(),
              (Lines{"20260120 -613000 PHONE [AT&T Wireless] []",
                     "20260103 -47500 DINE [Caf\xC3\xA9 du Parc - Croissant et caf\xC3\xA9] []",
                     "20260105 -12500000 HOUSE [Rent for January] [1043]",
                     "20260115 25000000 IMPORT [ACME & Sons Payroll - Salary] []",
                     "20260122 -1200000 FOOD [Supermarket - Weekly shopping] []",
                     "20260131 150000 IMPORT [Interest] []"}));
    EXPECT_EQ(categoryCodes(),
              (Lines{"DINE/Dining", "FOOD/Food", "HOUSE/HOUSE", "IMPORT/Imported"}));
    EXPECT_FALSE(book.exists("quillbank.ids"));
    EXPECT_EQ(import("savings.qif").duplicatesSkipped, 6u);
}

TEST_F(StatementImport, CommaDelimitedFilesAreCheckedForDuplicatesToo) {
    book.write("bank.csv",
               "Date,Amount,Note\r\n1/2/2026,-5,Coffee\r\n,,\r\n1/2/2026,-5,Coffee\r\n"
               "1/3/2026,7,\"Refund, in part\"\r\n");
    ImportRequest request;
    request.dataFolder = book.path();
    request.importPath = book.file("bank.csv");
    request.links = {"1", "2", "3", "", "", ""};
    request.layout.dateFormat = DateFormat::MonthDayYear;
    EXPECT_THROW(runImport(request, RegionalSettings::unitedStates(), stamps), OperationError);
    request.skipHeader = true;
    // Without a category field the lines are placed as a statement's are: by the payee
    // rules, and the others under IMPORT.
    book.write("payee.rules", "coffee -> DINE\r\n");
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).text,
              "3 records have been imported.\n"
              "Category DINE was created.\n"
              "Category IMPORT was created.\n"
              "Read with dates as mdy and a decimal point, fields separated by commas.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    // Two equal lines of one file are two entries; imported again, both are duplicates.
    EXPECT_EQ(entries(),
              (Lines{"20260102 -50000 DINE [Coffee] []", "20260102 -50000 DINE [Coffee] []",
                     "20260103 70000 IMPORT [Refund, in part] []"}));
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).duplicatesSkipped, 3u);
    EXPECT_EQ(categoryCodes(), (Lines{"DINE/DINE", "IMPORT/Imported"}));

    // A linked category field stands as the file has it, blank or not in the book.
    book.write("quillbank.dat", "");
    std::filesystem::remove(book.file("category.dat"));
    request.links.category = "3";
    runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(entries()[2], "20260103 70000 Refund, in [Refund, in part] []");
    EXPECT_FALSE(book.exists("category.dat"));

    EXPECT_EQ(importRequestProblem({book.path(), "bank.csv", {"1", "", "", "", "", ""}}),
              "Records to be imported MUST have a least a Date field and an Amount field "
              "specified.");
    EXPECT_EQ(importRequestProblem({book.path(), "bank.xls", {}}),
              "FILE must end in .txt, .csv, .ofx, .qfx, .qif, .sta, .mt940 or .xml: bank.xls");
    EXPECT_EQ(importRequestProblem({book.path(), "bank.QFX", {}}), "");
}

// Several accounts in one file are named, in the order they come; a file of one names
// none.
TEST_F(StatementImport, AFileOfSeveralAccountsNamesThem) {
    const std::string block =
        ":28C:00001/001\r\n:60F:C200327EUR0,00\r\n"
        ":61:2003270327DR12,50NMSCREF1//B1\r\n:86:Brot\r\n"
        ":62F:D200327EUR12,50\r\n-\r\n";
    book.write("two.sta", ":20:A\r\n:25:10020030/111\r\n" + block +
                              ":20:B\r\n:25:10020030/222\r\n" + block +
                              ":20:C\r\n:25:10020030/111\r\n" + block);
    ImportRequest request;
    request.dataFolder = book.path();
    request.importPath = book.file("two.sta");
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).text,
              "2 records have been imported.\n"
              "1 duplicate was skipped (--keep-duplicates imports them).\n"
              "Category IMPORT was created.\n"
              "2 accounts in this file: 10020030/111, 10020030/222.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    EXPECT_EQ(severalAccountsText({"DE1"}), "");
}

TEST_F(StatementImport, AmbiguousQifDatesFollowTheOrderAsked) {
    book.write("cash.qif", "!Type:Cash\r\nD03/04/2026\r\nT-1\r\nPBus\r\n^\r\n");
    ImportRequest request;
    request.dataFolder = book.path();
    request.importPath = book.file("cash.qif");
    request.ambiguousDateOrder = DateOrder::DayMonthYear;
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).text,
              "1 records have been imported.\n"
              "Category IMPORT was created.\n"
              "The dates read either way; they were read day first (DD/MM/YYYY).\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    EXPECT_EQ(entries(), Lines{"20260403 -10000 IMPORT [Bus] []"});
}

TEST_F(StatementImport, AStatementThatDoesNotReadOrWriteChangesNothing) {
    book.write("quillbank.dat", fileOf({entry(2025, 12, 1, "OLD", 100, "old", 7)}));
    const std::string before = book.read("quillbank.dat");
    EXPECT_THROW(import("damaged.ofx"), OperationError);
    EXPECT_THROW(import("damaged.qif"), OperationError);
    EXPECT_EQ(book.read("quillbank.dat"), before);
    EXPECT_EQ(book.read("category.dat"), "");
    EXPECT_FALSE(book.exists("quillbank.ids"));

    // The ids file cannot be written: the category made for the import goes again.
    std::filesystem::create_directory(book.file("quillbank.ids"));
    EXPECT_THROW(import("checking.ofx"), OperationError);
    EXPECT_EQ(book.read("quillbank.dat"), before);
    EXPECT_EQ(book.read("category.dat"), "");
}

TEST(PayeeRules, LearnedFromTheUsersChoiceAndKeptInWindows1252) {
    testing::TempFolder folder;
    const std::string path = folder.file("payee.rules");
    folder.write("payee.rules", "  parc ->  DINE \r\n\r\nACME & SONS -> PAY\r\n");
    PayeeRules rules = readPayeeRules(path);
    EXPECT_EQ(rules, (PayeeRules{{"parc", "DINE"}, {"ACME & SONS", "PAY"}}));

    ImportBatch batch = statementBatch(readOfx(readImportText(kSamples + "checking.ofx")),
                                       ImportFormat::Ofx, rules, {});
    auto codes = [&] {
        Lines out;
        for (const ImportRow& r : batch.rows)
            out.push_back(std::string(trimBlanks(r.entry.categoryCode)));
        return out;
    };
    EXPECT_EQ(codes(), (Lines{"DINE", "", "PAY", ""}));
    EXPECT_EQ(batch.includedWithoutCategory(), 2u);
    // A choice for a line no rule placed teaches a rule; one for a placed line does not.
    EXPECT_TRUE(chooseCategory(batch, 3, "PHONE", rules, {}));
    EXPECT_FALSE(chooseCategory(batch, 0, "CAFE", rules, {}));
    EXPECT_EQ(codes(), (Lines{"CAFE", "", "PAY", "PHONE"}));
    writePayeeRules(path, rules);
    EXPECT_EQ(folder.read("payee.rules"),
              "parc -> DINE\r\nACME & SONS -> PAY\r\nAT&T WIRELESS -> PHONE\r\n");
    learnPayeeRule(rules, "Caf\xC3\xA9", "CAFE");
    learnPayeeRule(rules, "at&t wireless", "MOBILE");
    writePayeeRules(path, rules);
    EXPECT_EQ(
        folder.read("payee.rules"),
        "parc -> DINE\r\nACME & SONS -> PAY\r\nAT&T WIRELESS -> MOBILE\r\nCaf\xE9 -> CAFE\r\n");
    EXPECT_EQ(readPayeeRules(path).back(), (PayeeRule{"Caf\xC3\xA9", "CAFE"}));
}

TEST(PayeeRules, TheLongestFragmentWinsAndBadLinesAreNamed) {
    const PayeeMatcher matcher({{"AMAZON", "SHOP"}, {"amazon prime", "TV"}, {"prime", "X"}});
    EXPECT_EQ(matcher.match("Amazon Prime Video"), "TV");
    EXPECT_EQ(matcher.match("AMAZON MKTPLACE"), "SHOP");
    EXPECT_EQ(matcher.match("Prime cuts"), "X");
    EXPECT_EQ(matcher.match("Corner shop"), std::nullopt);

    testing::TempFolder folder;
    EXPECT_EQ(readPayeeRules(folder.file("none.txt")), PayeeRules{});
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"a -> B\r\nCoffee\r\n", "Line 2 of PATH is not \"fragment -> CODE\": Coffee"},
             {" -> B\r\n", "Line 1 of PATH has no payee fragment: -> B"},
             {"bus -> \r\n", "Line 1 of PATH has no category code: bus ->"},
             {"bus -> TRANSPORTAT\r\n",
              "Line 1 of PATH has a category code longer than 10 characters: bus -> "
              "TRANSPORTAT"}}) {
        folder.write("rules.txt", text);
        try {
            readPayeeRules(folder.file("rules.txt"));
            ADD_FAILURE() << text;
        } catch (const OperationError& e) {
            std::string expected = message;
            expected.replace(expected.find("PATH"), 4, folder.file("rules.txt"));
            EXPECT_EQ(e.what(), expected);
        }
    }
    EXPECT_EQ(payeeRulesProblem({{"a", "B"}, {"c", ""}}), "Rule 2 has no category code.");
    EXPECT_EQ(payeeRulesProblem({{"a", "B"}}), std::nullopt);
}

TEST(ImportedIds, BesideTheRecordFileAndUnreadableLinesKept) {
    EXPECT_EQ(importedIdsPath("/books/quillbank.dat"), "/books/quillbank.ids");
    EXPECT_EQ(importedIdsPath("/books/trip.2026.qbk"), "/books/trip.2026.ids");
    EXPECT_EQ(importedIdsPath("/books.d/book"), "/books.d/book.ids");
    testing::TempFolder folder;
    folder.write("quillbank.ids", "46054.5\tA:1\r\nnot a line\r\n46054.75\tA:2\r\n");
    const ImportedIds ids = readImportedIds(folder.file("quillbank.ids"));
    EXPECT_EQ(ids.known({46054.75}), std::unordered_set<std::string>{"A:2"});
    EXPECT_EQ(importedIdsText(ids, {46054.75, 46054.5}),
              "not a line\r\n46054.5\tA:1\r\n46054.75\tA:2\r\n");
    EXPECT_EQ(cleanImportedId("a\tb\r\nc"), "a b  c");
}

}  // namespace
}  // namespace qbk

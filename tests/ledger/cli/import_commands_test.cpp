#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/cli_fixture.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

class ImportCommand : public testing::CliFixture {};

TEST_F(ImportCommand, AppendsEveryLineWithTheLinkedFields) {
    data.write("quillbank.dat", testing::fileOf({testing::entry(2001, 6, 1, "A", 100, "old", 7)}));
    data.write("bank.csv", "x,12/31/2000,-12.50,Lunch,FOOD\r\ny,1/2/2001,3,Pay,JOB\r\n");
    ASSERT_EQ(run({"import", data.path(), data.file("bank.csv"), "--date", "2", "--amount", "3",
                   "--note", "4", "--category", "5", "--user1", "1"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "2 records have been imported.\n"
              "Read with dates as mdy and a decimal point, fields separated by commas.\n"
              "They stand at the end of the record file: sort it before you use the book.\n");
    const auto r = readRecords(data.file("quillbank.dat"));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[1], ([&] {
                  EntryRecord e = testing::entry(2000, 12, 31, "FOOD", -1250, "Lunch", 0, "x");
                  e.recordStamp = r[1].recordStamp;
                  return e;
              })());
    EXPECT_GT(r[1].recordStamp, serialFromDate(2001, 6, 15));
    EXPECT_GT(r[2].recordStamp, r[1].recordStamp);
}

TEST_F(ImportCommand, ALineThatDoesNotConvertImportsNothing) {
    data.write("bank.txt", "\"Date\",\"Amount\"\r\n\"1/13/2001\",\"5\"\r\n");
    EXPECT_EQ(run({"import", data.path(), data.file("bank.txt"), "--date", "1", "--amount", "2"}),
              1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: Type mismatch in line 1 (\"Date\" is not a date): \"Date\",\"Amount\" - "
              "a first line of column names is left out with --skip-header, lines before it "
              "with --skip-lines N (error 13)\n");
    EXPECT_EQ(data.read("quillbank.dat"), "");
}

TEST_F(ImportCommand, BadArgumentsExplainThemselves) {
    data.write("bank.csv", "1/2/2001,5\n");
    const std::string file = data.file("bank.csv");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "1"}), 2);
    EXPECT_EQ(err.str().substr(0, 95),
              "qbk3-cli: Records to be imported MUST have a least a Date field and an Amount field "
              "specified.\n");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "0", "--amount", "2"}), 2);
    EXPECT_EQ(err.str().substr(0, 48), "qbk3-cli: --date needs a field number from 1: 0\n");
    EXPECT_EQ(run({"import", data.path(), file, "--date", "1", "--amount", "two"}), 2);
    EXPECT_EQ(run({"import", data.path(), data.file("bank.dat"), "--date", "1", "--amount", "2"}),
              2);
    EXPECT_NE(err.str().find("FILE must end in .txt, .csv, .ofx, .qfx, .qif, .sta, .mt940 or .xml"),
              std::string::npos);
    EXPECT_EQ(run({"import", data.path(), data.file("gone.csv"), "--date", "1", "--amount", "2"}),
              2);
    EXPECT_NE(err.str().find("no such file"), std::string::npos);
    EXPECT_EQ(run({"import", data.path(), "--date", "1"}), 2);
    EXPECT_EQ(err.str().substr(0, 28), "qbk3-cli: FILE is required\nU");
    EXPECT_FALSE(data.exists("quillbank.dat"));
}

// A bank statement twice: the second time every transaction is a duplicate.
TEST_F(ImportCommand, AStatementImportedTwiceAddsNothingTheSecondTime) {
    const std::string statement = std::string(QBK_TEST_STATEMENTS) + "/checking.ofx";
    ASSERT_EQ(run({"import", data.path(), statement}), 0) << err.str();
    const std::size_t added = readRecords(data.file("quillbank.dat")).size();
    ASSERT_GT(added, 0u);
    EXPECT_NE(out.str().find(std::to_string(added) + " records have been imported."),
              std::string::npos)
        << out.str();
    ASSERT_EQ(run({"import", data.path(), statement}), 0) << err.str();
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), added);
    EXPECT_NE(out.str().find("0 records have been imported."), std::string::npos) << out.str();
    ASSERT_EQ(run({"import", data.path(), statement, "--keep-duplicates"}), 0);
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).size(), 2 * added);
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

// Exports written the way banks write them, each imported with one command line in a
// locale that is not the bank's: every entry's date, amount and note.
class BankExport : public ImportCommand {
  protected:
    std::vector<std::string> imported(const std::string& name, const std::string& text,
                                      std::vector<std::string> options) {
        data.write(name, text);
        std::vector<std::string> args = {"import", data.path(), data.file(name)};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(run(args), 0) << err.str();
        std::vector<std::string> out;
        for (const EntryRecord& r : readRecords(data.file("quillbank.dat")))
            out.push_back(yyyymmdd(r.entryDate) + " " + std::to_string(r.amount.raw()) + " " +
                          std::string(trimBlanks(r.note)));
        std::filesystem::remove(data.file("quillbank.dat"));
        return out;
    }
    using Lines = std::vector<std::string>;
};

TEST_F(BankExport, SemicolonsAPreambleAndDecimalCommas) {
    // A savings bank: semicolons, quoted fields, a decimal comma, dd.mm.yy.
    EXPECT_EQ(imported("sparkasse.csv",
                       "\"Auftragskonto\";\"Buchungstag\";\"Verwendungszweck\";\"Betrag\"\r\n"
                       "\"DE01\";\"28.03.18\";\"Miete; April\";\"-1.250,00\"\r\n"
                       "\"DE01\";\"02.04.18\";\"Gehalt\";\"2.345,67\"\r\n",
                       {"--date", "2", "--amount", "4", "--note", "3", "--skip-header"}),
              (Lines{"20180328 -12500000 Miete; April", "20180402 23456700 Gehalt"}));
    // A preamble of several lines before the header, and a footer left out.
    EXPECT_EQ(imported("ing.csv",
                       "Umsatzanzeige;Datei erstellt am: 01.04.2020\n"
                       "IBAN;DE02 1234\nKontoname;Giro\n\n"
                       "Buchung;Valuta;Auftraggeber;Verwendungszweck;Betrag;W\n"
                       "27.03.2020;27.03.2020;Bäckerei;Brot;-2,90;EUR\n"
                       "27.03.2020;27.03.2020;Bäckerei;Brot;-2,90;EUR\n"
                       "Saldo;;;;1.234,56;EUR\n",
                       {"--date", "1", "--amount", "5", "--note", "3,4", "--skip-lines", "4",
                        "--skip-header", "--skip-footer", "1"}),
              (Lines{"20200327 -29000 Bäckerei - Brot", "20200327 -29000 Bäckerei - Brot"}));
}

TEST_F(BankExport, DebitAndCreditColumnsSignColumnsAndPositivePurchases) {
    // Money out and money in in two columns, one of them empty.
    EXPECT_EQ(
        imported("lloyds.csv",
                 "Transaction Date,Description,Debit Amount,Credit Amount\n"
                 "28/03/2020,TESCO,12.50,\n29/03/2020,SALARY,,\"1,500.00\"\n",
                 {"--date", "1", "--debit", "3", "--credit", "4", "--note", "2", "--skip-header"}),
        (Lines{"20200328 -125000 TESCO", "20200329 15000000 SALARY"}));
    // The sign in a column of its own, and dates as yyyymmdd.
    EXPECT_EQ(imported("ing-nl.csv",
                       "\"Datum\",\"Naam\",\"Af Bij\",\"Bedrag (EUR)\"\n"
                       "\"20200328\",\"Albert Heijn\",\"Af\",\"223,77\"\n"
                       "\"20200329\",\"Werkgever\",\"Bij\",\"1000,00\"\n",
                       {"--date", "1", "--amount", "4", "--sign", "3", "--debit-words", "Af",
                        "--note", "2", "--skip-header"}),
              (Lines{"20200328 -2237700 Albert Heijn", "20200329 10000000 Werkgever"}));
    // Purchases written positive, dates with month names.
    EXPECT_EQ(imported("card.csv", "28-Mar-2020,Coffee,3.20\n02-Apr-2020,Refund,-10.00\n",
                       {"--date", "1", "--amount", "3", "--note", "2", "--negate"}),
              (Lines{"20200328 -32000 Coffee", "20200402 100000 Refund"}));
}

TEST_F(BankExport, WhatTheFileCannotDecideIsRefusedNamingTheOption) {
    data.write("both.csv", "06/12/2021,1.50,A\n07/11/2021,2.50,B\n");
    EXPECT_EQ(run({"import", data.path(), data.file("both.csv"), "--date", "1", "--amount", "2"}),
              1);
    EXPECT_NE(err.str().find("--date-format dmy or mdy"), std::string::npos) << err.str();
    EXPECT_EQ(run({"import", data.path(), data.file("both.csv"), "--date", "1", "--amount", "2",
                   "--date-format", "dmy"}),
              0);
    EXPECT_EQ(readRecords(data.file("quillbank.dat")).at(0).entryDate, serialFromDate(2021, 12, 6));
    data.write("thousands.csv", "13/12/2021,1.500,A\n");
    EXPECT_EQ(
        run({"import", data.path(), data.file("thousands.csv"), "--date", "1", "--amount", "2"}),
        1);
    EXPECT_EQ(err.str(),
              "qbk3-cli: The amounts of this file read two ways: \"1.500\" is 1.5 with a decimal "
              "point, or 1500 with a decimal comma; say which (qbk3-cli: --decimal point or "
              "--decimal comma) (error 13)\n");
    data.write("footer.csv", "13/12/2021,1.50,A\nTotal,1.50,\n");
    EXPECT_EQ(run({"import", data.path(), data.file("footer.csv"), "--date", "1", "--amount", "2"}),
              1);
    EXPECT_NE(err.str().find("the last line is no entry (--skip-footer 1 leaves them out)"),
              std::string::npos)
        << err.str();
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

TEST_F(BankExport, ALayoutSavedAsAProfileIsUsedForTheNextFileWithItsColumnNames) {
    const std::string header = "Konto;Buchungstag;Text;Betrag\n";
    EXPECT_EQ(imported("march.csv", header + "DE1;28.03.2020;Miete;-500,00\n",
                       {"--date", "2", "--amount", "4", "--note", "3", "--skip-header", "--profile",
                        "giro"}),
              (Lines{"20200328 -5000000 Miete"}));
    EXPECT_NE(out.str().find("The layout was saved as the import profile giro."),
              std::string::npos);
    // A file of only ambiguous dates and amounts reads as the saved layout says.
    EXPECT_EQ(imported("april.csv", header + "DE1;01.04.2020;Brot;-2.500\n", {}),
              (Lines{"20200401 -25000000 Brot"}));
    EXPECT_EQ(out.str().substr(0, 38), "Read with the import profile giro.\n1 r");
    data.write("other.csv", "a;b\n");
    EXPECT_EQ(run({"import", data.path(), data.file("other.csv"), "--profile", "none"}), 2);
    EXPECT_EQ(err.str().substr(0, 40), "qbk3-cli: no import profile named none\n");
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

TEST_F(ImportCommand, SortPutsTheImportInDateOrderInTheSameWrite) {
    data.write("quillbank.dat", testing::fileOf({testing::entry(2001, 6, 1, "A", 100, "old", 7)}));
    data.write("bank.csv", "12/31/2000,1,early\n6/13/2001,2,late\n");
    ASSERT_EQ(run({"import", data.path(), data.file("bank.csv"), "--date", "1", "--amount", "2",
                   "--note", "3", "--sort"}),
              0)
        << err.str();
    EXPECT_NE(out.str().find("The record file was sorted by date.\n"), std::string::npos);
    const auto r = readRecords(data.file("quillbank.dat"));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(trimBlanks(r[0].note), "late");
    EXPECT_EQ(trimBlanks(r[1].note), "old");
    EXPECT_EQ(trimBlanks(r[2].note), "early");
}

}  // namespace
}  // namespace qbk

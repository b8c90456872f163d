// Duplicates counted as a multiset, and found under the book lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/import_run.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using Lines = std::vector<std::string>;

class Duplicates : public ::testing::Test {
  protected:
    ImportSummary import(const std::string& name, const std::string& text, bool keep = false) {
        book.write(name, text);
        ImportRequest request;
        request.dataFolder = book.path();
        request.importPath = book.file(name);
        request.links = {"1", "2", "3", "", "", ""};
        request.keepDuplicates = keep;
        return runImport(request, RegionalSettings::unitedStates(), stamps);
    }
    Lines entries() const {
        Lines out;
        for (const EntryRecord& r : readRecords(book.file("quillbank.dat")))
            out.push_back(yyyymmdd(r.entryDate) + " " + std::to_string(r.amount.raw()) + " [" +
                          std::string(trimBlanks(r.note)) + "] [" +
                          std::string(trimBlanks(r.userField1)) + "]");
        return out;
    }
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 3, 1), 43200};
    StampSource stamps{clock};
};

TEST_F(Duplicates, ALineIsOneOnlyWhileTheBookHoldsMoreMatchesThanEarlierLinesTook) {
    const std::string tickets = "28.03.2026,\"-2,90\",Ticket\n";
    book.write("quillbank.dat",
               testing::fileOf({testing::entry(2026, 3, 28, "BUS", -290, "Ticket", 5)}));
    // Three tickets on one day; the book holds one of them.
    EXPECT_EQ(import("day.csv", tickets + tickets + tickets).added, 2u);
    EXPECT_EQ(entries().size(), 3u);
    EXPECT_EQ(import("day.csv", tickets + tickets + tickets).duplicatesSkipped, 3u);
    EXPECT_EQ(import("day.csv", tickets + tickets + tickets + tickets).added, 1u);
}

TEST_F(Duplicates, TwoEqualChecksOfAQifFileAreTwoEntriesAndCheckNumbersMustMatch) {
    const std::string check = "D03/05/2026\nT-2,000.00\nPLandlord\n";
    book.write("rent.qif",
               "!Type:Bank\n" + check + "N101\n^\n" + check + "N102\n^\n" + check + "^\n");
    ImportRequest request{book.path(), book.file("rent.qif"), {}};
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).added, 3u);
    // Check 103 is new; the line without a number matches any entry left.
    book.write("rent.qif",
               "!Type:Bank\n" + check + "N103\n^\n" + check + "N101\n^\n" + check + "^\n");
    const ImportSummary again = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(again.added, 1u);
    EXPECT_EQ(again.duplicatesSkipped, 2u);
    EXPECT_EQ(entries().back(), "20260305 -20000000 [Landlord] [103]");
}

TEST_F(Duplicates, OfxIdsOfZerosIdentifyNothingAndAReusedIdIsANewTransaction) {
    const auto ofx = [](const std::string& transactions) {
        return "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
               "<BANKACCTFROM><ACCTID>42</BANKACCTFROM><BANKTRANLIST>" +
               transactions + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    };
    const auto trn = [](const char* date, const char* amount, const char* id) {
        return std::string("<STMTTRN><TRNTYPE>OTHER<DTPOSTED>") + date + "<TRNAMT>" + amount +
               "<FITID>" + id + "<NAME>Shop</STMTTRN>";
    };
    book.write("a.ofx", ofx(trn("20260301", "-5", "0000000") + trn("20260301", "5", "0000000") +
                            trn("20260302", "-7", "X1")));
    ImportRequest request{book.path(), book.file("a.ofx"), {}};
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).added, 3u);
    // X1 again, with another date: the bank reused the id.
    book.write("a.ofx", ofx(trn("20260310", "-7", "X1") + trn("20260302", "-7", "X1")));
    const ImportSummary again = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(again.added, 1u);
    EXPECT_EQ(again.duplicatesSkipped, 1u);
    EXPECT_EQ(entries(),
              (Lines{"20260301 -50000 [Shop] [OTHER]", "20260301 50000 [Shop] [OTHER]",
                     "20260302 -70000 [Shop] [OTHER]", "20260310 -70000 [Shop] [OTHER]"}));
}

// Four processes import one statement at once: the book ends as after one import.
TEST_F(Duplicates, SimultaneousImportsOfOneFileAddItOnce) {
    for (const char* name : {"bank.csv", "bank.qif"}) {
        std::filesystem::remove(book.file("quillbank.dat"));
        const bool csv = std::string_view(name).ends_with("csv");
        book.write(name, csv ? "01.03.2026,-1.5,A\n01.03.2026,-1.5,A\n13.03.2026,2,B\n"
                             : "!Type:Bank\nD03/13/2026\nT-1\nPA\n^\nD03/13/2026\nT-1\nPA\n^\n");
        std::vector<pid_t> children;
        for (int i = 0; i < 4; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                ImportRequest request{book.path(), book.file(name), {"1", "2", "3", "", "", ""}};
                StampSource own(clock);
                try {
                    runImport(request, RegionalSettings::unitedStates(), own);
                } catch (...) {
                    _exit(1);
                }
                _exit(0);
            }
            children.push_back(pid);
        }
        for (const pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name;
        }
        EXPECT_EQ(entries().size(), csv ? 3u : 2u) << name;
    }
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

TEST(BankFiles, OfxErrorsCdataAndUtf16) {
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 3, 1), 43200};
    StampSource stamps{clock};
    const std::string head = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS>";
    book.write("refused.ofx", head +
                                  "<STATUS><CODE>15500<SEVERITY>ERROR<MESSAGE>Wrong password"
                                  "</STATUS></STMTTRNRS></BANKMSGSRSV1></OFX>\n");
    ImportRequest request{book.path(), book.file("refused.ofx"), {}};
    try {
        runImport(request, RegionalSettings::unitedStates(), stamps);
        ADD_FAILURE() << "no failure";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "The bank answered with an error (code 15500): Wrong password");
    }
    book.write("cdata.ofx",
               head +
                   "<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><BANKACCTFROM><ACCTID>1"
                   "</BANKACCTFROM><BANKTRANLIST><STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20260301"
                   "<TRNAMT>-4<FITID>9<NAME><![CDATA[Smith & <Co>]]></NAME>"
                   "<MEMO><![CDATA[a &amp; b]]></STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS>"
                   "</BANKMSGSRSV1></OFX>\n");
    request.importPath = book.file("cdata.ofx");
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).added, 1u);
    EXPECT_EQ(trimBlanks(readRecords(book.file("quillbank.dat")).at(0).note),
              "Smith & <Co> - a &amp; b");

    // A CSV in UTF-16 with a byte-order mark, little-endian.
    const std::string utf8 = "13.03.2026;-1,50;Caf\xC3\xA9\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("13.03.2026;-1,50;Caf")) {
        utf16 += c;
        utf16 += '\0';
    }
    utf16 += std::string("\xE9\0\r\0\n\0", 6);
    book.write("utf16.csv", utf16);
    request = {book.path(), book.file("utf16.csv"), {"1", "2", "3", "", "", ""}};
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).added, 1u);
    const EntryRecord r = readRecords(book.file("quillbank.dat")).at(1);
    EXPECT_EQ(r.amount, Money::fromRaw(-15000));
    EXPECT_EQ(r.note.substr(0, 6), "Caf\xC3\xA9 ");
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

TEST(BankFiles, InvestmentTransactionsAreCountedOrTheFileRefused) {
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 3, 1), 43200};
    StampSource stamps{clock};
    const auto ofx = [](const std::string& list) {
        return "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><INVSTMTMSGSRSV1><INVSTMTTRNRS><INVSTMTRS>"
               "<INVACCTFROM><ACCTID>7</INVACCTFROM><INVTRANLIST>" +
               list + "</INVTRANLIST></INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1></OFX>\n";
    };
    const std::string buy = "<BUYSTOCK><INVBUY><TOTAL>-100</INVBUY></BUYSTOCK>";
    book.write("only.ofx", ofx(buy + buy));
    ImportRequest request{book.path(), book.file("only.ofx"), {}};
    try {
        runImport(request, RegionalSettings::unitedStates(), stamps);
        ADD_FAILURE() << "no failure";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(),
                     "This file holds only investment transactions (2): buys, sells and the "
                     "like of securities are not entries of a cashflow book, and nothing was "
                     "imported.");
    }
    book.write("mixed.ofx", ofx(buy + "<INVBANKTRAN><STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20260301"
                                      "<TRNAMT>50<FITID>1<NAME>Dividend</STMTTRN></INVBANKTRAN>"));
    request.importPath = book.file("mixed.ofx");
    const ImportSummary summary = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(summary.added, 1u);
    EXPECT_NE(summary.text.find("1 investment transactions (buys, sells and the like of "
                                "securities) were left out: only the cash lines are entries."),
              std::string::npos)
        << summary.text;
}

}  // namespace
}  // namespace qbk

namespace qbk {
namespace {

TEST(BankFiles, Mt940StatementsByTheirReferences) {
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 3, 1), 43200};
    StampSource stamps{clock};
    book.write("konto.sta",
               ":20:STARTUMS\r\n:25:10020030/1234567\r\n:28C:00001/001\r\n"
               ":60F:C200327EUR1234,56\r\n"
               ":61:2003270327DR12,50NMSCNONREF//B1\r\n"
               ":86:106?00Kartenzahlung?20Brot und?21 Br\xF6tchen?32B\xE4"
               "ckerei\r\n"
               ":61:2003280328CR1000,NTRFNONREF\r\n:86:Gehalt M\xE4rz\r\n"
               ":61:2003280328DR12,50NMSCNONREF//B2\r\n:86:?20Brot und?21 Br\xF6tchen?32B\xE4"
               "ckerei\r\n"
               ":62F:C200328EUR2210,06\r\n-\r\n");
    ImportRequest request{book.path(), book.file("konto.sta"), {}};
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).added, 3u);
    std::vector<std::string> lines;
    for (const EntryRecord& r : readRecords(book.file("quillbank.dat")))
        lines.push_back(yyyymmdd(r.entryDate) + " " + std::to_string(r.amount.raw()) + " " +
                        std::string(trimBlanks(r.note)));
    EXPECT_EQ(lines, (std::vector<std::string>{"20200327 -125000 B\xC3\xA4"
                                               "ckerei - Brot und Br\xC3\xB6tchen",
                                               "20200328 10000000 Gehalt M\xC3\xA4rz",
                                               "20200328 -125000 B\xC3\xA4"
                                               "ckerei - Brot und Br\xC3\xB6tchen"}));
    // Again: the referenced lines by their ids, the other by date, amount and note.
    const ImportSummary again = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(again.added, 0u);
    EXPECT_EQ(again.duplicatesSkipped, 3u);
}

TEST(BankFiles, CamtStatementsTheirBookedEntriesOnly) {
    testing::TempFolder book;
    ManualClock clock{serialFromDate(2026, 3, 1), 43200};
    StampSource stamps{clock};
    const std::string entry =
        "<Ntry><Amt Ccy=\"EUR\">%AMT%</Amt><CdtDbtInd>%MARK%</CdtDbtInd><Sts><Cd>%STS%</Cd></Sts>"
        "<BookgDt><Dt>2026-02-%DAY%</Dt></BookgDt><ValDt><DtTm>2026-02-27T10:00:00</DtTm></ValDt>"
        "<AcctSvcrRef>%REF%</AcctSvcrRef><NtryDtls><TxDtls><RltdPties>"
        "<Dbtr><Pty><Nm>Arbeitgeber GmbH</Nm></Pty></Dbtr><Cdtr><Nm>Stadtwerke</Nm></Cdtr>"
        "</RltdPties><RmtInf><Ustrd>Strom</Ustrd><Ustrd>Februar &amp; M&#xE4;rz</Ustrd></RmtInf>"
        "</TxDtls></NtryDtls></Ntry>\n";
    const auto ntry = [&](const char* amount, const char* mark, const char* status, const char* day,
                          const char* ref) {
        std::string e = entry;
        for (const auto& [key, value] : {std::pair{"%AMT%", amount},
                                         {"%MARK%", mark},
                                         {"%STS%", status},
                                         {"%DAY%", day},
                                         {"%REF%", ref}})
            e.replace(e.find(key), std::string_view(key).size(), value);
        return e;
    };
    book.write("camt.xml",
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- written by the bank -->\n"
               "<c:Document xmlns:c=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">\n"
               "<c:BkToCstmrStmt><c:GrpHdr><c:MsgId>1</c:MsgId></c:GrpHdr><c:Stmt>\n"
               "<c:Acct><c:Id><c:IBAN>DE02100100100006820101</c:IBAN></c:Id></c:Acct>\n"
               "<c:Bal><c:Tp><c:CdOrPrtry><c:Cd>CLBD</c:Cd></c:CdOrPrtry></c:Tp>"
               "<c:Amt Ccy=\"EUR\">1234.56</c:Amt><c:CdtDbtInd>DBIT</c:CdtDbtInd>"
               "<c:Dt><c:Dt>2026-02-28</c:Dt></c:Dt></c:Bal>\n" +
                   ntry("84.10", "DBIT", "BOOK", "26", "R1") +
                   ntry("2500", "CRDT", "BOOK", "27", "R2") +
                   ntry("9.99", "DBIT", "PDNG", "28", "R3") +
                   "</c:Stmt></c:BkToCstmrStmt></c:Document>\n");
    ImportRequest request{book.path(), book.file("camt.xml"), {}};
    const ImportSummary summary = runImport(request, RegionalSettings::unitedStates(), stamps);
    EXPECT_EQ(summary.added, 2u);
    EXPECT_NE(summary.text.find("1 entries not yet booked by the bank were left out.\n"),
              std::string::npos)
        << summary.text;
    EXPECT_NE(summary.text.find("The statement's ending balance is ($1,234.56) on 02/28/2026 "
                                "(qbk3-cli reconcile --to 02/28/2026 --balance -1234.56).\n"),
              std::string::npos)
        << summary.text;
    std::vector<std::string> lines;
    for (const EntryRecord& r : readRecords(book.file("quillbank.dat")))
        lines.push_back(yyyymmdd(r.entryDate) + " " + std::to_string(r.amount.raw()) + " " +
                        std::string(trimBlanks(r.note)));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "20260226 -841000 Stadtwerke - Strom Februar & M\xC3\xA4rz",
                         "20260227 25000000 Arbeitgeber GmbH - Strom Februar & M\xC3\xA4rz"}));
    EXPECT_EQ(runImport(request, RegionalSettings::unitedStates(), stamps).duplicatesSkipped, 2u);
}

}  // namespace
}  // namespace qbk

// The readers of bank statements: OFX/QFX (both forms), QIF, and the amounts both use,
// on the hand-written statements of statements/ and on short texts.
#include <gtest/gtest.h>

#include "import/camt_reader.h"
#include "import/delimited_line.h"
#include "import/ofx_reader.h"
#include "import/qif_reader.h"
#include "platform/errors.h"

namespace qbk {
namespace {

const std::string kSamples = QBK_STATEMENT_SAMPLES;

std::string sample(const std::string& name) {
    return readImportText(kSamples + name);
}

// Each transaction in one line: line, date, amount, payee, memo, number, id, category.
std::vector<std::string> shown(const Statement& s) {
    std::vector<std::string> out;
    for (const StatementTransaction& t : s)
        out.push_back(std::to_string(t.line) + " " + yyyymmdd(t.date) + " " +
                      std::to_string(t.amount.raw()) + " [" + t.payee + "] [" + t.memo + "] [" +
                      t.number + "] [" + t.id + "] [" + t.category + "]");
    return out;
}

// The message of the failure of `read`.
template <typename Read>
std::string failure(Read read) {
    try {
        read();
    } catch (const OperationError& e) {
        return std::to_string(e.number()) + " " + e.what();
    }
    return "no failure";
}

using Lines = std::vector<std::string>;

TEST(StatementAmounts, ReadAsBanksWriteThem) {
    const std::pair<const char*, long long> good[] = {
        {"-4.75", -47500},          {"+300", 3000000},      {"15,50", 155000},
        {"-1,250.00", -12500000},   {"1.234,56", 12345600}, {"1,234", 12340000},
        {"1.234.567", 12345670000}, {" .5 ", 5000},         {"0.00005", 0},
        {"1,2345", 12345},
    };
    for (const auto& [text, raw] : good)
        EXPECT_EQ(parseStatementAmount(text), Money::fromRaw(raw)) << text;
    for (const char* bad :
         {"", "-", "12x.5", "1,23,4", "1.2.3", ",5,", "1,234,56.7.8", "$5", "(5)", "5-", "1 000"})
        EXPECT_EQ(parseStatementAmount(bad), std::nullopt) << bad;
}

TEST(OfxStatements, VersionOneSgmlWithWindows1252Text) {
    EXPECT_EQ(shown(readOfx(sample("checking.ofx"))),
              (Lines{"39 20260103 -47500 [CAF\xC3\x89 DU PARC] [Card 1234] [DEBIT] "
                     "[4455667788:20260103-001] []",
                     // The day the bank wrote, whatever the time and zone after it.
                     "47 20260105 -12500000 [Rent for January] [] [1043] "
                     "[4455667788:20260105-002] []",
                     "55 20260115 25000000 [ACME & SONS PAYROLL] [Salary] [DIRECTDEP] "
                     "[4455667788:20260115-003] []",
                     "63 20260120 -613000 [AT&T WIRELESS] [] [POS] [4455667788:20260120-004] []"}));
}

TEST(OfxStatements, VersionTwoXmlQfxWithUtf8TextAndEntities) {
    EXPECT_EQ(
        shown(readOfx(sample("card.qfx"))),
        (Lines{"22 20260202 -899000 [B\xC3\xA4"
               "ckerei M\xC3\xBCller] [Geb\xC3\xA4"
               "ck <fr\xC3\xBCh>] [DEBIT] [5500111122223333:CC-7001] []",
               "30 20260214 155000 [Refund \xE2\x82\xAC"
               "15.50] [] [CREDIT] "
               "[5500111122223333:CC-7002] []",
               "39 20260225 3000000 [Thank you] [] [PAYMENT] [5500111122223333:CC-7003] []",
               "46 20260225 3000000 [Thank you] [] [PAYMENT] [5500111122223333:CC-7003] []"}));
}

// A version 1 document around `transactions`.
std::string ofxWith(const std::string& transactions) {
    return "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX>\n<BANKMSGSRSV1><STMTTRNRS><STMTRS>\n"
           "<BANKACCTFROM><ACCTID>77</BANKACCTFROM>\n<BANKTRANLIST>\n" +
           transactions + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

TEST(OfxStatements, EntitiesAfterABareAmpersandAndBlanksFromEntities) {
    EXPECT_EQ(shown(readOfx(ofxWith("<STMTTRN><DTPOSTED>20260301<TRNAMT>-9.99<FITID>E&amp;1"
                                    "<NAME>&nbsp;AT&T WIRELESS; R&amp;D&#32;<MEMO>&bogus; "
                                    "&#65;</STMTTRN>\n"))),
              (Lines{"8 20260301 -99900 [AT&T WIRELESS; R&D] [&bogus; A] [] [77:E&1] []"}));
}

TEST(OfxStatements, AStatementThatDoesNotReadNamesTheLineAndElement) {
    EXPECT_EQ(failure([] { readOfx(sample("damaged.ofx")); }),
              "13 Damaged OFX file, line 55: the file ends before </STMTTRN>: it is cut short");
    const std::string ok = "<STMTTRN><DTPOSTED>20260101<TRNAMT>-1<FITID>a</STMTTRN>\n";
    EXPECT_EQ(shown(readOfx(ofxWith(ok))), (Lines{"8 20260101 -10000 [] [] [] [77:a] []"}));
    EXPECT_EQ(failure([&] {
                  readOfx(ofxWith(ok + "<STMTTRN><DTPOSTED>20260101\n<TRNAMT>12x.5</STMTTRN>\n"));
              }),
              "13 Damaged OFX file, line 10: <TRNAMT> \"12x.5\" is not an amount");
    EXPECT_EQ(failure([&] { readOfx(ofxWith("<STMTTRN><DTPOSTED>2026XX02<TRNAMT>1</STMTTRN>")); }),
              "13 Damaged OFX file, line 8: <DTPOSTED> \"2026XX02\" is not a date");
    EXPECT_EQ(failure([&] { readOfx(ofxWith("<STMTTRN><DTPOSTED>20260230<TRNAMT>1</STMTTRN>")); }),
              "13 Damaged OFX file, line 8: <DTPOSTED> \"20260230\" is not a date");
    EXPECT_EQ(
        failure([&] { readOfx(ofxWith("<STMTTRN><DTPOSTED>20260101 9<TRNAMT>1</STMTTRN>")); }),
        "13 Damaged OFX file, line 8: <DTPOSTED> \"20260101 9\" is not a date");
    EXPECT_EQ(failure([&] { readOfx(ofxWith(ok + "\n<STMTTRN>\n<TRNAMT>1\n</STMTTRN>")); }),
              "13 Damaged OFX file, line 10: <STMTTRN> has no <DTPOSTED> date");
    EXPECT_EQ(failure([&] { readOfx(ofxWith("<STMTTRN><DTPOSTED>20260101</STMTTRN>")); }),
              "13 Damaged OFX file, line 8: <STMTTRN> has no <TRNAMT> amount");
    EXPECT_EQ(failure([&] { readOfx(ofxWith("</STMTTRN>\n")); }),
              "13 Damaged OFX file, line 8: </STMTTRN> closes no open element");
    // A transaction inside another would leave the outer one without date and amount.
    EXPECT_EQ(failure([&] {
                  readOfx(
                      ofxWith("<STMTTRN>\n<STMTTRN><DTPOSTED>20260101<TRNAMT>1</STMTTRN>"
                              "</STMTTRN>\n"));
              }),
              "13 Damaged OFX file, line 9: <STMTTRN> begins inside the <STMTTRN> of line 8");
    EXPECT_EQ(failure([] { readOfx("Date,Amount\n1/2/2026,5\n"); }),
              "13 Damaged OFX file, line 1: the file begins with neither an OFX header nor an "
              "OFX element");
    EXPECT_EQ(failure([] { readOfx("<HTML><BODY>Not found</BODY></HTML>"); }),
              "13 Damaged OFX file, line 1: no <OFX> element: the file is not an OFX statement");
}

TEST(QifStatements, BankDateStylesCategoriesAndSplitsAsOneEntry) {
    const QifStatement read = readQif(sample("savings.qif"), std::nullopt);
    EXPECT_EQ(read.ambiguous, std::nullopt);  // 01/15/26 puts the month first
    EXPECT_EQ(
        shown(read.transactions),
        (Lines{"2 20260103 -47500 [Caf\xC3\xA9 du Parc] [Croissant et caf\xC3\xA9] [] [] [Dining]",
               "8 20260105 -12500000 [Rent for January] [] [1043] [] [Housing:Rent]",
               "14 20260115 25000000 [ACME & Sons Payroll] [Salary] [] [] []",
               "20 20260120 -613000 [AT&T Wireless] [] [] [] []",
               "25 20260122 -1200000 [Supermarket] [Weekly shopping] [] [] [Food]",
               "36 20260131 150000 [Interest] [] [] [] [[Savings]]"}));
}

Lines datesOf(const std::string& text, std::optional<DateOrder> order) {
    Lines out;
    for (const StatementTransaction& t : readQif(text, order).transactions)
        out.push_back(yyyymmdd(t.date));
    return out;
}

TEST(QifStatements, TheOrderOfDayAndMonthComesFromTheFileOrIsAsked) {
    const std::string twoWays =
        "!Type:Cash\nD03/04/2026\nT-1\n^\nD05/06/26\nT-2\n^\nD7/7/26\nT1\n^\n";
    const QifStatement asked = readQif(twoWays, std::nullopt);
    ASSERT_TRUE(asked.ambiguous);
    EXPECT_EQ(asked.ambiguous->line, 2u);
    EXPECT_EQ(asked.ambiguous->text, "03/04/2026");
    EXPECT_TRUE(asked.transactions.empty());
    EXPECT_EQ(datesOf(twoWays, DateOrder::DayMonthYear),
              (Lines{"20260403", "20260605", "20260707"}));
    EXPECT_EQ(datesOf(twoWays, DateOrder::MonthDayYear),
              (Lines{"20260304", "20260506", "20260707"}));
    // One date past the twelfth settles it for the whole file.
    EXPECT_EQ(datesOf("!Type:Bank\nD02.01.2026\nT1\n^\nD31.12.25\nT2\n^\n", std::nullopt),
              (Lines{"20260102", "20251231"}));
    EXPECT_EQ(datesOf("!Type:CCard\nD1/ 2' 1\nT1\n^\nD12/31'99\nT1\n^\nD20001231\nT1\n^\n"
                      "D2000-12-30\nT1\n^\nD12-29-99\nT1\n^\n",
                      std::nullopt),
              (Lines{"20010102", "20991231", "20001231", "20001230", "19991229"}));
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nD13/01/2026\nT1\n^\nD01/13/2026\nT1\n^\n", {}); }),
              "13 Damaged QIF file, line 5: \"D01/13/2026\" puts the month first, but line 2 puts "
              "the day first");
}

TEST(QifStatements, ListsAndAccountsArePassedOverAndInvestmentsRefused) {
    EXPECT_EQ(datesOf("!Option:AutoSwitch\n!Account\nNChecking\nTBank\n^\n!Clear:AutoSwitch\n"
                      "!Type:Cat\nNFood\nDGroceries\n^\n!Type:Bank \n\nD01/22/2026\nT-3\n^\n",
                      std::nullopt),
              (Lines{"20260122"}));
    EXPECT_EQ(failure([] { readQif("!Type:Invst\nD01/22/2026\nNBuy\n^\n", {}); }),
              "13 Damaged QIF file, line 1: investment transactions (!Type:Invst) are not a bank "
              "statement");
}

TEST(QifStatements, AStatementThatDoesNotReadNamesTheLine) {
    EXPECT_EQ(failure([] { readQif(sample("damaged.qif"), {}); }),
              "13 Damaged QIF file, line 7: \"T-9,99x\" is not an amount");
    EXPECT_EQ(failure([] { readQif("Date,Amount\n1/2/2001,5\n", {}); }),
              "13 Damaged QIF file, line 1: the file does not begin with a !Type line (such as "
              "!Type:Bank)");
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nD01/22/2026\nT1\n^\nPShop\nT-2\n^\n", {}); }),
              "13 Damaged QIF file, line 5: a transaction without a date (no D line)");
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nD01/22/2026\nPShop\n", {}); }),
              "13 Damaged QIF file, line 2: a transaction without an amount (no T line)");
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nD02/30/2026\nT1\n^\nD01/13/2026\nT1\n^\n", {}); }),
              "13 Damaged QIF file, line 2: \"D02/30/2026\" is not a date");
    // Both parts above 12 fit neither order: no date, rather than a clash of orders.
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nD13/13/2026\nT1\n^\n", {}); }),
              "13 Damaged QIF file, line 2: \"D13/13/2026\" is not a date");
    EXPECT_EQ(failure([] { readQif("!Type:Bank\nDyesterday\nT1\n^\n", {}); }),
              "13 Damaged QIF file, line 2: \"Dyesterday\" is not a date");
}

TEST(CamtStatements, XmlThatDoesNotReadNamesTheLine) {
    const auto read = [](std::string body) { return failure([&] { readCamt(body); }); };
    const std::string head = "<Document><BkToCstmrStmt><Stmt>\n";
    const std::string tail = "</Stmt></BkToCstmrStmt></Document>";
    const std::string ok = "<Amt>1.00</Amt><CdtDbtInd>CRDT</CdtDbtInd>";
    EXPECT_EQ(read(head + "<Ntry>" + ok + "<BookgDt><Dt>2026-02-30</Dt></BookgDt></Ntry>" + tail),
              "13 Damaged CAMT file, line 2: \"2026-02-30\" is not a date");
    EXPECT_EQ(read(head + "<Ntry><Amt>1,00</Amt><ValDt><Dt>2026-02-03</Dt></ValDt></Ntry>" + tail),
              "13 Damaged CAMT file, line 2: \"1,00\" is not an amount");
    EXPECT_EQ(read(head + "<Ntry><Amt>1</Amt><BookgDt><Dt>2026-02-03</Dt></BookgDt></Ntry>" + tail),
              "13 Damaged CAMT file, line 2: \"\" is no credit or debit mark");
    EXPECT_EQ(read(head + "\n<Ntry>" + ok + "</Ntri>" + tail),
              "13 Damaged CAMT file, line 3: </Ntri> closes no open element");
    EXPECT_EQ(read(head + "<Ntry>&nbsp;</Ntry>" + tail),
              "13 Damaged CAMT file, line 2: \"&nbsp;\" is no entity of XML");
    EXPECT_EQ(read(head), "13 Damaged CAMT file, line 2: <Stmt> is not closed");
    EXPECT_EQ(read("<Document><BkToCstmrStmt/></Document>"),
              "13 Damaged CAMT file, line 1: the file holds no statement");
    EXPECT_EQ(read("<!DOCTYPE d [<!ENTITY x \"y\">]><Document/>"),
              "13 Damaged CAMT file, line 1: the file declares the entity \"x\"");
    EXPECT_EQ(read("<Document><BkToCstmrStmt/></Document><x/>"),
              "13 Damaged CAMT file, line 1: junk after document element");
    std::string deep;
    for (int i = 0; i < 300; ++i)
        deep += "<a>";
    EXPECT_EQ(read(deep), "13 Damaged CAMT file, line 1: elements are nested too deep");
    EXPECT_EQ(read(deep.substr(0, 3 * 256) + "<b/>"),
              "13 Damaged CAMT file, line 1: elements are nested too deep");
}

}  // namespace
}  // namespace qbk

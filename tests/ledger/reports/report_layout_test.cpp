// The number texts and the layouts that the golden books do not cover: the three
// endings of the balance, empty sections, and the seven column orders of the wide
// reports.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "reports/full_report.h"
#include "reports/money_text.h"
#include "reports/summary.h"
#include "support/records.h"
#include "test_books.h"

namespace qbk {
namespace {

using testing::category;
using testing::entry;

Money cents(long long c) {
    return Money::fromRaw(c * 100);
}

TEST(MoneyText, RightAlignedToTheWidthOfAMillion) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    EXPECT_EQ(moneyWidth(us), 13u);
    EXPECT_EQ(MoneyRight(cents(0), us), "        $0.00");
    EXPECT_EQ(MoneyRight(cents(-123456), us), "  ($1,234.56)");
    EXPECT_EQ(MoneyRight(Money::fromRaw(123455), us), "       $12.35");
    EXPECT_EQ(MoneyRight(cents(-99999999999), us), "($999,999,999.99)");
    const RegionalSettings de = RegionalSettings::germany();
    EXPECT_EQ(moneyWidth(de), 14u);  // "1.000.000,00 €": the euro sign is one character
    EXPECT_EQ(MoneyRight(cents(-1250), de), "      -12,50 €");
    EXPECT_EQ(MoneyRight(cents(100000000), de), "1.000.000,00 €");
}

TEST(MoneyText, SharesRoundToHundredthsOfAPerCent) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    EXPECT_EQ(shareText(cents(100), cents(300), us), "33.33");
    EXPECT_EQ(shareText(cents(-100), cents(-800), us), " 12.5");
    EXPECT_EQ(shareText(cents(-700), cents(-700), us), "  100");
    EXPECT_EQ(shareText(cents(1), cents(10000), us), " 0.01");
    EXPECT_EQ(shareText(cents(2), cents(30000), us), " 0.01");  // 0.0000666.. → 0.0001
    EXPECT_EQ(shareText(cents(1), cents(30000), us), "    0");
    EXPECT_EQ(shareText(cents(1), cents(800), us), " 0.12");  // 0.00125: half to even
    EXPECT_EQ(shareText(cents(200), cents(300), RegionalSettings::germany()), "66,67");
}

TEST(MoneyText, BarsRoundHalvesToEven) {
    EXPECT_EQ(barText(cents(50), cents(100), 25), std::string(12, '|'));  // 12.5
    EXPECT_EQ(barText(cents(-30), cents(100), 25), std::string(8, '|'));  // 7.5
    EXPECT_EQ(barText(cents(50), cents(100), 59), std::string(30, '|'));  // 29.5
    EXPECT_EQ(barText(cents(100), cents(100), 59), std::string(59, '|'));
    EXPECT_EQ(barText(cents(2), cents(100), 25), "");   // 1/50: 0.5
    EXPECT_EQ(barText(cents(3), cents(100), 25), "|");  // 0.75
    EXPECT_EQ(barText(cents(1), cents(118), 59), "");   // 1/118: 0.5
    const Money huge = Money::fromRaw(9000000000000000000);
    EXPECT_EQ(barText(huge, huge, 59), std::string(59, '|'));
}

// A report's summary written from records in memory.
struct Summary {
    std::vector<CategoryRecord> categories = {category("FOOD", "Groceries"),
                                              category("PAY", "Pay")};
    SettingsRecord settings = SettingsRecord::defaults();
    RegionalSettings regional = RegionalSettings::unitedStates();

    std::string write(const std::vector<EntryRecord>& entries, bool wide = false) const {
        RecordFileContent list;
        list.records = testing::fileOf(entries);
        std::vector<double> stamps;
        for (const EntryRecord& r : entries)
            stamps.push_back(r.recordStamp);
        const ReportSplit split = splitReportList(list, stamps);
        const ReportSources sources(categories, split, settings, regional);
        std::string out;
        wide ? WriteWideSummary(out, sources) : WriteSummary(out, sources);
        return out;
    }
};

std::string lines(const std::vector<std::string>& l) {
    std::string text;
    for (const std::string& s : l)
        text += s + "\r\n";
    return text;
}

// The lines from "Total Income" to the rule before the open items.
std::string balanceOf(const std::string& summary) {
    const auto from = summary.find("   Total Income");
    return summary.substr(from, summary.find("-----", from) - from);
}

TEST(SummaryBalance, SurplusDeficitOrNeither) {
    const Summary s;
    EXPECT_EQ(balanceOf(s.write(
                  {entry(2001, 1, 1, "PAY", 1000, "", 1), entry(2001, 1, 2, "FOOD", -250, "", 2)})),
              lines({"   Total Income :               $10.00", "",
                     "   A SURPLUS of                  $7.50", ""}));
    EXPECT_EQ(balanceOf(s.write({entry(2001, 1, 1, "PAY", 1000, "", 1),
                                 entry(2001, 1, 2, "FOOD", -1250, "", 2)})),
              lines({"   Total Income :               $10.00", "",
                     "   A DEFICIT of                  $2.50", ""}));
    EXPECT_EQ(balanceOf(s.write({entry(2001, 1, 1, "PAY", 1000, "", 1),
                                 entry(2001, 1, 2, "FOOD", -1000, "", 2)})),
              lines({"   Total Income :               $10.00", "", ""}));
}

TEST(SummaryBalance, SectionsWithoutEntriesStillHaveHeadingsAndTotals) {
    const Summary s;
    EXPECT_EQ(s.write({entry(2001, 1, 1, "FOOD", 0, "to do", 1)}),
              lines({" --- Summary of money that went OUT ---",
                     "",
                     "   Category                  Sub Total             Graph",
                     "",
                     "",
                     "   Total Expense:                $0.00",
                     "",
                     " --- Summary of money that came IN ---",
                     "",
                     "   Category                  Sub Total             Graph",
                     "",
                     "",
                     "   Total Income :                $0.00",
                     "",
                     "",
                     std::string(79, '-'),
                     "   Open Items",
                     std::string(79, '-'),
                     "",
                     "   Category: Groceries           ",
                     "",
                     "   Date        Note",
                     "",
                     "   01/01/2001  to do"}));
}

TEST(SummaryBalance, AnOverflowingTotalIsAnError) {
    const Summary s;
    const long long big = 9000000000000000000 / 100;
    try {
        s.write({entry(2001, 1, 1, "PAY", big, "", 1), entry(2001, 1, 2, "PAY", big, "", 2)});
        FAIL() << "no error";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kOverflow);
        EXPECT_STREQ(e.what(), "Overflow");
    }
}

// The wide open items and line items of one entry for every column order.
const std::string kN = "Note" + std::string(57, ' ');     // "Note" to the note's width + 1
const std::string kNt = "fix it" + std::string(54, ' ');  // the 60-character note
const std::string kTail = "  " + kN;                      // N2 of the short headings

TEST(WideLayouts, SevenColumnOrders) {
    const std::string m = "Method    ", p = "Place     ", one = "one       ", two = "two       ";
    const struct {
        std::string order, heading, item;
    } cases[] = {
        {"-n12-", kN + m + "  " + p, kNt + " " + one + "  " + two},
        {"--n12", kN + m + "  " + p, kNt + " " + one + "  " + two},
        {"-1n2-", m + kTail + p, one + "  " + kNt + " " + two},
        {"-12n-", m + "  " + p + kTail, one + "  " + two + "  " + kNt},
        {"-n21-", kN + p + "  " + m, kNt + " " + two + "  " + one},
        {"-2n1-", p + kTail + m, two + "  " + kNt + " " + one},
        {"-21n-", p + "  " + m + kTail, two + "  " + one + "  " + kNt},
        {"x", kN + m + "  " + p, kNt + " " + one + "  " + two},  // unknown: as "-n12-"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        Summary s;
        s.settings.setUdf1Name("Method");
        s.settings.setUdf2Name("Place");
        s.settings.setGridOrder(c.order);
        const std::string open = s.write({entry(2001, 1, 2, "FOOD", 0, "fix it", 1, "one", "two")},
                                         /*wide=*/true);
        EXPECT_NE(open.find("\r\n   Date           " + c.heading + "\r\n\r\n   01/02/2001     " +
                            c.item + "\r\n"),
                  std::string::npos)
            << open;

        RecordFileContent list;
        list.records =
            testing::fileOf({entry(2001, 1, 2, "FOOD", -700, "fix it", 1, "one", "two")});
        const ReportSplit split = splitReportList(list, {1});
        const ReportSources sources(s.categories, split, s.settings, s.regional);
        std::string details;
        WriteWideDetails(details, sources);
        const std::string rule(113, '-');
        EXPECT_EQ(details, lines({"", rule, "   Expense Line Items...", rule, "",
                                  "Category: Groceries           ", "",
                                  "Date               Amount  " + c.heading, "",
                                  "01/02/2001          $7.00  " + c.item, "", rule,
                                  "   Income Line Items...", rule}));
    }
}

TEST(WideLayouts, NarrowReportsShowNoUserFields) {
    Summary s;
    s.settings.setGridOrder("-12n-");
    const std::string open = s.write({entry(2001, 1, 2, "FOOD", 0, " fix it ", 1, "one", "two")});
    EXPECT_NE(open.find("\r\n   Date        Note\r\n\r\n   01/02/2001  fix it\r\n"),
              std::string::npos);
}

TEST(Heading, SettingsNeverStoredReadAsBlanks) {
    // A settings record of zero bytes: owner and labels were never stored.
    const SettingsRecord blank;
    const std::vector<CategoryRecord> none;
    const ReportSplit split;
    const RegionalSettings us = RegionalSettings::unitedStates();
    const ReportSources sources(none, split, blank, us);
    const ReportHeading heading{"01/01/2001", "12/31/2001", serialFromDate(2002, 1, 3),
                                serialFromDate(2001, 2, 1), serialFromDate(2001, 11, 30)};
    std::string out;
    WriteWideReportHeader(out, heading, sources);
    const std::string rule(113, '-');
    EXPECT_EQ(out, lines({"Cashflow Record for " + std::string(74, ' ') + "Printed: 01/03/2002",
                          rule, "Searched the period 01/01/2001 through 12/31/2001, inclusive.",
                          "Records found span  02/01/2001 through 11/30/2001, inclusive.", rule}));
}

}  // namespace
}  // namespace qbk

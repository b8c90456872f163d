#include "budgets/budget_report.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files.h"
#include "support/records.h"

namespace qbk {
namespace {

using testing::entry;

// A month of a small household: groceries over budget, rent on it, a car budget
// untouched, fees without a budget, and the pay short of plan.
BudgetStatement smallBook() {
    Budget budget;
    setBudgetAmount(budget, {2001, 3}, "GROC", Money::fromUnits(-400));
    setBudgetAmount(budget, {2001, 3}, "RENT", Money::fromUnits(-1200));
    setBudgetAmount(budget, {2001, 3}, "CAR", Money::fromUnits(-150));
    setBudgetAmount(budget, {2001, 3}, "PAY", Money::fromUnits(3000));
    setBudgetAmount(budget, {2001, 4}, "GROC", Money::fromUnits(-400));
    const auto categories = testing::categoriesOf({{"CAR", "Car upkeep"},
                                                   {"FEES", "Bank fees"},
                                                   {"GROC", "Groceries"},
                                                   {"PAY", "Salary"},
                                                   {"RENT", "Rent"}});
    const auto records = testing::contentOf({
        entry(2001, 3, 2, "GROC", -21050),
        entry(2001, 3, 16, "GROC", -24000),
        entry(2001, 3, 1, "RENT", -120000),
        entry(2001, 3, 31, "FEES", -250),
        entry(2001, 3, 15, "PAY", 280000),
        entry(2001, 4, 1, "GROC", -99999),
    });
    return budgetAgainstActual(budget, categories, records, serialFromDate(2001, 3, 1),
                               serialFromDate(2001, 3, 31), {1, 1});
}

TEST(BudgetReport, GoldenTexts) {
    const BudgetReportHeading heading{fitField("Ann Example", 40), serialFromDate(2001, 4, 2)};
    for (const bool wide : {false, true}) {
        const std::string text =
            budgetReportText(smallBook(), heading, RegionalSettings::unitedStates(), wide);
        const std::string file =
            std::string(QBK_BUDGET_GOLDEN) + (wide ? "/us_wide_budget.txt" : "/us_budget.txt");
        if (std::getenv("QBK_WRITE_GOLDEN")) writeFileAtomically(file, text);
        EXPECT_EQ(text, readFile(file)) << file;
    }
    // A comma-decimal setting with the symbol after the number: wider money columns.
    const std::string text =
        budgetReportText(smallBook(), heading, RegionalSettings::germany(), false);
    const std::string file = std::string(QBK_BUDGET_GOLDEN) + "/de_budget.txt";
    if (std::getenv("QBK_WRITE_GOLDEN")) writeFileAtomically(file, text);
    EXPECT_EQ(text, readFile(file)) << file;
}

// The captions the user chose: the columns stay where the English report has them.
TEST(BudgetReport, TranslatedCaptionsKeepTheColumns) {
    const BudgetReportHeading heading{fitField("Ann Example", 40), serialFromDate(2001, 4, 2)};
    const RegionalSettings us = RegionalSettings::unitedStates();
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        for (std::size_t at = 0, end; at < text.size(); at = end + 2)
            out.push_back(text.substr(at, (end = text.find("\r\n", at)) - at));
        return out;
    };
    const std::vector<std::string> english =
        lines(budgetReportText(smallBook(), heading, us, true));
    const std::vector<std::string> german =
        lines(budgetReportText(smallBook(), heading, us, true, reportCaptions("de")));
    ASSERT_EQ(german.size(), english.size());
    EXPECT_EQ(german[0],
              "Kassenbuch von Ann Example" + std::string(63, ' ') + "Gedruckt:04/02/2001");
    EXPECT_EQ(german[2], "Budget und Ist im Zeitraum 03/01/2001 bis 03/31/2001, einschließlich.");
    EXPECT_EQ(german[4], " --- Budget: Geld, das HINAUSGING ---");
    EXPECT_EQ(
        english[6],
        "   Category                     Budget         Actual     Difference    Used  Graph");
    EXPECT_EQ(
        german[6],
        "   Kategorie                    Budget            Ist      Differenz  Verbr.  Grafik");
    EXPECT_EQ(german.back(), "   Ende des Berichts");
    // The categories' lines are the same bytes.
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i].rfind("   Groceries", 0) == 0 || english[i].rfind("   Salary", 0) == 0) {
            EXPECT_EQ(german[i], english[i]) << i;
        }
    }
}

TEST(BudgetReport, BarsAndCommaSeparatedValues) {
    EXPECT_EQ(budgetBar(std::nullopt), "");
    EXPECT_EQ(budgetBar(-5), "");
    EXPECT_EQ(budgetBar(1), "");
    EXPECT_EQ(budgetBar(50), std::string(13, '|'));
    EXPECT_EQ(budgetBar(101), std::string(25, '|') + "+");
    EXPECT_EQ(budgetBar(1000), std::string(25, '|') + "+++++");
    EXPECT_EQ(budgetCsv(smallBook()),
              "\"Kind\",\"Code\",\"Category\",\"Budget\",\"Actual\",\"Difference\",\"Used %\"\r\n"
              "\"Expense\",\"CAR\",\"Car upkeep\",-150.00,0.00,150.00,0\r\n"
              "\"Expense\",\"FEES\",\"Bank fees\",0.00,-2.50,-2.50,\r\n"
              "\"Expense\",\"GROC\",\"Groceries\",-400.00,-450.50,-50.50,113\r\n"
              "\"Expense\",\"RENT\",\"Rent\",-1200.00,-1200.00,0.00,100\r\n"
              "\"Income\",\"PAY\",\"Salary\",3000.00,2800.00,-200.00,93\r\n"
              "\"Total Expense\",\"\",\"\",-1750.00,-1653.00,97.00,94\r\n"
              "\"Total Income\",\"\",\"\",3000.00,2800.00,-200.00,93\r\n"
              "\"Balance\",\"\",\"\",1250.00,1147.00,-103.00,\r\n");
}

}  // namespace
}  // namespace qbk

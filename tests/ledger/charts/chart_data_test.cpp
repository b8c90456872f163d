#include "charts/chart_data.h"

#include <gtest/gtest.h>

#include <random>

#include "charts/chart_entries.h"
#include "mainwindow/list_refresh.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/category_totals.h"
#include "reports/money_text.h"
#include "reports/summary.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {

// Readable failures.
void PrintTo(const CategoryBar& b, std::ostream* out) {
    *out << "{" << b.code << "|" << b.label << "|" << b.amount.raw() << "|" << b.share << "}";
}
void PrintTo(const BalancePoint& p, std::ostream* out) {
    *out << "{" << p.day << "|" << p.balance.raw() << "}";
}

namespace {

using testing::categoriesOf;
using testing::entry;
using testing::fileOf;

Money cents(long long c) {
    return Money::fromRaw(c * 100);
}

class ChartDataTest : public ::testing::Test {
  protected:
    ChartDataTest() {
        query.categoryFilterCode = fitField("", 10);
        query.categoryFilterName = "All Categories";
    }
    ReportSplit listed(const std::vector<EntryRecord>& book, DaySerial first, DaySerial last) {
        query.rangeStart = first;
        query.rangeEnd = last;
        dir.write("quillbank.dat", fileOf(book));
        return listedEntries(dir.file("quillbank.dat"), query, settings);
    }
    std::vector<PeriodTotals> periods(const std::vector<EntryRecord>& book, DaySerial first,
                                      DaySerial last, PeriodLength length) {
        return periodTotals(listed(book, first, last), first, last, length, settings.fyMonth(),
                            settings.fyDay(), regional);
    }

    testing::TempFolder dir;
    ListQuery query;
    SettingsRecord settings = SettingsRecord::defaults();
    RegionalSettings regional = RegionalSettings::unitedStates();
};

// Two years of entries in five categories, one code missing from the category file, a
// category record that stands twice, open items, in the order the file keeps them.
std::vector<EntryRecord> randomBook() {
    std::mt19937 random(17);
    const char* codes[] = {"FOOD", "CAR", "PAY", "RENT", "GIFT", "GONE"};
    std::vector<EntryRecord> book;
    for (int i = 0; i < 400; ++i) {
        const DaySerial day = serialFromDate(2001, 1, 1) + static_cast<double>(random() % 730);
        const CivilDate d = dateFromSerial(day).value();
        long long amount = static_cast<long long>(random() % 200000) - 120000;
        if (i % 37 == 0) amount = 0;
        book.push_back(entry(d.year, d.month, d.day, codes[random() % 6], amount,
                             i % 3 ? "shop" : "fish market", i + 1));
    }
    return book;
}

// The category lines of one section of a summary text.
std::vector<std::string> summaryLines(const std::string& text, const std::string& section) {
    const std::vector<std::string> lines = splitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != section)
        ++i;
    std::vector<std::string> found;
    for (i += 4; i < lines.size() && !lines[i].empty(); ++i)
        found.push_back(lines[i]);
    return found;
}

TEST_F(ChartDataTest, CategoryTotalsAreTheSummaryReportsAndTheListsTotals) {
    const std::vector<EntryRecord> book = randomBook();
    const auto categories = categoriesOf({{"FOOD", "Groceries"},
                                          {"CAR", "Car upkeep"},
                                          {"PAY", "Salary"},
                                          {"RENT", "Rent"},
                                          {"GIFT", "Gifts"},
                                          {"CAR", "Car upkeep"}});
    dir.write("quillbank.dat", fileOf(book));
    for (const std::string search : {"", "FISH"}) {
        SCOPED_TRACE(search);
        query.searchArgument = search;
        const ReportSplit split =
            listed(book, serialFromDate(2001, 3, 1), serialFromDate(2002, 8, 31));
        const CategoryChart chart = categoryChart(split, categories, regional);

        const ListView list = PopMainGrid(dir.file("quillbank.dat"), query, settings, regional);
        EXPECT_EQ(chart.moneyOut.total, list.expense);
        EXPECT_EQ(chart.moneyIn.total, list.income);
        EXPECT_EQ(split.todo.count() + split.income.count() + split.expense.count(), list.size());

        std::string summary;
        WriteSummary(summary, ReportSources(categories, split, settings, regional));
        for (const auto& [section, heading, total] :
             {std::tuple(&chart.moneyOut, " --- Summary of money that went OUT ---",
                         "   Total Expense:        "),
              std::tuple(&chart.moneyIn, " --- Summary of money that came IN ---",
                         "   Total Income :        ")}) {
            const std::vector<std::string> lines = summaryLines(summary, heading);
            ASSERT_EQ(lines.size(), section->bars.size()) << heading;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const CategoryBar& bar = section->bars[i];
                const std::string share = std::string(5 - bar.share.size(), ' ') + bar.share;
                const std::string expected = "   " + fitField(bar.label, 20) + "  " +
                                             MoneyRight(bar.amount, regional) + "  (" + share +
                                             " %)";
                EXPECT_EQ(lines[i].substr(0, expected.size()), expected);
            }
            EXPECT_NE(summary.find(total + MoneyRight(section->total, regional)),
                      std::string::npos);
        }
        // The category missing from the file counts in the totals only, as in the summary.
        EXPECT_EQ(chart.moneyOut.bars.size(), 6u);
        EXPECT_EQ(largestFirst(chart.moneyOut, regional).back().label, "Other");
    }
}

TEST_F(ChartDataTest, EveryPeriodHoldsWhatTheListOfItsOwnDaysHolds) {
    const std::vector<EntryRecord> book = randomBook();
    const DaySerial first = serialFromDate(2001, 2, 14), last = serialFromDate(2002, 11, 3);
    for (PeriodLength length : {PeriodLength::Week, PeriodLength::Month, PeriodLength::Year}) {
        Money income, expense;
        for (const PeriodTotals& p : periods(book, first, last, length)) {
            const ReportSplit own = listed(book, std::max(p.first, first), std::min(p.last, last));
            EXPECT_EQ(p.income, TotalUp(own.income)) << p.label;
            EXPECT_EQ(p.expense, TotalUp(own.expense)) << p.label;
            EXPECT_EQ(p.net, p.income + p.expense) << p.label;
            income += p.income;
            expense += p.expense;
        }
        const ReportSplit all = listed(book, first, last);
        EXPECT_EQ(income, TotalUp(all.income));
        EXPECT_EQ(expense, TotalUp(all.expense));
        EXPECT_EQ(runningBalance(all, first, last).back().balance, income + expense);
    }
}

TEST_F(ChartDataTest, TheTwelveLargestCategoriesThenOther) {
    std::vector<std::pair<std::string, std::string>> names;
    std::vector<EntryRecord> book;
    for (int i = 1; i <= 14; ++i) {
        const std::string code = "C" + std::to_string(i);
        names.emplace_back(code, "Name " + std::to_string(i));
        book.push_back(entry(2001, 5, 1, code, -100 * (i == 14 ? 13 : i)));
    }
    names.emplace_back("C13", "Again");  // the same code again: drawn once
    book.push_back(entry(2001, 5, 2, "GONE", -50));
    const ReportSplit split =
        listed(book, serialFromDate(2001, 1, 1), serialFromDate(2001, 12, 31));
    const CategoryChart chart = categoryChart(split, categoriesOf(names), regional);
    ASSERT_EQ(chart.moneyOut.bars.size(), 15u);
    EXPECT_EQ(chart.moneyOut.total, cents(-10450));

    const std::vector<CategoryBar> bars = largestFirst(chart.moneyOut, regional);
    std::vector<std::string> labels;
    for (const CategoryBar& b : bars)
        labels.push_back(b.label);
    // Equal amounts keep the category file's order.
    EXPECT_EQ(labels, (std::vector<std::string>{"Name 13", "Name 14", "Name 12", "Name 11",
                                                "Name 10", "Name 9", "Name 8", "Name 7", "Name 6",
                                                "Name 5", "Name 4", "Name 3", "Other"}));
    EXPECT_EQ(bars[0], (CategoryBar{fitField("C13", 10), "Name 13", cents(-1300), "12.44"}));
    // Other: the two smallest and the entry of no category.
    EXPECT_EQ(bars.back(), (CategoryBar{"", "Other", cents(-350), "3.35"}));
    EXPECT_TRUE(chart.moneyIn.bars.empty());
    EXPECT_TRUE(largestFirst(chart.moneyIn, regional).empty());
}

TEST_F(ChartDataTest, RangesUnder90DaysGoByWeekOverFiveYearsByYear) {
    const DaySerial start = serialFromDate(2001, 3, 1);
    EXPECT_EQ(periodLengthFor(start, start + 88), PeriodLength::Week);
    EXPECT_EQ(periodLengthFor(start, start + 89), PeriodLength::Month);
    EXPECT_EQ(periodLengthFor(start, serialFromDate(2006, 2, 28)), PeriodLength::Month);
    EXPECT_EQ(periodLengthFor(start, serialFromDate(2006, 3, 1)), PeriodLength::Year);
    // From 29 February five years on is 28 February.
    EXPECT_EQ(periodLengthFor(serialFromDate(2000, 2, 29), serialFromDate(2005, 2, 27)),
              PeriodLength::Month);
    EXPECT_EQ(periodLengthFor(serialFromDate(2000, 2, 29), serialFromDate(2005, 2, 28)),
              PeriodLength::Year);
}

TEST_F(ChartDataTest, WeeksRunFromMondayToSunday) {
    // Wednesday 13 June to Tuesday 26 June 2001: three weeks from Monday 11 June.
    const std::vector<EntryRecord> book = {
        entry(2001, 6, 26, "A", -100), entry(2001, 6, 18, "A", 200), entry(2001, 6, 17, "A", -300),
        entry(2001, 6, 13, "A", 400)};
    const auto weeks =
        periods(book, serialFromDate(2001, 6, 13), serialFromDate(2001, 6, 26), PeriodLength::Week);
    ASSERT_EQ(weeks.size(), 3u);
    EXPECT_EQ(weeks[0].label, "06/11/2001");
    EXPECT_EQ(weeks[0].first, serialFromDate(2001, 6, 11));
    EXPECT_EQ(weeks[0].last, serialFromDate(2001, 6, 17));
    EXPECT_EQ(weeks[0].income, cents(400));
    EXPECT_EQ(weeks[0].expense, cents(-300));
    EXPECT_EQ(weeks[1].label, "06/18/2001");
    EXPECT_EQ(weeks[1].net, cents(200));
    EXPECT_EQ(weeks[2].label, "06/25/2001");
    EXPECT_EQ(weeks[2].net, cents(-100));
}

TEST_F(ChartDataTest, MonthsFromTheRangesFirstToItsLast) {
    const std::vector<EntryRecord> book = {entry(2001, 3, 1, "A", -100),
                                           entry(2001, 2, 28, "A", 250), entry(2001, 2, 1, "A", 75),
                                           entry(2001, 1, 31, "A", -1)};
    const auto months =
        periods(book, serialFromDate(2001, 1, 31), serialFromDate(2001, 3, 1), PeriodLength::Month);
    ASSERT_EQ(months.size(), 3u);
    EXPECT_EQ(months[0].label, "Jan 2001");
    EXPECT_EQ(months[0].first, serialFromDate(2001, 1, 1));
    EXPECT_EQ(months[0].net, cents(-1));
    EXPECT_EQ(months[1].label, "Feb 2001");
    EXPECT_EQ(months[1].last, serialFromDate(2001, 2, 28));
    EXPECT_EQ(months[1].income, cents(325));
    EXPECT_EQ(months[2].label, "Mar 2001");
    EXPECT_EQ(months[2].expense, cents(-100));
}

TEST_F(ChartDataTest, FiscalYearsStartingMidMonth) {
    settings.setFyMonth(4);
    settings.setFyDay(15);
    const std::vector<EntryRecord> book = {entry(2006, 4, 14, "A", 5), entry(2001, 4, 15, "A", 300),
                                           entry(2001, 4, 14, "A", -200)};
    const auto years =
        periods(book, serialFromDate(2001, 1, 1), serialFromDate(2006, 4, 14), PeriodLength::Year);
    ASSERT_EQ(years.size(), 6u);
    EXPECT_EQ(years[0].label, "FY 2001");  // 15 April 2000 to 14 April 2001
    EXPECT_EQ(years[0].first, serialFromDate(2000, 4, 15));
    EXPECT_EQ(years[0].last, serialFromDate(2001, 4, 14));
    EXPECT_EQ(years[0].net, cents(-200));
    EXPECT_EQ(years[1].label, "FY 2002");
    EXPECT_EQ(years[1].net, cents(300));
    EXPECT_EQ(years[5].label, "FY 2006");
    EXPECT_EQ(years[5].net, cents(5));

    settings.setFyMonth(1);
    settings.setFyDay(1);
    const auto calendar =
        periods(book, serialFromDate(2001, 1, 1), serialFromDate(2006, 4, 14), PeriodLength::Year);
    ASSERT_EQ(calendar.size(), 6u);
    EXPECT_EQ(calendar[0].label, "2001");
    EXPECT_EQ(calendar[0].net, cents(100));
}

TEST_F(ChartDataTest, EmptyRangesSingleEntriesAndZeroAmounts) {
    const DaySerial first = serialFromDate(2001, 1, 1), last = serialFromDate(2001, 12, 31);
    const auto categories = categoriesOf({{"A", "Alpha"}});

    // A range without entries: every month, all zero, a flat balance.
    ChartData none =
        chartData(listed({}, first, last), first, last, categories, settings, regional);
    EXPECT_TRUE(none.empty);
    EXPECT_EQ(none.periods.size(), 12u);
    EXPECT_EQ(none.periods[11].net, Money());
    EXPECT_EQ(none.balance, (std::vector<BalancePoint>{{first, Money()}, {last, Money()}}));
    // A range that ends before it starts: nothing at all.
    const ReportSplit nothing;
    EXPECT_TRUE(periodTotals(nothing, last, first, PeriodLength::Month, 1, 1, regional).empty());
    EXPECT_TRUE(runningBalance(nothing, last, first).empty());

    // One entry, and one on the first day.
    const std::vector<EntryRecord> one = {entry(2001, 6, 15, "A", -1234)};
    ChartData single =
        chartData(listed(one, first, last), first, last, categories, settings, regional);
    EXPECT_FALSE(single.empty);
    EXPECT_EQ(single.categories.moneyOut.bars,
              (std::vector<CategoryBar>{{fitField("A", 10), "Alpha", cents(-1234), "100"}}));
    EXPECT_EQ(single.periods[5].expense, cents(-1234));
    EXPECT_EQ(
        single.balance,
        (std::vector<BalancePoint>{
            {first, Money()}, {serialFromDate(2001, 6, 15), cents(-1234)}, {last, cents(-1234)}}));
    const std::vector<EntryRecord> onFirst = {entry(2001, 1, 1, "A", 500)};
    EXPECT_EQ(
        runningBalance(listed(onFirst, first, last), first, last),
        (std::vector<BalancePoint>{{first, Money()}, {first, cents(500)}, {last, cents(500)}}));

    // Open items only: listed, but no bars, zero periods, a flat balance.
    const std::vector<EntryRecord> zeros = {entry(2001, 3, 1, "A", 0), entry(2001, 2, 1, "A", 0)};
    ChartData open =
        chartData(listed(zeros, first, last), first, last, categories, settings, regional);
    EXPECT_FALSE(open.empty);
    EXPECT_TRUE(open.categories.moneyOut.bars.empty());
    EXPECT_TRUE(largestFirst(open.categories.moneyIn, regional).empty());
    EXPECT_EQ(open.periods[1].net, Money());
    EXPECT_EQ(open.balance, (std::vector<BalancePoint>{{first, Money()}, {last, Money()}}));
}

TEST_F(ChartDataTest, AReportListCountsAnEntryFoundTwiceAndWidensTheRange) {
    const std::vector<EntryRecord> book = {entry(2001, 6, 3, "FOOD", -700, "fish", 3),
                                           entry(2001, 6, 2, "CAR", -4000, "fuel", 2),
                                           entry(2001, 6, 1, "FOOD", 0, "fish soon", 1)};
    ListQuery food = query, fish = query;
    food.categoryFilterCode = fitField("FOOD", 10);
    fish.searchArgument = "FISH";
    for (ListQuery* q : {&food, &fish}) {
        q->rangeStart = serialFromDate(2001, 1, 1);
        q->rangeEnd = serialFromDate(2001, 12, 31);
    }
    dir.write("quillbank.dat", fileOf(book));
    const ReportSplit split = reportListEntries(dir.file("quillbank.dat"), {food, fish}, settings);
    EXPECT_EQ(TotalUp(split.expense), cents(-1400));
    EXPECT_EQ(split.todo.count(), 2u);
    EXPECT_EQ(entrySpan(split), std::pair(serialFromDate(2001, 6, 1), serialFromDate(2001, 6, 3)));
    // Bounds narrower than the entries take them in all the same.
    const auto months = periodTotals(split, serialFromDate(2001, 7, 1), serialFromDate(2001, 7, 31),
                                     PeriodLength::Month, 1, 1, regional);
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months[0].expense, cents(-1400));
}

}  // namespace
}  // namespace qbk

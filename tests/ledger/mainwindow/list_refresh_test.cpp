#include "mainwindow/list_refresh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/windows1252.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

class ListRefreshTest : public ::testing::Test {
  protected:
    ListRefreshTest() {
        query.categoryFilterCode = fitField("", 10);
        query.categoryFilterName = "All Categories";
        query.rangeStart = serialFromDate(2001, 1, 1);
        query.rangeEnd = serialFromDate(2001, 12, 31);
    }
    void book(const std::vector<EntryRecord>& records) {
        dir.write("quillbank.dat", fileOf(records));
    }
    // The list as the window makes it, from the book read whole into memory, must be the
    // list read from the file block by block.
    ListView refresh(const std::string* report = nullptr) {
        const std::string path = dir.file("quillbank.dat");
        if (report != nullptr) return PopMainGrid(path, book_, query, settings, regional, report);
        ListView scanned = PopMainGrid(path, query, settings, regional);
        const ListView kept = PopMainGrid(path, book_, query, settings, regional);
        EXPECT_EQ(textsOf(kept), textsOf(scanned));
        EXPECT_EQ(kept.panels, scanned.panels);
        EXPECT_EQ(kept.recordCount, scanned.recordCount);
        return scanned;
    }
    static std::vector<std::string> textsOf(const ListView& v) {
        std::vector<std::string> texts;
        for (std::size_t row = 0; row < v.size(); ++row)
            texts.push_back(std::to_string(v.recordNumber(row)) + "\t" + v.rowText(row));
        return texts;
    }
    std::vector<double> stampsOf(const ListView& v) {
        std::vector<double> s;
        for (std::size_t row = 0; row < v.size(); ++row)
            s.push_back(v.stamp(row));
        return s;
    }

    testing::TempFolder dir;
    ListQuery query;
    SettingsRecord settings = SettingsRecord::defaults();
    RegionalSettings regional = RegionalSettings::unitedStates();
    CachedFile book_;
};

TEST_F(ListRefreshTest, AnEmptyBookShowsZerosAndNoRows) {
    const ListView v = refresh();
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.panels, (std::array<std::string, 5>{"(+) $0.00", "(-) $0.00", "(=) $0.00",
                                                    "0 Items", "Category = All Categories "}));
}

TEST_F(ListRefreshTest, RowsHoldTheCellTextsInColumnOrderWithColours) {
    book({entry(2001, 4, 1, "FOOD", -1250, "  lunch at café  ", 89200.5, "shop", "card"),
          entry(2001, 3, 1, "PAY", 200000, "salary", 2), entry(2001, 2, 1, "OPEN", 0, "to do", 3)});
    const ListView v = refresh();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v.rowText(0),
              "04/01/2001\t($12.50)\tlunch at café\tshop      \tcard      \tFOOD      \t89200.5");
    EXPECT_EQ(v.cell(0, 2), "lunch at café");
    EXPECT_EQ(v.cell(0, 6), "89200.5");
    EXPECT_EQ(v.amountColour(0), AmountColour::Red);
    EXPECT_EQ(v.cell(1, 1), "$2,000.00");
    EXPECT_EQ(v.amountColour(1), AmountColour::Black);
    EXPECT_EQ(v.cell(2, 1), "****?****");
    EXPECT_EQ(v.amountColour(2), AmountColour::Blue);
    EXPECT_EQ(v.panels[0], "(+) $2,000.00");
    EXPECT_EQ(v.panels[1], "(-) ($12.50)");
    EXPECT_EQ(v.panels[2], "(=) $1,987.50");
    EXPECT_EQ(v.panels[3], "3 Items");
}

TEST_F(ListRefreshTest, TheColumnOrderRearrangesTheMiddleColumns) {
    book({entry(2001, 4, 1, "FOOD", 100, "note", 1, "one", "two")});
    settings.setGridOrder("-21n-");
    EXPECT_EQ(refresh().rowText(0),
              "04/01/2001\t$1.00\ttwo       \tone       \tnote\tFOOD      \t1");
    settings.setGridOrder("--n12");
    EXPECT_EQ(refresh().rowText(0),
              "04/01/2001\t$1.00\tFOOD      \tnote\tone       \ttwo       \t1");
    settings.setGridOrder("bogus");  // laid out as the default order
    const ListView v = refresh();
    EXPECT_EQ(v.rowText(0), "04/01/2001\t$1.00\tnote\tone       \ttwo       \tFOOD      \t1");
    EXPECT_EQ(v.headerFormat.substr(0, 5), "<Date");
}

TEST_F(ListRefreshTest, DeletedRecordsNeverShowAndTheRangeIncludesBothEnds) {
    EntryRecord gone = entry(2001, 6, 1, "A", 100, "", 9);
    gone.deletedMark = "Y";
    EntryRecord lower = entry(2001, 6, 1, "A", 100, "", 8);
    lower.deletedMark = "y";  // only "Y" deletes
    book({entry(2002, 1, 1, "A", 100, "", 1), entry(2001, 12, 31, "A", 100, "", 2), gone, lower,
          entry(2001, 1, 1, "A", 100, "", 3), entry(2000, 12, 31, "A", 100, "", 4)});
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{2, 8, 3}));
    query.macroMode = true;
    const ListView macro = refresh();
    EXPECT_EQ(stampsOf(macro), (std::vector<double>{1, 2, 8, 3, 4}));
    EXPECT_EQ(macro.cell(0, 0), "(macro)");
}

TEST_F(ListRefreshTest, NoDateIsInNoRangeAndNoStampShowsTheNoValueText) {
    std::vector<EntryRecord> records;
    for (const double date : {std::nan(""), -std::nan(""), 1e100, -1e100,
                              std::numeric_limits<double>::infinity(), 2958466.0}) {
        records.push_back(entry(2000, 1, 1, "A", 700, "", 9));
        records.back().entryDate = date;
    }
    records.push_back(entry(2000, 1, 2, "A", 100, "", 1e100));
    records.push_back(entry(2000, 1, 1, "A", -200, "", 5e-324));
    book(records);
    query.rangeStart = serialFromDate(2000, 1, 1);
    query.rangeEnd = serialFromDate(2000, 1, 2);
    const ListView v = refresh();
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v.rowText(0), "01/02/2000\t$1.00\t\t          \t          \tA         \t****?****");
    EXPECT_EQ(v.cell(1, 6), "0." + std::string(323, '0') + "5");
    EXPECT_EQ(v.panels[2], "(=) ($1.00)");
    query.rangeStart = kFirstDaySerial;
    query.rangeEnd = kLastDaySerial;
    EXPECT_EQ(refresh().size(), 2u);
    query.macroMode = true;  // macro entries have no date of their own
    EXPECT_EQ(refresh().size(), 8u);
}

TEST_F(ListRefreshTest, TheCategoryFilterComparesTheStoredCodeExactly) {
    book({entry(2001, 4, 1, "FOOD", 100, "", 1), entry(2001, 4, 1, "food", 100, "", 2),
          entry(2001, 4, 1, "FOODS", 100, "", 3)});
    query.categoryFilterCode = fitField("FOOD", 10);
    query.categoryFilterName = "Groceries           ";
    const ListView v = refresh();
    EXPECT_EQ(stampsOf(v), (std::vector<double>{1}));
    EXPECT_EQ(v.panels[4], "Category = Groceries ");
}

TEST_F(ListRefreshTest, WordSearchLooksInNoteAndInFreeTextUserFields) {
    book({entry(2001, 4, 1, "A", 100, "the alphabet", 1),
          entry(2001, 4, 1, "B", 100, "nothing", 2, "alpha"),
          entry(2001, 4, 1, "C", 100, "nothing", 3, "", "ALPHA")});
    query.categoryFilterCode = fitField("Z", 10);  // ignored during a search
    query.searchArgument = "ALPHA";
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{1}));
    settings.setUdf1Save("N");
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{1, 2}));
    settings.setUdf2Save("N");
    const ListView v = refresh();
    EXPECT_EQ(stampsOf(v), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(v.panels[4], "Word Search = ALPHA ");
}

TEST_F(ListRefreshTest, WordSearchSeesTheFieldsJoinedByBlanksInAnyLetterCase) {
    const std::string note(56, '.');
    book({entry(2001, 4, 1, "A", 100, note + "fish", 1, "Market"),
          entry(2001, 4, 1, "A", 100, "Café Noir", 2)});
    settings.setUdf1Save("N");
    query.searchArgument = "FISH MARKET";
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{1}));
    query.searchArgument = "SHMA";  // the bytes run on in the record, but not in the text
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{}));
    query.searchArgument = ansiUpper("café n");
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{2}));
}

TEST_F(ListRefreshTest, CompleteWordsNeedBlanksAroundThem) {
    book({entry(2001, 4, 1, "A", 100, "many fish", 1), entry(2001, 4, 1, "A", 100, "bluefish", 2),
          entry(2001, 4, 1, "A", 100, "fish, chips", 3), entry(2001, 4, 1, "A", 100, "Fish", 4)});
    query.searchArgument = " FISH ";
    const ListView word = refresh();
    EXPECT_EQ(stampsOf(word), (std::vector<double>{1, 4}));
    EXPECT_EQ(word.panels[4], "Word Search = FISH ");
    query.searchArgument = "FISH";
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{1, 2, 3, 4}));
}

TEST_F(ListRefreshTest, PickListSearchComparesTheWholeFieldValue) {
    book({entry(2001, 4, 1, "A", 100, "", 1, "shop"), entry(2001, 4, 1, "A", 100, "", 2, " SHOP"),
          entry(2001, 4, 1, "A", 100, "", 3, "shopping"),
          entry(2001, 4, 1, "A", 100, "", 4, "", "shop")});
    settings.setUdf1Name("Vendor");
    query.searchArgument = "|UDF1|SHOP";
    const ListView v = refresh();
    EXPECT_EQ(stampsOf(v), (std::vector<double>{1, 2}));
    EXPECT_EQ(v.panels[4], "Vendor = SHOP ");
    query.searchArgument = "|UDF2|SHOP";
    EXPECT_EQ(stampsOf(refresh()), (std::vector<double>{4}));
}

TEST_F(ListRefreshTest, ReportModeAppendsEveryListedRecordToTheReportList) {
    const EntryRecord a = entry(2001, 4, 1, "A", 100, "", 1);
    const EntryRecord b = entry(2001, 4, 2, "B", -100, "", 2);
    book({b, a});
    const std::string report = dir.file("report.tmp");
    refresh(&report);
    PopMainGrid(dir.file("quillbank.dat"), query, settings, regional, &report);
    EXPECT_EQ(dir.read("report.tmp"), fileOf({b, a, b, a}));
    EXPECT_EQ(reportPanelText(4), "Reporting: 4 items selected.");
}

TEST_F(ListRefreshTest, CommaDecimalSettingsShapeEveryText) {
    book({entry(2001, 4, 1, "A", -123456, "", 1), entry(2001, 4, 2, "A", 500, "", 2)});
    regional = RegionalSettings::germany();
    const ListView v = refresh();
    EXPECT_EQ(v.cell(0, 0), "01.04.2001");
    EXPECT_EQ(v.cell(0, 1), "-1.234,56 €");
    EXPECT_EQ(v.panels[2], "(=) -1.229,56 €");
}

}  // namespace
}  // namespace qbk

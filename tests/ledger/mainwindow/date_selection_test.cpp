#include "mainwindow/date_selection.h"

#include <gtest/gtest.h>

#include "mainwindow/searches.h"

namespace qbk {
namespace {

const RegionalSettings us = RegionalSettings::unitedStates();

TEST(StepDateText, MovesAcrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(stepDateText("02/28/2000", 1, us), "02/29/2000");
    EXPECT_EQ(stepDateText("02/28/2001", 1, us), "03/01/2001");
    EXPECT_EQ(stepDateText("01/01/2001", -1, us), "12/31/2000");
    EXPECT_EQ(stepDateText("03/01/2001", -365, us), "03/01/2000");
    EXPECT_EQ(stepDateText("01/15/2001", 30, us), "02/14/2001");
    EXPECT_EQ(stepDateText("  06/15/2001 ", -30, us), "05/16/2001");
    // The century is never lost, also for years a two-digit text would misread.
    EXPECT_EQ(stepDateText("12/31/1929", 1, us), "01/01/1930");
    EXPECT_EQ(stepDateText("06/15/2001", 365 * 30, us), "06/08/2031");
    EXPECT_EQ(stepDateText("15.06.2001", 1, RegionalSettings::germany()), "16.06.2001");
}

TEST(StepDateText, LeavesTextsThatAreNoDateOrWouldLeaveTheCalendar) {
    EXPECT_EQ(stepDateText("", 1, us), std::nullopt);
    EXPECT_EQ(stepDateText("(macro)", 1, us), std::nullopt);
    EXPECT_EQ(stepDateText("02/30/2001", 1, us), std::nullopt);
    EXPECT_EQ(stepDateText("12/31/9999", 1, us), std::nullopt);
    EXPECT_EQ(stepDateText("01/01/0100", -1, us), std::nullopt);
}

TEST(SelectedDates, TheLatestMayEqualButNotPrecedeTheEarliest) {
    EXPECT_EQ(selectedDatesRefusal("06/15/2001", "06/15/2001", us), std::nullopt);
    EXPECT_EQ(selectedDatesRefusal("12/31/2000", "01/01/2001", us), std::nullopt);
    EXPECT_EQ(selectedDatesRefusal("01/01/2001", "12/31/2000", us),
              (Message{"The latest date you have selected: 12/31/2000\r\n\r\n is older than the "
                       "earliest: 01/01/2001\r\n\r\nPlease try again.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
}

TEST(SearchTexts, PromptsAndPickListSearches) {
    EXPECT_EQ(completeWordPrompt(),
              "This search looks for the complete item you specify, not for the item \"buried\" "
              "in a larger word. For example, it will find \"fish\" in \"many fish\" but not in "
              "\"bluefish\"\r\n\r\nLook for what?");
    EXPECT_EQ(fragmentPrompt(),
              "This search looks for the item you specify, even if it is only part of a longer "
              "word. For example, it will find \"fish\" in \"many fish\" and also in "
              "\"bluefish\"\r\n\r\nLook for what?");
    EXPECT_EQ(pickListSearchText(1, "  shop "), "|udf1|SHOP");
    EXPECT_EQ(pickListSearchText(2, "café au"), "|udf2|CAFÉ AU");
    EXPECT_EQ(pickerCaption("user 1    "), "Select user 1    ");
}

}  // namespace
}  // namespace qbk

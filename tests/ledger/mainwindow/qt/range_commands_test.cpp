// The R&ange menu and the date selector.

#include <QCalendarWidget>

#include "entry_window.h"
#include "platform/qt/typed_date_box.h"

namespace qbk {
namespace {

using testing::entry;
using testing::kStamp1;
using testing::kStamp2;
using testing::kStamp3;
using testing::kStamp4;

class RangeTest : public testing::EntryWindowTest {
  protected:
    void SetUp() override { writeSampleBook(); }
    SettingsRecord fiscalYearFrom(int month, int day, int startupRange = 0) {
        SettingsRecord s = SettingsRecord::defaults();
        s.setFyMonth(static_cast<std::int16_t>(month));
        s.setFyDay(static_cast<std::int16_t>(day));
        s.setStartupRange(static_cast<std::int16_t>(startupRange));
        return s;
    }
    std::string label() const { return utf8(panel(window->generalStatusBar(), 1)); }
    std::string shown() const { return text("DateDialDisplay"); }
    std::string latest() const { return text("DateDialLatest"); }
    void typeDates(const char* earliest, const char* latest) {
        for (auto [name, typed] :
             {std::pair{"DateDialDisplay", earliest}, std::pair{"DateDialLatest", latest}}) {
            if (!*typed) continue;
            box(name)->clear();
            QTest::keyClicks(box(name), QString::fromUtf8(typed));
        }
    }
    void run(const char* item) { window->runCommand(item); }
};

// ---- Fiscal years ----

TEST_F(RangeTest, CurrentFiscalYearOfACalendarYear) {
    startWith();
    run("mu_30Days");
    activate();
    key(window->mainGrid(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(label(), "FY 2001 - 01/01/2001  >>  12/31/2001");
    EXPECT_EQ(window->state().RangeStart, "01/01/2001");
    EXPECT_EQ(window->state().RangeEnd, "12/31/2001");
    EXPECT_EQ(window->state().FYStartYear, 2001);
    EXPECT_EQ(rows(), 4);
}

TEST_F(RangeTest, AFiscalYearFromAprilBeginsInTheYearOfItsFirstDay) {
    clock.setToday(serialFromDate(2001, 3, 31));
    startWith(fiscalYearFrom(4, 1));
    run("mu_FiscalYear");
    EXPECT_EQ(window->state().FYStartYear, 2000);
    EXPECT_EQ(label(), "FY 2001 - 04/01/2000  >>  03/31/2001");
    clock.setToday(serialFromDate(2001, 4, 1));
    run("mu_FiscalYear");
    EXPECT_EQ(window->state().FYStartYear, 2001);
    EXPECT_EQ(label(), "FY 2002 - 04/01/2001  >>  03/31/2002");
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp2, kStamp3, kStamp4}));
}

TEST_F(RangeTest, NextAndPreviousStepFromTheYearLastShown) {
    startWith();
    run("mu_NextYear");
    run("mu_NextYear");
    run("mu_previousYear");
    EXPECT_EQ(window->state().FYStartYear, 2002);
    EXPECT_EQ(label(), "FY 2002 - 01/01/2002  >>  12/31/2002");
    EXPECT_EQ(rows(), 0);
    // A default range of 0 shows the fiscal year last chosen, not today's.
    run("mu_30Days");
    run("mu_DefaultRange");
    EXPECT_EQ(label(), "FY 2002 - 01/01/2002  >>  12/31/2002");
    activate();
    key(window->mainGrid(), Qt::Key_F3, Qt::ControlModifier);
    key(window->mainGrid(), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(label(), "FY 2000 - 01/01/2000  >>  12/31/2000");
    key(window->mainGrid(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(window->state().FYStartYear, 2001);
    EXPECT_EQ(rows(), 4);
}

TEST_F(RangeTest, AFiscalYearStartingOnADayTheMonthLacksStartsOnItsLastDay) {
    startWith(fiscalYearFrom(2, 29));
    EXPECT_EQ(label(), "FY 2002 - 02/28/2001  >>  02/27/2002");
    run("mu_NextYear");
    run("mu_NextYear");
    EXPECT_EQ(label(), "FY 2004 - 02/28/2003  >>  02/28/2004");
    run("mu_NextYear");
    EXPECT_EQ(label(), "FY 2005 - 02/29/2004  >>  02/27/2005");
}

// ---- Day counts and the default ----

TEST_F(RangeTest, DayCountsEndTodayAndIncludeBothEnds) {
    clock.setToday(serialFromDate(2001, 3, 1));
    writeBook({entry(2001, 3, 1, "A", 100, "today", 3), entry(2000, 3, 1, "A", 100, "first", 2),
               entry(2000, 2, 29, "A", 100, "too old", 1)});
    startWith();
    run("mu_365days");
    EXPECT_EQ(label(), "1 Year - 03/01/2000  >>  03/01/2001");
    EXPECT_EQ(listedStamps(), (std::vector<double>{3, 2}));
    const std::vector<std::pair<const char*, std::string>> items = {
        {"mu_30Days", "30 Days - 01/30/2001"},   {"mu_60days", "60 Days - 12/31/2000"},
        {"mu_90days", "90 Days - 12/01/2000"},   {"mu_180days", "180 Days - 09/02/2000"},
        {"mu_730days", "2 Years - 03/02/1999"},  {"mu_1095days", "3 Years - 03/02/1998"},
        {"mu_1460days", "4 Years - 03/02/1997"}, {"mu_1825days", "5 Years - 03/02/1996"}};
    for (const auto& [item, start] : items) {
        run(item);
        EXPECT_EQ(label(), start + "  >>  03/01/2001") << item;
    }
    EXPECT_EQ(window->action("mu_180days")->text(), "1&80 days");
}

TEST_F(RangeTest, DefaultRangeIsTheStartUpRange) {
    startWith(fiscalYearFrom(1, 1, 90));
    EXPECT_EQ(label(), "90 Days - 03/17/2001  >>  06/15/2001");
    run("mu_FiscalYear");
    activate();
    key(window->mainGrid(), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(label(), "90 Days - 03/17/2001  >>  06/15/2001");
    EXPECT_TRUE(window->mainGrid()->hasFocus());
}

TEST_F(RangeTest, ARangeChangeKeepsTheSearchAndInReportModeOnlyTheLabelChanges) {
    startWith();
    window->state().SearchText = "fish";
    window->refreshList();
    run("mu_30Days");
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp3}));
    EXPECT_EQ(panel(window->displayStatusBar(), 5), "Word Search = FISH ");
    window->state().ReportMode = true;
    run("mu_NextYear");
    EXPECT_EQ(label(), "FY 2002 - 01/01/2002  >>  12/31/2002");
    EXPECT_EQ(listedStamps(), (std::vector<double>{kStamp1, kStamp3}));
}

// ---- Select Dates ----

TEST_F(RangeTest, SelectDatesAsksBothDatesAtOnceAndAgainWhenTheyMakeNoRange) {
    startWith();
    std::vector<std::string> seen;
    const auto shownBoth = [&] {
        seen.push_back(shown());
        seen.push_back(latest());
    };
    answerDateSelector({[&] {
                            seen.push_back(dateDialQuestion());
                            shownBoth();
                            // The buttons step the box last used: first the earliest.
                            for (const char* b : {"DateDial365More", "DateDial30Less",
                                                  "DateDial1Less", "DateDial1Less"})
                                click(b);
                            box("DateDialLatest")->setFocus();
                            for (const char* b : {"DateDial365Less", "DateDial1More"})
                                click(b);
                            shownBoth();
                            click("DateDialOK");
                        },
                        [&] {
                            shownBoth();
                            typeDates("13/01/2001", "12/31/2001");
                            key(box("DateDialDisplay"), Qt::Key_Return);
                        },
                        [&] {
                            shownBoth();
                            click("DateDialQuit");
                        }});
    run("mu_SelectDates");
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "What is the earliest date you wish to see?\nWhat is the latest date you "
                        "wish to see?",
                        "01/01/2001", "12/31/2001", "11/30/2001", "01/01/2001", "01/01/2001",
                        "12/31/2001", "01/01/2001", "12/31/2001"}));
    // The latest is older than the earliest, then a typed text is no date: each is said,
    // and both dates are asked again from the range as it was.
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text,
              "The latest date you have selected: 01/01/2001\r\n\r\n is older than the earliest: "
              "11/30/2001\r\n\r\nPlease try again.");
    EXPECT_EQ(prompts.messages[1],
              (Message{"The date \"13/01/2001\" is not a date.\r\n\r\nPlease try again.",
                       "Nothing to do!", Icon::Information, Buttons::Ok, 1}));
    EXPECT_EQ(label(), "FY 2001 - 01/01/2001  >>  12/31/2001");
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
}

TEST_F(RangeTest, TypedDatesAndTheCalendarMakeTheRange) {
    startWith();
    answerDateSelector({[&] {
        typeDates("1/6/2001", "");
        // With QBK_PICTURES set, the selector as drawn goes to that folder.
        if (const QByteArray folder = qgetenv("QBK_PICTURES"); !folder.isEmpty())
            window->grab().save(QString::fromUtf8(folder) + QStringLiteral("/select-dates.png"));
        // The latest from the calendar: it opens on the date typed, Enter takes the day.
        box("DateDialLatest")->setText("02/04/2001");
        auto* picker = find<TypedDateBox>("DateDialLatest");
        picker->showCalendar();
        ASSERT_NE(picker->calendar(), nullptr);
        QTest::keyClick(picker->calendar()->focusWidget(), Qt::Key_Right);
        QTest::keyClick(picker->calendar()->focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(latest(), "02/05/2001");
        key(box("DateDialLatest"), Qt::Key_Return);
    }});
    run("mu_SelectDates");
    EXPECT_EQ(window->state().RangeStart, "01/06/2001");
    EXPECT_EQ(window->state().RangeEnd, "02/05/2001");
    EXPECT_EQ(label(), "01/06/2001  >>  02/05/2001");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(RangeTest, EqualDatesMakeAOneDayRangeWithoutAPrefix) {
    startWith();
    answerDateSelector({[&] {
        click("DateDialToday");
        click("DateDial1Less");
        click("DateDial365Less");
        click("DateDial365More");
        box("DateDialLatest")->setFocus();
        click("DateDialToday");
        click("DateDial1Less");
        click("DateDialOK");
    }});
    run("mu_SelectDates");
    EXPECT_EQ(label(), "06/14/2001  >>  06/14/2001");
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(window->mainGrid()->hasFocus());
}

TEST_F(RangeTest, EscapeAcceptsTheDatesShown) {
    startWith();
    answerDateSelector({[&] {
        click("DateDial30More");
        key(button("DateDialOK"), Qt::Key_Escape);
    }});
    run("mu_SelectDates");
    EXPECT_EQ(label(), "01/31/2001  >>  12/31/2001");
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
}

TEST_F(RangeTest, QuitKeepsTheRangeItHadAndTheListFollows) {
    startWith(fiscalYearFrom(1, 1, 90));
    run("mu_previousYear");
    answerDateSelector({[&] {
                            // Esc takes the dates shown and shows the default range meanwhile;
                            // they make no range, so both are asked again.
                            box("DateDialLatest")->setFocus();
                            click("DateDial365Less");
                            click("DateDial365Less");
                            key(button("DateDialOK"), Qt::Key_Escape);
                        },
                        [&] { click("DateDialQuit"); }});
    run("mu_SelectDates");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(window->state().RangeStart, "01/01/2000");
    EXPECT_EQ(label(), "FY 2000 - 01/01/2000  >>  12/31/2000");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(panel(window->displayStatusBar(), 4), "0 Items");
    EXPECT_FALSE(window->dateDialFrame()->isVisible());
}

TEST_F(RangeTest, EscapePutsTheDefaultRangeBackAndTheListWithIt) {
    startWith(fiscalYearFrom(1, 1, 90));
    const auto previousYear = [&] {
        run("mu_previousYear");
        EXPECT_EQ(rows(), 0);
    };
    const auto expectDefault = [&](const char* how) {
        EXPECT_EQ(label(), "90 Days - 03/17/2001  >>  06/15/2001") << how;
        EXPECT_EQ(rows(), 4) << how;
        EXPECT_EQ(panel(window->displayStatusBar(), 4), "4 Items") << how;
        EXPECT_EQ(panel(window->displayStatusBar(), 3), "(=) ($33.50)") << how;
    };
    previousYear();
    key(window->mainGrid(), Qt::Key_Escape);
    expectDefault("on the list");
    previousYear();
    window->runCommand("mu_NewEntry");
    key(box("AmountBox"), Qt::Key_Escape);
    EXPECT_FALSE(formOpen());
    expectDefault("closing the entry form");
    window->runCommand("mu_NewReport");
    previousYear();
    key(window->mainGrid(), Qt::Key_Escape);
    EXPECT_FALSE(window->state().ReportMode);
    expectDefault("leaving report mode");
}

TEST_F(RangeTest, TheSelectorShowsTodayAfterStartUpAndStepsStayInTheCalendar) {
    startWith();
    EXPECT_EQ(shown(), "06/15/2001");
    auto* selector = window->findChild<DateSelector*>(QStringLiteral("DateSelector"));
    selector->setDisplayText("12/31/9999");
    selector->step(1);
    EXPECT_EQ(shown(), "12/31/9999");
    EXPECT_FALSE(box("DateDialLatest")->isVisible());
    EXPECT_EQ(find<QLabel>("DateDialSelectionLabel")->text(), "Date Selected >>>");
    // One question at a time: a second one while the first waits is abandoned.
    std::optional<std::string> inner = "not asked";
    answerDateSelector({[&] {
        inner = selector->ask("second", std::nullopt);
        click("DateDialOK");
    }});
    EXPECT_EQ(selector->ask("first", std::string("01/02/2003")), "01/02/2003");
    EXPECT_EQ(inner, std::nullopt);
}

}  // namespace
}  // namespace qbk

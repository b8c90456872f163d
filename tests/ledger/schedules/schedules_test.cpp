// Schedules: the dates they fall on, their file, posting once, and the balance ahead.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/errors.h"
#include "schedules/forecast.h"
#include "schedules/posting.h"
#include "schedules/recurrence.h"
#include "store/book_files.h"
#include "store/record_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;
using testing::TempFolder;

Schedule rent(int id = 1) {
    Schedule s;
    s.id = id;
    s.first = serialFromDate(2024, 1, 31);
    s.amount = Money::fromUnits(-900);
    s.categoryCode = "RENT";
    s.note = "flat";
    return s;
}

// The dates of a schedule found the slow way: every day from the first date asks
// whether it is one of the recurrence's.
std::vector<DaySerial> slowDates(const Schedule& s, DaySerial after, DaySerial through) {
    const CivilDate first = *dateFromSerial(s.first);
    std::vector<DaySerial> dates;
    int counted = 0;
    for (DaySerial day = s.first; day <= through; ++day) {
        if (s.until && day > *s.until) break;
        if (s.times && counted == *s.times) break;
        const CivilDate d = *dateFromSerial(day);
        bool hit = false;
        const int months = (d.year - first.year) * 12 + d.month - first.month;
        const int wanted = s.dayOfMonth ? s.dayOfMonth : first.day;
        switch (s.every) {
            case Every::Day:
                hit = static_cast<long>(day - s.first) % s.interval == 0;
                break;
            case Every::Week:
                hit = static_cast<long>(day - s.first) % (7 * s.interval) == 0;
                break;
            case Every::Month:
            case Every::Year: {
                const int step = s.every == Every::Month ? s.interval : 12 * s.interval;
                const int lastDay = daysInMonth(d.year, d.month);
                hit = months % step == 0 && d.day == (wanted > lastDay ? lastDay : wanted);
            }
        }
        if (!hit) continue;
        ++counted;
        if (day > after) dates.push_back(day);
    }
    return dates;
}

TEST(Recurrence, MatchesADayByDayWalkOnRandomSchedules) {
    std::mt19937 random(26);
    const auto pick = [&](int least, int most) {
        return std::uniform_int_distribution<int>(least, most)(random);
    };
    for (int n = 0; n < 3000; ++n) {
        Schedule s = rent();
        s.every = static_cast<Every>(pick(0, 3));
        s.interval = pick(1, s.every == Every::Year ? 3 : 14);
        if (s.every == Every::Month || s.every == Every::Year)
            s.dayOfMonth = pick(0, 3) == 0 ? 0 : (pick(0, 2) == 0 ? 31 : pick(1, 31));
        // Leap years and the turn of 1900 and 2100 (no leap years) among the first dates.
        const int year = pick(0, 1) ? pick(1895, 1905) : pick(2094, 2104);
        const int month = pick(1, 12);
        s.first = serialFromDate(year, month, pick(1, daysInMonth(year, month)));
        const int end = pick(0, 2);
        if (end == 1) s.until = s.first + pick(0, 3000);
        if (end == 2) s.times = pick(1, 40);
        const DaySerial after = s.first + pick(-40, 2000), through = after + pick(0, 2500);
        ASSERT_EQ(scheduleDates(s, after, through), slowDates(s, after, through))
            << "every " << s.interval << " " << everyWord(s.every) << " day " << s.dayOfMonth
            << " from " << yyyymmdd(s.first) << " after " << yyyymmdd(after) << " through "
            << yyyymmdd(through);
    }
}

TEST(Recurrence, MonthEndsAndLeapDays) {
    Schedule s = rent();  // from 31 January 2024, monthly
    EXPECT_EQ(scheduleDates(s, s.first - 1, serialFromDate(2024, 4, 30)),
              (std::vector<DaySerial>{serialFromDate(2024, 1, 31), serialFromDate(2024, 2, 29),
                                      serialFromDate(2024, 3, 31), serialFromDate(2024, 4, 30)}));
    s.every = Every::Year;
    s.first = serialFromDate(2024, 2, 29);
    s.times = 2;
    EXPECT_EQ(unpostedDates(s, serialFromDate(2030, 1, 1)),
              (std::vector<DaySerial>{serialFromDate(2024, 2, 29), serialFromDate(2025, 2, 28)}));
    // A day of the month before the first date's starts in the next month.
    s = rent();
    s.dayOfMonth = 1;
    EXPECT_EQ(unpostedDates(s, serialFromDate(2024, 2, 1)),
              (std::vector<DaySerial>{serialFromDate(2024, 2, 1)}));
}

TEST(ScheduleFile, KeepsEverySchedulesFieldsInOneLineEach) {
    TempFolder folder;
    Schedule macro;
    macro.id = 7;
    macro.first = serialFromDate(2024, 1, 31);
    macro.macroPath = "/home/al/bills \xC3\xA9t\xC3\xA9.qbk";
    macro.every = Every::Week;
    macro.interval = 2;
    macro.until = serialFromDate(2025, 6, 30);
    Schedule salary = rent(3);
    salary.amount = Money::fromRaw(2500'1234);
    salary.categoryCode = "PAY";
    salary.note = "Caf\xC3\xA9 wages";
    salary.userField1 = "ACME";
    salary.dayOfMonth = 31;
    salary.times = 12;
    salary.lastPosted = serialFromDate(2024, 2, 29);
    const std::string path = folder.file(std::string(kSchedulesFileName));
    writeSchedules(path, {rent(), macro, salary});
    EXPECT_EQ(folder.read("schedules.txt"),
              std::string(schedule_layout::kHeader) + "\r\n" +
                  "1\tmonth\t1\t0\t20240131\t-\t-\t-\tentry\t-900.00\tRENT\tflat\t\t\r\n"
                  "7\tweek\t2\t0\t20240131\t20250630\t-\t-\tmacro\t/home/al/bills \xE9t\xE9.qbk\r\n"
                  "3\tmonth\t1\t31\t20240131\t-\t12\t20240229\tentry\t2500.1234\tPAY\tCaf\xE9 wages"
                  "\tACME\t\r\n");
    EXPECT_EQ(readSchedules(path), (Schedules{rent(), macro, salary}));

    folder.write("schedules.txt",
                 "# mine\r\n\r\n1\tmonth\t1\t0\t20240131\t-\t-\t-\tentry\t-9\tX\t\t\t\n"
                 "2\tfortnight\t1\t0\t20240131\t-\t-\t-\tentry\t-9\tX\t\t\t\n");
    try {
        readSchedules(path);
        FAIL() << "a damaged line was read";
    } catch (const OperationError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Line 4 of " + path +
                      " has no recurrence (day, week, month or year): 2\tfortnight"
                      "\t1\t0\t20240131\t-\t-\t-\tentry\t-9\tX\t\t\t");
    }
}

class Posting : public ::testing::Test {
  protected:
    void SetUp() override {
        book.write("quillbank.dat", fileOf({entry(2024, 3, 5, "FOOD", -1000, "bread", 45000.5)}));
        Schedule pay = rent(2);
        pay.first = serialFromDate(2024, 2, 15);
        pay.amount = Money::fromUnits(2000);
        pay.categoryCode = "PAY";
        writeSchedules(book.file("schedules.txt"), {rent(), pay});
    }
    std::vector<PlannedEntry> post(DaySerial through, const DueChoice& choice = {}) {
        StampSource stamps(clock);
        SortKeyMemory keys;
        return postDue(book.path(), through, stamps, keys, choice);
    }
    TempFolder book;
    ManualClock clock{serialFromDate(2024, 4, 1), 600};
};

TEST_F(Posting, FilesEachDueEntryOnceOnItsDateWithFreshStamps) {
    const DaySerial april = serialFromDate(2024, 4, 1);
    ASSERT_EQ(dueEntries(book.path(), april).size(), 5u);  // rent Jan-Mar, pay Feb-Mar
    const std::vector<PlannedEntry> posted = post(april);
    ASSERT_EQ(posted.size(), 5u);
    EXPECT_TRUE(post(april).empty());
    const std::vector<EntryRecord> records = readRecords(book.file("quillbank.dat"));
    ASSERT_EQ(records.size(), 6u);
    std::vector<std::string> lines;
    for (const EntryRecord& r : records)
        lines.push_back(yyyymmdd(r.entryDate) + " " + r.categoryCode);
    EXPECT_EQ(lines, (std::vector<std::string>{"20240331 RENT      ", "20240315 PAY       ",
                                               "20240305 FOOD      ", "20240229 RENT      ",
                                               "20240215 PAY       ", "20240131 RENT      "}));
    for (std::size_t i = 1; i < posted.size(); ++i)
        EXPECT_GT(posted[i].record.recordStamp,
                  std::max(45000.5, posted[i - 1].record.recordStamp));
    const Schedules after = readSchedules(book.file("schedules.txt"));
    EXPECT_EQ(after[0].lastPosted, serialFromDate(2024, 3, 31));
    EXPECT_EQ(after[1].lastPosted, serialFromDate(2024, 3, 15));
}

TEST_F(Posting, AChoiceOfSomePassesOverTheEarlierOnesOfASchedule) {
    const DaySerial april = serialFromDate(2024, 4, 1);
    const auto onlyFebruaryRent = [](const PlannedEntry& p) {
        return p.scheduleId == 1 && p.record.entryDate == serialFromDate(2024, 2, 29);
    };
    ASSERT_EQ(post(april, onlyFebruaryRent).size(), 1u);
    std::vector<std::string> due;
    for (const PlannedEntry& p : dueEntries(book.path(), april))
        due.push_back(std::to_string(p.scheduleId) + " " + yyyymmdd(p.record.entryDate));
    EXPECT_EQ(due, (std::vector<std::string>{"2 20240215", "2 20240315", "1 20240331"}));
}

TEST_F(Posting, ADamagedMacroPostsNothing) {
    Schedule bills = rent(3);
    bills.macroPath = book.file("bills.qbk");
    book.write("bills.qbk", "short");
    Schedules all = readSchedules(book.file("schedules.txt"));
    all.push_back(bills);
    writeSchedules(book.file("schedules.txt"), all);
    const std::string before = book.read("schedules.txt");
    EXPECT_THROW(post(serialFromDate(2024, 4, 1)), OperationError);
    EXPECT_EQ(book.read("schedules.txt"), before);
    EXPECT_EQ(readRecords(book.file("quillbank.dat")).size(), 1u);
}

// The balance ahead, day by day the slow way: every day from today adds what falls on
// it (due entries on today), and the low point and first day below are read off.
TEST(Forecast, LowPointAndFirstDayBelowMatchADayByDayCount) {
    std::mt19937 random(2026);
    const auto pick = [&](int least, int most) {
        return std::uniform_int_distribution<int>(least, most)(random);
    };
    const DaySerial today = serialFromDate(2026, 12, 9);
    for (int n = 0; n < 300; ++n) {
        std::vector<EntryRecord> book;
        std::vector<PlannedEntry> planned;
        for (int i = pick(0, 30); i > 0; --i) {
            EntryRecord r = entry(2026, 12, 9, "X", pick(-50000, 40000));
            r.entryDate = today + pick(-60, 60);
            if (pick(0, 9) == 0) r.deletedMark = "Y";
            if (pick(0, 1))
                book.push_back(r);
            else
                planned.push_back({1, r});
        }
        const DaySerial through = today + pick(0, 60);
        const Money threshold = Money::fromRaw(pick(-100000, 100000) * 100);
        const std::string records = fileOf(book);
        const Forecast f = forecastFrom(records, planned, today, through, threshold);

        std::map<DaySerial, Money> byDay;
        for (const EntryRecord& r : book)
            if (!r.isDeleted() && r.entryDate <= through)
                byDay[std::max(r.entryDate, today)] += r.amount;
        for (const PlannedEntry& p : planned)
            if (p.record.entryDate <= through)
                byDay[std::max(p.record.entryDate, today)] += p.record.amount;
        Money balance, low;
        DaySerial lowDate = today;
        std::optional<DaySerial> below;
        for (DaySerial day = today; day <= std::max(through, today); ++day) {
            balance += byDay[day];
            if (day == today || balance < low) {
                low = balance;
                lowDate = day;
            }
            if (!below && balance < threshold) below = day;
        }
        ASSERT_EQ(f.low, low) << n;
        ASSERT_EQ(f.lowDate, lowDate) << n;
        ASSERT_EQ(f.firstBelow, below) << n;
        ASSERT_EQ(f.rows.empty() ? f.opening : f.rows.back().balance, balance) << n;
    }
}

}  // namespace
}  // namespace qbk

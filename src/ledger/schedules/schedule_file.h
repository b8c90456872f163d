// Schedules: entries that come due on their own, rent and salary. A schedule makes one
// entry, or plays a macro file, on every date of its recurrence, and remembers the last
// date it posted, so that every date is posted once.
//
// A book's schedules live in the plain text file kSchedulesFileName of its data folder,
// Windows-1252 like the other text files there, CR LF line ends, so that users can read
// and mend it with a text editor. A line starting with "#" is a remark and blank lines
// are passed over; every other line is one schedule, its fields separated by one tab:
//
//   field  name      content
//       1  id        a whole number from 1, unique in the file
//       2  every     "day", "week", "month" or "year"
//       3  interval  a whole number from 1 (every 2 weeks)
//       4  day       day of the month from 1 to 31 (31 the last day), 0 the first date's
//       5  from      the first date, yyyymmdd
//       6  until     the last date, yyyymmdd, or "-"
//       7  times     how many dates in all, a whole number from 1, or "-"
//       8  posted    the last date posted, yyyymmdd, or "-" before the first
//       9  what      "entry" or "macro"
//   entry: 10 amount (decimal, "." for the point, "-" for money out), 11 category code,
//          12 note, 13 user field 1, 14 user field 2
//   macro: 10 the macro file's path
#ifndef QBK_SCHEDULES_SCHEDULE_FILE_H_
#define QBK_SCHEDULES_SCHEDULE_FILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dates.h"
#include "platform/money.h"

namespace qbk {

namespace schedule_layout {
inline constexpr char kSeparator = '\t';
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kRemark = '#';
inline constexpr std::string_view kNone = "-";
inline constexpr std::string_view kEntry = "entry", kMacro = "macro";
inline constexpr std::size_t kId = 0, kEvery = 1, kInterval = 2, kDay = 3, kFrom = 4, kUntil = 5,
                             kTimes = 6, kPosted = 7, kWhat = 8;
inline constexpr std::size_t kAmount = 9, kCategory = 10, kNote = 11, kUser1 = 12, kUser2 = 13,
                             kEntryFields = 14;
inline constexpr std::size_t kMacroPath = 9, kMacroFields = 10;
// The first line the writer puts down, naming the fields for a reader of the file.
inline constexpr std::string_view kHeader =
    "# id\tevery\tinterval\tday\tfrom\tuntil\ttimes\tposted\twhat\tamount or macro"
    "\tcategory\tnote\tuser1\tuser2";
// Day 31 means the last day of every month.
inline constexpr int kLastDay = 31;
}  // namespace schedule_layout

enum class Every { Day, Week, Month, Year };

struct Schedule {
    int id = 0;
    Every every = Every::Month;
    int interval = 1;
    int dayOfMonth = 0;  // 0: the day of `first`
    DaySerial first = 0;
    std::optional<DaySerial> until;
    std::optional<int> times;
    std::optional<DaySerial> lastPosted;
    // A macro file, or else the one entry below.
    std::optional<std::string> macroPath;
    Money amount;                                            // > 0 money in, < 0 money out
    std::string categoryCode, note, userField1, userField2;  // UTF-8, no padding
    friend bool operator==(const Schedule&, const Schedule&) = default;
};

using Schedules = std::vector<Schedule>;

// The word of `every` in the file and on the command line ("month"), and back.
std::string_view everyWord(Every every);
std::optional<Every> everyFromWord(std::string_view word);

// The schedules of the file at `path`, in file order; none when it is missing. Throws
// OperationError (type mismatch) naming the file, the line number and what is wrong with
// it when a line is damaged, so that a mistyped schedule is mended rather than lost.
Schedules readSchedules(const std::string& path);

// The text of the file (UTF-8): the header remark, then one line per schedule.
std::string schedulesText(const Schedules& schedules);

// Replaces the file at `path` atomically, Windows-1252.
void writeSchedules(const std::string& path, const Schedules& schedules);

// Why `schedule` cannot be kept, or nullopt: an interval below 1, a day above 31, a
// first date or until date that is no date, an until before the first date, times
// below 1, both until and times, a category code over 10 characters or empty, a note
// over 60 or a user field over 10 characters, a tab or line break in a text, a
// character of a text or of the macro path that Windows-1252 cannot hold.
std::optional<std::string> scheduleProblem(const Schedule& schedule);

// The id a new schedule gets: one above the largest of `schedules`.
int nextScheduleId(const Schedules& schedules);

}  // namespace qbk

#endif  // QBK_SCHEDULES_SCHEDULE_FILE_H_

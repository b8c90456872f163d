// Posting: the entries that came due go into the record file, each on its own date with
// a fresh stamp, and every schedule remembers the last date it posted, in one change of
// the book. All of it is read, checked and written under the book lock, so that a date
// is posted once even when two programs post at the same time or one posts twice.
#ifndef QBK_SCHEDULES_POSTING_H_
#define QBK_SCHEDULES_POSTING_H_

#include <functional>
#include <string>
#include <vector>

#include "platform/stamps.h"
#include "schedules/planned_entries.h"
#include "store/sort_key.h"

namespace qbk {

// The entries due in the book of `dataFolder` through `through` (see plannedEntries).
// Reads without the lock; what it shows may be posted by the time it is read.
std::vector<PlannedEntry> dueEntries(const std::string& dataFolder, DaySerial through);

// Whether one due entry is to be posted: the window's choice of some of them.
using DueChoice = std::function<bool(const PlannedEntry&)>;

// Posts, under the book lock of `dataFolder`, the entries due through `through` (those
// `choice` keeps, all without one): they are filed as fileNewEntries files them (stamps
// from `stamps`, in the order of dueEntries), and each schedule's last posted date
// becomes its latest date posted, so that its dates up to there, posted or passed over,
// never come due again; a schedule of which nothing was posted is left as it was. The
// record file and the schedules file are written in one change (nothing when nothing is
// due). Returns the entries posted, with their stamps. Throws OperationError (nothing
// written) when a file cannot be read or written, a macro file is damaged, or the
// amounts would not fit the book's totals.
std::vector<PlannedEntry> postDue(const std::string& dataFolder, DaySerial through,
                                  StampSource& stamps, SortKeyMemory& memory,
                                  const DueChoice& choice = {});

}  // namespace qbk

#endif  // QBK_SCHEDULES_POSTING_H_

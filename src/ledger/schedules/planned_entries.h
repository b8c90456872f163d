// The entries the schedules of a book will make: what comes due, what posting writes and
// what the forecast shows. Nothing here writes a file.
#ifndef QBK_SCHEDULES_PLANNED_ENTRIES_H_
#define QBK_SCHEDULES_PLANNED_ENTRIES_H_

#include <string>
#include <vector>

#include "schedules/schedule_file.h"
#include "store/entry_record.h"

namespace qbk {

struct PlannedEntry {
    int scheduleId = 0;
    EntryRecord record;  // EntryDate the schedule's date; no stamp yet
};

// The entries of every date the schedules have not posted through `through`, in date
// order and, on one date, in the order of the schedules (a macro's entries in its file
// order, those marked deleted left out). An entry schedule makes its one entry; a macro
// schedule reads its macro file once. Throws OperationError naming the schedule when a
// macro file is missing or not a file of entry records.
std::vector<PlannedEntry> plannedEntries(const Schedules& schedules, DaySerial through);

// The same for one schedule's dates.
std::vector<PlannedEntry> plannedEntries(const Schedule& schedule,
                                         const std::vector<DaySerial>& dates);

}  // namespace qbk

#endif  // QBK_SCHEDULES_PLANNED_ENTRIES_H_

#include "schedules/posting.h"

#include <algorithm>
#include <map>

#include "platform/book_lock.h"
#include "platform/files.h"
#include "store/book_files.h"
#include "store/record_file.h"

namespace qbk {

std::vector<PlannedEntry> dueEntries(const std::string& dataFolder, DaySerial through) {
    const BookPaths book(dataFolder);
    return plannedEntries(readSchedules(book.file(kSchedulesFileName)), through);
}

std::vector<PlannedEntry> postDue(const std::string& dataFolder, DaySerial through,
                                  StampSource& stamps, SortKeyMemory& memory,
                                  const DueChoice& choice) {
    const BookPaths book(dataFolder);
    const BookLock lock(book.folder);
    Schedules schedules = readSchedules(book.file(kSchedulesFileName));
    std::vector<PlannedEntry> posted = plannedEntries(schedules, through);
    if (choice) std::erase_if(posted, [&](const PlannedEntry& p) { return !choice(p); });
    if (posted.empty()) return posted;

    std::map<int, DaySerial> latest;
    std::vector<EntryRecord> records;
    for (const PlannedEntry& p : posted) {
        latest[p.scheduleId] = std::max(latest[p.scheduleId], p.record.entryDate);
        records.push_back(p.record);
    }
    fileNewEntries(book.records(), records, memory, stamps);
    for (std::size_t i = 0; i < posted.size(); ++i)
        posted[i].record.recordStamp = records[i].recordStamp;
    for (Schedule& s : schedules)
        if (const auto it = latest.find(s.id); it != latest.end()) s.lastPosted = it->second;
    writeSchedules(book.file(kSchedulesFileName), schedules);
    return posted;
}

}  // namespace qbk

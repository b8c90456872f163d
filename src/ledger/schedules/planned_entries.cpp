#include "schedules/planned_entries.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "schedules/recurrence.h"

namespace qbk {
namespace {

// The live entries a schedule puts down on each of its dates.
std::vector<EntryRecord> entriesOf(const Schedule& s) {
    std::vector<EntryRecord> entries;
    if (!s.macroPath) {
        EntryRecord r;
        r.categoryCode = fitField(s.categoryCode, entry_layout::kCategoryCodeWidth);
        r.amount = s.amount;
        r.note = fitField(s.note, entry_layout::kNoteWidth);
        r.userField1 = fitField(s.userField1, entry_layout::kUserFieldWidth);
        r.userField2 = fitField(s.userField2, entry_layout::kUserFieldWidth);
        entries.push_back(std::move(r));
        return entries;
    }
    const std::string where =
        "The macro file " + *s.macroPath + " of schedule " + std::to_string(s.id);
    if (!fileExists(*s.macroPath))
        throw OperationError(errnum::kFileNotFound, where + " is missing");
    const std::string macro = readFile(*s.macroPath);
    if (macro.size() % entry_layout::kSize != 0)
        throw OperationError(
            errnum::kTypeMismatch,
            where + " does not contain Quillbank 3.x records, or they are corrupt");
    for (std::size_t at = 0; at < macro.size(); at += entry_layout::kSize) {
        EntryRecord r = decodeEntry(macro.data() + at);
        if (r.isDeleted()) continue;
        r.recordStamp = 0;
        entries.push_back(std::move(r));
    }
    return entries;
}

}  // namespace

std::vector<PlannedEntry> plannedEntries(const Schedule& s, const std::vector<DaySerial>& dates) {
    std::vector<PlannedEntry> planned;
    if (dates.empty()) return planned;
    const std::vector<EntryRecord> entries = entriesOf(s);
    for (const DaySerial day : dates)
        for (const EntryRecord& e : entries) {
            PlannedEntry p{s.id, e};
            p.record.entryDate = day;
            planned.push_back(std::move(p));
        }
    return planned;
}

std::vector<PlannedEntry> plannedEntries(const Schedules& schedules, DaySerial through) {
    std::vector<PlannedEntry> planned;
    for (const Schedule& s : schedules) {
        std::vector<PlannedEntry> own = plannedEntries(s, unpostedDates(s, through));
        std::move(own.begin(), own.end(), std::back_inserter(planned));
    }
    std::stable_sort(planned.begin(), planned.end(),
                     [](const PlannedEntry& a, const PlannedEntry& b) {
                         return a.record.entryDate < b.record.entryDate;
                     });
    return planned;
}

}  // namespace qbk

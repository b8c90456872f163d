#include "store/sort_key.h"

#include "platform/windows1252.h"

namespace qbk {

double sortformat(DaySerial entryDate, std::string_view codeBytes, SortKeyMemory& memory) {
    // No date keys as 0, below every date, so that such a record sorts as the oldest.
    const std::optional<CivilDate> d = dateFromSerial(entryDate);
    const double datePart = d ? static_cast<double>(d->year) * 10000 + d->month * 100 + d->day : 0;
    if (memory.previous_.empty()) memory.previous_.assign(1, '1');
    std::string current = ansiUpperBytes(codeBytes);
    const int tie = memory.previous_ > current ? 1 : 0;
    memory.previous_ = std::move(current);
    return datePart * 10 + tie;
}

double sortformat(const EntryRecord& record, SortKeyMemory& memory) {
    return sortformat(record.entryDate, toWindows1252(fitField(record.categoryCode, 10)), memory);
}

}  // namespace qbk

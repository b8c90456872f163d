// The sort key of an entry record: the eight digits of its date and one tie digit.
//
// The tie digit compares the record's upper-cased 10-character category code with
// the code of the record keyed just before it (the previous category, remembered for
// the whole run of the program): "1" when the previous one is greater, otherwise "0".
// Keys of records of one day therefore depend on the order in which they are computed.
#ifndef QBK_STORE_SORT_KEY_H_
#define QBK_STORE_SORT_KEY_H_

#include <string>
#include <string_view>

#include "platform/dates.h"
#include "store/entry_record.h"

namespace qbk {

// The previous category of the sort key. One instance serves the whole program run.
class SortKeyMemory {
  public:
    // Windows-1252 bytes of the last upper-cased code, empty before the first key.
    const std::string& previous() const { return previous_; }
    void reset() { previous_.clear(); }

  private:
    friend double sortformat(DaySerial, std::string_view, SortKeyMemory&);
    std::string previous_;
};

// The key yyyymmdd * 10 + tie digit of a record, as a number; a record with no date
// has the date part 0.
double sortformat(const EntryRecord& record, SortKeyMemory& memory);

// The same from a date and the 10 Windows-1252 bytes of a category code as stored.
double sortformat(DaySerial entryDate, std::string_view codeBytes, SortKeyMemory& memory);

}  // namespace qbk

#endif  // QBK_STORE_SORT_KEY_H_

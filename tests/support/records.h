// Short ways to make entry records in tests.
#ifndef QBK_TESTS_SUPPORT_RECORDS_H_
#define QBK_TESTS_SUPPORT_RECORDS_H_

#include <string>
#include <vector>

#include "platform/dates.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"

namespace qbk::testing {

// A live entry; `amount` in cents.
inline EntryRecord entry(int y, int m, int d, const std::string& code, long long cents,
                         const std::string& note = "", double stamp = 0,
                         const std::string& user1 = "", const std::string& user2 = "") {
    EntryRecord r;
    r.entryDate = serialFromDate(y, m, d);
    r.categoryCode = fitField(code, 10);
    r.amount = Money::fromRaw(cents * 100);
    r.note = fitField(note, 60);
    r.userField1 = fitField(user1, 10);
    r.userField2 = fitField(user2, 10);
    r.recordStamp = stamp;
    return r;
}

inline std::string fileOf(const std::vector<EntryRecord>& records) {
    std::string bytes;
    for (const EntryRecord& r : records)
        bytes += encodeEntry(r);
    return bytes;
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_RECORDS_H_

// Short ways to make entry records in tests.
#ifndef QBK_TESTS_SUPPORT_RECORDS_H_
#define QBK_TESTS_SUPPORT_RECORDS_H_

#include <string>
#include <utility>
#include <vector>

#include "platform/dates.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
#include "store/entry_record.h"
#include "store/record_file.h"

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

inline RecordFileContent contentOf(const std::vector<EntryRecord>& records) {
    RecordFileContent c;
    c.records = fileOf(records);
    return c;
}

// `r` marked deleted ("Y"), or with another `mark`.
inline EntryRecord deleted(EntryRecord r, const std::string& mark = "Y") {
    r.deletedMark = mark;
    return r;
}

// Category records of these codes and names, in this order.
inline std::vector<CategoryRecord> categoriesOf(
    const std::vector<std::pair<std::string, std::string>>& codesAndNames) {
    std::vector<CategoryRecord> categories;
    for (const auto& [code, name] : codesAndNames) {
        CategoryRecord c;
        c.catCode = fitField(code, 10);
        c.catName = fitField(name, 20);
        categories.push_back(c);
    }
    return categories;
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_RECORDS_H_

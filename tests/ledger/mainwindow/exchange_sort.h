// The record-file sort done the long way, on the bytes of the file: an exchange sort
// of adjacent records by their sortformat keys. Every step keys record j and then
// record j + 1 with the program-wide previous category, exchanges them when the first
// key is smaller, and the sort stops after a pass without exchange or after n passes
// of n - 1 steps. The sort of the program computes its result another way; tests
// compare the two.
#ifndef QBK_TESTS_STORE_EXCHANGE_SORT_H_
#define QBK_TESTS_STORE_EXCHANGE_SORT_H_

#include <string>

#include "store/entry_record.h"
#include "store/record_file.h"
#include "store/sort_key.h"

namespace qbk::testing {

inline void exchangeSortByKeys(RecordFileContent& content, SortKeyMemory& memory) {
    constexpr std::size_t kSize = entry_layout::kSize;
    const std::size_t n = content.count();
    for (std::size_t pass = 1; pass <= n; ++pass) {
        bool exchanged = false;
        for (std::size_t j = 1; j < n; ++j) {
            const std::string a(content.at(j), kSize);
            const double ka = sortformat(entry_bytes::entryDate(a.data()),
                                         entry_bytes::categoryCode(a.data()), memory);
            const std::string b(content.at(j + 1), kSize);
            const double kb = sortformat(entry_bytes::entryDate(b.data()),
                                         entry_bytes::categoryCode(b.data()), memory);
            if (ka < kb) {
                exchanged = true;
                content.records.replace((j - 1) * kSize, kSize, b);
                content.records.replace(j * kSize, kSize, a);
            }
        }
        if (!exchanged) break;
    }
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_STORE_EXCHANGE_SORT_H_

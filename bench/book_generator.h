// Deterministic books of any size for benchmarks, screenshots and manual checks.
#ifndef QBK_BENCH_BOOK_GENERATOR_H_
#define QBK_BENCH_BOOK_GENERATOR_H_

#include <cstddef>
#include <string>

#include "platform/dates.h"

namespace qbk::bench {

struct BookOptions {
    std::size_t entries = 100000;
    DaySerial newest = serialFromDate(2026, 12, 7);  // date of the first entry
    unsigned seed = 2026;
    // When above 0, the entries spread evenly over this many years back from `newest`
    // instead of about a dozen a day.
    double years = 0;
};

// Writes quillbank.dat (newest first, about a dozen entries a day or over `years`, a few dozen
// categories, realistic notes and user fields), category.dat, udf1.dat and udf2.dat
// into `folder`, replacing what is there.
void writeBook(const std::string& folder, const BookOptions& options);

}  // namespace qbk::bench

#endif  // QBK_BENCH_BOOK_GENERATOR_H_

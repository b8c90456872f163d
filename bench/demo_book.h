// A small household book that reads like a real one, for the pictures of the README:
// eight months of salaries, rent, bills, shopping and the odd treat, each with a fitting
// note, how it was paid and who paid, and the settings of its owner.
#ifndef QBK_BENCH_DEMO_BOOK_H_
#define QBK_BENCH_DEMO_BOOK_H_

#include <string>

#include "platform/dates.h"

namespace qbk::bench {

// Writes quillbank.dat (newest first, the last entry on `newest`), category.dat,
// udf1.dat, udf2.dat and qbk3.ini (owner, field names, a start-up range of 90 days)
// into `folder`, replacing what is there.
void writeDemoBook(const std::string& folder, DaySerial newest);

}  // namespace qbk::bench

#endif  // QBK_BENCH_DEMO_BOOK_H_

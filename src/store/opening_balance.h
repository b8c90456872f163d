// The opening balance of the bank account the book is reconciled against: what the
// account held before the first entry the book marks cleared. It lives in the data
// folder as opening.balance, one line: the amount as decimal text with a point and no
// grouping ("-12.50", "1500"), ended by a line feed. A missing file is 0.
//
// The balance the bank and the book agreed on at the last reconcile is not stored: it
// is this opening balance plus every reconciled entry, so that an undo, a sort or a
// Windows program writing the book back can never leave it out of step with the marks.
#ifndef QBK_STORE_OPENING_BALANCE_H_
#define QBK_STORE_OPENING_BALANCE_H_

#include <string>

#include "platform/money.h"

namespace qbk {

// The opening balance of the book in `dataFolder` (with its trailing "/"). Throws
// OperationError (kTypeMismatch) naming the file when it holds no amount, and when the
// file cannot be read.
Money readOpeningBalance(const std::string& dataFolder);

// Writes `balance` as the opening balance, atomically. Throws OperationError.
void writeOpeningBalance(const std::string& dataFolder, Money balance);

}  // namespace qbk

#endif  // QBK_STORE_OPENING_BALANCE_H_

// MT940 account statements (SWIFT), as most European banks export them (.sta, .mt940):
// the account (:25:), each statement line (:61:) with its date, sign and amount and
// references, and its information to the owner (:86:), plain or in the German
// structured form (?20-?29 purpose, ?32-?33 payee).
#ifndef QBK_IMPORT_MT940_READER_H_
#define QBK_IMPORT_MT940_READER_H_

#include <string_view>

#include "import/statement.h"

namespace qbk {

// The transactions of the MT940 text `text` (decoded as readImportText does), in file
// order. A transaction's date is its value date; its id is the account with the
// customer and the bank reference (none when both are missing or NONREF). Throws
// OperationError (type mismatch) naming the line when the file holds no :61: line or
// a :61: line does not read.
Statement readMt940(std::string_view text);

}  // namespace qbk

#endif  // QBK_IMPORT_MT940_READER_H_

// ISO 20022 bank-to-customer statements (camt.053, and the camt.052 reports of the
// same form), as European banks export them (.xml, .camt): each booked entry (Ntry)
// of each statement (Stmt, Rpt) of each account.
#ifndef QBK_IMPORT_CAMT_READER_H_
#define QBK_IMPORT_CAMT_READER_H_

#include <cstddef>
#include <optional>
#include <string_view>

#include "import/statement.h"

namespace qbk {

struct CamtStatement {
    Statement transactions;     // in file order
    std::size_t notBooked = 0;  // pending and information entries, left out
    // The closing booked balance (Bal of type CLBD) of the last statement that has one;
    // none when it is missing or does not read (the entries are read all the same).
    std::optional<StatementBalance> closingBalance;
};

// The entries of the camt text `text` (decoded as readImportText does). An entry's
// date is its booking date (its value date when it has none), its amount the entry's
// with the sign of its credit or debit mark, its payee the other party of its first
// transaction details (the creditor of a debit, the debtor of a credit), its memo the
// unstructured remittance information (else the additional information), its id the
// account with the bank's reference (none when the entry has no reference). Entries
// whose status is not booked (PDNG, INFO) are counted, not read: the bank may still
// change or drop them. Throws OperationError (type mismatch) naming the line when the
// file is no well-formed XML, holds no statement, or an entry's date, amount or mark
// does not read.
CamtStatement readCamt(std::string_view text);

}  // namespace qbk

#endif  // QBK_IMPORT_CAMT_READER_H_

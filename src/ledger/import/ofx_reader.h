// OFX and QFX bank statements: the transactions of an OFX document, in the SGML form of
// version 1 (data elements without end tags, a header of NAME:VALUE lines) and the XML
// form of version 2. Quicken's QFX files are OFX with a few more elements.
//
// Only what an entry needs is read: each STMTTRN aggregate of the file (bank, credit
// card and the cash side of investment statements) with its DTPOSTED, TRNAMT, FITID,
// CHECKNUM, TRNTYPE, NAME (or PAYEE's NAME) and MEMO, and the ACCTID of the account it
// belongs to. Other elements are passed over. Dates are the day the bank wrote; the
// time and time zone after it are checked and not used, so that an entry never moves
// to the day before or after.
#ifndef QBK_IMPORT_OFX_READER_H_
#define QBK_IMPORT_OFX_READER_H_

#include <cstddef>
#include <optional>
#include <string_view>

#include "import/statement.h"

namespace qbk {

// The transactions of the OFX document `text` (decoded as readImportText does), in file
// order, character entities replaced.
//
// Throws OperationError (type mismatch) naming the line and the element when the file
// is not OFX, a transaction lacks its date or amount or begins inside another, a value
// does not read, an end tag closes nothing that is open, or the file ends before its
// elements are closed (a file cut short): a statement that does not read gives no
// transaction at all.
// With `investments`, it is set to the number of transactions of securities (BUYSTOCK,
// SELLMF, REINVEST, ... in an INVTRANLIST), which hold no cash line of their own and are
// not read.
// With `ledgerBalance`, it is set to the statement's LEDGERBAL (BALAMT and DTASOF), or
// to nullopt when the file gives none that reads (a balance is never a reason to refuse
// the transactions).
Statement readOfx(std::string_view text, std::size_t* investments = nullptr,
                  std::optional<StatementBalance>* ledgerBalance = nullptr);

}  // namespace qbk

#endif  // QBK_IMPORT_OFX_READER_H_

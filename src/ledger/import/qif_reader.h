// QIF bank statements, read by a reader of our own (the format is a few letters a
// line, and banks write it loosely).
//
// A file is a sequence of sections, each begun by a "!" line. The transactions of
// "!Type:Bank", "!Type:Cash", "!Type:CCard", "!Type:Oth A" and "!Type:Oth L" are read;
// the lists of categories, classes, memorized transactions and accounts ("!Type:Cat",
// "!Account", ...) and options are passed over; investment transactions are refused.
// A transaction is a run of lines ended by "^": D date, T (or U) amount, P payee,
// M memo, L category, N check number; split lines (S, E, $, %), addresses and other
// letters are passed over, so that a split transaction becomes one entry of its total.
//
// Dates come in the styles banks write: 12/31/2000, 12/31/00, 12-31-2000, 31.12.2000,
// 1/ 2' 1 and 1/2'01 (Quicken's "'" stands before years from 2000), 2000-12-31 and
// 20001231. Two-digit years after "/", "-" or "." are 2000-2029 for 00-29 and 1930-1999
// for 30-99. Whether the day or the month comes first is told from the file: a first
// part above 12 means day first, a second part above 12 month first. When every date
// of the file fits both orders the caller says which one applies.
#ifndef QBK_IMPORT_QIF_READER_H_
#define QBK_IMPORT_QIF_READER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "import/statement.h"
#include "platform/regional.h"

namespace qbk {

// A date of a file whose dates fit both orders, for the question that settles it.
struct AmbiguousQifDate {
    std::size_t line = 0;
    std::string text;  // as written, "03/04/2026"
};

struct QifStatement {
    Statement transactions;
    // Set when no date of the file tells whether the day or the month comes first and
    // one of them reads both ways: the first such date.
    std::optional<AmbiguousQifDate> ambiguous;
};

// The transactions of the QIF file `text` (decoded), in file order. When the file's
// dates fit both orders, `orderWhenAmbiguous` (MonthDayYear or DayMonthYear) settles
// it; without one, only `ambiguous` is returned, so that the user can be asked.
// Throws OperationError (type mismatch) naming the line when the file is not QIF, holds
// investment transactions, a transaction lacks its date or amount, a value does not
// read, or the dates mix both orders.
QifStatement readQif(std::string_view text, std::optional<DateOrder> orderWhenAmbiguous);

}  // namespace qbk

#endif  // QBK_IMPORT_QIF_READER_H_

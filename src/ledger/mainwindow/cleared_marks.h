// Marking entries cleared (the bank has them) and reconciling the book with a bank
// statement, on the records of a record file in memory. The window's Records menu,
// its reconcile dialog and the command-line tool's clear and reconcile share these.
//
// Deleted entries never count and are never marked. A reconciled entry keeps its mark
// here: it belongs to a balance the bank and the book agreed on.
//
// Balances: the cleared balance up to a day is the opening balance (opening_balance.h)
// plus every live reconciled entry, whatever its date, plus every live cleared entry
// dated up to that day. The difference to a statement is the statement's ending balance
// less the cleared balance; a reconcile may finish only at a difference of 0.
#ifndef QBK_MAINWINDOW_CLEARED_MARKS_H_
#define QBK_MAINWINDOW_CLEARED_MARKS_H_

#include <cstddef>
#include <functional>
#include <vector>

#include "platform/money.h"
#include "platform/ports.h"
#include "store/record_file.h"

namespace qbk {

// Marks cleared every live unmarked record for which `chosen(bytes)` holds, or, with
// `unmark`, takes the mark off every chosen cleared one. Returns how many changed.
std::size_t setClearedMarks(RecordFileContent& content,
                            const std::function<bool(const char* record)>& chosen, bool unmark);

// The toggle of the window on the records `numbers` (from 1): when any live one of them
// is unmarked, the unmarked ones become cleared; otherwise the cleared ones become
// unmarked. Returns how many changed.
std::size_t toggleClearedMarks(RecordFileContent& content, const std::vector<std::size_t>& numbers);

// Takes the mark off the live reconciled records among `numbers` (the user asked for it:
// unreconcileQuestion). Returns how many changed.
std::size_t unmarkReconciled(RecordFileContent& content, const std::vector<std::size_t>& numbers);

// The question before reconciled entries lose their mark: they belong to a balance the
// bank agreed with, and the next reconcile will count them again.
Message unreconcileQuestion(std::size_t entries);

struct ReconcileSums {
    Money opening;     // the stored opening balance
    Money reconciled;  // the live reconciled entries
    Money cleared;     // the live cleared entries dated up to the day
    std::size_t clearedCount = 0;
    // Throws OperationError (kOverflow) when the sum leaves the range of Money.
    Money clearedBalance() const { return opening + reconciled + cleared; }
};

// The sums of `content` up to `lastDay` (included). Throws OperationError (kOverflow).
ReconcileSums reconcileSums(const RecordFileContent& content, DaySerial lastDay, Money opening);

// Marks reconciled every live cleared entry dated up to `lastDay`. Returns how many.
std::size_t markReconciled(RecordFileContent& content, DaySerial lastDay);

// What a reconcile dialog lists: the record numbers of the live entries dated up to
// `lastDay` that are not reconciled, in file order.
std::vector<std::size_t> reconcileCandidates(const RecordFileContent& content, DaySerial lastDay);

// The end of a reconcile in the dialog: of the records `numbers`, the ticked ones become
// reconciled and the others lose a cleared mark (the statement did not show them).
void finishReconcile(RecordFileContent& content, const std::vector<std::size_t>& numbers,
                     const std::vector<bool>& ticked);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_CLEARED_MARKS_H_

// Lines of an import that meet an entry the user typed: a bank line of the same amount
// as a live entry that is not cleared yet, dated within kMatchDays of it, is that entry
// (the bank booked the payment the user wrote down). Accepted, the line marks the entry
// cleared instead of adding a second one.
//
// The matching is one to one: an entry is the match of one line at most, so two typed
// entries of one amount match two such lines, and one entry never two. Among the
// entries a line could be, the one whose category the line's payee rule (or its file,
// or the user) gives and whose note shares a word with the line's payee or memo wins;
// then the nearest date; then the first in the file. Lines in file order choose first.
// A line with a check number meets only entries of that number in user field 1, or of
// none; an entry that a duplicate line of the batch is (same date, amount and note) is
// no typed entry for another line. Only bank statements (OFX, QIF, MT940) meet typed
// entries: comma-delimited lines are the user's own lists and import as they stand.
#ifndef QBK_IMPORT_ENTRY_MATCHES_H_
#define QBK_IMPORT_ENTRY_MATCHES_H_

#include <string>
#include <string_view>

#include "import/import_batch.h"
#include "platform/regional.h"

namespace qbk {

// How many days a bank's date may stand before or after the date typed.
inline constexpr int kMatchDays = 4;

// Gives `match` to every row of `batch` that is no duplicate and meets an entry of
// `records` (whole 125-byte records of the book), and takes it from every other.
void matchTypedEntries(ImportBatch& batch, std::string_view records);

// What the preview says of a matched row: "matches your entry of 12/03/2001: Phone bill".
std::string matchText(const EntryMatch& match, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_IMPORT_ENTRY_MATCHES_H_

// Entries as data for other programs (list --format csv and json), with typed fields:
// the date as yyyy-mm-dd, the amount as a decimal string with a point and at least two
// decimals ("-12.50", "0.1234"), the category code, note and user fields without their
// padding blanks, the stamp as the shortest number that reads back to the same double,
// and the deleted mark as true or false. A date or stamp that is not a number a reader
// can take (damaged record) is null in JSON and empty in CSV.
#ifndef QBK_CLI_ENTRY_FORMATS_H_
#define QBK_CLI_ENTRY_FORMATS_H_

#include <ostream>
#include <vector>

#include "store/entry_record.h"

namespace qbk {

// A JSON array of objects with the keys date, amount, category, note, user1, user2,
// stamp and deleted; one object a line.
void writeEntriesJson(std::ostream& out, const std::vector<EntryRecord>& entries);

// Comma-separated values: a header line of the same names, then one line per entry;
// a field with a comma, a double quote or a line break stands in double quotes.
void writeEntriesCsv(std::ostream& out, const std::vector<EntryRecord>& entries);

}  // namespace qbk

#endif  // QBK_CLI_ENTRY_FORMATS_H_

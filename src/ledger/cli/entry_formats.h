// Entries as data for other programs (list --format csv and json), with typed fields:
// the date as yyyy-mm-dd, the amount as a decimal string with a point and at least two
// decimals ("-12.50", "0.1234"), the category code, note and user fields without their
// padding blanks, the stamp as the shortest number that reads back to the same double,
// the deleted mark as true or false, and the cleared mark as "none", "cleared" or
// "reconciled". A date or stamp that is not a number a reader
// can take (damaged record) is null in JSON and empty in CSV.
#ifndef QBK_CLI_ENTRY_FORMATS_H_
#define QBK_CLI_ENTRY_FORMATS_H_

#include <cstddef>
#include <ostream>
#include <string>

#include <optional>

#include "store/entry_record.h"

namespace qbk {

enum class EntryFormat {
    // A JSON array of objects with the keys date, amount, category, note, user1, user2,
    // stamp, deleted and cleared; one object a line.
    Json,
    // Comma-separated values: a header line of the same names, then one line per entry;
    // a field with a comma, a double quote or a line break stands in double quotes.
    Csv,
};

// Writes entries to `out` one at a time as they come, so that a list of any length
// needs memory for one entry only. Nothing is written before the first entry (a book
// that cannot be read prints nothing); finish() ends the text, and makes the empty
// array or the header alone when no entry came.
// The typed field texts above, for other data of a book: the date as yyyy-mm-dd (nullopt
// for no date) and a JSON string with its quotes; an amount is decimalAmountText.
std::optional<std::string> isoDate(DaySerial day);
void appendJsonString(std::string& out, std::string_view text);

class EntryWriter {
  public:
    EntryWriter(std::ostream& out, EntryFormat format) : out_(out), format_(format) {}
    void write(const EntryRecord& entry);
    void finish();

  private:
    void begin();

    std::ostream& out_;
    EntryFormat format_;
    std::size_t written_ = 0;
    std::string line_;  // reused for every entry
};

}  // namespace qbk

#endif  // QBK_CLI_ENTRY_FORMATS_H_

// One import from start to end without a window, for qbk3-cli: the file's kind by its
// name, the payee rules of the book, the duplicate check, and the text to print.
#ifndef QBK_CLI_IMPORT_RUN_H_
#define QBK_CLI_IMPORT_RUN_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "import/comma_import.h"
#include "import/statement.h"
#include "platform/regional.h"
#include "platform/stamps.h"

namespace qbk {

struct ImportRequest {
    std::string dataFolder;       // the book: quillbank.dat, category.dat, the payee rules
    std::string importPath;       // .txt, .csv, .ofx, .qfx, .qif, .sta, .mt940 or .xml
    ImportLinks links;            // .txt and .csv only: the field numbers
    bool skipHeader = false;      // .txt and .csv only: the first line holds column names
    DelimitedLayout layout = {};  // .txt and .csv only: how the lines are written
    bool keepDuplicates = false;  // import the lines the book already holds as well
    bool sortAfter = false;       // sort the record file by date in the same write
    // QIF files whose dates read both ways (03/04/2026): MonthDayYear or DayMonthYear.
    DateOrder ambiguousDateOrder = DateOrder::MonthDayYear;
};

struct ImportSummary {
    std::size_t added = 0;
    std::size_t cleared = 0;  // typed entries the statement's lines matched and cleared
    std::optional<StatementBalance> ledgerBalance;  // the statement's ending balance (OFX, camt)
    std::optional<DelimitedLayout> layout;          // .txt and .csv: as read, every choice made
    std::size_t duplicatesSkipped = 0;
    std::size_t investmentsLeftOut = 0;  // OFX transactions of securities
    std::size_t notBookedLeftOut = 0;    // camt entries pending at the bank
    std::vector<std::string> createdCategories;
    std::string text;  // what to print, lines ended by "\n"
};

// Whether `request` is complete enough to run: the refusal to print, or "" when it is.
// A .txt or .csv file needs the date and amount field numbers; a statement takes none.
std::string importRequestProblem(const ImportRequest& request);

// Imports the file into the book (all or nothing; see commitImport). Statement lines
// that no payee rule places get the category IMPORT (kDefaultImportCategory), created
// when missing. The text says how many entries were added and how many duplicates were
// skipped, which categories were created, in which order ambiguous QIF dates were read,
// and that the entries stand at the end of the record file. Throws OperationError
// (unreadable file or rules, a line or element that does not read, a failed write).
ImportSummary runImport(const ImportRequest& request, const RegionalSettings& regional,
                        StampSource& stamps);

}  // namespace qbk

#endif  // QBK_CLI_IMPORT_RUN_H_

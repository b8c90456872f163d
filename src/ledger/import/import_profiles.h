// Import profiles: the layout of one bank's export, saved under a name with the line of
// column names it has, so that the next file of that bank is read the same way.
//
// Kept in the data folder in the plain text file kImportProfilesFileName, one profile a
// line (UTF-8): the name, the header line and then key=value fields (date=1, amount=4,
// notes=3,4, separator=semicolon, decimal=comma, dates=dmy, skiplines=4, header=1,
// footer=1, debit=, credit=, sign=, debitwords=Af, negate=1), separated by tabs; a tab
// of the header line is written "\t". Lines that do not read are kept as they are.
#ifndef QBK_IMPORT_IMPORT_PROFILES_H_
#define QBK_IMPORT_IMPORT_PROFILES_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/comma_import.h"
#include "import/delimited_layout.h"
#include "store/book_files.h"

namespace qbk {

struct ImportProfile {
    std::string name;
    std::string header;  // the line of column names (after the lines skipped), as read
    ImportLinks links;
    DelimitedLayout layout;
};

// The profiles of `dataFolder`; none when the file is missing. Throws OperationError
// when it cannot be read.
std::vector<ImportProfile> readImportProfiles(const std::string& dataFolder);

// Saves `profile` (replacing one of its name), under the book lock, atomically.
void saveImportProfile(const std::string& dataFolder, const ImportProfile& profile);

// The profile named `name`, or else the first whose header line is the line of the
// file at `path` where that profile expects it; nullopt when none fits.
std::optional<ImportProfile> findImportProfile(const std::vector<ImportProfile>& profiles,
                                               std::string_view name, const std::string& path);

// The line of the file at `path` after `skipLines` lines (decoded, blanks trimmed); ""
// when there is none.
std::string headerLineOf(const std::string& path, std::size_t skipLines);

}  // namespace qbk

#endif  // QBK_IMPORT_IMPORT_PROFILES_H_

// The ids of the statement transactions already imported into a book, so that a
// statement imported twice adds nothing the second time.
//
// Kept beside the record file, with its name and the ending ".ids" (quillbank.dat:
// quillbank.ids), one line per transaction: the stamp of the entry it became, a tab,
// and the id ("account:FITID"). An id counts only while the record file still holds an
// entry of that stamp: restoring a backup, or a write of the record file that did not
// happen, takes the ids of the lost entries with it, and the next import brings them
// in again. Lines that do not read are kept as they are.
#ifndef QBK_IMPORT_IMPORTED_IDS_H_
#define QBK_IMPORT_IMPORTED_IDS_H_

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qbk {

// "quillbank.dat" -> "quillbank.ids"; a name without an ending gets ".ids" added.
std::string importedIdsPath(const std::string& recordFilePath);

struct ImportedIds {
    std::unordered_map<std::string, double> stampOf;  // id -> stamp of its entry
    std::vector<std::string> otherLines;              // lines that do not read, as they are

    // Ids whose entry is in the book (by its stamp).
    std::unordered_set<std::string> known(const std::unordered_set<double>& bookStamps) const;
};

// The ids file at `path`; empty when it is missing. Throws OperationError when it
// cannot be read.
ImportedIds readImportedIds(const std::string& path);

// The text of an ids file holding the ids of `ids` whose stamps are in `bookStamps`
// (the others belong to entries that are gone) and every line that did not read.
std::string importedIdsText(const ImportedIds& ids, const std::unordered_set<double>& bookStamps);

// An id as it can stand in the file: tabs and line ends become blanks.
std::string cleanImportedId(std::string_view id);

}  // namespace qbk

#endif  // QBK_IMPORT_IMPORTED_IDS_H_

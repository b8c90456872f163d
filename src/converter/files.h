// File work of the converter: whole-file reads, atomic appends of records, the version-2
// files of a folder, and the converter's own folder.
#ifndef QBK_CONVERTER_FILES_H_
#define QBK_CONVERTER_FILES_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qbk::converter {

// `folder` with "/" at its end (the form every folder path of the converter takes).
std::string withSlash(std::string_view folder);

// The whole content of `path`; nullopt when there is no such file. Throws FileError on
// any other failure.
std::optional<std::string> readFileIfExists(const std::string& path);

// A record file whose length is not a whole number of records: its last record is
// incomplete, and appending after it would shift every new record out of place.
class IncompleteRecordError : public std::runtime_error {
  public:
    IncompleteRecordError(std::string file, std::uintmax_t extraBytes);
    const std::string& file() const { return file_; }
    // The bytes after the last whole record.
    std::uintmax_t extraBytes() const { return extraBytes_; }

  private:
    std::string file_;
    std::uintmax_t extraBytes_;
};

// Appends `records` to the file of `recordSize`-byte records at `path`, creating it
// when missing, in one step that cannot be seen half done: the old bytes and the new
// ones are written to a temporary sibling, synced and renamed over the file. On any
// failure the file keeps its old content. Throws IncompleteRecordError (nothing is
// written) when the file's length is not a multiple of `recordSize`, FileError when a
// read or write fails.
void appendRecordsAtomically(const std::string& path, std::size_t recordSize,
                             std::string_view records);

struct Version2Files {
    std::vector<std::string> entryFiles;     // names only
    std::vector<std::string> categoryFiles;  // names only
};

// The version-2 files in `folder` (regular files or links to them), each kind ordered by
// the year in its name and then by name. A folder that cannot be read holds none.
Version2Files findVersion2Files(const std::string& folder);

// The folder of the running program file, with "/" at its end; empty when unknown.
std::string executableFolder();

// The converter's folder, with "/" at its end: `exeFolder` when it is a writable folder
// (the program then keeps its data beside itself), otherwise `xdgDataHome`/quillbank,
// or `home`/.local/share/quillbank when `xdgDataHome` is empty or relative; that folder
// is created when missing. Throws FileError when it cannot be created.
std::string chooseProgramFolder(const std::string& exeFolder, const std::string& xdgDataHome,
                                const std::string& home);

// chooseProgramFolder for this process ($XDG_DATA_HOME, $HOME).
std::string programFolder();

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_FILES_H_

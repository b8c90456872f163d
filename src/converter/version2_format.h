// The files of version 2.x: one entry file and one category file per year, found in a
// folder by their names. Every layout detail of those files lives here.
#ifndef QBK_CONVERTER_VERSION2_FORMAT_H_
#define QBK_CONVERTER_VERSION2_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbk::converter::v2 {

// Entry record, 58 bytes; text is Windows-1252, left-aligned, blank padded.
inline constexpr std::size_t kEntrySize = 58;
inline constexpr std::size_t kDateTextAt = 0;
inline constexpr std::size_t kDateTextWidth = 8;
// Only the month and day part of the date text is used; the year comes from the name
// of the file.
inline constexpr std::size_t kDateTextUsed = 6;
inline constexpr std::size_t kCategoryCodeAt = 8;
inline constexpr std::size_t kCategoryCodeWidth = 2;
inline constexpr std::size_t kAmountAt = 10;  // int64, amount x 10000, little-endian
inline constexpr std::size_t kNoteAt = 18;
inline constexpr std::size_t kNoteWidth = 40;

// Category record, 18 bytes.
inline constexpr std::size_t kCategorySize = 18;
inline constexpr std::size_t kCatCodeAt = 0;
inline constexpr std::size_t kCatCodeWidth = 2;
inline constexpr std::size_t kCatNameAt = 2;
inline constexpr std::size_t kCatNameWidth = 16;

// Text fields keep their padding, as stored.
struct Entry {
    std::string DateText;
    std::string CategoryCode;
    std::int64_t Amount = 0;
    std::string Note;
};

struct Category {
    std::string CatCode;
    std::string CatName;
};

// Decodes one record. A record shorter than its layout (the incomplete last record
// of a file) is read as if the missing bytes were blanks.
Entry decodeEntry(std::string_view record);
Category decodeCategory(std::string_view record);

// The number of records a file of `fileSize` bytes holds: the size divided by the
// record size, rounded to the nearest whole number (half up), so that an incomplete
// last record counts once at least half of it is there.
std::size_t recordCount(std::uintmax_t fileSize, std::size_t recordSize);

enum class FileKind { Entries, Categories };

// The kind of a version-2 file by its name, matched without regard to letter case:
// "19??QBK.DAT" and "20??QBK.DAT" are entry files, "19??CATS.DAT" and "20??CATS.DAT"
// category files ("?" is any one byte). nullopt for every other name.
std::optional<FileKind> kindOfName(std::string_view name);

// The year text of an entry file's name: the first four of its last eleven characters.
std::string_view yearOfName(std::string_view name);

struct Files {
    std::vector<std::string> entryFiles;     // names only
    std::vector<std::string> categoryFiles;  // names only
};

// The version-2 files in `folder` (regular files or links to them), each kind ordered by
// the year in its name and then by name. A folder that cannot be read holds none.
Files findFiles(const std::string& folder);

}  // namespace qbk::converter::v2

#endif  // QBK_CONVERTER_VERSION2_FORMAT_H_

#include "converter/version2_format.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace qbk::converter::v2 {
namespace {

std::int64_t readInt64(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    return static_cast<std::int64_t>(value);
}

std::string completed(std::string_view record, std::size_t size) {
    std::string full(record.substr(0, size));
    full.resize(size, ' ');
    return full;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// "19??" + suffix or "20??" + suffix.
bool matchesYearPattern(std::string_view name, std::string_view suffix) {
    if (name.size() != 4 + suffix.size()) return false;
    const auto century = name.substr(0, 2);
    if (century != "19" && century != "20") return false;
    return equalsIgnoringCase(name.substr(4), suffix);
}

}  // namespace

Entry decodeEntry(std::string_view record) {
    const std::string r = completed(record, kEntrySize);
    const std::string_view v(r);
    return Entry{std::string(v.substr(kDateTextAt, kDateTextWidth)),
                 std::string(v.substr(kCategoryCodeAt, kCategoryCodeWidth)),
                 readInt64(v, kAmountAt), std::string(v.substr(kNoteAt, kNoteWidth))};
}

Category decodeCategory(std::string_view record) {
    const std::string r = completed(record, kCategorySize);
    const std::string_view v(r);
    return Category{std::string(v.substr(kCatCodeAt, kCatCodeWidth)),
                    std::string(v.substr(kCatNameAt, kCatNameWidth))};
}

std::size_t recordCount(std::uintmax_t fileSize, std::size_t recordSize) {
    return static_cast<std::size_t>((fileSize + recordSize / 2) / recordSize);
}

std::optional<FileKind> kindOfName(std::string_view name) {
    if (matchesYearPattern(name, "QBK.DAT")) return FileKind::Entries;
    if (matchesYearPattern(name, "CATS.DAT")) return FileKind::Categories;
    return std::nullopt;
}

std::string_view yearOfName(std::string_view name) {
    if (name.size() < 11) return name.substr(0, 4);
    return name.substr(name.size() - 11, 4);
}

Files findFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    Files found;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        const auto kind = kindOfName(name);
        if (!kind) continue;
        (*kind == FileKind::Entries ? found.entryFiles : found.categoryFiles).push_back(name);
    }
    // The year is the first four characters of either kind's name.
    const auto byYear = [](const std::string& a, const std::string& b) {
        const auto ya = a.substr(0, 4), yb = b.substr(0, 4);
        return ya != yb ? ya < yb : a < b;
    };
    std::sort(found.entryFiles.begin(), found.entryFiles.end(), byYear);
    std::sort(found.categoryFiles.begin(), found.categoryFiles.end(), byYear);
    return found;
}

}  // namespace qbk::converter::v2

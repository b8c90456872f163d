#include "store/category_record.h"

#include <cstring>

#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

void putText(char* out, std::string_view utf8, std::size_t width, char pad) {
    const std::string bytes = toWindows1252(utf8);
    const std::size_t n = bytes.size() < width ? bytes.size() : width;
    std::memcpy(out, bytes.data(), n);
    std::memset(out + n, pad, width - n);
}

}  // namespace

void encodeCategory(const CategoryRecord& r, char* out) {
    using namespace category_layout;
    putText(out + kCatCode, r.catCode, kCatCodeWidth, ' ');
    putText(out + kCatName, r.catName, kCatNameWidth, ' ');
    putText(out + kCatDescription, r.catDescription, kCatDescriptionWidth, ' ');
    putText(out + kCatReserved, r.catReserved, kCatReservedWidth, '\0');
}

std::string encodeCategory(const CategoryRecord& record) {
    std::string bytes(category_layout::kSize, '\0');
    encodeCategory(record, bytes.data());
    return bytes;
}

CategoryRecord decodeCategory(const char* in) {
    using namespace category_layout;
    CategoryRecord r;
    r.catCode = fromWindows1252({in + kCatCode, kCatCodeWidth});
    r.catName = fromWindows1252({in + kCatName, kCatNameWidth});
    r.catDescription = fromWindows1252({in + kCatDescription, kCatDescriptionWidth});
    r.catReserved = fromWindows1252({in + kCatReserved, kCatReservedWidth});
    return r;
}

std::vector<CategoryRecord> readCategories(const std::string& path) {
    ensureFileExists(path);
    const std::string bytes = readFile(path);
    std::vector<CategoryRecord> records;
    const std::size_t n = bytes.size() / category_layout::kSize;
    records.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        records.push_back(decodeCategory(bytes.data() + i * category_layout::kSize));
    return records;
}

void writeCategories(const std::string& path, const std::vector<CategoryRecord>& records) {
    std::string bytes;
    bytes.reserve(records.size() * category_layout::kSize);
    for (const CategoryRecord& r : records)
        bytes += encodeCategory(r);
    writeFileAtomically(path, bytes);
}

}  // namespace qbk

#include "import/delimited_line.h"

#include <cerrno>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// Between two fields of quoted text: the closing quote, the comma, the opening quote.
constexpr std::string_view kQuotedSeparator = "\",\"";

std::string finishQuoted(std::string_view field) {
    if (field.starts_with(',')) field.remove_prefix(1);
    if (field.starts_with('"')) field.remove_prefix(1);
    if (field.ends_with('"')) field.remove_suffix(1);
    return std::string(trimBlanks(field));
}

std::string finishSeparated(std::string_view field) {
    if (field.ends_with(',')) field.remove_suffix(1);
    return std::string(trimBlanks(field));
}

std::string finishLastSeparated(std::string_view field) {
    if (field.starts_with(',')) field.remove_prefix(1);
    return std::string(trimBlanks(field));
}

}  // namespace

std::optional<DelimitedStyle> delimitedStyleOf(std::string_view fileName) {
    if (fileName.size() < 3) return std::nullopt;
    const std::string ending = ansiUpperBytes(fileName.substr(fileName.size() - 3));
    if (ending == "TXT") return DelimitedStyle::Txt;
    if (ending == "CSV") return DelimitedStyle::Csv;
    return std::nullopt;
}

std::vector<std::string> splitFields(std::string_view line, DelimitedStyle style) {
    std::vector<std::string> fields;
    // The accumulator is line[start, pos]; it is finished by resetting `start`.
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const std::string_view taken = line.substr(start, pos + 1 - start);
        const bool last = pos + 1 == line.size();
        if (style == DelimitedStyle::Txt) {
            if (line.substr(pos, kQuotedSeparator.size()) == kQuotedSeparator) {
                fields.push_back(finishQuoted(taken));
                start = pos + 1;
            } else if (last) {
                fields.push_back(finishQuoted(taken));
            }
        } else {
            if (line[pos] == ',') {
                fields.push_back(finishSeparated(taken));
                start = pos + 1;
            }
            if (last) fields.push_back(finishLastSeparated(line.substr(start)));
        }
    }
    return fields;
}

std::string decodeImportBytes(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    return fromWindows1252(bytes);
}

std::string readImportText(const std::string& path) {
    // readFile takes a missing file for an empty one; a file the user chose must exist.
    if (!fileExists(path)) throw OperationError::fromErrno(ENOENT, path);
    return decodeImportBytes(readFile(path));
}

std::vector<std::string_view> importLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace qbk

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

std::string_view finishQuoted(std::string_view field) {
    if (field.starts_with(',')) field.remove_prefix(1);
    if (field.starts_with('"')) field.remove_prefix(1);
    if (field.ends_with('"')) field.remove_suffix(1);
    return trimBlanks(field);
}

bool isUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// UTF-16 text after its byte-order mark, as UTF-8; a lone surrogate becomes "?".
std::string fromUtf16(std::string_view bytes) {
    const bool big = bytes.starts_with("\xFE\xFF");
    bytes.remove_prefix(2);
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return big ? static_cast<unsigned>(a << 8 | b) : static_cast<unsigned>(b << 8 | a);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = '?';
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::string nameEnding(std::string_view fileName) {
    return fileName.size() < 3 ? std::string()
                               : ansiUpperBytes(fileName.substr(fileName.size() - 3));
}

std::optional<DelimitedStyle> delimitedStyleOf(std::string_view fileName) {
    const std::string ending = nameEnding(fileName);
    if (ending == "TXT") return DelimitedStyle::Txt;
    if (ending == "CSV") return DelimitedStyle::Csv;
    return std::nullopt;
}

FieldReader::FieldReader(std::string_view line, DelimitedStyle style, char separator)
    : line_(line), style_(style), separator_(separator), done_(line.empty()) {}

std::optional<std::string_view> FieldReader::next() {
    if (done_) return std::nullopt;
    return style_ == DelimitedStyle::Txt ? nextQuotedText() : nextSeparatedValue();
}

std::string_view FieldReader::nextQuotedText() {
    const std::size_t separator = line_.find(kQuotedSeparator, pos_);
    if (separator == std::string_view::npos) {
        done_ = true;
        return finishQuoted(line_.substr(pos_));
    }
    // The closing quote belongs to this field; the comma starts the next one.
    const std::string_view field = line_.substr(pos_, separator + 1 - pos_);
    pos_ = separator + 1;
    return finishQuoted(field);
}

std::string_view FieldReader::nextSeparatedValue() {
    std::size_t first = pos_;
    while (first < line_.size() && line_[first] == ' ' && separator_ != ' ')
        ++first;
    if (first < line_.size() && line_[first] == '"') return quotedValue(first);
    const std::size_t comma = line_.find(separator_, pos_);
    const std::string_view field =
        line_.substr(pos_, comma == std::string_view::npos ? std::string_view::npos : comma - pos_);
    if (comma == std::string_view::npos)
        done_ = true;
    else
        pos_ = comma + 1;
    return trimBlanks(field);
}

std::string_view FieldReader::quotedValue(std::size_t open) {
    // The text between the quotes is a view of the line unless it holds "" or text
    // follows the closing quote; only then is it copied.
    std::size_t at = open + 1;
    std::size_t close = line_.find('"', at);
    bool copied = false;
    while (close != std::string_view::npos && close + 1 < line_.size() && line_[close + 1] == '"') {
        if (!copied) unquoted_.clear();
        copied = true;
        unquoted_.append(line_.substr(at, close + 1 - at));
        at = close + 2;
        close = line_.find('"', at);
    }
    const std::size_t contentEnd = close == std::string_view::npos ? line_.size() : close;
    const std::size_t afterQuote = close == std::string_view::npos ? line_.size() : close + 1;
    const std::size_t comma = line_.find(separator_, afterQuote);
    const std::size_t fieldEnd = comma == std::string_view::npos ? line_.size() : comma;
    const std::string_view trailing = line_.substr(afterQuote, fieldEnd - afterQuote);
    if (comma == std::string_view::npos)
        done_ = true;
    else
        pos_ = comma + 1;
    if (!copied && trimBlanks(trailing).empty())
        return trimBlanks(line_.substr(at, contentEnd - at));
    if (!copied) unquoted_.clear();
    unquoted_.append(line_.substr(at, contentEnd - at));
    unquoted_.append(trailing);
    return trimBlanks(unquoted_);
}

std::vector<std::string> splitFields(std::string_view line, DelimitedStyle style, char separator) {
    std::vector<std::string> fields;
    FieldReader reader(line, style, separator);
    while (const std::optional<std::string_view> field = reader.next())
        fields.emplace_back(*field);
    return fields;
}

bool isBlankLine(std::string_view line, DelimitedStyle style, char separator) {
    FieldReader reader(line, style, separator);
    while (const std::optional<std::string_view> field = reader.next())
        if (!field->empty()) return false;
    return true;
}

std::string decodeImportBytes(std::string_view bytes) {
    if (isUtf16(bytes)) return fromUtf16(bytes);
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    return fromWindows1252(bytes);
}

std::string readImportText(const std::string& path) {
    // readFile takes a missing file for an empty one; a file the user chose must exist.
    if (!fileExists(path)) throw OperationError::fromErrno(ENOENT, path);
    return decodeImportBytes(readFile(path));
}

std::size_t forEachImportLine(const std::string& path,
                              const std::function<void(std::size_t, std::string_view)>& line) {
    if (!fileExists(path)) throw OperationError::fromErrno(ENOENT, path);
    {
        // UTF-16 (spreadsheets write it) is decoded whole; such files are small.
        if (isUtf16(readAt(path, 0, 2))) {
            const std::string text = fromUtf16(readFile(path));
            std::size_t number = 0;
            for (const std::string_view l : importLines(text))
                line(++number, l);
            return number;
        }
    }
    constexpr std::size_t kBlock = 1 << 20;
    std::string carried;  // the start of a line that runs on into the next block
    bool first = true, lfMayFollow = false;
    std::size_t number = 0;
    readInBlocks(path, kBlock, [&](std::string_view block) {
        if (first && block.starts_with(kUtf8ByteOrderMark))
            block.remove_prefix(kUtf8ByteOrderMark.size());
        first = false;
        // A CR at the end of the last block and an LF at the start of this one end one line.
        if (lfMayFollow && !block.empty() && block.front() == '\n') block.remove_prefix(1);
        lfMayFollow = false;
        const char* const data = block.data();
        std::size_t start = 0;
        for (;;) {
            std::size_t end = start;
            while (end < block.size() && data[end] != '\n' && data[end] != '\r')
                ++end;
            if (end == block.size()) {
                carried.append(data + start, end - start);
                return;
            }
            if (carried.empty()) {
                line(++number, block.substr(start, end - start));
            } else {
                carried.append(data + start, end - start);
                line(++number, carried);
                carried.clear();
            }
            start = end + 1;
            if (data[end] == '\r') {
                if (start == block.size())
                    lfMayFollow = true;
                else if (data[start] == '\n')
                    ++start;
            }
        }
    });
    if (!carried.empty()) line(++number, carried);
    return number;
}

ImportFileShape importFileShape(const std::string& path) {
    ImportFileShape shape;
    // A line end never falls inside a well-formed character, so the file is valid UTF-8
    // exactly when each of its lines is.
    shape.lines = forEachImportLine(path, [&](std::size_t, std::string_view line) {
        if (shape.utf8 && !isValidUtf8(line)) shape.utf8 = false;
    });
    return shape;
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

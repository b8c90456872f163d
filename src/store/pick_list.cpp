#include "store/pick_list.h"

#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

// The lines as the file holds them: Windows-1252, each ended by CR LF (a character
// without a Windows-1252 form becomes "?"), written atomically.
void writePickList(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    writeFileAtomically(path, bytes);
}

}  // namespace

std::vector<std::string> readPickList(const std::string& path) {
    ensureFileExists(path);
    std::string text = readFile(path);
    if (!isValidUtf8(text)) text = fromWindows1252(text);
    return splitLines(text);
}

bool rememberPickListValue(const std::string& path, std::string_view typed) {
    const BookLock lock(parentFolder(path));
    // Compared as it would be stored, so that a longer value typed again finds its line.
    const std::string stored = leftChars(typed, kPickListValueWidth);
    const std::string_view value = trimBlanks(stored);
    if (value.empty()) return false;
    std::vector<std::string> lines = readPickList(path);
    for (const std::string& line : lines)
        if (trimBlanks(line) == value) return false;
    lines.push_back(stored);
    writePickList(path, lines);
    return true;
}

std::size_t removePickListValue(const std::string& path, std::string_view value) {
    const BookLock lock(parentFolder(path));
    const std::string_view wanted = trimBlanks(value);
    std::vector<std::string> kept;
    std::size_t removed = 0;
    for (std::string& line : readPickList(path)) {
        if (trimBlanks(line) == wanted)
            ++removed;
        else
            kept.push_back(std::move(line));
    }
    writePickList(path, kept);
    return removed;
}

}  // namespace qbk

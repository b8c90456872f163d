#include "store/pick_list.h"

#include "platform/book_lock.h"
#include "platform/files.h"
#include "platform/windows1252.h"

namespace qbk {

std::vector<std::string> readPickList(const std::string& path) {
    ensureFileExists(path);
    std::string text = readFile(path);
    if (!isValidUtf8(text)) text = fromWindows1252(text);
    return splitLines(text);
}

bool rememberPickListValue(const std::string& path, std::string_view typed) {
    const BookLock lock(parentFolder(path));
    const std::string_view value = trimBlanks(typed);
    if (value.empty()) return false;
    std::vector<std::string> lines = readPickList(path);
    for (const std::string& line : lines)
        if (trimBlanks(line) == value) return false;
    lines.push_back(leftChars(typed, kPickListValueWidth));
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    writeFileAtomically(path, text);
    return true;
}

std::size_t removePickListValue(const std::string& path, std::string_view value) {
    const BookLock lock(parentFolder(path));
    const std::string_view wanted = trimBlanks(value);
    std::string kept;
    std::size_t removed = 0;
    for (const std::string& line : readPickList(path)) {
        if (trimBlanks(line) == wanted) {
            ++removed;
            continue;
        }
        kept += line + "\r\n";
    }
    writeFileAtomically(path, kept);
    return removed;
}

}  // namespace qbk

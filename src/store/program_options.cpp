#include "store/program_options.h"

#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/book_files.h"

namespace qbk {

std::string programOption(const std::string& programFolder, std::string_view key) {
    const std::string path = joinPath(programFolder, kDueSettingsFileName);
    if (!fileExists(path)) return {};
    std::string value;
    for (const std::string& line : splitLines(readFile(path)))
        if (line.starts_with(key)) value = std::string(trimBlanks(line.substr(key.size())));
    return value;
}

void setProgramOption(const std::string& programFolder, std::string_view key,
                      std::string_view value) {
    const std::string path = joinPath(programFolder, kDueSettingsFileName);
    std::string text;
    if (fileExists(path))
        for (const std::string& line : splitLines(readFile(path)))
            if (!line.starts_with(key) && !line.empty()) text += line + "\r\n";
    text += std::string(key) + std::string(value) + "\r\n";
    writeFileAtomically(path, text);
}

}  // namespace qbk

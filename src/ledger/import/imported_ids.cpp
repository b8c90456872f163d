#include "import/imported_ids.h"

#include <algorithm>

#include "import/delimited_line.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "store/book_files.h"

namespace qbk {

std::string importedIdsPath(const std::string& recordFilePath) {
    const std::string name = fileName(recordFilePath);
    const std::size_t dot = name.rfind('.');
    const std::string base =
        dot == std::string::npos || dot == 0
            ? recordFilePath
            : recordFilePath.substr(0, recordFilePath.size() - (name.size() - dot));
    return base + std::string(kImportedIdsEnding);
}

std::unordered_set<std::string> ImportedIds::known(
    const std::unordered_set<double>& bookStamps) const {
    std::unordered_set<std::string> ids;
    for (const auto& [id, stamp] : stampOf)
        if (bookStamps.contains(stamp)) ids.insert(id);
    return ids;
}

ImportedIds readImportedIds(const std::string& path) {
    ImportedIds ids;
    if (!fileExists(path)) return ids;
    const std::string text = readFile(path);
    for (const std::string_view line : importLines(text)) {
        const std::size_t tab = line.find('\t');
        const std::optional<double> stamp =
            tab == std::string_view::npos ? std::nullopt : parseStamp(line.substr(0, tab));
        if (!stamp || tab + 1 == line.size()) {
            if (!line.empty()) ids.otherLines.emplace_back(line);
            continue;
        }
        ids.stampOf[std::string(line.substr(tab + 1))] = *stamp;
    }
    return ids;
}

std::string importedIdsText(const ImportedIds& ids, const std::unordered_set<double>& bookStamps) {
    // In stamp order, which is the order the entries were imported in.
    std::vector<std::pair<double, const std::string*>> kept;
    for (const auto& [id, stamp] : ids.stampOf)
        if (bookStamps.contains(stamp)) kept.emplace_back(stamp, &id);
    std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : *a.second < *b.second;
    });
    std::string text;
    for (const std::string& line : ids.otherLines)
        text += line + "\r\n";
    for (const auto& [stamp, id] : kept)
        text += stampText(stamp) + "\t" + *id + "\r\n";
    return text;
}

std::string cleanImportedId(std::string_view id) {
    std::string clean(id);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; },
        ' ');
    return clean;
}

}  // namespace qbk

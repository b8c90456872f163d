#include "schedules/due_settings.h"

#include "platform/files.h"
#include "platform/windows1252.h"
#include "store/book_files.h"

namespace qbk {

bool postsWithoutAsking(const std::string& programFolder) {
    const std::string path = joinPath(programFolder, kDueSettingsFileName);
    if (!fileExists(path)) return false;
    bool without = false;
    for (const std::string& line : splitLines(readFile(path)))
        if (line.starts_with(kPostWithoutAskingKey))
            without = trimBlanks(line.substr(kPostWithoutAskingKey.size())) == "Y";
    return without;
}

void setPostsWithoutAsking(const std::string& programFolder, bool withoutAsking) {
    writeFileAtomically(joinPath(programFolder, kDueSettingsFileName),
                        std::string(kPostWithoutAskingKey) + (withoutAsking ? "Y" : "N") + "\r\n");
}

}  // namespace qbk

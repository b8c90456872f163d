#include "schedules/due_settings.h"

#include "store/program_options.h"

namespace qbk {

bool postsWithoutAsking(const std::string& programFolder) {
    return programOption(programFolder, kPostWithoutAskingKey) == "Y";
}

void setPostsWithoutAsking(const std::string& programFolder, bool withoutAsking) {
    setProgramOption(programFolder, kPostWithoutAskingKey, withoutAsking ? "Y" : "N");
}

}  // namespace qbk

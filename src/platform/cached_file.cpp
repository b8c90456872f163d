#include "platform/cached_file.h"

#include <cstdint>

namespace qbk {

bool CachedFile::holds(const std::string& path) const {
    return content_ && path == path_ && fileIdentity(path) == identity_;
}

std::shared_ptr<const std::string> CachedFile::read(const std::string& path) {
    if (holds(path)) return content_;
    clear();
    FileIdentity identity;
    auto content = std::make_shared<const std::string>(readFile(path, identity));
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    const std::int64_t settle = settleTime_.count();
    const bool settled = identity.inode != 0 && identity.modifiedNs < now - settle &&
                         identity.changedNs < now - settle;
    if (settled) {
        path_ = path;
        identity_ = identity;
        content_ = content;
    }
    return content;
}

void CachedFile::clear() {
    path_.clear();
    identity_ = {};
    content_.reset();
}

}  // namespace qbk

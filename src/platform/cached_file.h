// The whole content of one file, kept in memory between reads while the file stays
// as it was, so that a window that lists a big book many times reads it once.
//
// The file counts as unchanged while its FileIdentity is (device, inode, size,
// modification and change times). Times have the file system's granularity (a few
// milliseconds, 2 s on FAT), so an overwrite in place right after a change could leave
// them alone: content read less than kSettleTime after the file's last change is not
// kept, and the next read goes to the file again.
#ifndef QBK_PLATFORM_CACHED_FILE_H_
#define QBK_PLATFORM_CACHED_FILE_H_

#include <chrono>
#include <memory>
#include <string>

#include "platform/files.h"

namespace qbk {

class CachedFile {
  public:
    static constexpr std::chrono::seconds kSettleTime{3};

    explicit CachedFile(std::chrono::nanoseconds settleTime = kSettleTime)
        : settleTime_(settleTime) {}

    // The content of `path`: the kept one when it is the content of this path and the
    // file is unchanged since, else read now (and kept when settled). Same errors as
    // readFile; a missing file in an existing folder has an empty content. The content
    // stays valid for as long as the caller holds it, whatever later reads do.
    std::shared_ptr<const std::string> read(const std::string& path);

    // True when a read of `path` now would give the kept content without going to the
    // file: a holder of an older content can let go of it before a read that would make
    // a second copy.
    bool holds(const std::string& path) const;

    // Drops the kept content; the next read goes to the file.
    void clear();

  private:
    std::chrono::nanoseconds settleTime_;
    std::string path_;
    FileIdentity identity_;
    std::shared_ptr<const std::string> content_;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_CACHED_FILE_H_

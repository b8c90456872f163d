// A file-size limit (RLIMIT_FSIZE) for the life of a test, as a user's shell may set
// one, with SIGXFSZ ignored as the programs ignore it: a write past the limit fails.
#ifndef QBK_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_
#define QBK_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_

#include <sys/resource.h>

#include "platform/files.h"

namespace qbk::testing {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        reportFileSizeLimitAsError();
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_

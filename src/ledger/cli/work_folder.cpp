#include "cli/work_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/errors.h"

namespace qbk {

WorkFolder::WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qbk3-cli-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw OperationError::fromErrno(errno, pattern);
    path_ = pattern;
}

WorkFolder::~WorkFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace qbk

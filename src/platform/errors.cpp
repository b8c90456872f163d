#include "platform/errors.h"

#include <cerrno>
#include <cstring>

namespace qbk {

OperationError OperationError::fromErrno(int err, const std::string& path) {
    int number = errnum::kPathFileAccess;
    const char* name = nullptr;
    switch (err) {
        case ENOENT:
            number = errnum::kFileNotFound;
            name = "File not found";
            break;
        case ENOTDIR:
            number = errnum::kPathNotFound;
            name = "Path not found";
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            number = errnum::kDiskFull;
            name = "Disk full";
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            number = errnum::kPermissionDenied;
            name = "Permission denied";
            break;
        case EIO:
            number = errnum::kDeviceIo;
            name = "Device I/O error";
            break;
        case EEXIST:
            number = errnum::kFileExists;
            name = "File already exists";
            break;
        default:
            break;
    }
    std::string description = name ? std::string(name) : std::string(std::strerror(err));
    if (!path.empty()) description += " (" + path + ")";
    return OperationError(number, description);
}

std::string commonErrorText(int number, std::string_view description) {
    std::string text = "An error has occurred, and this operation has been aborted...\r\n\r\n";
    text += "Error name: ";
    text += description;
    text += "\r\n\r\nError number: ";
    text += std::to_string(number);
    text +=
        "\r\n\r\nPlease make a note of the error name and number, and which process you are "
        "having trouble with.\r\n\r\nIn the event you are unable to solve the problem yourself, "
        "this information will make it much more likely that Brindlefold tech support will be "
        "able to help in a timely manner. Thanks, and sorry you are having trouble!";
    return text;
}

std::string commonErrorText(const OperationError& error) {
    return commonErrorText(error.number(), error.what());
}

}  // namespace qbk

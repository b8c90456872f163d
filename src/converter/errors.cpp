#include "converter/errors.h"

#include <cerrno>
#include <cstring>

namespace qbk::converter {

FileError::FileError(int number, std::string file, std::string detail)
    : std::runtime_error(file + ": " + detail),
      number_(number),
      file_(std::move(file)),
      detail_(std::move(detail)) {}

FileError FileError::fromErrno(int err, const std::string& path) {
    int number = errnum::kPathFileAccess;
    switch (err) {
        case ENOENT:
            number = errnum::kFileNotFound;
            break;
        case ENOTDIR:
            number = errnum::kPathNotFound;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            number = errnum::kPermissionDenied;
            break;
        case ENOSPC:
        case EDQUOT:
            number = errnum::kDiskFull;
            break;
        case EIO:
            number = errnum::kDeviceIo;
            break;
        default:
            break;
    }
    return FileError(number, path, std::strerror(err));
}

std::string commonErrorText(std::string_view description, int number) {
    std::string text = "An error has occurred, and this operation has been aborted...\r\n\r\n";
    text += "Error name: ";
    text += description;
    text += "\r\n\r\nError number: ";
    text += std::to_string(number);
    text +=
        "\r\n\r\nPlease make a note of the error name and number, and which process you are "
        "having trouble with.\r\n\r\nIn the event you are unable to solve the problem "
        "yourself, this information will make it much more likely that Brindlefold tech "
        "support will be able to help in a timely manner. Thanks, and sorry you are having "
        "trouble!";
    return text;
}

}  // namespace qbk::converter

// Failures of file and data operations, and the one message that reports them.
#ifndef QBK_PLATFORM_ERRORS_H_
#define QBK_PLATFORM_ERRORS_H_

#include <stdexcept>
#include <string>
#include <string_view>

namespace qbk {

// Error numbers shown in the common error message. They keep the numbering of the
// Windows program this one replaces, so that support notes written for it still apply.
namespace errnum {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kFileExists = 58;
inline constexpr int kBadRecordLength = 59;
inline constexpr int kDiskFull = 61;
inline constexpr int kPastEndOfFile = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kPrinterError = 482;
}  // namespace errnum

// An operation that could not be completed. `what()` is the description shown after
// "Error name: "; `number()` is shown after "Error number: ".
class OperationError : public std::runtime_error {
  public:
    OperationError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

    // The failure of a system call on `path`, from its errno value.
    static OperationError fromErrno(int err, const std::string& path);

  private:
    int number_;
};

inline constexpr std::string_view kCommonErrorTitle = "Error - operation aborted";

// The common error message text for `error` (lines separated by CR LF).
std::string commonErrorText(const OperationError& error);
std::string commonErrorText(int number, std::string_view description);

}  // namespace qbk

#endif  // QBK_PLATFORM_ERRORS_H_

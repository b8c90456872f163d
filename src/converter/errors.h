// Failures of file operations, and the one message that reports an unexpected failure.
#ifndef QBK_CONVERTER_ERRORS_H_
#define QBK_CONVERTER_ERRORS_H_

#include <stdexcept>
#include <string>
#include <string_view>

namespace qbk::converter {

// Error numbers shown in the common error message; they keep the numbering of the
// Windows programs, so that support notes written for them still apply.
namespace errnum {
inline constexpr int kInternalError = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace errnum

// A file operation that failed. what() is "<file>: <system description>";
// `detail()` is the system description alone.
class FileError : public std::runtime_error {
  public:
    FileError(int number, std::string file, std::string detail);
    // The failure `err` (an errno value) of an operation on `path`.
    static FileError fromErrno(int err, const std::string& path);

    int number() const { return number_; }
    const std::string& file() const { return file_; }
    const std::string& detail() const { return detail_; }

  private:
    int number_;
    std::string file_;
    std::string detail_;
};

inline constexpr std::string_view kCommonErrorTitle = "Error - operation aborted";

// The text of the common error message (lines separated by CR LF).
std::string commonErrorText(std::string_view description, int number);

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_ERRORS_H_

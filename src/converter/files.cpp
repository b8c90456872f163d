#include "converter/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "converter/errors.h"
#include "converter/version2_format.h"

namespace qbk::converter {
namespace fs = std::filesystem;
namespace {

// Closes a descriptor on every way out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the failure that a delayed write may surface only here.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

  private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError::fromErrno(errno, path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Writes `content` to a new sibling of `path` and renames it over `path`.
void replaceFile(const std::string& path, std::string_view content, mode_t mode) {
    std::string temp = path + ".XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) throw FileError::fromErrno(errno, path);
    try {
        if (::fchmod(fd.get(), mode) != 0) throw FileError::fromErrno(errno, path);
        writeAll(fd.get(), content, path);
        if (::fsync(fd.get()) != 0) throw FileError::fromErrno(errno, path);
        if (fd.close() != 0) throw FileError::fromErrno(errno, path);
        if (::rename(temp.c_str(), path.c_str()) != 0) throw FileError::fromErrno(errno, path);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    // The rename itself becomes durable with the folder.
    Fd folder(::open(parentOf(path).c_str(), O_RDONLY | O_DIRECTORY));
    if (folder.get() >= 0) ::fsync(folder.get());
}

std::string yearKey(const std::string& name) {
    return name.substr(0, 4);
}

}  // namespace

std::string withSlash(std::string_view folder) {
    std::string s(folder);
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

std::optional<std::string> readFileIfExists(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY));
    if (fd.get() < 0) {
        if (errno == ENOENT) return std::nullopt;
        throw FileError::fromErrno(errno, path);
    }
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError::fromErrno(errno, path);
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

IncompleteRecordError::IncompleteRecordError(std::string file, std::uintmax_t extraBytes)
    : std::runtime_error(file + " ends with an incomplete record"),
      file_(std::move(file)),
      extraBytes_(extraBytes) {}

void appendRecordsAtomically(const std::string& path, std::size_t recordSize,
                             std::string_view records) {
    // Through a link, the file it points to is the one to extend.
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    const std::string target = ec ? path : resolved.string();

    std::string content;
    mode_t mode = 0666 & ~currentUmask();
    if (auto old = readFileIfExists(target)) {
        if (old->size() % recordSize != 0) {
            throw IncompleteRecordError(path, old->size() % recordSize);
        }
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;
        content = std::move(*old);
    }
    content.append(records);
    replaceFile(target, content, mode);
}

Version2Files findVersion2Files(const std::string& folder) {
    Version2Files found;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        const auto kind = v2::kindOfName(name);
        if (!kind) continue;
        (*kind == v2::FileKind::Entries ? found.entryFiles : found.categoryFiles).push_back(name);
    }
    const auto byYear = [](const std::string& a, const std::string& b) {
        const auto ya = yearKey(a), yb = yearKey(b);
        return ya != yb ? ya < yb : a < b;
    };
    std::sort(found.entryFiles.begin(), found.entryFiles.end(), byYear);
    std::sort(found.categoryFiles.begin(), found.categoryFiles.end(), byYear);
    return found;
}

std::string executableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return withSlash(exe.parent_path().string());
}

std::string chooseProgramFolder(const std::string& exeFolder, const std::string& xdgDataHome,
                                const std::string& home) {
    if (!exeFolder.empty()) {
        std::error_code ec;
        if (fs::is_directory(exeFolder, ec) && ::access(exeFolder.c_str(), W_OK) == 0) {
            return withSlash(exeFolder);
        }
    }
    std::string base;
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        base = withSlash(xdgDataHome);
    } else if (!home.empty()) {
        base = withSlash(home) + ".local/share/";
    } else {
        throw FileError(errnum::kPathNotFound, "quillbank",
                        "no folder for the program's data ($HOME is not set)");
    }
    const std::string folder = base + "quillbank";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw FileError::fromErrno(ec.value(), folder);
    return withSlash(folder);
}

std::string programFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return chooseProgramFolder(executableFolder(), xdg != nullptr ? xdg : "",
                               home != nullptr ? home : "");
}

}  // namespace qbk::converter

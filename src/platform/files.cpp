#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <random>

#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "platform/large_buffer.h"
#include "platform/undo_history.h"

namespace qbk {
namespace {

[[noreturn]] void fail(const std::string& path) {
    throw OperationError::fromErrno(errno, path);
}

// A missing folder is reported as such, not as a missing file.
[[noreturn]] void failOpen(const std::string& path) {
    const int err = errno;
    if (err == ENOENT) {
        const std::string folder = parentFolder(path);
        if (!folder.empty() && !folderExists(folder))
            throw OperationError(errnum::kPathNotFound, "Path not found (" + folder + ")");
    }
    throw OperationError::fromErrno(err, path);
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the failure a deferred write may only show here.
    void close(const std::string& path) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail(path);
    }

  private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        fault::point(path);
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Writes the pieces in order, many per system call.
void writeAll(int fd, std::span<const std::string_view> pieces, const std::string& path) {
    std::vector<iovec> vec;
    vec.reserve(std::min<std::size_t>(pieces.size(), IOV_MAX));
    std::size_t next = 0;
    while (next < pieces.size()) {
        vec.clear();
        for (; next < pieces.size() && vec.size() < IOV_MAX; ++next)
            if (!pieces[next].empty())
                vec.push_back({const_cast<char*>(pieces[next].data()), pieces[next].size()});
        std::size_t first = 0;
        while (first < vec.size()) {
            fault::point(path);
            const ssize_t n =
                ::writev(fd, vec.data() + first, static_cast<int>(vec.size() - first));
            if (n < 0) {
                if (errno == EINTR) continue;
                fail(path);
            }
            // Skip what was written; a short write resumes inside a piece.
            auto left = static_cast<std::size_t>(n);
            while (first < vec.size() && left >= vec[first].iov_len)
                left -= vec[first++].iov_len;
            if (left > 0) {
                vec[first].iov_base = static_cast<char*>(vec[first].iov_base) + left;
                vec[first].iov_len -= left;
            }
        }
    }
}

// Creates a new file beside `target` under a name no other file has, with `mode`
// less the umask; its name goes to `name`.
int createSibling(const std::string& target, mode_t mode, std::string& name) {
    static std::atomic<unsigned> counter{0};
    std::mt19937 random(static_cast<unsigned>(::getpid()) ^ counter++ ^
                        static_cast<unsigned>(std::time(nullptr)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        name = target + std::string(kTemporaryInfix) + suffix;
        fault::point(name);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    const int err = errno;
    name.clear();
    throw OperationError::fromErrno(err, target);
}

void syncFolder(const std::string& path) {
    const std::string folder = parentFolder(path);
    if (!fault::passes(path)) return;  // a folder's sync reports no full disk
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool isTemporaryName(std::string_view name) {
    const std::size_t at = name.rfind(kTemporaryInfix);
    if (at == std::string_view::npos || at == 0) return false;
    const std::string_view suffix = name.substr(at + kTemporaryInfix.size());
    return suffix.size() == 8 &&
           suffix.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string path(folder);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

std::string withTrailingSlash(std::string_view folder) {
    std::string f(folder);
    if (f.empty() || f.back() != '/') f += '/';
    return f;
}

std::string parentFolder(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string fileName(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string resolveLinks(const std::string& path) {
    std::string current = path;
    // As many links as the system itself follows before it gives up (ELOOP).
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) fail(current);
        target.resize(static_cast<std::size_t>(n));
        if (target.empty() || target.front() == '/') {
            current = target;
        } else {
            const std::string folder = parentFolder(current);
            current = folder.empty() ? target : joinPath(folder, target);
        }
    }
    throw OperationError::fromErrno(ELOOP, path);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isSameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::uint64_t fileLength(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return 0;
        fail(path);
    }
    return static_cast<std::uint64_t>(st.st_size);
}

FileTime lastModified(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) failOpen(path);
    std::tm tm{};
    const time_t t = st.st_mtime;
    localtime_r(&t, &tm);
    return {serialFromDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
            tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec};
}

void ensureFileExists(const std::string& path) {
    if (fileExists(path)) return;
    // Made by a change, the new file is taken back with it.
    undo_hooks::beforeReplace(path);
    fault::point(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode);
    if (fd < 0) failOpen(path);
    ::close(fd);
}

namespace {

FileIdentity identityOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

}  // namespace

FileIdentity fileIdentity(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return identityOf(st);
}

std::string readFile(const std::string& path) {
    FileIdentity unused;
    return readFile(path, unused);
}

std::string readFile(const std::string& path, FileIdentity& identity) {
    identity = {};
    const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (raw < 0) {
        if (errno == ENOENT) {
            const std::string folder = parentFolder(path);
            if (folder.empty() || folderExists(folder)) return {};
        }
        failOpen(path);
    }
    Fd fd(raw);
    // Read straight into a buffer of the file's size: one copy, no staging buffer. A file
    // that grows while being read is read to its end all the same.
    struct stat st {};
    const bool known = ::fstat(fd.get(), &st) == 0;
    if (known) identity = identityOf(st);
    const std::size_t capacity =
        known && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : std::size_t{1} << 16;
    std::string content = largeBuffer(capacity);
    std::size_t got = 0;
    for (;;) {
        if (got == content.size()) content.resize(content.size() * 2);
        const ssize_t n = ::read(fd.get(), content.data() + got, content.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(path);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    content.resize(got);
    return content;
}

std::uint64_t readInBlocks(const std::string& path, std::size_t blockSize,
                           const std::function<void(std::string_view block)>& block) {
    const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (raw < 0) failOpen(path);
    Fd fd(raw);
    std::string buffer(blockSize, '\0');
    std::uint64_t total = 0;
    for (bool end = false; !end;) {
        std::size_t got = 0;
        while (got < blockSize) {
            const ssize_t n = ::read(fd.get(), buffer.data() + got, blockSize - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail(path);
            }
            if (n == 0) {
                end = true;
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        total += got;
        if (got > 0 || total == 0) block(std::string_view(buffer.data(), got));
    }
    return total;
}

std::string readAt(const std::string& path, std::uint64_t offset, std::size_t length) {
    const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (raw < 0) failOpen(path);
    Fd fd(raw);
    std::string out(length, '\0');
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n =
            ::pread(fd.get(), out.data() + got, length - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(path);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return out;
}

void writeFileAtomically(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    const std::string_view pieces[] = {bytes};
    writeFileAtomically(path, pieces, newFileMode);
}

void writeFileAtomically(const std::string& path, std::span<const std::string_view> pieces,
                         unsigned newFileMode) {
    const StagedFile staged = stageFile(path, pieces, newFileMode);
    try {
        commitStagedFile(staged);
    } catch (...) {
        discardStagedFile(staged);
        throw;
    }
}

StagedFile stageFile(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    const std::string_view pieces[] = {bytes};
    return stageFile(path, pieces, newFileMode);
}

StagedFile stageFile(const std::string& path, std::span<const std::string_view> pieces,
                     unsigned newFileMode) {
    StagedFile staged;
    staged.target = resolveLinks(path);
    const std::string& target = staged.target;
    const std::string folder = parentFolder(target);
    if (!folder.empty() && !folderExists(folder))
        throw OperationError(errnum::kPathNotFound, "Path not found (" + folder + ")");
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A rename would silently make another user's file this user's own.
    if (replacing && old.st_uid != ::geteuid() && ::geteuid() != 0)
        throw OperationError(errnum::kPermissionDenied,
                             "Permission denied (" + target + " belongs to another user)");
    // Created with the mode as the file is to have it, so that the umask applies to a
    // new file and the content is never readable by more users than the final file.
    const auto mode = static_cast<mode_t>(replacing ? (old.st_mode & 0777) : newFileMode);
    const int raw = createSibling(target, mode, staged.temporary);
    Fd fd(raw);
    try {
        // The umask must not narrow the permissions the replaced file has.
        if (replacing && ::fchmod(fd.get(), old.st_mode & 07777) != 0) fail(target);
        writeAll(fd.get(), pieces, path);
        fault::point(path);
        if (::fsync(fd.get()) != 0) fail(path);
        fd.close(path);
    } catch (...) {
        discardStagedFile(staged);
        throw;
    }
    return staged;
}

void commitStagedFile(const StagedFile& staged) {
    undo_hooks::beforeReplace(staged.target);
    fault::point(staged.target);
    if (::rename(staged.temporary.c_str(), staged.target.c_str()) != 0) fail(staged.target);
    syncFolder(staged.target);
}

void discardStagedFile(const StagedFile& staged) noexcept {
    if (!staged.temporary.empty()) ::unlink(staged.temporary.c_str());
}

void writeAt(const std::string& path, std::uint64_t offset, std::string_view bytes) {
    undo_hooks::beforeWriteAt(path, offset, bytes.size());
    const int raw = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (raw < 0) failOpen(path);
    Fd fd(raw);
    std::size_t done = 0;
    while (done < bytes.size()) {
        fault::point(path);
        const ssize_t n = ::pwrite(fd.get(), bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(path);
        }
        done += static_cast<std::size_t>(n);
    }
    fault::point(path);
    if (::fsync(fd.get()) != 0) fail(path);
    fd.close(path);
}

void appendToFile(const std::string& path, std::string_view bytes) {
    undo_hooks::beforeWriteAt(path, fileLength(path), bytes.size());
    fault::point(path);
    const int raw = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kNewFileMode);
    if (raw < 0) failOpen(path);
    Fd fd(raw);
    struct stat st {};
    const off_t before = ::fstat(fd.get(), &st) == 0 ? st.st_size : -1;
    try {
        writeAll(fd.get(), bytes, path);
        fault::point(path);
        if (::fsync(fd.get()) != 0) fail(path);
    } catch (...) {
        // Take back a partial append, so the file ends on a whole record as before.
        if (before >= 0) [[maybe_unused]]
            const int ignored = ::ftruncate(fd.get(), before);
        throw;
    }
    fd.close(path);
}

void copyFile(const std::string& from, const std::string& to) {
    if (!fileExists(from)) failOpen(from);
    writeFileAtomically(to, readFile(from));
}

void syncFolderEntry(const std::string& path) {
    syncFolder(path);
}

void renameFile(const std::string& from, const std::string& to) {
    undo_hooks::beforeReplace(to);
    fault::point(to);
    if (::rename(from.c_str(), to.c_str()) != 0) failOpen(from);
}

void removeFile(const std::string& path) {
    undo_hooks::beforeReplace(path);
    fault::point(path);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) fail(path);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

void reportFileSizeLimitAsError() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string currentFolder() {
    char buf[PATH_MAX];
    if (::getcwd(buf, sizeof buf) == nullptr) return ".";
    return buf;
}

}  // namespace qbk

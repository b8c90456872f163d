#include "platform/book_lock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <string_view>
#include <thread>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/undo_history.h"

namespace qbk {
namespace {

struct Held {
    int fd = -1;
    int count = 0;
};

// The locks this process holds, by folder. flock locks belong to an open file
// description, so a second open() of the lock file in this process would wait for the
// first: nested holders share one descriptor instead.
std::mutex& heldMutex() {
    static std::mutex m;
    return m;
}
std::map<std::string, Held>& heldLocks() {
    static std::map<std::string, Held> held;
    return held;
}

bool isTemporaryCopy(std::string_view name) {
    if (name == "temp.dat") return true;
    // The atomic writer's copies: a book file's name, a dot and eight hex digits.
    if (name.size() < 14 || name[name.size() - 9] != '.') return false;
    const std::string_view suffix = name.substr(name.size() - 8);
    if (suffix.find_first_not_of("0123456789abcdef") != std::string_view::npos) return false;
    const std::string_view base = name.substr(0, name.size() - 9);
    for (const std::string_view ext : {".dat", ".DAT", ".ini", ".txt", ".mac", ".qbk", ".ids", ".rules"})
        if (base.ends_with(ext)) return true;
    return false;
}

void removeTemporaryCopies(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (isTemporaryCopy(name)) ::unlink(joinPath(folder, name).c_str());
    }
    ::closedir(dir);
}

}  // namespace

std::string bookBusyText(const std::string& folder) {
    return "The book in " + folder + " is being changed by another program; try again";
}

BookLock::BookLock(const std::string& folder, std::chrono::milliseconds wait) {
    std::string_view trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.remove_suffix(1);
    const std::string key = trimmed.empty() ? std::string(".") : std::string(trimmed);
    std::lock_guard guard(heldMutex());
    auto& held = heldLocks();
    if (auto it = held.find(key); it != held.end()) {
        ++it->second.count;
        key_ = key;
        return;
    }
    if (!folderExists(key)) throw OperationError(errnum::kPathNotFound, "Path not found (" + key + ")");
    const std::string path = joinPath(key, kLockFileName);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A read-only folder whose book nobody can change: let the writer meet the
        // folder's own error on its write, as before.
        if (errno == EROFS || errno == EACCES) {
            held[key] = Held{-1, 1};
            key_ = key;
            undo_hooks::beginChange(key);
            return;
        }
        throw OperationError::fromErrno(errno, path);
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int err = errno;
            ::close(fd);
            throw OperationError::fromErrno(err, path);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            throw OperationError(errnum::kPermissionDenied, bookBusyText(key));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    held[key] = Held{fd, 1};
    key_ = key;
    removeTemporaryCopies(key);
    undo_hooks::beginChange(key);
}

BookLock::~BookLock() {
    std::lock_guard guard(heldMutex());
    auto& held = heldLocks();
    auto it = held.find(key_);
    if (it == held.end() || --it->second.count > 0) return;
    // The change is kept for undo while no other writer can start the next one.
    undo_hooks::endChange(key_);
    if (it->second.fd >= 0) ::close(it->second.fd);  // closing releases the flock
    held.erase(it);
}

}  // namespace qbk

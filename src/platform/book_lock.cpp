#include "platform/book_lock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
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
    int exceptions = 0;  // uncaught when the outermost holder took it
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

// Only names the atomic writer makes are removed: a user's own "quillbank.dat.20261208"
// beside the book is theirs.
void removeTemporaryCopies(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (isTemporaryName(name)) ::unlink(joinPath(folder, name).c_str());
    }
    ::closedir(dir);
}

}  // namespace

std::string bookBusyText(const std::string& folder) {
    return "The book in " + folder + " is being changed by another program; try again";
}

BookLock::BookLock(const std::string& folder, std::chrono::milliseconds wait) {
    std::string_view trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.remove_suffix(1);
    const std::string key = trimmed.empty() ? std::string(".") : std::string(trimmed);
    std::lock_guard guard(heldMutex());
    auto& held = heldLocks();
    if (auto it = held.find(key); it != held.end()) {
        ++it->second.count;
        key_ = key;
        return;
    }
    if (!folderExists(key))
        throw OperationError(errnum::kPathNotFound, "Path not found (" + key + ")");
    const int exceptions = std::uncaught_exceptions();
    // The lock is held on the folder itself: unlike a lock file, it cannot be removed,
    // replaced or made a link while held, and it creates nothing in the folder.
    const int fd = ::open(key.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder this user cannot read: let the writer meet the folder's own error on
        // its write, as before.
        if (errno == EACCES) {
            held[key] = Held{-1, 1, exceptions};
            key_ = key;
            undo_hooks::beginChange(key);
            return;
        }
        throw OperationError::fromErrno(errno, key);
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int err = errno;
            ::close(fd);
            throw OperationError::fromErrno(err, key);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            throw OperationError(errnum::kPermissionDenied, bookBusyText(key));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    key_ = key;
    try {
        removeTemporaryCopies(key);
        undo_hooks::recoverInterrupted(key);
    } catch (...) {
        ::close(fd);
        throw;
    }
    held[key] = Held{fd, 1, exceptions};
    undo_hooks::beginChange(key);
}

void BookLock::commit() {
    {
        std::lock_guard guard(heldMutex());
        auto it = heldLocks().find(key_);
        if (it == heldLocks().end() || it->second.count > 1) return;
    }
    undo_hooks::commitChange(key_);
}

BookLock::~BookLock() {
    std::lock_guard guard(heldMutex());
    auto& held = heldLocks();
    auto it = held.find(key_);
    if (it == held.end() || --it->second.count > 0) return;
    // The change commits (or, left by an exception, is put back) while no other writer
    // can start the next one.
    undo_hooks::endChange(key_, std::uncaught_exceptions() > it->second.exceptions);
    if (it->second.fd >= 0) ::close(it->second.fd);  // closing releases the flock
    held.erase(it);
}

}  // namespace qbk

// One writer at a time on a book. Every change to a data folder's files (record file,
// category file, settings, pick lists, macros, notes) is a read-modify-write done while
// holding this lock, so that two programs (two windows, a window and qbk3-cli, the
// converter) never lose each other's changes. Readers take no lock: files are replaced
// by an atomic rename, so a reader sees the old file or the new one.
//
// The lock is an exclusive flock(2) on the file kLockFileName in the data folder. Within
// one process the lock of a folder is shared: a locked command that calls another
// locked command does not wait for itself.
#ifndef QBK_PLATFORM_BOOK_LOCK_H_
#define QBK_PLATFORM_BOOK_LOCK_H_

#include <chrono>
#include <string>

namespace qbk {

inline constexpr const char* kLockFileName = "quillbank.lock";

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds kBookLockWait{5000};

class BookLock {
  public:
    // Takes the lock of `folder` (with or without a trailing "/"), waiting at most
    // `wait`. Throws OperationError (kPermissionDenied, "The book in <folder> is being
    // changed by another program; try again") when another process holds it that long,
    // or the failure of creating the lock file (a missing or read-only folder).
    //
    // The first holder in a process also removes the temporary copies an interrupted
    // write of another run left in the folder ("<file>.xxxxxxxx" beside a book file, and
    // "temp.dat"): nobody else can be writing them, and they are never read.
    explicit BookLock(const std::string& folder,
                      std::chrono::milliseconds wait = kBookLockWait);
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

  private:
    std::string key_;
};

// The text of the refusal above, for tests and messages.
std::string bookBusyText(const std::string& folder);

}  // namespace qbk

#endif  // QBK_PLATFORM_BOOK_LOCK_H_

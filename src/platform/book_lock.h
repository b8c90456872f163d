// One writer at a time on a book. Every change to a data folder's files (record file,
// category file, settings, pick lists, macros, notes) is a read-modify-write done while
// holding this lock, so that two programs (two windows, a window and qbk3-cli, the
// converter) never lose each other's changes. Readers take no lock: files are replaced
// by an atomic rename, so a reader sees the old file or the new one.
//
// The lock is an exclusive flock(2) on the data folder itself (an open descriptor of
// it). Within one process the lock of a folder is shared: a locked command that calls
// another locked command does not wait for itself.
#ifndef QBK_PLATFORM_BOOK_LOCK_H_
#define QBK_PLATFORM_BOOK_LOCK_H_

#include <chrono>
#include <string>

namespace qbk {

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds kBookLockWait{5000};

class BookLock {
  public:
    // Takes the lock of `folder` (with or without a trailing "/"), waiting at most
    // `wait`. Throws OperationError (kPermissionDenied, "The book in <folder> is being
    // changed by another program; try again") when another process holds it that long,
    // or "Path not found" for a missing folder.
    //
    // The first holder in a process also finishes what a holder that died left: the
    // change it was making is rolled back (or, when it had committed, filed), and the
    // temporary files of the atomic writer are removed (nobody else can be writing
    // them, and they are never read).
    //
    // The outermost holder's release commits the change; released by an exception, the
    // lock puts every file the change wrote back as it was (see undo_history.h).
    explicit BookLock(const std::string& folder, std::chrono::milliseconds wait = kBookLockWait);
    ~BookLock();
    // Commits the change made so far when this is the outermost holder, and throws (with
    // every file back as it was) when its undo step cannot be kept: what a command
    // calls before it reports success. Without it the release commits, on a best-effort
    // basis for the undo step.
    void commit();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

  private:
    std::string key_;
};

// The text of the refusal above, for tests and messages.
std::string bookBusyText(const std::string& folder);

}  // namespace qbk

#endif  // QBK_PLATFORM_BOOK_LOCK_H_

// Undo and redo of changes to a book's files, and the journal that makes each change one
// transaction.
//
// A change is every write made to the files of a folder while one BookLock of it is
// held: a new entry, a replace or delete, a category change, a sort, a purge, an import,
// a play-back. The writers of platform/files.h tell this module before they touch a
// file, and it keeps what the file was, durably, before the write is made (a rollback
// journal). When the outermost lock is released normally the change commits: its
// manifest is written (the commit point) and the change is kept in the folder's undo
// store. When the lock is released by an exception, or the process dies while holding
// it, the files are put back from the journal: by this process at once, or by the next
// holder of the lock. So after any failure or crash the book's files are all as they
// were before the change, or all as it left them.
//
// Undo store, in the book's folder (kUndoFolderName):
//   <n>/manifest     one line per file the change wrote, then "by <writer>":
//                      whole <existed 0|1> <name>
//                      patch <existed 0|1> <offset> <old size> <old mtime ns> <name>
//                      after <signature> <name>
//   <n>/step<k>      step k's file before the change: the whole file (a hard link to
//                    the replaced file when possible, otherwise a copy), or the bytes an
//                    in-place write replaced
//   redo/<n>/...     the same for changes undone, newest highest
//   new-<pid>/       the change being made: step files and "journal", the step lines
//                    written (and synced) before each write; "manifest" once committed
//   turn-<pid>/      an undo or redo being made, the same way, with "turn" naming the
//                    entry it takes and the store it files the opposite change in
// A signature is the file's inode, size and modification time in nanoseconds, or "-"
// for no file. The newest kUndoDepth changes are kept, as long as they hold no more
// than kUndoBytes together (the newest is always kept); a new change empties redo/.
//
// An undo puts the files back only when each is still exactly as the change left it
// (same signature): a change another program made since is never overwritten. An undo
// store entry that this program did not write (an unreadable manifest, a link, a step
// that does not fit the file, a name that is not an undoable file of the folder) is
// refused and changes nothing. Files the book's rules leave out of undo (settings, pick
// lists, notes) are still journaled, so a failed change puts them back too.
#ifndef QBK_PLATFORM_UNDO_HISTORY_H_
#define QBK_PLATFORM_UNDO_HISTORY_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qbk {

inline constexpr const char* kUndoFolderName = ".quillbank-undo";
inline constexpr int kUndoDepth = 20;
inline constexpr std::uint64_t kUndoBytes = 200ull << 20;

// Who makes the changes of this process: "pid@start" unless set (tests set it).
std::string undoWriter();
void setUndoWriter(std::string writer);

// Which files of a book folder an undo puts back (the others are only journaled). Set
// once by the program from the book's file rules; until then every file is undoable.
void setUndoableFiles(std::function<bool(std::string_view name)> undoable);

// Makes the change now being made under the lock of `folder` (which has written nothing
// yet) the rest of the newest kept change, so that one user action that asks a question
// between its writes is one undo step. Nothing happens unless that change was made by
// this writer and the book is still exactly as it left it.
void continueLastChange(const std::string& folder);

namespace undo_hooks {
// Called by BookLock when the first lock of `folder` in this process is taken, after
// finishing or rolling back what a dead holder left, and when the last one is released:
// `failed` when it is released by an exception, which rolls the change back.
void beginChange(const std::string& folder);
void endChange(const std::string& folder, bool failed);
// Commits the open change of `folder` now, undo step and all, and opens the next one.
// Throws when it cannot, after putting every file the change wrote back.
void commitChange(const std::string& folder);
// Puts back (or finishes) the changes a process that died holding the lock of `folder`
// left half-made. The caller holds the lock.
void recoverInterrupted(const std::string& folder);
// Called by the writers before `path` is replaced as a whole (rename, removal) or
// written in place at `offset` (length bytes; an append is a write at the old end).
void beforeReplace(const std::string& path);
void beforeWriteAt(const std::string& path, std::uint64_t offset, std::uint64_t length);
}  // namespace undo_hooks

enum class UndoResult {
    Done,           // the files are back as they were before the change
    NothingToUndo,  // no change kept (or none to redo)
    ChangedSince,   // a file differs from what the change left: nothing was changed
    OtherWriter,    // the newest change was made by another writer: nothing was changed
    Unreadable,     // the undo store entry was not written by this program: nothing changed
};

// Undoes the newest change of the book in `folder`, under the book lock, as one
// transaction (a failure puts every file back as it was before the undo). With
// `onlyWriter` non-empty, only a change that writer made is undone.
UndoResult undoLastChange(const std::string& folder, const std::string& onlyWriter = "");
// Makes the newest undone change again, with the same checks.
UndoResult redoLastChange(const std::string& folder, const std::string& onlyWriter = "");

// The message a user sees for a result ("Undo" or "Redo" as `command`).
std::string undoResultText(UndoResult result, const std::string& command);

}  // namespace qbk

#endif  // QBK_PLATFORM_UNDO_HISTORY_H_

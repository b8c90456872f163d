// Undo and redo of changes to a book's files.
//
// A change is every write made to the files of a folder while one BookLock of it is
// held: a new entry, a replace or delete, a category change, a sort, a purge, an import,
// a play-back. The writers of platform/files.h tell this module before they touch a
// file, and it keeps what the file was; when the outermost lock is released, the change
// is kept in the folder's undo store, with what each file looks like after it.
//
// Undo store, in the book's folder (kUndoFolderName):
//   <n>/manifest     one line per file the change wrote, then "by <writer>":
//                      whole <name> <existed 0|1> <after signature>
//                      patch <name> <offset> <length> <after signature>
//   <n>/<name>       the whole file before the change (a hard link to the replaced file
//                    when the change renamed a new file over it, otherwise a copy)
//   <n>/<name>.<offset>   the bytes an in-place write replaced
//   redo/<n>/...     the same for changes undone, newest highest
// A signature is the file's inode, size and modification time in nanoseconds, or "-"
// for no file. The newest kUndoDepth changes are kept, as long as they hold no more
// than kUndoBytes together (the newest is always kept); a new change empties redo/.
//
// An undo puts the files back only when each is still exactly as the change left it
// (same signature): a change another program made since is never overwritten.
// Settings, pick lists, notes and the lock file are not part of a change.
#ifndef QBK_PLATFORM_UNDO_HISTORY_H_
#define QBK_PLATFORM_UNDO_HISTORY_H_

#include <cstdint>
#include <string>

namespace qbk {

inline constexpr const char* kUndoFolderName = ".quillbank-undo";
inline constexpr int kUndoDepth = 20;
inline constexpr std::uint64_t kUndoBytes = 200ull << 20;

// Who makes the changes of this process: "pid@start" unless set (tests set it).
std::string undoWriter();
void setUndoWriter(std::string writer);

namespace undo_hooks {
// Called by BookLock when the first lock of `folder` in this process is taken and when
// the last one is released.
void beginChange(const std::string& folder);
void endChange(const std::string& folder);
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
};

// Undoes the newest change of the book in `folder`, under the book lock. With
// `onlyWriter` non-empty, only a change that writer made is undone.
UndoResult undoLastChange(const std::string& folder, const std::string& onlyWriter = "");
// Makes the newest undone change again, with the same checks.
UndoResult redoLastChange(const std::string& folder, const std::string& onlyWriter = "");

// The message a user sees for a result ("Undo" or "Redo" as `command`).
std::string undoResultText(UndoResult result, const std::string& command);

}  // namespace qbk

#endif  // QBK_PLATFORM_UNDO_HISTORY_H_

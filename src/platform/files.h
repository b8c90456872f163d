// File operations of the whole program. Every failure throws OperationError with the
// path in its description; nothing here leaves a file half-written.
#ifndef QBK_PLATFORM_FILES_H_
#define QBK_PLATFORM_FILES_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

// Joins a folder (with or without a trailing "/") and a file name.
std::string joinPath(std::string_view folder, std::string_view name);
// `folder` with one "/" at its end.
std::string withTrailingSlash(std::string_view folder);
// The folder part of `path` ("" for a bare name), without a trailing "/".
std::string parentFolder(std::string_view path);
// The part of `path` after its last "/".
std::string fileName(std::string_view path);

bool fileExists(const std::string& path);
// Whether two paths name one existing file (the same device and inode).
bool isSameFile(const std::string& a, const std::string& b);
bool folderExists(const std::string& path);

// Length in bytes; 0 for a missing file.
std::uint64_t fileLength(const std::string& path);

// Last-modified time as a local day serial and seconds since midnight.
struct FileTime {
    double day = 0;
    int secondsOfDay = 0;
};
FileTime lastModified(const std::string& path);

// Permissions a new file is created with, less the umask: as open as the user's umask
// allows, and for the settings file, which holds the password, the owner's alone.
inline constexpr unsigned kNewFileMode = 0666;
inline constexpr unsigned kPrivateFileMode = 0600;

// The file a write to `path` changes: `path` itself, or, when it is a symbolic link,
// the file at the end of its chain of links (which need not exist yet). Links in the
// folders of the path are left as they are; the file system follows them anyway.
std::string resolveLinks(const std::string& path);

// Creates `path` empty when it does not exist. Throws when its folder is missing or
// cannot be written.
void ensureFileExists(const std::string& path);

// The whole content of `path`; an empty string for a missing file whose folder exists.
// Throws when the folder is missing or the file cannot be read.
std::string readFile(const std::string& path);

// What tells one state of a file from another without reading it: a writer that
// replaces the file (rename) changes the inode, one that appends changes the size, one
// that overwrites bytes in place changes the times (at the file system's granularity).
struct FileIdentity {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNs = 0, changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of `path` now; all zero for a missing file.
FileIdentity fileIdentity(const std::string& path);

// readFile that also gives the identity of the file as it was opened, taken before the
// first byte is read: a change made during the read shows as a later identity.
std::string readFile(const std::string& path, FileIdentity& identity);

// Reads `path` from its start in blocks of `blockSize` bytes into one reused buffer and
// passes each to `block`: every block is full but the last, which may be shorter (or
// empty for an empty file). Returns the number of bytes read. Same errors as readFile,
// except that a missing file is an error too.
std::uint64_t readInBlocks(const std::string& path, std::size_t blockSize,
                           const std::function<void(std::string_view block)>& block);

// `length` bytes from `offset`, fewer at the end of the file.
std::string readAt(const std::string& path, std::uint64_t offset, std::size_t length);

// Every temporary file is named "<target><kTemporaryInfix><8 hex digits>", made only by
// the writers below, so that the ones a crash left behind are told from the user's own
// files ("quillbank.dat.20261208") by their name alone.
inline constexpr std::string_view kTemporaryInfix = ".qbk-tmp-";
bool isTemporaryName(std::string_view name);

// Replaces the content of `path` as a whole: writes a temporary sibling, flushes and
// syncs it, and renames it over `path`. A crash leaves the old file or the new one.
// A symbolic link stays and its target gets the content; a replaced file keeps its
// permissions, a new one gets `newFileMode` less the umask.
void writeFileAtomically(const std::string& path, std::string_view bytes,
                         unsigned newFileMode = kNewFileMode);
// The same with the content given as pieces written one after the other, so that a big
// file made of parts of others needs no joined copy in memory.
void writeFileAtomically(const std::string& path, std::span<const std::string_view> pieces,
                         unsigned newFileMode = kNewFileMode);

// The new content of a file, written and synced beside the file it is to replace (as
// writeFileAtomically places and permits it), for replacing several files as one set:
// stage them all, then commit each. Until committed, the target is untouched.
struct StagedFile {
    std::string temporary;  // the new content, in the target's folder
    std::string target;     // the file it replaces, links resolved
};
StagedFile stageFile(const std::string& path, std::string_view bytes,
                     unsigned newFileMode = kNewFileMode);
StagedFile stageFile(const std::string& path, std::span<const std::string_view> pieces,
                     unsigned newFileMode = kNewFileMode);
// Renames the new content over its target.
void commitStagedFile(const StagedFile& staged);
// Removes an uncommitted temporary file; failures are ignored.
void discardStagedFile(const StagedFile& staged) noexcept;

// Writes `bytes` at `offset` of an existing file, in place, and syncs it. For
// fixed-length records: the write replaces whole records only.
void writeAt(const std::string& path, std::uint64_t offset, std::string_view bytes);

// Appends `bytes` to `path` (created when missing, with kNewFileMode less the umask) and
// syncs it. A symbolic link is followed, and the file keeps its permissions. When the
// append fails, the file is cut back to its old length.
void appendToFile(const std::string& path, std::string_view bytes);

// Copies `from` to `to` byte for byte; `to` is replaced atomically (as
// writeFileAtomically does).
void copyFile(const std::string& from, const std::string& to);

// Syncs the folder holding `path`, so that a new or renamed name there survives a crash.
void syncFolderEntry(const std::string& path);

// Renames `from` to `to` (replacing `to`).
void renameFile(const std::string& from, const std::string& to);

// Deletes `path`; a missing file is no error.
void removeFile(const std::string& path);

// Lines of a text file ended by CR LF or LF, without their line ends.
std::vector<std::string> splitLines(std::string_view text);

// The current working folder, without a trailing "/".
std::string currentFolder();

// Makes a write beyond the file-size limit (RLIMIT_FSIZE) fail with EFBIG, which is
// reported like a full disk, instead of killing the process with SIGXFSZ in the middle
// of a write. Every program calls it first.
void reportFileSizeLimitAsError();

}  // namespace qbk

#endif  // QBK_PLATFORM_FILES_H_

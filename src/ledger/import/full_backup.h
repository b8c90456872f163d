// The full data backup: every file of the book copied whole into a folder the user
// picks, replacing files of the same name there.
//
// The copy is one consistent snapshot, read under the source book's lock (no writer can
// change it half way), and written under the target's lock as one change of the target:
// a failure or a crash leaves the target's files all as they were, and an undo in the
// target takes the backup back. Every copy keeps its file's permissions.
#ifndef QBK_IMPORT_FULL_BACKUP_H_
#define QBK_IMPORT_FULL_BACKUP_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"
#include "store/book_files.h"

namespace qbk {

// The data files: macro files, record file, category file, pick lists, payee rules,
// imported ids, notes and the settings.
inline constexpr std::string_view kBackupFilePattern = kBookFilePatterns;

// Whether `name` matches one of the ";"-separated patterns. Letter case is ignored, as
// the file lists of the desktop this program came from did.
bool matchesFilePattern(std::string_view name, std::string_view patterns);

// BackMeUp: the names of the regular files in `folder` that match kBackupFilePattern,
// in name order (letter case ignored, then by character code). Throws OperationError
// when the folder cannot be read.
std::vector<std::string> backupFileNames(const std::string& folder);

// A folder label's text made ready for the copy: blanks trimmed, ending in one "/".
std::string backupFolderCaption(std::string_view caption);

// Whether two folder paths name the same folder as the file system sees it: symbolic
// links followed, and letter case as the file system treats it (the same device and
// inode). False when either folder does not exist.
bool isSameFolder(const std::string& a, const std::string& b);

Message sameFolderMessage();                        // "Nothing to do!"
Message backupFinishedMessage();                    // "Finished"
std::string copyingCaption(std::string_view name);  // BackUpProgress: "Copying: " + name

// RunBackup_Click: returns the refusal when `target` is the `source` folder (nothing
// is copied); otherwise copies the backup files of `source` into `target` in name
// order, calling `beforeCopy` with each name first (the window shows it and repaints),
// and returns nullopt. `settingsFile`, when not empty and not already a file of
// `source`, is copied too (as the program's settings). Throws OperationError naming the
// file when a copy fails; then the target is left as it was.
std::optional<Message> runBackup(const std::string& source, const std::string& target,
                                 const std::function<void(const std::string& name)>& beforeCopy,
                                 const std::string& settingsFile = "");

// The drive list: the mount points of the file systems in `procMounts` (the text of
// /proc/mounts), each ending in "/", in the order mounted, without pseudo file systems
// (proc, sysfs, tmpfs, cgroups and the like) and without repeats.
std::vector<std::string> mountPoints(std::string_view procMounts);
// mountPoints of this system's /proc/mounts; just "/" when it cannot be read.
std::vector<std::string> mountedDrives();

}  // namespace qbk

#endif  // QBK_IMPORT_FULL_BACKUP_H_

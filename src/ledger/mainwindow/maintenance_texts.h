// What the record-file maintenance commands (sort, purge, restore of deleted entries,
// the internal backup) say: their questions, their "Finished" messages, the status
// text of a sort and the descriptions of the record file and its backup. The work itself
// is store/maintenance.h.
#ifndef QBK_MAINWINDOW_MAINTENANCE_TEXTS_H_
#define QBK_MAINWINDOW_MAINTENANCE_TEXTS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ports.h"
#include "platform/regional.h"

namespace qbk {

// ---- Sort ----

// Panel 1 of the status bar while the record file is being sorted.
std::string sortingStatusText(const std::string& recordFilePath);

// ---- Purge and restore of deleted entries ----

// The question asked before a purge.
Message purgeQuestion();

// "Finished!" message after a purge; with `keptAs` (a macro file's purge), it also says
// where the old file went.
Message purgeFinishedMessage(std::size_t removed, const std::string& keptAs = "");

// The question asked before deleted entries are restored.
Message restoreDeletedQuestion();

// "Finished!" message after a restore of deleted entries.
Message restoreDeletedFinishedMessage(std::size_t restored);

// The templates of the texts above with variable parts ("%1" the count or the file),
// which the window shows in the user's language.
inline constexpr std::string_view kSortingStatus = "Sorting %1 ... press <ESC> to stop ";
inline constexpr std::string_view kPurgeFinished =
    "%1 records which were marked for deletion have been removed.";
inline constexpr std::string_view kPurgeFinishedKeptAs =
    "%1 records which were marked for deletion have been removed. The file as it was before "
    "is kept as %2.";
inline constexpr std::string_view kRestoreFinished =
    "%1 records that were marked for deletion have been restored.";

// ---- The internal backup ----
// The texts name the data folder as the user sees it, with its trailing "/".

struct FileDescription {
    // Length / 125 as a fraction: a damaged file shows a fractional count.
    double records = 0;
    std::size_t deleted = 0;  // whole records marked "Y"
    std::string text;         // "Your current ... data file contains ..."
    bool holdsRecords() const { return records != 0; }
};

struct BackupDescriptions {
    FileDescription current;  // quillbank.dat
    FileDescription backup;   // quillbank.bak
};

// Describes the record file and the backup of `dataFolder` (each is created empty when
// missing), with their last-modified date and time in the regional settings.
BackupDescriptions describeBackupFiles(const std::string& dataFolder,
                                       const RegionalSettings& regional);

// The question before a backup replaces one that holds records; ask it only when
// `descriptions.backup.holdsRecords()`, and go on only on Yes.
Message createBackupQuestion(const BackupDescriptions& descriptions);

// "Finished" message after a backup was made.
Message backupCreatedMessage();

// The refusal of a restore when the backup holds no records.
Message nothingToRestoreMessage(const std::string& dataFolder);

// The question before the backup replaces the record file.
Message restoreBackupQuestion(const BackupDescriptions& descriptions);

// "Finished" message after the backup was restored.
Message backupRestoredMessage();

// The count of a file of `length` bytes as the descriptions show it: the whole number,
// or the fraction length / 125 with the regional decimal separator.
std::string recordCountText(std::uint64_t length, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_MAINTENANCE_TEXTS_H_

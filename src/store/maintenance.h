// Work on the record file as a whole: the sort by date, the purge and the restore of
// deleted entries, and the one internal backup copy quillbank.bak beside the record
// file. What these commands say is mainwindow/maintenance_texts.h.
//
// Each operation reads the files it needs once, works in memory and replaces a file
// only with a complete new version (written beside it and renamed over it), so the
// record file is never absent or half-written. A failing file operation throws
// OperationError and leaves the record file as it was.
#ifndef QBK_STORE_MAINTENANCE_H_
#define QBK_STORE_MAINTENANCE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/book_files.h"
#include "store/record_file.h"

namespace qbk {

// ---- Sort -------------------------------------------------------------------------

// Puts the records of `content` into the order of a sorted record file: newest date
// first; within one date ascending by the upper-cased 10-character category code as
// stored (blanks included, compared by character code); records with equal keys keep
// their order. A date that is not a number sorts after every other. The partial last
// record, if any, stays at the end. Returns whether any record moved.
bool sortRecords(RecordFileContent& content);

// The sort of the record file at `path` (created empty when missing): sortRecords, and
// the file is written atomically when any record moved. Returns the number of records.
std::size_t sortRecordFile(const std::string& path);

// ---- Purge and restore of deleted entries ----------------------------------------
// An entry counts as deleted exactly when its DeletedMark is "Y" (a "y" is live).

// Removes every deleted entry from the record file at `recordFilePath`; the live ones
// keep their order (and a partial last record stays at the end). The new file is first
// written completely as temp.dat in `dataFolder`, then the old file is kept as
// purgeBackupPath, then the new file takes the record file's place. Throws
// OperationError when a step fails; the record file is then unchanged and no temp.dat
// is left behind. Returns the number of entries removed.
std::size_t purgeDeletedRecords(const std::string& recordFilePath, const std::string& dataFolder);

// Where a purge keeps the old file: quillbank.bak in `dataFolder` for the book's record
// file; for a macro file (or any other), "<file>.bak" beside it, so that the book's
// internal backup (the safety copy made before an import) is never replaced by a macro.
std::string purgeBackupPath(const std::string& recordFilePath, const std::string& dataFolder);

// Marks every deleted entry of the record file live again ("N"), written atomically
// when there was one. Returns the number of entries restored.
std::size_t restoreDeletedRecords(const std::string& recordFilePath);

// ---- The internal backup ------------------------------------------------------------
// The backup commands work on quillbank.dat and quillbank.bak of `dataFolder` (the
// folder path as the user sees it, with its trailing "/").

// Replaces quillbank.bak with a byte copy of quillbank.dat, atomically. Throws
// OperationError (nothing changed) when the record file is missing or a step fails.
void createInternalBackup(const std::string& dataFolder);

// Replaces quillbank.dat with a byte copy of quillbank.bak, atomically; the backup
// stays. Returns false, changing nothing, when the backup is missing or empty. Throws
// OperationError (nothing changed) when a step fails.
bool restoreInternalBackup(const std::string& dataFolder);

}  // namespace qbk

#endif  // QBK_STORE_MAINTENANCE_H_

#include "store/maintenance.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/large_buffer.h"
#include "platform/undo_history.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

constexpr std::size_t kRecord = entry_layout::kSize;

// ---- Sort ----

// The sort key of one record, computed once.
struct SortEntry {
    std::int64_t day;
    std::array<unsigned char, entry_layout::kCategoryCodeWidth> code;
    std::uint32_t index;
};

// The whole day of a date as a number that orders like the date; no date gets the
// lowest value, so that it sorts as the oldest, after every date.
std::int64_t dayKey(double serial) {
    if (!isDate(serial)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::floor(serial));
}

bool before(const SortEntry& a, const SortEntry& b) {
    if (a.day != b.day) return a.day > b.day;
    const int c = std::memcmp(a.code.data(), b.code.data(), a.code.size());
    if (c != 0) return c < 0;
    return a.index < b.index;
}

// ---- Purge ----

// Gives `path` the permissions of `model`: the new record file and the backup are as
// private as the record file was. A file left with other permissions is no reason to
// stop, so a failure here is ignored.
void keepPermissions(const std::string& model, const std::string& path) {
    struct stat st {};
    if (::stat(model.c_str(), &st) == 0) ::chmod(path.c_str(), st.st_mode & 07777);
}

// Moves the completed work file to the record file's place (a link's target, so that
// the link stays). A record file on another file system than the data folder (a macro
// file, a link's target) cannot be renamed onto; its new content is then written
// beside it and renamed over it instead.
void moveIntoPlace(const std::string& work, const std::string& recordFilePath,
                   std::span<const std::string_view> bytes) {
    undo_hooks::beforeReplace(recordFilePath);
    if (std::rename(work.c_str(), resolveLinks(recordFilePath).c_str()) == 0) return;
    const int err = errno;
    if (err != EXDEV) throw OperationError::fromErrno(err, recordFilePath);
    writeFileAtomically(recordFilePath, bytes);
    try {
        removeFile(work);
    } catch (const OperationError&) {
        // The purge is done; a left-over work file is replaced by the next one.
    }
}

// The records of `content` in sorted order, by their index from 0; empty when they are
// in that order already.
std::vector<SortEntry> sortedOrder(const RecordFileContent& content) {
    const std::size_t n = content.count();
    std::vector<SortEntry> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const char* r = content.at(i + 1);
        SortEntry& k = keys[i];
        k.day = dayKey(entry_bytes::entryDate(r));
        const std::string_view code = entry_bytes::categoryCode(r);
        for (std::size_t c = 0; c < k.code.size(); ++c)
            k.code[c] = ansiUpperByte(static_cast<unsigned char>(code[c]));
        k.index = static_cast<std::uint32_t>(i);
    }
    // A sorted book is the common case: one pass finds it.
    if (std::is_sorted(keys.begin(), keys.end(), before)) return {};
    std::sort(keys.begin(), keys.end(), before);
    return keys;
}

}  // namespace

bool sortRecords(RecordFileContent& content) {
    const std::vector<SortEntry> keys = sortedOrder(content);
    if (keys.empty()) return false;
    std::string sorted = largeBuffer(content.records.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        std::memcpy(sorted.data() + i * kRecord, content.at(keys[i].index + 1), kRecord);
    content.records = std::move(sorted);
    return true;
}

std::size_t sortRecordFile(const std::string& path) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    std::vector<SortEntry> keys = sortedOrder(content);
    if (keys.empty()) return content.count();
    // The new file is written from the records where they lie, not from a sorted copy.
    std::vector<std::string_view> pieces;
    pieces.reserve(keys.size() + 1);
    for (const SortEntry& k : keys)
        pieces.emplace_back(content.at(k.index + 1), kRecord);
    keys = {};
    pieces.emplace_back(content.partialTail);
    writeFileAtomically(path, pieces);
    return content.count();
}

// ---- Purge and restore of deleted entries ----

std::size_t purgeDeletedRecords(const std::string& recordFilePath, const std::string& dataFolder) {
    const BookLock lock(parentFolder(recordFilePath));
    const RecordFileContent old = readRecordFile(recordFilePath);
    // The live records as runs of the old content, written from where they lie.
    std::vector<std::string_view> live;
    std::size_t removed = 0;
    const std::string_view records = old.records;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < old.count(); ++i) {
        if (!entry_bytes::isDeleted(old.at(i + 1))) continue;
        ++removed;
        if (i * kRecord > runStart)
            live.push_back(records.substr(runStart, i * kRecord - runStart));
        runStart = (i + 1) * kRecord;
    }
    live.push_back(records.substr(runStart));
    live.emplace_back(old.partialTail);
    const std::string_view whole[] = {old.records, old.partialTail};

    const std::string work = joinPath(dataFolder, kPurgeWorkFileName);
    const std::string backup = purgeBackupPath(recordFilePath, dataFolder);
    bool workWritten = false;
    try {
        writeFileAtomically(work, live);
        workWritten = true;
        keepPermissions(recordFilePath, work);
        writeFileAtomically(backup, whole);
        keepPermissions(recordFilePath, backup);
        moveIntoPlace(work, recordFilePath, live);
    } catch (const OperationError&) {
        if (workWritten) {
            try {
                removeFile(work);
            } catch (const OperationError&) {
                // The failure being reported matters more than a left-over work file.
            }
        }
        throw;
    }
    return removed;
}

std::string purgeBackupPath(const std::string& recordFilePath, const std::string& dataFolder) {
    const std::string book = joinPath(dataFolder, kRecordFileName);
    if (recordFilePath == book || isSameFile(recordFilePath, book))
        return joinPath(dataFolder, kBackupFileName);
    return recordFilePath + ".bak";
}

std::size_t restoreDeletedRecords(const std::string& recordFilePath) {
    const BookLock lock(parentFolder(recordFilePath));
    RecordFileContent content = readRecordFile(recordFilePath);
    std::size_t restored = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        char* mark = content.records.data() + (i - 1) * kRecord + entry_layout::kDeletedMark;
        if (*mark != 'Y') continue;
        *mark = 'N';
        ++restored;
    }
    if (restored > 0) writeRecordFile(recordFilePath, content);
    return restored;
}

// ---- The internal backup ----

void createInternalBackup(const std::string& dataFolder) {
    const BookLock lock(dataFolder);
    const std::string records = joinPath(dataFolder, kRecordFileName);
    const std::string backup = joinPath(dataFolder, kBackupFileName);
    copyFile(records, backup);
    keepPermissions(records, backup);
}

bool restoreInternalBackup(const std::string& dataFolder) {
    const BookLock lock(dataFolder);
    const std::string backup = joinPath(dataFolder, kBackupFileName);
    const std::string bytes = readFile(backup);
    if (bytes.empty()) return false;
    writeFileAtomically(joinPath(dataFolder, kRecordFileName), bytes);
    return true;
}

}  // namespace qbk

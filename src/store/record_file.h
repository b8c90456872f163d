// The record file quillbank.dat (and any file of entry records: macro files, report
// work files): whole-file reads, insertion in date order, replacement by identity.
//
// Files are opened and closed inside each operation. A missing file is created empty
// by the first operation that opens it; a missing folder is an OperationError.
// Whole-file rewrites are atomic; a single replaced record is written in place.
#ifndef QBK_STORE_RECORD_FILE_H_
#define QBK_STORE_RECORD_FILE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "store/entry_record.h"
#include "store/sort_key.h"

namespace qbk {

// The content of a record file: its whole records and the bytes of a partial last
// record, which readers ignore and writers keep at the end of the file.
struct RecordFileContent {
    std::string records;      // count() * 125 bytes
    std::string partialTail;  // fewer than 125 bytes

    std::size_t count() const { return records.size() / entry_layout::kSize; }
    // Bytes of record `number`, counted from 1.
    const char* at(std::size_t number) const {
        return records.data() + (number - 1) * entry_layout::kSize;
    }
    EntryRecord record(std::size_t number) const { return decodeEntry(at(number)); }
};

// Reads the whole file (the scan), creating it empty when missing.
RecordFileContent readRecordFile(const std::string& path);

// All records of the file, decoded, in file order.
std::vector<EntryRecord> readRecords(const std::string& path);

// Number of whole records (file length / 125); 0 for a missing file.
std::size_t recordCount(const std::string& path);

// Replaces the file with `content` atomically.
void writeRecordFile(const std::string& path, const RecordFileContent& content);

// Inserts `record` into `content` before the first record whose key is not greater
// than its own (keys computed from the top, the new record's first), or at the end.
// Returns the record number it took.
std::size_t insertInKeyOrder(RecordFileContent& content, const EntryRecord& record,
                             SortKeyMemory& memory);

// FileNewEntry: inserts `record` into the file at path in key order (above) and writes
// the file atomically. Returns the record number it took.
std::size_t FileNewEntry(const std::string& path, const EntryRecord& record, SortKeyMemory& memory);

// ReplaceRecord: overwrites, in place, the last record of the file whose RecordStamp
// equals `editStamp` exactly. False (and the file unchanged) when none does.
bool ReplaceRecord(const std::string& path, double editStamp, const EntryRecord& record);

// Read by identity: the first record from the top whose RecordStamp equals `stamp`.
std::optional<EntryRecord> readByIdentity(const std::string& path, double stamp);

// Appends `records` at the end of the file in one atomic write.
void appendRecords(const std::string& path, const std::vector<EntryRecord>& records);

}  // namespace qbk

#endif  // QBK_STORE_RECORD_FILE_H_

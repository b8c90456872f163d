// The record file quillbank.dat (and any file of entry records: macro files, report
// work files): whole-file reads, insertion in date order, replacement by identity.
//
// Files are opened and closed inside each operation. A missing file is created empty
// by the first operation that opens it; a missing folder is an OperationError.
// Whole-file rewrites are atomic; a single replaced record is written in place. Every
// change is one read-modify-write under the book lock of the file's folder, and every
// stamp it gives is above the largest stamp of the file, so that two programs writing
// one book lose nothing and never share a stamp.
#ifndef QBK_STORE_RECORD_FILE_H_
#define QBK_STORE_RECORD_FILE_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stamps.h"
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

// The scan without the whole file in memory: `visit(number, bytes)` for each whole
// record in file order (number from 1, 125 bytes valid during the call). Creates the
// file empty when missing. Returns the number of whole records.
std::size_t scanRecordFile(
    const std::string& path,
    const std::function<void(std::size_t number, const char* record)>& visit);

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

// The largest stamp of the records; values that cannot be stamps (a damaged record)
// are left out, and 0 when no record holds one.
double largestStamp(std::string_view records);
inline double largestStamp(const RecordFileContent& content) {
    return largestStamp(content.records);
}

// The one way new entries get their stamps, for every writer that adds entries: each
// of `records`, in order, gets a stamp from `stamps` above every stamp of `existing`
// (whole records of the record file, read under the book lock, so that no other writer
// gives the same stamps). Returns the stamped records encoded one after the other.
std::string stampNewRecords(std::string_view existing, std::vector<EntryRecord>& records,
                            StampSource& stamps);

// Refuses a change whose amounts could make a total of the book (any part of it, in a
// list, a report or a chart) leave the range of Money: throws OperationError
// (kOverflow) naming the amount when the sizes of every amount of the book (`records`,
// whole 125-byte records, less `removed`) and of `added` would add up past that range.
// Checked wherever amounts enter the book, so that every sum of it fits.
void checkTotalsFit(std::string_view records, std::string_view added, Money removed = {});

// FileNewEntry: under the book lock, gives `record` a stamp from `stamps` above every
// stamp of the file, inserts it into the file in key order (above) and writes the file
// atomically. Returns the record number it took.
std::size_t FileNewEntry(const std::string& path, EntryRecord& record, SortKeyMemory& memory,
                         StampSource& stamps);
// The same with the stamp `record` carries (a copy of an entry keeps its identity).
std::size_t FileNewEntry(const std::string& path, const EntryRecord& record, SortKeyMemory& memory);

// FileNewEntry for several records in one atomic write of the file, under the book
// lock: each record of `records`, in order, gets a stamp from `stamps` above every stamp
// of the file (so strictly increasing) and is inserted where FileNewEntry would put it
// at that moment. Refused as checkTotalsFit refuses, with nothing written; no records
// write nothing.
void fileNewEntries(const std::string& path, std::vector<EntryRecord>& records,
                    SortKeyMemory& memory, StampSource& stamps);

// A record as a window opened it: where it was and its bytes then. Writing back goes to
// that record and no other, even when another record shares its stamp.
struct OpenedRecord {
    std::size_t number = 0;  // from 1
    std::string bytes;       // its 125 bytes as read
    EntryRecord record() const { return decodeEntry(bytes.data()); }
};

// The record a grid row shows: record `number` when it holds `stamp`, otherwise the one
// record of the file that does (the file changed since the list was made). nullopt when
// no record, or more than one, holds it.
std::optional<OpenedRecord> openRecord(const std::string& path, double stamp, std::size_t number);

// Writes `record` over the record `opened` describes, in place, under the book lock:
// record `opened.number` when its bytes are unchanged, otherwise the one record with
// exactly its bytes. With `stamps`, `record` first gets a stamp above every stamp of the
// file. False, and nothing written, when the record is gone, changed or ambiguous.
bool replaceOpened(const std::string& path, const OpenedRecord& opened, EntryRecord& record,
                   StampSource* stamps = nullptr);

// Appends `records` at the end of the file in one atomic write, under the book lock;
// each record first gets a stamp from `stamps` above every stamp of the file.
void appendRecords(const std::string& path, std::vector<EntryRecord>& records, StampSource& stamps);
// The same with the stamps the records carry.
void appendRecords(const std::string& path, const std::vector<EntryRecord>& records);

}  // namespace qbk

#endif  // QBK_STORE_RECORD_FILE_H_

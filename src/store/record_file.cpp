#include "store/record_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/book_lock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/large_buffer.h"

namespace qbk {
namespace {

RecordFileContent split(std::string bytes) {
    RecordFileContent content;
    const std::size_t whole = bytes.size() / entry_layout::kSize * entry_layout::kSize;
    content.partialTail = bytes.substr(whole);
    bytes.resize(whole);
    content.records = std::move(bytes);
    return content;
}

}  // namespace

RecordFileContent readRecordFile(const std::string& path) {
    ensureFileExists(path);
    return split(readFile(path));
}

std::size_t scanRecordFile(const std::string& path,
                           const std::function<void(std::size_t, const char*)>& visit) {
    ensureFileExists(path);
    // Whole records per block, in a buffer small enough to stay in the caches.
    constexpr std::size_t kBlock = entry_layout::kSize * 2048;
    std::size_t number = 0;
    readInBlocks(path, kBlock, [&](std::string_view block) {
        for (std::size_t at = 0; at + entry_layout::kSize <= block.size();
             at += entry_layout::kSize)
            visit(++number, block.data() + at);
    });
    return number;
}

std::vector<EntryRecord> readRecords(const std::string& path) {
    const RecordFileContent content = readRecordFile(path);
    std::vector<EntryRecord> records;
    records.reserve(content.count());
    for (std::size_t i = 1; i <= content.count(); ++i)
        records.push_back(content.record(i));
    return records;
}

std::size_t recordCount(const std::string& path) {
    return static_cast<std::size_t>(fileLength(path) / entry_layout::kSize);
}

void writeRecordFile(const std::string& path, const RecordFileContent& content) {
    const std::string_view pieces[] = {content.records, content.partialTail};
    writeFileAtomically(path, pieces);
}

namespace {

// The record number the encoded record `bytes` takes in key order (insertInKeyOrder).
std::size_t keyOrderPosition(const RecordFileContent& content, const std::string& bytes,
                             SortKeyMemory& memory) {
    const double key = sortformat(entry_bytes::entryDate(bytes.data()),
                                  entry_bytes::categoryCode(bytes.data()), memory);
    const std::size_t n = content.count();
    std::size_t position = n + 1;
    for (std::size_t i = 1; i <= n; ++i) {
        const char* r = content.at(i);
        if (sortformat(entry_bytes::entryDate(r), entry_bytes::categoryCode(r), memory) <= key) {
            position = i;
            break;
        }
    }
    return position;
}

// Writes the file as `content` with `bytes` inserted as record `position`, straight
// from the pieces: a big book is not copied once more in memory.
void writeInserted(const std::string& path, const RecordFileContent& content, std::size_t position,
                   std::string_view bytes) {
    const std::string_view records = content.records;
    const std::size_t split = (position - 1) * entry_layout::kSize;
    const std::string_view pieces[] = {records.substr(0, split), bytes, records.substr(split),
                                       content.partialTail};
    writeFileAtomically(path, pieces);
}

}  // namespace

std::size_t insertInKeyOrder(RecordFileContent& content, const EntryRecord& record,
                             SortKeyMemory& memory) {
    const std::string bytes = encodeEntry(record);
    const std::size_t position = keyOrderPosition(content, bytes, memory);
    content.records.insert((position - 1) * entry_layout::kSize, bytes);
    return position;
}

double largestStamp(std::string_view records) {
    double largest = 0;
    for (std::size_t at = 0; at + entry_layout::kSize <= records.size();
         at += entry_layout::kSize) {
        const double stamp = entry_bytes::recordStamp(records.data() + at);
        if (isStamp(stamp) && stamp > largest) largest = stamp;
    }
    return largest;
}

std::string stampNewRecords(std::string_view existing, std::vector<EntryRecord>& records,
                            StampSource& stamps) {
    stamps.noteExisting(largestStamp(existing));
    std::string encoded = largeBuffer(records.size() * entry_layout::kSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].recordStamp = stamps.next();
        encodeEntry(records[i], encoded.data() + i * entry_layout::kSize);
    }
    return encoded;
}

namespace {

std::uint64_t sizeOf(std::int64_t raw) {
    return raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(raw)
                   : static_cast<std::uint64_t>(raw);
}

// The sizes of the amounts of whole records added to `sum`; the largest value of the
// type when they go past it.
std::uint64_t addAmountSizes(std::uint64_t sum, std::string_view records) {
    for (std::size_t at = 0; at + entry_layout::kSize <= records.size(); at += entry_layout::kSize)
        if (__builtin_add_overflow(sum, sizeOf(entry_bytes::amount(records.data() + at).raw()),
                                   &sum))
            return UINT64_MAX;
    return sum;
}

std::string plainAmount(std::int64_t raw) {
    const std::uint64_t size = sizeOf(raw);
    const std::uint64_t cents = size % Money::kScale / 100;
    return (raw < 0 ? "-" : "") + std::to_string(size / Money::kScale) + (cents < 10 ? ".0" : ".") +
           std::to_string(cents);
}

}  // namespace

void checkTotalsFit(std::string_view records, std::string_view added, Money removed) {
    if (added.empty()) return;
    std::uint64_t total = addAmountSizes(0, records);
    total -= std::min(total, sizeOf(removed.raw()));
    total = addAmountSizes(total, added);
    if (total <= static_cast<std::uint64_t>(INT64_MAX)) return;
    std::int64_t largest = 0;
    for (std::size_t at = 0; at + entry_layout::kSize <= added.size(); at += entry_layout::kSize) {
        const std::int64_t raw = entry_bytes::amount(added.data() + at).raw();
        if (sizeOf(raw) > sizeOf(largest)) largest = raw;
    }
    throw OperationError(errnum::kOverflow,
                         "The amount " + plainAmount(largest) +
                             " would take the totals of the book past the largest sum this "
                             "program can add up (922337203685477.58); nothing was saved");
}

std::size_t FileNewEntry(const std::string& path, EntryRecord& record, SortKeyMemory& memory,
                         StampSource& stamps) {
    const BookLock lock(parentFolder(path));
    RecordFileContent content = readRecordFile(path);
    stamps.noteExisting(largestStamp(content));
    record.recordStamp = stamps.next();
    const std::string bytes = encodeEntry(record);
    checkTotalsFit(content.records, bytes);
    const std::size_t position = keyOrderPosition(content, bytes, memory);
    writeInserted(path, content, position, bytes);
    return position;
}

std::size_t FileNewEntry(const std::string& path, const EntryRecord& record,
                         SortKeyMemory& memory) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    const std::string bytes = encodeEntry(record);
    checkTotalsFit(content.records, bytes);
    const std::size_t position = keyOrderPosition(content, bytes, memory);
    writeInserted(path, content, position, bytes);
    return position;
}

namespace {

// The bytes of record `number` (from 1) when the file holds it whole; empty otherwise.
std::string recordAt(const std::string& path, std::size_t number) {
    if (number == 0) return {};
    std::string bytes = readAt(path, (number - 1) * entry_layout::kSize, entry_layout::kSize);
    if (bytes.size() != entry_layout::kSize) bytes.clear();
    return bytes;
}

}  // namespace

// Opening and replacing read the one record the row names; the book is scanned only
// when the record moved, or for its largest stamp, and never held whole.
std::optional<OpenedRecord> openRecord(const std::string& path, double stamp, std::size_t number) {
    ensureFileExists(path);
    if (std::string bytes = recordAt(path, number);
        !bytes.empty() && entry_bytes::recordStamp(bytes.data()) == stamp)
        return OpenedRecord{number, std::move(bytes)};
    std::size_t found = 0, holders = 0;
    std::string foundBytes;
    scanRecordFile(path, [&](std::size_t i, const char* r) {
        if (entry_bytes::recordStamp(r) != stamp || holders++ != 0) return;
        found = i;
        foundBytes.assign(r, entry_layout::kSize);
    });
    if (holders != 1) return std::nullopt;
    return OpenedRecord{found, std::move(foundBytes)};
}

bool replaceOpened(const std::string& path, const OpenedRecord& opened, EntryRecord& record,
                   StampSource* stamps) {
    const BookLock lock(parentFolder(path));
    ensureFileExists(path);
    if (opened.bytes.size() != entry_layout::kSize) return false;
    std::size_t number = recordAt(path, opened.number) == opened.bytes ? opened.number : 0;
    if (number == 0 || stamps) {
        // One pass finds where the entry moved to and the book's largest stamp.
        std::size_t found = 0, holders = 0;
        double largest = 0;
        scanRecordFile(path, [&](std::size_t i, const char* r) {
            const double stamp = entry_bytes::recordStamp(r);
            if (stamp > largest) largest = stamp;
            if (number == 0 && std::string_view(r, entry_layout::kSize) == opened.bytes &&
                holders++ == 0)
                found = i;
        });
        if (number == 0 && holders == 1) number = found;
        if (number == 0) return false;
        if (stamps) {
            stamps->noteExisting(largest);
            record.recordStamp = stamps->next();
        }
    }
    // Only a larger amount can take a total out of range: then the book is added up.
    const Money old = entry_bytes::amount(opened.bytes.data());
    const std::string bytes = encodeEntry(record);
    if (sizeOf(record.amount.raw()) > sizeOf(old.raw()))
        checkTotalsFit(readRecordFile(path).records, bytes, old);
    writeAt(path, (number - 1) * entry_layout::kSize, bytes);
    return true;
}

namespace {

void appendEncoded(const std::string& path, std::vector<EntryRecord>* fresh,
                   const std::vector<EntryRecord>& records, StampSource* stamps) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    std::string added;
    if (fresh) {
        added = stampNewRecords(content.records, *fresh, *stamps);
    } else {
        added = largeBuffer(records.size() * entry_layout::kSize);
        for (std::size_t i = 0; i < records.size(); ++i)
            encodeEntry(records[i], added.data() + i * entry_layout::kSize);
    }
    checkTotalsFit(content.records, added);
    const std::string_view pieces[] = {content.records, added, content.partialTail};
    writeFileAtomically(path, pieces);
}

}  // namespace

void appendRecords(const std::string& path, std::vector<EntryRecord>& records,
                   StampSource& stamps) {
    appendEncoded(path, &records, records, &stamps);
}

void appendRecords(const std::string& path, const std::vector<EntryRecord>& records) {
    appendEncoded(path, nullptr, records, nullptr);
}

}  // namespace qbk

namespace qbk {

void fileNewEntries(const std::string& path, std::vector<EntryRecord>& records,
                    SortKeyMemory& memory, StampSource& stamps) {
    if (records.empty()) return;
    const BookLock lock(parentFolder(path));
    RecordFileContent book = readRecordFile(path);
    const std::string added = stampNewRecords(book.records, records, stamps);
    checkTotalsFit(book.records, added);
    for (const EntryRecord& r : records)
        insertInKeyOrder(book, r, memory);
    writeRecordFile(path, book);
}

}  // namespace qbk

#include "store/record_file.h"

#include "platform/book_lock.h"
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

double largestStamp(const RecordFileContent& content) {
    double largest = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        const double stamp = entry_bytes::recordStamp(content.at(i));
        if (stamp > largest) largest = stamp;
    }
    return largest;
}

std::size_t FileNewEntry(const std::string& path, EntryRecord& record, SortKeyMemory& memory,
                         StampSource& stamps) {
    const BookLock lock(parentFolder(path));
    RecordFileContent content = readRecordFile(path);
    stamps.noteExisting(largestStamp(content));
    record.recordStamp = stamps.next();
    const std::string bytes = encodeEntry(record);
    const std::size_t position = keyOrderPosition(content, bytes, memory);
    writeInserted(path, content, position, bytes);
    return position;
}

std::size_t FileNewEntry(const std::string& path, const EntryRecord& record,
                         SortKeyMemory& memory) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    const std::string bytes = encodeEntry(record);
    const std::size_t position = keyOrderPosition(content, bytes, memory);
    writeInserted(path, content, position, bytes);
    return position;
}

std::optional<OpenedRecord> openRecord(const std::string& path, double stamp, std::size_t number) {
    const RecordFileContent content = readRecordFile(path);
    const auto opened = [&](std::size_t i) {
        return OpenedRecord{i, std::string(content.at(i), entry_layout::kSize)};
    };
    if (number >= 1 && number <= content.count() &&
        entry_bytes::recordStamp(content.at(number)) == stamp)
        return opened(number);
    std::size_t found = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        if (entry_bytes::recordStamp(content.at(i)) != stamp) continue;
        if (found != 0) return std::nullopt;
        found = i;
    }
    if (found == 0) return std::nullopt;
    return opened(found);
}

std::size_t locateOpened(const RecordFileContent& content, const OpenedRecord& opened) {
    if (opened.bytes.size() != entry_layout::kSize) return 0;
    const auto holds = [&](std::size_t i) {
        return std::string_view(content.at(i), entry_layout::kSize) == opened.bytes;
    };
    if (opened.number >= 1 && opened.number <= content.count() && holds(opened.number))
        return opened.number;
    std::size_t found = 0;
    for (std::size_t i = 1; i <= content.count(); ++i) {
        if (!holds(i)) continue;
        if (found != 0) return 0;
        found = i;
    }
    return found;
}

bool replaceOpened(const std::string& path, const OpenedRecord& opened, EntryRecord& record,
                   StampSource* stamps) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    const std::size_t number = locateOpened(content, opened);
    if (number == 0) return false;
    if (stamps) {
        stamps->noteExisting(largestStamp(content));
        record.recordStamp = stamps->next();
    }
    writeAt(path, (number - 1) * entry_layout::kSize, encodeEntry(record));
    return true;
}

namespace {

void appendEncoded(const std::string& path, std::vector<EntryRecord>* fresh,
                   const std::vector<EntryRecord>& records, StampSource* stamps) {
    const BookLock lock(parentFolder(path));
    const RecordFileContent content = readRecordFile(path);
    if (stamps) stamps->noteExisting(largestStamp(content));
    std::string added = largeBuffer(records.size() * entry_layout::kSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (fresh) (*fresh)[i].recordStamp = stamps->next();
        encodeEntry(records[i], added.data() + i * entry_layout::kSize);
    }
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

#include "store/record_file.h"

#include "platform/files.h"

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
    if (content.partialTail.empty()) {
        writeFileAtomically(path, content.records);
        return;
    }
    writeFileAtomically(path, content.records + content.partialTail);
}

std::size_t insertInKeyOrder(RecordFileContent& content, const EntryRecord& record,
                             SortKeyMemory& memory) {
    const std::string bytes = encodeEntry(record);
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
    content.records.insert((position - 1) * entry_layout::kSize, bytes);
    return position;
}

std::size_t FileNewEntry(const std::string& path, const EntryRecord& record,
                         SortKeyMemory& memory) {
    RecordFileContent content = readRecordFile(path);
    const std::size_t position = insertInKeyOrder(content, record, memory);
    writeRecordFile(path, content);
    return position;
}

bool ReplaceRecord(const std::string& path, double editStamp, const EntryRecord& record) {
    const RecordFileContent content = readRecordFile(path);
    for (std::size_t i = content.count(); i >= 1; --i) {
        if (entry_bytes::recordStamp(content.at(i)) == editStamp) {
            writeAt(path, (i - 1) * entry_layout::kSize, encodeEntry(record));
            return true;
        }
    }
    return false;
}

std::optional<EntryRecord> readByIdentity(const std::string& path, double stamp) {
    const RecordFileContent content = readRecordFile(path);
    for (std::size_t i = 1; i <= content.count(); ++i)
        if (entry_bytes::recordStamp(content.at(i)) == stamp) return content.record(i);
    return std::nullopt;
}

void appendRecords(const std::string& path, const std::vector<EntryRecord>& records) {
    RecordFileContent content = readRecordFile(path);
    content.records.reserve(content.records.size() + records.size() * entry_layout::kSize);
    for (const EntryRecord& r : records)
        content.records += encodeEntry(r);
    writeRecordFile(path, content);
}

}  // namespace qbk

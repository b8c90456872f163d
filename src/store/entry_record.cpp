#include "store/entry_record.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/windows1252.h"

namespace qbk {
namespace {

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian; this build assumes a little-endian machine");

void putText(char* out, std::string_view utf8, std::size_t width) {
    putWindows1252Field(utf8, width, out);
}

std::string getText(const char* in, std::size_t width) {
    return fromWindows1252(std::string_view(in, width));
}

template <typename T>
T load(const char* in) {
    T value;
    std::memcpy(&value, in, sizeof value);
    return value;
}

template <typename T>
void store(char* out, T value) {
    std::memcpy(out, &value, sizeof value);
}

}  // namespace

ClearedState clearedStateOf(char mark) {
    return mark == entry_layout::kMarkCleared      ? ClearedState::Cleared
           : mark == entry_layout::kMarkReconciled ? ClearedState::Reconciled
                                                   : ClearedState::None;
}

char clearedMarkOf(ClearedState state) {
    switch (state) {
        case ClearedState::Cleared:
            return entry_layout::kMarkCleared;
        case ClearedState::Reconciled:
            return entry_layout::kMarkReconciled;
        case ClearedState::None:
            break;
    }
    return entry_layout::kMarkNone;
}

std::string_view clearedStateName(ClearedState state) {
    switch (state) {
        case ClearedState::Cleared:
            return "cleared";
        case ClearedState::Reconciled:
            return "reconciled";
        case ClearedState::None:
            break;
    }
    return "none";
}

// The field holds the stored bytes as UTF-8: the mark is looked at, and set, in the
// stored bytes, so that the other nine bytes stay as they were whatever they hold.
ClearedState EntryRecord::cleared() const {
    char field[entry_layout::kReservedWidth];
    putText(field, reserved, entry_layout::kReservedWidth);
    return clearedStateOf(field[0]);
}

void EntryRecord::setCleared(ClearedState state) {
    char field[entry_layout::kReservedWidth];
    putText(field, reserved, entry_layout::kReservedWidth);
    field[0] = clearedMarkOf(state);
    reserved = getText(field, entry_layout::kReservedWidth);
}

void encodeEntry(const EntryRecord& r, char* out) {
    using namespace entry_layout;
    store<double>(out + kEntryDate, r.entryDate);
    putText(out + kCategoryCode, r.categoryCode, kCategoryCodeWidth);
    store<std::int64_t>(out + kAmount, r.amount.raw());
    putText(out + kNote, r.note, kNoteWidth);
    putText(out + kUserField1, r.userField1, kUserFieldWidth);
    putText(out + kUserField2, r.userField2, kUserFieldWidth);
    store<double>(out + kRecordStamp, r.recordStamp);
    putText(out + kDeletedMark, r.deletedMark, 1);
    putText(out + kReserved, r.reserved, kReservedWidth);
}

std::string encodeEntry(const EntryRecord& record) {
    std::string bytes(entry_layout::kSize, '\0');
    encodeEntry(record, bytes.data());
    return bytes;
}

EntryRecord decodeEntry(const char* in) {
    using namespace entry_layout;
    EntryRecord r;
    r.entryDate = load<double>(in + kEntryDate);
    r.categoryCode = getText(in + kCategoryCode, kCategoryCodeWidth);
    r.amount = Money::fromRaw(load<std::int64_t>(in + kAmount));
    r.note = getText(in + kNote, kNoteWidth);
    r.userField1 = getText(in + kUserField1, kUserFieldWidth);
    r.userField2 = getText(in + kUserField2, kUserFieldWidth);
    r.recordStamp = load<double>(in + kRecordStamp);
    r.deletedMark = getText(in + kDeletedMark, 1);
    r.reserved = getText(in + kReserved, kReservedWidth);
    return r;
}

namespace entry_bytes {
DaySerial entryDate(const char* record) {
    return load<double>(record + entry_layout::kEntryDate);
}
Money amount(const char* record) {
    return Money::fromRaw(load<std::int64_t>(record + entry_layout::kAmount));
}
double recordStamp(const char* record) {
    return load<double>(record + entry_layout::kRecordStamp);
}
bool isDeleted(const char* record) {
    return record[entry_layout::kDeletedMark] == 'Y';
}
void setEntryDate(char* record, DaySerial day) {
    store<double>(record + entry_layout::kEntryDate, day);
}
void setAmount(char* record, Money amount) {
    store<std::int64_t>(record + entry_layout::kAmount, amount.raw());
}
void setRecordStamp(char* record, double stamp) {
    store<double>(record + entry_layout::kRecordStamp, stamp);
}
}  // namespace entry_bytes

}  // namespace qbk

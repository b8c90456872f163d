// The entry record: one entry of the book, 125 bytes in the record file quillbank.dat,
// in macro files and in the report work files.
//
// Layout on disk (little-endian, no padding; text is Windows-1252, blank padded):
//
//   offset  width  field          type
//        0      8  EntryDate      double: day serial, whole days
//        8     10  CategoryCode   text: key of the category file
//       18      8  Amount         int64: ten-thousandths; > 0 money in, < 0 money out
//       26     60  Note           text
//       86     10  UserField1     text
//       96     10  UserField2     text
//      106      8  RecordStamp    double: identity of the record
//      114      1  DeletedMark    text: "Y" deleted, anything else live
//      115     10  Reserved       text: byte 115 the cleared mark, the rest blank
//
// The cleared mark says whether the bank has the entry: blank none, "C" cleared (on a
// statement or marked by hand), "R" reconciled (agreed with a statement's balance); any
// other byte reads as none. Every writer keeps it with the rest of the record; a writer
// that makes an entry from typed text writes it blank. Programs that know no mark keep
// or blank the whole field, so a mark can be lost but never misread.
//
// The record count of a file is its length divided by 125; a partial last record is
// ignored by readers and kept by writers.
#ifndef QBK_STORE_ENTRY_RECORD_H_
#define QBK_STORE_ENTRY_RECORD_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/dates.h"
#include "platform/money.h"

namespace qbk {

namespace entry_layout {
inline constexpr std::size_t kSize = 125;
inline constexpr std::size_t kEntryDate = 0;
inline constexpr std::size_t kCategoryCode = 8, kCategoryCodeWidth = 10;
inline constexpr std::size_t kAmount = 18;
inline constexpr std::size_t kNote = 26, kNoteWidth = 60;
inline constexpr std::size_t kUserField1 = 86, kUserField2 = 96, kUserFieldWidth = 10;
inline constexpr std::size_t kRecordStamp = 106;
inline constexpr std::size_t kDeletedMark = 114;
inline constexpr std::size_t kReserved = 115, kReservedWidth = 10;
inline constexpr std::size_t kClearedMark = kReserved;
inline constexpr char kMarkNone = ' ', kMarkCleared = 'C', kMarkReconciled = 'R';
// Each field starts where the one before ends (dates, amounts and stamps are 8 bytes),
// and the last fills the record.
static_assert(kCategoryCode == kEntryDate + 8 && kAmount == kCategoryCode + kCategoryCodeWidth &&
              kNote == kAmount + 8 && kUserField1 == kNote + kNoteWidth &&
              kUserField2 == kUserField1 + kUserFieldWidth &&
              kRecordStamp == kUserField2 + kUserFieldWidth && kDeletedMark == kRecordStamp + 8 &&
              kReserved == kDeletedMark + 1 && kReserved + kReservedWidth == kSize);
}  // namespace entry_layout

// Whether the bank has an entry; ordered none < cleared < reconciled.
enum class ClearedState { None, Cleared, Reconciled };

// The state a mark byte stands for, and the byte of a state.
ClearedState clearedStateOf(char mark);
char clearedMarkOf(ClearedState state);
// "none", "cleared", "reconciled": the names of the data formats and the command line.
std::string_view clearedStateName(ClearedState state);

// One entry in memory. Text fields hold their value as stored: UTF-8, padded with
// blanks to the field's width in characters (the encoder pads or cuts any other length).
struct EntryRecord {
    DaySerial entryDate = 0;
    std::string categoryCode = std::string(entry_layout::kCategoryCodeWidth, ' ');
    Money amount;
    std::string note = std::string(entry_layout::kNoteWidth, ' ');
    std::string userField1 = std::string(entry_layout::kUserFieldWidth, ' ');
    std::string userField2 = std::string(entry_layout::kUserFieldWidth, ' ');
    double recordStamp = 0;
    std::string deletedMark = "N";
    std::string reserved = std::string(entry_layout::kReservedWidth, ' ');

    bool isDeleted() const { return deletedMark == "Y"; }
    // The cleared mark in the first byte of `reserved`; setting it keeps the other nine.
    ClearedState cleared() const;
    void setCleared(ClearedState state);
    friend bool operator==(const EntryRecord&, const EntryRecord&) = default;
};

// Writes `record` as 125 bytes at `out`.
void encodeEntry(const EntryRecord& record, char* out);
std::string encodeEntry(const EntryRecord& record);

// Reads the 125 bytes at `in`.
EntryRecord decodeEntry(const char* in);

// Field readers straight from the bytes of an encoded record, for scans that look at
// a few fields of many records.
namespace entry_bytes {
DaySerial entryDate(const char* record);
Money amount(const char* record);
double recordStamp(const char* record);
bool isDeleted(const char* record);
inline ClearedState cleared(const char* record) {
    return clearedStateOf(record[entry_layout::kClearedMark]);
}
inline void setCleared(char* record, ClearedState state) {
    record[entry_layout::kClearedMark] = clearedMarkOf(state);
}
inline std::string_view categoryCode(const char* record) {
    return {record + entry_layout::kCategoryCode, entry_layout::kCategoryCodeWidth};
}
// Writers of single fields, for writers of many records that fill a blank record's
// bytes in place (text fields: putWindows1252Field at their offset).
void setEntryDate(char* record, DaySerial day);
void setAmount(char* record, Money amount);
void setRecordStamp(char* record, double stamp);
}  // namespace entry_bytes

}  // namespace qbk

#endif  // QBK_STORE_ENTRY_RECORD_H_

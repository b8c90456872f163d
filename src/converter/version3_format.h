// The record and category files of version 3 that the converter appends to. The ledger
// program reads these same layouts; every offset lives here, once for the converter.
#ifndef QBK_CONVERTER_VERSION3_FORMAT_H_
#define QBK_CONVERTER_VERSION3_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qbk::converter::v3 {

inline constexpr std::string_view kRecordFileName = "quillbank.dat";
inline constexpr std::string_view kCategoryFileName = "category.dat";

// Entry record, 125 bytes, no padding, little-endian numbers. Text fields hold
// Windows-1252 bytes, blank padded and cut at their width.
inline constexpr std::size_t kEntrySize = 125;
inline constexpr std::size_t kEntryDateAt = 0;  // double: day serial
inline constexpr std::size_t kCategoryCodeAt = 8;
inline constexpr std::size_t kCategoryCodeWidth = 10;
inline constexpr std::size_t kAmountAt = 18;  // int64: ten-thousandths
inline constexpr std::size_t kNoteAt = 26;
inline constexpr std::size_t kNoteWidth = 60;
inline constexpr std::size_t kUserField1At = 86;
inline constexpr std::size_t kUserField2At = 96;
inline constexpr std::size_t kUserFieldWidth = 10;
inline constexpr std::size_t kRecordStampAt = 106;  // double
inline constexpr std::size_t kDeletedMarkAt = 114;
inline constexpr std::size_t kDeletedMarkWidth = 1;
inline constexpr std::size_t kReservedAt = 115;
inline constexpr std::size_t kReservedWidth = 10;

// Category record, 540 bytes.
inline constexpr std::size_t kCategorySize = 540;
inline constexpr std::size_t kCatCodeAt = 0;
inline constexpr std::size_t kCatCodeWidth = 10;
inline constexpr std::size_t kCatNameAt = 10;
inline constexpr std::size_t kCatNameWidth = 20;
inline constexpr std::size_t kCatDescriptionAt = 30;
inline constexpr std::size_t kCatDescriptionWidth = 500;
inline constexpr std::size_t kCatReservedAt = 530;
inline constexpr std::size_t kCatReservedWidth = 10;

struct EntryRecord {
    double EntryDate = 0;
    std::string CategoryCode;
    std::int64_t Amount = 0;
    std::string Note;
    std::string UserField1;
    std::string UserField2;
    double RecordStamp = 0;
    std::string DeletedMark = "N";
    std::string Reserved;  // stored as blanks
};

struct CategoryRecord {
    std::string CatCode;
    std::string CatName;
    std::string CatDescription;
    // Spare bytes; new records carry zero bytes.
    std::string CatReserved = std::string(kCatReservedWidth, '\0');
};

// The 125 bytes of `record`; text fields are padded or cut to their widths.
std::string encodeEntry(const EntryRecord& record);
// The 540 bytes of `record`; CatReserved is padded with zero bytes, not blanks.
std::string encodeCategory(const CategoryRecord& record);

// Decoding expects a whole record (at least the layout's size). Text fields come back
// with their padding, as stored.
EntryRecord decodeEntry(std::string_view record);
CategoryRecord decodeCategory(std::string_view record);

}  // namespace qbk::converter::v3

#endif  // QBK_CONVERTER_VERSION3_FORMAT_H_

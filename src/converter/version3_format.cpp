#include "converter/version3_format.h"

#include <bit>
#include <cassert>

#include "converter/fixed_text.h"

namespace qbk::converter::v3 {
namespace {

void putUint64(std::string& out, std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 8; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint64_t getUint64(std::string_view in, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
    }
    return value;
}

void putText(std::string& out, std::size_t at, std::size_t width, std::string_view text) {
    out.replace(at, width, padField(text, width));
}

}  // namespace

std::string encodeEntry(const EntryRecord& record) {
    std::string out(kEntrySize, ' ');
    putUint64(out, kEntryDateAt, std::bit_cast<std::uint64_t>(record.EntryDate));
    putText(out, kCategoryCodeAt, kCategoryCodeWidth, record.CategoryCode);
    putUint64(out, kAmountAt, static_cast<std::uint64_t>(record.Amount));
    putText(out, kNoteAt, kNoteWidth, record.Note);
    putText(out, kUserField1At, kUserFieldWidth, record.UserField1);
    putText(out, kUserField2At, kUserFieldWidth, record.UserField2);
    putUint64(out, kRecordStampAt, std::bit_cast<std::uint64_t>(record.RecordStamp));
    putText(out, kDeletedMarkAt, kDeletedMarkWidth, record.DeletedMark);
    putText(out, kReservedAt, kReservedWidth, record.Reserved);
    return out;
}

std::string encodeCategory(const CategoryRecord& record) {
    std::string out(kCategorySize, ' ');
    putText(out, kCatCodeAt, kCatCodeWidth, record.CatCode);
    putText(out, kCatNameAt, kCatNameWidth, record.CatName);
    putText(out, kCatDescriptionAt, kCatDescriptionWidth, record.CatDescription);
    std::string reserved = record.CatReserved.substr(0, kCatReservedWidth);
    reserved.resize(kCatReservedWidth, '\0');
    out.replace(kCatReservedAt, kCatReservedWidth, reserved);
    return out;
}

EntryRecord decodeEntry(std::string_view r) {
    assert(r.size() >= kEntrySize);
    EntryRecord e;
    e.EntryDate = std::bit_cast<double>(getUint64(r, kEntryDateAt));
    e.CategoryCode = r.substr(kCategoryCodeAt, kCategoryCodeWidth);
    e.Amount = static_cast<std::int64_t>(getUint64(r, kAmountAt));
    e.Note = r.substr(kNoteAt, kNoteWidth);
    e.UserField1 = r.substr(kUserField1At, kUserFieldWidth);
    e.UserField2 = r.substr(kUserField2At, kUserFieldWidth);
    e.RecordStamp = std::bit_cast<double>(getUint64(r, kRecordStampAt));
    e.DeletedMark = r.substr(kDeletedMarkAt, kDeletedMarkWidth);
    e.Reserved = r.substr(kReservedAt, kReservedWidth);
    return e;
}

CategoryRecord decodeCategory(std::string_view r) {
    assert(r.size() >= kCategorySize);
    CategoryRecord c;
    c.CatCode = r.substr(kCatCodeAt, kCatCodeWidth);
    c.CatName = r.substr(kCatNameAt, kCatNameWidth);
    c.CatDescription = r.substr(kCatDescriptionAt, kCatDescriptionWidth);
    c.CatReserved = r.substr(kCatReservedAt, kCatReservedWidth);
    return c;
}

}  // namespace qbk::converter::v3

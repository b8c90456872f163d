#include "store/entry_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/windows1252.h"
#include "support/records.h"

namespace qbk {
namespace {

// 125 bytes built field by field, independently of the codec.
std::string handBuilt(double date, const char* code10, std::int64_t amount, const char* note60,
                      const char* u1, const char* u2, double stamp, char mark) {
    std::string b(125, '\0');
    std::memcpy(&b[0], &date, 8);
    std::memcpy(&b[8], code10, 10);
    std::memcpy(&b[18], &amount, 8);
    std::memcpy(&b[26], note60, 60);
    std::memcpy(&b[86], u1, 10);
    std::memcpy(&b[96], u2, 10);
    std::memcpy(&b[106], &stamp, 8);
    b[114] = mark;
    std::memset(&b[115], ' ', 10);
    return b;
}

const std::string kNote = "caf\xE9 au lait" + std::string(48, ' ');

TEST(EntryRecordCodec, WritesTheLayoutByteForByte) {
    EntryRecord r = testing::entry(2001, 4, 1, "FOOD", -1250, "café au lait", 89200.5, "shop");
    const std::string expected = handBuilt(serialFromDate(2001, 4, 1), "FOOD      ", -125000,
                                           kNote.c_str(), "shop      ", "          ", 89200.5, 'N');
    EXPECT_EQ(encodeEntry(r), expected);
}

TEST(EntryRecordCodec, ReadsFieldsAsStoredWithTheirBlanks) {
    const std::string bytes = handBuilt(36890, "car       ", 5000000, kNote.c_str(), "A         ",
                                        "x\x80        ", 1234.75, 'Y');
    const EntryRecord r = decodeEntry(bytes.data());
    EXPECT_EQ(r.entryDate, 36890);
    EXPECT_EQ(r.categoryCode, "car       ");
    EXPECT_EQ(r.amount.raw(), 5000000);
    EXPECT_EQ(r.note, fromWindows1252(kNote));
    EXPECT_EQ(r.userField2, "x€        ");
    EXPECT_EQ(r.recordStamp, 1234.75);
    EXPECT_TRUE(r.isDeleted());
    EXPECT_EQ(encodeEntry(r), bytes);
}

TEST(EntryRecordCodec, CutsLongTextAndStoresUnknownCharactersAsQuestionMarks) {
    EntryRecord r;
    r.note = std::string(70, 'n');
    r.categoryCode = "日本食";
    const std::string bytes = encodeEntry(r);
    EXPECT_EQ(bytes.substr(26, 60), std::string(60, 'n'));
    EXPECT_EQ(bytes.substr(86, 1), " ");
    EXPECT_EQ(bytes.substr(8, 10), "???       ");
    EXPECT_EQ(bytes.substr(115, 10), std::string(10, ' '));
}

TEST(EntryRecordCodec, OnlyAnUpperCaseYMarksADeletedRecord) {
    EntryRecord r;
    r.deletedMark = "y";
    EXPECT_FALSE(entry_bytes::isDeleted(encodeEntry(r).data()));
    r.deletedMark = "Y";
    EXPECT_TRUE(entry_bytes::isDeleted(encodeEntry(r).data()));
}

}  // namespace
}  // namespace qbk

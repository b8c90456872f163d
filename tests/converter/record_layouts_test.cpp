// The byte layouts of both versions, names of version-2 files and their record counts.
#include <gtest/gtest.h>

#include "converter/version2_format.h"
#include "converter/version3_format.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using testing::v2Category;
using testing::v2Entry;

TEST(Version3Layout, EntryRecordHasEveryFieldAtItsOffset) {
    v3::EntryRecord e;
    e.EntryDate = 36160;  // 31 December 1998
    e.CategoryCode = "FOOD";
    e.Amount = -125000;
    e.Note = "Caf\xE9";  // Windows-1252 byte kept as it is
    e.UserField1 = "cash";
    e.UserField2 = "a much longer value";  // cut at 10
    e.RecordStamp = 45000.5;
    const std::string expected = std::string("\x00\x00\x00\x00\x00\xa8\xe1\x40", 8) + "FOOD      " +
                                 "\xb8\x17\xfe\xff\xff\xff\xff\xff" + "Caf\xE9" +
                                 std::string(56, ' ') + "cash      " + "a much lon" +
                                 std::string("\x00\x00\x00\x00\x10\xf9\xe5\x40", 8) + "N" +
                                 std::string(10, ' ');
    const std::string bytes = v3::encodeEntry(e);
    ASSERT_EQ(bytes.size(), 125u);
    EXPECT_EQ(bytes, expected);

    const v3::EntryRecord back = v3::decodeEntry(bytes);
    EXPECT_EQ(back.EntryDate, 36160);
    EXPECT_EQ(back.Amount, -125000);
    EXPECT_EQ(back.RecordStamp, 45000.5);
    EXPECT_EQ(back.Note, "Caf\xE9" + std::string(56, ' '));
}

TEST(Version3Layout, CategoryRecordEndsInZeroBytes) {
    v3::CategoryRecord c;
    c.CatCode = "AB";
    c.CatName = "Household expenses over twenty";
    const std::string bytes = v3::encodeCategory(c);
    EXPECT_EQ(bytes, "AB        " + std::string("Household expenses o") + std::string(500, ' ') +
                         std::string(10, '\0'));
    EXPECT_EQ(v3::decodeCategory(bytes).CatName, "Household expenses o");
}

TEST(Version2Layout, RecordsDecodeAndIncompleteOnesReadAsBlanks) {
    const std::string record = v2Entry("12/31/98", "FO", -1234567, "Bread and milk");
    ASSERT_EQ(record.size(), 58u);
    v2::Entry e = v2::decodeEntry(record);
    EXPECT_EQ(e.DateText, "12/31/98");
    EXPECT_EQ(e.CategoryCode, "FO");
    EXPECT_EQ(e.Amount, -1234567);
    EXPECT_EQ(e.Note, "Bread and milk" + std::string(26, ' '));

    e = v2::decodeEntry(record.substr(0, 30));  // 12 bytes of the note are there
    EXPECT_EQ(e.Amount, -1234567);
    EXPECT_EQ(e.Note, "Bread and mi" + std::string(28, ' '));

    const v2::Category c = v2::decodeCategory(v2Category("GA", "Gardening tools").substr(0, 9));
    EXPECT_EQ(c.CatCode, "GA");
    EXPECT_EQ(c.CatName, "Gardeni" + std::string(9, ' '));
    EXPECT_EQ(v2::decodeEntry(v2Entry("", "", INT64_MIN, "")).Amount, INT64_MIN);
}

TEST(Version2Layout, RecordCountRoundsToNearestWholeRecord) {
    EXPECT_EQ(v2::recordCount(0, 58), 0u);
    EXPECT_EQ(v2::recordCount(3 * 58, 58), 3u);
    EXPECT_EQ(v2::recordCount(3 * 58 + 28, 58), 3u);
    EXPECT_EQ(v2::recordCount(3 * 58 + 29, 58), 4u);
    EXPECT_EQ(v2::recordCount(3 * 58 + 30, 58), 4u);
    EXPECT_EQ(v2::recordCount(8, 18), 0u);
    EXPECT_EQ(v2::recordCount(2 * 18 + 9, 18), 3u);
}

TEST(Version2Names, PatternsMatchWithoutRegardToCase) {
    using v2::FileKind;
    for (const char* name : {"1998QBK.DAT", "2003qbk.dat", "19x1Qbk.Dat"}) {
        EXPECT_EQ(v2::kindOfName(name), FileKind::Entries) << name;
    }
    for (const char* name : {"1999CATS.DAT", "2001cats.dat"}) {
        EXPECT_EQ(v2::kindOfName(name), FileKind::Categories) << name;
    }
    for (const char* name : {"1898QBK.DAT", "2198QBK.DAT", "98QBK.DAT", "19988QBK.DAT",
                             "1998QBK.DAT.bak", "1998QBK.DA", "quillbank.dat", "1998CAT.DAT", ""}) {
        EXPECT_EQ(v2::kindOfName(name), std::nullopt) << name;
    }
    EXPECT_EQ(v2::yearOfName("2003qbk.dat"), "2003");
}

}  // namespace
}  // namespace qbk::converter

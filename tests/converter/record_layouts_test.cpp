// The byte layout of version 2, the names of its files, their record counts, and how
// they are found in a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include "converter/version2_format.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using testing::TempFolder;
using testing::v2Category;
using testing::v2Entry;
using testing::writeFile;

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

TEST(Version2Files, ListedByYearWhateverTheCase) {
    TempFolder dir;
    for (const char* name : {"2001qbk.dat", "1999QBK.DAT", "2000Qbk.Dat", "1998cats.dat",
                             "1997CATS.DAT", "quillbank.dat", "1999QBK.BAK", "notes.txt"}) {
        writeFile(dir / name, "");
    }
    std::filesystem::create_directory(dir / "1996QBK.DAT");  // a folder, not a file
    std::filesystem::create_symlink(dir / "2001qbk.dat", dir / "2002QBK.DAT");
    const v2::Files found = v2::findFiles(dir.path());
    EXPECT_EQ(found.entryFiles, (std::vector<std::string>{"1999QBK.DAT", "2000Qbk.Dat",
                                                          "2001qbk.dat", "2002QBK.DAT"}));
    EXPECT_EQ(found.categoryFiles, (std::vector<std::string>{"1997CATS.DAT", "1998cats.dat"}));
    EXPECT_TRUE(v2::findFiles(dir / "missing").entryFiles.empty());
}

}  // namespace
}  // namespace qbk::converter

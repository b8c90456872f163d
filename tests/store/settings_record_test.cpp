#include "store/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::TempFolder;

// The bytes of a new settings file, laid out by hand.
std::string defaultBytes() {
    std::string b(1276, '\0');
    const std::int16_t one = 1;
    std::memcpy(&b[0], &one, 2);  // FYMonth
    std::memcpy(&b[2], &one, 2);  // FYDay
    std::memset(&b[6], ' ', 10);  // UserPassword
    std::memset(&b[16], ' ', 210);
    const std::string owner = "Your Name Here";
    std::memcpy(&b[236], owner.data(), owner.size());
    std::memset(&b[236 + owner.size()], ' ', 40 - owner.size());
    std::memcpy(&b[276], "user 1    user 2    YY", 22);
    std::memset(&b[298], ' ', 80);
    std::memcpy(&b[578], "-n12-Y", 6);
    std::memset(&b[584], ' ', 8);
    return b;
}

TEST(SettingsRecord, DefaultsHaveTheExactLayout) {
    EXPECT_EQ(SettingsRecord::defaults().bytes(), defaultBytes());
}

TEST(SettingsRecord, FirstLoadCreatesTheDefaultsAndTheSecondFindsThem) {
    TempFolder dir;
    const SettingsLoad first = loadSettings(dir.file("qbk3.ini"));
    EXPECT_TRUE(first.created);
    EXPECT_EQ(dir.read("qbk3.ini"), defaultBytes());
    const SettingsLoad second = loadSettings(dir.file("qbk3.ini"));
    EXPECT_FALSE(second.created);
    EXPECT_EQ(second.settings, first.settings);
}

TEST(SettingsRecord, AlternateFoldersOfANewFileReadAsEmpty) {
    const SettingsRecord s = SettingsRecord::defaults();
    EXPECT_EQ(s.altFolder1Path(), std::string(100, '\0'));
    EXPECT_TRUE(isEmptySetting(s.altFolder1Path()));
    EXPECT_TRUE(isEmptySetting(s.userPassword()));
    EXPECT_FALSE(isEmptySetting(s.udf1Name()));
}

TEST(SettingsRecord, AShortFileReadsAsZerosAndIsWrittenWholeOnSave) {
    TempFolder dir;
    dir.write("qbk3.ini", defaultBytes().substr(0, 500));
    const SettingsLoad load = loadSettings(dir.file("qbk3.ini"));
    EXPECT_FALSE(load.created);
    EXPECT_EQ(load.settings.gridOrder(), std::string(5, '\0'));
    EXPECT_EQ(load.settings.udf1Name(), "user 1    ");
    EXPECT_EQ(dir.read("qbk3.ini").size(), 500u);  // reading leaves it alone
    SaveConfig(dir.file("qbk3.ini"), load.settings);
    EXPECT_EQ(dir.read("qbk3.ini").size(), 1276u);
}

TEST(SettingsRecord, SaveKeepsReservedBytesAndAnythingAfterTheRecord) {
    TempFolder dir;
    std::string bytes = defaultBytes();
    bytes[20] = 'R';
    bytes[1000] = '\x7f';
    dir.write("qbk3.ini", bytes + "tail");
    SettingsRecord s = loadSettings(dir.file("qbk3.ini")).settings;
    s.setGridOrder("-21n-");
    SaveConfig(dir.file("qbk3.ini"), s);
    std::string expected = bytes;
    std::memcpy(&expected[578], "-21n-", 5);
    EXPECT_EQ(dir.read("qbk3.ini"), expected + "tail");
}

TEST(SettingsRecord, TextIsCutToItsWidthAndPaddedWithBlanks) {
    SettingsRecord s = SettingsRecord::defaults();
    s.setUdf1Name("a label longer than ten");
    s.setUserPassword("pw");
    s.setAltFolder1Path("/home/ann/böök");
    EXPECT_EQ(s.udf1Name(), "a label lo");
    EXPECT_EQ(s.userPassword(), "pw        ");
    EXPECT_EQ(s.bytes().substr(378, 14), "/home/ann/b\xF6\xF6k");
    EXPECT_EQ(s.bytes()[378 + 14], ' ');
    s.setFyMonth(4);
    s.setFyDay(-2);
    EXPECT_EQ(s.fyMonth(), 4);
    EXPECT_EQ(s.fyDay(), -2);
}

}  // namespace
}  // namespace qbk

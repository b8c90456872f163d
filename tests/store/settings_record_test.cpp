#include "store/settings_record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/errors.h"
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

// The description of the failure of `f`, after its number.
std::string failureOf(int number, const std::function<void()>& f) {
    try {
        f();
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), number) << e.what();
        return e.what();
    }
    return "no failure";
}

TEST(SettingsRecord, ADamagedFileIsRefusedNamingItAndStaysAsItWas) {
    TempFolder dir;
    const std::string path = dir.file("qbk3.ini");
    // Too short to be a whole record: its password cannot be trusted.
    dir.write("qbk3.ini", defaultBytes().substr(0, 500));
    EXPECT_EQ(failureOf(59, [&] { loadSettings(path); }), "Bad record length (" + path + ")");
    EXPECT_EQ(dir.read("qbk3.ini"), defaultBytes().substr(0, 500));
    // Emptied, or a link to nothing: never a first start without the password check.
    dir.write("qbk3.ini", "");
    EXPECT_EQ(failureOf(59, [&] { loadSettings(path); }), "Bad record length (" + path + ")");
    std::filesystem::remove(path);
    std::filesystem::create_symlink(dir.file("gone.ini"), path);
    EXPECT_EQ(failureOf(59, [&] { loadSettings(path); }), "Bad record length (" + path + ")");
    EXPECT_FALSE(dir.exists("gone.ini"));
    std::filesystem::remove(path);

    const auto withValues = [&](std::int16_t month, std::int16_t day, std::int16_t range) {
        SettingsRecord s = SettingsRecord::defaults();
        s.setFyMonth(month);
        s.setFyDay(day);
        s.setStartupRange(range);
        dir.write("qbk3.ini", s.bytes());
    };
    withValues(-32768, 1, 0);
    EXPECT_EQ(failureOf(5, [&] { readSettings(path); }),
              "FYMonth -32768 out of range 1 to 12 (" + path + ")");
    withValues(13, 1, 0);
    EXPECT_EQ(failureOf(5, [&] { loadSettings(path); }),
              "FYMonth 13 out of range 1 to 12 (" + path + ")");
    withValues(2, 30, 0);
    EXPECT_EQ(failureOf(5, [&] { readSettings(path); }),
              "FYDay 30 out of range 1 to 29 (" + path + ")");
    withValues(4, 0, 0);
    EXPECT_EQ(failureOf(5, [&] { readSettings(path); }),
              "FYDay 0 out of range 1 to 30 (" + path + ")");
    withValues(2, 29, -1);
    EXPECT_EQ(failureOf(5, [&] { readSettings(path); }),
              "StartupRange -1 out of range 0 to 32767 (" + path + ")");
    withValues(2, 29, 32767);
    EXPECT_EQ(readSettings(path).fyDay(), 29);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(failureOf(75, [&] { loadSettings(path); }), "Is a directory (" + path + ")");
}

TEST(SettingsRecord, ANewFileIsTheUsersAloneAndAReplacedOneKeepsItsMode) {
    TempFolder dir;
    const mode_t oldMask = ::umask(022);
    loadSettings(dir.file("qbk3.ini"));
    SaveConfig(dir.file("new.ini"), SettingsRecord::defaults());
    ::chmod(dir.file("qbk3.ini").c_str(), 0640);
    SaveConfig(dir.file("qbk3.ini"), SettingsRecord::defaults());
    ::umask(oldMask);
    struct stat st {};
    ::stat(dir.file("new.ini").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::stat(dir.file("qbk3.ini").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SettingsRecord, AMissingFileReadsAsTheDefaultsWithoutBeingCreated) {
    TempFolder dir;
    EXPECT_EQ(readSettings(dir.file("qbk3.ini")), SettingsRecord::defaults());
    EXPECT_FALSE(dir.exists("qbk3.ini"));
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

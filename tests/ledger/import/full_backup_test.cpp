#include "import/full_backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/undo_history.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(BackupFiles, ThePatternTakesEveryFileOfTheBook) {
    for (const char* name :
         {"rent.qbk", "Rent.QBK", ".qbk", "quillbank.dat", "QuillBank.DAT", "category.dat",
          "udf1.dat", "udf2.dat", "udfx.dat", "udf\xC3\xA9.dat", "payee.rules", "quillbank.ids",
          "2000qbk.doc", "qbk3.ini", "schedules.txt", "qbk3-due.ini"})
        EXPECT_TRUE(matchesFilePattern(name, kBackupFilePattern)) << name;
    for (const char* name :
         {"quillbank.bak", "temp.dat", "category.tmp", "udf1.tmp", "udf.dat", "udf12.dat",
          "rent.qbk.bak", "xquillbank.dat", "quillbank.dat.qbk-tmp-0badf00d", "taxes 2025.txt"})
        EXPECT_FALSE(matchesFilePattern(name, kBackupFilePattern)) << name;
    EXPECT_TRUE(matchesFilePattern("a.b.c", "*.x;*.*.c"));
    EXPECT_TRUE(matchesFilePattern("abcabd", "*abd"));
}

TEST(BackupFiles, AreTheMatchingRegularFilesInNameOrder) {
    testing::TempFolder data;
    for (const char* name : {"udf2.dat", "quillbank.dat", "category.dat", "Zoo.qbk", "apples.qbk",
                             "quillbank.bak", "report.tmp"})
        data.write(name, name);
    fs::create_directory(data.file("folder.qbk"));
    EXPECT_EQ(backupFileNames(data.path()),
              (Names{"apples.qbk", "category.dat", "quillbank.dat", "udf2.dat", "Zoo.qbk"}));
    EXPECT_THROW(backupFileNames(data.file("gone")), OperationError);
}

TEST(BackupFolders, CaptionsAreTrimmedAndEndInOneSlash) {
    EXPECT_EQ(backupFolderCaption("  /media/usb  "), "/media/usb/");
    EXPECT_EQ(backupFolderCaption("/media/usb/"), "/media/usb/");
    EXPECT_EQ(backupFolderCaption("/"), "/");
}

class FullBackup : public ::testing::Test {
  protected:
    std::optional<Message> run(const std::string& target) {
        copied.clear();
        return runBackup(source.path(), target, [&](const std::string& n) { copied.push_back(n); });
    }
    testing::TempFolder source, target;
    Names copied;
};

TEST_F(FullBackup, CopiesEveryDataFileWholeReplacingTheTargetsFiles) {
    source.write("quillbank.dat", std::string(250, 'r'));
    source.write("category.dat", "cats");
    source.write("udf1.dat", "cash\r\n");
    source.write("rent.qbk", "macro");
    source.write("quillbank.bak", "not a data file");
    target.write("quillbank.dat", "older and longer than the new one");
    target.write("other.txt", "kept");

    EXPECT_EQ(run(target.path()), std::nullopt);
    EXPECT_EQ(copied, (Names{"category.dat", "quillbank.dat", "rent.qbk", "udf1.dat"}));
    EXPECT_EQ(target.read("quillbank.dat"), std::string(250, 'r'));
    EXPECT_EQ(target.read("category.dat"), "cats");
    EXPECT_EQ(target.read("udf1.dat"), "cash\r\n");
    EXPECT_EQ(target.read("rent.qbk"), "macro");
    EXPECT_EQ(target.read("other.txt"), "kept");
    EXPECT_FALSE(target.exists("quillbank.bak"));
    EXPECT_EQ(target.names().size(), 5u) << "no temporary file is left";
}

TEST_F(FullBackup, AFolderWithoutMacroFilesCopiesWhatIsThere) {
    source.write("quillbank.dat", "r");
    source.write("udf2.dat", "u");
    EXPECT_EQ(run(target.path()), std::nullopt);
    EXPECT_EQ(copied, (Names{"quillbank.dat", "udf2.dat"}));
    EXPECT_FALSE(target.exists("category.dat"));
}

TEST_F(FullBackup, TheSourceFolderIsNoTargetHoweverItIsNamed) {
    source.write("quillbank.dat", "r");
    EXPECT_EQ(run(source.path()), sameFolderMessage());
    fs::create_directory_symlink(source.file(""), target.file("link"));
    EXPECT_EQ(run(target.file("link/")), sameFolderMessage());
    EXPECT_EQ(run(source.file("../") + fs::path(source.file("")).parent_path().filename().string()),
              sameFolderMessage());
    EXPECT_TRUE(copied.empty());
    EXPECT_EQ(sameFolderMessage(),
              (Message{"Target and source are the same! Please select a different target folder.",
                       "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1}));
}

TEST_F(FullBackup, ACopyThatFailsStopsTheBackupAndNamesTheFile) {
    source.write("category.dat", "cats");
    source.write("quillbank.dat", "records");
    source.write("udf1.dat", "u");
    // A folder where the record file would go: the rename onto it fails.
    fs::create_directory(target.file("quillbank.dat"));
    try {
        run(target.path());
        FAIL();
    } catch (const OperationError& e) {
        EXPECT_EQ(std::string(e.what()), "Could not copy quillbank.dat: Is a directory (" +
                                             target.file("quillbank.dat") + ")");
    }
    EXPECT_EQ(copied, (Names{"category.dat", "quillbank.dat"}));
    // One change of the target: the category file copied before the failure went back.
    EXPECT_EQ(target.names(), (Names{"quillbank.dat"})) << "no copy and no temporary is left";
}

// The backup holds the whole book, with its settings and every file's permissions, and
// an undo in the target takes the backup back as one change.
TEST_F(FullBackup, CopiesTheWholeBookWithItsModesAsOneChangeOfTheTarget) {
    source.write("quillbank.dat", "records");
    source.write("payee.rules", "rules");
    source.write("quillbank.ids", "ids");
    source.write("2026qbk.doc", "notes");
    fs::permissions(source.file("quillbank.dat"), fs::perms::owner_read | fs::perms::owner_write);
    testing::TempFolder program;
    program.write("qbk3.ini", "settings");
    target.write("payee.rules", "older");
    EXPECT_EQ(runBackup(source.path(), target.path(), nullptr, program.file("qbk3.ini")),
              std::nullopt);
    EXPECT_EQ(target.names(),
              (Names{"2026qbk.doc", "payee.rules", "qbk3.ini", "quillbank.dat", "quillbank.ids"}));
    EXPECT_EQ(target.read("qbk3.ini"), "settings");
    EXPECT_EQ(fs::status(target.file("quillbank.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(undoLastChange(target.path()), UndoResult::Done);
    EXPECT_EQ(target.names(), (Names{"payee.rules"}));
    EXPECT_EQ(target.read("payee.rules"), "older");
}

TEST_F(FullBackup, AMissingTargetIsAnError) {
    source.write("quillbank.dat", "r");
    try {
        run(target.file("gone/"));
        FAIL();
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_EQ(std::string(e.what()), "Path not found (" + target.file("gone/") + ")");
    }
}

TEST(BackupTexts, ProgressAndEnd) {
    EXPECT_EQ(copyingCaption("udf1.dat"), "Copying: udf1.dat");
    EXPECT_EQ(backupFinishedMessage(),
              (Message{"Backup completed!", "Finished", Icon::Information, Buttons::Ok, 1}));
}

TEST(DriveList, HoldsTheMountPointsOfRealFileSystems) {
    const std::string mounts =
        "/dev/sda1 / ext4 rw,relatime 0 0\n"
        "proc /proc proc rw,nosuid 0 0\n"
        "sysfs /sys sysfs rw 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
        "server:/export /mnt/nfs nfs4 rw 0 0\n"
        "overlay / overlay rw 0 0\n"
        "/dev/sdc1 /mnt/back\\134slash ext4 rw 0 0\n"
        "broken line\n";
    EXPECT_EQ(mountPoints(mounts),
              (Names{"/", "/media/user/USB STICK/", "/mnt/nfs/", "/mnt/back\\slash/"}));
    const Names here = mountedDrives();
    ASSERT_FALSE(here.empty());
    for (const std::string& p : here)
        EXPECT_TRUE(p.ends_with("/")) << p;
}

}  // namespace
}  // namespace qbk

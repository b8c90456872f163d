// Atomic appends, the version-2 files of a folder, and the converter's own folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "converter/errors.h"
#include "converter/files.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;
namespace fs = std::filesystem;

std::size_t entriesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicAppend, KeepsEveryOldByteAndLeavesNoWorkFile) {
    TempFolder dir;
    const std::string path = dir / "quillbank.dat";
    appendRecordsAtomically(path, 5, "ABCDE");
    EXPECT_EQ(readFile(path), "ABCDE");
    ::chmod(path.c_str(), 0640);
    appendRecordsAtomically(path, 5, "FGHIJklmno");
    EXPECT_EQ(readFile(path), "ABCDEFGHIJklmno");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    // Through a link the linked file grows and the link stays.
    fs::create_symlink(path, dir / "link.dat");
    appendRecordsAtomically(dir / "link.dat", 5, "pqrst");
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(readFile(path), "ABCDEFGHIJklmnopqrst");
}

TEST(AtomicAppend, RefusesAFileEndingInAnIncompleteRecord) {
    TempFolder dir;
    const std::string path = dir / "category.dat";
    writeFile(path, "ABCDEFG");
    try {
        appendRecordsAtomically(path, 5, "HIJKL");
        FAIL() << "appended after an incomplete record";
    } catch (const IncompleteRecordError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_EQ(e.extraBytes(), 2u);
    }
    EXPECT_EQ(readFile(path), "ABCDEFG");
}

TEST(AtomicAppend, MissingFolderIsAFileErrorAndWritesNothing) {
    TempFolder dir;
    try {
        appendRecordsAtomically(dir / "gone/quillbank.dat", 5, "ABCDE");
        FAIL() << "wrote into a missing folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(e.detail(), "No such file or directory");
    }
    EXPECT_EQ(entriesIn(dir.path()), 0u);
}

TEST(Version2Files, ListedByYearWhateverTheCase) {
    TempFolder dir;
    for (const char* name : {"2001qbk.dat", "1999QBK.DAT", "2000Qbk.Dat", "1998cats.dat",
                             "1997CATS.DAT", "quillbank.dat", "1999QBK.BAK", "notes.txt"}) {
        writeFile(dir / name, "");
    }
    fs::create_directory(dir / "1996QBK.DAT");  // a folder, not a file
    fs::create_symlink(dir / "2001qbk.dat", dir / "2002QBK.DAT");
    const Version2Files found = findVersion2Files(dir.path());
    EXPECT_EQ(found.entryFiles, (std::vector<std::string>{"1999QBK.DAT", "2000Qbk.Dat",
                                                          "2001qbk.dat", "2002QBK.DAT"}));
    EXPECT_EQ(found.categoryFiles, (std::vector<std::string>{"1997CATS.DAT", "1998cats.dat"}));
    EXPECT_TRUE(findVersion2Files(dir / "missing").entryFiles.empty());
}

TEST(ProgramFolder, ExecutableFolderWhenWritableElseUserDataFolder) {
    TempFolder dir;
    const std::string exe = dir.path() + "bin";
    fs::create_directory(exe);
    EXPECT_EQ(chooseProgramFolder(exe, "", ""), exe + "/");

    const std::string missing = dir.path() + "nowhere/bin";
    EXPECT_EQ(chooseProgramFolder(missing, dir.path() + "xdg", "/home/x"),
              dir.path() + "xdg/quillbank/");
    EXPECT_TRUE(fs::is_directory(dir.path() + "xdg/quillbank"));
    // A relative data home is ignored.
    EXPECT_EQ(chooseProgramFolder(missing, "relative", dir.path() + "home"),
              dir.path() + "home/.local/share/quillbank/");
    EXPECT_THROW(chooseProgramFolder(missing, "", ""), FileError);
}

TEST(ReadFile, MissingIsNothingAndAFolderIsAnError) {
    TempFolder dir;
    EXPECT_EQ(readFileIfExists(dir / "none"), std::nullopt);
    EXPECT_THROW(readFileIfExists(dir.path()), FileError);
}

}  // namespace
}  // namespace qbk::converter

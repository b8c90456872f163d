#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/errors.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::TempFolder;

int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const OperationError& e) {
        return e.number();
    }
    return 0;
}

TEST(AtomicWrite, ReplacesTheContentAndLeavesNoTemporaryFile) {
    TempFolder dir;
    dir.write("a.dat", "old content");
    ::chmod(dir.file("a.dat").c_str(), 0600);
    writeFileAtomically(dir.file("a.dat"), "new");
    EXPECT_EQ(dir.read("a.dat"), "new");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        (void)e, ++files;
    EXPECT_EQ(files, 1);
    struct stat st {};
    ::stat(dir.file("a.dat").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(AtomicWrite, AMissingFolderIsPathNotFoundAndCreatesNothing) {
    TempFolder dir;
    EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(dir.file("no/such/x.dat"), "x"); }),
              errnum::kPathNotFound);
    EXPECT_FALSE(dir.exists("no"));
}

TEST(FileReads, AMissingFileIsEmptyButAMissingFolderIsAnError) {
    TempFolder dir;
    EXPECT_EQ(readFile(dir.file("none.dat")), "");
    EXPECT_EQ(fileLength(dir.file("none.dat")), 0u);
    EXPECT_EQ(errorNumberOf([&] { readFile(dir.file("gone/none.dat")); }), errnum::kPathNotFound);
    EXPECT_EQ(errorNumberOf([&] { ensureFileExists(dir.file("gone/x.dat")); }),
              errnum::kPathNotFound);
}

TEST(FileWrites, PiecesAndBlocksCoverEveryByteInOrder) {
    TempFolder dir;
    // More pieces than one system call takes, some empty, one crossing a block end.
    std::vector<std::string> parts;
    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        parts.push_back(i % 7 == 0 ? std::string() : std::to_string(i) + ",");
        expected += parts.back();
    }
    std::vector<std::string_view> pieces(parts.begin(), parts.end());
    writeFileAtomically(dir.file("p.dat"), pieces);
    EXPECT_EQ(readFile(dir.file("p.dat")), expected);

    std::vector<std::size_t> sizes;
    std::string joined;
    EXPECT_EQ(readInBlocks(dir.file("p.dat"), 4096,
                           [&](std::string_view b) {
                               sizes.push_back(b.size());
                               joined += b;
                           }),
              expected.size());
    EXPECT_EQ(joined, expected);
    ASSERT_EQ(sizes.size(), expected.size() / 4096 + 1);
    EXPECT_EQ(sizes.back(), expected.size() % 4096);
    dir.write("empty.dat", "");
    sizes.clear();
    readInBlocks(dir.file("empty.dat"), 4096,
                 [&](std::string_view b) { sizes.push_back(b.size()); });
    EXPECT_EQ(sizes, std::vector<std::size_t>{0});
}

TEST(FileWrites, AFullDiskIsReportedAsDiskFull) {
    if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(errorNumberOf([] { appendToFile("/dev/full", std::string(1 << 16, 'x')); }),
              errnum::kDiskFull);
    EXPECT_EQ(errorNumberOf([] { writeAt("/dev/full", 0, "x"); }), errnum::kDiskFull);
}

TEST(FileWrites, InPlaceWritesAndAppendsTouchOnlyTheirBytes) {
    TempFolder dir;
    dir.write("r.dat", "AAAABBBB");
    writeAt(dir.file("r.dat"), 4, "CC");
    appendToFile(dir.file("r.dat"), "DD");
    EXPECT_EQ(dir.read("r.dat"), "AAAACCBBDD");
    EXPECT_EQ(readAt(dir.file("r.dat"), 8, 10), "DD");
}

TEST(FileWrites, UnwritableFolderIsPermissionDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    TempFolder dir;
    std::filesystem::create_directory(dir.file("ro"));
    ::chmod(dir.file("ro").c_str(), 0555);
    EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(dir.file("ro/x.dat"), "x"); }),
              errnum::kPermissionDenied);
    ::chmod(dir.file("ro").c_str(), 0755);
}

TEST(Paths, JoinAndSplit) {
    EXPECT_EQ(joinPath("/data", "quillbank.dat"), "/data/quillbank.dat");
    EXPECT_EQ(joinPath("/data/", "quillbank.dat"), "/data/quillbank.dat");
    EXPECT_EQ(withTrailingSlash("/data"), "/data/");
    EXPECT_EQ(parentFolder("/data/q.dat"), "/data");
    EXPECT_EQ(parentFolder("/q.dat"), "/");
    EXPECT_EQ(fileName("/data/q.dat"), "q.dat");
    EXPECT_EQ(splitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
}

TEST(CommonErrorMessage, HasTheFixedWordingAroundNameAndNumber) {
    EXPECT_EQ(commonErrorText(OperationError(61, "Disk full")),
              "An error has occurred, and this operation has been aborted...\r\n\r\n"
              "Error name: Disk full\r\n\r\n"
              "Error number: 61\r\n\r\n"
              "Please make a note of the error name and number, and which process you are having "
              "trouble with.\r\n\r\n"
              "In the event you are unable to solve the problem yourself, this information will "
              "make it much more likely that Brindlefold tech support will be able to help in a "
              "timely manner. Thanks, and sorry you are having trouble!");
    EXPECT_EQ(kCommonErrorTitle, "Error - operation aborted");
}

}  // namespace
}  // namespace qbk

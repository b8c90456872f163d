#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/cached_file.h"
#include "platform/errors.h"
#include "platform/large_buffer.h"
#include "support/error_number.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::errorNumberOf;
using testing::TempFolder;

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

// A book-sized file goes through the large-page buffer; a buffer grown that way keeps
// what it held.
TEST(FileReads, ALargeFileIsReadWholeAndALargeBufferKeepsItsContent) {
    TempFolder dir;
    std::string big(kLargeBufferSize + 12345, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('A' + i % 23);
    writeFileAtomically(dir.file("big.dat"), big);
    EXPECT_TRUE(readFile(dir.file("big.dat")) == big);

    std::string buffer = "kept";
    reserveLarge(buffer, kLargeBufferSize * 2);
    EXPECT_EQ(buffer, "kept");
    EXPECT_GE(buffer.capacity(), kLargeBufferSize * 2);
    EXPECT_EQ(largeBuffer(kLargeBufferSize), std::string(kLargeBufferSize, '\0'));
}

TEST(FileReads, AKeptContentLastsUntilTheFileIsReplacedOrGrows) {
    TempFolder dir;
    const std::string path = dir.file("book.dat");
    CachedFile trusting(std::chrono::hours(-1));  // every file counts as settled
    EXPECT_EQ(*trusting.read(path), "");          // missing: nothing to keep
    dir.write("book.dat", "abc");
    const auto first = trusting.read(path);
    EXPECT_EQ(*first, "abc");
    EXPECT_EQ(trusting.read(path).get(), first.get());
    EXPECT_TRUE(trusting.holds(path));
    EXPECT_FALSE(trusting.holds(dir.file("other.dat")));
    writeFileAtomically(path, "xyz");
    EXPECT_FALSE(trusting.holds(path));
    EXPECT_EQ(*trusting.read(path), "xyz");
    appendToFile(path, "!");
    EXPECT_EQ(*trusting.read(path), "xyz!");
    EXPECT_EQ(*first, "abc");  // a holder keeps what it was given

    // A file changed just now may change again within its time stamps' granularity:
    // an overwrite in place at once after a read is seen.
    CachedFile cautious;
    EXPECT_EQ(*cautious.read(path), "xyz!");
    EXPECT_FALSE(cautious.holds(path));
    writeAt(path, 0, "XYZ?");
    EXPECT_EQ(*cautious.read(path), "XYZ?");
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

// A umask for one test.
class Umask {
  public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

  private:
    mode_t old_;
};

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

bool isLink(const std::string& path) {
    return std::filesystem::is_symlink(path);
}

TEST(LinksAndPermissions, ARewriteThroughLinksReplacesTheLastTarget) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("real"));
    dir.write("real/book.dat", "old");
    ::chmod(dir.file("real/book.dat").c_str(), 0640);
    std::filesystem::create_symlink("real/book.dat", dir.file("middle.dat"));
    std::filesystem::create_symlink(dir.file("middle.dat"), dir.file("quillbank.dat"));
    const Umask mask(077);
    writeFileAtomically(dir.file("quillbank.dat"), "new");
    EXPECT_TRUE(isLink(dir.file("quillbank.dat")));
    EXPECT_TRUE(isLink(dir.file("middle.dat")));
    EXPECT_EQ(dir.read("real/book.dat"), "new");
    EXPECT_EQ(modeOf(dir.file("real/book.dat")), 0640u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"middle.dat", "quillbank.dat", "real"}));
    // A link to a file not yet there creates it; one into a missing folder names that.
    std::filesystem::create_symlink("real/new.dat", dir.file("dangling.dat"));
    writeFileAtomically(dir.file("dangling.dat"), "x");
    EXPECT_EQ(dir.read("real/new.dat"), "x");
    std::filesystem::create_symlink("gone/x.dat", dir.file("lost.dat"));
    EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(dir.file("lost.dat"), "x"); }),
              errnum::kPathNotFound);
}

TEST(LinksAndPermissions, NewFilesFollowTheUmaskAndPrivateOnesAreTheOwnersAlone) {
    TempFolder dir;
    {
        const Umask mask(077);
        writeFileAtomically(dir.file("a.csv"), "x");
        appendToFile(dir.file("b.csv"), "x");
        ensureFileExists(dir.file("c.dat"));
    }
    {
        const Umask mask(022);
        writeFileAtomically(dir.file("d.csv"), "x");
        writeFileAtomically(dir.file("qbk3.ini"), "x", kPrivateFileMode);
    }
    EXPECT_EQ(modeOf(dir.file("a.csv")), 0600u);
    EXPECT_EQ(modeOf(dir.file("b.csv")), 0600u);
    EXPECT_EQ(modeOf(dir.file("c.dat")), 0600u);
    EXPECT_EQ(modeOf(dir.file("d.csv")), 0644u);
    EXPECT_EQ(modeOf(dir.file("qbk3.ini")), 0600u);
}

TEST(LinksAndPermissions, AnAppendGoesThroughTheLinkAndKeepsTheMode) {
    TempFolder dir;
    dir.write("real.csv", "a\r\n");
    ::chmod(dir.file("real.csv").c_str(), 0604);
    std::filesystem::create_symlink("real.csv", dir.file("export.csv"));
    appendToFile(dir.file("export.csv"), "b\r\n");
    EXPECT_TRUE(isLink(dir.file("export.csv")));
    EXPECT_EQ(dir.read("real.csv"), "a\r\nb\r\n");
    EXPECT_EQ(modeOf(dir.file("real.csv")), 0604u);
}

TEST(FileWrites, AFileSizeLimitIsDiskFullAndLeavesTheFileAsItWas) {
    TempFolder dir;
    dir.write("r.dat", std::string(100, 'r'));
    {
        const testing::FileSizeLimit limit(150);
        // The first 50 bytes go in before the limit stops the write: they are cut away.
        EXPECT_EQ(errorNumberOf([&] { appendToFile(dir.file("r.dat"), std::string(100, 'a')); }),
                  errnum::kDiskFull);
        EXPECT_EQ(
            errorNumberOf([&] { writeFileAtomically(dir.file("r.dat"), std::string(200, 'n')); }),
            errnum::kDiskFull);
    }
    EXPECT_EQ(dir.read("r.dat"), std::string(100, 'r'));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"r.dat"}));
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

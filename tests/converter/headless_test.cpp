// The command-line mode, as a script sees it: output lines and exit codes.
#include <gtest/gtest.h>

#include <sstream>

#include "converter/headless.h"
#include "platform/errors.h"
#include "test_support.h"
#include "version.h"

namespace qbk::converter {
namespace {
using namespace testing;

class Headless : public ::testing::Test {
  protected:
    int run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        const HeadlessEnvironment env{clock, [this] { return programFolder; }, RegionalSettings{}};
        return runHeadless(args, env, out, err);
    }

    TempFolder old, target;
    FixedClock clock{45000, 36000};
    std::string programFolder = target.path();
    std::ostringstream out, err;
};

TEST_F(Headless, ChosenOnlyByItsOptions) {
    EXPECT_TRUE(wantsHeadless({"--convert", "x"}));
    EXPECT_TRUE(wantsHeadless({"--help"}));
    EXPECT_FALSE(wantsHeadless({}));
    EXPECT_FALSE(wantsHeadless({"-platform", "offscreen"}));
}

TEST_F(Headless, PrintsWhatItConvertedAndSkipped) {
    writeFile(old / "1999QBK.DAT", v2Entry("12/31/", "A", 1, "") + v2Entry("01/01/", "A", 2, ""));
    writeFile(old / "2000qbk.dat", v2Entry("99/99/", "A", 1, ""));
    writeFile(old / "1999CATS.DAT", v2Category("A", "Alpha") + v2Category("B", "Beta"));
    writeFile(old / "2000CATS.DAT", v2Category("A", "Alpha"));
    EXPECT_EQ(run({"--convert", old.path(), "--into", target.path()}), kExitConverted);
    EXPECT_EQ(out.str(), "Converting " + old.path() + " into " + target.path() +
                             "\n"
                             "2000qbk.dat: skipped: record 1: the date text \"99/99/2000\" is "
                             "not a date\n"
                             "1999QBK.DAT: 2 entries added\n"
                             "1999CATS.DAT: 2 categories added, 0 already present\n"
                             "2000CATS.DAT: 0 categories added, 1 already present\n"
                             "Added 2 entries and 2 categories; skipped 1 file.\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(readFile(target / "quillbank.dat").size(), 250u);
    EXPECT_EQ(readFile(target / "category.dat").size(), 1080u);
}

TEST_F(Headless, NothingConvertedExitsNonZero) {
    writeFile(old / "1999CATS.DAT", v2Category("A", "Alpha"));
    EXPECT_EQ(run({"--convert", old.path()}), kExitNothingConverted);
    EXPECT_EQ(err.str(),
              "Nothing to do!: No Quillbank 2.x data files found in this folder. Look again.\n");
    EXPECT_EQ(out.str(), "Converting " + old.path() + " into " + target.path() +
                             "\nAdded 0 entries and 0 categories; skipped 0 files.\n");
    EXPECT_FALSE(exists(target / "category.dat"));

    // An empty entry file converts nothing, its categories do count.
    writeFile(old / "1999QBK.DAT", "");
    EXPECT_EQ(run({"--into", target.path(), "--convert", old.path()}), kExitConverted);
    EXPECT_EQ(out.str(), "Converting " + old.path() + " into " + target.path() +
                             "\n1999QBK.DAT: 0 entries added\n"
                             "1999CATS.DAT: 1 category added, 0 already present\n"
                             "Added 0 entries and 1 category; skipped 0 files.\n");
    EXPECT_EQ(run({"--convert", old.path()}), kExitNothingConverted);
}

TEST_F(Headless, BadArgumentsAndFoldersAreUsageErrors) {
    EXPECT_EQ(run({"--convert"}), kExitUsage);
    EXPECT_EQ(err.str().substr(0, 40), "qbk2to3: --convert needs a folder\nUsage:");
    EXPECT_EQ(run({"--into", target.path()}), kExitUsage);
    EXPECT_EQ(err.str().substr(0, 45), "qbk2to3: --convert OLDFOLDER is missing\nUsage");
    EXPECT_EQ(run({"--convert", old.path(), "--fast"}), kExitUsage);
    EXPECT_EQ(err.str().substr(0, 35), "qbk2to3: unknown argument \"--fast\"\n");
    EXPECT_EQ(run({"--convert", old / "none"}), kExitUsage);
    EXPECT_EQ(err.str(), "qbk2to3: " + old / "none" + " is not a folder\n");
    programFolder = "";
    EXPECT_EQ(run({"--convert", old.path(), "--into", old / "none"}), kExitUsage);
    EXPECT_EQ(err.str(), "qbk2to3: " + old / "none" + " is not a folder\n");
    EXPECT_EQ(run({"--help"}), kExitConverted);
    EXPECT_EQ(out.str().substr(0, 50), "Usage: qbk2to3 --convert OLDFOLDER [--into FOLDER]");
    EXPECT_EQ(run({"--version"}), kExitConverted);
    EXPECT_EQ(out.str(), "qbk2to3 " + std::string(qbk::kVersion) + "\n");
}

}  // namespace
}  // namespace qbk::converter

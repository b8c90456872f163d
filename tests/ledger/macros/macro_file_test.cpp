#include "macros/macro_file.h"

#include <gtest/gtest.h>

#include "support/records.h"
#include "support/temp_folder.h"

namespace qbk {
namespace {

using testing::entry;
using testing::fileOf;

const Message kEditRefused{
    "This file does not contain Quillbank 3.x records, or they are corrupt. The macro edit "
    "operation has been aborted.",
    "Error", Icon::Critical, Buttons::Ok, 1};
const Message kPlayRefused{
    "This file does not contain Quillbank 3.x records, or they are corrupt. The macro play "
    "operation has been aborted.",
    "Error", Icon::Critical, Buttons::Ok, 1};

TEST(MacroFiles, ANewNameGivesAnEmptyFileThatCanBeEditedButNotPlayed) {
    testing::TempFolder dir;
    EXPECT_EQ(openMacroForEdit(dir.file("new.qbk")), std::nullopt);
    EXPECT_TRUE(dir.exists("new.qbk"));
    EXPECT_EQ(dir.read("new.qbk"), "");
    EXPECT_EQ(checkMacroForPlay(dir.file("new.qbk")), kPlayRefused);
    EXPECT_EQ(checkMacroForPlay(dir.file("missing.qbk")), kPlayRefused);
    EXPECT_FALSE(dir.exists("missing.qbk"));
}

TEST(MacroFiles, OnlyWholeRecordsMakeAMacroFile) {
    testing::TempFolder dir;
    const std::string two = fileOf({entry(2001, 4, 1, "A", 1), entry(2001, 4, 1, "B", 2)});
    dir.write("book.dat", two);  // a copy of a record file is a macro file
    EXPECT_EQ(openMacroForEdit(dir.file("book.dat")), std::nullopt);
    EXPECT_EQ(checkMacroForPlay(dir.file("book.dat")), std::nullopt);
    dir.write("broken.qbk", two + "x");
    EXPECT_EQ(openMacroForEdit(dir.file("broken.qbk")), kEditRefused);
    EXPECT_EQ(checkMacroForPlay(dir.file("broken.qbk")), kPlayRefused);
    EXPECT_EQ(dir.read("broken.qbk"), two + "x");
}

TEST(MacroFiles, DialogAndModeTexts) {
    const FileDialog d = macroFileDialog();
    EXPECT_EQ(d.title, "Select a file...");
    EXPECT_EQ(d.filter, "Quillbank 3.x Macro Files|*.qbk");
    EXPECT_EQ(d.fileName, "");
    EXPECT_EQ(macroEditStatusText("/home/u/bills.qbk"), "Macro Edit!!! File: /home/u/bills.qbk");
}

}  // namespace
}  // namespace qbk

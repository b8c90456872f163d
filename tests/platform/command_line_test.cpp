#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(splitCommandLine("abiword"), (CommandLine{"abiword", {}}));
    EXPECT_EQ(splitCommandLine("  soffice\t--writer  -n "),
              (CommandLine{"soffice", Args{"--writer", "-n"}}));
    EXPECT_EQ(splitCommandLine("\"/opt/My Editor/edit\" file"),
              (CommandLine{"/opt/My Editor/edit", Args{"file"}}));
    EXPECT_EQ(splitCommandLine("ed a\"b c\"d"), (CommandLine{"ed", Args{"ab cd"}}));
    EXPECT_EQ(splitCommandLine("x \"\" y"), (CommandLine{"x", Args{"", "y"}}));
    EXPECT_EQ(splitCommandLine("C:\\tools\\ed.exe"), (CommandLine{"C:\\tools\\ed.exe", {}}));
    // A quote left open runs to the end of the line.
    EXPECT_EQ(splitCommandLine("ed \"a b"), (CommandLine{"ed", Args{"a b"}}));
    EXPECT_EQ(splitCommandLine(""), std::nullopt);
    EXPECT_EQ(splitCommandLine(" \t "), std::nullopt);
}

}  // namespace
}  // namespace qbk

#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(splitCommandLine("abiword"), Words{"abiword"});
    EXPECT_EQ(splitCommandLine("  soffice\t--writer  -n "), (Words{"soffice", "--writer", "-n"}));
    EXPECT_EQ(splitCommandLine("\"/opt/My Editor/edit\" file"),
              (Words{"/opt/My Editor/edit", "file"}));
    EXPECT_EQ(splitCommandLine("a\"b c\"d"), Words{"ab cd"});
    EXPECT_EQ(splitCommandLine("x \"\" y"), (Words{"x", "", "y"}));
    EXPECT_EQ(splitCommandLine("C:\\tools\\ed.exe"), Words{"C:\\tools\\ed.exe"});
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(splitCommandLine("ed \"a b"), (Words{"ed", "a b"}));
    EXPECT_EQ(splitCommandLine(""), Words{});
    EXPECT_EQ(splitCommandLine("   "), Words{});
}

}  // namespace
}  // namespace qbk

#include "store/program_options.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace qbk {
namespace {

TEST(ProgramOptions, EachKeyReplacesItsOwnLineAndKeepsTheOthers) {
    testing::TempFolder program;
    EXPECT_EQ(programOption(program.path(), kTranslatedReportCaptionsKey), "");
    program.write("qbk3-due.ini", "PostWithoutAsking=Y\r\nSomethingNewer= 3 \r\n");
    setProgramOption(program.path(), kTranslatedReportCaptionsKey, "Y");
    setProgramOption(program.path(), "PostWithoutAsking=", "N");
    EXPECT_EQ(program.read("qbk3-due.ini"),
              "SomethingNewer= 3 \r\nTranslatedReportCaptions=Y\r\nPostWithoutAsking=N\r\n");
    EXPECT_EQ(programOption(program.path(), "SomethingNewer="), "3");
    EXPECT_EQ(programOption(program.path(), kTranslatedReportCaptionsKey), "Y");
}

}  // namespace
}  // namespace qbk

// The fixture of the qbk3-cli tests: a program folder and a data folder of their own, a
// clock stopped at noon of 15 June 2001, and what the last command printed.
#ifndef QBK_TESTS_SUPPORT_CLI_FIXTURE_H_
#define QBK_TESTS_SUPPORT_CLI_FIXTURE_H_

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/regional.h"
#include "support/temp_folder.h"

namespace qbk::testing {

class CliFixture : public ::testing::Test {
  protected:
    // Runs qbk3-cli with `args` in the United States' settings; `out` and `err` then
    // hold what it printed.
    int run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        CliContext cx{out, err, clock, RegionalSettings::unitedStates(), program.path()};
        return runCli(args, cx);
    }

    TempFolder program, data;
    ManualClock clock{serialFromDate(2001, 6, 15), 43200};
    std::ostringstream out, err;
};

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_CLI_FIXTURE_H_

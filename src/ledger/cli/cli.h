// qbk3-cli: the command-line companion of the ledger program, on the same core.
#ifndef QBK_CLI_CLI_H_
#define QBK_CLI_CLI_H_

#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/regional.h"

namespace qbk {

struct CliContext {
    std::ostream& out;
    std::ostream& err;
    const Clock& clock;
    RegionalSettings regional;
    std::string programFolder;  // where qbk3.ini is read from, with a trailing "/"
};

// Exit statuses of the tool.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // the work was refused or a file operation failed
inline constexpr int kExitUsage = 2;   // bad arguments: nothing was done

// Runs the command line `args` (without the program name) and returns its exit status.
// --help (of the tool or of a subcommand) and --version print to `out`; every error is
// one line "qbk3-cli: ..." on `err`, followed by the usage line only when the command
// line itself is malformed.
int runCli(const std::vector<std::string>& args, CliContext& context);

}  // namespace qbk

#endif  // QBK_CLI_CLI_H_

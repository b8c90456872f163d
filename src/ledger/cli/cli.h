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

// Runs the command in `args` (without the program name). Returns the exit status:
// 0 done, 1 the command failed (a file could not be read or written), 2 bad arguments.
int runCli(const std::vector<std::string>& args, CliContext& context);

}  // namespace qbk

#endif  // QBK_CLI_CLI_H_

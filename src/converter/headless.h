// The command-line mode: `qbk2to3 --convert OLDFOLDER [--into FOLDER]` runs the
// conversion without a window and without questions, for scripts that convert many
// folders.
#ifndef QBK_CONVERTER_HEADLESS_H_
#define QBK_CONVERTER_HEADLESS_H_

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/regional.h"

namespace qbk::converter {

// Exit codes of the command-line mode.
inline constexpr int kExitConverted = 0;  // at least one record was added
inline constexpr int kExitNothingConverted = 1;
inline constexpr int kExitUsage = 2;        // bad arguments or folders
inline constexpr int kExitWriteFailed = 3;  // a write failed and stopped the run

struct HeadlessEnvironment {
    const Clock& clock;
    // The converter's own folder, the target when no --into is given.
    std::function<std::string()> programFolder;
    RegionalSettings dates;
};

// Whether the program arguments (without the program name) ask for the command-line
// mode rather than the window.
bool wantsHeadless(const std::vector<std::string>& args);

// Runs the command line `args` (without the program name). What was converted and
// skipped goes to `out`, one line per file and a closing total; messages and usage
// errors go to `err`. Returns one of the exit codes above.
int runHeadless(const std::vector<std::string>& args, const HeadlessEnvironment& env,
                std::ostream& out, std::ostream& err);

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_HEADLESS_H_

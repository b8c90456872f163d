// qbk3-cli: the command-line companion of the ledger program, on the same core.
#ifndef QBK_CLI_CLI_H_
#define QBK_CLI_CLI_H_

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/regional.h"
#include "store/settings_record.h"

namespace qbk {

struct CliContext {
    std::ostream& out;
    std::ostream& err;
    const Clock& clock;
    RegionalSettings regional;
    std::string programFolder;  // where qbk3.ini is read from, with a trailing "/"
};

// Helpers for the commands (each subsystem's commands live in a file of their own and
// are listed in the command table of cli.cpp).

// A bad command line; the message goes to standard error with exit status 2.
struct UsageError {
    std::string message;
};

// Options of the form --name VALUE (may repeat) and --flag after the positional arguments.
class Options {
  public:
    Options(const std::vector<std::string>& args, std::size_t first,
            const std::vector<std::string>& known, const std::vector<std::string>& flags = {});
    std::optional<std::string> get(const std::string& name) const;  // the last value
    std::vector<std::string> all(const std::string& name) const;    // every value, in order
    bool has(const std::string& name) const { return values_.count(name) > 0; }

  private:
    std::map<std::string, std::vector<std::string>> values_;
};

// The settings of the program folder's qbk3.ini (read only), or the defaults; throws
// OperationError as readSettings does.
SettingsRecord programSettings(const CliContext& cx);
// args[1] as an existing data folder, with a trailing "/".
std::string dataFolderArgument(const std::vector<std::string>& args);
// A whole number from `least` to `most`.
int integerOption(const std::string& text, int least, int most);
// A date in the user's regional settings.
DaySerial dateOption(const CliContext& cx, const std::string& text);

// Record-file maintenance (maintenance_commands.cpp).
// sort FOLDER: sorts the record file by date.
int sortCommand(const std::vector<std::string>& args, CliContext& cx);
// purge FOLDER: removes the entries marked deleted, keeping the old file as the backup.
int purgeCommand(const std::vector<std::string>& args, CliContext& cx);
// play FOLDER MACROFILE DATE: plays a macro file into the record file under DATE.
int playCommand(const std::vector<std::string>& args, CliContext& cx);

// import FOLDER FILE --date N --amount N [--note N] [--category N] [--user1 N] [--user2 N]:
// the comma-delimited import of FILE (.txt or .csv) into FOLDER's record file, with the
// field numbers linked to the entry fields; all lines or none.
int importCommand(const std::vector<std::string>& args, CliContext& context);

// The report commands (report_commands.cpp): `report` prints a report of a report list
// built from --category and --search in the order given; `export` appends the
// comma-delimited export of such a list to FILE.
int reportCommand(const std::vector<std::string>& args, CliContext& cx);
int exportCommand(const std::vector<std::string>& args, CliContext& cx);

// Entries (entry_commands.cpp).
// add FOLDER --income|--expense AMOUNT --category CODE [--date DATE] [--note TEXT]
//     [--user1 TEXT] [--user2 TEXT]: a new entry as the entry form saves it: the amount
//     filtered and signed by income or expense, a fresh stamp, inserted in date order,
//     the user-field values remembered in their pick lists. The category must be one
//     of the category file.
int addCommand(const std::vector<std::string>& args, CliContext& cx);

// Runs the command in `args` (without the program name). Returns the exit status:
// 0 done, 1 the command failed (a file could not be read or written), 2 bad arguments.
int runCli(const std::vector<std::string>& args, CliContext& context);

}  // namespace qbk

#endif  // QBK_CLI_CLI_H_

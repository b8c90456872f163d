// The subcommands of qbk3-cli and what they share.
//
// Every subcommand is made by one function
//
//     Subcommand makeXCommand(CLI::App& tool, CliContext& cx);
//
// that declares it on `tool` (name, description, positionals and options with their
// help texts) and returns its work, which runs only after the whole command line has
// parsed. It lives in a file named after what it works on, and is listed once in the
// command table of cli.cpp. The work
// - throws UsageError for a value the parser took but the work cannot use (no such
//   folder, not a date): one line on the error stream, exit status 2, nothing done;
// - returns refuse(...) when it declines the work (exit status 1, nothing done);
// - lets OperationError through when a file operation fails (exit status 1).
#ifndef QBK_CLI_COMMAND_H_
#define QBK_CLI_COMMAND_H_

#include <CLI/CLI.hpp>
#include <functional>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "mainwindow/date_range.h"
#include "store/settings_record.h"

namespace qbk {

struct Subcommand {
    CLI::App* parser = nullptr;
    std::function<int()> work;
};

// Runs `work` as one change of the book in the data folder `folder`: every check it
// makes and every file it writes under the book's lock, one undo step, and all or
// nothing on a failure. What it prints reaches `cx.out` only once the change has
// committed; a failure prints only its error.
int asOneChange(CliContext& cx, const std::string& folder,
                const std::function<int(CliContext&)>& work);

// A value on the command line that the work cannot use.
struct UsageError {
    std::string message;
};

// Prints "qbk3-cli: `text`" (on one line) to the error stream; returns kExitFailed.
int refuse(CliContext& cx, const std::string& text);

// A message box text on one line: its line breaks, with the blanks around them, become
// one blank.
std::string oneLine(std::string_view text);

// The settings of the program folder's qbk3.ini (read only), or the defaults.
SettingsRecord programSettings(const CliContext& cx);
// `typed` as an existing data folder, with a trailing "/".
std::string dataFolder(const std::string& typed);
// The positional FOLDER of a command that works on a book.
CLI::Option* addFolder(CLI::App& command, std::string& folder);
// A whole number from `least` to `most`.
int integerOption(const std::string& text, int least, int most);
// A date in the user's regional settings.
DaySerial dateOption(const CliContext& cx, const std::string& text);

// --fiscal-year YEAR or --days N, which choose the range as the window's range menu
// does; without them the range is the start-up range of the settings.
struct RangeChoice {
    std::optional<std::string> fiscalYear;
    std::optional<std::string> days;
};
void addRangeOptions(CLI::App& command, RangeChoice& choice);
DateRange chosenRange(const RangeChoice& choice, const SettingsRecord& settings,
                      const CliContext& cx);

// The first and last day to list: `range` with its ends moved by --from and --to.
// Refused like the window's Select Dates when the last day is older than the first.
struct ListedDays {
    DaySerial first = 0, last = 0;
    std::string firstText, lastText;  // short date texts
};
ListedDays listedDays(const DateRange& range, const std::optional<std::string>& from,
                      const std::optional<std::string>& to, const CliContext& cx);

// The subcommands, by the file that holds them.
Subcommand makeListCommand(CLI::App& tool, CliContext& cx);       // list_commands.cpp
Subcommand makeRangeCommand(CLI::App& tool, CliContext& cx);      // list_commands.cpp
Subcommand makeDumpCommand(CLI::App& tool, CliContext& cx);       // list_commands.cpp
Subcommand makeAddCommand(CLI::App& tool, CliContext& cx);        // entry_commands.cpp
Subcommand makeChartCommand(CLI::App& tool, CliContext& cx);      // chart_commands.cpp
Subcommand makeUndoCommand(CLI::App& tool, CliContext& cx);       // undo_commands.cpp
Subcommand makeRedoCommand(CLI::App& tool, CliContext& cx);       // undo_commands.cpp
Subcommand makeCategoryCommand(CLI::App& tool, CliContext& cx);   // category_commands.cpp
Subcommand makeSortCommand(CLI::App& tool, CliContext& cx);       // maintenance_commands.cpp
Subcommand makePurgeCommand(CLI::App& tool, CliContext& cx);      // maintenance_commands.cpp
Subcommand makePlayCommand(CLI::App& tool, CliContext& cx);       // maintenance_commands.cpp
Subcommand makeImportCommand(CLI::App& tool, CliContext& cx);     // import_commands.cpp
Subcommand makeReportCommand(CLI::App& tool, CliContext& cx);     // report_commands.cpp
Subcommand makeExportCommand(CLI::App& tool, CliContext& cx);     // report_commands.cpp
Subcommand makeScheduleCommand(CLI::App& tool, CliContext& cx);   // schedule_commands.cpp
Subcommand makeDueCommand(CLI::App& tool, CliContext& cx);        // schedule_commands.cpp
Subcommand makePostCommand(CLI::App& tool, CliContext& cx);       // schedule_commands.cpp
Subcommand makeForecastCommand(CLI::App& tool, CliContext& cx);   // schedule_commands.cpp
Subcommand makeClearCommand(CLI::App& tool, CliContext& cx);      // cleared_commands.cpp
Subcommand makeReconcileCommand(CLI::App& tool, CliContext& cx);  // cleared_commands.cpp
Subcommand makeBudgetCommand(CLI::App& tool, CliContext& cx);     // budget_commands.cpp

}  // namespace qbk

#endif  // QBK_CLI_COMMAND_H_

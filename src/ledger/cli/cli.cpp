#include "cli/cli.h"

#include "cli/command.h"
#include "platform/errors.h"
#include "store/book_files.h"
#include "version.h"

namespace qbk {
namespace {

using CommandMaker = Subcommand (*)(CLI::App&, CliContext&);

// Every subcommand of the tool, in the order of its --help. A new subcommand is a make
// function beside its work (see command.h) and one entry here. The chart command draws
// with Qt, so a build without windows has none.
constexpr CommandMaker kCommands[] = {
    makeListCommand,     makeRangeCommand,    makeDumpCommand,      makeAddCommand,
    makeCategoryCommand, makeSortCommand,     makePurgeCommand,     makePlayCommand,
    makeImportCommand,   makeReportCommand,   makeExportCommand,    makeUndoCommand,
    makeRedoCommand,     makeScheduleCommand, makeDueCommand,       makePostCommand,
    makeForecastCommand, makeClearCommand,    makeReconcileCommand, makeBudgetCommand,
#ifdef QBK_WITH_CHARTS
    makeChartCommand,
#endif
};

constexpr const char* kFooter =
    "Exit status: 0 done, 1 refused or a file operation failed, 2 bad arguments.\n"
    "Run 'qbk3-cli COMMAND --help' for the arguments of a command.";

// The deepest subcommand the command line reached (the tool itself when none).
const CLI::App& reached(const CLI::App& app) {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? app : reached(*chosen.front());
}

// "qbk3-cli category add": the names from the tool down to `app`.
std::string commandName(const CLI::App& app) {
    const CLI::App* parent = app.get_parent();
    return parent == nullptr ? app.get_name() : commandName(*parent) + " " + app.get_name();
}

int syntaxError(CliContext& cx, const CLI::App& app, const std::string& message) {
    const CLI::App& at = reached(app);
    const std::string name = commandName(at);
    cx.err << "qbk3-cli: " << message << '\n'
           << CLI::Formatter().make_usage(&at, name) << "Run '" << name
           << " --help' for more information.\n";
    return kExitUsage;
}

bool isCommandName(const CLI::App& app, const std::string& word) {
    for (const CLI::App* sub : app.get_subcommands({}))
        if (sub->check_name(word)) return true;
    return false;
}

}  // namespace

int runCli(const std::vector<std::string>& args, CliContext& cx) {
    useBookFileRules();
    CLI::App app(
        "Keeps a Quillbank 3 book from the command line, on the core of the window "
        "program.",
        "qbk3-cli");
    app.set_version_flag("--version", "qbk3-cli " + std::string(kVersion));
    app.require_subcommand(1);
    app.footer(kFooter);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::vector<Subcommand> commands;
    for (CommandMaker make : kCommands)
        commands.push_back(make(app, cx));

    if (args.empty()) return syntaxError(cx, app, "missing command");
    if (!args[0].starts_with("-") && !isCommandName(app, args[0]))
        return syntaxError(cx, app, "unknown command: " + args[0]);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        cx.out << app.help();
        return kExitDone;
    } catch (const CLI::CallForVersion& e) {
        cx.out << e.what() << '\n';
        return kExitDone;
    } catch (const CLI::ParseError& e) {
        return syntaxError(cx, app, e.what());
    }

    try {
        for (const Subcommand& c : commands)
            if (c.parser->parsed()) return c.work();
        return syntaxError(cx, app, "missing command");
    } catch (const UsageError& e) {
        cx.err << "qbk3-cli: " << e.message << '\n';
        return kExitUsage;
    } catch (const OperationError& e) {
        cx.err << "qbk3-cli: " << e.what() << " (error " << e.number() << ")\n";
        return kExitFailed;
    } catch (const std::bad_alloc&) {
        cx.err << "qbk3-cli: not enough memory for this book; nothing was changed\n";
        return kExitFailed;
    }
}

}  // namespace qbk

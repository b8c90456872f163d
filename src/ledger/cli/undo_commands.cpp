// qbk3-cli undo and redo: the last change any program made to the book, taken back or
// made again, only while the files are still as that change left them.
#include "cli/command.h"
#include "platform/undo_history.h"

namespace qbk {
namespace {

Subcommand makeTurnCommand(CLI::App& tool, CliContext& cx, bool undo) {
    auto* c = tool.add_subcommand(undo ? "undo" : "redo",
                                  undo ? "Undo the last change made to the book by any program."
                                       : "Make the last undone change again.");
    auto folder = std::make_shared<std::string>();
    addFolder(*c, *folder);
    return {c, [folder, &cx, undo] {
                const std::string book = dataFolder(*folder);
                const UndoResult result = undo ? undoLastChange(book) : redoLastChange(book);
                const std::string text = undoResultText(result, undo ? "Undo" : "Redo");
                if (result != UndoResult::Done) return refuse(cx, text);
                cx.out << text << '\n';
                return kExitDone;
            }};
}

}  // namespace

Subcommand makeUndoCommand(CLI::App& tool, CliContext& cx) {
    return makeTurnCommand(tool, cx, true);
}

Subcommand makeRedoCommand(CLI::App& tool, CliContext& cx) {
    return makeTurnCommand(tool, cx, false);
}

}  // namespace qbk

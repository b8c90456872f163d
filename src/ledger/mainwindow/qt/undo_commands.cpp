#include "mainwindow/qt/undo_commands.h"

#include "mainwindow/qt/qbk3_main.h"
#include "platform/errors.h"
#include "platform/undo_history.h"

namespace qbk {

UndoCommands::UndoCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("UndoCommands"));
    window_.setCommand("mu_Undo", [this] { mu_Undo_Click(); });
    window_.setCommand("mu_Redo", [this] { mu_Redo_Click(); });
}

void UndoCommands::mu_Undo_Click() {
    turn(true);
}

void UndoCommands::mu_Redo_Click() {
    turn(false);
}

void UndoCommands::turn(bool undo) {
    MainState& s = window_.state();
    // A report list, a macro or an open entry stands on the book as it is.
    if (s.ReportMode || s.MacroMode || s.EditStamp != 0) return;
    UndoResult result;
    if (!window_.prompts().attempt([&] {
            result = undo ? undoLastChange(s.DataFolder, undoWriter())
                          : redoLastChange(s.DataFolder, undoWriter());
        }))
        return;
    if (result != UndoResult::Done) {
        const std::string command = undo ? "Undo" : "Redo";
        window_.prompts().inform(undoResultText(result, command), command);
        return;
    }
    window_.PopCategoryGrid();
    window_.refreshList();
}

}  // namespace qbk

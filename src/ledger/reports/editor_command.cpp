#include "reports/editor_command.h"

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/report_files.h"

namespace qbk {

std::optional<Message> editReport(const std::string& reportTextPath, const std::string& dataFolder,
                                  std::string_view editorName, Shell& shell) {
    const std::string copy = joinPath(dataFolder, report_files::kEditorCopy);
    copyFile(reportTextPath, copy);
    std::optional<CommandLine> editor = splitCommandLine(trimField(editorName));
    if (!editor) {
        // Said, so that Edit never seems to do nothing.
        if (!shell.openDocument(copy)) return noEditorMessage(copy);
        return std::nullopt;
    }
    editor->arguments.emplace_back(report_files::kEditorCopy);
    if (!shell.startProgram(editor->program, editor->arguments, parentFolder(copy)))
        throw OperationError(errnum::kFileNotFound, "File not found (" + editor->program + ")");
    return std::nullopt;
}

}  // namespace qbk

#include "reports/editor_command.h"

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/report_files.h"

namespace qbk {

void editReport(const std::string& reportTextPath, const std::string& dataFolder,
                std::string_view editorName, Shell& shell) {
    const std::string copy = joinPath(dataFolder, report_files::kEditorCopy);
    copyFile(reportTextPath, copy);
    std::vector<std::string> words = splitCommandLine(trimField(editorName));
    if (words.empty()) {
        shell.openDocument(copy);
        return;
    }
    const std::string program = words.front();
    std::vector<std::string> arguments(words.begin() + 1, words.end());
    arguments.emplace_back(report_files::kEditorCopy);
    if (!shell.startProgram(program, arguments, parentFolder(copy)))
        throw OperationError(errnum::kFileNotFound, "File not found (" + program + ")");
}

}  // namespace qbk

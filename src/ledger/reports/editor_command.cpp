#include "reports/editor_command.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/windows1252.h"
#include "reports/report_files.h"

namespace qbk {

std::optional<CommandLine> splitCommandLine(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    if (words.empty()) return std::nullopt;
    CommandLine line;
    line.program = std::move(words.front());
    line.arguments.assign(std::make_move_iterator(words.begin() + 1),
                          std::make_move_iterator(words.end()));
    return line;
}

void editReport(const std::string& reportTextPath, const std::string& dataFolder,
                std::string_view editorName, Shell& shell) {
    const std::string copy = joinPath(dataFolder, report_files::kEditorCopy);
    copyFile(reportTextPath, copy);
    const std::optional<CommandLine> editor = splitCommandLine(trimField(editorName));
    if (!editor) {
        shell.openDocument(copy);
        return;
    }
    std::vector<std::string> arguments = editor->arguments;
    arguments.emplace_back(report_files::kEditorCopy);
    if (!shell.startProgram(editor->program, arguments, parentFolder(copy)))
        throw OperationError(errnum::kFileNotFound, "File not found (" + editor->program + ")");
}

}  // namespace qbk

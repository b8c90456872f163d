// Handing the report last built to the user's word processor.
#ifndef QBK_REPORTS_EDITOR_COMMAND_H_
#define QBK_REPORTS_EDITOR_COMMAND_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"

namespace qbk {

struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
    friend bool operator==(const CommandLine&, const CommandLine&) = default;
};

// Splits a command text into the program and its arguments: blanks (and tabs) separate
// words; a double quote starts or ends a quoted part in which blanks belong to the word
// ("/opt/My Editor/edit" -n), and the quotes themselves are dropped; a quote left open
// runs to the end. nullopt when the text holds no word.
std::optional<CommandLine> splitCommandLine(std::string_view text);

// The edit command: copies the report text file at `reportTextPath` to qbk_rep.doc in
// `dataFolder` (replacing it atomically). When EditorName (`editorName` as stored) is
// not blank, starts that program with its arguments and then "qbk_rep.doc", without a
// shell, in the data folder, and does not wait for it; otherwise opens qbk_rep.doc with
// the desktop's program for it through the shell (a failure there is not reported).
// Throws OperationError when the copy fails or the program cannot be started.
void editReport(const std::string& reportTextPath, const std::string& dataFolder,
                std::string_view editorName, Shell& shell);

}  // namespace qbk

#endif  // QBK_REPORTS_EDITOR_COMMAND_H_

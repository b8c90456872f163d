// Handing the report last built to the user's word processor.
#ifndef QBK_REPORTS_EDITOR_COMMAND_H_
#define QBK_REPORTS_EDITOR_COMMAND_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace qbk {

// The edit command: copies the report text file at `reportTextPath` to qbk_rep.doc in
// `dataFolder` (replacing it atomically). When EditorName (`editorName` as stored) is
// not blank, starts that program with its arguments (splitCommandLine) and then
// "qbk_rep.doc", without a shell, in the data folder, and does not wait for it;
// otherwise opens qbk_rep.doc with the desktop's program through the shell, and
// returns noEditorMessage when the desktop has none. Throws OperationError when the
// copy fails or the program cannot be started; nothing is started when the copy fails.
std::optional<Message> editReport(const std::string& reportTextPath, const std::string& dataFolder,
                                  std::string_view editorName, Shell& shell);

}  // namespace qbk

#endif  // QBK_REPORTS_EDITOR_COMMAND_H_

// A program and its arguments written as one line of text, as the user types the
// name of an editor in the settings.
#ifndef QBK_PLATFORM_COMMAND_LINE_H_
#define QBK_PLATFORM_COMMAND_LINE_H_

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

// Splits `text` into the program and its arguments: blanks and tabs separate words; a
// double quote starts or ends a quoted part in which blanks belong to the word
// ("/opt/My Editor/edit" -n), and is itself dropped ("" is an empty word); a quote
// left open runs to the end. Backslashes are ordinary characters, so folder paths need
// no doubling. nullopt when the text holds no word.
std::optional<CommandLine> splitCommandLine(std::string_view text);

// The message when no editor is set and the desktop has no program to open `document`
// with: it names the file and the setting that helps.
Message noEditorMessage(const std::string& document);

}  // namespace qbk

#endif  // QBK_PLATFORM_COMMAND_LINE_H_

#include "platform/command_line.h"

namespace qbk {

std::optional<CommandLine> splitCommandLine(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (const char c : text) {
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
    CommandLine line{std::move(words.front()), {}};
    line.arguments.assign(std::make_move_iterator(words.begin() + 1),
                          std::make_move_iterator(words.end()));
    return line;
}

Message noEditorMessage(const std::string& document) {
    return {"No program was found to open the file\r\n\r\n" + document +
                "\r\n\r\nName your word processor in File, Settings... (Editor), or choose a "
                "program for .doc files in your desktop's settings.",
            "No word processor", Icon::Exclamation, Buttons::Ok, 1};
}

}  // namespace qbk

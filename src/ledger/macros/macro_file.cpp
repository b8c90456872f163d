#include "macros/macro_file.h"

#include "platform/files.h"
#include "store/entry_record.h"

namespace qbk {
Message notAMacroFileMessage(MacroUse use) {
    return {std::string("This file does not contain Quillbank 3.x records, or they are corrupt. "
                        "The macro ") +
                (use == MacroUse::Edit ? "edit" : "play") + " operation has been aborted.",
            "Error", Icon::Critical, Buttons::Ok, 1};
}

FileDialog macroFileDialog() {
    FileDialog d;
    d.title = kMacroFileDialogTitle;
    d.filter = kMacroFileFilter;
    return d;
}

std::optional<Message> openMacroForEdit(const std::string& path) {
    ensureFileExists(path);
    if (fileLength(path) % entry_layout::kSize != 0) return notAMacroFileMessage(MacroUse::Edit);
    return std::nullopt;
}

std::optional<Message> checkMacroForPlay(const std::string& path) {
    const std::uint64_t length = fileLength(path);
    if (length == 0 || length % entry_layout::kSize != 0)
        return notAMacroFileMessage(MacroUse::Play);
    return std::nullopt;
}

std::string macroEditStatusText(const std::string& recordFilePath) {
    return "Macro Edit!!! File: " + recordFilePath;
}

}  // namespace qbk

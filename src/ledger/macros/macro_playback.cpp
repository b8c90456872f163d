#include "macros/macro_playback.h"

#include <vector>

#include <cmath>

#include "macros/macro_file.h"
#include "platform/files.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk {

Message playMacroQuestion(std::string_view chosenFile, std::string_view dateText) {
    return {"Ready to play macro file " + std::string(chosenFile) + " with " +
                std::string(dateText) + " as the date for the entries. Proceed?",
            "Confirm", Icon::Question, Buttons::YesNo, 1};
}

Message allDeletedMessage(std::string_view chosenFile) {
    return {"No entries were added: every entry of the macro file\r\n\r\n" +
                std::string(chosenFile) +
                "\r\n\r\nis marked deleted. To play them, open the file with Create / Edit "
                "Macro and restore them (Records, Restore Deleted Records).",
            "Nothing to do!", Icon::Information, Buttons::Ok, 1};
}

MacroPlayback playMacro(const std::string& macroPath, const std::string& recordFilePath,
                        DaySerial date, StampSource& stamps, SortKeyMemory& memory) {
    MacroPlayback result;
    const std::string macro = readFile(macroPath);
    if (macro.empty() || macro.size() % entry_layout::kSize != 0) {
        result.refusal = notAMacroFileMessage(MacroUse::Play);
        return result;
    }

    std::vector<EntryRecord> played;
    const DaySerial day = std::floor(date);
    for (std::size_t at = 0; at < macro.size(); at += entry_layout::kSize) {
        EntryRecord r = decodeEntry(macro.data() + at);
        if (r.isDeleted()) {
            ++result.skipped;
            continue;
        }
        r.entryDate = day;
        played.push_back(std::move(r));
    }
    result.played = played.size();
    fileNewEntries(recordFilePath, played, memory, stamps);
    return result;
}

}  // namespace qbk

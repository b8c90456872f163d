#include "macros/macro_playback.h"

#include <vector>

#include <cmath>

#include "macros/macro_file.h"
#include "platform/book_lock.h"
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

    // One read-modify-write of the book, with stamps above every stamp it holds.
    const BookLock lock(parentFolder(recordFilePath));
    RecordFileContent book = readRecordFile(recordFilePath);
    stamps.noteExisting(largestStamp(book));
    std::vector<EntryRecord> played;
    std::string playedBytes;
    const DaySerial day = std::floor(date);
    for (std::size_t at = 0; at < macro.size(); at += entry_layout::kSize) {
        EntryRecord r = decodeEntry(macro.data() + at);
        if (r.isDeleted()) {
            ++result.skipped;
            continue;
        }
        r.entryDate = day;
        r.recordStamp = stamps.next();
        playedBytes += encodeEntry(r);
        played.push_back(std::move(r));
        ++result.played;
    }
    checkTotalsFit(book.records, playedBytes);
    for (const EntryRecord& r : played)
        insertInKeyOrder(book, r, memory);
    if (result.played > 0) writeRecordFile(recordFilePath, book);
    return result;
}

}  // namespace qbk

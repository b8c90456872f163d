// Play-back of a macro file: every live entry of the macro goes into the record file
// under one date, each with a fresh stamp, at the place FileNewEntry gives it.
#ifndef QBK_MACROS_MACRO_PLAYBACK_H_
#define QBK_MACROS_MACRO_PLAYBACK_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dates.h"
#include "platform/ports.h"
#include "platform/stamps.h"
#include "store/sort_key.h"

namespace qbk {

// The request of the date selector during play-back.
inline constexpr std::string_view kMacroDatePrompt = "Please provide a date for these entries...";

// The last question before play-back. `chosenFile` is the file as the dialog returned
// it, `dateText` the chosen date as the date selector shows it.
Message playMacroQuestion(std::string_view chosenFile, std::string_view dateText);

// After a play-back that added nothing because every entry of the macro is marked
// deleted.
Message allDeletedMessage(std::string_view chosenFile);

struct MacroPlayback {
    std::optional<Message> refusal;  // set when the file cannot be played; nothing added
    std::size_t played = 0;          // entries added to the record file
    std::size_t skipped = 0;         // entries of the macro marked deleted, not played
};

// Plays `macroPath` into `recordFilePath`: each entry of the macro not marked deleted,
// in file order, gets EntryDate `date` (the whole day) and RecordStamp from `stamps`
// (so strictly increasing), keeps every other field, and is inserted where FileNewEntry
// would put it at that moment (keys computed with the program-wide `memory`). All of
// them are written in one atomic write of the record file. The macro file is not
// changed. A file that checkMacroForPlay refuses gives its refusal and changes nothing.
// Throws OperationError when a file cannot be read or written (nothing added).
MacroPlayback playMacro(const std::string& macroPath, const std::string& recordFilePath,
                        DaySerial date, StampSource& stamps, SortKeyMemory& memory);

}  // namespace qbk

#endif  // QBK_MACROS_MACRO_PLAYBACK_H_

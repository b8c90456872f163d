// The rules of the entry form that need no window: reading an entry from the texts of
// the form, saving a new entry, the user-field pick lists, and the messages the form
// shows. The window's form and the command-line tool's "add" both go through here.
//
// An entry read from the form: the date from the date box, the amount typed (filtered
// by FixNumberString, made absolute and given the sign of the button: income +,
// expense -), the category code, note and user fields cut or padded to their widths,
// DeletedMark "N" and a blank Reserved field. The stamp is the caller's.
#ifndef QBK_MAINWINDOW_ENTRY_EDITING_H_
#define QBK_MAINWINDOW_ENTRY_EDITING_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ports.h"
#include "platform/regional.h"
#include "platform/stamps.h"
#include "store/book_files.h"
#include "store/entry_record.h"
#include "store/settings_record.h"
#include "store/sort_key.h"

namespace qbk {

// What the boxes of the entry form hold, as typed.
struct EntryFormText {
    std::string date;          // DateBox: a short date text
    std::string amount;        // AmountBox
    std::string categoryCode;  // CategoryCodeBox
    std::string note;          // NoteBox
    std::string user1;         // UserList1
    std::string user2;         // UserList2
};

// Which command reads the form: New checks the category, Replace does not; the
// refusals end with the command's own line.
enum class EntryCommand { New, Replace };

struct EntryReading {
    EntryRecord record;              // valid when `refusal` is empty
    std::optional<Message> refusal;  // what to show instead; nothing is written
};

// The entry the form describes. `fixedDate`, when given, is stored instead of the date
// box (the box is then not read). Refused, in this order, when a new entry has no
// category code (blanks only), when the date box holds no date, and when the amount
// holds no number or one too large for an amount (an empty amount is 0).
EntryReading readEntryForm(const EntryFormText& form, bool income, EntryCommand command,
                           std::optional<DaySerial> fixedDate, const RegionalSettings& regional);

// What a replaced entry keeps of the one it replaces: its Reserved field with the
// cleared mark, unless the amount or the date changed (the bank's line no longer
// describes it); then the mark is none and the rest of the field stays.
void keepClearedMark(const EntryRecord& replaced, EntryRecord& replacement);

// The pick list of user field 1 or 2 in `dataFolder` (ending with "/").
std::string pickListPath(const std::string& dataFolder, int field);

// AddToUserFields: remembers each user-field value typed in its pick list when that
// field's save flag is "Y" (see rememberPickListValue). Throws OperationError.
void AddToUserFields(const std::string& dataFolder, const SettingsRecord& settings,
                     std::string_view user1, std::string_view user2);

struct NewEntry {
    std::optional<Message> refusal;  // set: nothing was written
    EntryRecord record;              // the entry as stored
    std::size_t position = 0;        // its record number in the file
};

// Saves the form as a new entry: readEntryForm, then AddToUserFields, then a stamp from
// `stamps`, then FileNewEntry into `recordFilePath`. `beforeWrite`, when given, is called
// once the form is accepted, just before the files are written. Throws OperationError
// when a file cannot be read or written; the record file is then as it was.
NewEntry saveNewEntry(const std::string& recordFilePath, const std::string& dataFolder,
                      const SettingsRecord& settings, const EntryFormText& form, bool income,
                      const RegionalSettings& regional, StampSource& stamps,
                      SortKeyMemory& sortKeys, const std::function<void()>& beforeWrite = {});

// The amount box of an entry opened for editing: the absolute amount as plain number
// text (12.5, 1000).
std::string amountBoxText(Money amount, const RegionalSettings& regional);

// ---- Messages of the form ----

// A new entry without a category.
Message missingCategoryMessage();
// An amount with no number in it.
Message amountRefusal(std::string_view amountText, EntryCommand command);
// Figures that read as two amounts (1.234 where a blank groups digits), naming both.
Message amountTwoWaysRefusal(const AmountReading& reading, EntryCommand command);
// A number larger than an amount can be (more than fifteen digits before the decimals).
Message amountTooLargeRefusal(std::string_view amountText, EntryCommand command,
                              const RegionalSettings& regional);
// A date box that holds no date.
Message dateRefusal(std::string_view dateText, EntryCommand command);
// An entry whose stamp is no longer in the record file (changed outside the program).
Message entryGoneMessage();
Message replaceQuestion();
Message deleteQuestion();
Message removePickValueQuestion(std::string_view value);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_ENTRY_EDITING_H_

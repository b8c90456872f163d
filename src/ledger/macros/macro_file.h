// Macro files: prepared entries that are played back into the record file under one
// date. A macro file is any file of entry records in the record file's layout (usually
// named *.qbk, in any folder), with no header: it is recognised by its length alone,
// a whole multiple of 125 bytes. EntryDate and RecordStamp in it do not matter; play-
// back gives both. It is edited with the ordinary record editor in macro-edit mode,
// where the record file path names the macro file.
#ifndef QBK_MACROS_MACRO_FILE_H_
#define QBK_MACROS_MACRO_FILE_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace qbk {

// The file dialog of both macro commands.
inline constexpr std::string_view kMacroFileFilter = "Quillbank 3.x Macro Files|*.qbk";
inline constexpr std::string_view kMacroFileDialogTitle = "Select a file...";

// The file dialog for choosing a macro file (empty proposed name).
FileDialog macroFileDialog();

// Opens `path` for macro editing, creating it empty when missing (an empty file is a
// macro file without entries yet). nullopt when it is a macro file; otherwise the
// error message to show, and macro-edit mode is not entered. Throws OperationError
// when the file cannot be created or read.
std::optional<Message> openMacroForEdit(const std::string& path);

// nullopt when `path` can be played: a macro file of at least one record; otherwise
// the error message to show. A missing file is refused like an empty one (and not
// created).
std::optional<Message> checkMacroForPlay(const std::string& path);

enum class MacroUse { Edit, Play };

// The refusal of a file whose length is not a whole number of records (or, for
// play-back, is 0).
Message notAMacroFileMessage(MacroUse use);

// Texts of macro-edit mode: panel 1 of the status bar, and the tool tip of the
// category list in that mode and outside it.
std::string macroEditStatusText(const std::string& recordFilePath);
inline constexpr std::string_view kMacroEditCategoryTip =
    "Click category to select (during record edit)";
inline constexpr std::string_view kNormalCategoryTip =
    "Double-click any category to narrow your view";

}  // namespace qbk

#endif  // QBK_MACROS_MACRO_FILE_H_

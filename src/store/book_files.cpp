#include "store/book_files.h"

#include "platform/undo_history.h"

namespace qbk {

BookPaths::BookPaths(std::string_view dataFolder) : folder(dataFolder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
}

bool isUndoneWithTheBook(std::string_view name) {
    for (const std::string_view remembered :
         {kSettingsFileName, kDueSettingsFileName, kUdf1FileName, kUdf2FileName,
          kConverterJournalFileName})
        if (name == remembered) return false;
    return name == kSchedulesFileName || name == kBudgetFileName || !name.ends_with(".txt");
}

void useBookFileRules() {
    setUndoableFiles(isUndoneWithTheBook);
}

}  // namespace qbk

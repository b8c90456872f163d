// The names of the files a book keeps, in its data folder and in the program folder,
// and which of them an undo puts back. Every room takes the names from here.
#ifndef QBK_STORE_BOOK_FILES_H_
#define QBK_STORE_BOOK_FILES_H_

#include <string>
#include <string_view>
#include <vector>

namespace qbk {

// ---- Data folder ------------------------------------------------------------------
inline constexpr std::string_view kRecordFileName = "quillbank.dat";
inline constexpr std::string_view kCategoryFileName = "category.dat";
inline constexpr std::string_view kUdf1FileName = "udf1.dat";
inline constexpr std::string_view kUdf2FileName = "udf2.dat";
inline constexpr std::string_view kBackupFileName = "quillbank.bak";
inline constexpr std::string_view kPurgeWorkFileName = "temp.dat";
inline constexpr std::string_view kPayeeRulesFileName = "payee.rules";
inline constexpr std::string_view kImportProfilesFileName = "import.profiles";
// The schedules of entries that come due; a text file, but undone with the entries it posts.
inline constexpr std::string_view kSchedulesFileName = "schedules.txt";
// The opening balance of the account the book is reconciled against.
inline constexpr std::string_view kOpeningBalanceFileName = "opening.balance";
// The ids of imported statement lines: the record file's name with ".ids" for its ending.
inline constexpr std::string_view kImportedIdsEnding = ".ids";
// The budget per category and month (store/budget_file.h): undone with the book.
inline constexpr std::string_view kBudgetFileName = "budget.txt";
inline constexpr std::string_view kConverterJournalFileName = "qbk2to3.journal";
// The notes of a fiscal year are "<year>qbk.doc".
inline constexpr std::string_view kNotesFileSuffix = "qbk.doc";

// ---- Program folder ---------------------------------------------------------------
inline constexpr std::string_view kSettingsFileName = "qbk3.ini";
// The window's setting of schedules that come due, beside qbk3.ini, whose layout is fixed.
inline constexpr std::string_view kDueSettingsFileName = "qbk3-due.ini";

// The paths of one book's files, from its data folder (with or without a trailing "/").
struct BookPaths {
    explicit BookPaths(std::string_view dataFolder);
    std::string folder;  // with a trailing "/"
    std::string records() const { return folder + std::string(kRecordFileName); }
    std::string categories() const { return folder + std::string(kCategoryFileName); }
    std::string file(std::string_view name) const { return folder + std::string(name); }
};

// True for a file of the data folder that an undo puts back with the entries; settings,
// pick lists, the converter's journal and text files are remembered, not booked.
bool isUndoneWithTheBook(std::string_view name);

// Tells the undo history which files of a book it puts back. Every program calls it at
// start-up, before its first change of a book.
void useBookFileRules();

// Every file the programs keep in a data folder, as ";"-separated patterns ("*" any
// characters, "?" one): what a complete backup copies. The internal backup, temporary
// and work files, the undo store and a user's own files are left out.
inline constexpr std::string_view kBookFilePatterns =
    "*.qbk;quillbank.dat;category.dat;udf?.dat;payee.rules;import.profiles;*.ids;????qbk.doc;"
    "qbk3.ini;qbk3-due.ini;schedules.txt;opening.balance;budget.txt";

}  // namespace qbk

#endif  // QBK_STORE_BOOK_FILES_H_

// The named state of the main window that several commands read and write.
#ifndef QBK_MAINWINDOW_QT_MAIN_STATE_H_
#define QBK_MAINWINDOW_QT_MAIN_STATE_H_

#include <optional>
#include <string>

#include "mainwindow/list_refresh.h"
#include "store/entry_record.h"
#include "store/settings_record.h"

namespace qbk {

struct MainState {
    // The data folder in use, with a trailing "/", and its files. RecordFilePath names
    // a macro file while macro editing is on.
    std::string DataFolder;
    std::string RecordFilePath;
    std::string CategoryFilePath;

    // What the list is narrowed to.
    std::string CategoryFilterCode = allCategoriesCode();  // blank: all categories
    std::string CategoryFilterName = std::string(kAllCategoriesName);
    void showAllCategories() {
        CategoryFilterCode = allCategoriesCode();
        CategoryFilterName = kAllCategoriesName;
    }

    // Searches: SearchText is empty, a word or phrase, or a pick-list marker ("|udf1|")
    // followed by the value. A complete-word search keeps its blanks around the word on
    // every later refresh.
    std::string SearchText;
    bool SearchCompleteWord = false;
    int UDFSearchField = 0;
    std::string LastCompleteWord;
    std::string LastFragment;

    // The displayed range as short date texts, both days included.
    std::string RangeStart;
    std::string RangeEnd;
    int FYStartYear = 0;
    // The last day of the forecast while the list continues past today with planned
    // entries (Range, Forecast); a new range ends it.
    std::optional<DaySerial> ForecastTo;
    // Set when the date selector is accepted; Esc sets it too (the stop request of the
    // record sort).
    bool DateDialDone = false;

    bool ReportMode = false;
    bool WideReport = false;
    bool MacroMode = false;

    // The one entry record held in memory, and the stamp of the entry open for editing.
    EntryRecord CurrentRecord;
    double EditStamp = 0;

    // The settings record in memory.
    SettingsRecord ProgramSettings = SettingsRecord::defaults();

    // The ending balance and its date of the last bank statement imported that gave one
    // (OFX LEDGERBAL), which Reconcile offers.
    std::optional<Money> OfferedStatementBalance;
    std::optional<DaySerial> OfferedStatementDate;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_MAIN_STATE_H_

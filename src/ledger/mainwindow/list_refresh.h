// The list refresh PopMainGrid: from the record file, the filters and the modes, it
// computes everything the record grid and its status bar show.
//
// It reads the record file from the first record to the last (newest first) and keeps
// a live record when, in macro mode, always; otherwise when its date lies in the range
// (a record with no date lies in none) and, with no search, it is of the filtered
// category (or no category is filtered), or, with a word search, the search argument
// occurs in " NOTE [USER1] [USER2] " (upper-cased; a user field takes part when its
// pick list is off), or, with a pick-list search, the field's trimmed upper-cased value
// equals the argument.
#ifndef QBK_MAINWINDOW_LIST_REFRESH_H_
#define QBK_MAINWINDOW_LIST_REFRESH_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/grid_layout.h"
#include "platform/cached_file.h"
#include "platform/dates.h"
#include "platform/money.h"
#include "platform/regional.h"
#include "store/settings_record.h"

namespace qbk {

// Text shown in the amount cell of an entry of amount 0 (an open item).
inline constexpr std::string_view kZeroAmountText = kNoValueText;
// Marker that starts a pick-list search argument, upper-cased: "|UDF1|SHOP".
inline constexpr std::string_view kUdf1Marker = "|UDF1|";
inline constexpr std::string_view kUdf2Marker = "|UDF2|";

// The category filter of a list of every category: a blank code and this name.
inline constexpr std::string_view kAllCategoriesName = "All Categories";
std::string allCategoriesCode();

struct ListQuery {
    // The upper-cased SearchText as the caller passes it: empty for no search, a word
    // or phrase (framed by blanks for a complete-word search), or a pick-list marker
    // followed by the value.
    std::string searchArgument;
    std::string categoryFilterCode;  // blank = all categories; compared as 10 characters
    std::string categoryFilterName;  // shown in the status bar
    DaySerial rangeStart = 0;        // both ends included
    DaySerial rangeEnd = 0;
    bool macroMode = false;  // every live record, no date, category or search test

    // Lists every category again.
    void showAllCategories();
};

enum class AmountColour { Black, Red, Blue };

// How a row's record becomes its cell texts.
struct RowFormat {
    GridColumns columns{};
    bool macroMode = false;  // the date cell reads "(macro)"
    RegionalSettings regional;
};

// The rows of a list and what its status bar shows. A row is the record it shows; its
// cell texts are made when asked for, so that a list of a million rows costs four
// bytes a row and a grid formats only the rows it paints.
class ListView {
  public:
    std::string headerFormat;
    Money income;                 // sum of the positive amounts listed
    Money expense;                // sum of the negative amounts listed
    Money balance;                // sum of all amounts listed
    std::size_t recordCount = 0;  // records in the file, deleted ones included
    // Sum of every live cleared or reconciled entry of the file, listed or not: with the
    // opening balance, what the bank should hold.
    Money bookCleared;
    // Panels 1 to 5 of the status bar outside report mode (the totals, kItemsPanel and one
    // of the filter panels).
    std::array<std::string, 5> panels;

    std::size_t size() const { return numbers_.size(); }
    bool empty() const { return numbers_.empty(); }

    // Cell `column` (0..6) of row `row` (0-based), and the whole row, its cells joined
    // by tabs.
    std::string cell(std::size_t row, int column) const;
    std::string rowText(std::size_t row) const;
    double stamp(std::size_t row) const;
    AmountColour amountColour(std::size_t row) const;
    // The number of the record the row shows, from 1, in the file the list was read from.
    std::size_t recordNumber(std::size_t row) const { return numbers_[row]; }
    // The 125 bytes of that record.
    const char* record(std::size_t row) const;

  private:
    friend class ListBuilder;
    // Either the whole record file, where a row finds its record by number, or the
    // listed records alone, one after the other in row order.
    std::shared_ptr<const std::string> records_;
    bool wholeFile_ = false;
    std::vector<std::uint32_t> numbers_;
    std::shared_ptr<const RowFormat> format_;
};

// The test by which the list refresh keeps a record, for work that needs the entries
// of the list without its rows (charts).
class ListFilter {
  public:
    ListFilter(const ListQuery& query, const SettingsRecord& settings);
    ~ListFilter();
    ListFilter(const ListFilter&) = delete;
    ListFilter& operator=(const ListFilter&) = delete;

    // True when the list shows the 125-byte record `record`; a deleted one never.
    bool keeps(const char* record) const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// The records the list shows for each of `queries`, in file order, one string of 125-byte
// records per query: what report mode appends to its list with one refresh per query,
// found here in one pass over the file. Throws OperationError on a file failure.
std::vector<std::string> listedRecords(const std::string& recordFilePath,
                                       const std::vector<ListQuery>& queries,
                                       const SettingsRecord& settings);

// PopMainGrid of `recordFilePath`. The column order comes from the settings'
// GridOrder (an unknown code lays the rows and header out as "-n12-"), the labels and
// pick-list flags from the settings too. When `reportListPath` is given (report mode),
// every record listed is also appended to that file of entry records.
// Throws OperationError on a file failure or an overflowing total.
ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath = nullptr);

// PopMainGrid of the record file as `book` holds it: read again only when it changed
// since the last refresh, so that a refresh is one pass over the records in memory.
ListView PopMainGrid(const std::string& recordFilePath, CachedFile& book, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath = nullptr);

// PopMainGrid of entry records held in memory (`records`, whole 125-byte records; the
// planned entries of a forecast), by the same rules; the rows' record numbers count in
// `records`.
ListView PopMainGrid(std::shared_ptr<const std::string> records, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional);

// The header format of the grid for the settings' GridOrder (see PopMainGrid).
std::string listHeaderFormat(const SettingsRecord& settings);

// PopMainGrid for a printout of a whole book: each row's text (its cells joined by
// tabs) goes to `row` as soon as it is made, instead of into the view, which stays
// empty; totals, count and panels are as PopMainGrid computes them.
ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::function<void(std::string_view row)>& row);

// Panel 3 of the status bar in report mode, for `items` rows on the report list.
std::string reportPanelText(std::size_t items);

// The templates of the panels' texts with variable parts ("%1" the count, the category
// name, the words searched), which the window shows in the user's language.
inline constexpr std::string_view kItemsPanel = "%1 Items";
inline constexpr std::string_view kCategoryPanel = "Category = %1 ";
inline constexpr std::string_view kWordSearchPanel = "Word Search = %1 ";
inline constexpr std::string_view kReportingPanel = "Reporting: %1 items selected.";

}  // namespace qbk

#endif  // QBK_MAINWINDOW_LIST_REFRESH_H_

#include "mainwindow/list_refresh.h"

#include <cstring>

#include "mainwindow/grid_layout.h"
#include "platform/files.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/entry_record.h"
#include "store/record_file.h"

namespace qbk {
namespace {

enum class SearchKind { None, Word, PickList1, PickList2 };

struct Search {
    SearchKind kind = SearchKind::None;
    std::string argument;  // without its marker, as passed (UTF-8)
    std::string bytes;     // the argument in Windows-1252, for matching record bytes
};

Search parseSearch(const std::string& argument) {
    Search s;
    s.argument = argument;
    if (argument.empty()) return s;
    const std::string_view head = std::string_view(argument).substr(0, 6);
    if (head == kUdf1Marker || head == kUdf2Marker) {
        s.kind = head == kUdf1Marker ? SearchKind::PickList1 : SearchKind::PickList2;
        s.argument = argument.substr(6);
        s.bytes = toWindows1252(trimBlanks(s.argument));
    } else {
        s.kind = SearchKind::Word;
        s.bytes = toWindows1252(argument);
    }
    return s;
}

// Upper-case of every Windows-1252 byte, looked up once per refresh rather than
// computed for each byte of each record.
using UpperTable = std::array<unsigned char, 256>;

UpperTable upperTable() {
    UpperTable t{};
    for (std::size_t b = 0; b < t.size(); ++b)
        t[b] = ansiUpperByte(static_cast<unsigned char>(b));
    return t;
}

char* appendUpperBytes(char* out, const char* bytes, std::size_t n, const UpperTable& upper) {
    for (std::size_t i = 0; i < n; ++i)
        *out++ = static_cast<char>(upper[static_cast<unsigned char>(bytes[i])]);
    return out;
}

bool matchesWordSearch(const char* r, const Search& s, bool withUser1, bool withUser2,
                       const UpperTable& upper) {
    using namespace entry_layout;
    char haystack[1 + kNoteWidth + 2 * (1 + kUserFieldWidth) + 1];
    char* end = haystack;
    *end++ = ' ';
    end = appendUpperBytes(end, r + kNote, kNoteWidth, upper);
    if (withUser1) {
        *end++ = ' ';
        end = appendUpperBytes(end, r + kUserField1, kUserFieldWidth, upper);
    }
    if (withUser2) {
        *end++ = ' ';
        end = appendUpperBytes(end, r + kUserField2, kUserFieldWidth, upper);
    }
    *end++ = ' ';
    return std::string_view(haystack, static_cast<std::size_t>(end - haystack)).find(s.bytes) !=
           std::string_view::npos;
}

bool matchesPickList(const char* fieldBytes, const Search& s) {
    const std::string value =
        ansiUpperBytes(trimBlanks({fieldBytes, entry_layout::kUserFieldWidth}));
    return value == s.bytes;
}

// Builds rows into the shared text of the list.
class RowWriter {
  public:
    RowWriter(std::string& text, ListRow& row) : text_(text), row_(row) {
        row_.offset = static_cast<std::uint32_t>(text_.size());
    }
    void cell(std::string_view utf8) {
        start();
        text_ += utf8;
    }
    void cellBytes(std::string_view windows1252) {
        start();
        appendFromWindows1252(text_, windows1252);
    }
    void finish() {
        row_.cellStart[7] = static_cast<std::uint16_t>(text_.size() - row_.offset + 1);
    }

  private:
    void start() {
        if (index_ > 0) text_ += '\t';
        row_.cellStart[static_cast<std::size_t>(index_++)] =
            static_cast<std::uint16_t>(text_.size() - row_.offset);
    }
    std::string& text_;
    ListRow& row_;
    int index_ = 0;
};

ListRow buildRow(const char* r, const GridColumns& columns, bool macroMode,
                 const RegionalSettings& regional, std::string& text) {
    using namespace entry_layout;
    ListRow row;
    const Money amount = entry_bytes::amount(r);
    row.stamp = entry_bytes::recordStamp(r);
    row.amountColour = amount.isZero()       ? AmountColour::Blue
                       : amount.isNegative() ? AmountColour::Red
                                             : AmountColour::Black;
    RowWriter w(text, row);
    for (GridColumn c : columns) {
        switch (c) {
            case GridColumn::Date:
                w.cell(macroMode ? std::string("(macro)")
                                 : regional.shortDate(entry_bytes::entryDate(r)));
                break;
            case GridColumn::Amount:
                w.cell(amount.isZero() ? std::string(kZeroAmountText)
                                       : regional.currencyText(amount));
                break;
            case GridColumn::Note:
                w.cellBytes(trimBlanks({r + kNote, kNoteWidth}));
                break;
            case GridColumn::UserField1:
                w.cellBytes({r + kUserField1, kUserFieldWidth});
                break;
            case GridColumn::UserField2:
                w.cellBytes({r + kUserField2, kUserFieldWidth});
                break;
            case GridColumn::Category:
                w.cellBytes({r + kCategoryCode, kCategoryCodeWidth});
                break;
            case GridColumn::Stamp:
                w.cell(stampText(row.stamp));
                break;
        }
    }
    w.finish();
    return row;
}

// Appends records to the report list file, first dropping a partial last record so
// that the new ones start on a record boundary.
void appendToReportList(const std::string& path, const std::string& records) {
    const std::uint64_t length = fileLength(path);
    if (length % entry_layout::kSize != 0) {
        const std::string whole =
            readFile(path).substr(0, length / entry_layout::kSize * entry_layout::kSize);
        writeFileAtomically(path, whole + records);
        return;
    }
    appendToFile(path, records);
}

}  // namespace

struct ListFilter::State {
    ListQuery query;
    Search search;
    bool user1Free = false;
    bool user2Free = false;
    bool allCategories = true;
    std::string filterBytes;
    UpperTable upper{};
};

ListFilter::ListFilter(const ListQuery& query, const SettingsRecord& settings)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.query = query;
    s.search = parseSearch(query.searchArgument);
    s.user1Free = settings.udf1Save() == "N";
    s.user2Free = settings.udf2Save() == "N";
    s.filterBytes = toWindows1252(fitField(query.categoryFilterCode, 10));
    s.allCategories = trimBlanks(s.filterBytes).empty();
    if (s.search.kind == SearchKind::Word) s.upper = upperTable();
}

ListFilter::~ListFilter() = default;

bool ListFilter::keeps(const char* r) const {
    const State& s = *state_;
    if (entry_bytes::isDeleted(r)) return false;
    if (s.query.macroMode) return true;
    const DaySerial date = entry_bytes::entryDate(r);
    // Written so that no date (NaN included) is never inside the range.
    if (!(isDate(date) && date >= s.query.rangeStart && date <= s.query.rangeEnd)) return false;
    switch (s.search.kind) {
        case SearchKind::None:
            return s.allCategories || entry_bytes::categoryCode(r) == s.filterBytes;
        case SearchKind::Word:
            return matchesWordSearch(r, s.search, s.user1Free, s.user2Free, s.upper);
        case SearchKind::PickList1:
            return matchesPickList(r + entry_layout::kUserField1, s.search);
        case SearchKind::PickList2:
            return matchesPickList(r + entry_layout::kUserField2, s.search);
    }
    return false;
}

std::string listHeaderFormat(const SettingsRecord& settings) {
    std::string order = settings.gridOrder();
    if (!gridColumns(order)) order = std::string(kGridOrders[0]);
    return *headerFormat(order, settings.udf1Name(), settings.udf2Name());
}

namespace {

using RowSink = std::function<void(std::string_view row)>;

ListView refresh(const std::string& recordFilePath, const ListQuery& query,
                 const SettingsRecord& settings, const RegionalSettings& regional,
                 const std::string* reportListPath, const RowSink* sink) {
    ListView view;
    const Search search = parseSearch(query.searchArgument);

    std::string order = settings.gridOrder();
    if (!gridColumns(order)) order = std::string(kGridOrders[0]);
    const GridColumns columns = *gridColumns(order);
    view.headerFormat = listHeaderFormat(settings);

    const ListFilter filter(query, settings);
    if (sink == nullptr) {
        // Address room only: pages that no row reaches are never touched.
        const std::size_t records = recordCount(recordFilePath);
        view.rows.reserve(records);
        view.text.reserve(records * 100);
    }
    std::size_t listed = 0;
    std::string reportRecords;
    view.recordCount = scanRecordFile(recordFilePath, [&](std::size_t i, const char* r) {
        if (!filter.keeps(r)) return;
        ListRow row = buildRow(r, columns, query.macroMode, regional, view.text);
        row.recordNumber = static_cast<std::uint32_t>(i);
        if (sink != nullptr) {
            (*sink)(std::string_view(view.text).substr(0, row.cellStart[7] - 1u));
            view.text.clear();
        } else {
            view.rows.push_back(row);
        }
        ++listed;
        const Money amount = entry_bytes::amount(r);
        view.balance += amount;
        if (amount.isNegative())
            view.expense += amount;
        else
            view.income += amount;
        if (reportListPath != nullptr) reportRecords.append(r, entry_layout::kSize);
    });
    if (reportListPath != nullptr && !reportRecords.empty())
        appendToReportList(*reportListPath, reportRecords);

    view.panels[0] = "(+) " + regional.currencyText(view.income);
    view.panels[1] = "(-) " + regional.currencyText(view.expense);
    view.panels[2] = "(=) " + regional.currencyText(view.balance);
    view.panels[3] = std::to_string(listed) + " Items";
    switch (search.kind) {
        case SearchKind::None:
            view.panels[4] =
                "Category = " + std::string(trimBlanks(query.categoryFilterName)) + " ";
            break;
        case SearchKind::Word:
            view.panels[4] = "Word Search = " + std::string(trimBlanks(search.argument)) + " ";
            break;
        case SearchKind::PickList1:
            view.panels[4] =
                std::string(trimField(settings.udf1Name())) + " = " + search.argument + " ";
            break;
        case SearchKind::PickList2:
            view.panels[4] =
                std::string(trimField(settings.udf2Name())) + " = " + search.argument + " ";
            break;
    }
    return view;
}

}  // namespace

ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath) {
    return refresh(recordFilePath, query, settings, regional, reportListPath, nullptr);
}

ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const RowSink& row) {
    return refresh(recordFilePath, query, settings, regional, nullptr, &row);
}

std::string reportPanelText(std::size_t items) {
    return "Reporting: " + std::to_string(items) + " items selected.";
}

}  // namespace qbk

#include "mainwindow/list_refresh.h"

#include <algorithm>
#include <cstring>

#include "mainwindow/grid_layout.h"
#include "platform/files.h"
#include "platform/fill_in.h"
#include "platform/large_buffer.h"
#include "platform/stamps.h"
#include "platform/windows1252.h"
#include "store/category_record.h"
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

bool matchesPickList(const char* fieldBytes, const Search& s, const UpperTable& upper) {
    const std::string_view value = trimBlanks({fieldBytes, entry_layout::kUserFieldWidth});
    if (value.size() != s.bytes.size()) return false;
    for (std::size_t i = 0; i < value.size(); ++i)
        if (upper[static_cast<unsigned char>(value[i])] != static_cast<unsigned char>(s.bytes[i]))
            return false;
    return true;
}

// A quick test that turns away most records of a word search before its haystack is
// built: the longest run of the argument without blanks must occur, in any letter
// case, in the note and user fields taken as the one run of bytes they are in the
// record. The haystack only adds blanks between those fields, and a run without blanks
// cannot span one, so a record this test turns away cannot match.
class WordPrefilter {
  public:
    WordPrefilter() = default;
    WordPrefilter(const std::string& argument, const UpperTable& upper) : upper_(&upper) {
        std::size_t at = 0;
        while (at < argument.size()) {
            const std::size_t from = argument.find_first_not_of(' ', at);
            if (from == std::string::npos) break;
            const std::size_t to = std::min(argument.find(' ', from), argument.size());
            if (to - from > piece_.size()) piece_ = argument.substr(from, to - from);
            at = to;
        }
        if (piece_.empty()) return;
        for (std::size_t b = 0; b < 256; ++b)
            if (upper[b] == static_cast<unsigned char>(piece_[0]))
                firstBytes_.push_back(static_cast<char>(b));
    }

    bool mayMatch(const char* r) const {
        using namespace entry_layout;
        if (piece_.empty()) return true;
        const char* begin = r + kNote;
        const char* end = r + kUserField2 + kUserFieldWidth;
        for (const char first : firstBytes_) {
            for (const char* p = begin;
                 (p = static_cast<const char*>(
                      std::memchr(p, first, static_cast<std::size_t>(end - p)))) != nullptr;
                 ++p) {
                if (static_cast<std::size_t>(end - p) < piece_.size()) break;
                if (equalsUpper(p + 1, 1)) return true;
            }
        }
        return false;
    }

  private:
    bool equalsUpper(const char* p, std::size_t from) const {
        for (std::size_t i = from; i < piece_.size(); ++i, ++p)
            if ((*upper_)[static_cast<unsigned char>(*p)] != static_cast<unsigned char>(piece_[i]))
                return false;
        return true;
    }
    const UpperTable* upper_ = nullptr;
    std::string piece_;
    std::string firstBytes_;
};

void appendCell(std::string& out, const char* r, GridColumn column, const RowFormat& format) {
    using namespace entry_layout;
    switch (column) {
        case GridColumn::Date:
            out += format.macroMode ? std::string("(macro)")
                                    : format.regional.shortDate(entry_bytes::entryDate(r));
            return;
        case GridColumn::Amount: {
            const Money amount = entry_bytes::amount(r);
            out += amount.isZero() ? std::string(kZeroAmountText)
                                   : format.regional.currencyText(amount);
            return;
        }
        case GridColumn::Note:
            appendFromWindows1252(out, trimBlanks({r + kNote, kNoteWidth}));
            return;
        case GridColumn::UserField1:
            appendFromWindows1252(out, {r + kUserField1, kUserFieldWidth});
            return;
        case GridColumn::UserField2:
            appendFromWindows1252(out, {r + kUserField2, kUserFieldWidth});
            return;
        case GridColumn::Category:
            appendFromWindows1252(out, {r + kCategoryCode, kCategoryCodeWidth});
            return;
        case GridColumn::Stamp:
            out += stampText(entry_bytes::recordStamp(r));
            return;
    }
}

void appendRowText(std::string& out, const char* r, const RowFormat& format) {
    bool first = true;
    for (const GridColumn c : format.columns) {
        if (!first) out += '\t';
        first = false;
        appendCell(out, r, c, format);
    }
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
    WordPrefilter prefilter;
};

ListFilter::ListFilter(const ListQuery& query, const SettingsRecord& settings)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.query = query;
    s.search = parseSearch(query.searchArgument);
    s.user1Free = settings.udf1Save() == "N";
    s.user2Free = settings.udf2Save() == "N";
    s.filterBytes =
        toWindows1252(fitField(query.categoryFilterCode, category_layout::kCatCodeWidth));
    s.allCategories = trimBlanks(s.filterBytes).empty();
    s.upper = upperTable();
    if (s.search.kind == SearchKind::Word) s.prefilter = WordPrefilter(s.search.bytes, s.upper);
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
            return s.prefilter.mayMatch(r) &&
                   matchesWordSearch(r, s.search, s.user1Free, s.user2Free, s.upper);
        case SearchKind::PickList1:
            return matchesPickList(r + entry_layout::kUserField1, s.search, s.upper);
        case SearchKind::PickList2:
            return matchesPickList(r + entry_layout::kUserField2, s.search, s.upper);
    }
    return false;
}

std::vector<std::string> listedRecords(const std::string& recordFilePath,
                                       const std::vector<ListQuery>& queries,
                                       const SettingsRecord& settings) {
    std::vector<std::unique_ptr<ListFilter>> filters;
    for (const ListQuery& query : queries)
        filters.push_back(std::make_unique<ListFilter>(query, settings));
    std::vector<std::string> found(queries.size());
    scanRecordFile(recordFilePath, [&](std::size_t, const char* r) {
        for (std::size_t i = 0; i < filters.size(); ++i)
            if (filters[i]->keeps(r)) found[i].append(r, entry_layout::kSize);
    });
    return found;
}

std::string listHeaderFormat(const SettingsRecord& settings) {
    std::string order = settings.gridOrder();
    if (!gridColumns(order)) order = std::string(kGridOrders[0]);
    return *headerFormat(order, settings.udf1Name(), settings.udf2Name());
}

using RowSink = std::function<void(std::string_view row)>;

// What one refresh keeps of the records it is shown: the totals, the numbers of the
// records listed, and the records themselves when the view or the report list needs
// them; or, for a printout, each row's text handed on at once.
class ListBuilder {
  public:
    ListBuilder(const ListQuery& query, const SettingsRecord& settings,
                const RegionalSettings& regional, const RowSink* sink, bool keepRecords)
        : filter_(query, settings), sink_(sink), keepRecords_(keepRecords) {
        std::string order = settings.gridOrder();
        if (!gridColumns(order)) order = std::string(kGridOrders[0]);
        auto format = std::make_shared<RowFormat>();
        format->columns = *gridColumns(order);
        format->macroMode = query.macroMode;
        format->regional = regional;
        view_.format_ = std::move(format);
        view_.headerFormat = listHeaderFormat(settings);
    }

    // Address room only: pages that no row reaches are never touched.
    void reserve(std::size_t records) {
        if (sink_ != nullptr) return;
        view_.numbers_.reserve(records);
        if (keepRecords_) reserveLarge(kept_, records * entry_layout::kSize);
    }

    void visit(std::size_t number, const char* r) {
        if (entry_bytes::cleared(r) != ClearedState::None && !entry_bytes::isDeleted(r))
            view_.bookCleared += entry_bytes::amount(r);
        if (!filter_.keeps(r)) return;
        ++listed_;
        const Money amount = entry_bytes::amount(r);
        view_.balance += amount;
        if (amount.isNegative())
            view_.expense += amount;
        else
            view_.income += amount;
        if (sink_ != nullptr) {
            line_.clear();
            appendRowText(line_, r, *view_.format_);
            (*sink_)(line_);
            return;
        }
        view_.numbers_.push_back(static_cast<std::uint32_t>(number));
        if (keepRecords_) kept_.append(r, entry_layout::kSize);
    }

    // The view of `recordCount` records: its rows find their records in `wholeFile`
    // when given, else among the records kept.
    ListView finish(std::size_t recordCount, std::shared_ptr<const std::string> wholeFile,
                    const std::string* reportListPath) {
        if (reportListPath != nullptr && !kept_.empty()) appendToReportList(*reportListPath, kept_);
        view_.recordCount = recordCount;
        if (wholeFile) {
            view_.records_ = std::move(wholeFile);
            view_.wholeFile_ = true;
        } else {
            view_.records_ = std::make_shared<const std::string>(std::move(kept_));
        }
        return std::move(view_);
    }

    std::size_t listed() const { return listed_; }

  private:
    ListFilter filter_;
    const RowSink* sink_;
    bool keepRecords_;
    ListView view_;
    std::string kept_;
    std::string line_;
    std::size_t listed_ = 0;
};

namespace {

void fillPanels(ListView& view, std::size_t listed, const ListQuery& query,
                const SettingsRecord& settings, const RegionalSettings& regional) {
    const Search search = parseSearch(query.searchArgument);
    view.panels[0] = "(+) " + regional.currencyText(view.income);
    view.panels[1] = "(-) " + regional.currencyText(view.expense);
    view.panels[2] = "(=) " + regional.currencyText(view.balance);
    view.panels[3] = fillIn(kItemsPanel, {std::to_string(listed)});
    switch (search.kind) {
        case SearchKind::None:
            view.panels[4] = fillIn(kCategoryPanel, {trimBlanks(query.categoryFilterName)});
            break;
        case SearchKind::Word:
            view.panels[4] = fillIn(kWordSearchPanel, {trimBlanks(search.argument)});
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
}

// The refresh that reads the file block by block: the view keeps the listed records
// alone (or, with a sink, nothing).
ListView scanRefresh(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath, const RowSink* sink) {
    ListBuilder builder(query, settings, regional, sink, sink == nullptr);
    builder.reserve(recordCount(recordFilePath));
    const std::size_t count = scanRecordFile(
        recordFilePath, [&](std::size_t number, const char* r) { builder.visit(number, r); });
    ListView view = builder.finish(count, nullptr, reportListPath);
    fillPanels(view, builder.listed(), query, settings, regional);
    return view;
}

}  // namespace

ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath) {
    return scanRefresh(recordFilePath, query, settings, regional, reportListPath, nullptr);
}

ListView PopMainGrid(const std::string& recordFilePath, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const RowSink& row) {
    return scanRefresh(recordFilePath, query, settings, regional, nullptr, &row);
}

namespace {

ListView listInMemory(std::shared_ptr<const std::string> bytes, const ListQuery& query,
                      const SettingsRecord& settings, const RegionalSettings& regional,
                      const std::string* reportListPath) {
    const std::size_t count = bytes->size() / entry_layout::kSize;
    ListBuilder builder(query, settings, regional, nullptr, reportListPath != nullptr);
    builder.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        builder.visit(i + 1, bytes->data() + i * entry_layout::kSize);
    ListView view = builder.finish(count, std::move(bytes), reportListPath);
    fillPanels(view, builder.listed(), query, settings, regional);
    return view;
}

}  // namespace

ListView PopMainGrid(const std::string& recordFilePath, CachedFile& book, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional,
                     const std::string* reportListPath) {
    ensureFileExists(recordFilePath);
    return listInMemory(book.read(recordFilePath), query, settings, regional, reportListPath);
}

ListView PopMainGrid(std::shared_ptr<const std::string> records, const ListQuery& query,
                     const SettingsRecord& settings, const RegionalSettings& regional) {
    return listInMemory(std::move(records), query, settings, regional, nullptr);
}

const char* ListView::record(std::size_t row) const {
    const std::size_t at = wholeFile_ ? numbers_[row] - std::size_t{1} : row;
    return records_->data() + at * entry_layout::kSize;
}

std::string ListView::cell(std::size_t row, int column) const {
    std::string out;
    appendCell(out, record(row), format_->columns[static_cast<std::size_t>(column)], *format_);
    return out;
}

std::string ListView::rowText(std::size_t row) const {
    std::string out;
    appendRowText(out, record(row), *format_);
    return out;
}

double ListView::stamp(std::size_t row) const {
    return entry_bytes::recordStamp(record(row));
}

AmountColour ListView::amountColour(std::size_t row) const {
    const Money amount = entry_bytes::amount(record(row));
    return amount.isZero()       ? AmountColour::Blue
           : amount.isNegative() ? AmountColour::Red
                                 : AmountColour::Black;
}

std::string reportPanelText(std::size_t items) {
    return fillIn(kReportingPanel, {std::to_string(items)});
}

std::string allCategoriesCode() {
    return std::string(category_layout::kCatCodeWidth, ' ');
}

void ListQuery::showAllCategories() {
    categoryFilterCode = allCategoriesCode();
    categoryFilterName = kAllCategoriesName;
}

}  // namespace qbk

// How a bank's comma-delimited export is laid out, beyond the field numbers of the six
// entry fields: the separator, the lines that are not entries, how dates and amounts
// are written, and where the sign of an amount stands. Banks write one layout per
// export, so the choices that a single value cannot show (the separator, the date
// order, the decimal mark) are made once from the whole file.
#ifndef QBK_IMPORT_DELIMITED_LAYOUT_H_
#define QBK_IMPORT_DELIMITED_LAYOUT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/layout_refusal.h"
#include "platform/dates.h"
#include "platform/money.h"

namespace qbk {

// The ways banks write a date. The numeric ones take "/", "-", "." or a blank between
// the parts and a time of day after the date (a blank or "T", as in ISO 8601).
enum class DateFormat {
    DayMonthYear,  // 28.03.2020, 28/03/20
    MonthDayYear,  // 03/28/2020
    YearMonthDay,  // 2020-03-28, 2020-03-28T10:15:00+01:00 (a four-digit year first)
    Compact,       // 20200328
    DayMonthName,  // 28-Mar-2020, 28 mars 2020, 28.Mär.20 (English, German, French,
                   // Dutch and Spanish month names and their short forms)
};

// The option names: dmy, mdy, ymd, yyyymmdd, d-mon-y.
std::string_view dateFormatName(DateFormat format);
std::optional<DateFormat> dateFormatNamed(std::string_view name);

// The day `text` names in `format`; nullopt when it is no valid date in it. Two-digit
// years 00-29 are 2000-2029, 30-99 are 1930-1999.
std::optional<DaySerial> readDateAs(std::string_view text, DateFormat format);

// The date format of a file, decided from all its dates: the one format that reads
// every date text offered. Texts are UTF-8.
class DateFormatVote {
  public:
    void add(std::string_view dateText);
    // The format; nullopt when no format reads every date, or when several do and they
    // give other days for some date (06/12/2021). `refusal` then says which.
    std::optional<DateFormat> decided() const;
    LayoutRefusal refusal() const;

  private:
    static constexpr int kFormats = 5;
    std::size_t texts_ = 0;
    std::size_t fits_[kFormats] = {};        // texts each format reads
    std::string unreadable_[kFormats];       // the first text each format does not read
    std::string twoWays_;                    // a text that fitting formats read differently
    bool differs_[kFormats][kFormats] = {};  // formats that gave other days for a text
};

// The layout a .csv file is read in, beyond ImportLinks. Field numbers count from 1;
// 0 is none.
struct DelimitedLayout {
    // ',', ';' or '\t' between fields; 0: the one the file's lines hold most steadily.
    char separator = 0;
    std::size_t skipLines = 0;               // lines at the top that are no entries (a preamble)
    bool skipHeader = false;                 // then one line of column names
    std::size_t skipFooter = 0;              // lines with text at the end that are no entries
    std::optional<DecimalMark> decimalMark;  // none: decided from the amounts
    std::optional<DateFormat> dateFormat;    // none: decided from the dates
    // The amount as two columns, money out and money in (either may be empty); when
    // set, they take the place of the amount field.
    std::size_t debit = 0, credit = 0;
    // A column that tells money out ("D", "Af", "Debit": one of `debitWords`, without
    // case) from money in; the amount field then holds the amount without its sign.
    std::size_t sign = 0;
    std::vector<std::string> debitWords = {"D", "Af", "Debit"};
    bool negate = false;  // amounts of money out are written positive
    // The note from several fields, joined by " - " (empty ones left out); when set,
    // they take the place of the note field.
    std::vector<std::size_t> noteFields;
};

// The separator of a file from its first lines with text: of comma, semicolon and tab,
// the one that splits the most lines into the same number (at least two) of fields.
// A comma when none does.
char detectSeparator(const std::vector<std::string_view>& lines);

// The separator a .csv file of `lines` is read with in `layout`: layout.separator, or
// the one detectSeparator finds in the first 50 lines with text after the lines skipped.
char fileSeparator(const std::vector<std::string_view>& lines, const DelimitedLayout& layout);

// The words of a comma-separated list ("D,Af,Debit"), without surrounding blanks.
std::vector<std::string> listWords(std::string_view list);

}  // namespace qbk

#endif  // QBK_IMPORT_DELIMITED_LAYOUT_H_

// The fixed words of the reports: English (the layout's own text, what reports show
// unless the user chooses otherwise) or French, German or Spanish. Every report keeps
// its columns where the English one has them: a translated caption is padded to the
// English caption's width, and only a longer one moves what follows it.
#ifndef QBK_REPORTS_REPORT_CAPTIONS_H_
#define QBK_REPORTS_REPORT_CAPTIONS_H_

#include <string>
#include <string_view>

namespace qbk {

struct ReportCaptions {
    std::string_view cashflowRecordFor;  // "Cashflow Record for " owner
    std::string_view printed;            // "Printed: " date
    std::string_view searchedPeriod;     // "Searched the period " start
    std::string_view recordsSpan;        // "Records found span  " first
    std::string_view through;            // " through " last
    std::string_view inclusive;          // ", inclusive."
    std::string_view category;           // "Category" (column and "Category: " lines)
    std::string_view date;
    std::string_view amount;
    std::string_view note;
    std::string_view subTotal;
    std::string_view graph;
    std::string_view summaryOut;  // " --- Summary of money that went OUT ---"
    std::string_view summaryIn;
    std::string_view totalExpense;  // "Total Expense:"
    std::string_view totalIncome;   // "Total Income :"
    std::string_view surplus;       // "A SURPLUS of"
    std::string_view deficit;
    std::string_view openItems;
    std::string_view expenseLineItems;  // "Expense Line Items..."
    std::string_view incomeLineItems;
    std::string_view endOfReport;
    // The budget report's own words.
    std::string_view budgetPeriod;  // "Budget against actual for the period " start
    std::string_view budgetOut;     // " --- Budget of money that went OUT ---"
    std::string_view budgetIn;
    std::string_view budget;  // the columns
    std::string_view actual;
    std::string_view difference;
    std::string_view used;
    std::string_view budgetTotalExpense;  // "Total Expense" (a line of the table)
    std::string_view budgetTotalIncome;
    std::string_view balance;
};

// The captions of `language` ("de", "fr", "es"); English for any other.
const ReportCaptions& reportCaptions(std::string_view language);

// The language of a report's captions: `windowLanguage` when the user chose translated
// captions in the program options of `programFolder`, else "" (English), as also when
// the options file cannot be read.
std::string reportCaptionLanguage(const std::string& programFolder,
                                  const std::string& windowLanguage);

// The characters of UTF-8 `text`, as they are printed.
std::size_t captionWidth(std::string_view text);

// `text` followed by blanks up to `width` characters (counted as characters of UTF-8
// text, as they are printed); a longer text is returned whole.
std::string padCaption(std::string_view text, std::size_t width);

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_CAPTIONS_H_

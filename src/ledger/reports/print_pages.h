// Printing a report on the default printer, one print job per page.
//
// Page layout (Courier New, bold, 10 points for both):
//   narrow report   the printer's default orientation, 57 report lines a page
//   wide report     landscape, 41 report lines a page
// Every page begins with its page setup and 3 empty lines; each report line is printed
// as a tab (the left margin) followed by the line. When the report ends exactly at the
// end of a page, a last job holds only the 3 empty lines. Each page with report lines
// carries its number and the number of such pages in its setup, printed at its foot
// outside those lines; the last empty job carries none. A page does not end with a
// heading (a rule, a section's title, a category's line, a column heading): the headings
// at its foot begin the next page, with the first line they head.
#ifndef QBK_REPORTS_PRINT_PAGES_H_
#define QBK_REPORTS_PRINT_PAGES_H_

#include <string>
#include <string_view>

#include "platform/ports.h"

namespace qbk {

inline constexpr int kPageTopLines = 3;
inline constexpr int kNarrowPageLines = 57;
inline constexpr int kWidePageLines = 41;

// The page setup of every page of a narrow or wide report.
PageSetup reportPageSetup(bool wide);

// Prints `reportText` (lines ended by CR LF or LF) page by page. Throws OperationError
// (Printer error) without printing anything when no printer is available, and passes
// on the OperationError of a job the printer refuses (printing stops there).
void printReportText(std::string_view reportText, bool wide, Printer& printer);

// Prints the report text file at `reportTextPath` (qbk_rep.tmp) in full.
void printReport(const std::string& reportTextPath, bool wide, Printer& printer);

// Prints the report text file into a PDF file at `pdfPath` (from `printer.openPdf`), with
// the pages of the printer. Throws OperationError when a file cannot be read or
// written; the PDF file is then as it was.
void printReportToPdf(const std::string& reportTextPath, bool wide, Printer& printer,
                      const std::string& pdfPath);
// The same for a report text held in memory (the budget report).
void printReportTextToPdf(std::string_view reportText, bool wide, Printer& printer,
                          const std::string& pdfPath);

}  // namespace qbk

#endif  // QBK_REPORTS_PRINT_PAGES_H_

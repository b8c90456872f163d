#include "reports/print_pages.h"

#include <algorithm>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "reports/report_captions.h"

namespace qbk {
namespace {

void beginPage(PrintJobs& printer, const PageSetup& setup) {
    printer.beginJob(setup);
    for (int i = 0; i < kPageTopLines; ++i)
        printer.printLine("");
}

void requirePrinter(Printer& printer) {
    if (!printer.available())
        throw OperationError(errnum::kPrinterError, "No printer is installed");
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// A rule, a section's title, a category's line or a column heading, in any of the
// reports' languages: a line that belongs with the lines after it.
bool isHeading(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const std::string_view text = line.substr(first);
    if (text.starts_with("---") || text.find_first_not_of('-') == std::string_view::npos)
        return true;
    for (const char* language : {"", "de", "fr", "es"}) {
        const ReportCaptions& c = reportCaptions(language);
        for (const std::string_view caption :
             {c.category, c.date, c.expenseLineItems, c.incomeLineItems, c.openItems})
            if (text.starts_with(caption)) return true;
    }
    return false;
}

// Where the page of lines [start, start + perPage) ends: before the headings (and the
// blank lines among them) at its foot, so that they go to the next page with the first
// line they head; a page of nothing but headings stays full.
std::size_t pageEnd(const std::vector<std::string>& lines, std::size_t start, std::size_t perPage) {
    const std::size_t end = start + perPage;
    std::size_t k = end;
    while (k > start && (isBlank(lines[k - 1]) || isHeading(lines[k - 1])))
        --k;
    while (k < end && isBlank(lines[k]))
        ++k;
    return k == start || k == end ? end : k;
}

void printPages(std::string_view reportText, bool wide, PrintJobs& printer) {
    PageSetup setup = reportPageSetup(wide);
    const int linesPerPage = wide ? kWidePageLines : kNarrowPageLines;
    const std::vector<std::string> lines = splitLines(reportText);
    const std::size_t perPage = static_cast<std::size_t>(linesPerPage);
    // The first line of each page; a report ending on a full page ends with an empty job.
    std::vector<std::size_t> starts{0};
    while (lines.size() - starts.back() > perPage)
        starts.push_back(pageEnd(lines, starts.back(), perPage));
    const bool endsFull = lines.size() - starts.back() == perPage;
    setup.pageCount = static_cast<int>(starts.size());
    for (std::size_t page = 0; page < starts.size(); ++page) {
        setup.pageNumber = static_cast<int>(page) + 1;
        beginPage(printer, setup);
        const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : lines.size();
        for (std::size_t i = starts[page]; i < end; ++i)
            printer.printLine("\t" + lines[i]);
        printer.endJob();
    }
    if (endsFull && !lines.empty()) {
        setup.pageNumber = 0;
        beginPage(printer, setup);
        printer.endJob();
    }
}

}  // namespace

PageSetup reportPageSetup(bool wide) {
    PageSetup setup;
    setup.fontName = "Courier New";
    setup.pointSize = 10;
    setup.bold = true;
    setup.landscape = wide;
    return setup;
}

void printReportText(std::string_view reportText, bool wide, Printer& printer) {
    requirePrinter(printer);
    printPages(reportText, wide, printer);
}

void printReport(const std::string& reportTextPath, bool wide, Printer& printer) {
    requirePrinter(printer);
    printPages(readFile(reportTextPath), wide, printer);
}

void printReportToPdf(const std::string& reportTextPath, bool wide, Printer& printer,
                      const std::string& pdfPath) {
    printReportTextToPdf(readFile(reportTextPath), wide, printer, pdfPath);
}

void printReportTextToPdf(std::string_view reportText, bool wide, Printer& printer,
                          const std::string& pdfPath) {
    std::unique_ptr<PdfFile> pdf = printer.openPdf(pdfPath);
    printPages(reportText, wide, *pdf);
    pdf->close();
}

}  // namespace qbk

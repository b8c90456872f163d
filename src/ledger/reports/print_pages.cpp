#include "reports/print_pages.h"

#include <algorithm>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"

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

void printPages(std::string_view reportText, bool wide, PrintJobs& printer) {
    PageSetup setup = reportPageSetup(wide);
    const int linesPerPage = wide ? kWidePageLines : kNarrowPageLines;
    const std::vector<std::string> lines = splitLines(reportText);
    const std::size_t perPage = static_cast<std::size_t>(linesPerPage);
    setup.pageCount =
        static_cast<int>(std::max<std::size_t>(1, (lines.size() + perPage - 1) / perPage));
    setup.pageNumber = 1;
    int onPage = 0;
    beginPage(printer, setup);
    for (const std::string& line : lines) {
        printer.printLine("\t" + line);
        if (++onPage >= linesPerPage) {
            printer.endJob();
            onPage = 0;
            setup.pageNumber = setup.pageNumber < setup.pageCount ? setup.pageNumber + 1 : 0;
            beginPage(printer, setup);
        }
    }
    printer.endJob();
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

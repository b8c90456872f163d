// Writing the report last built to a text file or a PDF file that the user names.
#ifndef QBK_REPORTS_REPORT_OUTPUT_H_
#define QBK_REPORTS_REPORT_OUTPUT_H_

#include <string>

#include "platform/ports.h"

namespace qbk {

// The save dialog of the command.
FileDialog reportTextFileDialog();
// The question before an existing file of length > 0 is replaced (OK / Cancel,
// Cancel the default).
Message overwriteQuestion(const std::string& fileName);
// The notice after the copy.
Message reportCopiedMessage(const std::string& fileName);

// The command: asks for a file name; a cancelled dialog ends it. A file that exists
// with a length > 0 is replaced only after OK to overwriteQuestion; a missing or empty
// one without a question. Then replaces the file with a copy of the report text file
// at `reportTextPath` (atomically) and shows reportCopiedMessage. Returns whether the
// file was written. Throws OperationError when the copy fails (the chosen file is then
// as it was).
bool writeReportToTextFile(Prompts& prompts, const std::string& reportTextPath);

// Save as PDF: the save dialog, the question when the printer is missing, and the
// notice after the file is written.
FileDialog reportPdfFileDialog();
Message noPrinterQuestion();
Message reportPdfSavedMessage(const std::string& fileName);

// The command: asks for a file name as writeReportToTextFile does (and the same
// question before an existing file of length > 0 is replaced), prints the report text
// file into it with the pages of the printer (printReportToPdf) and shows
// reportPdfSavedMessage. Returns whether the file was written. Throws OperationError
// when it cannot be (the chosen file is then as it was).
bool saveReportAsPdf(Prompts& prompts, const std::string& reportTextPath, bool wide,
                     Printer& printer);

}  // namespace qbk

#endif  // QBK_REPORTS_REPORT_OUTPUT_H_

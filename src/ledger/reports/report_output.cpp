#include "reports/report_output.h"

#include "platform/files.h"
#include "reports/print_pages.h"

namespace qbk {

FileDialog reportTextFileDialog() {
    FileDialog dialog;
    dialog.title = "Provide a file name...";
    dialog.filter = "Text files|*.txt";
    return dialog;
}

Message overwriteQuestion(const std::string& fileName) {
    return {fileName + " already exists! If you continue, the file will be over-written. Proceed?",
            "Confirm file over-write", Icon::Exclamation, Buttons::OkCancel, 2};
}

Message reportCopiedMessage(const std::string& fileName) {
    return {"This report been copied to the file\r\n\r\n" + fileName, "Finished", Icon::Information,
            Buttons::Ok, 1};
}

bool writeReportToTextFile(Prompts& prompts, const std::string& reportTextPath) {
    const std::string target = prompts.saveFile(reportTextFileDialog());
    if (target.empty()) return false;
    if (fileLength(target) > 0 && prompts.message(overwriteQuestion(target)) != Answer::Ok)
        return false;
    copyFile(reportTextPath, target);
    prompts.message(reportCopiedMessage(target));
    return true;
}

FileDialog reportPdfFileDialog() {
    FileDialog dialog;
    dialog.title = "Provide a file name...";
    dialog.filter = "PDF files|*.pdf";
    return dialog;
}

Message noPrinterQuestion() {
    return {"No printer is installed.\r\n\r\nSave the report as a PDF file instead?",
            "Print Report", Icon::Question, Buttons::YesNo, 1};
}

Message reportPdfSavedMessage(const std::string& fileName) {
    return {"This report has been saved as a PDF file\r\n\r\n" + fileName, "Finished",
            Icon::Information, Buttons::Ok, 1};
}

bool saveReportAsPdf(Prompts& prompts, const std::string& reportTextPath, bool wide,
                     Printer& printer) {
    const std::string target = prompts.saveFile(reportPdfFileDialog());
    if (target.empty()) return false;
    if (fileLength(target) > 0 && prompts.message(overwriteQuestion(target)) != Answer::Ok)
        return false;
    printReportToPdf(reportTextPath, wide, printer, target);
    prompts.message(reportPdfSavedMessage(target));
    return true;
}

}  // namespace qbk

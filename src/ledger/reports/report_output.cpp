#include "reports/report_output.h"

#include "platform/files.h"

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

}  // namespace qbk

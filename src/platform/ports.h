// The ports: the few services of the desktop that the program's commands use. The Qt
// implementations live in platform/qt; tests pass scripted fakes.
#ifndef QBK_PLATFORM_PORTS_H_
#define QBK_PLATFORM_PORTS_H_

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/errors.h"

namespace qbk {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A message box. Lines of `text` are separated by CR LF. `defaultButton` counts the
// buttons from 1 (the first button is the default unless stated otherwise).
struct Message {
    std::string text;
    std::string title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    int defaultButton = 1;
    friend bool operator==(const Message&, const Message&) = default;
};

// A file dialog. `filter` is "description|pattern|description|pattern..." where a
// pattern may hold several globs separated by ";" ("Text files|*.txt").
struct FileDialog {
    std::string title;
    std::string filter;
    std::string fileName;  // proposed name
    std::string folder;    // folder to start in; empty: the current folder
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual Answer message(const Message& message) = 0;
    // A text-input prompt; nullopt when cancelled.
    virtual std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText) = 0;
    // Full path of the chosen file; empty when cancelled. An open dialog may be given a
    // name that does not exist yet when `mayCreate` is true.
    virtual std::string openFile(const FileDialog& dialog, bool mayCreate = false) = 0;
    virtual std::string saveFile(const FileDialog& dialog) = 0;

    // Shorthands.
    void inform(const std::string& text, const std::string& title) {
        message({text, title, Icon::Information, Buttons::Ok, 1});
    }
    bool confirm(const std::string& text, const std::string& title) {
        return message({text, title, Icon::Question, Buttons::YesNo, 1}) == Answer::Yes;
    }
    // The common error message for `error`.
    void showError(const OperationError& error) {
        message({commonErrorText(error), std::string(kCommonErrorTitle), Icon::Critical,
                 Buttons::Ok, 1});
    }
    // Runs `work`; an OperationError it throws is shown as the common error message, so a
    // window's command stops there with the book as it was. True when `work` finished.
    template <class Work>
    bool attempt(Work&& work) {
        try {
            std::forward<Work>(work)();
            return true;
        } catch (const OperationError& e) {
            showError(e);
            return false;
        }
    }
};

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a document with the program the desktop associates with it.
    virtual bool openDocument(const std::string& path) = 0;
    // Opens a web address in the user's browser.
    virtual bool openUrl(const std::string& url) = 0;
    // Starts `program` with `arguments` (no shell) in `workingFolder`, without waiting.
    // False when it cannot be started.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder) = 0;
};

struct PageSetup {
    std::string fontName = "Courier New";
    int pointSize = 10;
    bool bold = true;
    bool landscape = false;
    // "Page 2 of 5" at the foot of the page, below its lines; 0 for no foot.
    int pageNumber = 0;
    int pageCount = 0;
};

// Where printed lines go, one job after the other.
class PrintJobs {
  public:
    virtual ~PrintJobs() = default;
    virtual void beginJob(const PageSetup& setup) = 0;
    virtual void printLine(const std::string& line) = 0;
    // Ends the job; throws OperationError when it cannot be printed.
    virtual void endJob() = 0;
};

// A PDF file printed as the printer prints: each job begins a new page, laid out by its
// page setup. Nothing is written before close(), which writes the whole file atomically
// (throws OperationError when it cannot; the file is then as it was).
class PdfFile : public PrintJobs {
  public:
    virtual void close() = 0;
};

// The system's default printer. Each job is one document.
class Printer : public PrintJobs {
  public:
    // False when no printer is installed.
    virtual bool available() = 0;
    // A PDF file at `path` to print into instead, available without a printer.
    virtual std::unique_ptr<PdfFile> openPdf(const std::string& path) = 0;
};

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    virtual void quit() = 0;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_PORTS_H_

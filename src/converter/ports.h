// What the conversion needs from the window around it: message boxes and a place to
// show progress. The window implements them with Qt; the command-line mode prints;
// tests script them.
#ifndef QBK_CONVERTER_PORTS_H_
#define QBK_CONVERTER_PORTS_H_

#include <cstddef>
#include <string>

#include "converter/version2_format.h"

namespace qbk::converter {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// A modal message box. Lines of `text` are separated by CR LF.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual Answer message(const std::string& text, const std::string& title, Icon icon,
                           Buttons buttons) = 0;
};

class Progress {
  public:
    virtual ~Progress() = default;
    // The conversion of the file at `listIndex` (from 0, in the order the file list
    // shows) of the given kind starts; it holds `recordCount` records.
    virtual void fileStarted(v2::FileKind kind, std::size_t listIndex, std::size_t recordCount) = 0;
    // Record `number` (from 1) of the current file has been converted.
    virtual void recordDone(std::size_t number) = 0;
    // True while files are being converted (the hourglass pointer), false before a
    // message is shown and at the end.
    virtual void setBusy(bool busy) = 0;
};

class NoProgress final : public Progress {
  public:
    void fileStarted(v2::FileKind, std::size_t, std::size_t) override {}
    void recordDone(std::size_t) override {}
    void setBusy(bool) override {}
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_PORTS_H_

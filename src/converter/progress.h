// What the conversion shows while it runs. The window shows a progress bar and the
// hourglass pointer; the command-line mode and the tests show nothing.
#ifndef QBK_CONVERTER_PROGRESS_H_
#define QBK_CONVERTER_PROGRESS_H_

#include <cstddef>

#include "converter/version2_format.h"

namespace qbk::converter {

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

#endif  // QBK_CONVERTER_PROGRESS_H_

// A delimited file that reads only once the user makes one choice of its layout.
// what() says what was found and, where it helps, what to choose; each front end adds
// where the choice is made in its own words: the command-line tool names its options,
// the import window its controls.
#ifndef QBK_IMPORT_LAYOUT_REFUSAL_H_
#define QBK_IMPORT_LAYOUT_REFUSAL_H_

#include <string>
#include <utility>

#include "platform/errors.h"

namespace qbk {

enum class LayoutChoice {
    FooterLines,  // lines at the end that are no entries: leave `values` lines out
    HeaderLines,  // the first line holds column names: leave it out (and the lines before)
    DateFormat,   // the dates' format: one of `values` ("dmy or mdy"); "" when none fits
    DecimalMark,  // the amounts' decimal mark
};

class LayoutRefusal : public OperationError {
  public:
    LayoutRefusal(const std::string& description, LayoutChoice choice, std::string values = {})
        : OperationError(errnum::kTypeMismatch, description),
          choice_(choice),
          values_(std::move(values)) {}
    LayoutChoice choice() const { return choice_; }
    const std::string& values() const { return values_; }

  private:
    LayoutChoice choice_;
    std::string values_;
};

}  // namespace qbk

#endif  // QBK_IMPORT_LAYOUT_REFUSAL_H_

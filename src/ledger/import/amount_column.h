// The decimal mark of a file's amounts, decided once from all of them: a bank writes
// every amount of an export the same way, whatever the user's regional settings are,
// so the figures of one line can tell how another line's 1.234 is meant.
#ifndef QBK_IMPORT_AMOUNT_COLUMN_H_
#define QBK_IMPORT_AMOUNT_COLUMN_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/money.h"
#include "platform/regional.h"

namespace qbk {

class DecimalMarkVote {
  public:
    explicit DecimalMarkVote(const RegionalSettings& regional) : regional_(regional) {}

    // Counts one amount text of the file; a text that is no amount at all is passed
    // over (it fails when the line is read).
    void add(std::string_view amountText);

    // The mark some amounts can only be read with (223.77: a point; 1.234,56: a comma);
    // with none of those, the regional settings' mark, which reads every amount the way
    // the other would. Throws LayoutRefusal (DecimalMark) when amounts need both marks,
    // or when some read as two values and no amount decides, naming the amounts and
    // their readings.
    DecimalMark decide() const;

    // decide's answer, or nullopt where it throws.
    std::optional<DecimalMark> decided() const;

  private:
    const RegionalSettings& regional_;
    std::string onlyPoint_, onlyComma_, twoWays_;  // the first amount of each kind
};

// The mark of the regional settings: a comma where they write 1.234,56.
DecimalMark regionalDecimalMark(const RegionalSettings& regional);

// "point" or "comma", as the options and the window name them.
std::string_view decimalMarkName(DecimalMark mark);

}  // namespace qbk

#endif  // QBK_IMPORT_AMOUNT_COLUMN_H_

// Amounts typed by the user, and amounts as plain decimal text.
#ifndef QBK_STORE_AMOUNT_H_
#define QBK_STORE_AMOUNT_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/money.h"
#include "platform/regional.h"

namespace qbk {

// Appends to `out` every character of `text` (blanks at both ends removed) that can
// belong to a number: the digits, "." and ",". Minus signs, currency signs, letters
// and inner blanks are dropped.
void FixNumberString(std::string_view text, std::string& out);

// The amount of an entry typed as `text`: an empty text counts as "0"; the text is
// filtered by FixNumberString, read in the regional settings, made absolute, rounded
// to four decimals (halves to even) and given the sign of income (+) or expense (-).
// nullopt when no number is left or it does not read one way (readFigures: 12.50 is
// twelve and a half in every setting, 1.2.3 is nothing).
std::optional<Money> typedAmount(std::string_view text, const RegionalSettings& regional,
                                 bool income);
// typedAmount with the reason of a refusal (RegionalSettings::readFigures).
AmountReading typedAmountReading(std::string_view text, const RegionalSettings& regional,
                                 bool income);

// `amount` as plain decimal text for other programs and for files: a point, no
// grouping, at least two decimals ("-12.50", "0.1234", "1500.00").
std::string decimalAmountText(Money amount);

}  // namespace qbk

#endif  // QBK_STORE_AMOUNT_H_

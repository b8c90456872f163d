// The number texts of the reports: right-aligned money, shares in per cent, bars.
#ifndef QBK_REPORTS_MONEY_TEXT_H_
#define QBK_REPORTS_MONEY_TEXT_H_

#include <cstddef>
#include <string>

#include "platform/money.h"
#include "platform/regional.h"

namespace qbk {

// w: the width in characters of 1000000 in the currency format ($1,000,000.00 is 13).
std::size_t moneyWidth(const RegionalSettings& regional);

// MoneyRight: the currency text of `amount`, surrounding blanks removed, filled with
// blanks on the left to `width` characters; a longer text is returned unchanged.
std::string MoneyRight(Money amount, const RegionalSettings& regional, std::size_t width);
std::string MoneyRight(Money amount, const RegionalSettings& regional);

// The share of `part` in `total` (both non-zero, of the same sign) in per cent: the
// ratio as a floating value, to four decimal places with halves to even, times 100, as
// plain number text ("33.33", "12.5", "100"), right-aligned in 5 characters (a longer
// text is not cut).
std::string shareText(Money part, Money total, const RegionalSettings& regional);

// The bar of `part` against `largest` (the section's largest category total, not 0):
// |part| * `fullWidth` / `largest` "|" characters, rounded with halves to even.
std::string barText(Money part, Money largest, int fullWidth);

}  // namespace qbk

#endif  // QBK_REPORTS_MONEY_TEXT_H_

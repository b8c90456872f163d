#include "reports/money_text.h"

#include <cstdint>

#include "platform/errors.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

__extension__ using Wide = unsigned __int128;

std::uint64_t magnitude(Money m) {
    const std::int64_t raw = m.raw();
    return raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
}

std::string padLeft(std::string text, std::size_t width) {
    const std::size_t n = charCount(text);
    if (n < width) text.insert(0, width - n, ' ');
    return text;
}

}  // namespace

std::size_t moneyWidth(const RegionalSettings& regional) {
    return charCount(trimBlanks(regional.currencyText(Money::fromUnits(1000000))));
}

std::string MoneyRight(Money amount, const RegionalSettings& regional, std::size_t width) {
    return padLeft(std::string(trimBlanks(regional.currencyText(amount))), width);
}

std::string MoneyRight(Money amount, const RegionalSettings& regional) {
    return MoneyRight(amount, regional, moneyWidth(regional));
}

std::string shareText(Money part, Money total, const RegionalSettings& regional) {
    const double ratio = static_cast<double>(part.raw()) / static_cast<double>(total.raw());
    const Money fraction = Money::fromDouble(ratio).value_or(Money());
    std::int64_t percent = 0;
    if (__builtin_mul_overflow(fraction.raw(), 100, &percent))
        throw OperationError(errnum::kOverflow, "Overflow");
    return padLeft(regional.numberText(Money::fromRaw(percent)), 5);
}

std::string barText(Money part, Money largest, int fullWidth) {
    const Wide numerator = Wide(magnitude(part)) * static_cast<unsigned>(fullWidth);
    const Wide denominator = magnitude(largest);
    if (denominator == 0) return {};
    Wide bars = numerator / denominator;
    const Wide twiceRest = numerator % denominator * 2;
    if (twiceRest > denominator || (twiceRest == denominator && bars % 2 == 1)) ++bars;
    return std::string(static_cast<std::size_t>(bars), '|');
}

}  // namespace qbk

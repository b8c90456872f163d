#include "platform/money.h"

#include <cmath>
#include <limits>

#include "platform/errors.h"

namespace qbk {
namespace {

[[noreturn]] void overflow() {
    throw OperationError(errnum::kOverflow, "Overflow");
}

}  // namespace

Money Money::abs() const {
    return raw_ < 0 ? -*this : *this;
}

Money Money::operator-() const {
    if (raw_ == std::numeric_limits<std::int64_t>::min()) overflow();
    return Money(-raw_);
}

Money& Money::operator+=(Money other) {
    if (__builtin_add_overflow(raw_, other.raw_, &raw_)) overflow();
    return *this;
}

Money& Money::operator-=(Money other) {
    if (__builtin_sub_overflow(raw_, other.raw_, &raw_)) overflow();
    return *this;
}

std::optional<Money> Money::fromDouble(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double scaled = std::nearbyint(value * kScale);  // default rounding: halves to even
    if (scaled >= 9.2233720368547758e18 || scaled < -9.2233720368547758e18) return std::nullopt;
    return Money(static_cast<std::int64_t>(scaled));
}

std::optional<Money> Money::parseDecimal(std::string_view text, char decimalPoint) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    std::uint64_t units = 0;  // magnitude in ten-thousandths, before rounding
    int fractionDigits = 0;
    bool seenPoint = false, seenDigit = false;
    int roundDigit = -1;      // first digit beyond the fourth decimal place
    bool stickyTail = false;  // a non-zero digit after that one
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == decimalPoint && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        seenDigit = true;
        const unsigned d = static_cast<unsigned>(c - '0');
        if (seenPoint && fractionDigits >= 4) {
            if (roundDigit < 0)
                roundDigit = static_cast<int>(d);
            else if (d != 0)
                stickyTail = true;
            continue;
        }
        if (__builtin_mul_overflow(units, 10u, &units) || __builtin_add_overflow(units, d, &units))
            return std::nullopt;
        if (seenPoint) ++fractionDigits;
    }
    if (!seenDigit) return std::nullopt;
    for (; fractionDigits < 4; ++fractionDigits)
        if (__builtin_mul_overflow(units, 10u, &units)) return std::nullopt;
    if (roundDigit > 5 || (roundDigit == 5 && (stickyTail || (units & 1)))) ++units;
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    if (units == 0 || units > limit)
        return units == 0 ? std::optional<Money>(Money()) : std::nullopt;
    if (!negative) return Money(static_cast<std::int64_t>(units));
    return Money(static_cast<std::int64_t>(~units + 1));  // two's complement of the magnitude
}

}  // namespace qbk

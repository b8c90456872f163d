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

std::optional<Money> Money::parseFigures(std::string_view figures, DecimalMark mark,
                                         bool grouping) {
    const char decimal = mark == DecimalMark::Point ? '.' : ',';
    const char group = mark == DecimalMark::Point ? ',' : '.';
    const std::size_t point = figures.find(decimal);
    const std::string_view whole = figures.substr(0, point);
    std::string plain;
    std::size_t groupDigits = 0;  // digits since the last group mark
    bool grouped = false;
    for (const char c : whole) {
        if (c == group) {
            // A group mark follows one to three digits, or three after another mark.
            if (!grouping || groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
        } else if (c >= '0' && c <= '9') {
            plain += c;
            ++groupDigits;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && groupDigits != 3) return std::nullopt;
    if (point != std::string_view::npos) {
        const std::string_view fraction = figures.substr(point + 1);
        if (fraction.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
        plain += '.';
        plain += fraction;
    }
    return parseDecimal(plain, '.');
}

}  // namespace qbk

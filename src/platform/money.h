// Money: a signed count of ten-thousandths, the fixed-point currency of every amount.
#ifndef QBK_PLATFORM_MONEY_H_
#define QBK_PLATFORM_MONEY_H_

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qbk {

class Money;

// The two ways of writing a decimal number: 1,234.56 (point) and 1.234,56 (comma).
enum class DecimalMark { Point, Comma };

class Money {
  public:
    static constexpr std::int64_t kScale = 10000;  // units per whole currency unit

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromUnits(std::int64_t units) { return Money(units * kScale); }

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }

    // Arithmetic that would leave the 64-bit range throws OperationError (Overflow);
    // a sum never wraps around.
    Money abs() const;
    Money operator-() const;
    Money& operator+=(Money other);
    Money& operator-=(Money other);
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }
    friend constexpr auto operator<=>(Money, Money) = default;

    // The value of `value` rounded to four decimal places, halves to the even neighbour;
    // nullopt when it is not finite or out of range.
    static std::optional<Money> fromDouble(double value);

    // Parses plain decimal text: optional '-', digits, optional `decimalPoint` and
    // more digits (rounded to four places, halves to even). Nothing else is accepted.
    static std::optional<Money> parseDecimal(std::string_view text, char decimalPoint = '.');

    // Reads figures (digits, "." and "," only, no sign) with `mark` as the decimal mark,
    // at most once. The other character groups the whole part in threes after a first
    // group of one to three digits (1,234,567.5); with `grouping` false it may not stand
    // at all. nullopt when the text does not fit, has no digit, or is out of range.
    static std::optional<Money> parseFigures(std::string_view figures, DecimalMark mark,
                                             bool grouping = true);

  private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_MONEY_H_

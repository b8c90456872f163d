#include "platform/money.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/errors.h"

namespace qbk {
namespace {

std::int64_t raw(std::string_view text) {
    return Money::parseDecimal(text).value().raw();
}

TEST(MoneyParseDecimal, ReadsWholeAndFractionalTenThousandths) {
    EXPECT_EQ(raw("12.50"), 125000);
    EXPECT_EQ(raw("12"), 120000);
    EXPECT_EQ(raw(".5"), 5000);
    EXPECT_EQ(raw("-1234.5678"), -12345678);
    EXPECT_EQ(Money::parseDecimal("12,5", ',').value().raw(), 125000);
}

TEST(MoneyParseDecimal, RoundsBeyondFourPlacesHalfToEven) {
    EXPECT_EQ(raw("0.00005"), 0);      // 0.5 ten-thousandths: down to even 0
    EXPECT_EQ(raw("0.00015"), 2);      // 1.5: up to even 2
    EXPECT_EQ(raw("0.000050001"), 1);  // more than half
    EXPECT_EQ(raw("12.34565"), 123456);
    EXPECT_EQ(raw("12.34575"), 123458);
    EXPECT_EQ(raw("-1.23456"), -12346);
}

TEST(MoneyParseDecimal, RefusesWhatIsNotAPlainNumber) {
    for (const char* bad : {"", ".", "-", "abc", "1.2.3", "1,5", "1e5", " 1", "--1"})
        EXPECT_FALSE(Money::parseDecimal(bad).has_value()) << bad;
}

TEST(MoneyParseDecimal, KeepsTheWholeSixtyFourBitRangeAndNoMore) {
    EXPECT_EQ(raw("922337203685477.5807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(raw("-922337203685477.5808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(Money::parseDecimal("922337203685477.5808").has_value());
    EXPECT_FALSE(Money::parseDecimal("99999999999999999999").has_value());
}

TEST(MoneyArithmetic, OverflowIsAnErrorNotAWrapAround) {
    const Money big = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    try {
        (void)(big + Money::fromRaw(1));
        FAIL() << "no overflow reported";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.number(), errnum::kOverflow);
        EXPECT_STREQ(e.what(), "Overflow");
    }
    EXPECT_THROW((void)(-Money::fromRaw(std::numeric_limits<std::int64_t>::min())), OperationError);
    EXPECT_EQ((Money::fromRaw(-5) + Money::fromRaw(3)).raw(), -2);
    EXPECT_EQ(Money::fromRaw(-5).abs().raw(), 5);
}

TEST(MoneyFromDouble, RoundsToFourPlacesHalfToEven) {
    EXPECT_EQ(Money::fromDouble(0.33333333).value().raw(), 3333);
    EXPECT_EQ(Money::fromDouble(0.125).value().raw(), 1250);
    EXPECT_EQ(Money::fromDouble(0.00005).value().raw(), 0);
    EXPECT_FALSE(Money::fromDouble(1e300).has_value());
}

}  // namespace
}  // namespace qbk

#include "tools/calculator.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

TEST(CalcNumberText, LeadingBlankSevenDigitsAndExponents) {
    EXPECT_EQ(calcNumberText(8, kUs), " 8");
    EXPECT_EQ(calcNumberText(-2.5f, kUs), "-2.5");
    EXPECT_EQ(calcNumberText(0, kUs), " 0");
    EXPECT_EQ(calcNumberText(-0.0f, kUs), " 0");
    EXPECT_EQ(calcNumberText(1.0f / 3, kUs), " 0.3333333");
    EXPECT_EQ(calcNumberText(0.1f + 0.2f, kUs), " 0.3");
    EXPECT_EQ(calcNumberText(1234567, kUs), " 1234567");
    EXPECT_EQ(calcNumberText(123456789, kUs), " 1.234568E+08");
    EXPECT_EQ(calcNumberText(0.0001f, kUs), " 0.0001");
    EXPECT_EQ(calcNumberText(0.00001f, kUs), " 1E-05");
    EXPECT_EQ(calcNumberText(-3.4e38f, kUs), "-3.4E+38");
    EXPECT_EQ(calcNumberText(2.5f, RegionalSettings::germany()), " 2,5");
}

TEST(CalcReadNumber, TakesWhatUsersTypeAndWhatTheResultShows) {
    EXPECT_EQ(calcReadNumber(" 12.5 ", kUs), 12.5f);
    EXPECT_EQ(calcReadNumber("-.5", kUs), -0.5f);
    EXPECT_EQ(calcReadNumber("+3", kUs), 3.0f);
    EXPECT_EQ(calcReadNumber("1,234.5", kUs), 1234.5f);
    EXPECT_EQ(calcReadNumber(" 1.234568E+08", kUs), 123456800.0f);
    EXPECT_EQ(calcReadNumber("1e-5", kUs), 1e-5f);
    EXPECT_EQ(calcReadNumber("$1,234.50", kUs), 1234.5f);
    EXPECT_EQ(calcReadNumber("(5)", kUs), -5.0f);
    EXPECT_EQ(calcReadNumber(" 2,5", RegionalSettings::germany()), 2.5f);
    for (const char* bad : {"", "  ", "abc", "1.2.3", "1e", "5x", "1e39", "-", "."})
        EXPECT_EQ(calcReadNumber(bad, kUs), std::nullopt) << bad;
}

TEST(Calculator, TheFourOperationsShowOperatorAndResult) {
    Calculator c(kUs);
    EXPECT_EQ(c.display().op, "?");
    c.operate(CalcOperator::Add, "5", "3");
    EXPECT_EQ(c.display().result, " 8");
    EXPECT_EQ(c.display().op, "+");
    c.operate(CalcOperator::Subtract, "5", "8");
    EXPECT_EQ(c.display().result, "-3");
    EXPECT_EQ(c.display().op, "-");
    c.operate(CalcOperator::Multiply, "1.5", "4");
    EXPECT_EQ(c.display().result, " 6");
    EXPECT_EQ(c.display().op, "x");
    c.operate(CalcOperator::Divide, "1", "3");
    EXPECT_EQ(c.display().result, " 0.3333333");
    EXPECT_EQ(c.display().op, "/");
}

TEST(Calculator, SinglePrecisionIsKept) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "16777216", "1");  // 2^24 + 1 has no float form
    EXPECT_EQ(c.resultValue(), 16777216.0f);
    EXPECT_EQ(c.display().result, " 1.677722E+07");
}

TEST(Calculator, ResultOnTopChainsOperations) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "5", "3");
    c.resultOnTop();
    EXPECT_EQ(c.display().top, " 8");
    EXPECT_EQ(c.display().bottom, "");
    EXPECT_EQ(c.display().result, "");
    c.operate(CalcOperator::Multiply, c.display().top, "2");
    EXPECT_EQ(c.display().result, " 16");
    // An empty bottom box does not read: the last bottom operand is used again.
    c.resultOnTop();
    c.operate(CalcOperator::Multiply, c.display().top, c.display().bottom);
    EXPECT_EQ(c.display().result, " 32");
}

TEST(Calculator, DivisionByZeroAndOverflowLeaveTheResultAsItWas) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "2", "2");
    c.operate(CalcOperator::Divide, "7", "0");
    EXPECT_EQ(c.display().result, " 4");
    EXPECT_EQ(c.display().op, "/");
    EXPECT_EQ(c.resultValue(), 4.0f);
    c.operate(CalcOperator::Divide, "0", "0");
    EXPECT_EQ(c.display().result, " 4");
    c.operate(CalcOperator::Multiply, "3e38", "10");
    EXPECT_EQ(c.display().result, " 4");
    EXPECT_EQ(c.display().op, "x");
}

TEST(Calculator, AnOperandThatDoesNotReadKeepsItsPreviousValue) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "10", "1");
    c.operate(CalcOperator::Subtract, "ten", "4");
    EXPECT_EQ(c.display().result, " 6");
    EXPECT_EQ(c.display().top, "ten");
    // Before any value was read the operands are zero.
    Calculator fresh(kUs);
    fresh.operate(CalcOperator::Subtract, "", "x");
    EXPECT_EQ(fresh.display().result, " 0");
}

TEST(Calculator, ClearEmptiesEverythingButTheOperator) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "5", "3");
    c.clear();
    EXPECT_EQ(c.display().top, "");
    EXPECT_EQ(c.display().bottom, "");
    EXPECT_EQ(c.display().result, "");
    EXPECT_EQ(c.display().op, "+");
    c.operate(CalcOperator::Add, "", "");
    EXPECT_EQ(c.display().result, " 0");
}

}  // namespace
}  // namespace qbk

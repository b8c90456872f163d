#include "tools/calculator.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

TEST(CalcNumberText, LeadingBlankFifteenDigitsAndExponents) {
    EXPECT_EQ(calcNumberText(8, kUs), " 8");
    EXPECT_EQ(calcNumberText(-2.5, kUs), "-2.5");
    EXPECT_EQ(calcNumberText(0, kUs), " 0");
    EXPECT_EQ(calcNumberText(-0.0, kUs), " 0");
    EXPECT_EQ(calcNumberText(1.0 / 3, kUs), " 0.333333333333333");
    EXPECT_EQ(calcNumberText(0.1 + 0.2, kUs), " 0.3");
    EXPECT_EQ(calcNumberText(123456789012345, kUs), " 123456789012345");
    EXPECT_EQ(calcNumberText(1234567890123456, kUs), " 1.23456789012346E+15");
    EXPECT_EQ(calcNumberText(0.0001, kUs), " 0.0001");
    EXPECT_EQ(calcNumberText(0.00001, kUs), " 1E-05");
    EXPECT_EQ(calcNumberText(-1.7e308, kUs), "-1.7E+308");
    EXPECT_EQ(calcNumberText(2.5, RegionalSettings::germany()), " 2,5");
}

TEST(CalcReadNumber, TakesWhatUsersTypeAndWhatTheResultShows) {
    EXPECT_EQ(calcReadNumber(" 12.5 ", kUs), 12.5);
    EXPECT_EQ(calcReadNumber("-.5", kUs), -0.5);
    EXPECT_EQ(calcReadNumber("+3", kUs), 3.0);
    EXPECT_EQ(calcReadNumber("1,234.5", kUs), 1234.5);
    EXPECT_EQ(calcReadNumber(" 1.23456789012346E+15", kUs), 1234567890123460.0);
    EXPECT_EQ(calcReadNumber("1e-5", kUs), 1e-5);
    EXPECT_EQ(calcReadNumber("$1,234.50", kUs), 1234.5);
    EXPECT_EQ(calcReadNumber("(5)", kUs), -5.0);
    EXPECT_EQ(calcReadNumber(" 2,5", RegionalSettings::germany()), 2.5);
    for (const char* bad : {"", "  ", "abc", "1.2.3", "1e", "5x", "1e309", "-", "."})
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
    EXPECT_EQ(c.display().result, " 0.333333333333333");
    EXPECT_EQ(c.display().op, "/");
}

TEST(Calculator, AmountsKeepTheirCents) {
    Calculator c(kUs);
    c.operate(CalcOperator::Add, "123456.78", "1");
    EXPECT_EQ(c.display().result, " 123457.78");
    c.operate(CalcOperator::Add, "1234567.89", "0.01");
    EXPECT_EQ(c.display().result, " 1234567.9");
    c.operate(CalcOperator::Subtract, "$98,765,432.10", "0.1");
    EXPECT_EQ(c.display().result, " 98765432");
    c.operate(CalcOperator::Multiply, "19.99", "3");
    EXPECT_EQ(c.display().result, " 59.97");
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
    EXPECT_EQ(c.resultValue(), 4.0);
    c.operate(CalcOperator::Divide, "0", "0");
    EXPECT_EQ(c.display().result, " 4");
    c.operate(CalcOperator::Multiply, "1e308", "10");
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

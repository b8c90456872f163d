// The small calculator: two operands and a result in double precision (amounts of
// billions keep their cents), chained by putting the result on top. Errors never reach the user: an
// operand that does not read keeps its previous value, and a result that cannot be formed (division
// by zero, overflow) leaves the result display as it was.
#ifndef QBK_TOOLS_CALCULATOR_H_
#define QBK_TOOLS_CALCULATOR_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/regional.h"

namespace qbk {

// The number text form: up to fifteen significant digits, the regional decimal
// separator, no grouping, no trailing zeros, an exponent ("1.23456789012346E+15") from
// sixteen integer digits on and below 0.0001; a blank before a number that is not
// negative, "-" before a negative one: " 12.5", "-0.25", " 0".
std::string calcNumberText(double value, const RegionalSettings& regional);

// A number typed or shown in an operand box: blanks around, a sign, digits with group
// separators, the decimal separator, an exponent; or a money text of the regional
// settings ("$1,234.50", "(5)"). nullopt when it is no number or out of range.
std::optional<double> calcReadNumber(std::string_view text, const RegionalSettings& regional);

enum class CalcOperator { Add, Subtract, Multiply, Divide };

class Calculator {
  public:
    // What the window shows: the operand boxes TCTopNum and TCBotNum, the operator
    // label TCOp ("?" at opening) and the result label TCResult.
    struct Display {
        std::string top, bottom, op = "?", result;
    };

    explicit Calculator(const RegionalSettings& regional) : regional_(regional) {}

    // TCAdd, TCSub, TCMul, TCDiv with the boxes holding `top` and `bottom`: reads them
    // (each keeps the previous value when it does not read), shows the operator ("+",
    // "-", "x", "/") and, when it can be formed, the result.
    void operate(CalcOperator op, std::string_view top, std::string_view bottom);
    // TCClear: values zero, boxes and result empty.
    void clear();
    // TCRepeat ("result on top"): the result's text goes into the top box; the bottom
    // box and the result are emptied. The values stay, so an empty bottom box reuses
    // the last bottom operand.
    void resultOnTop();

    const Display& display() const { return display_; }
    double topValue() const { return top_; }
    double bottomValue() const { return bottom_; }
    double resultValue() const { return result_; }

  private:
    const RegionalSettings& regional_;
    Display display_;
    double top_ = 0, bottom_ = 0, result_ = 0;
};

}  // namespace qbk

#endif  // QBK_TOOLS_CALCULATOR_H_

#include "tools/calculator.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr int kSignificantDigits = 15;

// The plain number syntax, rewritten for from_chars: sign, digits, ".", exponent.
std::optional<double> readPlain(std::string_view t, const RegionalSettings& r) {
    std::string c;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        if (t[i] == '-') c += '-';
        ++i;
    }
    bool digits = false, decimal = false;
    while (i < t.size()) {
        const std::string_view rest = t.substr(i);
        if (rest[0] >= '0' && rest[0] <= '9') {
            c += rest[0];
            digits = true;
            ++i;
        } else if (!decimal && rest.starts_with(r.decimalSeparator)) {
            c += '.';
            decimal = true;
            i += r.decimalSeparator.size();
        } else if (digits && !decimal && !r.groupSeparator.empty() &&
                   rest.starts_with(r.groupSeparator)) {
            i += r.groupSeparator.size();
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) c += t[i++];
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            c += t[i++];
        if (i == start) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), value);
    if (ec != std::errc() || end != c.data() + c.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

std::string calcNumberText(double value, const RegionalSettings& regional) {
    if (value == 0) return " 0";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*G", kSignificantDigits, value);
    std::string text = buf;
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, regional.decimalSeparator);
    return text.front() == '-' ? text : " " + text;
}

std::optional<double> calcReadNumber(std::string_view text, const RegionalSettings& regional) {
    const std::string_view t = trimBlanks(text);
    if (const auto plain = readPlain(t, regional)) return plain;
    if (const auto money = regional.parseAmount(t)) return money->toDouble();
    return std::nullopt;
}

void Calculator::operate(CalcOperator op, std::string_view top, std::string_view bottom) {
    display_.top = std::string(top);
    display_.bottom = std::string(bottom);
    if (const auto v = calcReadNumber(top, regional_)) top_ = *v;
    if (const auto v = calcReadNumber(bottom, regional_)) bottom_ = *v;

    std::optional<double> result;
    switch (op) {
        case CalcOperator::Add:
            display_.op = "+";
            result = top_ + bottom_;
            break;
        case CalcOperator::Subtract:
            display_.op = "-";
            result = top_ - bottom_;
            break;
        case CalcOperator::Multiply:
            display_.op = "x";
            result = top_ * bottom_;
            break;
        case CalcOperator::Divide:
            display_.op = "/";
            if (bottom_ != 0) result = top_ / bottom_;
            break;
    }
    if (!result || !std::isfinite(*result)) return;
    result_ = *result;
    display_.result = calcNumberText(result_, regional_);
}

void Calculator::clear() {
    top_ = bottom_ = result_ = 0;
    display_.top.clear();
    display_.bottom.clear();
    display_.result.clear();
}

void Calculator::resultOnTop() {
    display_.top = display_.result;
    display_.bottom.clear();
    display_.result.clear();
}

}  // namespace qbk

#include "store/amount.h"

#include <cstdint>

#include "platform/windows1252.h"

namespace qbk {

void FixNumberString(std::string_view text, std::string& out) {
    for (char c : trimBlanks(text))
        if ((c >= '0' && c <= '9') || c == '.' || c == ',') out += c;
}

AmountReading typedAmountReading(std::string_view text, const RegionalSettings& regional,
                                 bool income) {
    if (trimBlanks(text).empty()) text = "0";
    std::string filtered;
    FixNumberString(text, filtered);
    AmountReading reading = regional.readFigures(filtered);
    if (reading.value) reading.value = income ? reading.value->abs() : -reading.value->abs();
    return reading;
}

std::optional<Money> typedAmount(std::string_view text, const RegionalSettings& regional,
                                 bool income) {
    return typedAmountReading(text, regional, income).value;
}

std::string decimalAmountText(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t size =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const auto scale = static_cast<std::uint64_t>(Money::kScale);
    std::string fraction = std::to_string(size % scale + scale).substr(1);  // four digits
    while (fraction.size() > 2 && fraction.back() == '0')
        fraction.pop_back();
    return (raw < 0 ? "-" : "") + std::to_string(size / scale) + "." + fraction;
}

}  // namespace qbk

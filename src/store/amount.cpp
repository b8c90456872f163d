#include "store/amount.h"

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

}  // namespace qbk

#include "store/amount.h"

#include "platform/windows1252.h"

namespace qbk {

void FixNumberString(std::string_view text, std::string& out) {
    for (char c : trimBlanks(text))
        if ((c >= '0' && c <= '9') || c == '.' || c == ',') out += c;
}

std::optional<Money> typedAmount(std::string_view text, const RegionalSettings& regional,
                                 bool income) {
    if (trimBlanks(text).empty()) text = "0";
    std::string filtered;
    FixNumberString(text, filtered);
    const std::optional<Money> value = regional.parseTypedAmount(filtered);
    if (!value) return std::nullopt;
    return income ? value->abs() : -value->abs();
}

}  // namespace qbk

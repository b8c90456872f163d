#include "import/amount_column.h"

#include "import/layout_refusal.h"
#include "platform/errors.h"
#include "platform/windows1252.h"

namespace qbk {

DecimalMark regionalDecimalMark(const RegionalSettings& regional) {
    return regional.decimalSeparator == "," ? DecimalMark::Comma : DecimalMark::Point;
}

std::string_view decimalMarkName(DecimalMark mark) {
    return mark == DecimalMark::Point ? "point" : "comma";
}

void DecimalMarkVote::add(std::string_view amountText) {
    const auto split = regional_.splitAmountText(amountText);
    if (!split) return;
    const auto point = Money::parseFigures(split->figures, DecimalMark::Point);
    const auto comma = Money::parseFigures(split->figures, DecimalMark::Comma);
    std::string* first = point && comma ? (*point != *comma ? &twoWays_ : nullptr)
                         : point        ? &onlyPoint_
                         : comma        ? &onlyComma_
                                        : nullptr;
    if (first && first->empty()) *first = trimBlanks(amountText);
}

std::optional<DecimalMark> DecimalMarkVote::decided() const {
    if (!onlyPoint_.empty() && !onlyComma_.empty()) return std::nullopt;
    if (!onlyPoint_.empty()) return DecimalMark::Point;
    if (!onlyComma_.empty()) return DecimalMark::Comma;
    if (!twoWays_.empty()) return std::nullopt;
    return regionalDecimalMark(regional_);
}

DecimalMark DecimalMarkVote::decide() const {
    if (const auto mark = decided()) return *mark;
    std::string text;
    if (!onlyPoint_.empty() && !onlyComma_.empty()) {
        text = "The amounts of this file are written with both decimal marks: \"" + onlyPoint_ +
               "\" with a point and \"" + onlyComma_ + "\" with a comma";
    } else {
        const auto split = regional_.splitAmountText(twoWays_);
        const Money point = *Money::parseFigures(split->figures, DecimalMark::Point);
        const Money comma = *Money::parseFigures(split->figures, DecimalMark::Comma);
        text = "The amounts of this file read two ways: \"" + twoWays_ + "\" is " +
               regional_.numberText(point) + " with a decimal point, or " +
               regional_.numberText(comma) + " with a decimal comma";
    }
    throw LayoutRefusal(text + "; say which", LayoutChoice::DecimalMark);
}

}  // namespace qbk

#include "mainwindow/grid_layout.h"

namespace qbk {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// The fixed pieces the header strings are made of.
const std::string kNote50 = "Note" + blanks(46);
const std::string kPieceA = "<Date           |>Amount       |<" + kNote50 + "|<";
const std::string kPieceB = "    |<";
const std::string kPieceC = "    |<Category    |<" + blanks(123);
const std::string kPieceD = "<Date           |>Amount       |<";
const std::string kPieceE = "    |<" + kNote50 + "|<";
const std::string kPieceF = "    |<" + kNote50 + "|<Category    |<" + blanks(123);
const std::string kPieceG = "<Date           |>Amount       |<Category    |<" + kNote50 + "|<";
const std::string kPieceH = "    |<" + blanks(123);

int indexOf(std::string_view gridOrder) {
    for (std::size_t i = 0; i < kGridOrders.size(); ++i)
        if (kGridOrders[i] == gridOrder) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::optional<GridColumns> gridColumns(std::string_view gridOrder) {
    using C = GridColumn;
    static constexpr std::array<std::array<C, 4>, 7> kMiddle = {{
        {C::Note, C::UserField1, C::UserField2, C::Category},  // -n12-
        {C::UserField1, C::Note, C::UserField2, C::Category},  // -1n2-
        {C::UserField1, C::UserField2, C::Note, C::Category},  // -12n-
        {C::Note, C::UserField2, C::UserField1, C::Category},  // -n21-
        {C::UserField2, C::Note, C::UserField1, C::Category},  // -2n1-
        {C::UserField2, C::UserField1, C::Note, C::Category},  // -21n-
        {C::Category, C::Note, C::UserField1, C::UserField2},  // --n12
    }};
    const int i = indexOf(gridOrder);
    if (i < 0) return std::nullopt;
    const auto& m = kMiddle[static_cast<std::size_t>(i)];
    return GridColumns{C::Date, C::Amount, m[0], m[1], m[2], m[3], C::Stamp};
}

std::optional<std::string> headerFormat(std::string_view gridOrder, std::string_view udf1Name,
                                        std::string_view udf2Name) {
    const std::string u1(udf1Name), u2(udf2Name);
    switch (indexOf(gridOrder)) {
        case 0:
            return kPieceA + u1 + kPieceB + u2 + kPieceC;
        case 1:
            return kPieceD + u1 + kPieceE + u2 + kPieceC;
        case 2:
            return kPieceD + u1 + kPieceB + u2 + kPieceF;
        case 3:
            return kPieceA + u2 + kPieceB + u1 + kPieceC;
        case 4:
            return kPieceD + u2 + kPieceE + u1 + kPieceC;
        case 5:
            return kPieceD + u2 + kPieceB + u1 + kPieceF;
        case 6:
            return kPieceG + u1 + kPieceB + u2 + kPieceH;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> nextGridOrder(std::string_view gridOrder) {
    const int i = indexOf(gridOrder);
    if (i < 0) return std::nullopt;
    return std::string(kGridOrders[static_cast<std::size_t>(i + 1) % kGridOrders.size()]);
}

std::vector<HeaderColumn> parseHeaderFormat(std::string_view format) {
    std::vector<HeaderColumn> columns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = format.find('|', start);
        std::string_view piece =
            format.substr(start, bar == std::string_view::npos ? bar : bar - start);
        HeaderColumn column;
        if (!piece.empty() &&
            (piece.front() == '<' || piece.front() == '>' || piece.front() == '^')) {
            column.rightAligned = piece.front() == '>';
            piece.remove_prefix(1);
        }
        column.title = std::string(piece);
        columns.push_back(std::move(column));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return columns;
}

}  // namespace qbk

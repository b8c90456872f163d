// The column layouts of the record grid. The first two columns are always the date
// and the amount, the seventh always the record stamp; the column order code
// (GridOrder of the settings) arranges the four in between.
#ifndef QBK_MAINWINDOW_GRID_LAYOUT_H_
#define QBK_MAINWINDOW_GRID_LAYOUT_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

enum class GridColumn { Date, Amount, Note, UserField1, UserField2, Category, Stamp };
using GridColumns = std::array<GridColumn, 7>;

// The seven column order codes, in the order of the F9 cycle.
inline constexpr std::array<std::string_view, 7> kGridOrders = {"-n12-", "-1n2-", "-12n-", "-n21-",
                                                                "-2n1-", "-21n-", "--n12"};

// The columns of a code; nullopt for a code that is none of the seven.
std::optional<GridColumns> gridColumns(std::string_view gridOrder);

// The header format string of a code with the two user-field labels (10 characters as
// stored, trailing blanks kept): "<" left-aligned, ">" right-aligned, "|" between
// columns, each column as wide as its header text. nullopt for an unknown code.
std::optional<std::string> headerFormat(std::string_view gridOrder, std::string_view udf1Name,
                                        std::string_view udf2Name);

// The code after `gridOrder` in the F9 cycle (the last goes back to the first);
// nullopt for an unknown code.
std::optional<std::string> nextGridOrder(std::string_view gridOrder);

// One column of a header format string: its title with its blanks, and alignment.
struct HeaderColumn {
    std::string title;
    bool rightAligned = false;
};
std::vector<HeaderColumn> parseHeaderFormat(std::string_view format);

}  // namespace qbk

#endif  // QBK_MAINWINDOW_GRID_LAYOUT_H_

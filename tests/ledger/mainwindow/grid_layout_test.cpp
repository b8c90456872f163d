#include "mainwindow/grid_layout.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

const std::string kU1 = "user 1    ";
const std::string kU2 = "Vendor    ";

std::string b(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(GridLayout, HeaderOfTheDefaultOrderIsAssembledFromItsPieces) {
    EXPECT_EQ(*headerFormat("-n12-", kU1, kU2), "<Date" + b(11) + "|>Amount" + b(7) + "|<Note" +
                                                    b(46) + "|<user 1" + b(8) + "|<Vendor" + b(8) +
                                                    "|<Category" + b(4) + "|<" + b(123));
}

TEST(GridLayout, HeadersOfTheOtherOrders) {
    const std::string date = "<Date" + b(11) + "|>Amount" + b(7) + "|<";
    const std::string note = "Note" + b(46);
    EXPECT_EQ(*headerFormat("-1n2-", kU1, kU2), date + kU1 + b(4) + "|<" + note + "|<" + kU2 +
                                                    b(4) + "|<Category" + b(4) + "|<" + b(123));
    EXPECT_EQ(*headerFormat("-21n-", kU1, kU2), date + kU2 + b(4) + "|<" + kU1 + b(4) + "|<" +
                                                    note + "|<Category" + b(4) + "|<" + b(123));
    EXPECT_EQ(*headerFormat("--n12", kU1, kU2), date + "Category" + b(4) + "|<" + note + "|<" +
                                                    kU1 + b(4) + "|<" + kU2 + b(4) + "|<" + b(123));
    EXPECT_FALSE(headerFormat("-x-", kU1, kU2).has_value());
}

TEST(GridLayout, HeaderColumnsGiveTitlesWidthsAndAlignment) {
    const auto columns = parseHeaderFormat(*headerFormat("-n12-", kU1, kU2));
    ASSERT_EQ(columns.size(), 7u);
    EXPECT_EQ(columns[0].title.size(), 15u);
    EXPECT_FALSE(columns[0].rightAligned);
    EXPECT_EQ(columns[1].title, "Amount" + b(7));
    EXPECT_TRUE(columns[1].rightAligned);
    EXPECT_EQ(columns[2].title.size(), 50u);
    EXPECT_EQ(columns[3].title, kU1 + b(4));
    EXPECT_EQ(columns[6].title, b(123));
}

TEST(GridLayout, ColumnsFollowTheOrderCode) {
    using C = GridColumn;
    EXPECT_EQ(*gridColumns("-2n1-"), (GridColumns{C::Date, C::Amount, C::UserField2, C::Note,
                                                  C::UserField1, C::Category, C::Stamp}));
    EXPECT_EQ(*gridColumns("--n12"), (GridColumns{C::Date, C::Amount, C::Category, C::Note,
                                                  C::UserField1, C::UserField2, C::Stamp}));
}

TEST(GridLayout, SevenPressesOfF9ReturnToTheStartingOrder) {
    std::string order = "-12n-";
    std::vector<std::string> seen;
    for (int i = 0; i < 7; ++i) {
        order = *nextGridOrder(order);
        seen.push_back(order);
    }
    EXPECT_EQ(order, "-12n-");
    EXPECT_EQ(seen, (std::vector<std::string>{"-n21-", "-2n1-", "-21n-", "--n12", "-n12-", "-1n2-",
                                              "-12n-"}));
    EXPECT_FALSE(nextGridOrder("n12").has_value());
}

}  // namespace
}  // namespace qbk

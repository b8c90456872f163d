// Money out and money in by category, grouped, labelled and rounded as the summary
// report groups them, and the bars a chart draws of them.
#ifndef QBK_CHARTS_CATEGORY_CHART_H_
#define QBK_CHARTS_CATEGORY_CHART_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/money.h"
#include "platform/regional.h"
#include "reports/report_files.h"
#include "store/category_record.h"

namespace qbk {

inline constexpr std::size_t kShownCategories = 12;
inline constexpr std::string_view kOtherLabel = "Other";

struct CategoryBar {
    std::string code;   // CatCode as stored (10 characters); empty for "Other"
    std::string label;  // CatName without surrounding blanks, or "Other"
    Money amount;       // negative for money out
    std::string share;  // per cent of the section's total as the summary writes it: "33.33"
    friend bool operator==(const CategoryBar&, const CategoryBar&) = default;
};

struct CategorySection {
    Money total;                    // of every entry of the section, as the summary's total
    std::vector<CategoryBar> bars;  // the summary's category lines, in category file order
};

struct CategoryChart {
    CategorySection moneyOut, moneyIn;
};

// The two sections of `entries` over the category file's records `categories`. Throws
// OperationError (Overflow) when a total leaves the currency range.
CategoryChart categoryChart(const ReportSplit& entries,
                            const std::vector<CategoryRecord>& categories,
                            const RegionalSettings& regional);

// The bars to draw: largest amount first (equal amounts keep file order), the first
// `shown` of them, then one "Other" bar for the rest of the section's total (smaller
// categories and entries whose code is in no category record) when that is not 0. A
// category that stands twice in the category file is drawn once.
std::vector<CategoryBar> largestFirst(const CategorySection& section,
                                      const RegionalSettings& regional,
                                      std::size_t shown = kShownCategories);

}  // namespace qbk

#endif  // QBK_CHARTS_CATEGORY_CHART_H_

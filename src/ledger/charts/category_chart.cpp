#include "charts/category_chart.h"

#include <algorithm>
#include <set>

#include "platform/windows1252.h"
#include "reports/category_totals.h"
#include "reports/money_text.h"

namespace qbk {
namespace {

CategorySection sectionOf(const RecordFileContent& file,
                          const std::vector<CategoryRecord>& categories,
                          const RegionalSettings& regional) {
    const CategoryIndex index(file);
    CategorySection section;
    section.total = TotalUp(file);
    for (const CategoryLine& line : categoryLines(index, categories)) {
        section.bars.push_back(
            {line.category->catCode, std::string(trimBlanks(line.category->catName)), line.sum,
             std::string(trimBlanks(shareText(line.sum, section.total, regional)))});
    }
    return section;
}

}  // namespace

CategoryChart categoryChart(const ReportSplit& entries,
                            const std::vector<CategoryRecord>& categories,
                            const RegionalSettings& regional) {
    return {sectionOf(entries.expense, categories, regional),
            sectionOf(entries.income, categories, regional)};
}

std::vector<CategoryBar> largestFirst(const CategorySection& section,
                                      const RegionalSettings& regional, std::size_t shown) {
    std::vector<CategoryBar> bars;
    std::set<std::string> codes;
    for (const CategoryBar& bar : section.bars)
        if (codes.insert(bar.code).second) bars.push_back(bar);
    std::stable_sort(bars.begin(), bars.end(), [](const CategoryBar& a, const CategoryBar& b) {
        return a.amount.abs() > b.amount.abs();
    });
    if (bars.size() > shown) bars.resize(shown);
    Money rest = section.total;
    for (const CategoryBar& bar : bars)
        rest -= bar.amount;
    if (!rest.isZero()) {
        bars.push_back({"", std::string(kOtherLabel), rest,
                        std::string(trimBlanks(shareText(rest, section.total, regional)))});
    }
    return bars;
}

}  // namespace qbk

// The three charts drawn with Qt Charts from the chart data. Colours follow the record
// grid: money out and balances below zero in red, money in in the window's text colour.
// Hovering a bar, slice or point shows its exact money text in the regional settings.
#ifndef QBK_CHARTS_QT_CHART_PICTURES_H_
#define QBK_CHARTS_QT_CHART_PICTURES_H_

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

#include "charts/chart_data.h"
#include "platform/regional.h"

class QChart;
class QPalette;

namespace qbk {

struct ChartColours {
    QColor positive;                      // money in: the window's text colour
    QColor negative = QColor(255, 0, 0);  // money out, as the grid shows it
    QColor net;                           // the net line: the window's highlight colour
    static ChartColours of(const QPalette& palette);
};

enum class CategoryStyle { Bars, Pie };

// "Money out by category" or "Money in by category" over `subtitle` (the range and
// what the list holds): horizontal bars, the first of `bars` on top, or a pie.
// `chosen` receives the index in `bars` of a bar or slice the user clicks.
QChart* categoryChartPicture(const std::vector<CategoryBar>& bars, bool moneyOut,
                             CategoryStyle style, const QString& subtitle,
                             const RegionalSettings& regional, const ChartColours& colours,
                             std::function<void(std::size_t)> chosen = {});

// Income bars up, expense bars down and the net as a line, one group per period.
QChart* periodChartPicture(const std::vector<PeriodTotals>& periods, PeriodLength length,
                           const QString& subtitle, const RegionalSettings& regional,
                           const ChartColours& colours);

// The running balance as steps over the days, the part below zero filled red.
QChart* balanceChartPicture(const std::vector<BalancePoint>& points, const QString& subtitle,
                            const RegionalSettings& regional, const ChartColours& colours);
// The balance ahead of a forecast: the running balance chart of `points`, with its
// lowest point `low` marked and named in the subtitle.
QChart* balanceAheadPicture(const std::vector<BalancePoint>& points, const BalancePoint& low,
                            const QString& subtitle, const RegionalSettings& regional,
                            const ChartColours& colours);

// What a chart shows, as text for assistive technology: its title and subtitle, then
// each bar, slice or line with its values in the currency format ("Expense: Jan 2001
// $12.50, Feb 2001 $0.00"); a balance line by its first, lowest, highest and last points.
QString chartTextAlternative(const QChart& chart, const RegionalSettings& regional);

// The title of the period chart and its tab: "Month by Month", "Week by Week", "Year
// by Year".
QString periodTitle(PeriodLength length);

// The subtitle of a chart: "01/01/2001 - 12/31/2001, All Categories".
QString chartSubtitle(const ChartData& data, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_CHARTS_QT_CHART_PICTURES_H_

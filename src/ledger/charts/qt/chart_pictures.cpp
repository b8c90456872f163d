#include "charts/qt/chart_pictures.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPalette>
#include <QPieSeries>
#include <QPieSlice>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"

namespace qbk {
namespace {

// Period labels stand upright when more than this many would share the width.
constexpr std::size_t kLevelLabels = 8;

// Qt's time axis counts milliseconds and labels them in local time: a day stands at
// its local noon, clear of daylight-saving shifts.
double msOf(DaySerial day) {
    const CivilDate d = dateFromSerial(day).value();
    return static_cast<double>(
        QDateTime(QDate(d.year, d.month, d.day), QTime(12, 0)).toMSecsSinceEpoch());
}

DaySerial dayOf(double ms) {
    const QDate d = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms)).date();
    return serialFromDate(d.year(), d.month(), d.day());
}

QString money(Money amount, const RegionalSettings& regional) {
    return qs(regional.currencyText(amount));
}

void hint(const QString& text) {
    QToolTip::showText(QCursor::pos(), text);
}

QChart* newChart(const QString& title, const QString& subtitle) {
    auto* chart = new QChart;
    chart->setTitle(
        QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), subtitle.toHtmlEscaped()));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    return chart;
}

// Adds a money axis from `low` to `high` (whole currency units) with ticks at round
// steps, labelled in the currency format ("$5,000", "-1.500 €"), and attaches the
// series to it. The range is set last: attaching a series resets it.
void addMoneyAxis(QChart* chart, Qt::Alignment side, const QList<QAbstractSeries*>& series,
                  double low, double high, const RegionalSettings& regional) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high - low <= 0) high = low + 1;
    const double rough = (high - low) / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        step = m * magnitude;
        if (step >= rough) break;
    }
    RegionalSettings labels = regional;
    if (step >= 1) labels.currencyDigits = 0;
    // A little room beyond the largest values; none below a zero line that bars stand on.
    const double room = (high - low) / 30;
    const double first = low < 0 ? low - room : 0;
    const double last = high > 0 ? high + room : 0;

    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(first - step / 1000);
    for (double v = std::ceil(first / step) * step; v <= last; v += step) {
        const double value = std::abs(v) < step / 2 ? 0 : v;
        axis->append(money(Money::fromDouble(value).value_or(Money()), labels), value);
    }
    chart->addAxis(axis, side);
    for (QAbstractSeries* s : series)
        s->attachAxis(axis);
    axis->setRange(first, last);
}

QBarSet* barSet(const QString& name, const QColor& colour) {
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

// Slices of a pie in shades of the section's colour, darkest for the largest.
QColor sliceColour(const QColor& base, std::size_t i, std::size_t n) {
    const float share = n > 1 ? static_cast<float>(i) / static_cast<float>(n - 1) : 0.0f;
    const float hue = std::max(base.hslHueF(), 0.0f);
    const float saturation = base.hslSaturationF() > 0 ? 0.8f : 0.0f;
    return QColor::fromHslF(hue, saturation, 0.25f + 0.55f * share);
}

}  // namespace

ChartColours ChartColours::of(const QPalette& palette) {
    ChartColours c;
    c.positive = palette.color(QPalette::Text);
    // Red bars and fills stand out from the paper as graphics must (3:1).
    c.negative = readableOn(c.negative, palette.color(QPalette::Base), 3.0);
    c.net = palette.color(QPalette::Highlight);
    return c;
}

QString periodTitle(PeriodLength length) {
    switch (length) {
        case PeriodLength::Week:
            return QCoreApplication::translate("qbk::ChartWindow", "Week by Week");
        case PeriodLength::Month:
            return QCoreApplication::translate("qbk::ChartWindow", "Month by Month");
        case PeriodLength::Year:
            return QCoreApplication::translate("qbk::ChartWindow", "Year by Year");
    }
    return {};
}

QString chartSubtitle(const ChartData& data, const RegionalSettings& regional) {
    return qs(regional.shortDate(data.first) + " - " + regional.shortDate(data.last) + ", " +
              data.subject);
}

QChart* categoryChartPicture(const std::vector<CategoryBar>& bars, bool moneyOut,
                             CategoryStyle style, const QString& subtitle,
                             const RegionalSettings& regional, const ChartColours& colours,
                             std::function<void(std::size_t)> chosen) {
    const QString section = moneyOut ? QCoreApplication::translate("qbk::ChartWindow", "Money out")
                                     : QCoreApplication::translate("qbk::ChartWindow", "Money in");
    QChart* chart =
        newChart(moneyOut ? QCoreApplication::translate("qbk::ChartWindow", "Money out by category")
                          : QCoreApplication::translate("qbk::ChartWindow", "Money in by category"),
                 subtitle);
    const QColor colour = moneyOut ? colours.negative : colours.positive;
    auto describe = [bars, regional, section](std::size_t i) {
        return QCoreApplication::translate("qbk::ChartWindow", "%1: %2 (%3 % of %4)")
            .arg(qs(bars[i].label), money(bars[i].amount, regional), qs(bars[i].share),
                 section.toLower());
    };

    if (style == CategoryStyle::Pie) {
        auto* pie = new QPieSeries;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            QPieSlice* slice = pie->append(qs(bars[i].label + " " + bars[i].share + " %"),
                                           bars[i].amount.abs().toDouble());
            slice->setColor(sliceColour(colour, i, bars.size()));
            slice->setBorderColor(Qt::white);
            slice->setLabelVisible(true);
            const QString text = describe(i);
            QObject::connect(slice, &QPieSlice::hovered, slice, [slice, text](bool on) {
                slice->setExploded(on);
                if (on) hint(text);
            });
            if (chosen)
                QObject::connect(slice, &QPieSlice::clicked, slice, [chosen, i] { chosen(i); });
        }
        pie->setPieSize(0.6);
        chart->addSeries(pie);
        chart->legend()->hide();
        return chart;
    }

    // Qt draws the first category at the bottom: the largest goes in last.
    auto* set = barSet(section, colour);
    QStringList labels;
    double largest = 0;
    for (std::size_t k = bars.size(); k-- > 0;) {
        set->append(bars[k].amount.abs().toDouble());
        labels << qs(bars[k].label) + QStringLiteral("  ") + money(bars[k].amount, regional);
        largest = std::max(largest, bars[k].amount.abs().toDouble());
    }
    const std::size_t n = bars.size();
    QObject::connect(set, &QBarSet::hovered, set, [describe, n](bool on, int index) {
        if (on) hint(describe(n - 1 - static_cast<std::size_t>(index)));
    });
    if (chosen) {
        QObject::connect(set, &QBarSet::clicked, set, [chosen, n](int index) {
            chosen(n - 1 - static_cast<std::size_t>(index));
        });
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    // A few categories get bars of the width a dozen would have.
    series->setBarWidth(std::min(0.7, 0.12 * static_cast<double>(n)));
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(labels);
    chart->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    addMoneyAxis(chart, Qt::AlignBottom, {series}, 0, largest, regional);
    chart->legend()->hide();
    return chart;
}

QChart* periodChartPicture(const std::vector<PeriodTotals>& periods, PeriodLength length,
                           const QString& subtitle, const RegionalSettings& regional,
                           const ChartColours& colours) {
    QChart* chart = newChart(periodTitle(length), subtitle);
    auto* income =
        barSet(QCoreApplication::translate("qbk::ChartWindow", "Income"), colours.positive);
    auto* expense =
        barSet(QCoreApplication::translate("qbk::ChartWindow", "Expense"), colours.negative);
    auto* net = new QLineSeries;
    net->setName(QCoreApplication::translate("qbk::ChartWindow", "Net"));
    QPen pen(colours.net);
    pen.setWidth(2);
    net->setPen(pen);
    net->setPointsVisible(periods.size() <= 60);
    QStringList labels;
    double low = 0, high = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const PeriodTotals& p = periods[i];
        income->append(p.income.toDouble());
        expense->append(p.expense.toDouble());
        net->append(static_cast<double>(i), p.net.toDouble());
        labels << qs(p.label);
        low = std::min({low, p.expense.toDouble(), p.net.toDouble()});
        high = std::max({high, p.income.toDouble(), p.net.toDouble()});
    }
    auto describe = [periods, regional](int i, const char* what, Money PeriodTotals::*field) {
        const PeriodTotals& p = periods.at(static_cast<std::size_t>(i));
        return QStringLiteral("%1 %2: %3")
            .arg(qs(p.label), QString::fromUtf8(what), money(p.*field, regional));
    };
    QObject::connect(income, &QBarSet::hovered, income, [describe](bool on, int i) {
        if (on) hint(describe(i, "income", &PeriodTotals::income));
    });
    QObject::connect(expense, &QBarSet::hovered, expense, [describe](bool on, int i) {
        if (on) hint(describe(i, "expense", &PeriodTotals::expense));
    });
    const int count = static_cast<int>(periods.size());
    QObject::connect(net, &QLineSeries::hovered, net, [describe, count](QPointF at, bool on) {
        const int i = static_cast<int>(std::lround(at.x()));
        if (on && i >= 0 && i < count) hint(describe(i, "net", &PeriodTotals::net));
    });

    auto* bars = new QBarSeries;
    bars->append(income);
    bars->append(expense);
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    chart->addSeries(net);
    auto* names = new QBarCategoryAxis;
    names->append(labels);
    if (periods.size() > kLevelLabels) names->setLabelsAngle(-90);
    chart->addAxis(names, Qt::AlignBottom);
    bars->attachAxis(names);
    net->attachAxis(names);
    addMoneyAxis(chart, Qt::AlignLeft, {bars, net}, low, high, regional);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* balanceChartPicture(const std::vector<BalancePoint>& points, const QString& subtitle,
                            const RegionalSettings& regional, const ChartColours& colours) {
    QChart* chart = newChart(QCoreApplication::translate("qbk::ChartWindow", "Balance"), subtitle);
    auto* line = new QLineSeries;
    line->setName(QCoreApplication::translate("qbk::ChartWindow", "Balance"));
    auto* below = new QLineSeries;  // the balance where it is below zero, else zero
    auto* zero = new QLineSeries;
    double low = 0, high = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = msOf(points[i].day);
        const double y = points[i].balance.toDouble();
        if (i > 0) {
            const double before = points[i - 1].balance.toDouble();
            line->append(x, before);
            below->append(x, std::min(before, 0.0));
        }
        line->append(x, y);
        below->append(x, std::min(y, 0.0));
        low = std::min(low, y);
        high = std::max(high, y);
    }
    if (!points.empty()) {
        zero->append(msOf(points.front().day), 0);
        zero->append(msOf(points.back().day), 0);
    }
    QPen pen(colours.positive);
    pen.setWidth(2);
    line->setPen(pen);
    auto* area = new QAreaSeries(below, zero);
    area->setName(QCoreApplication::translate("qbk::ChartWindow", "Below zero"));
    QColor fill = colours.negative;
    fill.setAlpha(90);
    area->setBrush(fill);
    area->setPen(Qt::NoPen);

    QObject::connect(line, &QLineSeries::hovered, line, [points, regional](QPointF at, bool on) {
        if (!on || points.empty()) return;
        const DaySerial day = dayOf(at.x());
        auto it = std::upper_bound(points.begin(), points.end(), day,
                                   [](double d, const BalancePoint& p) { return d < p.day; });
        if (it != points.begin()) --it;
        hint(qs(regional.shortDate(day) + ": " + regional.currencyText(it->balance)));
    });

    chart->addSeries(area);
    chart->addSeries(line);
    auto* days = new QDateTimeAxis;
    const double span = points.empty() ? 0 : points.back().day - points.front().day;
    days->setFormat(span > 90 ? QStringLiteral("MMM yyyy") : QStringLiteral("MMM d"));
    days->setTickCount(span > 90 ? 7 : 5);
    if (!points.empty()) {
        days->setRange(
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msOf(points.front().day))),
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msOf(points.back().day))));
    }
    chart->addAxis(days, Qt::AlignBottom);
    area->attachAxis(days);
    line->attachAxis(days);
    addMoneyAxis(chart, Qt::AlignLeft, {area, line}, low, high, regional);
    chart->legend()->hide();
    return chart;
}

QChart* balanceAheadPicture(const std::vector<BalancePoint>& points, const BalancePoint& low,
                            const QString& subtitle, const RegionalSettings& regional,
                            const ChartColours& colours) {
    QChart* chart = balanceChartPicture(points, subtitle, regional, colours);
    chart->setTitle(QStringLiteral("<b>%1</b><br>%2")
                        .arg(QCoreApplication::translate("qbk::ChartWindow", "Balance Ahead"),
                             subtitle.toHtmlEscaped()));
    auto* mark = new QScatterSeries;
    mark->setName(QCoreApplication::translate("qbk::ChartWindow", "Lowest balance"));
    mark->setMarkerSize(11);
    mark->setColor(colours.negative);
    mark->append(msOf(low.day), low.balance.toDouble());
    chart->addSeries(mark);
    for (QAbstractAxis* axis : chart->axes())
        mark->attachAxis(axis);
    return chart;
}

QString chartTextAlternative(const QChart& chart, const RegionalSettings& regional) {
    const auto amount = [&regional](double value) {
        return money(Money::fromDouble(value).value_or(Money()), regional);
    };
    QString title = chart.title();
    title.replace(QStringLiteral("<br>"), QStringLiteral(". "));
    title.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    QStringList lines{title};
    QStringList categories;
    for (const QAbstractAxis* axis : chart.axes())
        if (auto* names = qobject_cast<QBarCategoryAxis*>(const_cast<QAbstractAxis*>(axis)))
            categories = names->categories();
    for (const QAbstractSeries* series : chart.series()) {
        if (const auto* bars = qobject_cast<const QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                QStringList values;
                for (int i = 0; i < set->count(); ++i)
                    values << (i < categories.size() ? categories[i] + QLatin1Char(' ')
                                                     : QString()) +
                                  amount(set->at(i));
                lines << set->label() + QStringLiteral(": ") + values.join(QStringLiteral(", "));
            }
        } else if (const auto* pie = qobject_cast<const QPieSeries*>(series)) {
            QStringList slices;
            for (QPieSlice* slice : pie->slices())
                slices << slice->label() + QLatin1Char(' ') + amount(slice->value());
            lines << slices.join(QStringLiteral(", "));
        } else if (const auto* line = qobject_cast<const QLineSeries*>(series)) {
            const QList<QPointF> points = line->points();
            if (points.isEmpty()) continue;
            auto [low, high] = std::minmax_element(
                points.begin(), points.end(),
                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
            lines << (line->name().isEmpty() ? QStringLiteral("Line") : line->name()) +
                         QStringLiteral(": first ") + amount(points.front().y()) +
                         QStringLiteral(", lowest ") + amount(low->y()) +
                         QStringLiteral(", highest ") + amount(high->y()) +
                         QStringLiteral(", last ") + amount(points.back().y());
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace qbk

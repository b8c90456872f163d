#include "budgets/qt/budget_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLocale>
#include <QValueAxis>

#include "mainwindow/date_range.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    return chart;
}

void addAxes(QChart* chart, QAbstractBarSeries* series, const QStringList& labels,
             Qt::Alignment namesSide, Qt::Alignment moneySide, const RegionalSettings& regional) {
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(labels);
    chart->addAxis(names, namesSide);
    series->attachAxis(names);
    auto* money = new QValueAxis;
    money->setLabelFormat(qs(regional.currencySymbol) + QStringLiteral("%.0f"));
    money->setMin(0);
    chart->addAxis(money, moneySide);
    series->attachAxis(money);
    money->applyNiceNumbers();
}

double size(Money m) {
    return m.abs().toDouble();
}

}  // namespace

QChart* budgetCategoryChart(const BudgetStatement& statement, const RegionalSettings& regional) {
    QChart* chart =
        newChart(QCoreApplication::translate("qbk::BudgetWindow", "Budget and actual by category"));
    auto* budget = new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Budget"));
    auto* actual = new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Actual"));
    QStringList labels;
    // Horizontal bars run bottom to top: the last category first.
    for (const BudgetSection* section : {&statement.income, &statement.expense})
        for (auto row = section->rows.rbegin(); row != section->rows.rend(); ++row) {
            budget->append(size(row->budget));
            actual->append(size(row->actual));
            labels << qs(row->name);
        }
    auto* series = new QHorizontalBarSeries;
    series->append(budget);
    series->append(actual);
    addAxes(chart, series, labels, Qt::AlignLeft, Qt::AlignBottom, regional);
    return chart;
}

QChart* budgetMonthChart(const std::vector<MonthBudget>& months, const RegionalSettings& regional) {
    QChart* chart = newChart(
        QCoreApplication::translate("qbk::BudgetWindow", "Budget and actual month by month") +
        (months.empty() ? QString()
                        : QStringLiteral(", ") + qs(budgetMonthText(months.front().month)) +
                              QCoreApplication::translate("qbk::BudgetWindow", " to ") +
                              qs(budgetMonthText(months.back().month))));
    auto* outBudget =
        new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Expense budget"));
    auto* outActual = new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Expense"));
    auto* inBudget = new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Income budget"));
    auto* inActual = new QBarSet(QCoreApplication::translate("qbk::BudgetWindow", "Income"));
    QStringList labels;
    for (const MonthBudget& m : months) {
        outBudget->append(size(m.expense.budget));
        outActual->append(size(m.expense.actual));
        inBudget->append(size(m.income.budget));
        inActual->append(size(m.income.actual));
        labels << QLocale().standaloneMonthName(m.month.month, QLocale::ShortFormat);
    }
    auto* series = new QBarSeries;
    for (QBarSet* set : {outBudget, outActual, inBudget, inActual})
        series->append(set);
    addAxes(chart, series, labels, Qt::AlignBottom, Qt::AlignLeft, regional);
    return chart;
}

QWidget* budgetChartPage(const std::string& dataFolder, DaySerial first, DaySerial last,
                         FiscalStart fiscal, const RegionalSettings& regional) {
    const BudgetStatement statement = budgetAgainstActual(dataFolder, first, last, fiscal);
    const std::vector<MonthBudget> months =
        budgetByMonth(dataFolder, FiscalYearOf(first, fiscal.month, fiscal.day), fiscal);
    auto* page = new QWidget;
    auto* byCategory = new QChartView(budgetCategoryChart(statement, regional));
    byCategory->setObjectName(QStringLiteral("BudgetCategoryChart"));
    byCategory->setAccessibleName(
        QCoreApplication::translate("qbk::BudgetWindow", "Budget and actual by category"));
    auto* byMonth = new QChartView(budgetMonthChart(months, regional));
    byMonth->setObjectName(QStringLiteral("BudgetMonthChart"));
    byMonth->setAccessibleName(
        QCoreApplication::translate("qbk::BudgetWindow", "Budget and actual month by month"));
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(byCategory);
    layout->addWidget(byMonth);
    return page;
}

}  // namespace qbk

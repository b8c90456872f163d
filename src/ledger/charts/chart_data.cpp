#include "charts/chart_data.h"

namespace qbk {

ChartData chartData(const ReportSplit& entries, DaySerial first, DaySerial last,
                    const std::vector<CategoryRecord>& categories, const SettingsRecord& settings,
                    const RegionalSettings& regional) {
    ChartData data;
    data.first = first;
    data.last = last;
    data.empty = entries.income.count() + entries.expense.count() + entries.todo.count() == 0;
    data.categories = categoryChart(entries, categories, regional);
    data.periodLength = periodLengthFor(first, last);
    data.periods = periodTotals(entries, first, last, data.periodLength, settings.fyMonth(),
                                settings.fyDay(), regional);
    data.balance = runningBalance(entries, first, last);
    return data;
}

}  // namespace qbk

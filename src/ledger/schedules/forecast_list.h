// The register continued past today: the list of the range (its end moved to the last
// day ahead), the planned entries above it as the grid shows entries, and a running
// balance for every row. Planned rows are shown, never written.
#ifndef QBK_SCHEDULES_FORECAST_LIST_H_
#define QBK_SCHEDULES_FORECAST_LIST_H_

#include <memory>
#include <string>
#include <vector>

#include "mainwindow/list_refresh.h"
#include "schedules/forecast.h"

namespace qbk {

struct ForecastList {
    Forecast forecast;                  // of the whole book, from today
    ListView planned;                   // the planned entries `query` keeps, newest first
    std::vector<Money> plannedBalance;  // the forecast's balance after each planned row
    std::vector<Money> bookBalance;     // the balance after each row of the book's list
};

// The forecast of `book` (the bytes of the record file, whose list for `query` is
// `listed`) and `planned` from `today` through `through`. The book's rows run from the
// balance of the entries `query` keeps that are dated before its first day, in list
// order from the bottom up; the planned rows show the forecast's balance (the whole
// book's). Throws OperationError (overflow) as forecastFrom does.
ForecastList forecastList(std::shared_ptr<const std::string> book, const ListView& listed,
                          const ListQuery& query, const SettingsRecord& settings,
                          const RegionalSettings& regional,
                          const std::vector<PlannedEntry>& planned, DaySerial today,
                          DaySerial through, Money threshold = {});

// The status bar's text of a forecast: "Lowest balance ahead: $-120.00 on 01/31/2027;
// below $0.00 from 01/31/2027" (or "; never below $0.00").
std::string forecastStatusText(const Forecast& forecast, const RegionalSettings& regional);

}  // namespace qbk

#endif  // QBK_SCHEDULES_FORECAST_LIST_H_

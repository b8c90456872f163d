// The balance ahead: the book's balance today carried forward to a chosen date with the
// entries already dated after today and the entries the schedules will make (planned,
// never written), with the lowest balance ahead and the first day below a threshold.
#ifndef QBK_SCHEDULES_FORECAST_H_
#define QBK_SCHEDULES_FORECAST_H_

#include <optional>
#include <string>
#include <vector>

#include "schedules/planned_entries.h"

namespace qbk {

struct ForecastRow {
    EntryRecord record;
    bool planned = false;  // made by schedule `scheduleId`, not in the book
    int scheduleId = 0;
    Money balance;  // after this row
};

struct Forecast {
    DaySerial today = 0;
    Money opening;                  // the live entries dated up to today (and undated)
    std::vector<ForecastRow> rows;  // after today through the last day, in date order
    // The lowest balance at the end of a day from today on (today's own balance when
    // nothing lies ahead), and the first day it is reached.
    Money low;
    DaySerial lowDate = 0;
    Money threshold;
    std::optional<DaySerial> firstBelow;  // the first day ending below `threshold`
};

// The rows and balances for `today` to `through` from the book's entries (`records`, the
// bytes of whole 125-byte records in any order) and `planned`. A planned entry dated up
// to today (due but not posted) counts as of today. On one day the book's entries come
// before the planned ones; the balance of a day is the balance after its last row.
// Throws OperationError (overflow) when a balance leaves the range of Money.
Forecast forecastFrom(std::string_view records, const std::vector<PlannedEntry>& planned,
                      DaySerial today, DaySerial through, Money threshold = {});

// forecastFrom in steps, for a caller that passes over the records for more than the
// forecast: visit() every record, then finish() with the planned entries.
class ForecastScan {
  public:
    ForecastScan(DaySerial today, DaySerial through, Money threshold);
    void visit(const char* record) {
        if (entry_bytes::isDeleted(record)) return;
        const DaySerial day = entry_bytes::entryDate(record);
        if (!isDate(day) || day < nextDay_)
            f_.opening += entry_bytes::amount(record);
        else if (day < afterLast_)
            f_.rows.push_back({decodeEntry(record), false, 0, {}});
    }
    Forecast finish(const std::vector<PlannedEntry>& planned);

  private:
    Forecast f_;
    DaySerial through_, nextDay_, afterLast_;
};

// The forecast of the book in `dataFolder`: its record file and its schedules' entries
// not posted through `through`. Throws OperationError when a file cannot be read.
Forecast forecastBook(const std::string& dataFolder, DaySerial today, DaySerial through,
                      Money threshold = {});

}  // namespace qbk

#endif  // QBK_SCHEDULES_FORECAST_H_

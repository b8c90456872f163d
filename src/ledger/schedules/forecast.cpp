#include "schedules/forecast.h"

#include <algorithm>
#include <cmath>

#include "platform/files.h"
#include "schedules/posting.h"
#include "store/book_files.h"

namespace qbk {
namespace {

DaySerial effectiveDay(const ForecastRow& row, DaySerial today) {
    return std::max(std::floor(row.record.entryDate), today);
}

}  // namespace

ForecastScan::ForecastScan(DaySerial today, DaySerial through, Money threshold)
    : through_(std::floor(through)),
      nextDay_(std::floor(today) + 1),
      afterLast_(std::floor(through) + 1) {
    f_.today = std::floor(today);
    f_.threshold = threshold;
}

Forecast forecastFrom(std::string_view records, const std::vector<PlannedEntry>& planned,
                      DaySerial today, DaySerial through, Money threshold) {
    ForecastScan scan(today, through, threshold);
    for (std::size_t at = 0; at + entry_layout::kSize <= records.size(); at += entry_layout::kSize)
        scan.visit(records.data() + at);
    return scan.finish(planned);
}

Forecast ForecastScan::finish(const std::vector<PlannedEntry>& planned) {
    Forecast f = std::move(f_);
    const DaySerial through = through_;
    const Money threshold = f.threshold;
    for (const PlannedEntry& p : planned)
        if (std::floor(p.record.entryDate) <= through)
            f.rows.push_back({p.record, true, p.scheduleId, {}});
    std::stable_sort(f.rows.begin(), f.rows.end(), [&](const ForecastRow& a, const ForecastRow& b) {
        const DaySerial da = effectiveDay(a, f.today), db = effectiveDay(b, f.today);
        return da != db ? da < db : (!a.planned && b.planned);
    });

    // Today's balance is the first day's end, whether or not a row falls on today.
    Money balance = f.opening;
    bool firstDay = true;
    std::size_t i = 0;
    for (DaySerial day = f.today; firstDay || i < f.rows.size();
         day = i < f.rows.size() ? effectiveDay(f.rows[i], f.today) : day) {
        for (; i < f.rows.size() && effectiveDay(f.rows[i], f.today) == day; ++i) {
            balance += f.rows[i].record.amount;
            f.rows[i].balance = balance;
        }
        if (firstDay || balance < f.low) {
            f.low = balance;
            f.lowDate = day;
        }
        if (!f.firstBelow && balance < threshold) f.firstBelow = day;
        firstDay = false;
    }
    return f;
}

Forecast forecastBook(const std::string& dataFolder, DaySerial today, DaySerial through,
                      Money threshold) {
    const BookPaths book(dataFolder);
    const std::vector<PlannedEntry> planned = dueEntries(dataFolder, through);
    return forecastFrom(readFile(book.records()), planned, today, through, threshold);
}

}  // namespace qbk

#include "schedules/forecast_list.h"

namespace qbk {

ForecastList forecastList(std::shared_ptr<const std::string> book, const ListView& listed,
                          const ListQuery& query, const SettingsRecord& settings,
                          const RegionalSettings& regional,
                          const std::vector<PlannedEntry>& planned, DaySerial today,
                          DaySerial through, Money threshold) {
    ForecastList list;
    // One pass over the book: the forecast's side of it, and the balance the list's rows
    // start from (what the list would show before its range).
    ForecastScan scan(today, through, threshold);
    Money balance;
    ListQuery before = query;
    before.rangeStart = kFirstDaySerial;
    before.rangeEnd = query.rangeStart - 1;
    const ListFilter filter(before, settings);
    const bool anyBefore = query.rangeStart > kFirstDaySerial;
    for (std::size_t at = 0; at + entry_layout::kSize <= book->size(); at += entry_layout::kSize) {
        const char* r = book->data() + at;
        scan.visit(r);
        if (anyBefore && filter.keeps(r)) balance += entry_bytes::amount(r);
    }
    list.forecast = scan.finish(planned);

    // The planned rows newest first, as the book lists its entries.
    auto plannedBytes = std::make_shared<std::string>();
    std::vector<Money> balances;
    for (auto row = list.forecast.rows.rbegin(); row != list.forecast.rows.rend(); ++row) {
        if (!row->planned) continue;
        // No stamp: a planned row names no entry of the book.
        EntryRecord plannedEntry = row->record;
        plannedEntry.recordStamp = kNoDate;
        *plannedBytes += encodeEntry(plannedEntry);
        balances.push_back(row->balance);
    }
    list.planned = PopMainGrid(std::move(plannedBytes), query, settings, regional);
    for (std::size_t row = 0; row < list.planned.size(); ++row)
        list.plannedBalance.push_back(balances[list.planned.recordNumber(row) - 1]);

    list.bookBalance.resize(listed.size());
    for (std::size_t row = listed.size(); row-- > 0;) {
        balance += entry_bytes::amount(listed.record(row));
        list.bookBalance[row] = balance;
    }
    return list;
}

std::string forecastStatusText(const Forecast& f, const RegionalSettings& regional) {
    std::string text = "Lowest balance ahead: " + regional.currencyText(f.low) + " on " +
                       regional.shortDate(f.lowDate);
    if (f.firstBelow)
        text += "; below " + regional.currencyText(f.threshold) + " from " +
                regional.shortDate(*f.firstBelow);
    else
        text += "; never below " + regional.currencyText(f.threshold);
    return text;
}

}  // namespace qbk

#include "mainwindow/date_range.h"

#include <algorithm>

#include "platform/fill_in.h"

namespace qbk {

DaySerial fiscalYearStart(int year, int fyMonth, int fyDay) {
    // Carry months outside 1..12 into the year, as a calendar does.
    int m0 = fyMonth - 1;
    year += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    m0 = ((m0 % 12) + 12) % 12;
    const int month = m0 + 1;
    const int day = std::clamp(fyDay, 1, daysInMonth(year, month));
    return serialFromDate(year, month, day);
}

int FiscalYearOf(DaySerial date, int fyMonth, int fyDay) {
    const std::optional<CivilDate> d = dateFromSerial(date);
    if (!d) return 0;
    return date < fiscalYearStart(d->year, fyMonth, fyDay) ? d->year - 1 : d->year;
}

DateRange fiscalYearRange(int fyStartYear, int fyMonth, int fyDay,
                          const RegionalSettings& regional) {
    const DaySerial start = fiscalYearStart(fyStartYear, fyMonth, fyDay);
    const DaySerial end = fiscalYearStart(fyStartYear + 1, fyMonth, fyDay) - 1;
    DateRange r;
    r.start = regional.shortDate(start);
    r.end = regional.shortDate(end);
    const std::optional<CivilDate> last = dateFromSerial(end);
    r.label =
        fillIn(kFiscalYearLabel,
               {last ? std::to_string(last->year) : std::string(kNoValueText), r.start, r.end});
    return r;
}

DateRange dayCountRange(int numDays, int endInYear, DaySerial today,
                        const RegionalSettings& regional) {
    const DaySerial end = today - endInYear * 365.0;
    DateRange r;
    r.end = regional.shortDate(end);
    r.start = regional.shortDate(end - numDays);
    const std::string dates = selectedRangeLabel(r.start, r.end);
    switch (numDays) {
        case 30:
        case 60:
        case 90:
        case 180:
            r.label = fillIn(kDaysLabel, {std::to_string(numDays), dates});
            break;
        case 365:
            r.label = fillIn(kOneYearLabel, {dates});
            break;
        case 730:
        case 1095:
        case 1460:
        case 1825:
            r.label = fillIn(kYearsLabel, {std::to_string(numDays / 365), dates});
            break;
        default:
            r.label = dates;
            break;
    }
    return r;
}

DateRange SetRange(int numDays, int endInYear, int fyStartYear, int fyMonth, int fyDay,
                   DaySerial today, const RegionalSettings& regional) {
    if (numDays == 0) return fiscalYearRange(fyStartYear, fyMonth, fyDay, regional);
    return dayCountRange(numDays, endInYear, today, regional);
}

std::string selectedRangeLabel(const std::string& start, const std::string& end) {
    return start + "  >>  " + end;
}

}  // namespace qbk

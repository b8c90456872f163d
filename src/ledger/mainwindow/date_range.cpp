#include "mainwindow/date_range.h"

#include <algorithm>

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
    r.label = "FY " + (last ? std::to_string(last->year) : std::string(kNoValueText)) + " - " +
              r.start + "  >>  " + r.end;
    return r;
}

DateRange dayCountRange(int numDays, int endInYear, DaySerial today,
                        const RegionalSettings& regional) {
    const DaySerial end = today - endInYear * 365.0;
    DateRange r;
    r.end = regional.shortDate(end);
    r.start = regional.shortDate(end - numDays);
    std::string prefix;
    switch (numDays) {
        case 30:
            prefix = "30 Days - ";
            break;
        case 60:
            prefix = "60 Days - ";
            break;
        case 90:
            prefix = "90 Days - ";
            break;
        case 180:
            prefix = "180 Days - ";
            break;
        case 365:
            prefix = "1 Year - ";
            break;
        case 730:
            prefix = "2 Years - ";
            break;
        case 1095:
            prefix = "3 Years - ";
            break;
        case 1460:
            prefix = "4 Years - ";
            break;
        case 1825:
            prefix = "5 Years - ";
            break;
        default:
            break;
    }
    r.label = prefix + selectedRangeLabel(r.start, r.end);
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

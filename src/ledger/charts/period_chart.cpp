#include "charts/period_chart.h"

#include <cmath>

#include "mainwindow/date_range.h"
#include "store/entry_record.h"

namespace qbk {
namespace {

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Day 2 (1 January 1900) is a Monday.
constexpr double kFirstMonday = 2;

// Periods are numbered so that an entry finds its own without a search.
class Calendar {
  public:
    Calendar(PeriodLength length, int fyMonth, int fyDay)
        : length_(length), fyMonth_(fyMonth), fyDay_(fyDay) {}

    long number(DaySerial day) const {
        switch (length_) {
            case PeriodLength::Week:
                return static_cast<long>(std::floor((std::floor(day) - kFirstMonday) / 7));
            case PeriodLength::Month: {
                const CivilDate d = dateFromSerial(day).value();
                return d.year * 12L + d.month - 1;
            }
            case PeriodLength::Year:
                return FiscalYearOf(std::floor(day), fyMonth_, fyDay_);
        }
        return 0;
    }

    PeriodTotals period(long n, const RegionalSettings& regional) const {
        PeriodTotals p;
        switch (length_) {
            case PeriodLength::Week:
                p.first = kFirstMonday + 7.0 * static_cast<double>(n);
                p.last = p.first + 6;
                p.label = regional.shortDate(p.first);
                break;
            case PeriodLength::Month: {
                const int year = static_cast<int>(n / 12), month = static_cast<int>(n % 12) + 1;
                p.first = serialFromDate(year, month, 1);
                p.last = serialFromDate(year, month, daysInMonth(year, month));
                p.label = std::string(kMonthNames[month - 1]) + " " + std::to_string(year);
                break;
            }
            case PeriodLength::Year: {
                const int year = static_cast<int>(n);
                p.first = fiscalYearStart(year, fyMonth_, fyDay_);
                p.last = fiscalYearStart(year + 1, fyMonth_, fyDay_) - 1;
                const std::string endYear = std::to_string(dateFromSerial(p.last).value().year);
                p.label = p.first == serialFromDate(year, 1, 1) ? endYear : "FY " + endYear;
                break;
            }
        }
        return p;
    }

  private:
    PeriodLength length_;
    int fyMonth_, fyDay_;
};

}  // namespace

PeriodLength periodLengthFor(DaySerial first, DaySerial last) {
    if (last - first + 1 < 90) return PeriodLength::Week;
    const CivilDate start = dateFromSerial(first).value();
    const int year = start.year + 5;
    const DaySerial fiveYearsOn =
        serialFromDate(year, start.month, std::min(start.day, daysInMonth(year, start.month)));
    return last >= fiveYearsOn ? PeriodLength::Year : PeriodLength::Month;
}

std::vector<PeriodTotals> periodTotals(const ReportSplit& entries, DaySerial first, DaySerial last,
                                       PeriodLength length, int fyMonth, int fyDay,
                                       const RegionalSettings& regional) {
    const Calendar calendar(length, fyMonth, fyDay);
    long low = calendar.number(first), high = calendar.number(last);
    bool any = first <= last;
    for (const RecordFileContent* file : {&entries.income, &entries.expense, &entries.todo}) {
        for (std::size_t i = 1; i <= file->count(); ++i) {
            const long n = calendar.number(entry_bytes::entryDate(file->at(i)));
            low = any ? std::min(low, n) : n;
            high = any ? std::max(high, n) : n;
            any = true;
        }
    }
    std::vector<PeriodTotals> periods;
    if (!any) return periods;
    for (long n = low; n <= high; ++n)
        periods.push_back(calendar.period(n, regional));
    for (const RecordFileContent* file : {&entries.income, &entries.expense}) {
        for (std::size_t i = 1; i <= file->count(); ++i) {
            const char* r = file->at(i);
            PeriodTotals& p =
                periods[static_cast<std::size_t>(calendar.number(entry_bytes::entryDate(r)) - low)];
            const Money amount = entry_bytes::amount(r);
            (amount.isNegative() ? p.expense : p.income) += amount;
            p.net += amount;
        }
    }
    return periods;
}

}  // namespace qbk

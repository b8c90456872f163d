#include "platform/clock.h"

#include <sys/time.h>

#include <ctime>

namespace qbk {
namespace {

struct LocalNow {
    std::tm tm{};
    double fraction = 0;
};

LocalNow localNow() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    LocalNow now;
    const time_t seconds = tv.tv_sec;
    localtime_r(&seconds, &now.tm);
    now.fraction = static_cast<double>(tv.tv_usec) / 1e6;
    return now;
}

}  // namespace

DaySerial SystemClock::today() const {
    const LocalNow now = localNow();
    return serialFromDate(now.tm.tm_year + 1900, now.tm.tm_mon + 1, now.tm.tm_mday);
}

double SystemClock::secondsSinceMidnight() const {
    const LocalNow now = localNow();
    return now.tm.tm_hour * 3600.0 + now.tm.tm_min * 60.0 + now.tm.tm_sec + now.fraction;
}

}  // namespace qbk

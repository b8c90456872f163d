// The clock: today's day serial and the seconds since midnight. An interface so that
// tests and the command-line tool can fix "today".
#ifndef QBK_PLATFORM_CLOCK_H_
#define QBK_PLATFORM_CLOCK_H_

#include "platform/dates.h"

namespace qbk {

class Clock {
  public:
    virtual ~Clock() = default;
    // Today as a whole day serial, in local time.
    virtual DaySerial today() const = 0;
    // Seconds elapsed since local midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock final : public Clock {
  public:
    DaySerial today() const override;
    double secondsSinceMidnight() const override;
};

// A clock that shows what it is told; time stands still unless advanced.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(DaySerial today = 0, double seconds = 0)
        : today_(today), seconds_(seconds) {}
    DaySerial today() const override { return today_; }
    double secondsSinceMidnight() const override { return seconds_; }
    void set(DaySerial today, double seconds) {
        today_ = today;
        seconds_ = seconds;
    }
    void setToday(DaySerial today) { today_ = today; }
    void setSeconds(double seconds) { seconds_ = seconds; }

  private:
    DaySerial today_;
    double seconds_;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_CLOCK_H_

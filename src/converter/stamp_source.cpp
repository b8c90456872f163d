#include "converter/stamp_source.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

#include "converter/regional_dates.h"

namespace qbk::converter {
namespace {

constexpr double kStep = 1.0 / 512;
// 31 December 9999 plus a whole day of seconds: no clock reading adds up to more.
constexpr double kLargestStamp = 2958465.0 + 86400.0;

// The largest multiple of 1/512 not above `seconds`, in single precision. Every such
// value below 2^14 is a float; above it the floats are coarser and already multiples.
float reduced(float seconds) {
    return static_cast<float>(std::floor(static_cast<double>(seconds) * 512) / 512);
}

// The smallest float greater than `seconds` (a multiple of 1/512) that is a multiple
// of 1/512: seconds + 1/512 where that is a float, else the next float above it.
float nextStep(float seconds) {
    const double wanted = static_cast<double>(seconds) + kStep;
    float f = static_cast<float>(wanted);
    if (static_cast<double>(f) < wanted) f = std::nextafter(f, std::numeric_limits<float>::max());
    return f;
}

}  // namespace

ClockReading SystemClock::now() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
    ClockReading r;
    r.today = daySerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
    r.seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                static_cast<double>(micros < 0 ? micros + 1000000 : micros) / 1e6;
    return r;
}

double StampSource::next() {
    const ClockReading reading = clock_.now();
    const double today = reading.today;
    float seconds = reduced(static_cast<float>(reading.seconds));
    if (today + seconds <= last_) {
        // Jump close to the last stamp first, then step past it.
        const float behind = reduced(static_cast<float>(last_ - today));
        if (behind > seconds) seconds = behind;
        while (today + seconds <= last_)
            seconds = nextStep(seconds);
    }
    last_ = today + static_cast<double>(seconds);
    return last_;
}

void StampSource::noteExisting(double stamp) {
    if (!std::isfinite(stamp) || stamp < 0 || stamp > kLargestStamp) return;
    if (stamp > last_) last_ = stamp;
}

}  // namespace qbk::converter

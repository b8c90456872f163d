#include "platform/stamps.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/dates.h"
#include "platform/regional.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr float kQuantum = 1.0f / 512;

// The seconds rounded down to a multiple of the quantum, in single precision.
float quantized(double seconds) {
    if (!(seconds > 0)) return 0.0f;
    const auto secs = static_cast<float>(seconds);
    return std::floor(secs / kQuantum) * kQuantum;
}

// The next single-precision value above `s` that is a multiple of the quantum.
float stepUp(float s) {
    const float next = std::nextafter(s, INFINITY);
    return std::ceil(next / kQuantum) * kQuantum;
}

}  // namespace

double StampSource::next() {
    const DaySerial day = clock_.today();
    float seconds = quantized(clock_.secondsSinceMidnight());
    double stamp = day + static_cast<double>(seconds);
    if (stamp <= last_) {
        // Continue from the last stamp: its seconds part on today's day number.
        const double carried = last_ - day;
        if (carried > seconds) seconds = quantized(carried);
        do {
            seconds = stepUp(seconds);
            stamp = day + static_cast<double>(seconds);
        } while (stamp <= last_);
    }
    last_ = stamp;
    return stamp;
}

void StampSource::noteExisting(double stamp) {
    if (isStamp(stamp) && stamp > last_) last_ = stamp;
}

bool isStamp(double value) {
    // 31 December 9999 plus a whole day of seconds: no clock reading adds up to more.
    return value >= kFirstDaySerial && value <= kLastDaySerial + 86400.0;
}

std::string stampText(double stamp) {
    if (!isStamp(stamp)) return std::string(kNoValueText);
    // Large enough for the fixed form of any stamp: a sign, seven digits before the
    // point and the 1074 places of the smallest subnormal number after it.
    char buf[1100];
    auto result = std::to_chars(buf, buf + sizeof buf, stamp, std::chars_format::general, 15);
    // Only magnitudes below 1e-5 take an exponent; they get the shortest fixed form.
    if (result.ec == std::errc() && std::find(buf, result.ptr, 'e') != result.ptr)
        result = std::to_chars(buf, buf + sizeof buf, stamp, std::chars_format::fixed);
    if (result.ec != std::errc()) return std::string(kNoValueText);
    return std::string(buf, result.ptr);
}

std::optional<double> parseStamp(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace qbk

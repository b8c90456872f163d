// Stamps of any value and stamp texts of any bytes: the text of a stamp has no
// exponent, is no longer than the fixed form of the smallest number and reads back as
// a stamp whose text is the same; no stamp shows as the no-value text; and the stamp
// source, told of any stamp a book holds, gives stamps above it in increasing order.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "platform/regional.h"
#include "platform/stamps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    const double stamp = in.value<double>();
    const double seconds = in.value<double>();
    const std::string_view text = in.rest();

    const std::string shown = stampText(stamp);
    if (!isStamp(stamp)) {
        FUZZ_CHECK(shown == kNoValueText);
    } else {
        FUZZ_CHECK(shown.size() <= 1100 &&
                   shown.find_first_not_of("-.0123456789") == std::string::npos);
        const std::optional<double> back = parseStamp(shown);
        FUZZ_CHECK(back && isStamp(*back) && stampText(*back) == shown);
        FUZZ_CHECK(std::abs(*back - stamp) <= std::abs(stamp) * 1e-14);
    }
    if (const std::optional<double> read = parseStamp(text)) {
        FUZZ_CHECK(!std::isnan(*read) || text.find_first_of("nN") != std::string_view::npos);
        stampText(*read);
    }

    // A clock at any time of a day of the calendar.
    const DaySerial today = std::floor(std::fmod(std::abs(stamp), kLastDaySerial));
    ManualClock clock(std::isfinite(today) ? today : 0,
                      std::isfinite(seconds) ? std::fmod(std::abs(seconds), 86400) : 0);
    StampSource source(clock);
    source.noteExisting(stamp);
    double last = isStamp(stamp) ? stamp : 0;
    for (int i = 0; i < 3; ++i) {
        const double next = source.next();
        FUZZ_CHECK(next > last && std::isfinite(next));
        last = next;
    }
    return 0;
}

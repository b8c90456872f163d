// A schedules file of any bytes: it is refused with an OperationError, or every
// schedule it holds reads back the same after it is written again, and its dates run
// strictly upwards from its first date, never past its until date or its number of times.
#include "fuzz/fuzz_support.h"
#include "platform/errors.h"
#include "schedules/recurrence.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    const std::string path = fuzz::scratchFolder() + "schedules.txt";
    fuzz::writeBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));
    Schedules schedules;
    try {
        schedules = readSchedules(path);
    } catch (const OperationError&) {
        return 0;
    }
    writeSchedules(path, schedules);
    FUZZ_CHECK(readSchedules(path) == schedules);
    for (const Schedule& s : schedules) {
        const std::vector<DaySerial> dates = scheduleDates(s, s.first - 1, s.first + 3000);
        for (std::size_t i = 0; i < dates.size(); ++i) {
            FUZZ_CHECK(dates[i] >= s.first && (i == 0 || dates[i] > dates[i - 1]));
            FUZZ_CHECK(!s.until || dates[i] <= *s.until);
        }
        FUZZ_CHECK(!s.times || dates.size() <= static_cast<std::size_t>(*s.times));
    }
    return 0;
}

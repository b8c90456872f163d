// Record stamps: strictly increasing without waiting, and exact as 15-digit text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "converter/stamp_source.h"
#include "test_support.h"

namespace qbk::converter {
namespace {
using testing::FixedClock;

TEST(StampSource, FollowsTheClockInStepsOf1Over512) {
    FixedClock clock(45000, 3600.3);
    StampSource stamps(clock);
    EXPECT_EQ(stamps.next(), 45000 + 3600.298828125);  // 3600.3 down to a multiple of 1/512
    EXPECT_EQ(stamps.next(), 45000 + 3600.30078125);
    clock.set(45000, 3601.0);
    EXPECT_EQ(stamps.next(), 48601.0);
    clock.set(45000, 10.0);  // the clock went back an hour
    EXPECT_EQ(stamps.next(), 48601.0 + 1.0 / 512);
    // A stamp is a plain sum: early the next day the clock gives less than the last one.
    clock.set(45001, 0.5);
    EXPECT_EQ(stamps.next(), 48601.0 + 2.0 / 512);
    clock.set(45001, 7200.0);
    EXPECT_EQ(stamps.next(), 52201.0);
}

TEST(StampSource, StepsFollowTheSinglePrecisionGrid) {
    // Above 2^15 seconds a float moves in 1/256, above 2^16 in 1/128.
    FixedClock clock(45000, 40000.0);
    StampSource stamps(clock);
    stamps.next();
    EXPECT_EQ(stamps.next(), 85000.0 + 1.0 / 256);
    clock.set(45000, 70000.0);
    stamps.next();
    EXPECT_EQ(stamps.next(), 115000.0 + 1.0 / 128);
}

TEST(StampSource, NotedStampsAreNeverRepeated) {
    FixedClock clock(45000, 100.0);
    StampSource stamps(clock);
    stamps.noteExisting(45000 + 700.5);
    for (const double junk : {std::nan(""), std::numeric_limits<double>::infinity(), -1.0, 1e300}) {
        stamps.noteExisting(junk);
    }
    EXPECT_EQ(stamps.next(), 45000 + 700.5 + 1.0 / 512);
    stamps.noteExisting(10.0);  // older stamps change nothing
    EXPECT_EQ(stamps.next(), 45000 + 700.5 + 2.0 / 512);
}

TEST(StampSource, EveryStampReadsBackFromFifteenDigitText) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> seconds(0, 86399.999);
    FixedClock clock(45000, 0);
    StampSource stamps(clock);
    double last = 0;
    for (int run = 0; run < 2000; ++run) {
        clock.set(45000 + run / 100, seconds(random));
        for (int i = 0; i < 20; ++i) {
            const double stamp = stamps.next();
            ASSERT_GT(stamp, last);
            last = stamp;
            char text[64];
            std::snprintf(text, sizeof text, "%.15g", stamp);
            ASSERT_EQ(std::strtod(text, nullptr), stamp) << text;
        }
    }
}

}  // namespace
}  // namespace qbk::converter

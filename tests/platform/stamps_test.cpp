#include "platform/stamps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace qbk {
namespace {

int significantDigits(const std::string& text) {
    int n = 0;
    bool leading = true;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (leading && c == '0') continue;
        leading = false;
        ++n;
    }
    return n;
}

void expectIncreasingAndReadable(ManualClock& clock, int count) {
    StampSource source(clock);
    double previous = 0;
    for (int i = 0; i < count; ++i) {
        const double stamp = source.next();
        ASSERT_GT(stamp, previous) << "stamp " << i;
        const std::string text = stampText(stamp);
        ASSERT_LE(significantDigits(text), 15) << text;
        ASSERT_EQ(parseStamp(text), stamp) << text;
        previous = stamp;
    }
}

TEST(StampSource, AHundredThousandStampsInARowIncreaseAndReadBack) {
    ManualClock noon(serialFromDate(2026, 12, 7), 43200.123456);
    expectIncreasingAndReadable(noon, 100000);
}

TEST(StampSource, StampsReadBackAtEveryTimeOfDay) {
    for (double seconds : {0.0, 0.1, 1.0 / 3, 8191.99, 16384.5, 32767.9, 65535.99, 86399.999}) {
        ManualClock clock(serialFromDate(2001, 4, 1), seconds);
        expectIncreasingAndReadable(clock, 2000);
    }
}

TEST(StampSource, IsTheDayPlusTheSecondsWhileTheClockMoves) {
    ManualClock clock(36526, 3600.25);
    StampSource source(clock);
    EXPECT_EQ(source.next(), 36526 + 3600.25);
    clock.setSeconds(3601.5);
    EXPECT_EQ(source.next(), 36526 + 3601.5);
    clock.set(36527, 3700);  // the next day: the plain sum goes on growing
    EXPECT_EQ(source.next(), 36527 + 3700.0);
}

TEST(StampSource, StaysIncreasingWhenTheClockIsSetBack) {
    ManualClock clock(40000, 50000);
    StampSource source(clock);
    const double first = source.next();
    clock.set(39999, 10);
    EXPECT_GT(source.next(), first);
}

TEST(StampSource, NotedStampsOfTheBookAreNeverRepeated) {
    ManualClock clock(45000, 100.0);
    StampSource stamps(clock);
    stamps.noteExisting(45000 + 700.5);
    for (const double junk : {std::nan(""), std::numeric_limits<double>::infinity(), -1.0, 1e300})
        stamps.noteExisting(junk);
    EXPECT_EQ(stamps.next(), 45000 + 700.5 + 1.0 / 512);
    stamps.noteExisting(10.0);  // older stamps change nothing
    EXPECT_EQ(stamps.next(), 45000 + 700.5 + 2.0 / 512);
}

TEST(StampText, RefusesWhatIsNotANumber) {
    EXPECT_FALSE(parseStamp("").has_value());
    EXPECT_FALSE(parseStamp("   ").has_value());
    EXPECT_FALSE(parseStamp("12x").has_value());
    EXPECT_EQ(parseStamp(" 89200.5 "), 89200.5);
    EXPECT_EQ(stampText(89200.00390625), "89200.00390625");
}

TEST(StampText, NeverExceedsItsTextAndShowsNoStampPlainly) {
    for (const double junk : {1e100, -1e100, std::nan(""), -std::numeric_limits<double>::infinity(),
                              -693594.0, 2958465.0 + 86400.5})
        EXPECT_EQ(stampText(junk), "****?****") << junk;
    // The smallest number a double holds is a stamp value, in its shortest fixed form.
    const std::string tiny = stampText(5e-324);
    EXPECT_EQ(tiny, "0." + std::string(323, '0') + "5");
    EXPECT_EQ(parseStamp(tiny), 5e-324);
    EXPECT_EQ(stampText(-693593.0), "-693593");
    EXPECT_EQ(stampText(3044865.0), "3044865");
    EXPECT_EQ(stampText(1.5e-5), "0.000015");
}

}  // namespace
}  // namespace qbk

#include "DrillTime.h"
#include "TimeValue.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

double Seconds(double seconds) { return seconds / 86400.0; }

} // namespace

TEST(FormatDrillTime, ShowsMinutesSecondsAndMilliseconds) {
    EXPECT_EQ(FormatDrillTime(0), "00:00.000");
    EXPECT_EQ(FormatDrillTime(Seconds(61.5)), "01:01.500");
    EXPECT_EQ(FormatDrillTime(Seconds(83.456)), "01:23.456");
    EXPECT_EQ(FormatDrillTime(Seconds(59.999)), "00:59.999");
    EXPECT_EQ(FormatDrillTime(Seconds(3599.999)), "59:59.999");
}

TEST(FormatDrillTime, DropsHoursAndDays) {
    EXPECT_EQ(FormatDrillTime(Seconds(3600.25)), "00:00.250");
    EXPECT_EQ(FormatDrillTime(Seconds(3723.004)), "02:03.004");
    EXPECT_EQ(FormatDrillTime(1 + Seconds(5)), "00:05.000");
}

TEST(FormatDrillTime, RoundsToTheNearestMillisecond) {
    EXPECT_EQ(FormatDrillTime(Seconds(1.0004)), "00:01.000");
    EXPECT_EQ(FormatDrillTime(Seconds(1.0006)), "00:01.001");
    EXPECT_EQ(FormatDrillTime(Seconds(59.9996)), "01:00.000");
}

TEST(FormatDrillTime, ShowsNegativeDurationsByTheirSize) {
    EXPECT_EQ(FormatDrillTime(-Seconds(61.5)), "01:01.500");
}

TEST(FormatDrillTime, NonFiniteDurationsShowAsZero) {
    EXPECT_EQ(FormatDrillTime(std::numeric_limits<double>::quiet_NaN()), "00:00.000");
    EXPECT_EQ(FormatDrillTime(std::numeric_limits<double>::infinity()), "00:00.000");
    // Finite, but too large to count in milliseconds.
    EXPECT_EQ(FormatDrillTime(1e305), "00:00.000");
    EXPECT_EQ(FormatDrillTime(1e300).size(), 9);
}

TEST(TimeValue, CountsDaysSinceTheEndOf1899) {
    EXPECT_EQ(ToTimeValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(ToTimeValue(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    EXPECT_DOUBLE_EQ(ToTimeValue(QDateTime(QDate(2026, 12, 7), QTime(6, 0, 0, 500))),
                     46363 + (6 * 3600 * 1000 + 500) / MillisecondsPerDay);
    // Before the epoch the time of day still counts forward.
    EXPECT_EQ(ToTimeValue(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

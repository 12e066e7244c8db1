#pragma once

#include <QDateTime>
#include <cstdint>

// A point in time as a count of days since 1899-12-30 in local time, the time of day being
// the fraction; a duration is a difference of two such values.
using TimeValue = double;

inline constexpr double MillisecondsPerDay = 86'400'000.0;

TimeValue ToTimeValue(const QDateTime &localTime);
inline double MillisecondsToDays(std::int64_t milliseconds) {
    return double(milliseconds) / MillisecondsPerDay;
}

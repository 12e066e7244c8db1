#include "TimeValue.h"

TimeValue ToTimeValue(const QDateTime &localTime) {
    static const qint64 epochDay = QDate(1899, 12, 30).toJulianDay();
    const QDateTime local = localTime.toLocalTime();
    const qint64 days = local.date().toJulianDay() - epochDay;
    const double fraction = local.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    // Before the epoch the fraction still counts forward from midnight, as the whole days do
    // not: the sign of the day count carries the date and the fraction the time of day.
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

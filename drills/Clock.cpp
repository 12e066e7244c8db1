#include "Clock.h"

TimeValue SystemClock::LocalNow() const { return ToTimeValue(QDateTime::currentDateTime()); }

std::chrono::steady_clock::time_point SystemClock::SteadyNow() const {
    return std::chrono::steady_clock::now();
}

const SystemClock &SystemClock::Instance() {
    static const SystemClock clock;
    return clock;
}

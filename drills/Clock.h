#pragma once

#include "TimeValue.h"

#include <chrono>

// Where the drills read the time. Tests inject their own clock.
class Clock {
public:
    virtual ~Clock() = default;
    // The local wall-clock date and time, at millisecond resolution.
    virtual TimeValue LocalNow() const = 0;
    // A reading that only ever moves forward, whatever happens to the wall clock; durations
    // are measured with it.
    virtual std::chrono::steady_clock::time_point SteadyNow() const = 0;
};

class SystemClock : public Clock {
public:
    TimeValue LocalNow() const override;
    std::chrono::steady_clock::time_point SteadyNow() const override;

    static const SystemClock &Instance();
};

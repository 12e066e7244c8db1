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

// A clock that moves only when told to, for scripted drills (the screenshots, the tests). The
// wall clock and the steady clock can be moved apart, as when the system time is set.
class ManualClock : public Clock {
public:
    TimeValue LocalNow() const override { return local; }
    std::chrono::steady_clock::time_point SteadyNow() const override { return steady; }

    void Advance(std::chrono::milliseconds step) {
        local += MillisecondsToDays(step.count());
        steady += step;
    }

    TimeValue local = 46000.375; // 2025-12-09 09:00
    std::chrono::steady_clock::time_point steady{std::chrono::hours(1)};
};

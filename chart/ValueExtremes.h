#pragma once

#include <cstddef>

// The lowest and highest of some values, and whether all of them are numbers.
struct TValueExtremes {
    double Lowest;
    double Highest;
    bool Numbers;
};

// One value at a time: both extremes start at the first value and move to every later value
// below (above) them. count >= 1.
TValueExtremes ScalarExtremes(const double *values, std::size_t count);

// The same result as ScalarExtremes, bit for bit, found several values at a time where the
// processor allows. count >= 1.
TValueExtremes FindExtremes(const double *values, std::size_t count);

// The extremes finder that reads several values at a time against the one that reads one.
#include "ValueExtremes.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// Mostly ordinary values, some repeated, with one in `rate` out of 100 taken from `specials`.
double Draw(std::mt19937_64 &random, const std::vector<double> &specials, int rate) {
    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_real_distribution<double> value(-1e3, 1e3);
    const int k = kind(random);
    if (k < rate && !specials.empty())
        return specials[std::size_t(k) % specials.size()];
    return k % 7 == 0 ? double(k % 3) : value(random);
}

void ExpectSame(const double *values, std::size_t count) {
    const TValueExtremes scalar = ScalarExtremes(values, count);
    const TValueExtremes found = FindExtremes(values, count);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(found.Lowest),
              std::bit_cast<std::uint64_t>(scalar.Lowest))
        << count;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(found.Highest),
              std::bit_cast<std::uint64_t>(scalar.Highest))
        << count;
    EXPECT_EQ(found.Numbers, scalar.Numbers) << count;
}

TEST(ValueExtremes, AgreesWithScalarAtEveryLengthAndAlignment) {
    const std::vector<std::vector<double>> kinds = {
        {},          {Inf, -Inf}, {Inf, -Inf, 1e308, -1e308, 5e-324, -5e-324},
        {0.0, -0.0}, {NaN},       {NaN, -NaN, Inf, -Inf, 0.0, -0.0, 1e308, -1e308}};
    std::mt19937_64 random(20261207);
    std::vector<double> buffer(160);
    for (const std::vector<double> &specials : kinds)
        for (int rate : {1, 5, 30, 100})
            for (std::size_t offset = 0; offset < 8; ++offset)
                for (std::size_t count = 1; offset + count <= buffer.size(); ++count) {
                    for (std::size_t k = offset; k < offset + count; ++k)
                        buffer[k] = Draw(random, specials, rate);
                    ExpectSame(buffer.data() + offset, count);
                }
}

TEST(ValueExtremes, OneSpecialValueAnywhere) {
    for (double special : {NaN, Inf, -Inf, 0.0, -0.0})
        for (std::size_t count = 1; count <= 40; ++count)
            for (std::size_t at = 0; at < count; ++at) {
                std::vector<double> values(count, 1.5);
                for (std::size_t k = 0; k < count; ++k)
                    values[k] = double(k % 5) - 2.5;
                values[at] = special;
                ExpectSame(values.data(), count);
            }
}

TEST(ValueExtremes, ZerosOfBothSignsKeepTheFirstOnesSign) {
    for (std::size_t first = 0; first < 20; ++first)
        for (std::size_t second = first + 1; second < 20; ++second)
            for (double sign : {1.0, -1.0}) {
                std::vector<double> values(20, sign);
                values[first] = 0.0 * sign;
                values[second] = -0.0 * sign;
                ExpectSame(values.data(), values.size());
            }
}

} // namespace

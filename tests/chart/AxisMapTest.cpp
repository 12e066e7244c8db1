// The value to pixel map of one axis layout, without a chart or a painter.
#include "AxisMap.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr int IntMax = std::numeric_limits<int>::max();

TAxisMap Map(double min, double max, int start, int end, bool horizontal = true,
             bool inverted = false) {
    return {.WorkMin = min,
            .WorkMax = max,
            .PixelStart = start,
            .PixelEnd = end,
            .Horizontal = horizontal,
            .Inverted = inverted};
}

TAxisMap LogMap(double min, double max, int start, int end, int base, bool horizontal = true) {
    TAxisMap map = Map(min, max, start, end, horizontal);
    map.Logarithmic = true;
    map.LogarithmicBase = base;
    return map;
}

const TAxisMap Across = Map(0, 10, 40, 540);
const TAxisMap Upwards = Map(0, 10, 20, 220, false);
const TAxisMap Downwards = Map(0, 10, 20, 220, false, true);
const TAxisMap Leftwards = Map(0, 10, 40, 540, true, true);
const TAxisMap Decades = LogMap(1, 1000, 0, 300, 10);
const TAxisMap DecadesUp = LogMap(1, 1000, 0, 300, 10, false);

} // namespace

TEST(AxisMap, ValuesBecomePixels) {
    const struct {
        const char *name;
        TAxisMap map;
        double value;
        int pixel;
    } cases[] = {
        {"left end", Across, 0, 40},
        {"right end", Across, 10, 540},
        {"middle", Across, 5, 290},
        {"beyond the end", Across, 12, 640},
        {"bottom end", Upwards, 0, 220},
        {"top end", Upwards, 10, 20},
        {"a quarter up", Upwards, 2.5, 170},
        {"inverted vertical", Downwards, 2.5, 70},
        {"inverted horizontal", Leftwards, 0, 540},
        {"half pixel to even below", Map(0, 10, 0, 10), 2.5, 2},
        {"half pixel to even above", Map(0, 10, 0, 10), 3.5, 4},
        {"half pixel before the start", Map(0, 10, 0, 10), -0.5, 0},
        {"empty range", Map(5, 5, 100, 300), 123, 200},
        {"too far out", Map(0, 1, 100, 300), 1e12, 200},
        {"not a number", Map(0, 1, 100, 300), NaN, 200},
        {"infinite", Map(0, 1, 100, 300), -Inf, 200},
        {"just short of too far", Map(0, 1, 100, 300), 2147483000.0 / 200, 100 + 2147483000},
        {"beyond an int", Map(0, 1, 2000000000, 2000000200), 2147483000.0 / 200, IntMax},
        {"logarithmic start", Decades, 1, 0},
        {"logarithmic decade", Decades, 10, 100},
        {"logarithmic end", Decades, 1000, 300},
        {"logarithmic upwards", DecadesUp, 100, 100},
        {"logarithmic base two", LogMap(1, 8, 0, 300, 2), 4, 200},
        {"logarithmic zero", Decades, 0, 150},
        {"logarithmic negative", Decades, -10, 150},
        {"logarithmic from zero", LogMap(0, 100, 0, 300, 10), 10, 150},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.map.ToPixel(c.value), c.pixel) << c.name;
}

TEST(AxisMap, XAndYCountFromOppositeEnds) {
    EXPECT_EQ(Across.XToPixel(2), 140);
    EXPECT_EQ(Across.YToPixel(2), 440);
    EXPECT_EQ(Downwards.XToPixel(2), 180);
    EXPECT_EQ(Downwards.YToPixel(2), 60);
}

TEST(AxisMap, PixelsBecomeValues) {
    const struct {
        const char *name;
        TAxisMap map;
        int pixel;
        double value;
    } cases[] = {
        {"left end", Across, 40, 0},
        {"middle", Across, 290, 5},
        {"top end", Upwards, 20, 10},
        {"bottom end", Upwards, 220, 0},
        {"inverted vertical", Downwards, 70, 2.5},
        {"inverted horizontal", Leftwards, 540, 0},
        {"empty range, horizontal", Map(5, 5, 100, 300), 150, 5},
        {"empty range, vertical", Map(5, 5, 100, 300, false), 150, 5},
        {"no pixels", Map(0, 1, 100, 100), 150, 0},
        {"reversed pixels", Map(0, 1, 300, 100), 150, 0},
        {"logarithmic decade", Decades, 100, 10},
        {"logarithmic upwards", DecadesUp, 0, 1000},
        {"logarithmic from zero", LogMap(0, 100, 0, 300, 10), 150, 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(c.map.ToValue(c.pixel), c.value) << c.name;
}

TEST(AxisMap, EveryPixelComesBackFromItsValue) {
    const TAxisMap maps[] = {Across,
                             Upwards,
                             Downwards,
                             Leftwards,
                             Decades,
                             DecadesUp,
                             Map(-1e-9, 3e-9, 7, 1207, false),
                             Map(0, 1.0 / 360, 16, 229, false),
                             Map(1, 100000, 0, 37)};
    for (const TAxisMap &map : maps)
        for (int pixel = map.PixelStart; pixel <= map.PixelEnd; ++pixel)
            ASSERT_EQ(map.ToPixel(map.ToValue(pixel)), pixel)
                << map.WorkMin << " ... " << map.WorkMax << " over " << map.PixelStart << " ... "
                << map.PixelEnd;
}

TEST(AxisMap, FastPixelsAgreeWithTheMapForEveryValue) {
    std::mt19937_64 random(2718);
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const double scale = std::pow(10.0, uniform(-12, 12));
        const double min = round % 7 == 0 ? 0 : uniform(-1, 1) * scale * 1000;
        const double range = round % 11 == 0 ? 0 : scale * uniform(0.1, 10);
        const int start = int(uniform(-100, 600));
        const int size = round % 13 == 0 ? 0 : int(uniform(1, 2000));
        const TAxisMap map =
            Map(min, min + range, start, start + size, round % 2 == 1, round % 4 >= 2);
        const bool asX = map.Horizontal;
        const TAxisPixels<> toPixel(map, asX);
        // On a map without pixels any value will do.
        const double perPixel = size != 0 ? map.WorkRange() / size : 1;
        const auto expect = [&](double value) {
            const int pixel = asX ? map.XToPixel(value) : map.YToPixel(value);
            EXPECT_EQ(toPixel(value), pixel) << round << " " << value;
            ++checked;
        };
        for (int k = 0; k < 200; ++k) {
            // Values on and next to half pixels, where rounding decides.
            const double half =
                std::trunc(k % 2 ? uniform(-3000, 3000) : uniform(-2.2e9, 2.2e9)) + 0.5;
            const double onHalf = map.WorkMin + half * perPixel;
            expect(onHalf);
            expect(std::nextafter(onHalf, Inf));
            expect(std::nextafter(onHalf, -Inf));
            expect(map.WorkMin + uniform(-2, 2) * map.WorkRange());
            expect(map.WorkMin + uniform(-1, 1) * map.WorkRange() * 1e7);
        }
        for (double value : {NaN, Inf, -Inf, 1e308, -1e308, 0.0, map.WorkMin, map.WorkMax})
            expect(value);
    }
    EXPECT_GT(checked, 100000);
}

TEST(AxisMap, FastPixelsHandLogarithmicMapsToTheMap) {
    const TAxisPixels<> toPixel(Decades, true);
    for (double value : {-1.0, 0.0, 1.0, 3.0, 10.0, 999.0, 1e6})
        EXPECT_EQ(toPixel(value), Decades.XToPixel(value)) << value;
}

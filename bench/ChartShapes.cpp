#include "ChartShapes.h"

#include <map>
#include <random>
#include <utility>

namespace {

constexpr double Second = 1.0 / 86400;

TPoints Made(TShape shape, int n) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> anyTime(0, FourMinutes);
    std::normal_distribution<double> step(0, 3 * Second);
    TPoints points;
    points.x.reserve(n);
    points.y.reserve(n);
    double walked = 90 * Second;
    for (int i = 1; i <= n; ++i) {
        points.x.push_back(i);
        if (shape == TShape::Noise) {
            points.y.push_back(anyTime(random));
            continue;
        }
        walked += step(random);
        if (walked < 0)
            walked = -walked;
        if (walked > FourMinutes)
            walked = 2 * FourMinutes - walked;
        points.y.push_back(walked);
    }
    return points;
}

} // namespace

const TPoints &Points(TShape shape, int n) {
    static std::map<std::pair<TShape, int>, TPoints> made;
    const auto key = std::make_pair(shape, n);
    auto found = made.find(key);
    if (found == made.end())
        found = made.emplace(key, Made(shape, n)).first;
    return found->second;
}

QString ShapeName(TShape shape) {
    return shape == TShape::Noise ? QStringLiteral("Noise") : QStringLiteral("Walk");
}

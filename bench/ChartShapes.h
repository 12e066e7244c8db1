#pragma once

#include <QString>
#include <QVector>

// The data the benchmark draws: N drills numbered x = 1 ... N, their times y in days within
// 0 ... 4 minutes, in one of two shapes.
enum class TShape {
    Noise, // every time drawn anew, uniform over 0 ... 4 minutes
    Walk,  // each time a few seconds from the one before, reflected at 0 and 4 minutes
};

constexpr double FourMinutes = 4.0 / 1440;

struct TPoints {
    QVector<double> x;
    QVector<double> y;
};

// The points of a shape, made once per shape and N from a fixed seed and kept.
const TPoints &Points(TShape shape, int n);

QString ShapeName(TShape shape);

#pragma once

#include "Contender.h"

#include <QString>
#include <array>

// The numbers of points measured, and the contenders measured at each.
constexpr std::array<int, 6> Sizes = {10, 1000, 10000, 100000, 1000000, 10000000};
constexpr std::array<TShape, 2> Shapes = {TShape::Noise, TShape::Walk};
constexpr std::array<TLibrary, 3> Libraries = {TLibrary::Radixtrek, TLibrary::QCustomPlot,
                                               TLibrary::QtCharts};
bool Measured(TLibrary library, int n);

// The x range of all n points.
TRange FullRange(int n);

// A contender kept shown with the points of a shape, one per library, shape and N, so that
// repetitions and cases share it.
TContender &ShownContender(TLibrary library, TShape shape, int n);
// Closes them all, while the application is still there.
void ForgetShownContenders();

// Benchmark names are Case/Shape/Library/N.
QString CaseName(const QString &kind, const QString &shape, TLibrary library, int n);

// Each registers its benchmarks, interleaved as the command line asks.
void RegisterScreenCases();
void RegisterMemoryCases();
void RegisterLimitCases();

// Writes what each contender shows in the screen cases as PNG files into a folder.
void SavePictures(const QString &folder);
